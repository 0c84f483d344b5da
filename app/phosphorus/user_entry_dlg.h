// The expert's own runoff and leachate quantities: four rows, each an edit
// under a "Use Calculated Value" check box, and OK and Cancel. Created once;
// keeps what was typed between showings.
#pragma once

#include "ui/controls.h"
#include "ui/event_dispatcher.h"

namespace verdalis::phosphorus {

// An expert value that was not entered: the calculated one is used.
inline constexpr double userValueNotEntered = -1000;

class TUserEntryDlg : public ui::Form {
public:
    explicit TUserEntryDlg(ui::Dialogs& dialogs);

    // The edit's number, or -1000 when it is empty, reads "Calculated" (any
    // case) or is not a number.
    double GetRunoffVolumeUser() const { return userValue(*RunoffVolED); }
    double GetLeachateVolumeUser() const { return userValue(*LeachateVolED); }
    double GetRunoffFractionUser() const { return userValue(*RunoffFracED); }
    double GetAnnPPTUser() const { return userValue(*AnnPPTED); }

    // A ticked box shows "Calculated" in its disabled edit; an unticked one
    // empties and enables it.
    static void useCalculatedValueClick(const ui::CheckBox& box, ui::Edit& edit);
    // Whether the edit holds text that is neither empty nor "Calculated".
    static bool holdsOwnText(const ui::Edit& edit);

    ui::Edit* RunoffVolED;
    ui::Edit* LeachateVolED;
    ui::Edit* RunoffFracED;
    ui::Edit* AnnPPTED;
    ui::CheckBox* CalcRunoffVolChkBox;
    ui::CheckBox* CalcLeachateVolChkBox;
    ui::CheckBox* CalcRunoffFracChkBox;
    ui::CheckBox* CalcAnnPPTChkBox;

private:
    static double userValue(const ui::Edit& edit);
    // A labelled row: the check box above its edit.
    ui::Edit& addRow(const char* label, const char* edit, const char* checkBox, ui::CheckBox*& box, int top);

    ui::EventDispatcher dispatcher_;
};

} // namespace verdalis::phosphorus
