#include "chart/chartwindow.h"

#include "widgets/placement.h"

TForm6::TForm6(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("GRAFICO DE LOS VALORES DESCARGADOS"));
    resize(722, 492);
    centreOnDesktop(this);
}
