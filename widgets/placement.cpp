#include "widgets/placement.h"

#include <QGuiApplication>
#include <QScreen>

void colourWidget(QWidget *w, const QColor &text, const QColor &background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::Base, background);
        p.setColor(QPalette::Button, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

QLabel *styledLabel(QWidget *parent, const QString &text, const QFont &font, const QColor &colour,
                    const QColor &background)
{
    auto *l = new QLabel(text, parent);
    l->setFont(font);
    colourWidget(l, colour, background);
    return l;
}

void centreOnDesktop(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
