// The download transfer through the fake port: request, restart at Timer2's
// tick, receive steps, the end marker, and the data window opened inside the
// receive event.

#include "appfixture.h"
#include "data/datawindow.h"
#include "framebuilder.h"
#include "widgets/colourbutton.h"
#include "widgets/piegauge.h"
#include "widgets/rockerswitch.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class TestDownload : public QObject {
    Q_OBJECT
    AppFixture app;

    // Requests a download and lets Timer2's tick pass.
    void request(bool forced = false)
    {
        Form1->CheckBox1->setChecked(forced);
        runGuarded([] { Form1->AbColBitBtn4Click(nullptr); });
        QTRY_VERIFY(!Form1->Timer2->isActive());
    }

private slots:
    void init()
    {
        app.setUp();
    }
    void cleanup() { app.tearDown(); }

    void requestSendsCommandPausesThenStart_data()
    {
        QTest::addColumn<bool>("forced");
        QTest::addColumn<QString>("command");
        QTest::newRow("normal") << false << "8";
        QTest::newRow("forced") << true << "E";
    }
    void requestSendsCommandPausesThenStart()
    {
        QFETCH(bool, forced);
        QFETCH(QString, command);
        app.connectLogger();
        app.port->log.clear();
        Form1->RichEdit1 = QStringLiteral("old");
        Form1->CheckBox1->setChecked(forced);
        Form1->AbColBitBtn4Click(nullptr);
        QCOMPARE(app.port->log, QStringList({"discard", "write " + command, "write X"}));
        QCOMPARE(app.pauses, QList<int>{1000});
        QCOMPARE(MODODESCARGA, quint8(1));
        QVERIFY(Form1->Timer2->isActive());
        QCOMPARE(Form1->cursor().shape(), Qt::WaitCursor);
        QVERIFY(!Form1->Gauge1->isHidden());
        QCOMPARE(Form1->RichEdit1, QString());
    }

    void requestWhileDisconnectedSendsNothing()
    {
        Form1->RichEdit1 = QStringLiteral("old");
        Form1->Gauge1->hide();
        Form1->AbColBitBtn4Click(nullptr);
        QVERIFY(app.port->log.isEmpty());
        QCOMPARE(Form1->RichEdit1, QString());
        QVERIFY(!Form1->Gauge1->isHidden());
        QVERIFY(!Form1->Timer2->isActive());
        QCOMPARE(MODODESCARGA, quint8(0));
        QVERIFY(Form1->cursor().shape() != Qt::WaitCursor);
    }

    void requestOnClosedPortStopsAtDiscardOnce()
    {
        Form1->AbRockerSwitch1->setOn(true); // switch on, port closed
        runGuarded([] { Form1->AbColBitBtn4Click(nullptr); });
        QCOMPARE(app.errors.size(), 1);
        QVERIFY(app.errors.first().startsWith(QLatin1String("PurgeComm function failed")));
        QVERIFY(app.port->written.isEmpty());
        QCOMPARE(MODODESCARGA, quint8(0));
        // Timer2 stops before it touches the port: one more error, not one per tick.
        QTest::qWait(1200);
        QCOMPARE(app.errors.size(), 2);
    }

    void timerTickThrowsAwayWhatCameSoFar()
    {
        app.connectLogger();
        Form1->AbColBitBtn4Click(nullptr);
        app.port->feed("garbage");
        QCOMPARE(Form1->RichEdit1, QStringLiteral("garbage"));
        app.port->discards = 0;
        QTRY_VERIFY(!Form1->Timer2->isActive());
        QCOMPARE(app.port->discards, 2);
        QCOMPARE(Form1->RichEdit1, QString());
        QCOMPARE(MODODESCARGA, quint8(1));
    }

    void loneEndMarkerEndsTransferAndOpensDataWindow()
    {
        app.connectLogger();
        request();
        app.port->written.clear();
        app.port->feed("12");
        app.port->feed("34");
        QCOMPARE(Form1->Gauge1->progress(), 2);
        bool visibleInside = false;
        QTimer::singleShot(0, this, [&] {
            visibleInside = Form5->isVisible();
            // Bytes arriving now wait: no receive event while the data window is open.
            app.port->feed(FrameBuilder().build());
            QCOMPARE(Form1->Edit3->text(), QString());
            Form5->close();
        });
        app.port->feed("A");
        QVERIFY(visibleInside);
        QCOMPARE(Form1->RichEdit1, QStringLiteral("1234A"));
        QCOMPARE(app.port->written, QByteArray("x"));
        QCOMPARE(MODODESCARGA, quint8(0));
        QCOMPARE(DATOSDESCARGADOS, quint8(1));
        QVERIFY(Form1->Gauge1->isHidden());
        QCOMPARE(Form1->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(Form1->AbColBitBtn4->captionOff(), QStringLiteral("              VER DATOS"));
        QCOMPARE(Form1->AbColBitBtn4->captionOn(), QStringLiteral("                VER DATOS"));
        // The frame that waited comes after the window closed, in live mode.
        QTRY_COMPARE(Form1->Edit3->text(), QStringLiteral("14:30:05"));
        QCOMPARE(Form1->RichEdit1, QStringLiteral("1234A"));
    }

    void endMarkerWithOtherBytesIsData_data()
    {
        QTest::addColumn<QByteArray>("chunk");
        QTest::newRow("after data") << QByteArray("99A");
        QTest::newRow("before data") << QByteArray("A1");
        QTest::newRow("twice") << QByteArray("AA");
    }
    void endMarkerWithOtherBytesIsData()
    {
        QFETCH(QByteArray, chunk);
        app.connectLogger();
        request();
        app.port->written.clear();
        app.port->feed(chunk);
        QCOMPARE(Form1->RichEdit1, QString::fromLatin1(chunk));
        QCOMPARE(MODODESCARGA, quint8(1));
        QVERIFY(app.port->written.isEmpty());
    }

    void pieCountsStepsAndWrapsAtFifty()
    {
        app.connectLogger();
        request();
        for (int i = 0; i < 49; ++i)
            app.port->feed("1");
        QCOMPARE(Form1->Gauge1->progress(), 49);
        app.port->feed("1");
        QCOMPARE(Form1->Gauge1->progress(), 0);
    }

    void afterCompletionTheButtonOnlyReopens()
    {
        app.connectLogger();
        request();
        QTimer::singleShot(0, Form5, &QDialog::close);
        app.port->feed("A");
        app.connectLogger(); // disconnect
        app.port->log.clear();
        Form1->Gauge1->hide();
        bool reopened = false;
        QTimer::singleShot(0, this, [&] {
            reopened = Form5->isVisible();
            Form5->close();
        });
        Form1->AbColBitBtn4Click(nullptr);
        QVERIFY(reopened);
        QVERIFY(app.port->log.isEmpty());
        QVERIFY(!Form1->Gauge1->isHidden());
        QCOMPARE(Form1->RichEdit1, QStringLiteral("A"));
    }

    void switchDuringTransferEndsDownloadMode()
    {
        app.connectLogger();
        request();
        app.port->feed("123");
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton); // disconnect
        QCOMPARE(MODODESCARGA, quint8(0));
        QCOMPARE(Form1->RichEdit1, QStringLiteral("123"));
        QCOMPARE(Form1->AbColBitBtn4->captionOff(), QStringLiteral("       DESCARGAR DATOS"));
        QTest::mouseClick(Form1->AbRockerSwitch1, Qt::LeftButton); // connect
        app.port->feed(FrameBuilder().build());
        QCOMPARE(Form1->Edit3->text(), QStringLiteral("14:30:05"));
    }

    void activationAbandonsTransfer()
    {
        app.connectLogger();
        request();
        app.port->feed("12");
        Form1->FormActivate(Form1);
        QCOMPARE(MODODESCARGA, quint8(0));
        QVERIFY(Form1->Gauge1->isHidden());
        QCOMPARE(Form1->RichEdit1, QStringLiteral("12"));
        QCOMPARE(Form1->AbColBitBtn4->captionOff(), QStringLiteral("       DESCARGAR DATOS"));
    }
};

QTEST_MAIN(TestDownload)
#include "tst_download.moc"
