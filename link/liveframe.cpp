#include "link/liveframe.h"


namespace {
// Digit run over [first, last]; returns the failing position or -1.
int convertRun(QStringView frame, int first, int last, int *digits, QChar *bad)
{
    for (int i = first; i <= last; ++i) {
        const QChar c = frame.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            *bad = c;
            return i;
        }
        digits[i] = c.unicode() - '0';
    }
    return -1;
}
} // namespace

LiveFrame decodeLiveFrame(QStringView frame)
{
    LiveFrame f;
    int d[kLiveFrameLength] = {};
    if (frame.size() < kLiveFrameLength - 1) {
        f.failedPosition = int(frame.size());
        return f;
    }
    f.failedPosition = convertRun(frame, 0, 96, d, &f.failedCharacter);
    if (f.failedPosition >= 0)
        return f;
    for (int k = 0; k < kChannelCount; ++k) {
        const int p = 17 + 5 * k;
        const int high = 10 * d[p] + d[p + 1];
        const int low = 100 * d[p + 2] + 10 * d[p + 3] + d[p + 4];
        f.channels[size_t(k)] = 256 * high + low;
    }
    f.stage = LiveFrame::Stage::FailedInMemoryCounter;
    f.failedPosition = convertRun(frame, 97, 102, d, &f.failedCharacter);
    if (f.failedPosition >= 0)
        return f;

    f.stage = LiveFrame::Stage::Complete;
    f.minutes = frame.mid(0, 2).toString();
    f.hours = frame.mid(2, 2).toString();
    f.day = frame.mid(4, 2).toString();
    f.month = frame.mid(6, 2).toString();
    f.year = frame.mid(8, 2).toString();
    f.seconds = frame.mid(10, 2).toString();
    f.batteryCode = 100 * d[12] + 10 * d[13] + d[14];
    f.rateCode = d[16];
    f.memoryHigh = 100 * d[97] + 10 * d[98] + d[99];
    f.memoryLow = 100 * d[100] + 10 * d[101] + d[102];
    return f;
}

QString LiveFrame::dateText() const
{
    return day + QLatin1Char('/') + month + QStringLiteral("/20") + year;
}

QString LiveFrame::timeText() const
{
    return hours + QLatin1Char(':') + minutes + QLatin1Char(':') + seconds;
}

int channelIndicatorNumber(int channel)
{
    static const int map[kChannelCount] = {1, 2, 9, 10, 3, 4, 11, 12, 5, 6, 13, 14, 7, 8, 15, 16};
    return map[channel - 1];
}

int channelThermometerNumber(int channel)
{
    static const int map[kChannelCount] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 15, 14, 13};
    return map[channel - 1];
}

int rateGroupItem(int rateCode)
{
    return (rateCode >= 4 && rateCode <= 6) ? rateCode - 4 : -1;
}

QString batteryCaption(double level, const QString &previous)
{
    if (level > 76)
        return QStringLiteral("Nivel de Batería");
    if (level < 76)
        return QStringLiteral("REEMPLAZAR PILAS");
    return previous;
}
