#include "phosphorus/bmp_choice.h"

#include "phosphorus/bmp_lines.h"
#include "phosphorus/bmp_texts.h"
#include "util/number_format.h"
#include "util/number_text.h"

namespace verdalis::phosphorus {

namespace {

inline constexpr std::string_view acresPattern = "0.##";
inline constexpr std::string_view noWidth = "-1";

void appendItem(std::string& packed, std::string_view item)
{
    if (!packed.empty()) {
        packed += ',';
    }
    packed += item;
}

} // namespace

BmpChoice::BmpChoice(shell::TForm1& form, TBMPInfoDlg& dialog, ui::Dialogs& dialogs, ui::Application& application)
    : form_(form), dialog_(dialog), dialogs_(dialogs), application_(application)
{
    form_.control<ui::Button>("BMPbtn").onClick = [this] { BMPbtnClick(); };
}

std::string_view BmpChoice::modeOfCalculation() const
{
    switch (form_.record.calculationType) {
    case shell::CalculationType::Zorv: return texts::inZorv;
    case shell::CalculationType::Tamb: return texts::inTamb;
    default: return texts::inZorvTamb;
    }
}

void BmpChoice::BMPbtnClick(bool silent)
{
    dialog_.PrepareBMP(form_.values.BMPRelatedDir + "/" + std::string(texts::bmpTableName), modeOfCalculation());
    if (silent || dialog_.showModal(application_) == ui::ModalResult::Ok
        || dialogs_.confirm(texts::keepBmpSettings)) {
        acceptSelection();
    } else {
        clearChoice();
    }
}

void BmpChoice::loadSavedBMPs(std::string_view ids, std::string_view widths, std::string_view acres)
{
    dialog_.SetBMPInfo(ids, widths, acres);
    BMPbtnClick(true);
}

void BmpChoice::acceptSelection()
{
    shell::BmpValues& bmp = form_.record.bmp;
    const float acres = bmp.BMPAcres;
    bmp = {};
    bmp.BMPAcres = acres;
    bmp.BMPCount = static_cast<int>(dialog_.idLines().size());
    bmp.BMPList = dialog_.idLines();
    bmp.BMPTypeList = dialog_.typeLines();
    bmp.BMPWidthList = dialog_.widthLines();
    for (size_t index = 0; index < bmp.BMPList.size(); ++index) {
        const std::string id = bmpLineValue(bmp.BMPList[index]);
        const std::string width = index < bmp.BMPWidthList.size() ? bmpLineValue(bmp.BMPWidthList[index]) : "";
        appendItem(bmp.BMPs, id);
        appendItem(bmp.BMPWidths, width.empty() ? noWidth : std::string_view(width));
        if (dialog_.needWidthOf(id) == "1") {
            const int feet = textToInteger(width);
            bmp.TotalBufferWidth += feet;
            if (id == "1") {
                bmp.BufferID1Present = true;
                bmp.BufferID1Width = feet;
            } else if (id == "2") {
                bmp.BufferID2Present = true;
                bmp.BufferID2Width = feet;
            }
        }
        if (id == "3") {
            bmp.BMPID3Present = true;
        }
    }
    if (dialog_.zorvMode()) {
        const bool acresAsked = bmp.BufferID1Present || bmp.BufferID2Present || bmp.BMPID3Present;
        bmp.BMPAcres = acresAsked ? dialog_.getBMPAcres() : 0;
        auto& count = form_.control<ui::Label>("TotalBMPlbl");
        count.setHint(std::string(texts::totalBmpAcres) + formatNumber(acresPattern, bmp.BMPAcres));
        count.setShowHint(true);
    }
    showCount();
}

void BmpChoice::clearChoice()
{
    shell::BmpValues& bmp = form_.record.bmp;
    bmp.BMPs.clear();
    bmp.BMPWidths.clear();
    bmp.BufferID1Present = false;
    bmp.BufferID2Present = false;
    bmp.BMPID3Present = false;
    bmp.BufferID1Width = shell::noBufferWidth;
    bmp.BufferID2Width = shell::noBufferWidth;
    bmp.BMPCount = 0;
    dialog_.setAcreValue(0);
    showCount();
}

void BmpChoice::showCount()
{
    form_.control<ui::Label>("TotalBMPlbl")
        .setCaption(std::string(texts::bmpCount) + std::to_string(form_.record.bmp.BMPCount));
}

} // namespace verdalis::phosphorus
