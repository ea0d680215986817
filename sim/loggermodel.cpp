#include "sim/loggermodel.h"

#include <cmath>
#include <cstdio>

LoggerModel::LoggerModel(const QDateTime &pcNow, int storedSamples, int rateCode, int batteryCode,
                         qint64 clockOffsetSecs)
    : m_pcNow(pcNow)
    , m_offsetSecs(clockOffsetSecs)
    , m_rateCode(rateCode)
    , m_batteryCode(batteryCode)
{
    const qint64 step = 60LL * intervalMinutes(rateCode);
    const int n = qBound(0, storedSamples, kMemoryPositions);
    const QDateTime now = loggerClock();
    const QDateTime last(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    m_loggingStart = last.addSecs(-step * n);
    for (int i = 1; i <= n; ++i) {
        const QDateTime t = m_loggingStart.addSecs(step * i);
        m_samples.append({t, readings(t)});
    }
}

int LoggerModel::intervalMinutes(int rateCode)
{
    static const int minutes[] = {0, 1, 5, 10, 15, 30, 60};
    return (rateCode >= 1 && rateCode <= 6) ? minutes[rateCode] : 0;
}

int LoggerModel::reading(int channel, const QDateTime &at)
{
    const double t = double(at.toSecsSinceEpoch() % 86400000);
    const double slow = std::sin(2 * M_PI * t / (3600.0 * (channel + 3)) + channel);
    const double fast = std::sin(2 * M_PI * t / 60.0 + 0.5 * channel);
    const int v = int(std::lround(2048 + 1200 * slow + 40 * fast + 30 * channel));
    return qBound(0, v, 4095);
}

std::array<int, LoggerModel::kChannels> LoggerModel::readings(const QDateTime &at)
{
    std::array<int, kChannels> r{};
    for (int k = 1; k <= kChannels; ++k)
        r[size_t(k - 1)] = reading(k, at);
    return r;
}

void LoggerModel::advance(const QDateTime &pcNow)
{
    m_pcNow = pcNow;
    const qint64 step = 60LL * intervalMinutes(m_rateCode);
    if (step <= 0)
        return;
    const QDateTime clock = loggerClock();
    QDateTime next = m_samples.isEmpty() ? m_loggingStart.addSecs(step) : m_samples.last().time.addSecs(step);
    while (next <= clock && m_samples.size() < kMemoryPositions) {
        m_samples.append({next, readings(next)});
        next = next.addSecs(step);
    }
}

void LoggerModel::setRateCode(int code)
{
    m_rateCode = code;
}

void LoggerModel::setClock(const QDateTime &loggerTime)
{
    m_offsetSecs = m_pcNow.secsTo(loggerTime);
    m_samples.clear();
    m_loggingStart = loggerTime;
}

static void appendNumber(QByteArray &out, int value, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", digits, value);
    out += buf;
}

QByteArray LoggerModel::liveFrame() const
{
    const QDateTime c = loggerClock();
    QByteArray f;
    appendNumber(f, c.time().minute(), 2);
    appendNumber(f, c.time().hour(), 2);
    appendNumber(f, c.date().day(), 2);
    appendNumber(f, c.date().month(), 2);
    appendNumber(f, c.date().year() % 100, 2);
    appendNumber(f, c.time().second(), 2);
    appendNumber(f, m_batteryCode, 3);
    f += '0';
    appendNumber(f, m_rateCode, 1);
    for (int v : readings(c)) {
        appendNumber(f, v / 256, 2);
        appendNumber(f, v % 256, 3);
    }
    const int counter = 31 + 32 * positionsUsed();
    appendNumber(f, counter / 256, 3);
    appendNumber(f, counter % 256, 3);
    f += '\r';
    return f;
}

static void appendRecord(QByteArray &out, const std::array<int, LoggerModel::kChannels> &r)
{
    for (int v : r) {
        appendNumber(out, v / 256, 3);
        appendNumber(out, v % 256, 3);
    }
    out += "\r\n";
}

QByteArray LoggerModel::dump(bool all) const
{
    QByteArray out;
    const QDateTime s = m_loggingStart;
    out += ' ';
    appendNumber(out, s.date().year() % 100, 2);
    out += '/';
    appendNumber(out, s.date().month(), 2);
    out += '/';
    appendNumber(out, s.date().day(), 2);
    out += ' ';
    appendNumber(out, s.time().second(), 2);
    out += ':';
    appendNumber(out, s.time().minute(), 2);
    out += ':';
    appendNumber(out, s.time().hour(), 2);
    out += "  ";
    appendNumber(out, m_rateCode, 1);
    out += "\r\n";
    for (const Sample &sample : m_samples)
        appendRecord(out, sample.readings);
    if (all) {
        std::array<int, kChannels> erased{};
        erased.fill(255 * 256 + 255);
        for (qsizetype i = m_samples.size(); i < kMemoryPositions; ++i)
            appendRecord(out, erased);
    }
    appendRecord(out, readings(loggerClock()));
    return out;
}
