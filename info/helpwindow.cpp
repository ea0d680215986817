#include "info/helpwindow.h"

TForm3::TForm3(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Ayuda soble el uso del programa"));
}
