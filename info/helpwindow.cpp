#include "info/helpwindow.h"

#include "widgets/placement.h"

#include "info/maker.h"
#include "widgets/fonts.h"
#include "widgets/gradientbackground.h"

#include <QPlainTextEdit>
#include <QStringList>

QString TForm3::helpText()
{
    const QStringList lines = {
        QStringLiteral("                   QUIRANTE -  DATALOGGER DE 16 CANALES DE 12 BITS"),
        QString(),
        QStringLiteral("Este software permite la descarga de datos de Llos loggers de 16 canales de  "),
        QStringLiteral("12 "),
        QStringLiteral("bits de ") + makerWebAddress().toLower() + QLatin1Char('.'),
        QStringLiteral("El uso de este programa es muy sencillo:"),
        QString(),
        QStringLiteral("*Conecte el cable INTERFASE al logger."),
        QStringLiteral("*Conecte el cable INTERFASE a la PC puerto serial libre disponible."),
        QStringLiteral("*Ejecute el software."),
        QStringLiteral("*Seleccione el puerto serial  (COM 1,2,3,4,5, etc) donde fue conectado el logger."),
        QStringLiteral("*Haga click en Ok"),
        QStringLiteral("*Haga click en conectar. Aguarde 2 segundos y verá los canales del logger \"ON"),
        QStringLiteral("LINE\"."),
        QString(),
        QStringLiteral("También verá las posiciones de memoria utilizadas y los datos de fecha "),
        QStringLiteral("reportados por el logger y los de la PC que está usando."),
        QStringLiteral("Haciendo click en descargar podrña ver los datos descargados y ver un gráfico"),
        QStringLiteral("preliminar."),
        QStringLiteral("Podrá ver asimismo la tasa de muestreo, fecha y hora de inicio de logeo."),
        QStringLiteral("Todos los canales son de lilivoltios o temperatura. Puede registrar datos entre "),
        QStringLiteral("-40 y + 125 ºC."),
        QString(),
        QStringLiteral("Los tiempos de muestreo son de 15,30 y 60 minutos."),
        QStringLiteral("Ingresando a \"Cambio de tasa\" podrá cambiar la misma."),
    };
    return lines.join(QLatin1Char('\n'));
}

TForm3::TForm3(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Ayuda soble el uso del programa"));
    resize(425, 326);
    setFont(sansSerifFont(11));

    AbGradient1 = new GradientBackground(QColor(143, 143, 143), QColor(226, 226, 226), this);
    AbGradient1->setObjectName(QStringLiteral("AbGradient1"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(1, 25, 418, 295);
    Memo1->setFont(arialFont(11));
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    Memo1->setPalette(p);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setPlainText(helpText());
    centreOnDesktop(this);
}
