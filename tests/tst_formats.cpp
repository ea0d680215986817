#include "app/errors.h"
#include "app/formats.h"

#include <QTest>

class TestFormats : public QObject {
    Q_OBJECT
private slots:
    void init() { applyApplicationFormats(); }

    void picture_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("channel below ten") << 5.0 << "##00" << "05";
        QTest::newRow("channel zero") << 0.0 << "##00" << "00";
        QTest::newRow("channel four digits") << 4095.0 << "##00" << "4095";
        QTest::newRow("channel beyond 12 bits") << 25599.0 << "##00" << "25599";
        QTest::newRow("battery half") << 76.5 << "##0.0" << "76,5";
        QTest::newRow("battery whole") << 50.0 << "##0.0" << "50,0";
        QTest::newRow("thermometer negative") << -10.0 << "##0.0" << "-10,0";
        QTest::newRow("thermometer big") << 1500.0 << "##0.0" << "1500,0";
        QTest::newRow("scale label") << 45.0 << "##0" << "45";
        QTest::newRow("scale label zero") << 0.0 << "##0" << "0";
    }
    void picture()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(formatPicture(value, pattern), expected);
    }

    void general_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("full memory") << 2000.0 << "2000";
        QTest::newRow("fraction") << 7.03125 << "7,03125";
        QTest::newRow("negative fraction") << -31.0 / 32.0 << "-0,96875";
        QTest::newRow("one") << 1.0 << "1";
    }
    void general()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(formatGeneral(value), expected);
    }

    void dateAndTimeFollowRegionalSeparators_data()
    {
        QTest::addColumn<QChar>("dateSeparator");
        QTest::addColumn<QChar>("timeSeparator");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("slash colon") << QChar('/') << QChar(':') << "03/02/2008" << "09:05:07";
        QTest::newRow("hyphen dot") << QChar('-') << QChar('.') << "03-02-2008" << "09.05.07";
    }
    void dateAndTimeFollowRegionalSeparators()
    {
        QFETCH(QChar, dateSeparator);
        QFETCH(QChar, timeSeparator);
        formatSettings().dateSeparator = dateSeparator;
        formatSettings().timeSeparator = timeSeparator;
        QFETCH(QString, date);
        QFETCH(QString, time);
        QCOMPARE(formatDate(QDate(2008, 2, 3)), date);
        QCOMPARE(formatTime(QTime(9, 5, 7)), time);
        formatSettings().dateSeparator = QLatin1Char('/');
        formatSettings().timeSeparator = QLatin1Char(':');
    }

    void errorBoxAddsFullStopAfterLetters_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "'A' is not a valid integer value" << "'A' is not a valid integer value.";
        QTest::newRow("quote sorts before dot") << "Unable to open com port (error code: 2)"
                                                << "Unable to open com port (error code: 2)";
        QTest::newRow("already a stop") << "Disk full." << "Disk full.";
        QTest::newRow("digit sorts after dot") << "I/O error 5" << "I/O error 5.";
    }
    void errorBoxAddsFullStopAfterLetters()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void strictDigitConversion()
    {
        QCOMPARE(digitValue(QLatin1Char('7')), 7);
        try {
            digitValue(QLatin1Char('Z'));
            QFAIL("no error raised");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), QStringLiteral("'Z' is not a valid integer value"));
        }
    }
};

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
