#pragma once
// The maker's web address and rights notice, shown on the main window, in the
// help text and in the about window. Neutral placeholders.

#include <QString>

inline QString makerWebAddress()
{
    return QStringLiteral("www.example.com");
}

inline QString makerRightsNotice()
{
    return QStringLiteral("Todos los derechos reservados");
}
