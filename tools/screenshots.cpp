// Writes a PNG of every window, offscreen: before any frame and after one
// live frame (the one given, or one from the simulated logger's model).
//   virdelo-screenshots [OUTPUT_DIR [FRAME]]
// FRAME is the live status frame's 103 digits (position 103, the CR, is added).

#include "app/formats.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "chart/chartwindow.h"
#include "data/datawindow.h"
#include "info/aboutwindow.h"
#include "info/helpwindow.h"
#include "link/fakeserialport.h"
#include "live/thermometerwindow.h"
#include "settings/clockwindow.h"
#include "settings/ratewindow.h"
#include "sim/loggermodel.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

static void save(QWidget *w, const QString &dir, const QString &name)
{
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    w->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(dir);

    applyApplicationFormats();
    auto *port = new FakeSerialPort;
    createForms(port);
    PUERTOCONFIGURADO = 1;
    Form1->FormActivate(Form1); // as at start: formats set, progress pie hidden

    save(Form1, dir, QStringLiteral("main-before-frame"));
    save(Form4, dir, QStringLiteral("thermometers-before-frame"));

    Form1->AbRockerSwitch1Click(nullptr);
    LoggerModel model(QDateTime(QDate(2026, 12, 11), QTime(14, 30, 5)), 120, 4, 151);
    const QByteArray frame = argc > 2 ? QByteArray(argv[2]) + '\r' : model.liveFrame();
    port->feed(frame);
    save(Form1, dir, QStringLiteral("main-after-frame"));
    save(Form4, dir, QStringLiteral("thermometers-after-frame"));
    save(Form2, dir, QStringLiteral("about"));
    save(Form3, dir, QStringLiteral("help"));
    Form1->RichEdit1 = QString::fromLatin1(model.dump(false)) + QLatin1Char('A');
    Form5->FormActivate(Form5);
    save(Form5, dir, QStringLiteral("data"));
    save(Form6, dir, QStringLiteral("chart"));
    save(Form7, dir, QStringLiteral("rate"));
    save(Form8, dir, QStringLiteral("clock"));
    destroyForms();
    return 0;
}
