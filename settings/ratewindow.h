#pragma once
// The rate window: choosing an item sends the rate command at once.

#include <QDialog>

class QLabel;
class QPushButton;
class RadioGroup;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    void FormActivate(QObject *Sender);
    void RadioGroup1Click(QObject *Sender);
    void BitBtn1Click(QObject *Sender);

    QLabel *Label1;
    RadioGroup *RadioGroup1;
    QPushButton *BitBtn1;

protected:
    void showEvent(QShowEvent *e) override;
};
