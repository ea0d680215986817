#pragma once
// A grid of text cells addressed by (current column index, row), like the
// data window needs: cells are kept whatever their row, the row count only
// decides what is shown; row 0 and column 0 are fixed (shown as the headers);
// columns move by dragging their heading cell; nothing is editable.

#include <QAbstractTableModel>
#include <QTableView>

#include <vector>

class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StringGridModel(int columns, QObject *parent = nullptr);

    // By column as created (not as currently shown).
    QString cell(int logicalColumn, int row) const;
    void setCell(int logicalColumn, int row, const QString &text);
    // Fills a column's cells from `firstRow` on in one go (one view update).
    void setColumn(int logicalColumn, int firstRow, const QStringList &texts);
    void clearCells(int logicalColumn, int firstRow, int lastRow);

    int gridRowCount() const { return m_rowCount; }
    void setGridRowCount(int rows);

    // Model rows and columns are the grid's rows 1.. and columns 1..
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString *slot(int logicalColumn, int row);
    void cellChanged(int logicalColumn, int row);

    int m_columns;
    int m_rowCount = 1;
    std::vector<std::vector<QString>> m_cells; // [column][row]
};

class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(int columns, QWidget *parent = nullptr);

    // Cells by current column index, as the user sees the columns now.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    int rowCountShown() const { return m_model.gridRowCount(); }
    void setRowCountShown(int rows) { m_model.setGridRowCount(qMax(1, rows)); }

    // The column created as `logical` that now stands at `column`.
    int logicalColumn(int column) const;
    // Moves the column at current index `from` to `to`, as a drag does.
    void moveColumn(int from, int to);
    void setColumnWidthAt(int column, int width);

    StringGridModel &gridModel() { return m_model; }

private:
    StringGridModel m_model;
};
