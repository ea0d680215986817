#pragma once
// The faces the windows ask for, with their metric-compatible stand-ins.

#include <QFont>

// Arial (Liberation Sans where Arial is missing) at a pixel height.
QFont arialFont(int pixels, bool bold = false, bool italic = false);
// The original's "System" face: a bold sans serif of the same height.
QFont systemFont(int pixels, bool bold = true);
// MS Sans Serif: a plain sans serif of the same height.
QFont sansSerifFont(int pixels, bool bold = false);
