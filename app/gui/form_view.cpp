#include "gui/form_view.h"

#include "gui/bar_chart_widget.h"
#include "gui/grid_table_model.h"
#include "gui/qt_text.h"
#include "gui/text_document.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

#include <set>

namespace verdalis::gui {

namespace {

using ui::ControlKind;
using ui::Property;

// The tab of a highlighted page stands out in this colour.
const QColor highlightedTabColor(0, 0, 128);

template <class W>
W* as(QWidget& widget)
{
    return qobject_cast<W*>(&widget);
}

QTabWidget* tabWidgetOf(const ui::Control& page, const std::unordered_map<const ui::Control*, QPointer<QWidget>>& widgets)
{
    auto found = widgets.find(page.parent());
    return found == widgets.end() ? nullptr : qobject_cast<QTabWidget*>(found->second.data());
}

int dialogCodeOf(ui::ModalResult result)
{
    return result == ui::ModalResult::Ok || result == ui::ModalResult::Yes ? QDialog::Accepted : QDialog::Rejected;
}

// Selects the source's current row without telling the model again.
void showCurrentRow(ui::Grid& grid, QTableView& table)
{
    if (grid.source() == nullptr || grid.source()->currentRow() < 0
        || table.currentIndex().row() == grid.source()->currentRow()) {
        return;
    }
    QSignalBlocker blocker(table.selectionModel());
    table.selectRow(grid.source()->currentRow());
}

// The grid's picked rows become the rows selected in the view.
void pickSelectedRows(ui::Grid& grid, const QTableView& table)
{
    std::set<int> picked;
    for (const QModelIndex& index : table.selectionModel()->selectedRows()) {
        picked.insert(index.row());
    }
    for (const int row : std::set<int>(grid.selectedRows())) {
        if (!picked.contains(row)) {
            grid.setRowSelected(row, false);
        }
    }
    for (const int row : picked) {
        grid.setRowSelected(row, true);
    }
}

} // namespace

FormView::FormView(ui::Form& form, std::unique_ptr<QWidget> window) : form_(form), window_(std::move(window))
{
    widgets_[&form_] = window_.get();
    controlsOfWidgets_[window_.get()] = &form_;
    window_->setObjectName(toQt(form_.name()));
    window_->installEventFilter(this);
    for (const auto& child : form_.children()) {
        build(*child, window_.get());
    }
    listener_ = form_.addListener([this](ui::Control& control, Property property) { update(control, property); });
    updateForm(Property::Caption);
    updateForm(Property::Geometry);
    updateForm(Property::Visible);
}

FormView::~FormView()
{
    form_.removeListener(listener_);
    window_->removeEventFilter(this);
    // Widgets being torn down (a tab widget losing its pages) must not
    // reach the model through a view that is going.
    for (auto& [control, widget] : widgets_) {
        if (widget != nullptr) {
            widget->blockSignals(true);
        }
        if (auto* table = qobject_cast<QTableView*>(widget.data())) {
            table->selectionModel()->blockSignals(true);
        }
    }
    window_.reset();
}

QWidget* FormView::widgetOf(const ui::Control& control) const
{
    auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second.data();
}

void FormView::build(ui::Control& control, QWidget* parent)
{
    if (control.kind() == ControlKind::PopupMenu) {
        buildMenu(static_cast<ui::PopupMenu&>(control));
        return;
    }
    if (control.kind() == ControlKind::Timer) {
        buildTimer(static_cast<ui::Timer&>(control));
        return;
    }
    QWidget* widget = createWidget(control, parent);
    widget->setObjectName(toQt(control.name()));
    widgets_[&control] = widget;
    controlsOfWidgets_[widget] = &control;
    if (control.kind() == ControlKind::TabSheet) {
        auto* tabs = qobject_cast<QTabWidget*>(parent);
        QSignalBlocker blocker(tabs);
        tabs->addTab(widget, toQt(control.caption()));
    }
    for (const auto& child : control.children()) {
        build(*child, widget);
    }
    updateAll(control);
    connectUserActions(control, *widget);
}

QWidget* FormView::createWidget(ui::Control& control, QWidget* parent)
{
    switch (control.kind()) {
    case ControlKind::Panel: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::StyledPanel);
        return frame;
    }
    case ControlKind::GroupBox: return new QGroupBox(parent);
    case ControlKind::PageControl: return new QTabWidget(parent);
    case ControlKind::TabSheet: return new QWidget();
    case ControlKind::Label: return new QLabel(parent);
    case ControlKind::Button: return new QPushButton(parent);
    case ControlKind::Edit: return new QLineEdit(parent);
    case ControlKind::Memo: return new QPlainTextEdit(parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::ListBox: return new QListWidget(parent);
    case ControlKind::CheckBox: return new QCheckBox(parent);
    case ControlKind::RadioButton: {
        // The model groups the radio buttons; Qt must not uncheck on its own.
        auto* radio = new QRadioButton(parent);
        radio->setAutoExclusive(false);
        return radio;
    }
    case ControlKind::RichText: return new QTextEdit(parent);
    case ControlKind::Grid: {
        auto* view = new QTableView(parent);
        view->setModel(new GridTableModel(static_cast<ui::Grid&>(control), view));
        view->setItemDelegate(new GridCellDelegate(static_cast<ui::Grid&>(control), view));
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        // Rows are picked for copying and deleting with Ctrl and Shift.
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setWordWrap(false);
        return view;
    }
    case ControlKind::BarChart: return new BarChartWidget(parent);
    default: return new QWidget(parent);
    }
}

void FormView::buildMenu(ui::PopupMenu& menu)
{
    auto* qtMenu = new QMenu(window_.get());
    qtMenu->setObjectName(toQt(menu.name()));
    menus_[&menu] = qtMenu;
    for (ui::MenuItem* item : menu.items()) {
        auto* action = qtMenu->addAction(toQt(item->caption()));
        action->setObjectName(toQt(item->name()));
        actions_[item] = action;
        updateAll(*item);
        connect(action, &QAction::triggered, this, [this, item] {
            item->userClick();
            updateAll(*item);
        });
    }
}

void FormView::buildTimer(ui::Timer& timer)
{
    auto* qtTimer = new QTimer(this);
    timers_[&timer] = qtTimer;
    connect(qtTimer, &QTimer::timeout, this, [&timer] { timer.elapse(); });
    updateAll(timer);
}

void FormView::connectUserActions(ui::Control& control, QWidget& widget)
{
    if (control.popupMenu() != nullptr || control.kind() == ControlKind::Label
        || control.kind() == ControlKind::Button) {
        widget.installEventFilter(this);
    }
    connect(&widget, &QWidget::customContextMenuRequested, this, [this, &control, &widget](const QPoint& at) {
        if (control.popupMenu() != nullptr && control.reachable()) {
            const QPoint global = widget.mapToGlobal(at);
            control.popupMenu()->popup({global.x(), global.y()});
        }
    });

    switch (control.kind()) {
    case ControlKind::Button:
        connect(as<QPushButton>(widget), &QPushButton::clicked, this,
                [&control] { static_cast<ui::Button&>(control).userClick(); });
        break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        connect(as<QAbstractButton>(widget), &QAbstractButton::clicked, this, [this, &control] {
            if (control.kind() == ControlKind::CheckBox) {
                static_cast<ui::CheckBox&>(control).userClick();
            } else {
                static_cast<ui::RadioButton&>(control).userClick();
            }
            update(control, Property::Checked);
        });
        break;
    case ControlKind::PageControl: {
        auto& pages = static_cast<ui::PageControl&>(control);
        connect(as<QTabWidget>(widget), &QTabWidget::currentChanged, this, [this, &pages](int index) {
            const auto sheets = pages.pages();
            auto* tabs = qobject_cast<QTabWidget*>(widgetOf(pages));
            QWidget* shown = tabs->widget(index);
            for (ui::TabSheet* sheet : sheets) {
                if (widgetOf(*sheet) == shown) {
                    pages.userSelectPage(*sheet);
                }
            }
            update(pages, Property::ActivePage);
        });
        break;
    }
    case ControlKind::Edit:
    case ControlKind::Memo: connectEdit(static_cast<ui::Edit&>(control), widget); break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::Grid: connectLists(control, widget); break;
    default: break;
    }
}

void FormView::connectEdit(ui::Edit& edit, QWidget& widget)
{
    if (auto* line = as<QLineEdit>(widget)) {
        line->installEventFilter(this);
        connect(line, &QLineEdit::textEdited, this, [this, &edit](const QString& text) {
            edit.userSetText(fromQt(text));
            update(edit, Property::Text);
        });
        connect(line, &QLineEdit::selectionChanged, this, [&edit, line] {
            const QString text = line->text();
            if (line->hasSelectedText()) {
                const size_t start = byteOffsetOf(text, line->selectionStart());
                edit.userSelect(start, byteOffsetOf(text, line->selectionEnd()) - start);
            }
        });
        connect(line, &QLineEdit::cursorPositionChanged, this, [&edit, line](int, int position) {
            if (!line->hasSelectedText()) {
                edit.userSelect(byteOffsetOf(line->text(), position), 0);
            }
        });
    } else if (auto* memo = as<QPlainTextEdit>(widget)) {
        connect(memo, &QPlainTextEdit::textChanged, this,
                [&edit, memo] { edit.userSetText(fromQt(memo->toPlainText())); });
    }
}

void FormView::connectLists(ui::Control& control, QWidget& widget)
{
    if (auto* combo = as<QComboBox>(widget)) {
        auto& box = static_cast<ui::ComboBox&>(control);
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this, &box](int index) {
            box.userSelect(index);
            update(box, Property::ItemIndex);
        });
        if (combo->lineEdit() != nullptr) {
            connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                    [&box](const QString& text) { box.userTypeText(fromQt(text)); });
        }
    } else if (auto* list = as<QListWidget>(widget)) {
        auto& box = static_cast<ui::ListBox&>(control);
        connect(list, &QListWidget::itemClicked, this, [this, &box, list](QListWidgetItem* item) {
            const int row = list->row(item);
            if (box.multiSelect() && (QApplication::keyboardModifiers() & Qt::ControlModifier)) {
                box.userToggle(row);
            } else {
                box.userClick(row);
            }
            update(box, Property::Selection);
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [&box, list](QListWidgetItem* item) { box.userDoubleClick(list->row(item)); });
    } else if (auto* table = as<QTableView>(widget)) {
        auto& grid = static_cast<ui::Grid&>(control);
        connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [&grid, table](const QModelIndex& current, const QModelIndex& previous) {
                    if (current.row() != previous.row()) {
                        grid.userMoveToRow(current.row());
                    }
                    if (current.column() != previous.column()) {
                        grid.userMoveToColumn(current.column());
                    }
                    showCurrentRow(grid, *table);
                });
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [&grid, table] { pickSelectedRows(grid, *table); });
    }
}

bool FormView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_.get()) {
        return handleFormWindowEvent(*event);
    }
    auto found = controlsOfWidgets_.find(watched);
    if (found == controlsOfWidgets_.end()) {
        return false;
    }
    ui::Control& control = *found->second;
    if (event->type() == QEvent::KeyPress
        && (control.kind() == ControlKind::Edit)) {
        return handleKey(static_cast<ui::Edit&>(control), *static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (control.kind() == ControlKind::Label && mouse->button() == Qt::LeftButton) {
            static_cast<ui::Label&>(control).userClick();
        } else if (control.kind() == ControlKind::Button && mouse->button() == Qt::LeftButton) {
            const QPoint at = mouse->position().toPoint();
            static_cast<ui::Button&>(control).userMouseUp(at.x(), at.y());
        }
    }
    return false;
}

bool FormView::handleKey(ui::Edit& edit, QKeyEvent& event)
{
    ui::Key key = ui::noKey;
    if (event.key() == Qt::Key_Backspace) {
        key = ui::backspaceKey;
    } else if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        key = ui::returnKey;
    }
    const QString typed = event.text();
    const bool printable = !typed.isEmpty() && typed.at(0) >= QChar(' ')
                           && !(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (key == ui::noKey && !printable) {
        return false; // moves, selection and clipboard keys stay with the widget
    }
    if (key == ui::returnKey) {
        // The widget sees the return key too, so that a dialog's default
        // button still answers it.
        edit.userKey(key);
        return false;
    }
    if (key != ui::noKey) {
        edit.userKey(key);
    } else {
        for (char32_t character : typed.toUcs4()) {
            edit.userKey(character);
        }
    }
    update(edit, Property::Text);
    return true;
}

bool FormView::handleFormWindowEvent(QEvent& event)
{
    if (event.type() == QEvent::Close) {
        const bool modalRunEnded = form_.showingModal() && form_.modalResult() != ui::ModalResult::None;
        if (!form_.visible() || modalRunEnded) {
            return false; // the model closed the form already
        }
        if (!form_.userClose()) {
            event.ignore();
        }
        return true;
    }
    if (event.type() == QEvent::Resize) {
        const QSize size = static_cast<QResizeEvent&>(event).size();
        if (size.width() != form_.width() || size.height() != form_.height()) {
            form_.userResize(size.width(), size.height());
        }
    }
    return false;
}

void FormView::update(ui::Control& control, Property property)
{
    if (&control == &form_) {
        updateForm(property);
        return;
    }
    if (auto action = actions_.find(&control); action != actions_.end()) {
        auto& item = static_cast<ui::MenuItem&>(control);
        action->second->setText(toQt(item.caption()));
        action->second->setVisible(item.visible());
        action->second->setEnabled(item.enabled());
        action->second->setCheckable(item.autoCheck() || item.checked());
        action->second->setChecked(item.checked());
        return;
    }
    if (auto menu = menus_.find(&control); menu != menus_.end()) {
        const auto at = static_cast<ui::PopupMenu&>(control).lastPopup();
        if (property == Property::Popup && at) {
            menu->second->popup(QPoint(at->x, at->y));
        }
        return;
    }
    if (auto timer = timers_.find(&control); timer != timers_.end()) {
        auto& modelTimer = static_cast<ui::Timer&>(control);
        if (modelTimer.enabled()) {
            timer->second->start(modelTimer.intervalMs());
        } else {
            timer->second->stop();
        }
        return;
    }
    QWidget* widget = widgetOf(control);
    if (widget == nullptr) {
        return;
    }
    QSignalBlocker blocker(widget);
    updateCommon(control, *widget, property);
    updateOwn(control, *widget, property);
}

void FormView::updateAll(ui::Control& control)
{
    for (Property property : {Property::Caption, Property::Visible, Property::Enabled, Property::Geometry,
                              Property::Hint, Property::PopupMenu, Property::Font, Property::Text, Property::ReadOnly, Property::Items,
                              Property::ItemIndex, Property::Selection, Property::Checked, Property::ActivePage,
                              Property::Highlighted, Property::Document, Property::GridData, Property::ChartData,
                              Property::Timer}) {
        update(control, property);
    }
}

void FormView::updateForm(Property property)
{
    switch (property) {
    case Property::Caption: window_->setWindowTitle(toQt(form_.caption())); break;
    case Property::Geometry:
        if (window_->size() != QSize(form_.width(), form_.height())) {
            window_->resize(form_.width(), form_.height());
        }
        break;
    case Property::WindowState:
    case Property::Visible:
        if (!form_.visible()) {
            window_->hide();
        } else if (!form_.showingModal()) {
            window_->setWindowState(form_.windowState() == ui::WindowState::Maximized ? Qt::WindowMaximized
                                                                                       : Qt::WindowNoState);
            window_->show();
        }
        break;
    case Property::ModalResult:
        if (auto* dialog = qobject_cast<QDialog*>(window_.get());
            dialog != nullptr && form_.modalResult() != ui::ModalResult::None) {
            dialog->done(dialogCodeOf(form_.modalResult()));
        }
        break;
    case Property::Children: buildMissingChildren(form_); break;
    default: break;
    }
}

void FormView::buildMissingChildren(ui::Control& control)
{
    QWidget* parent = widgetOf(control);
    for (const auto& child : control.children()) {
        const bool built = widgets_.contains(child.get()) || menus_.contains(child.get())
                           || timers_.contains(child.get()) || actions_.contains(child.get());
        if (!built && parent != nullptr) {
            build(*child, parent);
        }
    }
}

void FormView::updateStacking(ui::Control& parent)
{
    for (const auto& child : parent.children()) {
        if (QWidget* widget = widgetOf(*child)) {
            widget->raise();
        }
    }
}

void FormView::updateCommon(ui::Control& control, QWidget& widget, Property property)
{
    switch (property) {
    case Property::Visible:
        if (control.kind() == ControlKind::TabSheet) {
            if (QTabWidget* tabs = tabWidgetOf(control, widgets_)) {
                tabs->setTabVisible(tabs->indexOf(&widget), control.visible());
            }
        } else {
            widget.setVisible(control.visible());
        }
        break;
    case Property::Enabled:
        if (control.kind() == ControlKind::TabSheet) {
            if (QTabWidget* tabs = tabWidgetOf(control, widgets_)) {
                tabs->setTabEnabled(tabs->indexOf(&widget), control.enabled());
            }
        }
        widget.setEnabled(control.enabled());
        break;
    case Property::Geometry:
        if (control.kind() != ControlKind::TabSheet) {
            const ui::Geometry& g = control.geometry();
            widget.setGeometry(g.left, g.top, g.width, g.height);
        }
        break;
    case Property::Hint: widget.setToolTip(control.showHint() ? toQt(control.hint()) : QString()); break;
    case Property::ZOrder:
        if (control.parent() != nullptr) {
            updateStacking(*control.parent());
        }
        break;
    case Property::Focus: widget.setFocus(); break;
    case Property::PopupMenu:
        // Widgets without a menu of the model keep their own (copy, paste).
        widget.setContextMenuPolicy(control.popupMenu() != nullptr ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
        break;
    case Property::Children: buildMissingChildren(control); break;
    default: break;
    }
}

void FormView::updateOwn(ui::Control& control, QWidget& widget, Property property)
{
    const QString caption = toQt(control.caption());
    switch (control.kind()) {
    case ControlKind::GroupBox:
        if (property == Property::Caption) {
            as<QGroupBox>(widget)->setTitle(caption);
        }
        break;
    case ControlKind::TabSheet:
        if (QTabWidget* tabs = tabWidgetOf(control, widgets_)) {
            const int index = tabs->indexOf(&widget);
            if (property == Property::Caption) {
                tabs->setTabText(index, caption);
            } else if (property == Property::Highlighted) {
                const bool highlighted = static_cast<ui::TabSheet&>(control).highlighted();
                tabs->tabBar()->setTabTextColor(index, highlighted ? highlightedTabColor : QColor());
            }
        }
        break;
    case ControlKind::PageControl:
        if (property == Property::ActivePage) {
            const ui::TabSheet* active = static_cast<ui::PageControl&>(control).activePage();
            if (active != nullptr && widgetOf(*active) != nullptr) {
                as<QTabWidget>(widget)->setCurrentWidget(widgetOf(*active));
            }
        }
        break;
    case ControlKind::Label: {
        auto& label = static_cast<ui::Label&>(control);
        auto* qtLabel = as<QLabel>(widget);
        if (property == Property::Caption) {
            qtLabel->setText(caption);
        } else if (property == Property::Font) {
            const Color color = label.fontColor();
            qtLabel->setStyleSheet(QString("color: rgb(%1,%2,%3)").arg(color.red).arg(color.green).arg(color.blue));
            qtLabel->setWordWrap(label.wordWrap());
            qtLabel->setCursor(label.onClick ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
        break;
    }
    case ControlKind::Button:
        if (property == Property::Caption) {
            as<QPushButton>(widget)->setText(caption);
        }
        break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        if (property == Property::Caption) {
            as<QAbstractButton>(widget)->setText(caption);
        } else if (property == Property::Checked) {
            const bool checked = control.kind() == ControlKind::CheckBox
                                     ? static_cast<ui::CheckBox&>(control).checked()
                                     : static_cast<ui::RadioButton&>(control).checked();
            as<QAbstractButton>(widget)->setChecked(checked);
        }
        break;
    case ControlKind::Edit: {
        auto& edit = static_cast<ui::Edit&>(control);
        auto* line = as<QLineEdit>(widget);
        if (property == Property::Text || property == Property::Selection) {
            if (line->text() != toQt(edit.text())) {
                line->setText(toQt(edit.text()));
            }
            const int start = qtIndexOf(edit.text(), edit.selStart());
            const int end = qtIndexOf(edit.text(), edit.selStart() + edit.selLength());
            if (end > start) {
                line->setSelection(start, end - start);
            } else {
                line->setCursorPosition(end);
            }
        } else if (property == Property::ReadOnly) {
            line->setReadOnly(edit.readOnly());
            line->setEchoMode(edit.passwordChar() == ui::noKey ? QLineEdit::Normal : QLineEdit::Password);
        }
        break;
    }
    case ControlKind::Memo: {
        auto& memo = static_cast<ui::Edit&>(control);
        auto* text = as<QPlainTextEdit>(widget);
        if (property == Property::Text && text->toPlainText() != toQt(memo.text())) {
            text->setPlainText(toQt(memo.text()));
        } else if (property == Property::ReadOnly) {
            text->setReadOnly(memo.readOnly());
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto& box = static_cast<ui::ComboBox&>(control);
        auto* combo = as<QComboBox>(widget);
        if (property == Property::Items) {
            combo->clear();
            for (const std::string& item : box.items()) {
                combo->addItem(toQt(item));
            }
            combo->setEditable(box.style() == ui::ComboStyle::DropDown);
        }
        if (property == Property::Items || property == Property::ItemIndex || property == Property::Text) {
            combo->setCurrentIndex(box.itemIndex());
            if (combo->isEditable()) {
                combo->setEditText(toQt(box.text()));
            }
        }
        break;
    }
    case ControlKind::ListBox: {
        auto& box = static_cast<ui::ListBox&>(control);
        auto* list = as<QListWidget>(widget);
        if (property == Property::Items) {
            list->clear();
            for (const std::string& item : box.items()) {
                list->addItem(toQt(item));
            }
        }
        if (property == Property::Items || property == Property::Selection || property == Property::ItemIndex) {
            list->setSelectionMode(box.multiSelect() ? QAbstractItemView::MultiSelection
                                                     : QAbstractItemView::SingleSelection);
            for (int row = 0; row < list->count(); ++row) {
                list->item(row)->setSelected(box.selected(row));
            }
            if (box.itemIndex() != ui::noItem) {
                list->setCurrentRow(box.itemIndex(), QItemSelectionModel::NoUpdate);
            }
        }
        break;
    }
    case ControlKind::RichText: {
        auto& rich = static_cast<ui::RichText&>(control);
        auto* text = as<QTextEdit>(widget);
        if (property == Property::Document) {
            fillTextDocument(*text->document(), rich.document());
        } else if (property == Property::ReadOnly) {
            text->setReadOnly(rich.readOnly());
        } else if (property == Property::Font) {
            text->setLineWrapMode(rich.wordWrap() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
            text->setHorizontalScrollBarPolicy(rich.wordWrap() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn);
            text->setVerticalScrollBarPolicy(rich.wordWrap() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn);
        } else if (property == Property::Selection) {
            const std::string all = rich.document().text();
            QTextCursor cursor(text->document());
            cursor.setPosition(qtIndexOf(all, rich.selStart()));
            cursor.setPosition(qtIndexOf(all, rich.selStart() + rich.selLength()), QTextCursor::KeepAnchor);
            text->setTextCursor(cursor);
        }
        break;
    }
    case ControlKind::BarChart:
        if (property == Property::ChartData) {
            // Made for this kind in createWidget; it has no meta-object to cast by.
            static_cast<BarChartWidget&>(widget).setData(static_cast<ui::BarChart&>(control).data());
        }
        break;
    case ControlKind::Grid: {
        auto& grid = static_cast<ui::Grid&>(control);
        auto* table = as<QTableView>(widget);
        if (property == Property::GridData) {
            static_cast<GridTableModel*>(table->model())->reload();
            showCurrentRow(grid, *table);
            // Reloading drops the view's selection without telling.
            pickSelectedRows(grid, *table);
        } else if (property == Property::ReadOnly) {
            table->setEditTriggers(grid.readOnly() ? QAbstractItemView::NoEditTriggers
                                                   : QAbstractItemView::AllEditTriggers);
        }
        break;
    }
    default: break;
    }
}

} // namespace verdalis::gui
