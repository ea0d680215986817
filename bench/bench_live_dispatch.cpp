// Live frames through the whole receive dispatch (fake port, main window
// offscreen), against the 19200-baud wire rate of about 18.5 frames/s.

#include "app/formats.h"
#include "app/forms.h"
#include "app/moduleflags.h"
#include "app/mainwindow.h"
#include "link/fakeserialport.h"
#include "sim/loggermodel.h"
#include "widgets/rockerswitch.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {
constexpr double kWireFramesPerSecond = 1920.0 / 104.0;

void BM_LiveFrameDispatch(benchmark::State &state)
{
    auto *port = new FakeSerialPort;
    createForms(port);
    PUERTOCONFIGURADO = 1; // no port setup dialog when the window shows
    Form1->AbRockerSwitch1Click(nullptr);
    // Shown, the lamp is repainted at once at every event, as on screen.
    if (state.range(1) == 1) {
        Form1->show();
        QCoreApplication::processEvents();
    }
    LoggerModel model(QDateTime(QDate(2026, 12, 11), QTime(12, 0, 0)), 100, 4, 153);
    QList<QByteArray> frames;
    for (int i = 0; i < 64; ++i) {
        model.advance(QDateTime(QDate(2026, 12, 11), QTime(12, 0, 0)).addSecs(i));
        frames << model.liveFrame();
    }
    const bool wholeFrames = state.range(0) == 1;
    size_t i = 0;
    for (auto _ : state) {
        const QByteArray &f = frames[int(i++ % size_t(frames.size()))];
        if (wholeFrames) {
            port->feed(f);
        } else {
            // The way a real port delivers at 19200 baud: a few bytes per event.
            for (qsizetype pos = 0; pos < f.size(); pos += 13)
                port->feed(f.mid(pos, 13));
        }
    }
    state.counters["frames_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["x_wire_rate"] =
        benchmark::Counter(double(state.iterations()) / kWireFramesPerSecond, benchmark::Counter::kIsRate);
    destroyForms();
}
BENCHMARK(BM_LiveFrameDispatch)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->ArgNames({"whole_frame", "shown"})
    ->Unit(benchmark::kMicrosecond);
} // namespace
