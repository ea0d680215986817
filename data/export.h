#pragma once
// The export file: heading line, empty line, one line per data row with the
// cells of columns 1 to 18 (current order) each followed by two blanks; CR LF
// line ends, one byte per character.

#include <QByteArray>
#include <QString>

class StringGrid;

// "FECHA       " " HORA     " "CH1   ".."CH9   " "CH10   " "CH11  ".."CH16  ": 119 characters.
QByteArray exportHeading();
QByteArray exportText(const StringGrid &grid, int dataRows);

// Writes through a temporary file that replaces `path` only once all was
// written: the old file survives any failure. Throws AppError with the
// input/output message.
void writeFileReplacing(const QString &path, const QByteArray &bytes);
