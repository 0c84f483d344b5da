#include "gui/grid_table_model.h"

#include "gui/qt_text.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace verdalis::gui {

namespace {

// Rows a pick list shows before it scrolls.
constexpr int pickListRows = 5;

} // namespace

void GridTableModel::reload()
{
    const int rows = rowCount();
    const int columns = columnCount();
    if (rows == rows_ && columns == columns_) {
        if (rows > 0 && columns > 0) {
            emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
        }
        emit headerDataChanged(Qt::Horizontal, 0, std::max(0, columns - 1));
        return;
    }
    beginResetModel();
    rows_ = rows;
    columns_ = columns;
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || grid_.source() == nullptr ? 0 : grid_.source()->rowCount();
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || grid_.source() == nullptr ? 0 : grid_.source()->columnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (grid_.source() == nullptr || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return toQt(grid_.source()->cellText(index.row(), index.column()));
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (grid_.source() == nullptr || role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return toQt(grid_.source()->columnName(section));
    }
    return section + 1;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && !grid_.columnReadOnly(index.column())) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    const bool accepted = grid_.userEditCell(index.row(), index.column(), fromQt(value.toString()));
    emit dataChanged(index, index);
    return accepted;
}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    // The key handler looks at the cell the editor is for.
    grid_.userMoveToRow(index.row());
    grid_.userMoveToColumn(index.column());
    const std::vector<std::string>& choices = grid_.columnPickList(index.column());
    if (choices.empty()) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        editor->installEventFilter(const_cast<GridCellDelegate*>(this));
        return editor;
    }
    auto* dropDown = new QComboBox(parent);
    for (const std::string& choice : choices) {
        dropDown->addItem(toQt(choice));
    }
    dropDown->setMaxVisibleItems(pickListRows);
    return dropDown;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* dropDown = qobject_cast<QComboBox*>(editor)) {
        dropDown->setCurrentIndex(std::max(0, dropDown->findText(index.data(Qt::EditRole).toString())));
        dropDown->showPopup();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* dropDown = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, dropDown->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool GridCellDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched) != nullptr) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const ui::Key typed = key->key() == Qt::Key_Backspace ? ui::backspaceKey
                              : key->text().isEmpty()         ? ui::noKey
                                                              : key->text().toUcs4().value(0);
        if (typed != ui::noKey && (typed >= ' ' || typed == ui::backspaceKey) && grid_.userFilterKey(typed) == ui::noKey) {
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

} // namespace verdalis::gui
