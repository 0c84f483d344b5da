#include "ui/scripted_application.h"

#include "ui/script_error.h"
#include "util/text_case.h"

#include <utility>

namespace verdalis::ui {

ScriptedApplication& ScriptedApplication::expectModal(std::string formName, ModalScript script)
{
    modals_.push_back({std::move(formName), std::move(script)});
    return *this;
}

void ScriptedApplication::duringNextMessages(std::function<void()> work)
{
    duringMessages_.push_back(std::move(work));
}

void ScriptedApplication::idle()
{
    // Work queued by the idle work itself waits for the next idle moment.
    const auto work = std::exchange(idleWork_, {});
    for (const auto& item : work) {
        item();
    }
}

void ScriptedApplication::processMessages()
{
    ++processMessagesCalls_;
    const auto work = std::exchange(duringMessages_, {});
    for (const auto& item : work) {
        item();
    }
}

void ScriptedApplication::setCursor(Cursor cursor)
{
    cursor_ = cursor;
    cursorHistory_.push_back(cursor);
}

void ScriptedApplication::runWhenIdle(std::function<void()> work)
{
    idleWork_.push_back(std::move(work));
}

ModalResult ScriptedApplication::runModal(Form& form)
{
    if (modals_.empty()) {
        throw ScriptError("the form " + form.name() + " was shown modally, but no script was queued for it");
    }
    ExpectedModal expected = std::move(modals_.front());
    modals_.pop_front();
    if (!equalsIgnoringCase(expected.formName, form.name())) {
        throw ScriptError("the form " + form.name() + " was shown modally, but the next script is for " +
                          expected.formName);
    }
    if (expected.script) {
        expected.script(form);
    }
    if (form.modalResult() == ModalResult::None) {
        throw ScriptError("the script for " + form.name() + " left the form open (no modal result)");
    }
    return form.modalResult();
}

} // namespace verdalis::ui
