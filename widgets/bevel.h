#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Draws a bevel of the given width inside rect; returns the rect inside it.
QRect drawBevel(QPainter &p, const QRect &rect, int width, bool raised);

// Fills rect with a gradient from `from` at the top to `to` at the bottom.
void fillVertical(QPainter &p, const QRect &rect, const QColor &from, const QColor &to);
