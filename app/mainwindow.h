#pragma once
// The main window: live readings on the left, commands on the right. It owns
// the serial port, the frame buffer and the download buffer.

#include <QDateTime>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class BarThermometer;
class ClockDisplay;
class ColourButton;
class DialMeter;
class GradientBackground;
class Lamp;
class PieGauge;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class RadioGroup;
class RockerSwitch;
class SerialPort;
class ValueIndicator;
struct LiveFrame;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(SerialPort *port, QWidget *parent = nullptr);
    ~TForm1() override;

    // Handlers, named after their control and event.
    void FormActivate(QObject *Sender);
    void FormClose(QObject *Sender);
    void ComPort1RxChar(QObject *Sender, int Count);
    void AbRockerSwitch1Click(QObject *Sender);
    void AbRockerSwitch1MouseUp(QObject *Sender);
    void AbColBitBtn4Click(QObject *Sender);
    void AbColBitBtn2Click(QObject *Sender);
    void AbColBitBtn3Click(QObject *Sender);
    void AbColBitBtn8Click(QObject *Sender);
    void AbColBitBtn6Click(QObject *Sender);
    void AbColBitBtn5Click(QObject *Sender);
    void Timer2Timer(QObject *Sender);
    void Timer3Timer(QObject *Sender);

    // One download step inside a receive event.
    void DESCARGAR(int Count);
    // Sends the clock-setting message.
    void HORAAPIC();

    // The thermometer or clock window became active: the next activation of
    // this window runs FormActivate again.
    void otherWindowActivated() { m_otherWindowWasActive = true; }

    // Channel k's readout (the one captioned "CANAL k").
    ValueIndicator *channelIndicator(int channel) const;

    // Serial component and hidden buffers.
    SerialPort *ComPort1;
    QString Edit2;     // frame buffer
    QString RichEdit1; // download buffer

    // Controls, left half.
    GradientBackground *AbGradient1;
    QFrame *Splitter1;
    ColourButton *AbColBitBtn1;
    QLineEdit *Edit4;
    Lamp *AbLED1;
    QLineEdit *Edit3;
    ColourButton *AbColBitBtn7;
    ValueIndicator *AbValueInd[17] = {}; // 1..16 by component number
    ColourButton *AbColBitBtn8;
    RadioGroup *RadioGroup1;
    DialMeter *AbDB120Meter1;
    ColourButton *AbColBitBtn3;
    QLabel *Label2;
    QLineEdit *Edit1;
    QLabel *Label3;
    // Right half.
    ColourButton *AbColBitBtn4;
    PieGauge *Gauge1;
    QCheckBox *CheckBox1;
    ColourButton *AbColBitBtn2;
    QLabel *Label4;
    ClockDisplay *AbClock2;
    QLabel *Label1;
    ClockDisplay *AbClock1;
    RockerSwitch *AbRockerSwitch1;
    ColourButton *AbColBitBtn6;
    ColourButton *AbColBitBtn5;
    // Non-visual.
    QTimer *Timer2;
    QTimer *Timer3;

    // The PC clock HORAAPIC reads and the blocking pause of the download
    // request; tests replace them.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    std::function<void(int ms)> pause;

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildLeftHalf();
    void buildRightHalf();
    void connectHandlers();
    // Decodes the frame buffer into the controls; false when a non-digit
    // abandoned the decoding part-way.
    bool showLiveFrame(const QString &frame);
    void activated();
    void showDisconnected();
    void onDeviceLost(const QString &message);

    bool m_activatedOnce = false;
    bool m_otherWindowWasActive = false;
};
