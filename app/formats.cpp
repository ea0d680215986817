#include "app/formats.h"

#include <QLocale>

#include <cmath>
#include <cstdio>

FormatSettings &formatSettings()
{
    static FormatSettings settings;
    return settings;
}

static QChar firstSeparator(const QString &format, QChar fallback)
{
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (!quoted && !c.isLetter() && !c.isSpace())
            return c;
    }
    return fallback;
}

void loadRegionalSeparators()
{
    const QLocale locale = QLocale::system();
    FormatSettings &s = formatSettings();
    s.dateSeparator = firstSeparator(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    s.timeSeparator = firstSeparator(locale.timeFormat(QLocale::LongFormat), QLatin1Char(':'));
}

void applyApplicationFormats()
{
    FormatSettings &s = formatSettings();
    s.decimalSeparator = QLatin1Char(',');
    s.thousandSeparator = QLatin1Char('.');
    s.longTimeFormat = QStringLiteral("hh:mm:ss");
    s.shortDateFormat = QStringLiteral("dd/mm/yyyy");
}

QString formatPicture(double value, QStringView pattern)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView intPart = point < 0 ? pattern : pattern.left(point);
    const QStringView fracPart = point < 0 ? QStringView() : pattern.mid(point + 1);
    const int minIntDigits = int(intPart.count(QLatin1Char('0')));
    const int decimals = int(fracPart.count(QLatin1Char('0')) + fracPart.count(QLatin1Char('#')));
    const int minDecimals = int(fracPart.count(QLatin1Char('0')));

    // Half away from zero, like the picture formatting users know.
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(std::fabs(value) * scale) / scale;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded);
    QString digits = QString::fromLatin1(buf);
    QString whole = digits.section(QLatin1Char('.'), 0, 0);
    QString frac = decimals > 0 ? digits.section(QLatin1Char('.'), 1, 1) : QString();
    while (frac.size() > minDecimals && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    if (whole == QLatin1String("0") && minIntDigits == 0)
        whole.clear();
    while (whole.size() < minIntDigits)
        whole.prepend(QLatin1Char('0'));

    QString out;
    const bool negative = value < 0 && (rounded != 0.0);
    if (negative)
        out += QLatin1Char('-');
    out += whole;
    if (!frac.isEmpty()) {
        out += formatSettings().decimalSeparator;
        out += frac;
    }
    return out;
}

QString formatGeneral(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    QString out = QString::fromLatin1(buf);
    out.replace(QLatin1Char('.'), formatSettings().decimalSeparator);
    return out;
}

namespace {
// Expands a format of letter fields; `placeholder` stands for the regional separator.
template <typename Field>
QString expand(const QString &format, QChar placeholder, QChar separator, Field field)
{
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == placeholder) {
            out += separator;
            ++i;
            continue;
        }
        if (c.isLetter()) {
            qsizetype j = i;
            while (j < format.size() && format.at(j).toLower() == c.toLower())
                ++j;
            out += field(c.toLower(), int(j - i));
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
} // namespace

QString formatTime(const QTime &time)
{
    const FormatSettings &s = formatSettings();
    return expand(s.longTimeFormat, QLatin1Char(':'), s.timeSeparator,
                  [&](QChar f, int len) -> QString {
                      if (f == QLatin1Char('h'))
                          return len >= 2 ? twoDigits(time.hour()) : QString::number(time.hour());
                      if (f == QLatin1Char('m') || f == QLatin1Char('n'))
                          return len >= 2 ? twoDigits(time.minute()) : QString::number(time.minute());
                      if (f == QLatin1Char('s'))
                          return len >= 2 ? twoDigits(time.second()) : QString::number(time.second());
                      return QString(len, f);
                  });
}

QString formatDate(const QDate &date)
{
    const FormatSettings &s = formatSettings();
    return expand(s.shortDateFormat, QLatin1Char('/'), s.dateSeparator,
                  [&](QChar f, int len) -> QString {
                      if (f == QLatin1Char('d'))
                          return len >= 2 ? twoDigits(date.day()) : QString::number(date.day());
                      if (f == QLatin1Char('m'))
                          return len >= 2 ? twoDigits(date.month()) : QString::number(date.month());
                      if (f == QLatin1Char('y'))
                          return len >= 4 ? QString::number(date.year()).rightJustified(4, QLatin1Char('0'))
                                          : twoDigits(date.year() % 100);
                      return QString(len, f);
                  });
}
