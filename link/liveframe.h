#pragma once
// The logger's 104-character live status frame, decoded without any widget.

#include <QString>
#include <QStringView>

#include <array>

constexpr int kLiveFrameLength = 104;
constexpr int kChannelCount = 16;

struct LiveFrame {
    // How far decoding got. Positions are converted in two runs (0-96, then
    // 97-102); a non-digit stops the run it is in, and what the earlier run
    // gave stays valid.
    enum class Stage { FailedBeforeChannels, FailedInMemoryCounter, Complete };
    Stage stage = Stage::FailedBeforeChannels;
    int failedPosition = -1;
    QChar failedCharacter;

    // Two-character fields, as received.
    QString minutes, hours, day, month, year, seconds;
    int batteryCode = 0;
    int rateCode = 0;
    std::array<int, kChannelCount> channels{}; // channel k at index k-1, 256*high + low
    int memoryHigh = 0;
    int memoryLow = 0;

    bool channelsValid() const { return stage != Stage::FailedBeforeChannels; }
    bool complete() const { return stage == Stage::Complete; }

    double batteryLevel() const { return batteryCode / 2.0; }
    double memoryPositionsUsed() const { return (256.0 * memoryHigh + memoryLow - 31.0) / 32.0; }
    QString dateText() const; // dd/mm/20yy
    QString timeText() const; // hh:mm:ss
};

// Decodes a frame of exactly kLiveFrameLength characters.
LiveFrame decodeLiveFrame(QStringView frame);

// Text of the "CANAL k" readout's and "Canal k" thermometer's component
// numbers for channel k (1-based), as the main window and thermometer window
// name them.
int channelIndicatorNumber(int channel);
int channelThermometerNumber(int channel);

// Rate code of a live frame to the item of the rate group, or -1 for none.
int rateGroupItem(int rateCode);

// The battery meter's caption after a new level (already limited to 100).
QString batteryCaption(double level, const QString &previous);
