// The serial port layer: receive events, closed-port errors, open errors.

#include "app/errors.h"
#include "link/fakeserialport.h"
#include "link/qtserialport.h"

#include <QTest>

#include <cerrno>

class TestSerialPort : public QObject {
    Q_OBJECT
private slots:
    void receiveEventsAreNeverNested()
    {
        FakeSerialPort port;
        port.open();
        QList<int> counts;
        QByteArray seen;
        port.setReceiveHandler([&](int count) {
            counts << count;
            seen += port.read(count);
            if (counts.size() == 1) {
                // Bytes arriving while the handler runs wait for the next event.
                port.feed("456");
                QCOMPARE(counts.size(), 1);
            }
        });
        port.feed("123");
        QCOMPARE(counts, QList<int>{3});
        QTRY_COMPARE(counts, (QList<int>{3, 3}));
        QCOMPARE(seen, QByteArray("123456"));
    }

    void nulBytesAreDroppedAndCountedOut()
    {
        FakeSerialPort port;
        port.open();
        int count = -1;
        port.setReceiveHandler([&](int c) {
            count = c;
            QCOMPARE(port.read(c), QByteArray("AB"));
        });
        port.feed(QByteArray("A\0\0B", 4));
        QCOMPARE(count, 2);
        port.feed(QByteArray("\0", 1));
        QCOMPARE(count, 2); // nothing left to report: no event
    }

    void closedPortRefusesWriteAndDiscard()
    {
        FakeSerialPort port;
        QVERIFY_THROWS_EXCEPTION(AppError, port.writeText("8"));
        QVERIFY_THROWS_EXCEPTION(AppError, port.discardInput());
        QVERIFY(port.written.isEmpty());
        port.close(); // nothing happens
        QVERIFY(port.log.isEmpty());
    }

    void rtsIsRememberedUntilOpen()
    {
        FakeSerialPort port;
        port.setRts(true);
        QVERIFY(port.rtsChanges.isEmpty());
        port.open();
        QCOMPARE(port.log, QStringList({"open", "rts 1"}));
        port.setRts(false);
        port.close();
        QCOMPARE(port.log, QStringList({"open", "rts 1", "rts 0", "close"}));
    }

    void openErrorNamesTheCause_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("mentionsDialout");
        QTest::newRow("missing device") << ENOENT << "No such file or directory" << false;
        QTest::newRow("no permission") << EACCES << "Permission denied" << true;
        QTest::newRow("busy") << EBUSY << "Device or resource busy" << false;
    }
    void openErrorNamesTheCause()
    {
        QFETCH(int, code);
        QFETCH(QString, reason);
        QFETCH(bool, mentionsDialout);
        const QString text = openErrorText(code, reason);
        QVERIFY(text.startsWith(QStringLiteral("Unable to open com port (error code: %1): %2").arg(code).arg(reason)));
        QCOMPARE(text.contains(QLatin1String("dialout")), mentionsDialout);
    }

    void qtPortOnMissingDeviceFailsWithErrno()
    {
        QtSerialPort port;
        PortSettings s = port.settings();
        s.portName = QStringLiteral("/dev/quirante-missing");
        port.setSettings(s);
        try {
            port.open();
            QFAIL("opened a missing device");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), QStringLiteral("Unable to open com port (error code: 2): No such file or directory"));
        }
        QVERIFY(!port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
