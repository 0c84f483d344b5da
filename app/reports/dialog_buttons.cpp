#include "reports/dialog_buttons.h"

namespace verdalis::reports {

OkCancelButtons addOkCancelButtons(ui::Form& form, const ui::Geometry& okGeometry,
                                   const ui::Geometry& cancelGeometry)
{
    ui::Button& ok = form.add<ui::Button>("OKBtn", "OK");
    ok.setGeometry(okGeometry);
    ok.setModalResult(ui::ModalResult::Ok);
    ui::Button& cancel = form.add<ui::Button>("CancelBtn", "Cancel");
    cancel.setGeometry(cancelGeometry);
    cancel.setModalResult(ui::ModalResult::Cancel);
    return {&ok, &cancel};
}

} // namespace verdalis::reports
