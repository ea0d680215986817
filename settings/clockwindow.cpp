#include "settings/clockwindow.h"

#include "app/errors.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "widgets/fonts.h"
#include "widgets/placement.h"
#include "widgets/rockerswitch.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

TForm8::TForm8(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("PUESTA EN HORA DEL LOGGER"));
    setFixedSize(536, 103);
    setFont(sansSerifFont(11, true));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, QColor(255, 0, 0));
    setPalette(p);
    setAutoFillBackground(true);

    Label1 = placedLabel(this, "Label1",
                  QStringLiteral("LA PUESTA EN HORA DEL LOGGER IMPLICA LA TRANSFERENCIA DE DÍA Y HORA"), 27, 6);
    Label2 = placedLabel(this, "Label2",
                  QStringLiteral("DE LA PC AL LOGGER. TAMBIEN PONE A CERO LA CANTIDAD DE MEMORIA UTILIZADA"), 15, 24);
    Label3 = placedLabel(this, "Label3",
                  QStringLiteral("ASEGÚRESE DE DESCARGAR LOS DATOS ANTES DE PROCEDER CON ESTE PUNTO"), 24, 42);

    BitBtn1 = new QPushButton(QStringLiteral("PONER EN HORA"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(45, 69, 135, 25);
    BitBtn2 = new QPushButton(QStringLiteral("REGRESAR"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(309, 69, 136, 25);
    setTabOrder(BitBtn2, BitBtn1);
    BitBtn2->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, [this] { runGuarded([this] { BitBtn1Click(BitBtn1); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { runGuarded([this] { BitBtn2Click(BitBtn2); }); });
    centreOnDesktop(this);
}

bool TForm8::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && Form1)
        Form1->otherWindowActivated();
    return QWidget::event(e);
}

void TForm8::BitBtn1Click(QObject *)
{
    if (Form1->AbRockerSwitch1->isOn())
        PONERENHORA = 1;
    PUERTOCONFIGURADO = 1;
    close();
}

void TForm8::BitBtn2Click(QObject *)
{
    close();
}

// Timer3's tick: the pending clock transfer goes out once.
void TForm1::Timer3Timer(QObject *)
{
    // Stopped before the port is touched, so a failed write is shown once.
    Timer3->stop();
    PONERENHORA = 0;
    HORAAPIC();
}
