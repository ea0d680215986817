#pragma once
// The clock window: "PONER EN HORA" marks a clock transfer as pending.

#include <QWidget>

class QLabel;
class QPushButton;

class TForm8 : public QWidget {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    void BitBtn1Click(QObject *Sender);
    void BitBtn2Click(QObject *Sender);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    bool event(QEvent *e) override;
};
