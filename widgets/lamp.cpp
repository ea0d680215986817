#include "widgets/lamp.h"

#include "widgets/instrumentmath.h"

#include <QPainter>

Lamp::Lamp(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Lamp::setLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    if (isVisible())
        repaint();
}

void Lamp::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, (height() - 20) / 2.0 + 0.5, 13, 20);
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(m_lit ? palette::lime() : palette::buttonFace());
    p.drawRoundedRect(body, 3, 3);
    if (m_lit) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 255, 220));
        p.drawEllipse(QRectF(body.left() + 3, body.top() + 3, 4, 6));
    }
}
