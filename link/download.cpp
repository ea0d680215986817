// Download transfer: request, restart at Timer2's tick, and one receive step.

#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "data/datawindow.h"
#include "link/commands.h"
#include "link/serialport.h"
#include "widgets/colourbutton.h"
#include "widgets/piegauge.h"
#include "widgets/rockerswitch.h"

#include <QCheckBox>

void TForm1::AbColBitBtn4Click(QObject *)
{
    Gauge1->show();
    if (DATOSDESCARGADOS == 1) {
        Form5->exec();
        return;
    }
    RichEdit1.clear();
    if (!AbRockerSwitch1->isOn())
        return;
    setCursor(Qt::WaitCursor);
    Timer2->start();
    ComPort1->discardInput();
    RichEdit1.clear();
    ComPort1->writeText(CheckBox1->isChecked() ? command::forcedDownload : command::normalDownload);
    MODODESCARGA = 1;
    // The logger needs this second before the start command; nothing else runs meanwhile.
    pause(1000);
    ComPort1->writeText(command::downloadStart);
}

void TForm1::Timer2Timer(QObject *)
{
    // Stopped first, so a failure on a closed port is shown once and not at every tick.
    Timer2->stop();
    ComPort1->discardInput();
    RichEdit1.clear();
    MODODESCARGA = 1;
    ComPort1->discardInput();
    RichEdit1.clear();
}

void TForm1::DESCARGAR(int Count)
{
    const QString chunk = QString::fromLatin1(ComPort1->read(Count));
    RichEdit1 += chunk;
    // Only the end marker alone ends the transfer; with other bytes it is data.
    if (chunk != QLatin1String("A")) {
        Gauge1->step();
        return;
    }
    ComPort1->writeText(command::downloadAcknowledge);
    MODODESCARGA = 0;
    Gauge1->hide();
    setCursor(Qt::ArrowCursor);
    AbColBitBtn4->setCaptions(QStringLiteral("              VER DATOS"), QStringLiteral("                VER DATOS"));
    DATOSDESCARGADOS = 1;
    Form5->exec();
}
