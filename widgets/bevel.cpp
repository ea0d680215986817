#include "widgets/bevel.h"

#include <QLinearGradient>
#include <QPainter>

QRect drawBevel(QPainter &p, const QRect &rect, int width, bool raised)
{
    const QColor light = raised ? QColor(255, 255, 255) : QColor(64, 64, 64);
    const QColor dark = raised ? QColor(64, 64, 64) : QColor(255, 255, 255);
    QRect r = rect;
    for (int i = 0; i < width; ++i) {
        p.setPen(light);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(dark);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

void fillVertical(QPainter &p, const QRect &rect, const QColor &from, const QColor &to)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(rect, g);
}
