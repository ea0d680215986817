#pragma once
// Names a control and puts it at its place; without a size it takes its own.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

template <typename W>
W *place(W *w, const char *name, int left, int top, int width = -1, int height = -1)
{
    w->setObjectName(QLatin1String(name));
    if (width < 0) {
        w->adjustSize();
        w->move(left, top);
    } else {
        w->setGeometry(left, top, width, height);
    }
    return w;
}

inline QLabel *placedLabel(QWidget *parent, const char *name, const QString &text, int left, int top)
{
    return place(new QLabel(text, parent), name, left, top);
}

// Text colour, and background when one is given (filled, also behind edit text).
void colourWidget(QWidget *w, const QColor &text, const QColor &background = QColor());

// A label in the given font and colours, to be placed.
QLabel *styledLabel(QWidget *parent, const QString &text, const QFont &font, const QColor &colour,
                    const QColor &background = QColor());

// Puts a top-level window in the middle of the desktop it is on.
void centreOnDesktop(QWidget *window);
