#pragma once
// The help window: a short guide to the program in an editable text box.

#include <QDialog>

class GradientBackground;
class QPlainTextEdit;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    // The guide as the program starts with it, 25 lines.
    static QString helpText();

    GradientBackground *AbGradient1;
    QPlainTextEdit *Memo1;
};
