#include "info/aboutwindow.h"

#include "app/errors.h"
#include "info/maker.h"
#include "widgets/fonts.h"
#include "widgets/placement.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

QString spacedCapitals(const QString &text)
{
    QStringList letters;
    for (QChar c : text.toUpper())
        letters << QString(c);
    return letters.join(QLatin1Char(' '));
}
} // namespace

QImage TForm2::programIcon()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 255)); // cyan ground
    QPainter p(&image);
    // Grey domed building behind.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(4, 20, 24, 10);
    p.setBrush(QColor(192, 192, 192));
    p.drawChord(QRect(7, 11, 18, 18), 0, 180 * 16);
    p.setBrush(QColor(128, 128, 128));
    for (int x = 6; x < 28; x += 5)
        p.drawRect(x, 21, 2, 9);
    // Dark stem and grey cup of the torch.
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(15, 15, 3, 15);
    p.setBrush(QColor(128, 128, 128));
    const QPoint cup[] = {{11, 11}, {21, 11}, {19, 16}, {13, 16}};
    p.drawPolygon(cup, 4);
    // Red and yellow flame.
    p.setBrush(QColor(255, 0, 0));
    const QPoint outer[] = {{12, 11}, {16, 1}, {20, 11}};
    p.drawPolygon(outer, 3);
    p.setBrush(QColor(255, 255, 0));
    const QPoint inner[] = {{14, 11}, {16, 5}, {18, 11}};
    p.drawPolygon(inner, 3);
    // One-pixel black border.
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 31, 31);
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ACERCA DE NORVALIX"));
    resize(293, 198);
    setFont(sansSerifFont(11));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(4, 2, 281, 161);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 65, 57);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(QPixmap::fromImage(programIcon()));

    ProductName = placedLabel(Panel1, "ProductName", QStringLiteral("Soft de comunicación con loggers de la "), 83, 16);
    Label4 = placedLabel(Panel1, "Label4", QStringLiteral("línea solvarina."), 83, 28);
    Version = placedLabel(Panel1, "Version", QStringLiteral("Version 1.1"), 83, 44);
    Label1 = placedLabel(Panel1, "Label1", QStringLiteral("Desarrollado por "), 112, 64);

    QFont big = arialFont(16, true, true);
    big.setUnderline(true);
    Label2 = place(styledLabel(Panel1, spacedCapitals(makerWebAddress()), big, QColor(255, 0, 0)), "Label2", 44, 84);

    Comments = placedLabel(Panel1, "Comments", QString(), 8, 104);
    Comments->setWordWrap(true);
    Copyright = placedLabel(Panel1, "Copyright", makerRightsNotice(), 48, 112);

    Label3 = place(styledLabel(Panel1, makerWebAddress().toLower(), arialFont(11, true, true), QColor(128, 0, 128)),
                   "Label3", 100, 132);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(108, 168, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { runGuarded([this] { OKButtonClick(OKButton); }); });
    centreOnDesktop(this);
}

void TForm2::OKButtonClick(QObject *)
{
    accept();
}
