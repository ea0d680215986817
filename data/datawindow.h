#pragma once
// The data window: rebuilds its grid from the download buffer each time it
// opens, stamps every row with its date and time, and saves the grid as text.

#include "data/timestamps.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class GradientBackground;
class QLabel;
class QLineEdit;
class QToolButton;
class StringGrid;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    void FormActivate(QObject *Sender);
    void DOSCANALESLM35();
    void OBTIENEFECHAYHORA();
    void MUESTRADATA();
    void SpeedButton1Click(QObject *Sender); // "GUARDAR"
    void SpeedButton2Click(QObject *Sender); // "GRAFICAR"

    // The save dialog and the overwrite question; tests replace them.
    std::function<QString()> askSaveFileName;
    std::function<bool(const QString &path)> confirmOverwrite;
    QString lastSaveName; // the dialog starts from the name chosen last time

    GradientBackground *AbGradient1;
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label9;
    QLabel *Label10;
    QLineEdit *Edit1; // start date
    QLineEdit *Edit2; // start time
    QLineEdit *Edit8; // rate text
    QToolButton *SpeedButton2;
    QToolButton *SpeedButton1;
    StringGrid *StringGrid1;

    // Hidden fields: start values (year, month, day, hour, minute, second) and
    // one row's date and time on their way into the grid.
    QString Label1, Label2, Label3, Label4, Label5, Label6;
    QString Edit6, Edit7;
    MonthLookup calendar; // MES, ANIO, DIASMES

protected:
    void showEvent(QShowEvent *e) override;

private:
    QString runSaveDialog();
    bool askOverwrite(const QString &path);

    QStringList m_lines; // the download buffer's lines for this opening
};
