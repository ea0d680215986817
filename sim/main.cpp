// quirante-sim: plays the logger on a pseudo-terminal. Prints the device path
// on its first line, then serves until stopped.

#include "sim/simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
int openPty(QByteArray *slavePath)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return -1;
    *slavePath = ptsname(master);
    // Raw from the start, so nothing is echoed or translated before the
    // application opens the device and sets its own mode.
    const int slave = ::open(slavePath->constData(), O_RDWR | O_NOCTTY);
    if (slave >= 0) {
        termios t{};
        if (tcgetattr(slave, &t) == 0) {
            cfmakeraw(&t);
            cfsetispeed(&t, B19200);
            cfsetospeed(&t, B19200);
            tcsetattr(slave, TCSANOW, &t);
        }
        ::close(slave);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    return master;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated QUIRANTE logger on a pseudo-terminal"));
    parser.addHelpOption();
    auto opt = [&](const char *name, const char *help, const char *value = nullptr) {
        QCommandLineOption o{QString::fromLatin1(name), QString::fromLatin1(help)};
        if (value)
            o.setValueName(QLatin1String(value));
        parser.addOption(o);
        return o;
    };
    const auto fast = opt("fast", "Send without pacing at the 19200-baud byte time.");
    const auto interval = opt("interval", "Live frame period in milliseconds (1000).", "MS");
    const auto samples = opt("samples", "Samples stored at start, 0 to 2000 (120).", "N");
    const auto rate = opt("rate", "Rate code at start, 1 to 6 (4: 15 minutes).", "CODE");
    const auto battery = opt("battery", "Battery code (153).", "CODE");
    const auto offset = opt("clock-offset", "Start the logger's clock this many seconds off the PC's.", "S");
    const auto badEvery = opt("bad-every", "Put a non-digit into every Nth frame.", "N");
    const auto nul = opt("nul", "Sprinkle NUL bytes into the frames.");
    const auto chunks = opt("chunks", "Split frames into random chunks with gaps.");
    const auto noEnd = opt("no-end-marker", "Never send the end marker after a dump.");
    const auto hangup = opt("hangup-after", "Hang up after sending N bytes.", "N");
    const auto seed = opt("seed", "Seed of the fault generator (1).", "N");
    parser.process(app);

    SimOptions o;
    o.fast = parser.isSet(fast);
    o.frameIntervalMs = parser.value(interval).isEmpty() ? 1000 : parser.value(interval).toInt();
    o.storedSamples = parser.value(samples).isEmpty() ? 120 : parser.value(samples).toInt();
    o.rateCode = parser.value(rate).isEmpty() ? 4 : parser.value(rate).toInt();
    o.batteryCode = parser.value(battery).isEmpty() ? 153 : parser.value(battery).toInt();
    o.clockOffsetSecs = parser.value(offset).toLongLong();
    o.badEvery = parser.value(badEvery).toInt();
    o.nulBytes = parser.isSet(nul);
    o.chunks = parser.isSet(chunks);
    o.noEndMarker = parser.isSet(noEnd);
    o.hangupAfter = parser.value(hangup).toLongLong();
    o.seed = parser.value(seed).isEmpty() ? 1u : parser.value(seed).toUInt();
    if (o.frameIntervalMs <= 0 || o.rateCode < 1 || o.rateCode > 6) {
        std::fprintf(stderr, "quirante-sim: bad --interval or --rate\n");
        return 2;
    }

    QByteArray path;
    const int master = openPty(&path);
    if (master < 0) {
        std::perror("quirante-sim: pseudo-terminal");
        return 1;
    }
    std::printf("%s\n", path.constData());
    std::fflush(stdout);

    Simulator sim(o, LoggerModel(QDateTime::currentDateTime(), o.storedSamples, o.rateCode, o.batteryCode,
                                 o.clockOffsetSecs));
    QElapsedTimer clock;
    clock.start();
    QByteArray pending; // due, not yet written
    qint64 sent = 0;
    qint64 idleSince = 0;
    double allowance = 0; // bytes the 19200-baud line may carry now
    qint64 lastMs = 0;
    constexpr double kBytesPerMs = 1.92;

    for (;;) {
        pollfd p{master, POLLIN, 0};
        const int timeout = pending.isEmpty() ? 5 : 1;
        if (::poll(&p, 1, timeout) < 0 && errno != EINTR)
            break;
        const qint64 now = clock.elapsed();
        const bool connected = !(p.revents & POLLHUP);
        if (connected && (p.revents & POLLIN)) {
            char buf[256];
            const ssize_t n = ::read(master, buf, sizeof buf);
            for (ssize_t i = 0; i < n; ++i)
                sim.receive(buf[i], now);
        }
        sim.model().advance(QDateTime::currentDateTime());
        sim.tick(now, connected);
        if (!connected) {
            // Nobody holds the line: a real logger's bytes would be lost.
            sim.dropOutput();
            pending.clear();
            idleSince = now;
            lastMs = now;
            ::poll(nullptr, 0, 20);
            continue;
        }
        pending += sim.takeDue(now, idleSince, pending.isEmpty());
        allowance = qMin(allowance + (now - lastMs) * kBytesPerMs, 64.0);
        lastMs = now;
        if (pending.isEmpty())
            continue;
        qsizetype n = o.fast ? pending.size() : qsizetype(allowance);
        if (o.hangupAfter > 0)
            n = qMin<qsizetype>(n, o.hangupAfter - sent);
        if (n > 0) {
            const ssize_t w = ::write(master, pending.constData(), size_t(qMin<qsizetype>(n, pending.size())));
            if (w > 0) {
                pending.remove(0, w);
                sent += w;
                allowance -= double(w);
                if (allowance < 0)
                    allowance = 0;
            }
        }
        if (o.hangupAfter > 0 && sent >= o.hangupAfter)
            break;
        if (pending.isEmpty())
            idleSince = now;
    }
    ::close(master);
    return 0;
}
