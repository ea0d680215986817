#pragma once
// Date or time of the PC clock, following it on its own.

#include <QTimer>
#include <QWidget>


class ClockDisplay : public QWidget {
    Q_OBJECT
public:
    enum Mode { Date, Time };
    ClockDisplay(Mode mode, QWidget *parent = nullptr);
    QString text() const;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    Mode m_mode;
    QTimer m_timer;
};
