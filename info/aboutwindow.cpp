#include "info/aboutwindow.h"

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ACERCA DE NORVALIX"));
}
