#pragma once
// The about window: picture, product description, version, maker.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    void OKButtonClick(QObject *Sender);

    // The 32 x 32, 16-colour picture: a flaming torch before a domed building.
    static QImage programIcon();

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Label4;
    QLabel *Version;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Comments;
    QLabel *Copyright;
    QLabel *Label3;
    QPushButton *OKButton;
};
