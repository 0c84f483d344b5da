// The drain spacing and depth with their labels, which the drainage answer
// and the expert entry show and hide together.
#pragma once

#include "ui/controls.h"

namespace verdalis::phosphorus {

inline void showDrainageSizes(ui::Control& form, bool show)
{
    for (const char* name : {"DSpacingLBL", "DDepthLBL", "DrainageSpacingED", "DrainageDepthED"}) {
        form.get<ui::Control>(name).setVisible(show);
    }
}

} // namespace verdalis::phosphorus
