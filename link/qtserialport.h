#pragma once
// SerialPort over QSerialPort: real RS-232 ports, USB adapters and pseudo-terminals.

#include "link/serialport.h"

#include <QSerialPort>

class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject *parent = nullptr);

    bool isOpen() const override { return m_port.isOpen(); }

protected:
    void openDevice() override;
    void closeDevice() override;
    void applyRts(bool on) override;
    void writeDevice(const QByteArray &bytes) override;
    void discardDevice() override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    bool m_lost = false;
};

// "Unable to open com port (error code: N)" with the system's reason, and a
// word on permissions where that is the cause.
QString openErrorText(int errorNumber, const QString &reason);
