#include "data/timestamps.h"

void MonthLookup::VERIFICAR()
{
    switch (MES) {
    case 2:
        DIASMES = ANIO % 4 == 0 ? 29 : 28;
        break;
    case 4:
    case 6:
    case 9:
    case 11:
        DIASMES = 30;
        break;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        DIASMES = 31;
        break;
    default:
        break; // keeps the last value
    }
}

namespace {
struct RateRow {
    int code;
    int minutes;
    const char *text;
};
const RateRow kRates[] = {
    {1, 1, "CADA 1 MINUTO"},   {2, 5, "CADA 5 MINUTOS"},   {3, 10, "CADA 10 MINUTOS"},
    {4, 15, "CADA 15 MINUTOS"}, {5, 30, "CADA 30 MINUTOS"}, {6, 60, "CADA 60 MINUTOS"},
};
} // namespace

QString rateText(int rateCode)
{
    for (const RateRow &r : kRates) {
        if (r.code == rateCode)
            return QLatin1String(r.text);
    }
    return QString();
}

int intervalOfRateText(const QString &text)
{
    for (const RateRow &r : kRates) {
        if (text == QLatin1String(r.text))
            return r.minutes;
    }
    return 0;
}

QString twoDigitText(int value)
{
    return value < 10 ? QLatin1Char('0') + QString::number(value) : QString::number(value);
}

QString fourDigitYearText(int year)
{
    return (year < 10 ? QStringLiteral("200") : QStringLiteral("20")) + QString::number(year);
}

QString dateText(int day, int month, int year)
{
    return twoDigitText(day) + QLatin1Char('/') + twoDigitText(month) + QLatin1Char('/') + fourDigitYearText(year);
}

QString timeText(int hour, int minute, int second)
{
    return twoDigitText(hour) + QLatin1Char(':') + twoDigitText(minute) + QLatin1Char(':') + twoDigitText(second);
}

QList<Stamp> generateStamps(const StartValues &start, int intervalMinutes, int rows, MonthLookup &lookup)
{
    int y = start.year, mo = start.month, d = start.day, h = start.hour, mi = start.minute;
    const int s = start.second;
    const bool foldsPast60 = intervalMinutes != 1;
    // Every carry tests for one exact value, as the logger software did.
    auto carry = [&] {
        if (h == 24) {
            h = 0;
            ++d;
        }
        lookup.MES = mo;
        lookup.ANIO = y;
        lookup.VERIFICAR();
        if (d == lookup.DIASMES + 1) {
            d = 1;
            ++mo;
        }
        if (mo == 13) {
            mo = 1;
            ++y;
        }
    };
    QList<Stamp> stamps;
    stamps.reserve(qMax(0, rows));
    for (int r = 1; r <= rows; ++r) {
        mi += intervalMinutes;
        if (mi == 60) {
            mi = 0;
            ++h;
        }
        carry();
        if (foldsPast60) {
            if (mi > 60) {
                mi -= 60;
                ++h;
            }
            carry();
        }
        stamps.append({dateText(d, mo, y), timeText(h, mi, s)});
    }
    return stamps;
}
