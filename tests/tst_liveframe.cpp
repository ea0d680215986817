#include "link/liveframe.h"

#include <QTest>

namespace {
// A frame with every field set: 14:30:05 on 05/11/2007, battery 153, rate 5,
// channel k = 100 * k, memory counter 001 000.
QString sampleFrame()
{
    QString f = QStringLiteral("3014051107051530") + QStringLiteral("5");
    for (int k = 1; k <= 16; ++k) {
        const int v = 100 * k;
        f += QStringLiteral("%1%2").arg(v / 256, 2, 10, QChar('0')).arg(v % 256, 3, 10, QChar('0'));
    }
    f += QStringLiteral("001000") + QChar('\r');
    return f;
}
} // namespace

class TestLiveFrame : public QObject {
    Q_OBJECT
private slots:
    void decodesEveryField()
    {
        const QString frame = sampleFrame();
        QCOMPARE(frame.size(), kLiveFrameLength);
        const LiveFrame f = decodeLiveFrame(frame);
        QVERIFY(f.complete());
        QCOMPARE(f.dateText(), QStringLiteral("05/11/2007"));
        QCOMPARE(f.timeText(), QStringLiteral("14:30:05"));
        QCOMPARE(f.batteryCode, 153);
        QCOMPARE(f.batteryLevel(), 76.5);
        QCOMPARE(f.rateCode, 5);
        for (int k = 1; k <= 16; ++k)
            QCOMPARE(f.channels[size_t(k - 1)], 100 * k);
        QCOMPARE(f.memoryPositionsUsed(), 7.03125);
    }

    void channelHighPartIsNotLimited()
    {
        QString frame = sampleFrame();
        frame.replace(17, 5, QStringLiteral("99999"));
        QCOMPARE(decodeLiveFrame(frame).channels[0], 99 * 256 + 999);
    }

    void memoryCounter_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<double>("positions");
        QTest::newRow("empty") << "000031" << 0.0;
        QTest::newRow("one") << "000063" << 1.0;
        QTest::newRow("full") << "250031" << 2000.0;
        QTest::newRow("fraction") << "001000" << 7.03125;
        QTest::newRow("below the base") << "000000" << -31.0 / 32.0;
    }
    void memoryCounter()
    {
        QFETCH(QString, digits);
        QFETCH(double, positions);
        QString frame = sampleFrame();
        frame.replace(97, 6, digits);
        QCOMPARE(decodeLiveFrame(frame).memoryPositionsUsed(), positions);
    }

    void nonDigitStopsWhereItStands_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("stage");
        QTest::newRow("first") << 0 << int(LiveFrame::Stage::FailedBeforeChannels);
        QTest::newRow("unused position 15") << 15 << int(LiveFrame::Stage::FailedBeforeChannels);
        QTest::newRow("channel 7") << 50 << int(LiveFrame::Stage::FailedBeforeChannels);
        QTest::newRow("memory high") << 98 << int(LiveFrame::Stage::FailedInMemoryCounter);
        QTest::newRow("memory low last") << 102 << int(LiveFrame::Stage::FailedInMemoryCounter);
        QTest::newRow("position 103 is not read") << 103 << int(LiveFrame::Stage::Complete);
    }
    void nonDigitStopsWhereItStands()
    {
        QFETCH(int, position);
        QFETCH(int, stage);
        QString frame = sampleFrame();
        frame[position] = QLatin1Char('Z');
        const LiveFrame f = decodeLiveFrame(frame);
        QCOMPARE(int(f.stage), stage);
        if (stage != int(LiveFrame::Stage::Complete)) {
            QCOMPARE(f.failedPosition, position);
            QCOMPARE(f.failedCharacter, QLatin1Char('Z'));
        }
        if (stage == int(LiveFrame::Stage::FailedInMemoryCounter))
            QCOMPARE(f.channels[15], 1600);
    }

    void batteryCaption_data()
    {
        QTest::addColumn<double>("level");
        QTest::addColumn<QString>("caption");
        QTest::newRow("above 76") << 76.5 << "Nivel de Batería";
        QTest::newRow("exactly 76 keeps") << 76.0 << "previous";
        QTest::newRow("below 76") << 75.5 << "REEMPLAZAR PILAS";
    }
    void batteryCaption()
    {
        QFETCH(double, level);
        QFETCH(QString, caption);
        QCOMPARE(::batteryCaption(level, QStringLiteral("previous")), caption);
    }

    void channelsLandOnTheirNamedControls()
    {
        const int indicators[] = {1, 2, 9, 10, 3, 4, 11, 12, 5, 6, 13, 14, 7, 8, 15, 16};
        const int thermometers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 15, 14, 13};
        for (int k = 1; k <= 16; ++k) {
            QCOMPARE(channelIndicatorNumber(k), indicators[k - 1]);
            QCOMPARE(channelThermometerNumber(k), thermometers[k - 1]);
        }
    }
};

QTEST_APPLESS_MAIN(TestLiveFrame)
#include "tst_liveframe.moc"
