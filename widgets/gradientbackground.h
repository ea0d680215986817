#pragma once
// Gradient filling its parent's client area, behind every other control.

#include <QColor>
#include <QWidget>

class GradientBackground : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor edgeColor READ edgeColor WRITE setEdgeColor)
    Q_PROPERTY(QColor centreColor READ centreColor WRITE setCentreColor)
public:
    // Horizontal bands: centreColor along the middle line, edgeColor at top and bottom.
    GradientBackground(const QColor &edge, const QColor &centre, QWidget *parent);
    QColor edgeColor() const { return m_edge; }
    void setEdgeColor(const QColor &c);
    QColor centreColor() const { return m_centre; }
    void setCentreColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QColor m_edge, m_centre;
};
