// The instrument widgets: scale arithmetic, value texts, and how the buttons
// and the switch react to the mouse.

#include "app/formats.h"
#include "widgets/barthermometer.h"
#include "widgets/colourbutton.h"
#include "widgets/dialmeter.h"
#include "widgets/instrumentmath.h"
#include "widgets/piegauge.h"
#include "widgets/rockerswitch.h"

#include <QSignalSpy>
#include <QTest>

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFormats(); }

    void dialAngle_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("angle");
        QTest::newRow("scale start") << 50.0 << 150.0;
        QTest::newRow("below the scale stays at the start") << 30.0 << 150.0;
        QTest::newRow("middle") << 75.0 << 90.0;
        QTest::newRow("76,5") << 76.5 << 86.4;
        QTest::newRow("scale end") << 100.0 << 30.0;
        QTest::newRow("above the scale stays at the end") << 125.0 << 30.0;
    }
    void dialAngle()
    {
        QFETCH(double, value);
        QFETCH(double, angle);
        QCOMPARE(instrument::dialAngle(value, 50, 100), angle);
    }

    void thermometerBar_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("height");
        QTest::newRow("below -10: empty") << -40.0 << 0;
        QTest::newRow("-10: empty") << -10.0 << 0;
        QTest::newRow("25: initial") << 25.0 << 70;
        QTest::newRow("30") << 30.0 << 80;
        QTest::newRow("45: full") << 45.0 << 110;
        QTest::newRow("1500: full") << 1500.0 << 110;
    }
    void thermometerBar()
    {
        QFETCH(double, value);
        QFETCH(int, height);
        QCOMPARE(instrument::barHeight(value, -10, 45, 110), height);
    }

    void valueTextsShowTheValueItself()
    {
        DialMeter meter;
        QCOMPARE(meter.valueText(), QStringLiteral("50,0"));
        meter.setValue(30);
        QCOMPARE(meter.valueText(), QStringLiteral("30,0"));
        BarThermometer thermometer;
        QCOMPARE(thermometer.valueText(), QStringLiteral("25,0"));
        thermometer.setValue(1500);
        QCOMPARE(thermometer.valueText(), QStringLiteral("1500,0"));
        QVERIFY(thermometer.sizeHint().height() >= 100);
    }

    void buttonIsOnOnlyWhileHeld()
    {
        ColourButton b;
        b.setCaptions(QStringLiteral("     FECHA Y HORA ACTUAL"), QString());
        b.resize(166, 33);
        QVERIFY(!b.isOn());
        QCOMPARE(b.currentCaption(), QStringLiteral("     FECHA Y HORA ACTUAL"));
        QTest::mousePress(&b, Qt::LeftButton);
        QVERIFY(b.isOn());
        QCOMPARE(b.currentCaption(), QString());
        QTest::mouseRelease(&b, Qt::LeftButton);
        QVERIFY(!b.isOn());
    }

    void indicatorIgnoresTheMouse()
    {
        ColourButton b;
        b.setIndicator(true);
        b.resize(151, 24);
        QSignalSpy clicks(&b, &ColourButton::clicked);
        QVERIFY(b.testAttribute(Qt::WA_TransparentForMouseEvents));
        b.setOn(true);
        QVERIFY(b.isOn());
        QCOMPARE(clicks.size(), 0);
    }

    void switchFlipsThenReportsRelease()
    {
        RockerSwitch s;
        s.resize(91, 85);
        QStringList order;
        connect(&s, &RockerSwitch::clicked, this, [&] { order << QStringLiteral("click"); });
        connect(&s, &RockerSwitch::mouseUp, this, [&] { order << QStringLiteral("up"); });
        QTest::mouseClick(&s, Qt::LeftButton);
        QVERIFY(s.isOn());
        QCOMPARE(order, QStringList({"click", "up"}));
    }

    void pieWrapsAtItsMaximum()
    {
        PieGauge pie;
        pie.setProgress(48);
        pie.step();
        QCOMPARE(pie.progress(), 49);
        pie.step();
        QCOMPARE(pie.progress(), 0);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
