// Help and about windows.

#include "appfixture.h"
#include "info/aboutwindow.h"
#include "info/helpwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestInfoWindows : public QObject {
    Q_OBJECT
    AppFixture app;

private slots:
    void init() { app.setUp(); }
    void cleanup() { app.tearDown(); }

    void helpTextStandsAsWritten()
    {
        const QStringList lines = TForm3::helpText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 25);
        QCOMPARE(lines.at(0), QString(19, QLatin1Char(' ')) + QStringLiteral("QUIRANTE -  DATALOGGER DE 16 CANALES DE 12 BITS"));
        QVERIFY(lines.at(2).endsWith(QLatin1String("de  ")));
        QCOMPARE(lines.at(3), QStringLiteral("12 "));
        QCOMPARE(lines.at(4), QStringLiteral("bits de www.example.com."));
        QCOMPARE(lines.at(12), QStringLiteral("*Haga click en conectar. Aguarde 2 segundos y verá los canales del logger \"ON"));
        QCOMPARE(lines.at(13), QStringLiteral("LINE\"."));
        QCOMPARE(lines.at(21), QStringLiteral("-40 y + 125 \u00baC."));
        QCOMPARE(lines.at(24), QStringLiteral("Ingresando a \"Cambio de tasa\" podrá cambiar la misma."));
        for (int blank : {1, 6, 14, 22})
            QCOMPARE(lines.at(blank), QString());
        QCOMPARE(Form3->Memo1->toPlainText(), TForm3::helpText());
    }

    void helpEditsLastUntilExit()
    {
        QTimer::singleShot(0, this, [] {
            Form3->Memo1->appendPlainText(QStringLiteral("nota"));
            Form3->close();
        });
        Form1->AbColBitBtn6Click(nullptr);
        QTimer::singleShot(0, Form3, &QDialog::close);
        Form1->AbColBitBtn6Click(nullptr);
        QVERIFY(Form3->Memo1->toPlainText().endsWith(QLatin1String("\nnota")));
    }

    void enterClosesTheAboutWindow()
    {
        QVERIFY(Form2->OKButton->isDefault());
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            shown = Form2->isVisible();
            QTest::keyClick(Form2, Qt::Key_Return);
        });
        Form1->AbColBitBtn5Click(nullptr);
        QVERIFY(shown);
        QVERIFY(!Form2->isVisible());
        QCOMPARE(Form2->windowTitle(), QStringLiteral("ACERCA DE NORVALIX"));
        QCOMPARE(TForm2::programIcon().size(), QSize(32, 32));
        QVERIFY(TForm2::programIcon().colorCount() <= 16);
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
