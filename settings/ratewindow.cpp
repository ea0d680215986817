#include "settings/ratewindow.h"

#include "widgets/placement.h"

#include "app/errors.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "link/commands.h"
#include "link/serialport.h"
#include "widgets/fonts.h"
#include "widgets/instrumentmath.h"
#include "widgets/radiogroup.h"
#include "widgets/rockerswitch.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

TForm7::TForm7(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Cambio de tasa de muestreo"));
    setFixedSize(254, 171);
    setFont(sansSerifFont(11));
    QPalette p = palette();
    p.setColor(QPalette::Window, palette::moneyGreen());
    setPalette(p);
    setAutoFillBackground(true);

    Label1 = new QLabel(QStringLiteral("Seleccione la tasa deseada"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arialFont(13, true));
    Label1->adjustSize();
    Label1->move(39, 6);

    RadioGroup1 = new RadioGroup(
        {QStringLiteral("15 MINUTOS"), QStringLiteral("30 MINUTOS"), QStringLiteral("60 MINUTOS")}, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(69, 27, 116, 105);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(90, 138, 75, 25);

    setTabOrder(RadioGroup1->item(0), BitBtn1);
    connect(RadioGroup1, &RadioGroup::itemChanged, this,
            [this] { runGuarded([this] { RadioGroup1Click(RadioGroup1); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { runGuarded([this] { BitBtn1Click(BitBtn1); }); });
    centreOnDesktop(this);
}

void TForm7::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    runGuarded([this] { FormActivate(this); });
}

void TForm7::FormActivate(QObject *)
{
    RadioGroup1->setItemIndex(-1);
}

void TForm7::RadioGroup1Click(QObject *)
{
    const int item = RadioGroup1->itemIndex();
    if (item < 0 || !Form1->AbRockerSwitch1->isOn())
        return;
    Form1->ComPort1->writeText(command::rate(item));
}

void TForm7::BitBtn1Click(QObject *)
{
    accept();
}
