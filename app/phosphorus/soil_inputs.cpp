#include "phosphorus/soil_inputs.h"

#include "phosphorus/hydrology_texts.h"
#include "phosphorus/table_access.h"
#include "util/text_case.h"
#include "util/number_text.h"
#include "util/text_encoding.h"

namespace verdalis::phosphorus {

namespace {

// Mehlich-3 P per unit of the soil test index, before the weight-to-volume factor.
constexpr double mehlich3PerIndex = 1.2;
constexpr std::string_view subsoilSampled = "y";
constexpr const char* subsoilControls[] = {"twentyeightTo32LBL1", "SoilTestP2ED", "WVRED2", "TwentyEightTo32LBL2"};

bool isNumberKey(ui::Key key)
{
    return key == ui::noKey || key == '.' || (key >= '0' && key <= '9');
}

} // namespace

SoilInputs::SoilInputs(shell::TForm1& form, ui::Application& application, ui::Dialogs& dialogs)
    : form_(form), application_(application), dialogs_(dialogs)
{
    form_.control<ui::ComboBox>("RecSlopeDistCB").onChange = [this] { RecSlopeDistCBChange(); };
    form_.control<ui::Edit>("SoilTestP1ED").onKeyPress = [this](ui::Key& key) { SoilTestP1EDKeyPress(key); };
}

void SoilInputs::RecSlopeDistCBChange()
{
    std::string& factor = form_.record.hydrology.PartPDelFact;
    factor.clear();
    const std::string distance = form_.control<ui::ComboBox>("RecSlopeDistCB").text();
    const std::string& directory = form_.values.UserTablesDir;
    auto deliveries = openTableIn(directory, "PartPDelivery.db");
    if (!deliveries) {
        dialogs_.warning(std::string(texts::deliveryTableMissing) + directory);
        return;
    }
    if (!deliveries->locate("RecSlopeDist", distance)) {
        dialogs_.error(std::string(texts::slopeDistanceNotFoundStart) + distance +
                       std::string(texts::slopeDistanceNotFoundEnd));
        return;
    }
    factor = deliveries->field("PartPDelFact").asText();
}

void SoilInputs::SoilTestP1EDKeyPress(ui::Key& key)
{
    auto& surfaceTest = form_.control<ui::Edit>("SoilTestP1ED");
    if (key == ui::returnKey) {
        key = ui::noKey;
        if (surfaceTest.text().empty()) {
            surfaceTest.setText("0");
        }
    }
    if (key == ui::backspaceKey) {
        return;
    }
    if (!isNumberKey(key)) {
        key = ui::noKey;
        application_.beep();
        return;
    }
    const shell::MapUnitValues& mapUnit = form_.record.mapUnit;
    if (mapUnit.P_Threshold.empty() || mapUnit.SubsoilSample.empty()) {
        showSubsoilControls(false);
        return;
    }
    double index = 0;
    if (!tryTextToNumber(textAfterKey(key), index)) {
        // A second decimal point: the edit keeps a number.
        key = ui::noKey;
        application_.beep();
        return;
    }
    const std::string& entered = form_.control<ui::Edit>("WVRED1").text();
    const double weightToVolume = textToNumber(entered.empty() ? mapUnit.WV_Factor : entered);
    const double mehlich3 = index * mehlich3PerIndex / weightToVolume;
    const bool sampled = toLowerAscii(mapUnit.SubsoilSample) == subsoilSampled;
    showSubsoilControls(sampled && !(textToNumber(mapUnit.P_Threshold) > mehlich3));
}

std::string SoilInputs::textAfterKey(ui::Key key) const
{
    const auto& surfaceTest = form_.control<ui::Edit>("SoilTestP1ED");
    std::string character;
    if (key != ui::noKey) {
        appendUtf8(character, key);
    }
    const std::string& text = surfaceTest.text();
    const size_t start = surfaceTest.selLength() == 0 ? text.size() : surfaceTest.selStart();
    const size_t end = surfaceTest.selLength() == 0 ? text.size() : start + surfaceTest.selLength();
    return text.substr(0, start) + character + text.substr(end);
}

void SoilInputs::showSubsoilControls(bool show)
{
    for (const char* name : subsoilControls) {
        form_.control<ui::Control>(name).setVisible(show);
    }
}

} // namespace verdalis::phosphorus
