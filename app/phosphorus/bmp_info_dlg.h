// The dialog "BMP INFORMATION": moves BMPs between the "BMP List" and the
// "Selected BMPs", asking the extra dialog for the acres and widths some of
// them need, and keeps the selection between showings: one line per
// selected BMP, in selection order, of its identifier, its type and its
// width (description=value), and the acres the BMPs affect.
#pragma once

#include "phosphorus/bmp_extra_info_dlg.h"
#include "tables/table_lookups.h"
#include "ui/controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace verdalis::ui {
class Application;
}

namespace verdalis::phosphorus {

class TBMPInfoDlg : public ui::Form {
public:
    // Nothing is owned; everything must outlive the dialog.
    TBMPInfoDlg(TExtraBMPInfo& extraInfo, const TableLookups& lookups, ui::Dialogs& dialogs,
                ui::Application& application, ui::BatchState& batch);

    // Fills the BMP list from the table at tablePath for the mode ("InZorv",
    // "InTamb", "InZorvTamb"); the Zorv-only mode drops BMPs 4, 5 and 6,
    // also from the selection.
    void PrepareBMP(const std::string& tablePath, std::string_view mode);
    void AddBtnClick();
    void RemoveBtnClick();
    void BMPListLBDblClick();
    void SelectedBMPsLBDblClick();
    void ResetBMPInfo();
    // The number in the extra dialog's acre field; raises ConversionError
    // when it holds none.
    float getBMPAcres() const;
    // Writes a saved record's selection back: its comma-separated ids and
    // widths ("-1" for none) and its acres.
    void SetBMPInfo(std::string_view ids, std::string_view widths, std::string_view acres);

    const std::vector<std::string>& idLines() const { return idLines_; }
    const std::vector<std::string>& typeLines() const { return typeLines_; }
    const std::vector<std::string>& widthLines() const { return widthLines_; }
    float acreValue() const { return acreValue_; }
    void setAcreValue(float acres) { acreValue_ = acres; }
    const std::string& mode() const { return mode_; }
    bool zorvMode() const;
    // The "Need Width" of the BMP with the identifier, from the BMP table.
    std::string needWidthOf(std::string_view id) const;

    ui::ListBox* BMPListLB;
    ui::ListBox* SelectedBMPsLB;

private:
    std::string bmpValue(std::string_view column, std::string_view keyColumn, std::string_view key) const;
    void addLines(const std::string& description, const std::string& id, const std::string& type,
                  const std::string& width);
    void dropLines(std::string_view description);
    // Asks the extra information until it is accepted (true) or cancelled.
    bool askExtraInfo(const std::string& description, const std::string& id);
    bool extraInfoMissing(const std::string& id);
    void readAcresAgainIfNeeded();

    TExtraBMPInfo& extraInfo_;
    const TableLookups& lookups_;
    ui::Dialogs& dialogs_;
    ui::Application& application_;
    ui::BatchState& batch_;
    std::vector<std::string> idLines_, typeLines_, widthLines_;
    float acreValue_ = 0;
    std::string mode_;
};

// BMPs whose acres the nitrogen calculation asks for.
bool isAcreBmp(std::string_view id);

} // namespace verdalis::phosphorus
