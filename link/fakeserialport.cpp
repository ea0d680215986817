#include "link/fakeserialport.h"

#include "app/errors.h"

FakeSerialPort::FakeSerialPort(QObject *parent)
    : SerialPort(parent)
{
}

void FakeSerialPort::feed(const QByteArray &bytes)
{
    received(bytes);
    deliver();
}

void FakeSerialPort::loseDevice()
{
    if (!m_open)
        return;
    close();
    emit deviceLost(QStringLiteral("Se perdió la conexión con el puerto %1").arg(settings().portName));
}

void FakeSerialPort::openDevice()
{
    if (!m_openError.isEmpty())
        throw AppError(m_openError);
    m_open = true;
    log << QStringLiteral("open");
}

void FakeSerialPort::closeDevice()
{
    m_open = false;
    log << QStringLiteral("close");
}

void FakeSerialPort::applyRts(bool on)
{
    rtsChanges << on;
    log << QStringLiteral("rts %1").arg(on ? 1 : 0);
}

void FakeSerialPort::writeDevice(const QByteArray &bytes)
{
    if (!m_writeError.isEmpty())
        throw AppError(m_writeError);
    written += bytes;
    writes << bytes;
    log << QStringLiteral("write ") + QString::fromLatin1(bytes);
}

void FakeSerialPort::discardDevice()
{
    ++discards;
    log << QStringLiteral("discard");
}
