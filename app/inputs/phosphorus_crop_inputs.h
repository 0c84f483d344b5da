// The lookups of the phosphorus crop and tillage choices, which the crop
// and map unit changes hand over to once their own work is done.
#pragma once

#include <string>

namespace verdalis::inputs {

class PhosphorusCropInputs {
public:
    virtual ~PhosphorusCropInputs() = default;
    // The phosphorus crop's lookups for the text of CropBox2.
    virtual void getCropBoxRelatedInfo(const std::string& cropText) = 0;
    // The phosphorus tillage change, as if the user chose the entry of
    // TillageCBNew again.
    virtual void TillageCBNewChange() = 0;
};

} // namespace verdalis::inputs
