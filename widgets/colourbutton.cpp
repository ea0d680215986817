#include "widgets/colourbutton.h"

#include "widgets/bevel.h"

#include <QMouseEvent>
#include <QPainter>

ColourButton::ColourButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ColourButton::setCaptionOff(const QString &text)
{
    if (text == m_captionOff)
        return;
    m_captionOff = text;
    update();
}

void ColourButton::setCaptionOn(const QString &text)
{
    if (text == m_captionOn)
        return;
    m_captionOn = text;
    update();
}

void ColourButton::setCaptions(const QString &off, const QString &on)
{
    setCaptionOff(off);
    setCaptionOn(on);
}

void ColourButton::setColorOff(const QColor &c)
{
    if (c == m_colorOff)
        return;
    m_colorOff = c;
    update();
}

void ColourButton::setColorOn(const QColor &c)
{
    if (c == m_colorOn)
        return;
    m_colorOn = c;
    update();
}

void ColourButton::setColors(const QColor &off, const QColor &on)
{
    setColorOff(off);
    setColorOn(on);
}

void ColourButton::setIndicator(bool indicator)
{
    if (indicator == m_indicator)
        return;
    m_indicator = indicator;
    setAttribute(Qt::WA_TransparentForMouseEvents, indicator);
    update();
}

void ColourButton::setCentred(bool centred)
{
    if (centred == m_centred)
        return;
    m_centred = centred;
    update();
}

void ColourButton::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

QSize ColourButton::sizeHint() const
{
    const QFontMetrics fm(font());
    const int w = qMax(fm.horizontalAdvance(m_captionOff), fm.horizontalAdvance(m_captionOn));
    return {w + 16, fm.height() + 12};
}

void ColourButton::mousePressEvent(QMouseEvent *e)
{
    QAbstractButton::mousePressEvent(e);
    update();
}

void ColourButton::mouseReleaseEvent(QMouseEvent *e)
{
    QAbstractButton::mouseReleaseEvent(e);
    update();
}

void ColourButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool on = isOn();
    const bool pressed = !m_indicator && isDown();
    fillVertical(p, rect(), QColor(235, 235, 235), QColor(110, 110, 110));
    const QRect inner = drawBevel(p, rect(), 4, !pressed);
    p.setFont(font());
    p.setPen(on ? m_colorOn : m_colorOff);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | (m_centred ? Qt::AlignHCenter : Qt::AlignLeft);
    // Captions may run up to the outer edge, as the original's did.
    const QRect textRect = m_centred ? rect() : QRect(2 + (pressed ? 1 : 0), inner.top() + (pressed ? 1 : 0),
                                                      width() - 2, inner.height());
    p.drawText(textRect, flags, currentCaption());
}
