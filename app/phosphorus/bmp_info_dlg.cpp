#include "phosphorus/bmp_info_dlg.h"

#include "phosphorus/bmp_lines.h"
#include "phosphorus/bmp_texts.h"
#include "reports/dialog_buttons.h"
#include "tables/table.h"
#include "ui/application.h"
#include "util/case_insensitive_path.h"
#include "util/field_split.h"
#include "util/number_text.h"
#include "util/text_case.h"

#include <algorithm>
#include <filesystem>

namespace verdalis::phosphorus {

namespace fs = std::filesystem;

namespace {

inline constexpr ui::Geometry formGeometry{0, 0, 620, 400};
inline constexpr ui::Geometry bmpListGeometry{12, 32, 250, 300};
inline constexpr ui::Geometry selectedGeometry{358, 32, 250, 300};
inline constexpr int labelHeight = 16;
inline constexpr int buttonWidth = 80;
inline constexpr int buttonHeight = 28;
// A saved record's marker for a BMP without width.
inline constexpr std::string_view noWidth = "-1";
// The tree and shrub buffer is no longer offered.
inline constexpr int32_t withdrawnBmpId = 2;

bool isOneOf(std::string_view id, std::initializer_list<std::string_view> ids)
{
    return std::ranges::find(ids, id) != ids.end();
}

bool isPhosphorusOnlyBmp(std::string_view id)
{
    return isOneOf(id, {"4", "5", "6"});
}

bool listHolds(const ui::ListBox& list, std::string_view item)
{
    return list.indexOf(item) != ui::noItem;
}

void eraseLineOf(std::vector<std::string>& lines, std::string_view description)
{
    const auto found = std::ranges::find_if(
        lines, [&](const std::string& line) { return equalsIgnoringCase(bmpLineName(line), description); });
    if (found != lines.end()) {
        lines.erase(found);
    }
}

// Removes the items at the indexes, from the last one back.
void deleteItems(ui::ListBox& list, std::vector<int> indexes)
{
    std::ranges::sort(indexes, std::greater<>());
    for (int index : indexes) {
        list.deleteItem(index);
    }
}

} // namespace

bool isAcreBmp(std::string_view id)
{
    return isOneOf(id, {"1", "2", "3"});
}

TBMPInfoDlg::TBMPInfoDlg(TExtraBMPInfo& extraInfo, const TableLookups& lookups, ui::Dialogs& dialogs,
                         ui::Application& application, ui::BatchState& batch)
    : ui::Form("BMPInfoDlg"), extraInfo_(extraInfo), lookups_(lookups), dialogs_(dialogs),
      application_(application), batch_(batch)
{
    setCaption(std::string(texts::bmpInfoCaption));
    setGeometry(formGeometry);
    auto& listLabel = add<ui::Label>("BMPListLBL", "BMP List");
    listLabel.setGeometry({bmpListGeometry.left, 12, 200, labelHeight});
    BMPListLB = &add<ui::ListBox>("BMPListLB");
    BMPListLB->setGeometry(bmpListGeometry);
    BMPListLB->setMultiSelect(true);
    BMPListLB->onDoubleClick = [this] { BMPListLBDblClick(); };
    auto& selectedLabel = add<ui::Label>("SelectedBMPsLBL", "Selected BMPs");
    selectedLabel.setGeometry({selectedGeometry.left, 12, 200, labelHeight});
    SelectedBMPsLB = &add<ui::ListBox>("SelectedBMPsLB");
    SelectedBMPsLB->setGeometry(selectedGeometry);
    SelectedBMPsLB->setMultiSelect(true);
    SelectedBMPsLB->onDoubleClick = [this] { SelectedBMPsLBDblClick(); };

    const int arrowsLeft = (bmpListGeometry.left + bmpListGeometry.width + selectedGeometry.left - buttonWidth) / 2;
    auto& addButton = add<ui::Button>("AddBtn", "--->");
    addButton.setGeometry({arrowsLeft, 120, buttonWidth, buttonHeight});
    addButton.onClick = [this] { AddBtnClick(); };
    auto& removeButton = add<ui::Button>("RemoveBtn", "<---");
    removeButton.setGeometry({arrowsLeft, 170, buttonWidth, buttonHeight});
    removeButton.onClick = [this] { RemoveBtnClick(); };

    const int buttonTop = formGeometry.height - buttonHeight - 16;
    reports::addOkCancelButtons(*this, {formGeometry.width - 188, buttonTop, buttonWidth, buttonHeight},
                                {formGeometry.width - 96, buttonTop, buttonWidth, buttonHeight});
}

bool TBMPInfoDlg::zorvMode() const
{
    return mode_ == texts::inZorv || mode_ == texts::inZorvTamb;
}

std::string TBMPInfoDlg::bmpValue(std::string_view column, std::string_view keyColumn, std::string_view key) const
{
    return lookups_.GetTableValue(texts::bmpTableName, column, keyColumn, key);
}

std::string TBMPInfoDlg::needWidthOf(std::string_view id) const
{
    return bmpValue(texts::needWidthColumn, texts::idColumn, id);
}

void TBMPInfoDlg::PrepareBMP(const std::string& tablePath, std::string_view mode)
{
    mode_ = std::string(mode);
    acreValue_ = 0;
    extraInfo_.AcreED->setReadOnly(false);

    const fs::path given(tablePath);
    const fs::path path = resolveCaseInsensitive(given.parent_path().string(), given.filename().string());
    if (!fs::exists(path)) {
        dialogs_.error(std::string(texts::missingBmpTable) + given.parent_path().string());
        return;
    }
    Table table;
    table.setReadOnly(true);
    table.open(path.parent_path(), path.filename().string(), TableType::Paradox);
    for (table.first(); !table.eof(); table.next()) {
        const std::string description = table.field(texts::descriptionColumn).asText();
        const std::string id = table.field(texts::idColumn).asText();
        if (mode_ == texts::inZorv && isPhosphorusOnlyBmp(id)) {
            if (const int selected = SelectedBMPsLB->indexOf(description); selected != ui::noItem) {
                SelectedBMPsLB->deleteItem(selected);
                dropLines(description);
            }
            if (const int listed = BMPListLB->indexOf(description); listed != ui::noItem) {
                BMPListLB->deleteItem(listed);
            }
        } else if (!listHolds(*BMPListLB, description) && !listHolds(*SelectedBMPsLB, description)) {
            BMPListLB->addItem(description);
        }
    }
}

void TBMPInfoDlg::addLines(const std::string& description, const std::string& id, const std::string& type,
                           const std::string& width)
{
    idLines_.push_back(bmpLine(description, id));
    typeLines_.push_back(bmpLine(description, type));
    widthLines_.push_back(bmpLine(description, width));
}

void TBMPInfoDlg::dropLines(std::string_view description)
{
    for (auto* lines : {&idLines_, &typeLines_, &widthLines_}) {
        eraseLineOf(*lines, description);
    }
}

bool TBMPInfoDlg::extraInfoMissing(const std::string& id)
{
    const std::string type = bmpValue(texts::typeColumn, texts::idColumn, id);
    if (mode_ == texts::inTamb) {
        return equalsIgnoringCase(type, texts::bufferType);
    }
    return isAcreBmp(id);
}

void TBMPInfoDlg::AddBtnClick()
{
    std::vector<int> moved;
    for (int index : BMPListLB->selectedIndexes()) {
        const std::string description = BMPListLB->items()[static_cast<size_t>(index)];
        const std::string id = bmpValue(texts::idColumn, texts::descriptionColumn, description);
        const std::string type = bmpValue(texts::typeColumn, texts::descriptionColumn, description);
        addLines(description, id, type, {});
        if (extraInfoMissing(id) && !askExtraInfo(description, id)) {
            dropLines(description);
            continue;
        }
        SelectedBMPsLB->addItem(description);
        moved.push_back(index);
    }
    deleteItems(*BMPListLB, std::move(moved));
}

bool TBMPInfoDlg::askExtraInfo(const std::string& description, const std::string& id)
{
    extraInfo_.PrepareExtraInfo(description, id, mode_, acreValue_, needWidthOf(id) != "0");
    while (extraInfo_.showModal(application_) == ui::ModalResult::Ok) {
        const std::string& acres = extraInfo_.acreText();
        const std::string& width = extraInfo_.widthText();
        if (acres.empty() && width.empty()) {
            dialogs_.error(texts::enterAValue);
        } else if (acres.empty() && zorvMode() && isAcreBmp(id)) {
            dialogs_.error(texts::enterAcreage);
        } else if (width.empty() && isOneOf(id, {"1", "2"})) {
            dialogs_.error(texts::selectWidth);
        } else {
            if (isAcreBmp(id) && !acres.empty() && !(acreValue_ > 0)) {
                acreValue_ = static_cast<float>(textToNumber(acres));
            }
            widthLines_.back() = bmpLine(description, width);
            return true;
        }
    }
    return false;
}

void TBMPInfoDlg::RemoveBtnClick()
{
    std::vector<int> removed = SelectedBMPsLB->selectedIndexes();
    for (int index : removed) {
        const std::string description = SelectedBMPsLB->items()[static_cast<size_t>(index)];
        BMPListLB->addItem(description);
        dropLines(description);
    }
    deleteItems(*SelectedBMPsLB, std::move(removed));
    readAcresAgainIfNeeded();
}

void TBMPInfoDlg::readAcresAgainIfNeeded()
{
    if (!zorvMode()) {
        return;
    }
    const bool acreBmpLeft = std::ranges::any_of(idLines_, [](const std::string& line) {
        return isAcreBmp(bmpLineValue(line));
    });
    if (acreBmpLeft) {
        acreValue_ = getBMPAcres();
    }
}

void TBMPInfoDlg::BMPListLBDblClick()
{
    if (!BMPListLB->selectedIndexes().empty()) {
        AddBtnClick();
    }
}

void TBMPInfoDlg::SelectedBMPsLBDblClick()
{
    if (!SelectedBMPsLB->selectedIndexes().empty()) {
        RemoveBtnClick();
    }
}

void TBMPInfoDlg::ResetBMPInfo()
{
    idLines_.clear();
    typeLines_.clear();
    widthLines_.clear();
    BMPListLB->clearItems();
    SelectedBMPsLB->clearItems();
    acreValue_ = 0;
    extraInfo_.AcreED->setText({});
    extraInfo_.AcreED->setReadOnly(false);
}

float TBMPInfoDlg::getBMPAcres() const
{
    return static_cast<float>(textToNumber(extraInfo_.acreText()));
}

void TBMPInfoDlg::SetBMPInfo(std::string_view ids, std::string_view widths, std::string_view acres)
{
    if (FieldCount(ids, ',') != FieldCount(widths, ',')) {
        batch_.report(dialogs_, texts::idsAndWidthsDiffer);
        return;
    }
    const std::vector<std::string> idList = SplitToList(ids, ',');
    if (idList.empty()) {
        return;
    }
    const std::vector<std::string> widthList = SplitToList(widths, ',');
    ResetBMPInfo();
    extraInfo_.AcreED->setText(std::string(acres));
    if (!acres.empty()) {
        acreValue_ = static_cast<float>(textToNumber(acres));
    }
    for (size_t index = 0; index < idList.size(); ++index) {
        const std::string& id = idList[index];
        int32_t number = 0;
        if (tryTextToInteger(id, number) && number == withdrawnBmpId) {
            if (!batch_.BatchRunning) {
                dialogs_.information(texts::treeShrubBufferDropped);
            }
            continue;
        }
        const std::string description = bmpValue(texts::descriptionColumn, texts::idColumn, id);
        const std::string type = bmpValue(texts::typeColumn, texts::idColumn, id);
        const std::string saved = index < widthList.size() ? widthList[index] : std::string(noWidth);
        const std::string width = saved == noWidth ? std::string{} : saved;
        addLines(description, id, type, width);
        SelectedBMPsLB->addItem(description);
    }
}

} // namespace verdalis::phosphorus
