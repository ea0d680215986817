#pragma once
// In-memory SerialPort for tests: bytes are fed in chosen chunks, every write
// and RTS change is recorded, and opening or writing can be made to fail.

#include "link/serialport.h"

#include <QList>
#include <QStringList>

class FakeSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit FakeSerialPort(QObject *parent = nullptr);

    bool isOpen() const override { return m_open; }

    // Queues bytes as the driver would and raises the receive event at once.
    void feed(const QByteArray &bytes);
    // Simulates the device going away while open.
    void loseDevice();

    void setOpenError(const QString &message) { m_openError = message; }
    void setWriteError(const QString &message) { m_writeError = message; }

    QByteArray written;          // every byte written, in order
    QList<QByteArray> writes;    // one entry per write call
    QList<bool> rtsChanges;      // every RTS level applied to the line
    QStringList log;             // "open", "close", "rts 1", "write 8", "discard"
    int discards = 0;

protected:
    void openDevice() override;
    void closeDevice() override;
    void applyRts(bool on) override;
    void writeDevice(const QByteArray &bytes) override;
    void discardDevice() override;

private:
    bool m_open = false;
    QString m_openError;
    QString m_writeError;
};
