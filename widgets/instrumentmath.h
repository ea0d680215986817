#pragma once
// Value-to-geometry arithmetic of the instrument widgets, kept out of paintEvent.

#include <QColor>

namespace instrument {

// Fraction of the scale [min, max] that value covers, limited to 0..1.
double scaleFraction(double value, double min, double max);

// Pointer angle of the 120-degree dial, in degrees counter-clockwise from the
// positive x axis: 150 at the scale's start, 30 at its end.
double dialAngle(double value, double min, double max);

// Height in pixels of a thermometer's liquid in a tube of tubeHeight pixels.
int barHeight(double value, double min, double max, int tubeHeight);

// Values of the major ticks: steps+1 labels from min to max.
double tickValue(int tick, int steps, double min, double max);

} // namespace instrument

namespace palette {
inline QColor lime() { return QColor(0, 255, 0); }
inline QColor fuchsia() { return QColor(255, 0, 255); }
inline QColor moneyGreen() { return QColor(192, 220, 192); }
inline QColor teal() { return QColor(0, 128, 128); }
inline QColor orange() { return QColor(255, 128, 64); }
inline QColor aqua() { return QColor(0, 255, 255); }
inline QColor skyBlue() { return QColor(166, 202, 240); }
inline QColor silver() { return QColor(192, 192, 192); }
inline QColor green() { return QColor(0, 128, 0); }
inline QColor buttonFace() { return QColor(212, 208, 200); }
} // namespace palette
