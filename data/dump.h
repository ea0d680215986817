#pragma once
// The download dump: header line and record lines, decoded with the strict
// digit conversion ("'%s' is not a valid integer value").

#include <QString>

#include <array>

struct DumpHeader {
    int year = 0; // two-digit field
    int month = 0;
    int day = 0;
    int second = 0;
    int minute = 0;
    int hour = 0;
    int rateCode = 0;
};

// Positions (from 1) 2-3 year, 5-6 month, 8-9 day, 11-12 second, 14-15 minute,
// 17-18 hour, 21 rate code; every one is read before anything is returned.
DumpHeader decodeDumpHeader(const QString &line);

// Sixteen six-digit groups at positions 1-96: high = abc, low = def,
// reading = 256 * high + low.
std::array<int, 16> decodeDumpRecord(const QString &line);

// A reading as the grid shows it: plain decimal, or exponent form with four
// significant digits from 10000 on.
QString readingText(int reading);
