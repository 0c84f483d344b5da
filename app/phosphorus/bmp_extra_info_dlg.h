// The small dialog "Enter Extra BMP Info": the acres a BMP affects and/or
// the minimum width of a buffer, asked when a BMP is added to the
// selection. Which rows it shows depends on the BMP and on the methods
// being calculated.
#pragma once

#include "ui/controls.h"

#include <string>
#include <string_view>

namespace verdalis::phosphorus {

class TExtraBMPInfo : public ui::Form {
public:
    TExtraBMPInfo();

    // Sets the dialog up for one BMP: its name, the acre row (holding the
    // acres of an earlier BMP, read-only, when there are any) and the width
    // row with an empty choice, each shown as the mode and the BMP ask.
    void PrepareExtraInfo(std::string_view description, std::string_view id, std::string_view mode,
                          float acreValue, bool needsWidth);

    const std::string& acreText() const { return AcreED->text(); }
    const std::string& widthText() const { return WidthCB->text(); }

    ui::Label* NameLBL;
    ui::Edit* AcreED;
    ui::ComboBox* WidthCB;

private:
    void showAcreRow(bool show, float acreValue);
    void showWidthRow(bool show);
};

} // namespace verdalis::phosphorus
