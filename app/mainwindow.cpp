#include "app/mainwindow.h"

#include "app/errors.h"
#include "app/formats.h"
#include "app/forms.h"
#include "app/moduleflags.h"
#include "info/aboutwindow.h"
#include "info/helpwindow.h"
#include "info/maker.h"
#include "live/thermometerwindow.h"
#include "settings/clockwindow.h"
#include "settings/ratewindow.h"
#include "link/liveframe.h"
#include "link/portsetupdialog.h"
#include "link/serialport.h"
#include "widgets/clockdisplay.h"
#include "widgets/colourbutton.h"
#include "widgets/dialmeter.h"
#include "widgets/fonts.h"
#include "widgets/gradientbackground.h"
#include "widgets/instrumentmath.h"
#include "widgets/lamp.h"
#include "widgets/piegauge.h"
#include "widgets/placement.h"
#include "widgets/radiogroup.h"
#include "widgets/rockerswitch.h"
#include "widgets/valueindicator.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QThread>

namespace {

QLineEdit *box(QWidget *parent, const QString &text, const QString &hint, const QFont &font, const QColor &colour,
               bool readOnly)
{
    auto *e = new QLineEdit(text, parent);
    e->setFont(font);
    e->setToolTip(hint);
    e->setReadOnly(readOnly);
    colourWidget(e, colour, Qt::black);
    e->setFrame(true);
    return e;
}

ColourButton *colourButton(QWidget *parent, const QString &off, const QString &on, const QColor &offColour,
                           const QColor &onColour, const QFont &font, const QString &hint = QString())
{
    auto *b = new ColourButton(parent);
    b->setCaptions(off, on);
    b->setColors(offColour, onColour);
    b->setFont(font);
    b->setToolTip(hint);
    return b;
}

// "CANAL k" readouts: component number at each cell, row by row.
constexpr int kIndicatorGrid[4][4] = {{1, 2, 9, 10}, {3, 4, 11, 12}, {5, 6, 13, 14}, {7, 8, 15, 16}};

} // namespace

TForm1::TForm1(SerialPort *port, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , ComPort1(port)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("QUIRANTE  V 1.0 -- 16 CH  DE TEMPERATURA PARA TERMOCUPLAS"));
    resize(543, 467);
    setFont(arialFont(11));
    colourWidget(this, QColor(255, 0, 0), QColor());
    ComPort1->setParent(this);
    ComPort1->setObjectName(QStringLiteral("ComPort1"));

    AbGradient1 = new GradientBackground(palette::teal(), palette::silver(), this);
    AbGradient1->setObjectName(QStringLiteral("AbGradient1"));
    Splitter1 = place(new QFrame(this), "Splitter1", 284, 3, 7, 450);
    Splitter1->setCursor(Qt::SplitHCursor);

    buildLeftHalf();
    buildRightHalf();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(450);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(100);

    pause = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    connectHandlers();
}

TForm1::~TForm1() = default;

void TForm1::buildLeftHalf()
{
    AbColBitBtn1 = place(colourButton(this, QStringLiteral(" REPORTADO POR EL LOGGER"),
                                      QStringLiteral(" REPORTADO POR EL LOGGER"), Qt::white, Qt::white,
                                      arialFont(11, true)),
                         "AbColBitBtn1", 56, 5, 166, 33);
    AbColBitBtn1->setIndicator(true);
    Edit4 = place(box(this, QStringLiteral("DD/MM/AAAA"), QStringLiteral("Fecha reportada por el logger"),
                      systemFont(13), palette::fuchsia(), true),
                  "Edit4", 18, 43, 91, 24);
    AbLED1 = place(new Lamp(this), "AbLED1", 126, 38, 28, 34);
    Edit3 = place(box(this, QStringLiteral("HH:MM:SS"), QStringLiteral("Hora reportada por el logger"),
                      systemFont(13), palette::fuchsia(), true),
                  "Edit3", 168, 44, 91, 24);
    AbColBitBtn7 = place(colourButton(this, QStringLiteral("      CANALES EN LINEA"),
                                      QStringLiteral("      CANALES EN LINEA"), Qt::black, palette::lime(),
                                      arialFont(12, true)),
                         "AbColBitBtn7", 65, 73, 151, 24);
    AbColBitBtn7->setIndicator(true);

    static const int tops[4] = {103, 144, 185, 226};
    for (int row = 0; row < 4; ++row) {
        const int lefts[4] = {2, row == 0 ? 71 : 73, 141, 211};
        for (int col = 0; col < 4; ++col) {
            const int number = kIndicatorGrid[row][col];
            auto *v = new ValueIndicator(this);
            v->setCaption(QStringLiteral("CANAL %1").arg(row * 4 + col + 1));
            v->setValueFont(systemFont(13, number >= 2 && number <= 4));
            const bool smallScale = number <= 7;
            v->setScaleMax(smallScale ? 100 : 2000);
            place(v, QStringLiteral("AbValueInd%1").arg(number).toLatin1().constData(), lefts[col], tops[row], 72,
                  34);
            AbValueInd[number] = v;
        }
    }

    AbColBitBtn8 = place(colourButton(this, QStringLiteral("Indicadores gráficos"),
                                      QStringLiteral("Indicadores gráficos"), Qt::black, palette::lime(),
                                      arialFont(11, true)),
                         "AbColBitBtn8", 4, 264, 133, 25);
    AbColBitBtn8->setCentred(true);

    RadioGroup1 = new RadioGroup(
        {QStringLiteral("15 MINUTOS"), QStringLiteral("30 MINUTOS"), QStringLiteral("60 MINUTOS")}, this);
    RadioGroup1->setFont(arialFont(11, true));
    colourWidget(RadioGroup1, QColor(255, 0, 0), palette::moneyGreen());
    RadioGroup1->setCursor(Qt::PointingHandCursor);
    RadioGroup1->setToolTip(QStringLiteral("Tasa de muestreo reportada por el logger"));
    place(RadioGroup1, "RadioGroup1", 17, 296, 103, 87);

    AbDB120Meter1 = place(new DialMeter(this), "AbDB120Meter1", 148, 292, 129, 105);
    AbDB120Meter1->setCaption(QStringLiteral("Nivel de batería"));

    AbColBitBtn3 = place(colourButton(this, QStringLiteral("   CAMBIO DE TASA"), QStringLiteral("   CAMBIO DE TASA"),
                                      palette::aqua(), palette::lime(), arialFont(12, true),
                                      QStringLiteral("Cambia la tasa de muestreo")),
                         "AbColBitBtn3", 7, 401, 130, 33);

    Label2 = place(styledLabel(this, QStringLiteral(" Memoria ocupada: "), arialFont(11, true), Qt::black, palette::lime()),
                   "Label2", 158, 405);
    Edit1 = place(box(this, QStringLiteral("0000"), QStringLiteral("Cantidad de posiciones de memoria utilizadas"),
                      arialFont(13, true), palette::lime(), false),
                  "Edit1", 157, 422, 37, 24);
    Edit1->setTextMargins(0, 0, 0, 0);
    Edit1->setCursorPosition(0);
    Label3 = place(styledLabel(this, QStringLiteral(" Máx: 2000 "), arialFont(11), palette::lime(), Qt::black), "Label3",
                   208, 429);
}

void TForm1::buildRightHalf()
{
    const QString download = QStringLiteral("       DESCARGAR DATOS");
    AbColBitBtn4 = place(colourButton(this, download, download, QColor(255, 255, 0), palette::lime(),
                                      arialFont(12, true), QStringLiteral("Descarga los datos del logger")),
                         "AbColBitBtn4", 300, 5, 166, 33);
    Gauge1 = place(new PieGauge(this), "Gauge1", 470, 6, 31, 28);
    Gauge1->setMaxValue(50);
    CheckBox1 = place(new QCheckBox(QStringLiteral("Forzar descarga completa"), this), "CheckBox1", 306, 48, 157, 17);
    AbColBitBtn2 = place(colourButton(this, QStringLiteral("     FECHA Y HORA ACTUAL"), QString(), palette::lime(),
                                      palette::lime(), arialFont(12, true),
                                      QStringLiteral("Transfiere fecha y hora al logger")),
                         "AbColBitBtn2", 304, 78, 166, 33);
    Label4 = place(styledLabel(this, QStringLiteral("Fecha de PC"), arialFont(11, true), Qt::white), "Label4", 356, 120);
    AbClock2 = place(new ClockDisplay(ClockDisplay::Date, this), "AbClock2", 342, 137, 101, 28);
    Label1 = place(styledLabel(this, QStringLiteral("Hora de PC"), arialFont(11, true), Qt::white), "Label1", 362, 180);
    AbClock1 = place(new ClockDisplay(ClockDisplay::Time, this), "AbClock1", 342, 195, 101, 28);
    AbRockerSwitch1 = place(new RockerSwitch(this), "AbRockerSwitch1", 348, 241, 91, 85);
    AbRockerSwitch1->setCaption(QStringLiteral("CONECTAR"));
    AbRockerSwitch1->setFont(arialFont(11, true));
    AbRockerSwitch1->setToolTip(QStringLiteral("Conectar/desconectar con el logger"));
    AbColBitBtn6 = place(colourButton(this, QStringLiteral("    QUIRANTE"), QStringLiteral("    QUIRANTE"),
                                      palette::skyBlue(), palette::lime(), arialFont(16, true, true),
                                      QStringLiteral("Ayuda para el uso del programa")),
                         "AbColBitBtn6", 331, 357, 130, 33);
    AbColBitBtn5 = place(colourButton(this, QStringLiteral(" ") + makerWebAddress(), QStringLiteral(" ") + makerWebAddress(),
                                      QColor(255, 0, 0), palette::lime(), arialFont(16, true, true),
                                      QStringLiteral("Nuestra empresa")),
                         "AbColBitBtn5", 308, 412, 177, 33);
}

void TForm1::connectHandlers()
{
    auto guarded = [](auto handler) { return [handler] { runGuarded(handler); }; };
    connect(AbRockerSwitch1, &RockerSwitch::clicked, this, guarded([this] { AbRockerSwitch1Click(AbRockerSwitch1); }));
    connect(AbRockerSwitch1, &RockerSwitch::mouseUp, this,
            guarded([this] { AbRockerSwitch1MouseUp(AbRockerSwitch1); }));
    connect(AbColBitBtn4, &ColourButton::clicked, this, guarded([this] { AbColBitBtn4Click(AbColBitBtn4); }));
    connect(AbColBitBtn2, &ColourButton::clicked, this, guarded([this] { AbColBitBtn2Click(AbColBitBtn2); }));
    connect(AbColBitBtn3, &ColourButton::clicked, this, guarded([this] { AbColBitBtn3Click(AbColBitBtn3); }));
    connect(AbColBitBtn8, &ColourButton::clicked, this, guarded([this] { AbColBitBtn8Click(AbColBitBtn8); }));
    connect(AbColBitBtn6, &ColourButton::clicked, this, guarded([this] { AbColBitBtn6Click(AbColBitBtn6); }));
    connect(AbColBitBtn5, &ColourButton::clicked, this, guarded([this] { AbColBitBtn5Click(AbColBitBtn5); }));
    connect(Timer2, &QTimer::timeout, this, guarded([this] { Timer2Timer(Timer2); }));
    connect(Timer3, &QTimer::timeout, this, guarded([this] { Timer3Timer(Timer3); }));
    ComPort1->setReceiveHandler([this](int count) { ComPort1RxChar(ComPort1, count); });
    connect(ComPort1, &SerialPort::deviceLost, this, &TForm1::onDeviceLost);
}

ValueIndicator *TForm1::channelIndicator(int channel) const
{
    return AbValueInd[channelIndicatorNumber(channel)];
}

bool TForm1::event(QEvent *e)
{
    // Coming back from a modal window or another program does not count.
    if (e->type() == QEvent::WindowActivate && (!m_activatedOnce || m_otherWindowWasActive))
        activated();
    return QWidget::event(e);
}

void TForm1::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Shown for the first time it counts as activated, even where no window
    // manager hands it the focus.
    if (!m_activatedOnce)
        activated();
}

void TForm1::activated()
{
    m_activatedOnce = true;
    m_otherWindowWasActive = false;
    QMetaObject::invokeMethod(
        this, [this] { runGuarded([this] { FormActivate(this); }); }, Qt::QueuedConnection);
}

void TForm1::FormActivate(QObject *)
{
    applyApplicationFormats();
    MODODESCARGA = 0;
    Gauge1->hide();
    if (PUERTOCONFIGURADO == 0) {
        PortSettings settings = ComPort1->settings();
        if (PortSetupDialog::edit(settings, this))
            ComPort1->setSettings(settings);
    }
}

void TForm1::closeEvent(QCloseEvent *e)
{
    runGuarded([this] { FormClose(this); });
    e->accept();
    // Closing the main window ends the application, whatever else is shown.
    QCoreApplication::quit();
}

void TForm1::FormClose(QObject *)
{
    ComPort1->setRts(false);
    ComPort1->close();
    showDisconnected();
}

void TForm1::showDisconnected()
{
    AbRockerSwitch1->setCaption(QStringLiteral("CONECTAR"));
    AbRockerSwitch1->setOn(false);
    AbColBitBtn7->setOn(false);
    AbColBitBtn1->setOn(false);
}

// Window buttons: each opens its window and does nothing else.
void TForm1::AbColBitBtn2Click(QObject *)
{
    Form8->show();
    Form8->raise();
    Form8->activateWindow();
}

void TForm1::AbColBitBtn3Click(QObject *)
{
    Form7->exec();
}

void TForm1::AbColBitBtn8Click(QObject *)
{
    Form4->show();
    Form4->raise();
    Form4->activateWindow();
}

void TForm1::AbColBitBtn6Click(QObject *)
{
    Form3->exec();
}

void TForm1::AbColBitBtn5Click(QObject *)
{
    Form2->exec();
}
