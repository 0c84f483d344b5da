#include "reports/comments_dlg.h"

#include "reports/dialog_buttons.h"
#include "reports/report_texts.h"

namespace verdalis::reports {

namespace {

constexpr ui::Geometry formGeometry{0, 0, 561, 217};
constexpr ui::Geometry memoGeometry{8, 8, 537, 137};
constexpr ui::Geometry okGeometry{384, 152, 75, 25};
constexpr ui::Geometry cancelGeometry{470, 152, 75, 25};

} // namespace

TCommentsDlg::TCommentsDlg() : ui::Form("CommentsDlg")
{
    setCaption(std::string(texts::commentsCaption));
    setGeometry(formGeometry);
    Memo1 = &add<ui::Memo>("Memo1");
    Memo1->setGeometry(memoGeometry);
    Memo1->setMaxLength(commentsMaxLength);
    const OkCancelButtons buttons = addOkCancelButtons(*this, okGeometry, cancelGeometry);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
}

} // namespace verdalis::reports
