// libFuzzer target: whatever the logger sends, through the real receive
// dispatch (live frames or a download) and the data window's rebuild of the
// grid, must neither crash nor corrupt memory.

#include "app/errors.h"
#include "app/formats.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "data/datawindow.h"
#include "data/downloadlines.h"
#include "data/export.h"
#include "data/stringgrid.h"
#include "link/fakeserialport.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

namespace {
FakeSerialPort *port = nullptr;

void setUpOnce()
{
    static int argc = 1;
    static char name[] = "fuzz_receive";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    applyApplicationFormats();
    setErrorSink([](const QString &) {});
    port = new FakeSerialPort;
    createForms(port);
    PUERTOCONFIGURADO = 1;
    Form1->pause = [](int) {};
    Form1->AbRockerSwitch1Click(nullptr);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (!port)
        setUpOnce();
    if (size < 2)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data) + 1, int(size) - 1);
    if (data[0] & 1) {
        // Live mode, in chunks whose sizes come from the input itself.
        MODODESCARGA = 0;
        const int chunk = 1 + data[0] % 120;
        for (qsizetype pos = 0; pos < bytes.size(); pos += chunk)
            port->feed(bytes.mid(pos, chunk));
    } else {
        // A finished download: the data window decodes whatever the buffer holds.
        Form1->RichEdit1 = QString::fromLatin1(bytes) + QLatin1Char('A');
        runGuarded([] { Form5->FormActivate(Form5); });
        const int rows = int(downloadLines(Form1->RichEdit1).size()) - 3;
        (void)exportText(*Form5->StringGrid1, rows);
    }
    return 0;
}
