// The thermometer window: placement beside the main window on every
// activation, and what closing it restores.

#include "appfixture.h"
#include "live/thermometerwindow.h"
#include "widgets/barthermometer.h"
#include "widgets/colourbutton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

class TestThermometerWindow : public QObject {
    Q_OBJECT
    AppFixture app;

private slots:
    void init() { app.setUp(false); }
    void cleanup() { app.tearDown(); }

    void layout()
    {
        QCOMPARE(Form4->size(), QSize(296, 535));
        QCOMPARE(Form4->windowTitle(), QString());
        QCOMPARE(Form4->Label1->text(), QStringLiteral("VALORES PUNTUALES ON-LINE"));
        // The bottom row, left to right, is channels 13 to 16 on components 16 to 13.
        QCOMPARE(Form4->AbThermometer[16]->geometry(), QRect(4, 408, 65, 125));
        QCOMPARE(Form4->AbThermometer[16]->caption(), QStringLiteral("Canal 13"));
        QCOMPARE(Form4->AbThermometer[13]->geometry(), QRect(212, 408, 73, 125));
        QCOMPARE(Form4->AbThermometer[13]->caption(), QStringLiteral("Canal 16"));
        QCOMPARE(Form4->AbThermometer[3]->geometry(), QRect(138, 24, 77, 125));
        for (int n = 1; n <= 16; ++n)
            QCOMPARE(Form4->AbThermometer[n]->valueText(), QStringLiteral("25,0"));
    }

    void activationPlacesBesideTheMainWindow_data()
    {
        QTest::addColumn<QPoint>("mainAt");
        QTest::newRow("on the screen") << QPoint(300, 120);
        QTest::newRow("thermometers off the left edge") << QPoint(40, 80);
        QTest::newRow("main window already negative") << QPoint(-400, 80);
    }
    void activationPlacesBesideTheMainWindow()
    {
        QFETCH(QPoint, mainAt);
        Form1->move(mainAt);
        for (int i = 1; i <= 3; ++i) {
            Form4->FormActivate(Form4);
            QCOMPARE(Form1->x(), mainAt.x() + 130 * i);
            QCOMPARE(Form1->y(), mainAt.y());
            QCOMPARE(Form4->y(), 5);
            QCOMPARE(Form4->x(), Form1->x() - Form4->frameGeometry().width());
        }
        QVERIFY(Form1->AbColBitBtn8->isHidden());
        QCOMPARE(PUERTOCONFIGURADO, quint8(1));
    }

    void closingCentresMainWindowAndShowsButton()
    {
        Form1->move(900, 700);
        Form4->FormActivate(Form4);
        Form4->FormClose(Form4);
        QVERIFY(!Form1->AbColBitBtn8->isHidden());
        QRect expected = Form1->frameGeometry();
        expected.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
        QCOMPARE(Form1->pos(), expected.topLeft());
    }

    void buttonShowsTheWindowWithLatestValues()
    {
        Form1->AbColBitBtn8Click(nullptr);
        QVERIFY(Form4->isVisible());
        QTRY_VERIFY(Form1->AbColBitBtn8->isHidden());
        Form4->close();
        QVERIFY(!Form4->isVisible());
        QVERIFY(!Form1->AbColBitBtn8->isHidden());
    }
};

QTEST_MAIN(TestThermometerWindow)
#include "tst_thermometerwindow.moc"
