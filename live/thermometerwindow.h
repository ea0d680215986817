#pragma once
// The thermometer window: the sixteen live channel values as bar thermometers
// beside the main window.

#include <QWidget>

class BarThermometer;
class GradientBackground;
class QLabel;

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    void FormActivate(QObject *Sender);
    void FormClose(QObject *Sender);

    // The thermometer captioned "Canal k".
    BarThermometer *thermometerOfChannel(int channel) const;

    GradientBackground *AbGradient1;
    QLabel *Label1;
    BarThermometer *AbThermometer[17] = {}; // 1..16 by component number

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
};
