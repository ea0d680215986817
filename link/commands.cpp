#include "link/commands.h"

#include "app/errors.h"
#include "app/formats.h"
#include "app/mainwindow.h"
#include "link/serialport.h"

namespace command {

QByteArray rate(int item)
{
    static const char *const bytes[] = {"5", "6", "7"};
    return (item >= 0 && item < 3) ? QByteArray(bytes[item]) : QByteArray();
}

QByteArray clockDigits(const QString &timeText, const QString &dateText)
{
    const QString text = timeText + dateText;
    static const int positions[] = {1, 2, 4, 5, 7, 8, 9, 10, 12, 13, 17, 18};
    QByteArray digits;
    for (int pos : positions) {
        const QChar c = pos <= text.size() ? text.at(pos - 1) : QChar();
        digits += QByteArray::number(digitValue(c));
    }
    return digits;
}

} // namespace command

void TForm1::HORAAPIC()
{
    Edit2.clear();
    ComPort1->writeText(command::clockSetting);
    // One reading of the PC clock for both, so midnight cannot split them.
    const QDateTime now = clock();
    const QByteArray digits = command::clockDigits(formatTime(now.time()), formatDate(now.date()));
    for (char d : digits)
        ComPort1->writeText(QByteArray(1, d));
}
