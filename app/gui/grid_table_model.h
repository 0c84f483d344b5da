// The data of a grid control for a Qt table view: rows and columns of the
// grid's source, edits going into the grid as the user's.
#pragma once

#include "ui/grid.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

namespace verdalis::gui {

class GridTableModel : public QAbstractTableModel {
public:
    GridTableModel(ui::Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

    // The source's data changed: the view reads everything again. While the
    // shape stays, open cell editors stay open too.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    ui::Grid& grid_;
    // The source's shape as the view last learned it.
    int rows_ = 0;
    int columns_ = 0;
};

// The editors of a grid's cells: a drop-down of the column's pick list
// where it has one, else a line edit whose typed keys pass the grid's key
// handler first, so that a column refusing letters never shows one.
class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(ui::Grid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Grid& grid_;
};

} // namespace verdalis::gui
