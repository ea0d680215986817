#pragma once
// The logger's side of the line, without the pseudo-terminal: takes the bytes
// the application sends and schedules what the logger answers, with optional
// faults for tests. Times are milliseconds of a monotonic clock.

#include "sim/loggermodel.h"

#include <QByteArray>
#include <QList>

#include <random>

struct SimOptions {
    bool fast = false;          // no pacing at the 19200-baud byte time
    int frameIntervalMs = 1000; // live frame period
    int storedSamples = 120;
    int rateCode = 4;
    int batteryCode = 153;
    qint64 clockOffsetSecs = 0; // the logger's clock ahead of the PC's
    int badEvery = 0;     // a non-digit in every Nth frame
    bool nulBytes = false; // NUL bytes sprinkled into the frames
    bool chunks = false;   // frames split into random chunks with gaps
    bool noEndMarker = false;
    qint64 hangupAfter = 0; // close the line after this many bytes (0: never)
    unsigned seed = 1;
};

class Simulator {
public:
    enum class State { Live, AwaitingStart, Dumping, AwaitingAcknowledge };

    Simulator(const SimOptions &options, LoggerModel model);

    // A byte from the application.
    void receive(char c, qint64 nowMs);
    // Time passes; `connected` tells whether the application holds the line open.
    void tick(qint64 nowMs, bool connected);
    // Output due by now. `wireIdleSinceMs` is when everything written so far
    // had left (for the pause before the end marker).
    QByteArray takeDue(qint64 nowMs, qint64 wireIdleSinceMs, bool wireIdle);
    // The line went down: nothing queued survives.
    void dropOutput();

    LoggerModel &model() { return m_model; }

private:
    struct Item {
        qint64 atMs;         // due time, or the pause after the wire went idle
        bool afterIdle;      // atMs counts from the moment the wire is idle
        QByteArray bytes;
    };
    void schedule(qint64 atMs, const QByteArray &bytes, bool afterIdle = false);
    void queueFrame(qint64 nowMs);
    void handleClockDigit(char c);

    SimOptions m_options;
    LoggerModel m_model;
    State m_state = State::Live;
    bool m_forced = false;
    QList<Item> m_items;
    qint64 m_nextFrameMs = -1;
    int m_frameCount = 0;
    QByteArray m_clockDigits;
    bool m_inClockMessage = false;
    std::mt19937 m_random;
};
