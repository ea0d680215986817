// The real serial path: the simulated logger on a pseudo-terminal, QSerialPort,
// and the main window offscreen.

#include "app/errors.h"
#include "app/formats.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "link/portsetupdialog.h"
#include "data/datawindow.h"
#include "data/export.h"
#include "data/stringgrid.h"
#include "link/qtserialport.h"
#include "sim/loggermodel.h"
#include "simprocess.h"
#include "settings/clockwindow.h"
#include "settings/ratewindow.h"
#include "widgets/colourbutton.h"
#include "widgets/dialmeter.h"
#include "widgets/radiogroup.h"
#include "widgets/rockerswitch.h"
#include "widgets/valueindicator.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// The real port, with every write remembered.
class RecordingPort : public QtSerialPort {
public:
    QByteArray written;

protected:
    void writeDevice(const QByteArray &bytes) override
    {
        QtSerialPort::writeDevice(bytes);
        written += bytes;
    }
};

class TestEndToEnd : public QObject {
    Q_OBJECT
    SimProcess sim;
    QString device;
    QStringList errors;
    RecordingPort *port = nullptr;

    bool connectedShown() const
    {
        return Form1->AbRockerSwitch1->isOn() && Form1->AbRockerSwitch1->caption() == QLatin1String("DESCONECTAR")
               && Form1->AbColBitBtn7->isOn() && Form1->AbColBitBtn1->isOn();
    }
    bool disconnectedShown() const
    {
        return !Form1->AbRockerSwitch1->isOn() && Form1->AbRockerSwitch1->caption() == QLatin1String("CONECTAR")
               && !Form1->AbColBitBtn7->isOn() && !Form1->AbColBitBtn1->isOn();
    }

    // (Re)starts the simulator with these options added and preselects its port.
    void startSimulator(const QStringList &extra)
    {
        sim.stop();
        device = sim.start(QStringList{QStringLiteral("--fast"), QStringLiteral("--interval"), QStringLiteral("150"),
                                       QStringLiteral("--samples"), QStringLiteral("120")}
                           + extra);
        QVERIFY2(!device.isEmpty(), "the simulator did not start");
        PortSettings s = Form1->ComPort1->settings();
        s.portName = device;
        Form1->ComPort1->setSettings(s);
    }

    // Decoded frames so far: every non-empty text the time box was given.
    static int framesShown(const QSignalSpy &timeShown)
    {
        int n = 0;
        for (const auto &args : timeShown)
            n += args.at(0).toString().isEmpty() ? 0 : 1;
        return n;
    }

    void connectAndWaitForFrame()
    {
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QVERIFY(connectedShown());
        QTRY_VERIFY_WITH_TIMEOUT(!Form1->Edit3->text().isEmpty(), 10000);
    }

private slots:
    void init()
    {
        resetModuleFlags();
        errors.clear();
        setErrorSink([this](const QString &m) { errors << m; });
        port = new RecordingPort;
        createForms(port);
        startSimulator({});
    }
    void cleanup()
    {
        destroyForms();
        sim.stop();
        resetErrorSink();
    }

    void connectShowsFramesThenDisconnectRestores()
    {
        // The port setup dialog opens with the window; choose the simulator there.
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [this, &poll] {
            auto *d = qobject_cast<PortSetupDialog *>(QApplication::activeModalWidget());
            if (!d)
                return;
            poll.stop();
            d->port->setCurrentText(device);
            d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        poll.start();
        PortSettings preset = Form1->ComPort1->settings();
        preset.portName = PortSettings::defaultPortName();
        Form1->ComPort1->setSettings(preset);
        Form1->show();
        QTRY_COMPARE(Form1->ComPort1->settings().portName, device);

        QSignalSpy timeShown(Form1->Edit3, &QLineEdit::textChanged);
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QVERIFY(errors.isEmpty());
        QVERIFY(connectedShown());
        QVERIFY(Form1->ComPort1->rts());

        QTRY_VERIFY_WITH_TIMEOUT(framesShown(timeShown) >= 2, 10000);

        // What the controls show is what the logger model says for that moment.
        const QDate date = QDate::fromString(Form1->Edit4->text(), QStringLiteral("dd/MM/yyyy"));
        const QTime time = QTime::fromString(Form1->Edit3->text(), QStringLiteral("HH:mm:ss"));
        QVERIFY(date.isValid() && time.isValid());
        QVERIFY(qAbs(QDateTime(date, time).secsTo(QDateTime::currentDateTime())) < 5);
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("120"));
        QCOMPARE(Form1->AbDB120Meter1->value(), 76.5);
        QCOMPARE(Form1->AbDB120Meter1->caption(), QStringLiteral("Nivel de Batería"));
        QCOMPARE(Form1->RadioGroup1->itemIndex(), 0);
        const int shownReading = int(Form1->channelIndicator(5)->value());
        QVERIFY(shownReading != 50);
        QVERIFY(shownReading >= 0 && shownReading <= 4095);

        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QVERIFY(!Form1->ComPort1->isOpen());
        QVERIFY(!Form1->ComPort1->rts());
        QVERIFY(disconnectedShown());
        QCOMPARE(Form1->Edit3->text(), QString());
        QCOMPARE(Form1->Edit4->text(), QString());
        QVERIFY(errors.isEmpty());
        Form1->hide();
    }

    void missingPortGivesFailedOpenError()
    {
        PortSettings s = Form1->ComPort1->settings();
        s.portName = QStringLiteral("/dev/quirante-no-such-port");
        Form1->ComPort1->setSettings(s);
        const QString memory = Form1->Edit1->text();
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QCOMPARE(errors, QStringList{QStringLiteral(
                             "Unable to open com port (error code: 2): No such file or directory")});
        QVERIFY(disconnectedShown());
        QVERIFY(!Form1->ComPort1->isOpen());
        QCOMPARE(Form1->Edit1->text(), memory);
        QCOMPARE(Form1->channelIndicator(1)->value(), 50.0);
    }

    void killedSimulatorGivesOneErrorAndDisconnects()
    {
        connectAndWaitForFrame();
        sim.kill();
        QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 5000);
        QVERIFY(disconnectedShown());
        QVERIFY(!Form1->ComPort1->isOpen());
        // No storm of errors afterwards, and the window stays responsive.
        QTest::qWait(500);
        QCOMPARE(errors.size(), 1);
    }

    void clockSettingAndRateChangeReachTheLogger()
    {
        // A logger whose clock is more than a year off, with samples stored.
        startSimulator({QStringLiteral("--clock-offset"), QStringLiteral("-40000000")});
        connectAndWaitForFrame();
        const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        QVERIFY(Form1->Edit4->text() != today);
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("120"));

        Form1->AbColBitBtn2Click(nullptr);
        QTest::mouseClick(Form8->BitBtn1, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(Form1->Edit1->text(), QStringLiteral("0"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(Form1->Edit4->text(), today, 10000);
        const QTime shown = QTime::fromString(Form1->Edit3->text(), QStringLiteral("HH:mm:ss"));
        QVERIFY(qAbs(shown.secsTo(QTime::currentTime())) <= 3);

        QCOMPARE(Form1->RadioGroup1->itemIndex(), 0);
        QTimer::singleShot(0, this, [] {
            QTest::mouseClick(Form7->RadioGroup1->item(2), Qt::LeftButton);
            QTest::mouseClick(Form7->BitBtn1, Qt::LeftButton);
        });
        Form1->AbColBitBtn3Click(nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(Form1->RadioGroup1->itemIndex(), 2, 10000);
        QVERIFY(errors.isEmpty());
    }

    void downloadOfAFullMemory_data()
    {
        QTest::addColumn<bool>("forced");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("stored samples") << false << QByteArray("8");
        QTest::newRow("all positions") << true << QByteArray("E");
    }
    void downloadOfAFullMemory()
    {
        QFETCH(bool, forced);
        QFETCH(QByteArray, command);
        startSimulator({QStringLiteral("--samples"), QStringLiteral("2000")});
        connectAndWaitForFrame();
        Form1->CheckBox1->setChecked(forced);

        QTemporaryDir dir;
        const QString exportPath = dir.filePath(QStringLiteral("descarga.txt"));
        Form5->askSaveFileName = [exportPath] { return exportPath; };
        int rowsShown = -1;
        QStringList grid; // "date time r1 ... r16" per data row
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (!Form5->isVisible())
                return;
            poll.stop();
            rowsShown = Form5->StringGrid1->rowCountShown();
            for (int r = 1; r < rowsShown; ++r) {
                QStringList row;
                for (int c = 1; c <= 18; ++c)
                    row << Form5->StringGrid1->cell(c, r);
                grid << row.join(QLatin1Char(' '));
            }
            Form5->SpeedButton1Click(nullptr);
            Form5->close();
        });
        poll.start();
        port->written.clear();
        QTest::mouseClick(Form1->AbColBitBtn4, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(rowsShown >= 0, 30000);
        QCOMPARE(port->written, command + "Xx");
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        QCOMPARE(rowsShown, 2001);
        QCOMPARE(DATOSDESCARGADOS, quint8(1));

        // Every row's time is the simulator's sample time, and its readings
        // what the logger model stored for that moment.
        const QString header = Form1->RichEdit1.section(QLatin1Char('\r'), 0, 0);
        const QDateTime start(QDate(2000 + header.mid(1, 2).toInt(), header.mid(4, 2).toInt(), header.mid(7, 2).toInt()),
                              QTime(header.mid(16, 2).toInt(), header.mid(13, 2).toInt(), header.mid(10, 2).toInt()));
        QCOMPARE(header.mid(20, 1), QStringLiteral("4"));
        QByteArray expectedExport = exportHeading() + "\r\n\r\n";
        for (int r = 1; r <= 2000; ++r) {
            const QDateTime t = start.addSecs(15 * 60 * r);
            QStringList row{t.toString(QStringLiteral("dd/MM/yyyy")), t.toString(QStringLiteral("HH:mm:ss"))};
            for (int k = 1; k <= 16; ++k)
                row << QString::number(LoggerModel::reading(k, t));
            QCOMPARE(grid.at(r - 1), row.join(QLatin1Char(' ')));
            expectedExport += row.join(QStringLiteral("  ")).toLatin1() + "  \r\n";
        }
        QFile exported(exportPath);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll(), expectedExport);

        // Live frames again after "x"; a second click only reopens the data window.
        Form1->Edit3->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!Form1->Edit3->text().isEmpty(), 10000);
        bool reopened = false;
        QTimer::singleShot(0, this, [&] {
            reopened = Form5->isVisible();
            Form5->close();
        });
        QTest::mouseClick(Form1->AbColBitBtn4, Qt::LeftButton);
        QVERIFY(reopened);
        QCOMPARE(port->written, command + "Xx");
    }

    void framesSurviveLineFaults_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::newRow("random chunks and NUL bytes") << QStringList{"--chunks", "--nul"};
        QTest::newRow("a non-digit in every third frame") << QStringList{"--bad-every", "3"};
    }
    void framesSurviveLineFaults()
    {
        QFETCH(QStringList, faults);
        startSimulator(faults);
        QSignalSpy timeShown(Form1->Edit3, &QLineEdit::textChanged);
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(framesShown(timeShown) >= 3, 15000);
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("120"));
        QVERIFY(errors.isEmpty());
    }

    void hangUpMidFrameGivesOneError()
    {
        startSimulator({QStringLiteral("--hangup-after"), QStringLiteral("250")});
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 1, 10000);
        QVERIFY(disconnectedShown());
        QTest::qWait(300);
        QCOMPARE(errors.size(), 1);
    }

    void missingEndMarkerKeepsTheTransferOpenUntilTheSwitch()
    {
        startSimulator({QStringLiteral("--no-end-marker")});
        connectAndWaitForFrame();
        QTest::mouseClick(Form1->AbColBitBtn4, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Form1->RichEdit1.contains(QLatin1Char('\n')), 10000);
        QTest::qWait(800);
        QCOMPARE(MODODESCARGA, quint8(1));
        QVERIFY(!Form5->isVisible());
        QCOMPARE(DATOSDESCARGADOS, quint8(0));
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton);
        QCOMPARE(MODODESCARGA, quint8(0));
        QCOMPARE(port->written, QByteArray("8X"));
        QVERIFY(errors.isEmpty());
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
