#pragma once
// Process-wide number and date format settings, and the small formatters the
// application uses instead of QLocale (whose grouping and patterns differ).

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

struct FormatSettings {
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandSeparator = QLatin1Char(',');
    QString longTimeFormat = QStringLiteral("hh:mm:ss");
    QString shortDateFormat = QStringLiteral("dd/mm/yyyy");
    // Taken from the system's regional settings; the main window never changes them.
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
};

FormatSettings &formatSettings();

// Reads the regional date and time separators of the system locale.
void loadRegionalSeparators();

// The values the main window sets on every activation.
void applyApplicationFormats();

// Picture patterns such as "##00", "##0" or "##0.0": '0' a digit always
// written, '#' a digit written when significant, '.' the decimal separator.
QString formatPicture(double value, QStringView pattern);

// Shortest decimal form with up to 15 significant digits, the decimal
// separator of the settings, no grouping.
QString formatGeneral(double value);

// Time and date in the long time and short date formats: "hh" hours,
// "mm"/"nn" minutes after hours, "ss" seconds, "dd" day, "mm" month,
// "yyyy"/"yy" year; ':' and '/' stand for the regional separators.
QString formatTime(const QTime &time);
QString formatDate(const QDate &date);
