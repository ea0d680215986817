#include "widgets/gradientbackground.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

GradientBackground::GradientBackground(const QColor &edge, const QColor &centre, QWidget *parent)
    : QWidget(parent)
    , m_edge(edge)
    , m_centre(centre)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    lower();
}

void GradientBackground::setEdgeColor(const QColor &c)
{
    if (c == m_edge)
        return;
    m_edge = c;
    update();
}

void GradientBackground::setCentreColor(const QColor &c)
{
    if (c == m_centre)
        return;
    m_centre = c;
    update();
}

bool GradientBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void GradientBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, m_edge);
    g.setColorAt(0.5, m_centre);
    g.setColorAt(1, m_edge);
    p.fillRect(rect(), g);
}
