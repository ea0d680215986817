#include "widgets/piegauge.h"

#include "widgets/instrumentmath.h"

#include <QPainter>

PieGauge::PieGauge(QWidget *parent)
    : QWidget(parent)
{
}

void PieGauge::setProgress(int p)
{
    if (p == m_progress)
        return;
    m_progress = p;
    update();
}

void PieGauge::setMaxValue(int m)
{
    if (m == m_max)
        return;
    m_max = m;
    update();
}

void PieGauge::step()
{
    const int next = m_progress + 1;
    setProgress(next >= m_max ? 0 : next);
}

void PieGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(r);
    const double f = instrument::scaleFraction(m_progress, 0, m_max);
    if (f > 0) {
        p.setBrush(palette::orange());
        p.drawPie(r, 90 * 16, -int(f * 360 * 16));
    }
}
