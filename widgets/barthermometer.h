#pragma once
// Vertical bar thermometer: caption, coloured bar against a scale, value text.

#include <QColor>
#include <QWidget>

class BarThermometer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor barColor READ barColor WRITE setBarColor)
    Q_PROPERTY(double scaleMin READ scaleMin WRITE setScaleMin)
    Q_PROPERTY(double scaleMax READ scaleMax WRITE setScaleMax)
    Q_PROPERTY(int steps READ steps WRITE setSteps)
    Q_PROPERTY(int subSteps READ subSteps WRITE setSubSteps)
    Q_PROPERTY(QString unit READ unit WRITE setUnit)
    Q_PROPERTY(QString pattern READ pattern WRITE setPattern)
public:
    explicit BarThermometer(QWidget *parent = nullptr);

    double value() const { return m_value; }
    QString caption() const { return m_caption; }
    void setCaption(const QString &c);
    QColor barColor() const { return m_barColor; }
    void setBarColor(const QColor &c);
    double scaleMin() const { return m_min; }
    void setScaleMin(double v);
    double scaleMax() const { return m_max; }
    void setScaleMax(double v);
    int steps() const { return m_steps; }
    void setSteps(int s);
    int subSteps() const { return m_subSteps; }
    void setSubSteps(int s);
    QString unit() const { return m_unit; }
    void setUnit(const QString &u);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &p);

    QString valueText() const;
    QSize sizeHint() const override;

public slots:
    void setValue(double v);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    double m_value = 25;
    QString m_caption;
    QColor m_barColor = Qt::blue;
    double m_min = -10, m_max = 45;
    int m_steps = 3, m_subSteps = 3;
    QString m_unit = QStringLiteral("°C");
    QString m_pattern = QStringLiteral("##0.0");
};
