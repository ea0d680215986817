#include "widgets/dialmeter.h"

#include "app/formats.h"
#include "widgets/bevel.h"
#include "widgets/fonts.h"
#include "widgets/instrumentmath.h"

#include <QPainter>
#include <QtMath>

DialMeter::DialMeter(QWidget *parent)
    : QWidget(parent)
{
    setFont(arialFont(13, true));
}

void DialMeter::setValue(double v)
{
    if (v == m_value)
        return;
    m_value = v;
    update();
}

void DialMeter::setCaption(const QString &c)
{
    if (c == m_caption)
        return;
    m_caption = c;
    update();
}

void DialMeter::setScaleMin(double v)
{
    if (v == m_min)
        return;
    m_min = v;
    update();
}

void DialMeter::setScaleMax(double v)
{
    if (v == m_max)
        return;
    m_max = v;
    update();
}

void DialMeter::setSteps(int s)
{
    if (s == m_steps)
        return;
    m_steps = s;
    update();
}

void DialMeter::setSubSteps(int s)
{
    if (s == m_subSteps)
        return;
    m_subSteps = s;
    update();
}

void DialMeter::setUnit(const QString &u)
{
    if (u == m_unit)
        return;
    m_unit = u;
    update();
}

void DialMeter::setPattern(const QString &p)
{
    if (p == m_pattern)
        return;
    m_pattern = p;
    update();
}

QString DialMeter::valueText() const
{
    return formatPicture(m_value, m_pattern);
}

QSize DialMeter::sizeHint() const
{
    const QFontMetrics fm(font());
    return {qMax(120, fm.horizontalAdvance(m_caption) + 12), 100 + fm.height()};
}

static QPointF polar(const QPointF &c, double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return {c.x() + radius * std::cos(a), c.y() - radius * std::sin(a)};
}

void DialMeter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(128, 128, 128));
    QRect r = drawBevel(p, rect(), 1, true);
    r = drawBevel(p, r.adjusted(1, 1, -1, -1), 1, false);

    const QFontMetrics capMetrics(font());
    const QRect captionRect(r.left(), r.bottom() - capMetrics.height(), r.width(), capMetrics.height());
    const QRect face(r.left() + 2, r.top() + 2, r.width() - 4, captionRect.top() - r.top() - 3);
    p.fillRect(face, QColor(236, 236, 236));

    // The pivot sits low in the face with the value text under it; the arc spans 30..150 degrees.
    p.save();
    p.setClipRect(face);
    const QFontMetrics valueMetrics(arialFont(11, true));
    const double pivotY = face.bottom() - valueMetrics.height() - 2;
    const double radius = qMin(face.width() / 2.0 - 10, (pivotY - face.top() - 6) / 1.0);
    const QPointF centre(face.center().x() + 0.5, pivotY);

    const QColor thirds[3] = {QColor(255, 0, 0), palette::teal(), palette::lime()};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(thirds[i], 4, Qt::SolidLine, Qt::FlatCap));
        const QRectF arc(centre.x() - radius + 3, centre.y() - radius + 3, 2 * radius - 6, 2 * radius - 6);
        p.drawArc(arc, int((110 - 40 * i) * 16), 40 * 16);
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 30 * 16, 120 * 16);

    p.setFont(arialFont(11));
    const int ticks = m_steps * m_subSteps;
    for (int t = 0; t <= ticks; ++t) {
        const double v = instrument::tickValue(t, ticks, m_min, m_max);
        const double a = instrument::dialAngle(v, m_min, m_max);
        const bool major = m_subSteps <= 0 || t % m_subSteps == 0;
        p.drawLine(polar(centre, radius, a), polar(centre, radius + (major ? 5 : 3), a));
        if (major) {
            const QPointF at = polar(centre, radius - 14, a);
            p.drawText(QRectF(at.x() - 12, at.y() - 7, 24, 14), Qt::AlignCenter, formatPicture(v, u"##0"));
        }
    }

    const double a = instrument::dialAngle(m_value, m_min, m_max);
    p.setPen(QPen(palette::lime().darker(150), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, polar(centre, radius - 2, a));
    p.setPen(QPen(palette::lime(), 1.5));
    p.drawLine(centre, polar(centre, radius - 2, a));
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawEllipse(centre, 3, 3);

    // Value with its unit in small black bold type.
    p.setFont(arialFont(11, true));
    p.drawText(QRectF(face.left(), pivotY + 3, face.width(), valueMetrics.height()), Qt::AlignCenter,
               valueText() + QLatin1Char(' ') + m_unit);
    p.restore();

    p.fillRect(captionRect, QColor(128, 128, 128));
    p.setFont(font());
    p.setPen(Qt::white);
    p.drawText(captionRect, Qt::AlignCenter, m_caption);
}
