#pragma once
// Errors raised by handlers, and the one place where they are shown.

#include <QString>

#include <functional>
#include <stdexcept>

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Strict conversion of one character to its digit value.
// Raises "'%s' is not a valid integer value" for anything but '0'..'9'.
int digitValue(QChar c);

// The text the error box shows: the message, with "." added when its last
// character sorts after ".".
QString errorBoxText(const QString &message);

// Where escaping errors go. The default shows the error box; tests replace it.
using ErrorSink = std::function<void(const QString &message)>;
void setErrorSink(ErrorSink sink);
void resetErrorSink();
void reportError(const QString &message);

// Runs a click, window or timer handler; an error escaping it is reported and
// the application goes on.
void runGuarded(const std::function<void()> &handler);

inline const QString &applicationTitle()
{
    static const QString title = QStringLiteral("VIRDELO");
    return title;
}
