#pragma once
// Everything the application sends to the logger.

#include <QByteArray>
#include <QString>

namespace command {
inline const QByteArray normalDownload = QByteArrayLiteral("8");
inline const QByteArray forcedDownload = QByteArrayLiteral("E");
inline const QByteArray downloadStart = QByteArrayLiteral("X");
inline const QByteArray downloadAcknowledge = QByteArrayLiteral("x");
inline const QByteArray clockSetting = QByteArrayLiteral("3");

// "5", "6" or "7" for the rate window's items 0, 1, 2 (15, 30, 60 minutes).
QByteArray rate(int item);

// The twelve digits of the clock-setting message, taken from the time in the
// long time format followed by the date in the short date format (positions
// 1, 2, 4, 5, 7, 8, 9, 10, 12, 13, 17, 18 counting from 1). Any separator of
// one character works; a non-digit there raises the conversion error.
QByteArray clockDigits(const QString &timeText, const QString &dateText);
} // namespace command
