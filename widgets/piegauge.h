#pragma once
// Pie gauge: a filled sector for progress between minimum and maximum.

#include <QColor>
#include <QWidget>

class PieGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int progress READ progress WRITE setProgress)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
public:
    explicit PieGauge(QWidget *parent = nullptr);
    int progress() const { return m_progress; }
    void setProgress(int p);
    int maxValue() const { return m_max; }
    void setMaxValue(int m);
    // Advances by one step, wrapping to 0 when the maximum is reached.
    void step();

protected:
    void paintEvent(QPaintEvent *) override;

private:
    int m_progress = 0;
    int m_max = 50;
};
