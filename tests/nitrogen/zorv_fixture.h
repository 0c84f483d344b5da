// The main window on scripted services with a nitrogen calculation of its
// own, whose crop factors the test sets, over a program folder that holds
// the crop table's NUE and vegetable rates.
#pragma once

#include "nitrogen/calculate_zorv.h"
#include "shell_harness.h"

#include <gtest/gtest.h>

#include <map>

namespace verdalis::testing {

// Crop factors as the test gives them, with every reduction asked recorded.
class FakeNitrogenFactors : public nitrogen::NitrogenFactors {
public:
    float rye = 100;
    float nFactor = 1.2f;
    float reduction = 0.5f;
    int ryeCalls = 0;
    std::vector<std::string> reductions;

    float getRYE(const std::string&) override
    {
        ++ryeCalls;
        return rye;
    }
    float getNFactor(const std::string&) override { return nFactor; }
    float getNReduction(const std::string& kind, const std::string& id, const std::string& width) override
    {
        reductions.push_back(kind + " " + id + " " + width);
        return reduction;
    }
};

// Public: the check cases of a parameter table spoil the inputs through it.
class ZorvFixture : public ::testing::Test {
public:
    ZorvFixture()
    {
        folder.addCompleteProgram();
        folder.addTable("CropTables", "Crops.db", {"Harlwig_Crop_Name", "Crop_Code", "NUE", "N_App_Rate"},
                        {{"Wheat", "1", "55", ""},
                         {"Corn", "2", "60", ""},
                         {"Alfalfa", "3", "0", ""},
                         {"Alfalfa Hay", "4", "55", ""},
                         {"Tomatoes", "5", "50", "80"}});
        folder.writeFile("TableLocations.ini", "[TableLocations]\r\nCrops.db=\\CropTables\r\n"
                                               "County_Stations.db=\\CountyTables\r\n"
                                               "[Version Changes]\r\nVersionType=Public\r\nVersionNum=2.5\r\n"
                                               "VersionDate=12/10/2026\r\n");
        shell.start();
        EXPECT_TRUE(shell.control<ui::RadioButton>("InZorvrb").userClick());
        shell.dialogs.clearRecords();
        calculation = std::make_unique<nitrogen::ZorvCalculation>(
            shell.form(), nitrogen::ZorvServices{shell.dialogs, shell.batch, shell.clock}, *shell.windows.lookups,
            factors, report(), [this](std::string_view column) {
                const auto found = recordColumns.find(std::string(column));
                return found == recordColumns.end() ? std::string{} : found->second;
            });
        enterWorkedExample();
    }

    // Rate 150 on 10 acres of wheat, slope 2, in Birch on one map unit.
    void enterWorkedExample()
    {
        auto& mapUnits = combo("SoilMapUnitBox");
        mapUnits.addItem("AbC: Abell loam");
        mapUnits.setText("AbC: Abell loam");
        combo("CountyBox").setText("Birch");
        combo("CroppingYearBox").setText("2010");
        crop("Wheat");
        setWorkedZorvCropCode("1");
        for (auto [box, value] : {std::pair{"ProducerIDBox", "P-17"}, {"TractNumBox", "T4"}, {"FieldNumBox", "F2"},
                                  {"AcresBox", "10"}, {"SlopeED", "2"}, {"NAppRateBox", "150"}}) {
            edit(box).setText(value);
        }
    }
    void setWorkedZorvCropCode(std::string code) { shell.form().record.zorvCrop.ZorvCropCode = std::move(code); }

    // Chooses a crop entry, adding it to the list when the list lacks it.
    void crop(const std::string& entry)
    {
        auto& crops = combo("CropBox");
        if (crops.indexOf(entry) == ui::noItem) {
            crops.addItem(entry);
        }
        crops.setText(entry);
    }

    // One BMP line of each list per (name, id, width).
    void chooseBmps(const std::vector<std::array<std::string, 3>>& bmps, float acres)
    {
        shell::BmpValues& bmp = shell.form().record.bmp;
        bmp.BMPCount = static_cast<int>(bmps.size());
        bmp.BMPAcres = acres;
        for (const auto& [name, id, width] : bmps) {
            bmp.BMPList.push_back(name + "=" + id);
            bmp.BMPWidthList.push_back(name + "=" + width);
        }
    }

    void calculate()
    {
        report().ClearRichEdit();
        shell.control<ui::RichText>("CalcRichEdit").clear();
        calculation->CalculateZorv();
    }

    reports::TPrintResultsDlg& report() { return *shell.windows.dialogs.PrintResultsDlg; }
    std::vector<std::string> reportLines()
    {
        std::vector<std::string> lines;
        const ui::RichText& text = *report().RichEdit1;
        for (size_t line = 0; line < text.lineCount(); ++line) {
            lines.push_back(text.line(line));
        }
        return lines;
    }
    // The format of the report line that holds the text.
    rtf::CharFormat formatOfLine(std::string_view text)
    {
        for (const rtf::Paragraph& paragraph : report().RichEdit1->document().paragraphs()) {
            if (paragraph.text() == text && !paragraph.runs.empty()) {
                return paragraph.runs.front().format;
            }
        }
        ADD_FAILURE() << "no line " << text;
        return {};
    }
    std::string label(std::string_view name) { return shell.control<ui::Label>(name).caption(); }
    bool shown(std::string_view name) { return shell.control<ui::Control>(name).visible(); }
    ui::ComboBox& combo(std::string_view name) { return shell.control<ui::ComboBox>(name); }
    ui::Edit& edit(std::string_view name) { return shell.control<ui::Edit>(name); }
    const shell::NitrogenResults& results() { return shell.form().record.nitrogen; }

    ProgramFolder folder{"zorv"};
    ShellHarness shell{folder.executable()};
    FakeNitrogenFactors factors;
    std::map<std::string, std::string> recordColumns;
    std::unique_ptr<nitrogen::ZorvCalculation> calculation;
};

// A label padded to the amount column, then the amount.
inline std::string amountLine(std::string_view label, std::string_view amount)
{
    std::string line(label);
    line.resize(33, ' ');
    return line + std::string(amount) + " lbs";
}

} // namespace verdalis::testing
