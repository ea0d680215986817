#pragma once
// The download buffer read as lines, the way its text control counted them:
// a line ends at CR LF, LF or CR, and a line that would run past 97 characters
// wraps at its last blank before that point (or at 97 when it has none). Each
// line is read without its break and at most 4096 characters of it; an empty
// last line is not counted.

#include <QString>
#include <QStringList>

constexpr int kDownloadWrapColumn = 97;
constexpr int kDownloadLineLimit = 4096;

QStringList downloadLines(const QString &buffer);
