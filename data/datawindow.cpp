#include "data/datawindow.h"

#include "app/errors.h"
#include "app/forms.h"
#include "app/mainwindow.h"
#include "chart/chartwindow.h"
#include "data/downloadlines.h"
#include "data/dump.h"
#include "data/export.h"
#include "data/stringgrid.h"
#include "widgets/fonts.h"
#include "widgets/gradientbackground.h"
#include "widgets/instrumentmath.h"
#include "widgets/placement.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int kGridColumns = 19;
constexpr int kRowsCleared = 2048;
const int kColumnWidths[kGridColumns] = {37, 52, 39, 31, 31, 28, 28, 30, 29, 31, 29, 30, 29, 30, 29, 29, 29, 28, 28};

QLineEdit *startBox(QWidget *parent, const char *name, const QFont &font, int left, int width)
{
    auto *e = place(new QLineEdit(parent), name, left, 54, width, 24);
    e->setReadOnly(true);
    e->setFont(font);
    colourWidget(e, palette::lime(), palette::teal());
    return e;
}

QLabel *whiteLabel(QWidget *parent, const char *name, const QString &text, int left, int top)
{
    return place(styledLabel(parent, text, arialFont(13, true), Qt::white), name, left, top);
}

QToolButton *pictureButton(QWidget *parent, const char *name, const QString &caption, const QString &hint,
                           QStyle::StandardPixmap picture, int left)
{
    auto *b = place(new QToolButton(parent), name, left, 39, 49, 52);
    b->setText(caption);
    b->setToolTip(hint);
    b->setIcon(parent->style()->standardIcon(picture));
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFont(arialFont(8));
    b->setAutoRaise(false);
    return b;
}

// Writes a column given by its current index, in one go.
void writeColumn(StringGrid *grid, int column, int firstRow, const QStringList &texts)
{
    grid->gridModel().setColumn(grid->logicalColumn(column), firstRow, texts);
}
} // namespace

TForm5::TForm5(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("DATOS DESCARGADOS"));
    resize(691, 395);
    setFont(sansSerifFont(11));

    AbGradient1 = new GradientBackground(palette::teal(), QColor(160, 160, 164), this);
    AbGradient1->setObjectName(QStringLiteral("AbGradient1"));
    Label7 = whiteLabel(this, "Label7", QStringLiteral("G  R  I  L  L  A    D  E    D  A  T  O  S"), 212, 6);
    Label8 = whiteLabel(this, "Label8", QStringLiteral(" Fecha de inicio "), 15, 36);
    Label9 = whiteLabel(this, "Label9", QStringLiteral(" Hora de inicio "), 147, 36);
    Label10 = whiteLabel(this, "Label10", QStringLiteral(" Tasa de muestreo "), 273, 36);
    Edit1 = startBox(this, "Edit1", arialFont(13, true), 6, 121);
    Edit2 = startBox(this, "Edit2", sansSerifFont(13, true), 135, 121);
    Edit8 = startBox(this, "Edit8", arialFont(13, true), 273, 136);
    SpeedButton2 = pictureButton(this, "SpeedButton2", QStringLiteral("GRAFICAR"),
                                 QStringLiteral("Muestra gráfico preliminar"), QStyle::SP_FileDialogContentsView, 429);
    SpeedButton1 = pictureButton(this, "SpeedButton1", QStringLiteral("GUARDAR"),
                                 QStringLiteral("Guarda los datos en disco"), QStyle::SP_DialogSaveButton, 507);

    StringGrid1 = place(new StringGrid(kGridColumns, this), "StringGrid1", 4, 99, 677, 286);
    StringGrid1->setRowCountShown(2048);
    StringGrid1->setFont(arialFont(9, true));
    StringGrid1->horizontalHeader()->setFont(arialFont(9, true));
    StringGrid1->verticalHeader()->setFont(arialFont(9, true));
    QPalette gp = StringGrid1->palette();
    gp.setColor(QPalette::Base, palette::moneyGreen());
    gp.setColor(QPalette::Text, QColor(255, 0, 0));
    gp.setColor(QPalette::ButtonText, QColor(255, 0, 0));
    StringGrid1->setPalette(gp);
    StringGrid1->horizontalHeader()->setFixedHeight(20);
    for (int c = 0; c < kGridColumns; ++c)
        StringGrid1->setColumnWidthAt(c, kColumnWidths[c]);

    askSaveFileName = [this] { return runSaveDialog(); };
    confirmOverwrite = [this](const QString &path) { return askOverwrite(path); };
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { runGuarded([this] { SpeedButton1Click(SpeedButton1); }); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { runGuarded([this] { SpeedButton2Click(SpeedButton2); }); });
    centreOnDesktop(this);
}

void TForm5::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // Once per opening: shown and hidden again only by opening and closing.
    if (!e->spontaneous())
        runGuarded([this] { FormActivate(this); });
}

void TForm5::FormActivate(QObject *)
{
    m_lines = downloadLines(Form1->RichEdit1);
    const int n = int(m_lines.size());
    for (int c = 0; c <= 11; ++c)
        StringGrid1->gridModel().clearCells(StringGrid1->logicalColumn(c), 0, kRowsCleared);
    StringGrid1->setRowCountShown(n - 2);
    DOSCANALESLM35();
}

void TForm5::DOSCANALESLM35()
{
    const int n = int(m_lines.size());
    OBTIENEFECHAYHORA();
    StringGrid1->setCell(1, 0, QStringLiteral("FECHA:"));
    StringGrid1->setCell(2, 0, QStringLiteral("HORA:"));
    for (int k = 1; k <= 16; ++k)
        StringGrid1->setCell(k + 2, 0, QStringLiteral("CH%1").arg(k));
    QStringList numbers;
    for (int r = 1; r <= n - 3; ++r)
        numbers << QString::number(r);
    writeColumn(StringGrid1, 0, 1, numbers);
    MUESTRADATA();
}

void TForm5::OBTIENEFECHAYHORA()
{
    const int n = int(m_lines.size());
    // Every header field is read before anything is written.
    const DumpHeader h = decodeDumpHeader(m_lines.value(0));
    Label1 = QString::number(h.year);
    Label2 = QString::number(h.month);
    Label3 = QString::number(h.day);
    Label4 = QString::number(h.hour);
    Label5 = QString::number(h.minute);
    Label6 = QString::number(h.second);
    const QString rate = rateText(h.rateCode);
    if (!rate.isEmpty())
        Edit8->setText(rate); // other codes leave the text of an earlier opening
    Edit1->setText(dateText(h.day, h.month, h.year));
    Edit2->setText(timeText(h.hour, h.minute, h.second));

    const int interval = intervalOfRateText(Edit8->text());
    if (interval == 0)
        return;
    StartValues start;
    start.year = Label1.toInt();
    start.month = Label2.toInt();
    start.day = Label3.toInt();
    start.hour = Label4.toInt();
    start.minute = Label5.toInt();
    start.second = Label6.toInt();
    const QList<Stamp> stamps = generateStamps(start, interval, n - 3, calendar);
    QStringList dates, times;
    dates.reserve(stamps.size());
    times.reserve(stamps.size());
    for (const Stamp &s : stamps) {
        Edit6 = s.date;
        Edit7 = s.time;
        dates << Edit6;
        times << Edit7;
        Edit6.clear();
        Edit7.clear();
    }
    writeColumn(StringGrid1, 1, 1, dates);
    writeColumn(StringGrid1, 2, 1, times);
}

void TForm5::MUESTRADATA()
{
    const int n = int(m_lines.size());
    QList<QStringList> columns(16);
    auto flush = [&] {
        for (int k = 1; k <= 16; ++k)
            writeColumn(StringGrid1, k + 2, 1, columns[k - 1]);
    };
    try {
        for (int i = 1; i <= n - 2; ++i) {
            // All sixteen readings first: a bad one leaves the whole row unwritten.
            const std::array<int, 16> readings = decodeDumpRecord(m_lines.at(i));
            for (int k = 0; k < 16; ++k)
                columns[k] << readingText(readings[size_t(k)]);
        }
    } catch (...) {
        flush();
        throw;
    }
    flush();
}

QString TForm5::runSaveDialog()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
#ifdef Q_OS_WIN
    dialog.setDirectory(QStringLiteral("C:\\"));
#else
    dialog.setDirectory(QDir::homePath());
#endif
    if (!lastSaveName.isEmpty())
        dialog.selectFile(lastSaveName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool TForm5::askOverwrite(const QString &)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), QStringLiteral("El archivo existe, sobreescribo?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("OverwriteQuestion"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancel"));
    return box.exec() == QMessageBox::Yes;
}

void TForm5::SpeedButton1Click(QObject *)
{
    const QString path = askSaveFileName();
    if (path.isEmpty())
        return;
    lastSaveName = path;
    if (QFileInfo::exists(path) && !confirmOverwrite(path))
        return;
    const int n = int(downloadLines(Form1->RichEdit1).size());
    writeFileReplacing(path, exportText(*StringGrid1, n - 3));
}

void TForm5::SpeedButton2Click(QObject *)
{
    Form6->exec();
}
