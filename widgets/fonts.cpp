#include "widgets/fonts.h"

#include <QStringList>

QFont arialFont(int pixels, bool bold, bool italic)
{
    QFont f(QStringLiteral("Arial"));
    f.setFamilies(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QFont systemFont(int pixels, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont sansSerifFont(int pixels, bool bold)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setFamilies(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
