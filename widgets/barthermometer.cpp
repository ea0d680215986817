#include "widgets/barthermometer.h"

#include "app/formats.h"
#include "widgets/bevel.h"
#include "widgets/fonts.h"
#include "widgets/instrumentmath.h"

#include <QPainter>

#include <algorithm>

BarThermometer::BarThermometer(QWidget *parent)
    : QWidget(parent)
{
    setFont(arialFont(11, true));
}

#define SETTER(name, member, type)                                                                                 \
    void BarThermometer::name(type v)                                                                              \
    {                                                                                                              \
        if (v == member)                                                                                           \
            return;                                                                                                \
        member = v;                                                                                                \
        update();                                                                                                  \
    }
SETTER(setValue, m_value, double)
SETTER(setCaption, m_caption, const QString &)
SETTER(setBarColor, m_barColor, const QColor &)
SETTER(setScaleMin, m_min, double)
SETTER(setScaleMax, m_max, double)
SETTER(setSteps, m_steps, int)
SETTER(setSubSteps, m_subSteps, int)
SETTER(setUnit, m_unit, const QString &)
SETTER(setPattern, m_pattern, const QString &)
#undef SETTER

QString BarThermometer::valueText() const
{
    return formatPicture(m_value, m_pattern);
}

QSize BarThermometer::sizeHint() const
{
    const QFontMetrics caption(font());
    const QFontMetrics labels(arialFont(11));
    const QFontMetrics value(systemFont(11, false));
    const int scaleWidth = 30 + labels.horizontalAdvance(formatPicture(m_min, u"##0"));
    const int w = std::max({caption.horizontalAdvance(m_caption), scaleWidth,
                        value.horizontalAdvance(valueText() + QLatin1Char(' ') + m_unit)})
                  + 8;
    // The bar is at least 100 pixels high.
    return {w, caption.height() + value.height() + 100 + 14};
}

void BarThermometer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette::buttonFace());
    QRect r = drawBevel(p, rect(), 1, true);
    r = drawBevel(p, r.adjusted(1, 1, -1, -1), 1, false);

    const QFontMetrics capMetrics(font());
    const QFont valueFont = systemFont(11, false);
    const QFontMetrics valMetrics(valueFont);
    const QRect captionRect(r.left(), r.top(), r.width(), capMetrics.height());
    const QRect valueRect(r.left(), r.bottom() - valMetrics.height(), r.width(), valMetrics.height());

    p.setFont(font());
    p.setPen(Qt::black);
    p.drawText(captionRect, Qt::AlignCenter, m_caption);
    p.setFont(valueFont);
    p.setPen(Qt::blue);
    p.drawText(valueRect, Qt::AlignCenter, valueText() + QLatin1Char(' ') + m_unit);

    // Tube in a lowered bevel, scale labels to its right.
    const int tubeTop = captionRect.bottom() + 5;
    const int tubeBottom = valueRect.top() - 5;
    const QRect tube(r.left() + 10, tubeTop, 12, tubeBottom - tubeTop);
    const QRect inside = drawBevel(p, tube, 1, false);
    p.fillRect(inside, palette::buttonFace());
    const int h = instrument::barHeight(m_value, m_min, m_max, inside.height());
    if (h > 0)
        p.fillRect(QRect(inside.left(), inside.bottom() - h + 1, inside.width(), h), m_barColor);

    p.setFont(arialFont(11));
    p.setPen(palette().color(QPalette::WindowText));
    const int ticks = m_steps * qMax(1, m_subSteps);
    for (int t = 0; t <= ticks; ++t) {
        const double v = instrument::tickValue(t, ticks, m_min, m_max);
        const int y = inside.bottom() - instrument::barHeight(v, m_min, m_max, inside.height() - 1);
        const bool major = m_subSteps <= 1 || t % m_subSteps == 0;
        p.drawLine(tube.right() + 2, y, tube.right() + (major ? 6 : 4), y);
        if (major)
            p.drawText(QRect(tube.right() + 8, y - 7, r.right() - tube.right() - 8, 14), Qt::AlignLeft | Qt::AlignVCenter,
                       formatPicture(v, u"##0"));
    }
}
