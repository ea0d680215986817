#include "link/qtserialport.h"

#include "app/errors.h"

#include <QMetaObject>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

QString openErrorText(int errorNumber, const QString &reason)
{
#ifdef Q_OS_WIN
    QString text = QStringLiteral("Unable to open com port (win error code: %1)").arg(errorNumber);
#else
    QString text = QStringLiteral("Unable to open com port (error code: %1)").arg(errorNumber);
#endif
    if (!reason.isEmpty())
        text += QStringLiteral(": ") + reason;
#ifdef Q_OS_UNIX
    if (errorNumber == EACCES || errorNumber == EPERM)
        text += QStringLiteral(" (su usuario no tiene permiso sobre el puerto: agréguelo al grupo "
                               "\"dialout\" y vuelva a iniciar la sesión)");
#endif
    return text;
}

QtSerialPort::QtSerialPort(QObject *parent)
    : SerialPort(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, [this] { received(m_port.readAll()); });
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

void QtSerialPort::openDevice()
{
    const PortSettings &s = settings();
    m_port.setPortName(s.portName);
    m_port.setBaudRate(s.baudRate);
    m_port.setDataBits(s.dataBits);
    m_port.setParity(s.parity);
    m_port.setStopBits(s.stopBits);
    m_port.setFlowControl(s.flowControl);
    m_lost = false;
    if (!m_port.open(QIODevice::ReadWrite)) {
        int code = 0;
        QString reason = m_port.errorString();
#ifdef Q_OS_UNIX
        // QSerialPort does not keep errno; a plain open(2) of the same device tells it.
        const QByteArray path = s.portName.startsWith(QLatin1Char('/'))
                                    ? s.portName.toLocal8Bit()
                                    : QByteArray("/dev/") + s.portName.toLocal8Bit();
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            code = errno;
            reason = QString::fromLocal8Bit(std::strerror(code));
        } else {
            ::close(fd);
            code = m_port.error() == QSerialPort::PermissionError ? EBUSY : EIO;
        }
#else
        code = int(m_port.error());
#endif
        throw AppError(openErrorText(code, reason));
    }
    // A pseudo-terminal has no modem lines; that is not a failed connect.
    m_port.setDataTerminalReady(false);
    m_port.clearError();
}

void QtSerialPort::closeDevice()
{
    m_port.close();
}

void QtSerialPort::applyRts(bool on)
{
    if (!m_port.isOpen())
        return;
    m_port.setRequestToSend(on);
    m_port.clearError();
}

void QtSerialPort::writeDevice(const QByteArray &bytes)
{
    const int timeoutMs = 100 * int(bytes.size()) + 1000;
    if (m_port.write(bytes) != bytes.size()
        || (m_port.bytesToWrite() > 0 && !m_port.waitForBytesWritten(timeoutMs))) {
        const QString reason = m_port.errorString();
        m_port.clearError();
        throw AppError(QStringLiteral("WriteFile function failed (error code: %1): %2").arg(EIO).arg(reason));
    }
}

void QtSerialPort::discardDevice()
{
    m_port.readAll();
    m_port.clear(QSerialPort::Input);
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    // A vanished device (adapter pulled, the other end of a pseudo-terminal
    // gone) makes QSerialPort report resource or read errors over and over
    // while the port still counts as open: close once, from the event loop,
    // and tell once.
    const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!lost || m_lost || !m_port.isOpen())
        return;
    m_lost = true;
    const QString message = QStringLiteral("Se perdió la conexión con el puerto %1").arg(settings().portName);
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            if (m_port.isOpen())
                close();
            emit deviceLost(message);
        },
        Qt::QueuedConnection);
}
