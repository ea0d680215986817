// The receive event through the fake port: frame buffer rules, decoding into
// the main window and thermometer window, and what a non-digit leaves behind.

#include "appfixture.h"
#include "framebuilder.h"
#include "link/liveframe.h"
#include "live/thermometerwindow.h"
#include "widgets/barthermometer.h"
#include "widgets/dialmeter.h"
#include "widgets/lamp.h"
#include "widgets/piegauge.h"
#include "widgets/radiogroup.h"
#include "widgets/valueindicator.h"

#include <QLineEdit>
#include <QTest>

class TestReceiveDispatch : public QObject {
    Q_OBJECT
    AppFixture app;

    bool decoded() const { return Form1->Edit3->text() == QLatin1String("14:30:05"); }

private slots:
    void init()
    {
        app.setUp();
        app.connectLogger();
    }
    void cleanup() { app.tearDown(); }

    void frameBufferLengthRules_data()
    {
        QTest::addColumn<int>("prefill");
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<bool>("decoded");
        QTest::addColumn<int>("bufferAfter");
        const QByteArray f = FrameBuilder().build();
        QTest::newRow("whole frame in one event") << 0 << QList<QByteArray>{f} << true << 0;
        QTest::newRow("frame across three events")
            << 0 << QList<QByteArray>{f.left(30), f.mid(30, 50), f.mid(80)} << true << 0;
        QTest::newRow("end of one frame and start of the next")
            << 0 << QList<QByteArray>{f.left(100), f.mid(100) + f.left(10)} << false << 114;
        QTest::newRow("104 reached mid-event is spoiled") << 0 << QList<QByteArray>{f + "1"} << false << 105;
        QTest::newRow("105 characters stay") << 105 << QList<QByteArray>{f.left(3)} << false << 108;
        QTest::newRow("106 emptied, then a whole frame decodes") << 106 << QList<QByteArray>{f} << true << 0;
        QTest::newRow("106 emptied, partial frame kept") << 106 << QList<QByteArray>{f.left(40)} << false << 40;
    }
    void frameBufferLengthRules()
    {
        QFETCH(int, prefill);
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(bool, decoded);
        QFETCH(int, bufferAfter);
        Form1->Edit2 = QString(prefill, QLatin1Char('7'));
        for (const QByteArray &c : chunks)
            app.port->feed(c);
        QCOMPARE(this->decoded(), decoded);
        QCOMPARE(int(Form1->Edit2.size()), bufferAfter);
        QCOMPARE(app.port->bytesWaiting(), 0);
    }

    void frameIsDecodedOnlyByTheEventThatCompletesIt()
    {
        const QByteArray f = FrameBuilder().build();
        app.port->feed(f.left(103));
        QVERIFY(!decoded());
        QVERIFY(Form1->AbLED1->isLit());
        app.port->feed(f.mid(103));
        QVERIFY(decoded());
        QVERIFY(!Form1->AbLED1->isLit());
    }

    void decodedFrameReachesEveryControl()
    {
        FrameBuilder b;
        b.channel(3, 5).channel(13, 4095);
        app.port->feed(b.build());
        QCOMPARE(Form1->Edit4->text(), QStringLiteral("05/11/2007"));
        QCOMPARE(Form1->Edit3->text(), QStringLiteral("14:30:05"));
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("7,03125"));
        QCOMPARE(Form1->AbDB120Meter1->value(), 76.5);
        QCOMPARE(Form1->RadioGroup1->itemIndex(), 1);
        for (int k = 1; k <= 16; ++k) {
            // Channel k lands on the readout captioned "CANAL k" and the thermometer "Canal k".
            const auto *v = Form1->findChild<ValueIndicator *>(
                QStringLiteral("AbValueInd%1").arg(channelIndicatorNumber(k)));
            QCOMPARE(v->caption(), QStringLiteral("CANAL %1").arg(k));
            QCOMPARE(v->value(), double(b.channels[size_t(k - 1)]));
            const auto *t = Form4->findChild<BarThermometer *>(
                QStringLiteral("AbThermometer%1").arg(channelThermometerNumber(k)));
            QCOMPARE(t->caption(), QStringLiteral("Canal %1").arg(k));
            QCOMPARE(t->value(), double(b.channels[size_t(k - 1)]));
        }
        QCOMPARE(Form1->channelIndicator(3)->valueText(), QStringLiteral("05"));
        QCOMPARE(Form1->channelIndicator(13)->valueText(), QStringLiteral("4095"));
    }

    void nonDigitLeavesPartialEffects_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("channelsShown");
        QTest::addColumn<bool>("restShown");
        QTest::newRow("unused position 15") << 15 << false << false;
        QTest::newRow("channel 7") << 50 << false << false;
        QTest::newRow("memory counter") << 98 << true << false;
        QTest::newRow("position 103 is not read") << 103 << true << true;
    }
    void nonDigitLeavesPartialEffects()
    {
        QFETCH(int, position);
        QFETCH(bool, channelsShown);
        QFETCH(bool, restShown);
        FrameBuilder first;
        app.port->feed(first.build());
        PONERENHORA = 1;
        Form1->Timer3->stop();

        FrameBuilder second;
        second.minutes = 45;
        second.battery = 151;
        second.rate = 6;
        second.memoryHigh = 0;
        second.memoryLow = 63;
        second.channel(16, 42);
        QByteArray bad = second.build();
        bad[position] = 'Z';
        app.port->feed(bad);

        QVERIFY(!Form1->AbLED1->isLit());
        QCOMPARE(Form1->channelIndicator(16)->value(), channelsShown ? 42.0 : 1600.0);
        QCOMPARE(Form4->thermometerOfChannel(16)->value(), channelsShown ? 42.0 : 1600.0);
        QCOMPARE(Form1->Edit1->text(), restShown ? QStringLiteral("1") : QStringLiteral("7,03125"));
        QCOMPARE(Form1->AbDB120Meter1->value(), restShown ? 75.5 : 76.5);
        QCOMPARE(Form1->RadioGroup1->itemIndex(), restShown ? 2 : 1);
        QCOMPARE(Form1->Edit3->text(), restShown ? QStringLiteral("14:45:05") : QString());
        QCOMPARE(Form1->Edit4->text(), restShown ? QStringLiteral("05/11/2007") : QString());
        // An abandoned frame keeps its buffer and does not start the clock transfer.
        QCOMPARE(int(Form1->Edit2.size()), restShown ? 0 : 104);
        QCOMPARE(Form1->Timer3->isActive(), restShown);
        if (restShown)
            return;
        // The next event appends, the one after empties before appending.
        app.port->feed(first.build().left(10));
        QCOMPARE(int(Form1->Edit2.size()), 114);
        app.port->feed(first.build());
        QVERIFY(decoded());
        QCOMPARE(int(Form1->Edit2.size()), 0);
        QVERIFY(app.errors.isEmpty());
    }

    void batteryCodeOnTheMeter_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("shown");
        QTest::addColumn<QString>("caption");
        QTest::newRow("153") << 153 << 76.5 << "Nivel de Batería";
        QTest::newRow("152 keeps the initial caption") << 152 << 76.0 << "Nivel de batería";
        QTest::newRow("151") << 151 << 75.5 << "REEMPLAZAR PILAS";
        QTest::newRow("250 limited to 100") << 250 << 100.0 << "Nivel de Batería";
        QTest::newRow("60 below the scale") << 60 << 30.0 << "REEMPLAZAR PILAS";
    }
    void batteryCodeOnTheMeter()
    {
        QFETCH(int, code);
        QFETCH(double, shown);
        QFETCH(QString, caption);
        FrameBuilder b;
        b.battery = code;
        app.port->feed(b.build());
        QCOMPARE(Form1->AbDB120Meter1->value(), shown);
        QCOMPARE(Form1->AbDB120Meter1->caption(), caption);
    }

    void rateCodeSelectsItem_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("item");
        QTest::newRow("4: 15 minutes") << 4 << 0;
        QTest::newRow("5: 30 minutes") << 5 << 1;
        QTest::newRow("6: 60 minutes") << 6 << 2;
        QTest::newRow("7 leaves the selection") << 7 << 2;
        QTest::newRow("0 leaves the selection") << 0 << 2;
    }
    void rateCodeSelectsItem()
    {
        QFETCH(int, code);
        QFETCH(int, item);
        FrameBuilder b;
        b.rate = 6;
        app.port->feed(b.build());
        b.rate = code;
        app.port->feed(b.build());
        QCOMPARE(Form1->RadioGroup1->itemIndex(), item);
    }

    void rateGroupStartsWithNoItem()
    {
        FrameBuilder b;
        b.rate = 7;
        app.port->feed(b.build());
        QCOMPARE(Form1->RadioGroup1->itemIndex(), -1);
    }

    void memoryCounterText_data()
    {
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::addColumn<QString>("text");
        QTest::newRow("000 031") << 0 << 31 << "0";
        QTest::newRow("000 063") << 0 << 63 << "1";
        QTest::newRow("250 031") << 250 << 31 << "2000";
        QTest::newRow("001 000") << 1 << 0 << "7,03125";
        QTest::newRow("000 000") << 0 << 0 << "-0,96875";
    }
    void memoryCounterText()
    {
        QFETCH(int, high);
        QFETCH(int, low);
        QFETCH(QString, text);
        FrameBuilder b;
        b.memoryHigh = high;
        b.memoryLow = low;
        app.port->feed(b.build());
        QCOMPARE(Form1->Edit1->text(), text);
    }

    void downloadModeTakesEveryEvent()
    {
        MODODESCARGA = 1;
        PONERENHORA = 1;
        Form1->Gauge1->hide();
        Form1->Edit2 = QStringLiteral("12");
        app.port->feed(FrameBuilder().build());
        QVERIFY(!decoded());
        QCOMPARE(Form1->Edit2, QStringLiteral("12"));
        QVERIFY(!Form1->Gauge1->isHidden());
        QVERIFY(Form1->Timer3->isActive());
        QVERIFY(Form1->RichEdit1.startsWith(QLatin1String("3014")));
        // Back in live mode the pie is hidden again.
        MODODESCARGA = 0;
        app.port->feed("1");
        QVERIFY(Form1->Gauge1->isHidden());
    }

    void nulBytesNeverReachTheBuffer()
    {
        QByteArray f = FrameBuilder().build();
        f.insert(50, '\0');
        f.insert(0, '\0');
        app.port->feed(f);
        QVERIFY(decoded());
    }
};

QTEST_MAIN(TestReceiveDispatch)
#include "tst_receivedispatch.moc"
