#include "gui/qt_application.h"

#include "gui/qt_text.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace verdalis::gui {

namespace {

// A modal form's dialog: Escape and the close box ask the form to close,
// which gives it a result and so ends the run.
class ModalFormDialog : public QDialog {
public:
    explicit ModalFormDialog(ui::Form& form, QWidget* parent) : QDialog(parent), form_(form) {}

    void reject() override
    {
        if (form_.modalResult() == ui::ModalResult::None) {
            form_.userClose();
        } else {
            QDialog::reject();
        }
    }

private:
    ui::Form& form_;
};

} // namespace

void QtApplication::attachForm(ui::Form& form)
{
    auto window = std::make_unique<QWidget>();
    if (!views_.empty()) {
        window->setWindowFlag(Qt::Dialog);
    }
    views_.push_back(std::make_unique<FormView>(form, std::move(window)));
}

FormView* QtApplication::viewOf(const ui::Form& form) const
{
    for (const auto& view : views_) {
        if (&view->form() == &form) {
            return view.get();
        }
    }
    return nullptr;
}

QWidget* QtApplication::activeWindow() const
{
    if (!modalViews_.empty()) {
        return &modalViews_.back()->window();
    }
    return views_.empty() ? nullptr : &views_.front()->window();
}

void QtApplication::processMessages()
{
    QCoreApplication::processEvents();
}

void QtApplication::setCursor(ui::Cursor cursor)
{
    if (cursor == cursor_) {
        return;
    }
    if (cursor == ui::Cursor::Hourglass) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    cursor_ = cursor;
}

void QtApplication::beep()
{
    QApplication::beep();
}

void QtApplication::terminate()
{
    terminated_ = true;
    // Queued, so that a loop started after this call ends too.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
}

void QtApplication::setTitle(std::string title)
{
    title_ = std::move(title);
    QApplication::setApplicationName(toQt(title_));
}

void QtApplication::runWhenIdle(std::function<void()> work)
{
    QTimer::singleShot(0, qApp, std::move(work));
}

ui::ModalResult QtApplication::runModal(ui::Form& form)
{
    auto dialog = std::make_unique<ModalFormDialog>(form, activeWindow());
    ModalFormDialog& shown = *dialog;
    FormView view(form, std::move(dialog));
    modalViews_.push_back(&view);
    shown.exec();
    modalViews_.pop_back();
    return form.modalResult();
}

} // namespace verdalis::gui
