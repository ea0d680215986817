#include "widgets/valueindicator.h"

#include "app/formats.h"
#include "widgets/bevel.h"
#include "widgets/fonts.h"
#include "widgets/instrumentmath.h"

#include <QPainter>

ValueIndicator::ValueIndicator(QWidget *parent)
    : QWidget(parent)
    , m_valueFont(systemFont(13, false))
{
    setFont(arialFont(11, true));
}

void ValueIndicator::setCaption(const QString &c)
{
    if (c == m_caption)
        return;
    m_caption = c;
    update();
}

void ValueIndicator::setValue(double v)
{
    if (v == m_value)
        return;
    m_value = v;
    update();
}

void ValueIndicator::setUnit(const QString &u)
{
    if (u == m_unit)
        return;
    m_unit = u;
    update();
}

void ValueIndicator::setPattern(const QString &p)
{
    if (p == m_pattern)
        return;
    m_pattern = p;
    update();
}

void ValueIndicator::setValueFont(const QFont &f)
{
    if (f == m_valueFont)
        return;
    m_valueFont = f;
    update();
}

void ValueIndicator::setValueColor(const QColor &c)
{
    if (c == m_valueColor)
        return;
    m_valueColor = c;
    update();
}

QString ValueIndicator::valueText() const
{
    return formatPicture(m_value, m_pattern);
}

QSize ValueIndicator::sizeHint() const
{
    const QFontMetrics cap(font()), val(m_valueFont);
    const int w = qMax(cap.horizontalAdvance(m_caption), val.horizontalAdvance(QStringLiteral("8888"))
                                                             + cap.horizontalAdvance(m_unit) + 8)
                  + 10;
    return {w, cap.height() + val.height() + 8};
}

void ValueIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 128, 128));
    QRect r = drawBevel(p, rect(), 1, true);
    r = drawBevel(p, r.adjusted(1, 1, -1, -1), 1, false);

    const QFontMetrics cap(font());
    p.setFont(font());
    p.setPen(Qt::white);
    const QRect captionRect(r.left(), r.top(), r.width(), cap.height());
    p.drawText(captionRect, Qt::AlignCenter, m_caption);

    const int unitWidth = cap.horizontalAdvance(m_unit) + 3;
    const QRect box(r.left() + 2, captionRect.bottom() + 1, r.width() - unitWidth - 4,
                    r.bottom() - captionRect.bottom() - 2);
    p.fillRect(box, Qt::black);
    p.setFont(m_valueFont);
    p.setPen(m_valueColor);
    p.drawText(box.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, valueText());
    p.setFont(font());
    p.setPen(Qt::black);
    p.drawText(QRect(box.right() + 2, box.top(), unitWidth, box.height()), Qt::AlignLeft | Qt::AlignVCenter, m_unit);
}
