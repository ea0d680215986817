// The data window's rebuild after a 2000-sample download (line division,
// dump decoding, time stamps, grid model) and the export of that grid, each
// against the dump's wire time at 19200 baud.

#include "app/formats.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "data/datawindow.h"
#include "data/downloadlines.h"
#include "data/export.h"
#include "data/stringgrid.h"
#include "link/fakeserialport.h"
#include "sim/loggermodel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {
QString dumpOf2000Samples()
{
    LoggerModel model(QDateTime(QDate(2026, 12, 11), QTime(12, 0, 0)), 2000, 4, 153);
    return QString::fromLatin1(model.dump(false)) + QLatin1Char('A');
}

void addWireRatio(benchmark::State &state, qsizetype dumpBytes)
{
    const double wireSeconds = double(dumpBytes) / 1920.0;
    // How many times faster than the dump takes on the wire.
    state.counters["dump_bytes"] = double(dumpBytes);
    state.counters["x_wire_time"] = benchmark::Counter(double(state.iterations()) * wireSeconds,
                                                        benchmark::Counter::kIsRate);
}

void BM_EndMarkerToGridFilled(benchmark::State &state)
{
    createForms(new FakeSerialPort);
    Form1->RichEdit1 = dumpOf2000Samples();
    Form5->resize(691, 395);
    for (auto _ : state) {
        Form5->FormActivate(Form5);
        benchmark::DoNotOptimize(Form5->StringGrid1->rowCountShown());
    }
    addWireRatio(state, Form1->RichEdit1.size());
    destroyForms();
}
BENCHMARK(BM_EndMarkerToGridFilled)->Unit(benchmark::kMillisecond);

void BM_ExportOfTheGrid(benchmark::State &state)
{
    createForms(new FakeSerialPort);
    Form1->RichEdit1 = dumpOf2000Samples();
    Form5->FormActivate(Form5);
    const int rows = int(downloadLines(Form1->RichEdit1).size()) - 3;
    for (auto _ : state) {
        const QByteArray text = exportText(*Form5->StringGrid1, rows);
        benchmark::DoNotOptimize(text.size());
    }
    addWireRatio(state, Form1->RichEdit1.size());
    destroyForms();
}
BENCHMARK(BM_ExportOfTheGrid)->Unit(benchmark::kMillisecond);
} // namespace
