// Connecting and disconnecting with the rocker switch.

#include "app/errors.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "link/serialport.h"
#include "widgets/colourbutton.h"
#include "widgets/rockerswitch.h"

#include <QLineEdit>

void TForm1::AbRockerSwitch1Click(QObject *)
{
    Edit4->clear();
    Edit3->clear();
    MODODESCARGA = 0;
    if (ComPort1->isOpen()) {
        ComPort1->setRts(false);
        ComPort1->close();
        showDisconnected();
        return;
    }
    ComPort1->setRts(true);
    try {
        ComPort1->open();
    } catch (...) {
        // Left on, the switch would let the download and the rate change try
        // the closed port.
        AbRockerSwitch1->setOn(false);
        throw;
    }
    AbRockerSwitch1->setCaption(QStringLiteral("DESCONECTAR"));
    AbRockerSwitch1->setOn(true);
    AbColBitBtn7->setOn(true);
    AbColBitBtn1->setOn(true);
    Edit2.clear();
}

void TForm1::AbRockerSwitch1MouseUp(QObject *)
{
    setCursor(Qt::ArrowCursor);
}

void TForm1::onDeviceLost(const QString &message)
{
    // The port is already closed: show what a disconnect shows, and say why once.
    Edit4->clear();
    Edit3->clear();
    MODODESCARGA = 0;
    ComPort1->setRts(false);
    showDisconnected();
    reportError(message);
}
