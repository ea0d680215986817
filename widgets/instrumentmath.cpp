#include "widgets/instrumentmath.h"

#include <cmath>

namespace instrument {

double scaleFraction(double value, double min, double max)
{
    if (!(max > min))
        return 0.0;
    const double f = (value - min) / (max - min);
    if (std::isnan(f) || f < 0.0)
        return 0.0;
    return f > 1.0 ? 1.0 : f;
}

double dialAngle(double value, double min, double max)
{
    return 150.0 - 120.0 * scaleFraction(value, min, max);
}

int barHeight(double value, double min, double max, int tubeHeight)
{
    return int(std::lround(scaleFraction(value, min, max) * tubeHeight));
}

double tickValue(int tick, int steps, double min, double max)
{
    return steps <= 0 ? min : min + (max - min) * tick / steps;
}

} // namespace instrument
