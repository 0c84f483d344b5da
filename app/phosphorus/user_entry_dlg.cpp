#include "phosphorus/user_entry_dlg.h"

#include "phosphorus/hydrology_texts.h"
#include "phosphorus/table_access.h"
#include "util/text_case.h"
#include "reports/dialog_buttons.h"
#include "util/number_text.h"

namespace verdalis::phosphorus {

namespace {

constexpr ui::Geometry formGeometry{0, 0, 300, 330};
constexpr int rowHeight = 66;
constexpr int firstRowTop = 10;
constexpr int labelLeft = 12;
constexpr int fieldLeft = 130;
constexpr int fieldWidth = 150;
constexpr int controlHeight = 21;
constexpr ui::Geometry okGeometry{110, 280, 80, 25};
constexpr ui::Geometry cancelGeometry{200, 280, 80, 25};

} // namespace

TUserEntryDlg::TUserEntryDlg(ui::Dialogs& dialogs) : ui::Form("UserEntryDlg"), dispatcher_(dialogs)
{
    setCaption(std::string(texts::userEntryCaption));
    setGeometry(formGeometry);
    setEventDispatcher(&dispatcher_);
    RunoffVolED = &addRow("Runoff Volume", "RunoffVolED", "CalcRunoffVolChkBox", CalcRunoffVolChkBox, 0);
    LeachateVolED =
        &addRow("Leachate Volume", "LeachateVolED", "CalcLeachateVolChkBox", CalcLeachateVolChkBox, 1);
    RunoffFracED = &addRow("Runoff Fraction", "RunoffFracED", "CalcRunoffFracChkBox", CalcRunoffFracChkBox, 2);
    AnnPPTED = &addRow("Ann. Precipitation", "AnnPPTED", "CalcAnnPPTChkBox", CalcAnnPPTChkBox, 3);
    reports::addOkCancelButtons(*this, okGeometry, cancelGeometry);
}

ui::Edit& TUserEntryDlg::addRow(const char* label, const char* edit, const char* checkBox, ui::CheckBox*& box,
                                int row)
{
    const int top = firstRowTop + row * rowHeight;
    add<ui::Label>(std::string(edit) + "LBL", label).setGeometry({labelLeft, top + controlHeight + 4, 110, 16});
    box = &add<ui::CheckBox>(checkBox, std::string(texts::useCalculatedValue));
    box->setGeometry({fieldLeft, top, fieldWidth, controlHeight});
    auto& field = add<ui::Edit>(edit);
    field.setGeometry({fieldLeft, top + controlHeight + 2, fieldWidth, controlHeight});
    box->onClick = [box, &field] { useCalculatedValueClick(*box, field); };
    return field;
}

void TUserEntryDlg::useCalculatedValueClick(const ui::CheckBox& box, ui::Edit& edit)
{
    edit.setText(box.checked() ? std::string(texts::calculatedEntry) : std::string());
    edit.setEnabled(!box.checked());
}

bool TUserEntryDlg::holdsOwnText(const ui::Edit& edit)
{
    return !edit.text().empty() && toLowerAscii(edit.text()) != toLowerAscii(texts::calculatedEntry);
}

double TUserEntryDlg::userValue(const ui::Edit& edit)
{
    double value = userValueNotEntered;
    if (!holdsOwnText(edit) || !tryTextToNumber(edit.text(), value)) {
        return userValueNotEntered;
    }
    return value;
}

} // namespace verdalis::phosphorus
