#pragma once
// Creates the eight windows around a fake port for one test case, and
// records the errors that would have gone to the error box.

#include "app/errors.h"
#include "app/formats.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "link/fakeserialport.h"

#include <QStringList>

struct AppFixture {
    FakeSerialPort *port = nullptr;
    QStringList errors;

    void setUp(bool portConfigured = true)
    {
        resetModuleFlags();
        applyApplicationFormats();
        errors.clear();
        setErrorSink([this](const QString &m) { errors << m; });
        port = new FakeSerialPort;
        createForms(port);
        Form1->pause = [this](int ms) { pauses << ms; };
        PUERTOCONFIGURADO = portConfigured ? 1 : 0;
    }

    void tearDown()
    {
        destroyForms();
        resetErrorSink();
        port = nullptr;
        pauses.clear();
    }

    // Connects through the switch handler, as a click would.
    void connectLogger() { runGuarded([] { Form1->AbRockerSwitch1Click(nullptr); }); }

    QList<int> pauses;
};
