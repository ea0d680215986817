#pragma once
// The data window: the downloaded samples in a grid.

#include <QDialog>

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};
