#include "widgets/rockerswitch.h"

#include "widgets/bevel.h"
#include "widgets/instrumentmath.h"

#include <QMouseEvent>
#include <QPainter>

RockerSwitch::RockerSwitch(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
}

void RockerSwitch::mouseReleaseEvent(QMouseEvent *e)
{
    QAbstractButton::mouseReleaseEvent(e);
    emit mouseUp();
}

void RockerSwitch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const QRect captionRect(0, height() - fm.height() - 2, width(), fm.height() + 2);
    const QRect body(width() / 2 - 22, 4, 44, captionRect.top() - 8);

    // Housing, then the rocker tilted towards the side that is pressed in.
    p.fillRect(body, QColor(60, 60, 60));
    const QRect inner = drawBevel(p, body, 2, false);
    const bool on = isOn();
    const int half = inner.height() / 2;
    const QRect upper(inner.left(), inner.top(), inner.width(), half);
    const QRect lower(inner.left(), inner.top() + half, inner.width(), inner.height() - half);
    fillVertical(p, upper, on ? QColor(120, 120, 120) : QColor(230, 230, 230), on ? QColor(90, 90, 90) : QColor(170, 170, 170));
    fillVertical(p, lower, on ? QColor(170, 170, 170) : QColor(90, 90, 90), on ? QColor(230, 230, 230) : QColor(120, 120, 120));
    drawBevel(p, on ? lower : upper, 1, true);

    // Lamp in the upper half.
    const QRectF lamp(inner.center().x() - 6, upper.top() + 6, 12, 12);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(on ? palette::lime() : palette::green());
    p.drawEllipse(lamp);

    p.setFont(font());
    p.setPen(palette::teal());
    p.drawText(captionRect, Qt::AlignCenter, text());
}
