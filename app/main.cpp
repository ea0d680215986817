#include "app/formats.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "link/qtserialport.h"
#include "widgets/placement.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VIRDELO"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("QUIRANTE temperature datalogger"));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Serial device to preselect."),
                                        QStringLiteral("PATH"));
    parser.addOption(portOption);
    parser.process(app);

    loadRegionalSeparators();
    auto *port = new QtSerialPort;
    if (parser.isSet(portOption)) {
        PortSettings s = port->settings();
        s.portName = parser.value(portOption);
        port->setSettings(s);
    }
    createForms(port);
    centreOnDesktop(Form1);
    Form1->show();
    const int rc = app.exec();
    destroyForms();
    return rc;
}
