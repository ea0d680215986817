#include "data/stringgrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {
// Cells separated by 3-pixel lines, drawn inside each cell's right and bottom edge.
class WideGridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem o = option;
        o.rect.adjust(0, 0, -kLine, -kLine);
        QStyledItemDelegate::paint(p, o, index);
        const QColor line = option.palette.color(QPalette::Mid);
        p->fillRect(QRect(option.rect.right() - kLine + 1, option.rect.top(), kLine, option.rect.height()), line);
        p->fillRect(QRect(option.rect.left(), option.rect.bottom() - kLine + 1, option.rect.width(), kLine), line);
    }

private:
    static constexpr int kLine = 3;
};
} // namespace

StringGridModel::StringGridModel(int columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
    , m_cells(size_t(columns))
{
}

QString StringGridModel::cell(int logicalColumn, int row) const
{
    if (logicalColumn < 0 || logicalColumn >= m_columns || row < 0)
        return QString();
    const auto &column = m_cells[size_t(logicalColumn)];
    return size_t(row) < column.size() ? column[size_t(row)] : QString();
}

QString *StringGridModel::slot(int logicalColumn, int row)
{
    if (logicalColumn < 0 || logicalColumn >= m_columns || row < 0)
        return nullptr;
    auto &column = m_cells[size_t(logicalColumn)];
    if (column.size() <= size_t(row))
        column.resize(size_t(row) + 1);
    return &column[size_t(row)];
}

void StringGridModel::cellChanged(int logicalColumn, int row)
{
    if (row == 0 && logicalColumn > 0)
        emit headerDataChanged(Qt::Horizontal, logicalColumn - 1, logicalColumn - 1);
    else if (logicalColumn == 0 && row > 0 && row < m_rowCount)
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    else if (row > 0 && row < m_rowCount && logicalColumn > 0) {
        const QModelIndex i = index(row - 1, logicalColumn - 1);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

void StringGridModel::setCell(int logicalColumn, int row, const QString &text)
{
    QString *s = slot(logicalColumn, row);
    if (!s || *s == text)
        return;
    *s = text;
    cellChanged(logicalColumn, row);
}

void StringGridModel::setColumn(int logicalColumn, int firstRow, const QStringList &texts)
{
    if (texts.isEmpty() || !slot(logicalColumn, firstRow + int(texts.size()) - 1))
        return;
    auto &column = m_cells[size_t(logicalColumn)];
    for (qsizetype i = 0; i < texts.size(); ++i)
        column[size_t(firstRow + i)] = texts.at(i);
    if (logicalColumn == 0)
        emit headerDataChanged(Qt::Vertical, 0, qMax(0, m_rowCount - 2));
    else if (m_rowCount > 1)
        emit dataChanged(index(0, logicalColumn - 1), index(m_rowCount - 2, logicalColumn - 1));
}

void StringGridModel::clearCells(int logicalColumn, int firstRow, int lastRow)
{
    if (logicalColumn < 0 || logicalColumn >= m_columns)
        return;
    auto &column = m_cells[size_t(logicalColumn)];
    const size_t end = qMin(column.size(), size_t(lastRow) + 1);
    for (size_t r = size_t(qMax(0, firstRow)); r < end; ++r)
        column[r].clear();
    if (logicalColumn == 0 || firstRow == 0)
        emit headerDataChanged(logicalColumn == 0 ? Qt::Vertical : Qt::Horizontal, 0,
                               logicalColumn == 0 ? qMax(0, m_rowCount - 2) : m_columns - 2);
    if (logicalColumn > 0 && m_rowCount > 1)
        emit dataChanged(index(0, logicalColumn - 1), index(m_rowCount - 2, logicalColumn - 1));
}

void StringGridModel::setGridRowCount(int rows)
{
    rows = qMax(1, rows);
    if (rows == m_rowCount)
        return;
    beginResetModel();
    m_rowCount = rows;
    endResetModel();
}

int StringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount - 1;
}

int StringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns - 1;
}

QVariant StringGridModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return cell(index.column() + 1, index.row() + 1);
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? cell(section + 1, 0) : cell(0, section + 1);
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

StringGrid::StringGrid(int columns, QWidget *parent)
    : QTableView(parent)
    , m_model(columns)
{
    setModel(&m_model);
    setShowGrid(false);
    setItemDelegate(new WideGridDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone); // narrow columns clip their text, they do not abbreviate it
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsMovable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(10);
    verticalHeader()->setMinimumSectionSize(10);
}

int StringGrid::logicalColumn(int column) const
{
    if (column <= 0)
        return column;
    return 1 + horizontalHeader()->logicalIndex(column - 1);
}

QString StringGrid::cell(int column, int row) const
{
    return m_model.cell(logicalColumn(column), row);
}

void StringGrid::setCell(int column, int row, const QString &text)
{
    m_model.setCell(logicalColumn(column), row, text);
}

void StringGrid::moveColumn(int from, int to)
{
    if (from <= 0 || to <= 0)
        return; // the fixed column stays where it is
    horizontalHeader()->moveSection(from - 1, to - 1);
}

void StringGrid::setColumnWidthAt(int column, int width)
{
    if (column == 0)
        verticalHeader()->setFixedWidth(width);
    else
        setColumnWidth(column - 1, width);
}
