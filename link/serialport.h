#pragma once
// The operations the logger link needs from a serial port. Received bytes are
// queued here (NUL bytes dropped, as the logger's original driver did) and
// handed to one receive handler at a time, always from the event loop.

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>

struct PortSettings {
    QString portName;
    qint32 baudRate = 19200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;

    static QString defaultPortName();
};

class SerialPort : public QObject {
    Q_OBJECT
public:
    using ReceiveHandler = std::function<void(int count)>;

    explicit SerialPort(QObject *parent = nullptr);
    ~SerialPort() override;

    const PortSettings &settings() const { return m_settings; }
    void setSettings(const PortSettings &settings) { m_settings = settings; }

    virtual bool isOpen() const = 0;
    // Opens with all settings applied, then raises RTS as last set; throws AppError.
    void open();
    // Stops receive events; nothing happens when the port is not open.
    void close();

    // Takes effect at once when open, else remembered for the next open.
    void setRts(bool on);
    bool rts() const { return m_rts; }

    // Sends the bytes and returns when the driver has taken them; throws when closed.
    void writeText(const QByteArray &text);
    // The next bytes received, at most n.
    QByteArray read(int n);
    // Throws away every byte received and not read yet; throws when closed.
    void discardInput();
    int bytesWaiting() const { return int(m_queue.size()); }

    // The one receive handler. It is never re-entered: bytes that arrive while
    // it runs (even inside a modal window it opens) come with the next event.
    void setReceiveHandler(ReceiveHandler handler) { m_handler = std::move(handler); }

signals:
    // The device went away while open (adapter pulled, peer gone). Emitted once,
    // after the port has been closed.
    void deviceLost(const QString &message);

protected:
    virtual void openDevice() = 0;
    virtual void closeDevice() = 0;
    virtual void applyRts(bool on) = 0;
    virtual void writeDevice(const QByteArray &bytes) = 0;
    virtual void discardDevice() = 0;

    // Bytes read from the device; queues them and schedules a receive event.
    void received(const QByteArray &bytes);
    // Raises the receive event now, unless one is running or nothing waits.
    void deliver();

private:
    void scheduleDelivery();

    PortSettings m_settings;
    ReceiveHandler m_handler;
    QByteArray m_queue;
    bool m_rts = false;
    bool m_delivering = false;
    bool m_scheduled = false;
};
