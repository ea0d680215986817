#include "app/errors.h"

#include <QApplication>
#include <QMessageBox>

AppError::AppError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

int digitValue(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(c));
}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

static void showErrorBox(const QString &message)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), errorBoxText(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

static ErrorSink &sink()
{
    static ErrorSink s = showErrorBox;
    return s;
}

void setErrorSink(ErrorSink s)
{
    sink() = std::move(s);
}

void resetErrorSink()
{
    sink() = showErrorBox;
}

void reportError(const QString &message)
{
    sink()(message);
}

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const AppError &e) {
        reportError(e.message());
    } catch (const std::exception &e) {
        reportError(QString::fromLocal8Bit(e.what()));
    }
}
