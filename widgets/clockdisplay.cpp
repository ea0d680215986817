#include "widgets/clockdisplay.h"

#include "app/formats.h"
#include "widgets/bevel.h"
#include "widgets/fonts.h"
#include "widgets/instrumentmath.h"

#include <QDateTime>
#include <QPainter>

ClockDisplay::ClockDisplay(Mode mode, QWidget *parent)
    : QWidget(parent)
    , m_mode(mode)
{
    setFont(systemFont(16, true));
    // Often enough to follow the PC clock to the second.
    m_timer.setInterval(250);
    connect(&m_timer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    m_timer.start();
}

QString ClockDisplay::text() const
{
    const QDateTime now = QDateTime::currentDateTime();
    return m_mode == Date ? formatDate(now.date()) : formatTime(now.time());
}

void ClockDisplay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    drawBevel(p, rect(), 1, false);
    p.setFont(font());
    p.setPen(palette::lime());
    p.drawText(rect(), Qt::AlignCenter, text());
}
