// Commands on the wire through the fake port: the clock-setting message and
// its pending transfer, and the rate window's bytes.

#include "appfixture.h"
#include "framebuilder.h"
#include "link/commands.h"
#include "settings/clockwindow.h"
#include "settings/ratewindow.h"
#include "widgets/radiogroup.h"
#include "widgets/rockerswitch.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
    AppFixture app;

    // "PONER EN HORA" as the user presses it.
    void pressSetClock() { QTest::mouseClick(Form8->BitBtn1, Qt::LeftButton); }

private slots:
    void init() { app.setUp(); }
    void cleanup()
    {
        formatSettings().dateSeparator = QLatin1Char('/');
        formatSettings().timeSeparator = QLatin1Char(':');
        app.tearDown();
    }

    void clockMessage_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QChar>("dateSeparator");
        QTest::addColumn<QChar>("timeSeparator");
        QTest::addColumn<QByteArray>("message");
        const QDateTime a(QDate(2008, 2, 3), QTime(9, 5, 7));
        const QDateTime b(QDate(2009, 12, 31), QTime(23, 59, 59));
        const QDateTime c(QDate(2010, 1, 1), QTime(0, 0, 0));
        for (const auto &[tag, date, time] : {std::tuple{"slash colon", QChar('/'), QChar(':')},
                                              std::tuple{"hyphen dot", QChar('-'), QChar('.')}}) {
            QTest::addRow("09:05:07 3 Feb 2008, %s", tag) << a << date << time << QByteArray("3090507030208");
            QTest::addRow("23:59:59 31 Dec 2009, %s", tag) << b << date << time << QByteArray("3235959311209");
            QTest::addRow("00:00:00 1 Jan 2010, %s", tag) << c << date << time << QByteArray("3000000010110");
        }
    }
    void clockMessage()
    {
        QFETCH(QDateTime, now);
        QFETCH(QChar, dateSeparator);
        QFETCH(QChar, timeSeparator);
        QFETCH(QByteArray, message);
        formatSettings().dateSeparator = dateSeparator;
        formatSettings().timeSeparator = timeSeparator;
        Form1->clock = [now] { return now; };
        app.connectLogger();
        Form1->Edit2 = QStringLiteral("1234");
        pressSetClock();
        QVERIFY(Form8->isHidden());
        QCOMPARE(PONERENHORA, quint8(1));
        QVERIFY(app.port->written.isEmpty());

        app.port->feed("5");
        QVERIFY(Form1->Timer3->isActive());
        QVERIFY(app.port->written.isEmpty());
        QTRY_COMPARE(app.port->written, message);
        // One write per character, and the frame buffer started afresh.
        QCOMPARE(app.port->writes.size(), 13);
        QCOMPARE(Form1->Edit2, QString());
        QCOMPARE(PONERENHORA, quint8(0));
        QVERIFY(!Form1->Timer3->isActive());
        // Once only: later events send nothing more.
        app.port->feed(FrameBuilder().build());
        QTest::qWait(250);
        QCOMPARE(app.port->written, message);
    }

    void pendingTransferSurvivesReconnect()
    {
        app.connectLogger();
        pressSetClock();
        app.connectLogger(); // disconnect before any byte came
        QCOMPARE(PONERENHORA, quint8(1));
        app.connectLogger(); // and connect again
        QTest::qWait(250);
        QVERIFY(app.port->written.isEmpty());
        app.port->feed(FrameBuilder().build());
        QTRY_COMPARE(app.port->written.size(), 13);
    }

    void setClockWhileDisconnectedNeverSends()
    {
        PUERTOCONFIGURADO = 0;
        pressSetClock();
        QCOMPARE(PONERENHORA, quint8(0));
        QCOMPARE(PUERTOCONFIGURADO, quint8(1));
        app.connectLogger();
        app.port->feed(FrameBuilder().build());
        QTest::qWait(250);
        QVERIFY(app.port->written.isEmpty());
    }

    void returnClosesAndTouchesNoFlag()
    {
        PUERTOCONFIGURADO = 0;
        Form8->show();
        // "REGRESAR" is first in the tab order and has the focus.
        QCOMPARE(Form8->focusWidget(), Form8->BitBtn2);
        QWidget *next = Form8->BitBtn2->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, Form8->BitBtn1);
        QTest::mouseClick(Form8->BitBtn2, Qt::LeftButton);
        QVERIFY(Form8->isHidden());
        QCOMPARE(PUERTOCONFIGURADO, quint8(0));
        QCOMPARE(PONERENHORA, quint8(0));
    }

    void failedClockWriteIsShownOnce()
    {
        app.connectLogger();
        pressSetClock();
        app.port->setWriteError(QStringLiteral("WriteFile function failed (error code: 5)"));
        app.port->feed("1");
        QTRY_COMPARE(app.errors.size(), 1);
        QVERIFY(!Form1->Timer3->isActive());
        QTest::qWait(300);
        QCOMPARE(app.errors.size(), 1);
    }

    void rateWindowSendsOneBytePerChange_data()
    {
        QTest::addColumn<bool>("connected");
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("60 MINUTOS") << true << QList<int>{2} << QByteArray("7");
        QTest::newRow("15 then 30") << true << QList<int>{0, 1} << QByteArray("56");
        QTest::newRow("15 twice") << true << QList<int>{0, 0} << QByteArray("5");
        QTest::newRow("30 then back to 15") << true << QList<int>{1, 0} << QByteArray("65");
        QTest::newRow("disconnected") << false << QList<int>{2, 1} << QByteArray();
        QTest::newRow("no choice") << true << QList<int>{} << QByteArray();
    }
    void rateWindowSendsOneBytePerChange()
    {
        QFETCH(bool, connected);
        QFETCH(QList<int>, choices);
        QFETCH(QByteArray, written);
        if (connected)
            app.connectLogger();
        QTimer::singleShot(0, this, [choices] {
            for (int item : choices)
                QTest::mouseClick(Form7->RadioGroup1->item(item), Qt::LeftButton);
            QTest::mouseClick(Form7->BitBtn1, Qt::LeftButton);
        });
        Form1->AbColBitBtn3Click(nullptr);
        QCOMPARE(app.port->written, written);
        QCOMPARE(app.port->writes.size(), written.size());
        QVERIFY(Form7->isHidden());
    }

    void rateWindowOpensWithNoChoice()
    {
        app.connectLogger();
        QTimer::singleShot(0, this, [] {
            QTest::mouseClick(Form7->RadioGroup1->item(1), Qt::LeftButton);
            Form7->close();
        });
        Form1->AbColBitBtn3Click(nullptr);
        QTimer::singleShot(0, this, [] {
            QCOMPARE(Form7->RadioGroup1->itemIndex(), -1);
            Form7->close();
        });
        Form1->AbColBitBtn3Click(nullptr);
        QCOMPARE(app.port->written, QByteArray("6"));
    }

    void rateCommandOnClosedPortShowsErrorAndKeepsWindow()
    {
        Form1->AbRockerSwitch1->setOn(true); // switch on, port closed
        QTimer::singleShot(0, this, [this] {
            QTest::mouseClick(Form7->RadioGroup1->item(0), Qt::LeftButton);
            QCOMPARE(app.errors.size(), 1);
            QVERIFY(app.errors.first().startsWith(QLatin1String("WriteFile function failed")));
            QVERIFY(Form7->isVisible());
            QCOMPARE(Form7->RadioGroup1->itemIndex(), 0);
            Form7->close();
        });
        Form1->AbColBitBtn3Click(nullptr);
    }

    void commandTable()
    {
        QCOMPARE(command::rate(0), QByteArray("5"));
        QCOMPARE(command::rate(1), QByteArray("6"));
        QCOMPARE(command::rate(2), QByteArray("7"));
        QCOMPARE(command::rate(3), QByteArray());
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
