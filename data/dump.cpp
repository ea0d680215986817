#include "data/dump.h"

#include "app/errors.h"
#include "app/formats.h"

#include <cstdio>

namespace {
// The digit at position pos (from 1); a line too short raises the same error.
int digitAt(const QString &line, int pos)
{
    if (pos > line.size())
        throw AppError(QStringLiteral("'' is not a valid integer value"));
    return digitValue(line.at(pos - 1));
}

int twoDigits(const QString &line, int pos)
{
    const int tens = digitAt(line, pos);
    return 10 * tens + digitAt(line, pos + 1);
}
} // namespace

DumpHeader decodeDumpHeader(const QString &line)
{
    DumpHeader h;
    h.year = twoDigits(line, 2);
    h.month = twoDigits(line, 5);
    h.day = twoDigits(line, 8);
    h.second = twoDigits(line, 11);
    h.minute = twoDigits(line, 14);
    h.hour = twoDigits(line, 17);
    h.rateCode = digitAt(line, 21);
    return h;
}

std::array<int, 16> decodeDumpRecord(const QString &line)
{
    std::array<int, 16> readings{};
    for (int k = 1; k <= 16; ++k) {
        const int p = 6 * k - 5;
        int digits[6];
        for (int i = 0; i < 6; ++i)
            digits[i] = digitAt(line, p + i);
        const int high = 100 * digits[0] + 10 * digits[1] + digits[2];
        const int low = 100 * digits[3] + 10 * digits[4] + digits[5];
        readings[size_t(k - 1)] = high * 256 + low;
    }
    return readings;
}

QString readingText(int reading)
{
    if (reading < 10000)
        return QString::number(reading);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3E", double(reading)); // e.g. 6.554E+04
    QString text = QString::fromLatin1(buf);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    const int exponent = text.mid(e + 1).toInt();
    QString mantissa = text.left(e);
    while (mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);
    if (mantissa.endsWith(QLatin1Char('.')))
        mantissa.chop(1);
    mantissa.replace(QLatin1Char('.'), formatSettings().decimalSeparator);
    return mantissa + QLatin1Char('E') + QString::number(exponent);
}
