#pragma once
// Digital value readout: caption above a black value box, unit beside it.

#include <QColor>
#include <QFont>
#include <QWidget>

class ValueIndicator : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(QString unit READ unit WRITE setUnit)
    Q_PROPERTY(QString pattern READ pattern WRITE setPattern)
    Q_PROPERTY(QFont valueFont READ valueFont WRITE setValueFont)
    Q_PROPERTY(QColor valueColor READ valueColor WRITE setValueColor)
    Q_PROPERTY(double scaleMin READ scaleMin WRITE setScaleMin)
    Q_PROPERTY(double scaleMax READ scaleMax WRITE setScaleMax)
public:
    explicit ValueIndicator(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &c);
    double value() const { return m_value; }
    QString unit() const { return m_unit; }
    void setUnit(const QString &u);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &p);
    QFont valueFont() const { return m_valueFont; }
    void setValueFont(const QFont &f);
    QColor valueColor() const { return m_valueColor; }
    void setValueColor(const QColor &c);
    // The scale neither limits nor scales the number shown.
    double scaleMin() const { return m_min; }
    void setScaleMin(double v) { m_min = v; }
    double scaleMax() const { return m_max; }
    void setScaleMax(double v) { m_max = v; }

    QString valueText() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

public slots:
    void setValue(double v);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QString m_caption;
    double m_value = 50;
    QString m_unit = QStringLiteral("mV");
    QString m_pattern = QStringLiteral("##00");
    QFont m_valueFont;
    QColor m_valueColor = QColor(0, 255, 0);
    double m_min = 0, m_max = 100;
};
