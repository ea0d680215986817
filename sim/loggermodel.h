#pragma once
// Device model of the logger for the simulator: its clock, memory, readings,
// live frame and download dump. Deterministic: readings are a function of the
// channel and the sample time, so tests can compute what a download must show.

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include <array>

class LoggerModel {
public:
    static constexpr int kChannels = 16;
    static constexpr int kMemoryPositions = 2000;

    struct Sample {
        QDateTime time;
        std::array<int, kChannels> readings{};
    };

    // `storedSamples` samples spaced at the rate's interval, the last one at
    // the logger's clock, which runs `clockOffsetSecs` ahead of the PC's.
    LoggerModel(const QDateTime &pcNow, int storedSamples, int rateCode, int batteryCode, qint64 clockOffsetSecs = 0);

    // Twelve-bit reading of channel k (1-based) at a moment.
    static int reading(int channel, const QDateTime &at);
    static std::array<int, kChannels> readings(const QDateTime &at);
    // Minutes between samples for rate codes 1 to 6 (0 for others).
    static int intervalMinutes(int rateCode);

    // Moves the PC clock on; samples fall due as the logger's clock passes them.
    void advance(const QDateTime &pcNow);
    QDateTime loggerClock() const { return m_pcNow.addSecs(m_offsetSecs); }

    // Commands.
    void setRateCode(int code);   // "5", "6", "7" give codes 4, 5, 6
    void setClock(const QDateTime &loggerTime); // also empties the memory

    int rateCode() const { return m_rateCode; }
    int batteryCode() const { return m_batteryCode; }
    int positionsUsed() const { return int(m_samples.size()); }
    const QList<Sample> &samples() const { return m_samples; }
    QDateTime loggingStart() const { return m_loggingStart; }

    // The 104-character live status frame for the current clock.
    QByteArray liveFrame() const;
    // Header line, one record line per sample (all 2000 positions when `all`,
    // erased positions reading 255255), the current readings, CR LF each.
    QByteArray dump(bool all) const;

private:
    QDateTime m_pcNow;
    qint64 m_offsetSecs = 0;
    int m_rateCode;
    int m_batteryCode;
    QDateTime m_loggingStart;
    QList<Sample> m_samples;
};
