// The data of a grid control for a Qt table view: rows and columns of the
// grid's source, edits going into the grid as the user's.
#pragma once

#include "ui/grid.h"

#include <QAbstractTableModel>

namespace verdalis::gui {

class GridTableModel : public QAbstractTableModel {
public:
    GridTableModel(ui::Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

    // The source's data changed: the view reads everything again.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    ui::Grid& grid_;
};

} // namespace verdalis::gui
