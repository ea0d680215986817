#include "sim/simulator.h"

Simulator::Simulator(const SimOptions &options, LoggerModel model)
    : m_options(options)
    , m_model(std::move(model))
    , m_random(options.seed)
{
}

void Simulator::schedule(qint64 atMs, const QByteArray &bytes, bool afterIdle)
{
    m_items.append({atMs, afterIdle, bytes});
}

void Simulator::receive(char c, qint64 nowMs)
{
    if (m_inClockMessage) {
        handleClockDigit(c);
        return;
    }
    switch (c) {
    case '8':
    case 'E':
        m_forced = c == 'E';
        m_state = State::AwaitingStart;
        m_items.clear();
        break;
    case 'X':
        if (m_state == State::AwaitingStart) {
            m_state = State::Dumping;
            schedule(nowMs + 300, m_model.dump(m_forced));
            if (!m_options.noEndMarker)
                schedule(200, QByteArrayLiteral("A"), true);
        }
        break;
    case 'x':
        m_state = State::Live;
        m_nextFrameMs = nowMs;
        break;
    case '5':
    case '6':
    case '7':
        m_model.setRateCode(c - '1'); // 5, 6, 7 -> codes 4, 5, 6
        break;
    case '3':
        m_inClockMessage = true;
        m_clockDigits.clear();
        break;
    default:
        break;
    }
}

void Simulator::handleClockDigit(char c)
{
    if (c < '0' || c > '9') {
        m_inClockMessage = false;
        return;
    }
    m_clockDigits += c;
    if (m_clockDigits.size() < 12)
        return;
    m_inClockMessage = false;
    auto field = [this](int i) { return (m_clockDigits[i] - '0') * 10 + (m_clockDigits[i + 1] - '0'); };
    const QDate date(2000 + field(10), field(8), field(6));
    const QTime time(field(0), field(2), field(4));
    if (date.isValid() && time.isValid())
        m_model.setClock(QDateTime(date, time));
}

void Simulator::queueFrame(qint64 nowMs)
{
    QByteArray frame = m_model.liveFrame();
    ++m_frameCount;
    if (m_options.badEvery > 0 && m_frameCount % m_options.badEvery == 0)
        frame[int(m_random() % 103)] = 'Z';
    if (m_options.nulBytes) {
        for (int i = 0; i < 3; ++i)
            frame.insert(int(m_random() % frame.size()), '\0');
    }
    if (!m_options.chunks) {
        schedule(nowMs, frame);
        return;
    }
    qint64 at = nowMs;
    for (qsizetype pos = 0; pos < frame.size();) {
        const qsizetype len = qMin<qsizetype>(1 + m_random() % 40, frame.size() - pos);
        schedule(at, frame.mid(pos, len));
        pos += len;
        at += 5 + m_random() % 25;
    }
}

void Simulator::tick(qint64 nowMs, bool connected)
{
    if (m_state == State::Dumping && m_items.isEmpty())
        m_state = State::AwaitingAcknowledge;
    if (m_state != State::Live || !connected) {
        m_nextFrameMs = -1;
        return;
    }
    if (m_nextFrameMs < 0)
        m_nextFrameMs = nowMs + m_options.frameIntervalMs / 2;
    if (nowMs >= m_nextFrameMs) {
        queueFrame(nowMs);
        m_nextFrameMs = nowMs + m_options.frameIntervalMs;
    }
}

QByteArray Simulator::takeDue(qint64 nowMs, qint64 wireIdleSinceMs, bool wireIdle)
{
    QByteArray out;
    while (!m_items.isEmpty()) {
        const Item &item = m_items.first();
        if (item.afterIdle) {
            // Only once everything before it has left the wire.
            if (!out.isEmpty() || !wireIdle || nowMs < wireIdleSinceMs + item.atMs)
                break;
        } else if (item.atMs > nowMs) {
            break;
        }
        out += item.bytes;
        m_items.removeFirst();
    }
    return out;
}

void Simulator::dropOutput()
{
    m_items.clear();
}
