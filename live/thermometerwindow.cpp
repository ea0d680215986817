#include "live/thermometerwindow.h"

#include "app/errors.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "app/moduleflags.h"
#include "link/liveframe.h"
#include "widgets/barthermometer.h"
#include "widgets/colourbutton.h"
#include "widgets/fonts.h"
#include "widgets/gradientbackground.h"
#include "widgets/instrumentmath.h"
#include "widgets/placement.h"

#include <QCloseEvent>
#include <QLabel>

namespace {
struct Cell {
    int number; // component number
    int width;
    QColor colour;
};
// Row by row, channel order; the bottom row's component numbers run backwards.
const Cell kCells[4][4] = {
    {{1, 65, QColor(0, 0, 255)}, {2, 65, QColor(255, 0, 0)}, {3, 77, QColor(0, 128, 0)}, {4, 77, QColor(0, 255, 0)}},
    {{5, 65, QColor(255, 255, 0)}, {6, 65, QColor(0, 255, 255)}, {7, 73, QColor(192, 220, 192)}, {8, 73, Qt::white}},
    {{9, 65, QColor(0, 0, 255)}, {10, 65, QColor(255, 0, 0)}, {11, 77, QColor(0, 128, 0)}, {12, 77, QColor(0, 255, 0)}},
    {{16, 65, QColor(255, 255, 0)}, {15, 65, QColor(0, 255, 255)}, {14, 73, QColor(192, 220, 192)}, {13, 73, Qt::white}},
};
const int kTops[4] = {24, 152, 280, 408};
const int kLefts[4] = {4, 73, 138, 212};
} // namespace

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QString());
    setFixedSize(296, 535);
    setFont(sansSerifFont(11));
    move(258, 37);

    // Light grey to grey in two vertical bands.
    AbGradient1 = new GradientBackground(QColor(143, 143, 143), QColor(226, 226, 226), this);
    AbGradient1->setObjectName(QStringLiteral("AbGradient1"));

    Label1 = place(styledLabel(this, QStringLiteral("VALORES PUNTUALES ON-LINE"), arialFont(13, true), palette::teal()),
                   "Label1", 48, 0, 200, 16);

    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const Cell &c = kCells[row][col];
            auto *t = new BarThermometer(this);
            t->setObjectName(QStringLiteral("AbThermometer%1").arg(c.number));
            t->setCaption(QStringLiteral("Canal %1").arg(row * 4 + col + 1));
            t->setBarColor(c.colour);
            t->setGeometry(kLefts[col], kTops[row], c.width, 125);
            AbThermometer[c.number] = t;
        }
    }
}

BarThermometer *TForm4::thermometerOfChannel(int channel) const
{
    return AbThermometer[channelThermometerNumber(channel)];
}

bool TForm4::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) {
        if (Form1)
            Form1->otherWindowActivated();
        QMetaObject::invokeMethod(
            this, [this] { runGuarded([this] { FormActivate(this); }); }, Qt::QueuedConnection);
    }
    return QWidget::event(e);
}

void TForm4::FormActivate(QObject *)
{
    Form1->AbColBitBtn8->hide();
    Form1->move(Form1->x() + 130, Form1->y());
    // Right edge against the main window's left edge, even off the screen.
    move(Form1->x() - frameGeometry().width(), 5);
    PUERTOCONFIGURADO = 1;
}

void TForm4::closeEvent(QCloseEvent *e)
{
    runGuarded([this] { FormClose(this); });
    e->accept();
}

void TForm4::FormClose(QObject *)
{
    centreOnDesktop(Form1);
    Form1->AbColBitBtn8->show();
}
