#include "link/portsetupdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSerialPortInfo>

namespace {
QComboBox *choices(QWidget *parent, const char *name, const QList<QPair<QString, int>> &items, int current)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    for (const auto &item : items)
        c->addItem(item.first, item.second);
    const int index = c->findData(current);
    c->setCurrentIndex(index < 0 ? 0 : index);
    return c;
}
} // namespace

PortSetupDialog::PortSetupDialog(const PortSettings &s, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ComSetupDialog"));
    setWindowTitle(QStringLiteral("Configuración del puerto"));

    port = new QComboBox(this);
    port->setObjectName(QStringLiteral("port"));
    port->setEditable(true); // any device path: a USB adapter, a pseudo-terminal
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    if (!names.contains(s.portName))
        names.prepend(s.portName);
    port->addItems(names);
    port->setCurrentText(s.portName);

    QList<QPair<QString, int>> speeds;
    for (int b : {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200})
        speeds.append({QString::number(b), b});
    speed = choices(this, "speed", speeds, s.baudRate);
    dataBits = choices(this, "dataBits",
                       {{QStringLiteral("5"), QSerialPort::Data5},
                        {QStringLiteral("6"), QSerialPort::Data6},
                        {QStringLiteral("7"), QSerialPort::Data7},
                        {QStringLiteral("8"), QSerialPort::Data8}},
                       s.dataBits);
    parity = choices(this, "parity",
                     {{QStringLiteral("Ninguna"), QSerialPort::NoParity},
                      {QStringLiteral("Impar"), QSerialPort::OddParity},
                      {QStringLiteral("Par"), QSerialPort::EvenParity},
                      {QStringLiteral("Marca"), QSerialPort::MarkParity},
                      {QStringLiteral("Espacio"), QSerialPort::SpaceParity}},
                     s.parity);
    stopBits = choices(this, "stopBits",
                       {{QStringLiteral("1"), QSerialPort::OneStop},
                        {QStringLiteral("1,5"), QSerialPort::OneAndHalfStop},
                        {QStringLiteral("2"), QSerialPort::TwoStop}},
                       s.stopBits);
    flowControl = choices(this, "flowControl",
                          {{QStringLiteral("Ninguno"), QSerialPort::NoFlowControl},
                           {QStringLiteral("Hardware (RTS/CTS)"), QSerialPort::HardwareControl},
                           {QStringLiteral("Software (XON/XOFF)"), QSerialPort::SoftwareControl}},
                          s.flowControl);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Puerto:"), port);
    form->addRow(QStringLiteral("Velocidad:"), speed);
    form->addRow(QStringLiteral("Bits de datos:"), dataBits);
    form->addRow(QStringLiteral("Paridad:"), parity);
    form->addRow(QStringLiteral("Bits de parada:"), stopBits);
    form->addRow(QStringLiteral("Control de flujo:"), flowControl);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PortSettings PortSetupDialog::settings() const
{
    PortSettings s;
    s.portName = port->currentText().trimmed();
    s.baudRate = speed->currentData().toInt();
    s.dataBits = QSerialPort::DataBits(dataBits->currentData().toInt());
    s.parity = QSerialPort::Parity(parity->currentData().toInt());
    s.stopBits = QSerialPort::StopBits(stopBits->currentData().toInt());
    s.flowControl = QSerialPort::FlowControl(flowControl->currentData().toInt());
    return s;
}

bool PortSetupDialog::edit(PortSettings &settings, QWidget *parent)
{
    PortSetupDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    return true;
}
