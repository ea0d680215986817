#pragma once
// Sample time stamps: the logger's start time stepped forward by the sampling
// interval once per row, with the logger software's own calendar carries.

#include <QString>
#include <QStringList>

struct StartValues {
    int year = 0; // two-digit field, 0 to 99 (more only by carrying)
    int month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The data window's calendar variables; DIASMES keeps its value between calls.
struct MonthLookup {
    int MES = 0;
    int ANIO = 0;
    int DIASMES = 0;
    // Days of month MES of year ANIO; any other month keeps DIASMES.
    void VERIFICAR();
};

// "CADA 1 MINUTO" ... "CADA 60 MINUTOS" for rate codes 1 to 6, else empty.
QString rateText(int rateCode);
// Interval in minutes named by a rate text, 0 when the text names none.
int intervalOfRateText(const QString &text);

// "05", "12", "100": a "0" in front below 10.
QString twoDigitText(int value);
// "2005", "2010": "200" or "20" in front of the two-digit year.
QString fourDigitYearText(int year);
QString dateText(int day, int month, int year);
QString timeText(int hour, int minute, int second);

struct Stamp {
    QString date;
    QString time;
};

// Date and time of rows 1 to `rows` for an interval of N minutes. With N = 1
// a minute past 60 is never folded back (steps 6 and 7 of the longer
// intervals are absent there).
QList<Stamp> generateStamps(const StartValues &start, int intervalMinutes, int rows, MonthLookup &lookup);
