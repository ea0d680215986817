// The main window shell: start-up state, activation, connect and disconnect
// through the fake port, failed open, a vanished device, closing.

#include "appfixture.h"
#include "link/portsetupdialog.h"
#include "live/thermometerwindow.h"
#include "settings/clockwindow.h"
#include "settings/ratewindow.h"
#include "widgets/colourbutton.h"
#include "widgets/dialmeter.h"
#include "widgets/lamp.h"
#include "widgets/piegauge.h"
#include "widgets/radiogroup.h"
#include "widgets/rockerswitch.h"
#include "widgets/valueindicator.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
// Answers the next modal dialog from inside its own event loop.
void answerNextModal(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget *w = QApplication::activeModalWidget();
        if (w)
            answer(w);
    });
}

bool connectedShown()
{
    return Form1->AbRockerSwitch1->isOn() && Form1->AbRockerSwitch1->caption() == QLatin1String("DESCONECTAR")
           && Form1->AbColBitBtn7->isOn() && Form1->AbColBitBtn1->isOn();
}

bool disconnectedShown()
{
    return !Form1->AbRockerSwitch1->isOn() && Form1->AbRockerSwitch1->caption() == QLatin1String("CONECTAR")
           && !Form1->AbColBitBtn7->isOn() && !Form1->AbColBitBtn1->isOn();
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    AppFixture app;

private slots:
    void init() { app.setUp(); }
    void cleanup() { app.tearDown(); }

    void startsDisconnectedWithInitialContents()
    {
        QCOMPARE(Form1->windowTitle(), QStringLiteral("QUIRANTE  V 1.0 -- 16 CH  DE TEMPERATURA PARA TERMOCUPLAS"));
        QCOMPARE(Form1->size(), QSize(543, 467));
        QVERIFY(disconnectedShown());
        for (int n = 1; n <= 16; ++n) {
            auto *v = Form1->findChild<ValueIndicator *>(QStringLiteral("AbValueInd%1").arg(n));
            QVERIFY(v);
            QCOMPARE(v->valueText(), QStringLiteral("50"));
            QCOMPARE(v->unit(), QStringLiteral("mV"));
        }
        QCOMPARE(Form1->AbDB120Meter1->valueText(), QStringLiteral("50,0"));
        QCOMPARE(Form1->AbDB120Meter1->caption(), QStringLiteral("Nivel de batería"));
        QCOMPARE(Form1->RadioGroup1->itemIndex(), -1);
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("0000"));
        QCOMPARE(Form1->Edit4->text(), QStringLiteral("DD/MM/AAAA"));
        QCOMPARE(Form1->Edit3->text(), QStringLiteral("HH:MM:SS"));
        QVERIFY(!Form1->AbLED1->isLit());
        QVERIFY(!Form1->Timer2->isActive());
        QVERIFY(!Form1->Timer3->isActive());
        QCOMPARE(Form1->Timer2->interval(), 450);
        QCOMPARE(Form1->Timer3->interval(), 100);
        QCOMPARE(app.port->settings().portName, PortSettings::defaultPortName());
        QCOMPARE(app.port->settings().baudRate, 19200);
    }

    void controlsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("AbColBitBtn1") << "AbColBitBtn1" << QRect(56, 5, 166, 33);
        QTest::newRow("Edit4") << "Edit4" << QRect(18, 43, 91, 24);
        QTest::newRow("AbLED1") << "AbLED1" << QRect(126, 38, 28, 34);
        QTest::newRow("Edit3") << "Edit3" << QRect(168, 44, 91, 24);
        QTest::newRow("AbColBitBtn7") << "AbColBitBtn7" << QRect(65, 73, 151, 24);
        QTest::newRow("CANAL 2 at 71") << "AbValueInd2" << QRect(71, 103, 72, 34);
        QTest::newRow("CANAL 6 at 73") << "AbValueInd4" << QRect(73, 144, 72, 34);
        QTest::newRow("CANAL 16") << "AbValueInd16" << QRect(211, 226, 72, 34);
        QTest::newRow("AbColBitBtn8") << "AbColBitBtn8" << QRect(4, 264, 133, 25);
        QTest::newRow("RadioGroup1") << "RadioGroup1" << QRect(17, 296, 103, 87);
        QTest::newRow("AbDB120Meter1") << "AbDB120Meter1" << QRect(148, 292, 129, 105);
        QTest::newRow("AbColBitBtn3") << "AbColBitBtn3" << QRect(7, 401, 130, 33);
        QTest::newRow("Edit1") << "Edit1" << QRect(157, 422, 37, 24);
        QTest::newRow("AbColBitBtn4") << "AbColBitBtn4" << QRect(300, 5, 166, 33);
        QTest::newRow("Gauge1") << "Gauge1" << QRect(470, 6, 31, 28);
        QTest::newRow("CheckBox1") << "CheckBox1" << QRect(306, 48, 157, 17);
        QTest::newRow("AbColBitBtn2") << "AbColBitBtn2" << QRect(304, 78, 166, 33);
        QTest::newRow("AbClock2") << "AbClock2" << QRect(342, 137, 101, 28);
        QTest::newRow("AbClock1") << "AbClock1" << QRect(342, 195, 101, 28);
        QTest::newRow("AbRockerSwitch1") << "AbRockerSwitch1" << QRect(348, 241, 91, 85);
        QTest::newRow("AbColBitBtn6") << "AbColBitBtn6" << QRect(331, 357, 130, 33);
        QTest::newRow("AbColBitBtn5") << "AbColBitBtn5" << QRect(308, 412, 177, 33);
        QTest::newRow("Splitter1") << "Splitter1" << QRect(284, 3, 7, 450);
    }
    void controlsStandWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto *w = Form1->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), geometry);
    }

    void windowsAreCreatedOnceWithTheirCaptions()
    {
        QCOMPARE(Form4->windowTitle(), QString());
        QCOMPARE(Form7->windowTitle(), QStringLiteral("Cambio de tasa de muestreo"));
        QCOMPARE(Form8->windowTitle(), QStringLiteral("PUESTA EN HORA DEL LOGGER"));
        for (QWidget *w : QList<QWidget *>{Form1, Form4, Form7, Form8})
            QVERIFY(!w->isVisible());
    }

    void connectRaisesRtsOpensAndShowsConnected()
    {
        Form1->Edit2 = QStringLiteral("123");
        Form1->Edit3->setText(QStringLiteral("x"));
        MODODESCARGA = 1;
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QVERIFY(app.port->isOpen());
        QCOMPARE(app.port->log, QStringList({"open", "rts 1"}));
        QVERIFY(connectedShown());
        QCOMPARE(Form1->Edit2, QString());
        QCOMPARE(Form1->Edit3->text(), QString());
        QCOMPARE(Form1->Edit4->text(), QString());
        QCOMPARE(MODODESCARGA, quint8(0));
        QVERIFY(app.port->written.isEmpty());
    }

    void disconnectDropsRtsBeforeClosing()
    {
        app.connectLogger();
        app.port->log.clear();
        Form1->Edit2 = QStringLiteral("123");
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QCOMPARE(app.port->log, QStringList({"rts 0", "close"}));
        QVERIFY(disconnectedShown());
        QCOMPARE(Form1->Edit3->text(), QString());
        QCOMPARE(Form1->Edit2, QStringLiteral("123"));
        QVERIFY(app.port->written.isEmpty());
    }

    void failedOpenShowsErrorAndLeavesSwitchOff()
    {
        app.port->setOpenError(QStringLiteral("Unable to open com port (error code: 2): No such file or directory"));
        Form1->Edit2 = QStringLiteral("123");
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QCOMPARE(app.errors,
                 QStringList{QStringLiteral("Unable to open com port (error code: 2): No such file or directory")});
        QVERIFY(!app.port->isOpen());
        QVERIFY(disconnectedShown());
        QCOMPARE(Form1->Edit2, QStringLiteral("123"));
        QCOMPARE(Form1->Edit3->text(), QString());
        // RTS stays asked for and applies at the next open.
        QVERIFY(app.port->rts());
        app.port->setOpenError(QString());
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QVERIFY(connectedShown());
    }

    void vanishedDeviceGivesOneErrorAndDisconnectedState()
    {
        app.connectLogger();
        MODODESCARGA = 1;
        app.port->loseDevice();
        QCOMPARE(app.errors.size(), 1);
        QVERIFY(app.errors.first().startsWith(QStringLiteral("Se perdió la conexión")));
        QVERIFY(disconnectedShown());
        QCOMPARE(MODODESCARGA, quint8(0));
        // A click connects again.
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QVERIFY(connectedShown());
    }

    void switchReleaseRestoresArrowPointer()
    {
        Form1->setCursor(Qt::WaitCursor);
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QCOMPARE(Form1->cursor().shape(), Qt::ArrowCursor);
    }

    void activationSetsFormatsEndsDownloadAndHidesPie()
    {
        formatSettings().decimalSeparator = QLatin1Char('.');
        MODODESCARGA = 1;
        Form1->Gauge1->show();
        Form1->FormActivate(Form1);
        QCOMPARE(formatSettings().decimalSeparator, QLatin1Char(','));
        QCOMPARE(formatSettings().thousandSeparator, QLatin1Char('.'));
        QCOMPARE(formatSettings().longTimeFormat, QStringLiteral("hh:mm:ss"));
        QCOMPARE(formatSettings().shortDateFormat, QStringLiteral("dd/mm/yyyy"));
        QCOMPARE(MODODESCARGA, quint8(0));
        QVERIFY(Form1->Gauge1->isHidden());
    }

    void setupDialogOkAppliesCancelKeeps()
    {
        PUERTOCONFIGURADO = 0;
        answerNextModal([](QWidget *w) {
            auto *d = qobject_cast<PortSetupDialog *>(w);
            QVERIFY(d);
            d->reject();
        });
        Form1->FormActivate(Form1);
        QCOMPARE(app.port->settings().portName, PortSettings::defaultPortName());

        answerNextModal([](QWidget *w) {
            auto *d = qobject_cast<PortSetupDialog *>(w);
            QVERIFY(d);
            d->port->setCurrentText(QStringLiteral("/dev/ttyUSB7"));
            d->speed->setCurrentIndex(d->speed->findData(9600));
            d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        Form1->FormActivate(Form1);
        QCOMPARE(app.port->settings().portName, QStringLiteral("/dev/ttyUSB7"));
        QCOMPARE(app.port->settings().baudRate, 9600);
        QVERIFY(!app.port->isOpen());
    }

    void setupDialogOpensOnlyWhileNotConfigured()
    {
        PUERTOCONFIGURADO = 1;
        bool opened = false;
        answerNextModal([&opened](QWidget *w) {
            opened = true;
            w->close();
        });
        Form1->FormActivate(Form1);
        QCoreApplication::processEvents();
        QVERIFY(!opened);
    }

    void activationRunsOnFirstShowAndAfterNonModalWindows()
    {
        PUERTOCONFIGURADO = 1;
        int runs = 0;
        MODODESCARGA = 1;
        auto activate = [&](QWidget *w) {
            MODODESCARGA = 1;
            QApplication::setActiveWindow(w);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            if (MODODESCARGA == 0)
                ++runs;
        };
        // The first showing counts as the first activation.
        Form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        QCoreApplication::processEvents();
        QCOMPARE(MODODESCARGA, quint8(0));
        runs = 1;
        // Back from another program: the same window was the last active one.
        activate(Form1);
        QCOMPARE(runs, 1);
        // Back from the clock window.
        Form8->show();
        activate(Form8);
        activate(Form1);
        QCOMPARE(runs, 2);
        Form8->hide();
        Form1->hide();
    }

    void closingDropsRtsClosesAndShowsDisconnected()
    {
        app.connectLogger();
        app.port->log.clear();
        Form1->FormClose(Form1);
        QCOMPARE(app.port->log, QStringList({"rts 0", "close"}));
        QVERIFY(disconnectedShown());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
