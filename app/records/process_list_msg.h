// The progress dialog of a list run: a notice, CANCEL, and the messages the
// run collected, newest selected. It stays up (not modal) while the run
// lets window messages through, so CANCEL ends the run before the next
// record.
#pragma once

#include "ui/controls.h"

namespace verdalis::records {

class TProcessListMsg : public ui::Form {
public:
    TProcessListMsg();

    // Shown with no Cancel left from an earlier run.
    void start();
    bool cancelled() const { return modalResult() == ui::ModalResult::Cancel; }
    // Shows the message list and adds the message as its selected last line.
    void addMessage(const std::string& message);
    // Empties and hides the message list and the dialog.
    void finish();

    ui::Label* NoticeLBL;
    ui::Button* CancelBtn;
    ui::ListBox* MessageList;
};

} // namespace verdalis::records
