#include "link/serialport.h"

#include "app/errors.h"

#include <QMetaObject>

#include <cerrno>

QString PortSettings::defaultPortName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    return QStringLiteral("/dev/ttyS0");
#endif
}

SerialPort::SerialPort(QObject *parent)
    : QObject(parent)
{
    m_settings.portName = PortSettings::defaultPortName();
}

SerialPort::~SerialPort() = default;

void SerialPort::open()
{
    if (isOpen())
        return;
    m_queue.clear();
    openDevice();
    applyRts(m_rts);
}

void SerialPort::close()
{
    if (!isOpen())
        return;
    closeDevice();
    m_queue.clear();
}

void SerialPort::setRts(bool on)
{
    m_rts = on;
    if (isOpen())
        applyRts(on);
}

void SerialPort::writeText(const QByteArray &text)
{
    if (!isOpen())
        throw AppError(QStringLiteral("WriteFile function failed (error code: %1)").arg(EBADF));
    writeDevice(text);
}

QByteArray SerialPort::read(int n)
{
    const QByteArray out = m_queue.left(qMax(0, n));
    m_queue.remove(0, out.size());
    return out;
}

void SerialPort::discardInput()
{
    if (!isOpen())
        throw AppError(QStringLiteral("PurgeComm function failed (error code: %1)").arg(EBADF));
    discardDevice();
    m_queue.clear();
}

void SerialPort::received(const QByteArray &bytes)
{
    const qsizetype before = m_queue.size();
    for (char c : bytes) {
        if (c != '\0')
            m_queue.append(c);
    }
    if (m_queue.size() > before)
        scheduleDelivery();
}

void SerialPort::scheduleDelivery()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_scheduled = false;
            deliver();
        },
        Qt::QueuedConnection);
}

void SerialPort::deliver()
{
    if (m_delivering || m_queue.isEmpty() || !isOpen())
        return;
    if (!m_handler) {
        m_queue.clear();
        return;
    }
    const qsizetype waiting = m_queue.size();
    m_delivering = true;
    try {
        m_handler(int(waiting));
    } catch (...) {
        // Errors inside the receive event are not shown.
    }
    m_delivering = false;
    // Bytes that came while the handler ran get an event of their own. A
    // handler that consumed nothing is not called again until more arrive.
    if (!m_queue.isEmpty() && m_queue.size() != waiting)
        scheduleDelivery();
}
