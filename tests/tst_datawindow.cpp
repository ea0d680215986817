// The data window: line division of the download buffer, dump decoding into
// the grid and how far a bad character lets it get, sample time stamps, and
// the export file byte for byte.

#include "appfixture.h"
#include "data/datawindow.h"
#include "data/downloadlines.h"
#include "data/dump.h"
#include "data/export.h"
#include "data/stringgrid.h"
#include "data/timestamps.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
// A record line: sixteen six-digit groups.
QString record(const QStringList &groups)
{
    QString r;
    for (int k = 0; k < 16; ++k)
        r += groups.value(k, QStringLiteral("000000"));
    return r;
}

QString recordOf(int value)
{
    const QString g = QStringLiteral("%1%2").arg(value / 256, 3, 10, QChar('0')).arg(value % 256, 3, 10, QChar('0'));
    return record(QStringList(16, g));
}

// Header for 31/12/2004 23:55:07 at rate code 2 unless told otherwise.
QString header(const QString &fields = QStringLiteral(" 04/12/31 07:55:23  2"))
{
    return fields;
}

QString dump(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\nA");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class TestDataWindow : public QObject {
    Q_OBJECT
    AppFixture app;

    void open(const QString &buffer)
    {
        Form1->RichEdit1 = buffer;
        app.errors.clear();
        runGuarded([] { Form5->FormActivate(Form5); });
    }
    QString cell(int c, int r) const { return Form5->StringGrid1->cell(c, r); }

private slots:
    void init() { app.setUp(); }
    void cleanup() { app.tearDown(); }

    // --- line division -------------------------------------------------
    void lineDivision_data()
    {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<QStringList>("lines");
        const QString r1 = recordOf(1), r2 = recordOf(2);
        QTest::newRow("CR LF") << "H\r\n" + r1 + "\r\nA" << QStringList{"H", r1, "A"};
        QTest::newRow("LF") << "H\n" + r1 + "\nA" << QStringList{"H", r1, "A"};
        QTest::newRow("CR") << "H\r" + r1 + "\rA" << QStringList{"H", r1, "A"};
        QTest::newRow("blank-separated records wrap after their blank")
            << header() + " " + r1 + " " + r2 + " A" << QStringList{header() + " ", r1 + " ", r2 + " ", "A"};
        QTest::newRow("no blank: wraps at 97")
            << QString(200, 'x') << QStringList{QString(97, 'x'), QString(97, 'x'), QString(6, 'x')};
        QTest::newRow("97 characters stay whole") << QString(97, 'y') << QStringList{QString(97, 'y')};
        QTest::newRow("empty last line not counted") << "H\r\n" << QStringList{"H"};
        QTest::newRow("empty lines inside count") << "H\r\n\r\nA" << QStringList{"H", "", "A"};
        QTest::newRow("empty buffer") << "" << QStringList{};
    }
    void lineDivision()
    {
        QFETCH(QString, buffer);
        QFETCH(QStringList, lines);
        QCOMPARE(downloadLines(buffer), lines);
        for (const QString &l : downloadLines(QString(5000, 'z')))
            QVERIFY(l.size() <= kDownloadLineLimit);
    }

    // --- dump into the grid --------------------------------------------
    void dumpLayouts_data()
    {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("decodedRows"); // rows with readings, the hidden one included
        const QString r = recordOf(7);
        QTest::newRow("n = 1: the end marker alone") << QStringLiteral("A") << 1 << 0;
        QTest::newRow("n = 2") << dump({header()}).replace("\r\nA", "A") << 1 << 0;
        QTest::newRow("n = 3") << dump({header(), r}) << 1 << 1;
        QTest::newRow("n = 4: one data row") << dump({header(), r, r}) << 2 << 2;
        QStringList many{header()};
        for (int i = 0; i < 300; ++i)
            many << r;
        QTest::newRow("n = 302") << dump(many) << 300 << 300;
    }
    void dumpLayouts()
    {
        QFETCH(QString, buffer);
        QFETCH(int, rowCount);
        QFETCH(int, decodedRows);
        open(buffer);
        QCOMPARE(Form5->StringGrid1->rowCountShown(), rowCount);
        QCOMPARE(Form5->StringGrid1->model()->rowCount(), rowCount - 1);
        for (int row = 1; row <= decodedRows; ++row)
            QCOMPARE(cell(3, row), QStringLiteral("7"));
        QCOMPARE(cell(3, decodedRows + 1), QString());
        if (buffer == QLatin1String("A")) {
            QCOMPARE(app.errors, QStringList{QStringLiteral("'' is not a valid integer value")});
            return;
        }
        QVERIFY(app.errors.isEmpty());
        QCOMPARE(cell(0, 0), QString());
        QCOMPARE(cell(1, 0), QStringLiteral("FECHA:"));
        QCOMPARE(cell(2, 0), QStringLiteral("HORA:"));
        QCOMPARE(cell(3, 0), QStringLiteral("CH1"));
        QCOMPARE(cell(18, 0), QStringLiteral("CH16"));
        // Numbered and stamped: the shown rows only.
        for (int row = 1; row < rowCount; ++row)
            QCOMPARE(cell(0, row), QString::number(row));
        QCOMPARE(cell(0, rowCount), QString());
        QCOMPARE(cell(1, rowCount), QString());
        QCOMPARE(Form5->Edit1->text(), QStringLiteral("31/12/2004"));
        QCOMPARE(Form5->Edit2->text(), QStringLiteral("23:55:07"));
        QCOMPARE(Form5->Edit8->text(), QStringLiteral("CADA 5 MINUTOS"));
    }

    void channelGroups_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("text");
        QTest::newRow("000000") << "000000" << "0";
        QTest::newRow("000012") << "000012" << "12";
        QTest::newRow("001000") << "001000" << "256";
        QTest::newRow("015255") << "015255" << "4095";
        QTest::newRow("beyond 12 bits") << "255255" << "6,554E4";
    }
    void channelGroups()
    {
        QFETCH(QString, group);
        QFETCH(QString, text);
        QStringList groups(16, QStringLiteral("000001"));
        groups[4] = group;
        open(dump({header(), record(groups) + "Z", record(groups)}));
        QCOMPARE(cell(7, 1), text);
        QCOMPARE(cell(8, 1), QStringLiteral("1"));
        QVERIFY(app.errors.isEmpty());
    }

    void letterInRecordStopsAtThatRow()
    {
        QStringList groups(16, QStringLiteral("000005"));
        QStringList bad = groups;
        bad[1] = QStringLiteral("0Q0005");
        open(dump({header(), record(groups), record(groups), record(bad), record(groups), record(groups)}));
        QCOMPARE(app.errors, QStringList{QStringLiteral("'Q' is not a valid integer value")});
        for (int c = 3; c <= 18; ++c) {
            QCOMPARE(cell(c, 1), QStringLiteral("5"));
            QCOMPARE(cell(c, 2), QStringLiteral("5"));
            QCOMPARE(cell(c, 3), QString());
            QCOMPARE(cell(c, 4), QString());
        }
        // Headings, numbers and time stamps of every row were written before.
        QCOMPARE(cell(18, 0), QStringLiteral("CH16"));
        QCOMPARE(cell(0, 4), QStringLiteral("4"));
        QCOMPARE(cell(1, 4), QStringLiteral("01/01/2005"));
        QCOMPARE(cell(2, 4), QStringLiteral("00:15:07"));
    }

    void letterInHeaderStopsBeforeAnything()
    {
        open(dump({header(QStringLiteral(" 05/03/05 00:15:10  4")), recordOf(3), recordOf(3), recordOf(3)}));
        QVERIFY(app.errors.isEmpty());
        // Reopened with a broken header: the earlier start values stay, the
        // grid is emptied up to column 11 and nothing new is written.
        open(dump({header(QStringLiteral(" 05/03/05 00:1X:10  4")), recordOf(9), recordOf(9), recordOf(9)}));
        QCOMPARE(app.errors, QStringList{QStringLiteral("'X' is not a valid integer value")});
        QCOMPARE(Form5->Edit1->text(), QStringLiteral("05/03/2005"));
        QCOMPARE(Form5->Edit2->text(), QStringLiteral("10:15:00"));
        QCOMPARE(Form5->Label5, QStringLiteral("15"));
        QCOMPARE(cell(1, 0), QString());
        QCOMPARE(cell(0, 1), QString());
        QCOMPARE(cell(3, 1), QString());
        QCOMPARE(cell(12, 1), QStringLiteral("3")); // columns 12 on are not emptied
        QCOMPARE(Form5->StringGrid1->rowCountShown(), 3);
    }

    void unreadHeaderPositionsMayHoldAnything()
    {
        open(dump({QStringLiteral("Z04Z12Z31Z07Z55Z23ZZ2trailing"), recordOf(1), recordOf(1)}));
        QVERIFY(app.errors.isEmpty());
        QCOMPARE(Form5->Edit1->text(), QStringLiteral("31/12/2004"));
        QCOMPARE(cell(1, 1), QStringLiteral("01/01/2005"));
    }

    void rateOutsideOneToSixLeavesStampsEmpty()
    {
        open(dump({header(QStringLiteral(" 05/03/05 00:15:10  0")), recordOf(1), recordOf(1)}));
        QCOMPARE(Form5->Edit1->text(), QStringLiteral("05/03/2005"));
        QCOMPARE(Form5->Edit8->text(), QString());
        QCOMPARE(cell(1, 1), QString());
        QCOMPARE(cell(2, 1), QString());
        // A later opening with code 9 keeps the rate text of the one before.
        open(dump({header(QStringLiteral(" 05/03/05 00:15:10  6")), recordOf(1), recordOf(1)}));
        open(dump({header(QStringLiteral(" 05/03/05 00:15:10  9")), recordOf(1), recordOf(1)}));
        QCOMPARE(Form5->Edit8->text(), QStringLiteral("CADA 60 MINUTOS"));
        QCOMPARE(cell(2, 1), QStringLiteral("11:15:00"));
    }

    void reopeningRebuildsTheSameGrid()
    {
        const QString d = dump({header(), recordOf(10), recordOf(20), recordOf(30)});
        open(d);
        QStringList first;
        for (int c = 0; c < 19; ++c)
            for (int r = 0; r < 5; ++r)
                first << cell(c, r);
        open(d);
        QStringList second;
        for (int c = 0; c < 19; ++c)
            for (int r = 0; r < 5; ++r)
                second << cell(c, r);
        QCOMPARE(second, first);
    }

    // --- time stamps -----------------------------------------------------
    void timeStamps_data()
    {
        QTest::addColumn<QList<int>>("start"); // year, month, day, hour, minute, second
        QTest::addColumn<int>("interval");
        QTest::addColumn<QStringList>("rows"); // "date time" of rows 1..
        QTest::newRow("year carry at 5 minutes") << QList<int>{4, 12, 31, 23, 55, 7} << 5
                                                 << QStringList{"01/01/2005 00:00:07", "01/01/2005 00:05:07"};
        QTest::newRow("leap day at 30 minutes")
            << QList<int>{4, 2, 28, 23, 30, 0} << 30 << QStringList{"29/02/2004 00:00:00", "29/02/2004 00:30:00"};
        QTest::newRow("no leap day in 2003")
            << QList<int>{3, 2, 28, 23, 30, 0} << 30 << QStringList{"01/03/2003 00:00:00"};
        QTest::newRow("30-day month") << QList<int>{5, 4, 30, 23, 0, 0} << 60 << QStringList{"01/05/2005 00:00:00"};
        QTest::newRow("10:58:30 at 5 minutes") << QList<int>{5, 3, 5, 10, 58, 30} << 5
                                               << QStringList{"05/03/2005 11:03:30", "05/03/2005 11:08:30",
                                                              "05/03/2005 11:13:30"};
        QTest::newRow("hourly from minute 0") << QList<int>{10, 3, 5, 22, 0, 0} << 60
                                              << QStringList{"05/03/2010 23:00:00", "06/03/2010 00:00:00",
                                                             "06/03/2010 01:00:00"};
        QTest::newRow("1 minute never folds past 60")
            << QList<int>{5, 3, 5, 10, 59, 0} << 1 << QStringList{"05/03/2005 11:00:00", "05/03/2005 11:01:00"};
        QTest::newRow("15 minutes from an odd minute")
            << QList<int>{5, 3, 5, 10, 52, 0} << 15 << QStringList{"05/03/2005 11:07:00", "05/03/2005 11:22:00"};
        QTest::newRow("10 minutes across midnight")
            << QList<int>{9, 12, 31, 23, 55, 1} << 10 << QStringList{"01/01/2010 00:05:01"};
    }
    void timeStamps()
    {
        QFETCH(QList<int>, start);
        QFETCH(int, interval);
        QFETCH(QStringList, rows);
        StartValues s;
        s.year = start[0];
        s.month = start[1];
        s.day = start[2];
        s.hour = start[3];
        s.minute = start[4];
        s.second = start[5];
        MonthLookup lookup;
        const QList<Stamp> stamps = generateStamps(s, interval, int(rows.size()), lookup);
        QStringList got;
        for (const Stamp &st : stamps)
            got << st.date + QLatin1Char(' ') + st.time;
        QCOMPARE(got, rows);
    }

    void rateCodesAndTexts()
    {
        const char *texts[] = {"", "CADA 1 MINUTO", "CADA 5 MINUTOS", "CADA 10 MINUTOS", "CADA 15 MINUTOS",
                               "CADA 30 MINUTOS", "CADA 60 MINUTOS", "", "", ""};
        const int minutes[] = {0, 1, 5, 10, 15, 30, 60, 0, 0, 0};
        for (int code = 0; code <= 9; ++code) {
            QCOMPARE(rateText(code), QString::fromLatin1(texts[code]));
            QCOMPARE(intervalOfRateText(rateText(code)), minutes[code]);
        }
        QCOMPARE(intervalOfRateText(QStringLiteral("cada 5 minutos")), 0);
    }

    void yearAndDayTexts()
    {
        QCOMPARE(dateText(5, 3, 5), QStringLiteral("05/03/2005"));
        QCOMPARE(dateText(15, 11, 10), QStringLiteral("15/11/2010"));
        QCOMPARE(fourDigitYearText(100), QStringLiteral("20100"));
        QCOMPARE(timeText(100, 5, 0), QStringLiteral("100:05:00"));
    }

    void monthOutsideRangeKeepsDaysOfMonth()
    {
        MonthLookup m;
        m.MES = 4;
        m.VERIFICAR();
        QCOMPARE(m.DIASMES, 30);
        m.MES = 13;
        m.VERIFICAR();
        QCOMPARE(m.DIASMES, 30);
        m.MES = 2;
        m.ANIO = 0;
        m.VERIFICAR();
        QCOMPARE(m.DIASMES, 29);
    }

    void fewLinesStampNothingButFillTheBoxes()
    {
        open(dump({header()}));
        QCOMPARE(Form5->Edit1->text(), QStringLiteral("31/12/2004"));
        QCOMPARE(Form5->Edit8->text(), QStringLiteral("CADA 5 MINUTOS"));
        QCOMPARE(cell(1, 1), QString());
    }

    // --- export ------------------------------------------------------------
    void exportHeading()
    {
        const QByteArray h = ::exportHeading();
        QCOMPARE(h.size(), 119);
        QVERIFY(h.startsWith("FECHA        HORA     CH1   CH2   "));
        QVERIFY(h.contains("CH9   CH10   CH11  CH12  "));
        QVERIFY(h.endsWith("CH16  "));
    }

    void exportBytes_data()
    {
        QTest::addColumn<QString>("buffer");
        QTest::addColumn<bool>("moveColumns");
        QTest::addColumn<QByteArray>("dataLines");
        QStringList groups(16, QStringLiteral("000000"));
        groups[0] = QStringLiteral("000012");
        groups[1] = QStringLiteral("001000");
        const QString r = record(groups);
        const QByteArray zeros = QByteArray("0  ").repeated(14);
        QTest::newRow("n <= 3: heading only") << dump({header(), r}) << false << QByteArray();
        QTest::newRow("one row") << dump({header(QStringLiteral(" 05/03/05 00:00:10  4")), r, r}) << false
                                 << "05/03/2005  10:15:00  12  256  " + zeros + "\r\n";
        QTest::newRow("no dates: four blanks first")
            << dump({header(QStringLiteral(" 05/03/05 00:00:10  0")), r, r}) << false
            << "    12  256  " + zeros + "\r\n";
        QTest::newRow("moved columns follow the new order")
            << dump({header(QStringLiteral(" 05/03/05 00:00:10  4")), r, r}) << true
            << "10:15:00  05/03/2005  12  256  " + zeros + "\r\n";
    }
    void exportBytes()
    {
        QFETCH(QString, buffer);
        QFETCH(bool, moveColumns);
        QFETCH(QByteArray, dataLines);
        open(buffer);
        if (moveColumns) {
            Form5->StringGrid1->moveColumn(2, 1); // drag "HORA:" before "FECHA:"
            QCOMPARE(Form5->StringGrid1->cell(1, 0), QStringLiteral("HORA:"));
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("datos.txt"));
        Form5->askSaveFileName = [path] { return path; };
        runGuarded([] { Form5->SpeedButton1Click(nullptr); });
        QVERIFY(app.errors.isEmpty());
        QCOMPARE(readFile(path), ::exportHeading() + "\r\n\r\n" + dataLines);
    }

    void overwriteAnsweredNoKeepsFile()
    {
        open(dump({header(), recordOf(1), recordOf(1)}));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("datos.txt"));
        QVERIFY(writeFile(path, "first"));
        QStringList asked;
        Form5->askSaveFileName = [path] { return path; };
        Form5->confirmOverwrite = [&asked](const QString &p) {
            asked << p;
            return false;
        };
        runGuarded([] { Form5->SpeedButton1Click(nullptr); });
        QCOMPARE(asked, QStringList{path});
        QCOMPARE(readFile(path), QByteArray("first"));
        Form5->confirmOverwrite = [](const QString &) { return true; };
        runGuarded([] { Form5->SpeedButton1Click(nullptr); });
        QVERIFY(readFile(path).startsWith("FECHA"));
        QVERIFY(app.errors.isEmpty());
        QCOMPARE(Form5->lastSaveName, path);
    }

    void realDialogAddsTxtAndAsksBeforeOverwriting()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        open(dump({header(), recordOf(1), recordOf(1)}));
        // Answers each modal window in turn: the save dialog, then the question.
        QStringList seen;
        QString answerQuestion = QStringLiteral("none");
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (auto *d = qobject_cast<QFileDialog *>(w)) {
                seen << QStringLiteral("dialog in ") + d->directory().absolutePath();
                if (auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                    name->setText(QStringLiteral("datos"));
                QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
            } else if (auto *m = qobject_cast<QMessageBox *>(w)) {
                seen << m->windowTitle() + QLatin1Char('|') + m->text();
                m->button(answerQuestion == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        poll.start();
        runGuarded([] { Form5->SpeedButton1Click(nullptr); });
        const QString path = home.filePath(QStringLiteral("datos.txt"));
        QVERIFY(readFile(path).startsWith("FECHA"));
        QCOMPARE(seen, QStringList{QStringLiteral("dialog in ") + QDir(home.path()).absolutePath()});

        // The same name again: the question comes, and No keeps the file.
        QVERIFY(writeFile(path, "first"));
        seen.clear();
        runGuarded([] { Form5->SpeedButton1Click(nullptr); });
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(1), QStringLiteral("Confirm|El archivo existe, sobreescribo?"));
        QCOMPARE(readFile(path), QByteArray("first"));
        poll.stop();
        qputenv("HOME", oldHome);
        QVERIFY(app.errors.isEmpty());
    }

    void targetInMissingFolderShowsError()
    {
        open(dump({header(), recordOf(1), recordOf(1)}));
        Form5->askSaveFileName = [] { return QStringLiteral("/nonexistent-folder/datos.txt"); };
        runGuarded([] { Form5->SpeedButton1Click(nullptr); });
        QCOMPARE(app.errors, QStringList{QStringLiteral("Invalid filename")});
    }

    void fullDiskLeavesOldFileIntact()
    {
        QStringList many{header()};
        for (int i = 0; i < 400; ++i)
            many << recordOf(i);
        open(dump(many));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("datos.txt"));
        QVERIFY(writeFile(path, "old contents"));
        Form5->askSaveFileName = [path] { return path; };
        Form5->confirmOverwrite = [](const QString &) { return true; };
        // A file size limit makes every write past 4 KiB fail, as a full disk would.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096;
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        runGuarded([] { Form5->SpeedButton1Click(nullptr); });
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(app.errors.size(), 1);
        QCOMPARE(readFile(path), QByteArray("old contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("datos.txt")});
    }
};

QTEST_MAIN(TestDataWindow)
#include "tst_datawindow.moc"
