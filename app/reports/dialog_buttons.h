// The OK and Cancel buttons that close a modal dialog with their result.
#pragma once

#include "ui/controls.h"

namespace verdalis::reports {

struct OkCancelButtons {
    ui::Button* ok;
    ui::Button* cancel;
};

// Adds "OKBtn" and "CancelBtn" to the form at the given places.
OkCancelButtons addOkCancelButtons(ui::Form& form, const ui::Geometry& okGeometry,
                                   const ui::Geometry& cancelGeometry);

} // namespace verdalis::reports
