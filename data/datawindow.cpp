#include "data/datawindow.h"

TForm5::TForm5(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("DATOS DESCARGADOS"));
    resize(691, 395);
}
