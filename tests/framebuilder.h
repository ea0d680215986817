#pragma once
// Builds live status frames field by field for tests.

#include <QByteArray>
#include <QString>

#include <array>

struct FrameBuilder {
    int minutes = 30, hours = 14, day = 5, month = 11, year = 7, seconds = 5;
    int battery = 153;
    int rate = 5;
    std::array<int, 16> channels{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300, 1400, 1500, 1600};
    int memoryHigh = 1, memoryLow = 0;

    FrameBuilder &channel(int k, int value)
    {
        channels[size_t(k - 1)] = value;
        return *this;
    }

    QByteArray build() const
    {
        auto n = [](int v, int width) { return QString::number(v).rightJustified(width, QLatin1Char('0')).toLatin1(); };
        QByteArray f = n(minutes, 2) + n(hours, 2) + n(day, 2) + n(month, 2) + n(year, 2) + n(seconds, 2)
                       + n(battery, 3) + "0" + n(rate, 1);
        for (int v : channels)
            f += n(v / 256, 2) + n(v % 256, 3);
        f += n(memoryHigh, 3) + n(memoryLow, 3) + "\r";
        return f;
    }
};
