// The comments dialog: the user's comments for the bottom of the results
// report, at most commentsMaxLength characters. The text stays from one use
// to the next until the report is cleared.
#pragma once

#include "ui/controls.h"

namespace verdalis::reports {

class TCommentsDlg : public ui::Form {
public:
    static constexpr size_t commentsMaxLength = 405;

    TCommentsDlg();

    ui::Memo* Memo1;
    ui::Button* OKBtn;
    ui::Button* CancelBtn;
};

} // namespace verdalis::reports
