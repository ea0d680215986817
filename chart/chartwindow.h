#pragma once
// The chart window: the downloaded channels plotted.

#include <QDialog>

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);
};
