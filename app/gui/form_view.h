// Renders a form of the control model as Qt widgets and keeps both in step:
// every change the model announces is read anew into its widget, and every
// user action on a widget goes into the model as a user action, so the
// model decides (and its handlers run) before the widget shows the result.
// Positions and sizes come from the model as they are.
#pragma once

#include "ui/controls.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <unordered_map>

class QAction;
class QMenu;
class QTimer;

namespace verdalis::gui {

class FormView : public QObject {
public:
    // Builds the widgets of the form into window, which the view owns.
    FormView(ui::Form& form, std::unique_ptr<QWidget> window);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    ui::Form& form() const { return form_; }
    QWidget& window() const { return *window_; }
    // The widget that shows the control, or null (menus, timers).
    QWidget* widgetOf(const ui::Control& control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(ui::Control& control, QWidget* parent);
    QWidget* createWidget(ui::Control& control, QWidget* parent);
    void buildMenu(ui::PopupMenu& menu);
    void buildTimer(ui::Timer& timer);
    void connectUserActions(ui::Control& control, QWidget& widget);
    void connectEdit(ui::Edit& edit, QWidget& widget);
    void connectLists(ui::Control& control, QWidget& widget);

    // Reads one property of the control into its widget.
    void update(ui::Control& control, ui::Property property);
    void updateAll(ui::Control& control);
    void updateCommon(ui::Control& control, QWidget& widget, ui::Property property);
    void updateOwn(ui::Control& control, QWidget& widget, ui::Property property);
    void updateForm(ui::Property property);
    void updateStacking(ui::Control& parent);
    void buildMissingChildren(ui::Control& control);

    bool handleKey(ui::Edit& edit, QKeyEvent& event);
    bool handleFormWindowEvent(QEvent& event);

    ui::Form& form_;
    std::unique_ptr<QWidget> window_;
    std::unordered_map<const ui::Control*, QPointer<QWidget>> widgets_;
    std::unordered_map<const QObject*, ui::Control*> controlsOfWidgets_;
    std::unordered_map<const ui::Control*, QAction*> actions_;
    std::unordered_map<const ui::Control*, QMenu*> menus_;
    std::unordered_map<const ui::Control*, QTimer*> timers_;
    ui::ListenerId listener_ = 0;
};

} // namespace verdalis::gui
