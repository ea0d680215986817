// The main window's receive event: live frames into the display, or the
// download step while a download runs.

#include "app/formats.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "link/liveframe.h"
#include "link/serialport.h"
#include "live/thermometerwindow.h"
#include "widgets/barthermometer.h"
#include "widgets/dialmeter.h"
#include "widgets/lamp.h"
#include "widgets/piegauge.h"
#include "widgets/radiogroup.h"
#include "widgets/valueindicator.h"

#include <QLineEdit>

void TForm1::ComPort1RxChar(QObject *, int Count)
{
    AbLED1->setLit(true);
    if (MODODESCARGA == 1) {
        Gauge1->show();
        DESCARGAR(Count);
    } else {
        Gauge1->hide();
        // 105 characters stay: the buffer is only dropped once clearly out of step.
        if (Edit2.size() > kLiveFrameLength + 1)
            Edit2.clear();
        Edit2 += QString::fromLatin1(ComPort1->read(Count));
        if (Edit2.size() == kLiveFrameLength) {
            // An abandoned frame keeps the buffer and skips the clock-transfer timer.
            if (!showLiveFrame(Edit2))
                return;
            Edit2.clear();
        }
    }
    if (PONERENHORA == 1 && !Timer3->isActive())
        Timer3->start();
}

bool TForm1::showLiveFrame(const QString &frame)
{
    AbLED1->setLit(false);
    Edit3->clear();
    Edit4->clear();
    const LiveFrame f = decodeLiveFrame(frame);
    if (!f.channelsValid())
        return false;
    for (int k = 1; k <= kChannelCount; ++k) {
        const double value = f.channels[size_t(k - 1)];
        channelIndicator(k)->setValue(value);
        if (Form4)
            Form4->thermometerOfChannel(k)->setValue(value);
    }
    if (!f.complete())
        return false;

    Edit1->setText(formatGeneral(f.memoryPositionsUsed()));
    Edit1->setCursorPosition(0);
    Edit4->setText(f.dateText());
    Edit3->setText(f.timeText());

    AbDB120Meter1->setValue(f.batteryLevel());
    if (AbDB120Meter1->value() > 100)
        AbDB120Meter1->setValue(100);
    AbDB120Meter1->setCaption(batteryCaption(AbDB120Meter1->value(), AbDB120Meter1->caption()));

    const int item = rateGroupItem(f.rateCode);
    if (item >= 0)
        RadioGroup1->setItemIndex(item);
    return true;
}
