// The county, map unit and crop choices through the real Qt widgets,
// offscreen: the lists and the derived values follow what the user picks.
#include "gui/desktop_program.h"
#include "input_tables.h"
#include "qt_environment.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace verdalis::testing {
namespace {

using ::testing::IsEmpty;

namespace fs = std::filesystem;

fs::path binaryDir()
{
    const char* binary = std::getenv("VERDALIS_BINARY_DIR");
    return binary != nullptr ? binary : ".";
}

class InputChoicesGui : public ::testing::Test {
protected:
    InputChoicesGui() { qtApplication(); }

    void startOnFolder()
    {
        processes.setRunning({folder.executable()});
        program = std::make_unique<gui::DesktopProgram>(dialogs, processes, clock, folder.executable());
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(processEventsUntil([this] { return program->mainForm().startupComplete(); }));
        dialogs.clearRecords();
        widget<QRadioButton>("InZorvTambrb").click();
    }

    QWidget& window() { return program->mainView().window(); }
    template <class W>
    W& widget(const char* name)
    {
        return childWidget<W>(window(), name);
    }
    // The user types the text key by key into the edit.
    void type(const char* edit, std::string_view text)
    {
        auto& line = widget<QLineEdit>(edit);
        for (char typed : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(typed)));
            QCoreApplication::sendEvent(&line, &press);
        }
    }
    // Copies the program folder the build lays out; false when it has not
    // been built.
    bool copyBundledProgram()
    {
        const fs::path bundled = binaryDir() / "Verdalis";
        if (!fs::exists(bundled / "CountyTables" / "Soil_Mapunits.db")) {
            return false;
        }
        fs::copy(bundled, folder.dir(), fs::copy_options::recursive);
        fs::remove(folder.path("Verdalis"));
        return true;
    }
    // The user picks the entry from the drop-down list.
    void pick(const char* box, const char* entry)
    {
        auto& combo = widget<QComboBox>(box);
        const int index = combo.findText(entry);
        ASSERT_GE(index, 0) << box << ": " << entry;
        combo.setCurrentIndex(index);
        emit combo.activated(index);
    }

    ProgramFolder folder{"gui-input-choices"};
    ui::ScriptedDialogs dialogs;
    ui::ScriptedProcesses processes;
    ui::ScriptedClock clock;
    std::unique_ptr<gui::DesktopProgram> program;
};

TEST_F(InputChoicesGui, ACountyListsItsMapUnitsAndAMapUnitAndACropFillTheDerivedValues)
{
    addInputTables(folder);
    startOnFolder();
    pick("CountyBox", "Brackwater");
    auto& mapUnits = widget<QComboBox>("SoilMapUnitBox");
    QStringList listed;
    for (int item = 0; item < mapUnits.count(); ++item) {
        listed << mapUnits.itemText(item);
    }
    EXPECT_EQ(listed.join("|").toStdString(),
              "BwA: Brackwater silt: flooded|DupB: Dup second|FmA: Fenmire muck|TwA: Tidewell loam");

    pick("SoilMapUnitBox", "TwA: Tidewell loam");
    const shell::AssessmentRecord& record = program->mainForm().record;
    EXPECT_EQ(record.mapUnit.MUKey, "401001");
    EXPECT_EQ(record.mapUnit.Sur_CurveSlope, "0.0055");
    EXPECT_TRUE(widget<QGroupBox>("DrainageGB").isVisible());
    EXPECT_TRUE(widget<QLineEdit>("SoilTestP1ED").isVisible());

    pick("CropBox", "Sweet Corn");
    EXPECT_EQ(record.zorvCrop.ZorvCropCode, "31");
    EXPECT_EQ(widget<QLineEdit>("RYEBox").text().toStdString(), "0");
    EXPECT_FALSE(widget<QLineEdit>("RYEBox").isEnabled());
    EXPECT_TRUE(widget<QComboBox>("TillageZorvBox").isVisible());
    pick("TillageZorvBox", "No-Till");
    EXPECT_EQ(program->mainForm().values.ZorvTillageId, "2");
    EXPECT_THAT(dialogs.messageTexts(), IsEmpty());
}

TEST_F(InputChoicesGui, TheBundledTablesTakeEveryChoiceWithoutAMessage)
{
    if (!copyBundledProgram()) {
        GTEST_SKIP() << "the program folder has not been built";
    }
    startOnFolder();
    auto& counties = widget<QComboBox>("CountyBox");
    ASSERT_GT(counties.count(), 0);
    pick("CountyBox", counties.itemText(0).toUtf8().constData());
    auto& mapUnits = widget<QComboBox>("SoilMapUnitBox");
    ASSERT_GT(mapUnits.count(), 0);
    pick("SoilMapUnitBox", mapUnits.itemText(0).toUtf8().constData());
    pick("CropBox", "Corn");
    pick("TillageZorvBox", "No-Till");
    pick("CropBox2", "Corn");
    EXPECT_THAT(dialogs.messageTexts(), IsEmpty());
    EXPECT_NE(program->mainForm().record.mapUnit.MUKey, "");

    window().resize(1280, 800);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window().grab().toImage().save(QString::fromStdString((binaryDir() / "input-choices.png").string())));
}

// A complete nitrogen assessment as a person makes it: the choices, the
// field's numbers, CALCULATE; the total on the Main tab is the report's.
TEST_F(InputChoicesGui, ANitrogenAssessmentOnTheBundledTablesShowsTheReportsTotal)
{
    if (!copyBundledProgram()) {
        GTEST_SKIP() << "the program folder has not been built";
    }
    startOnFolder();
    widget<QRadioButton>("InZorvrb").click();
    pick("CountyBox", "Ashgrove");
    pick("SoilMapUnitBox", "AgB: Ashgrove gravelly loam, 2 to 6 percent slopes");
    pick("CropBox", "Wheat");
    if (widget<QComboBox>("TillageZorvBox").isVisible()) {
        pick("TillageZorvBox", "Reduced Tillage (Chisel)");
    }
    type("AcresBox", "12");
    type("SlopeED", "4");
    type("NAppRateBox", "120");
    widget<QPushButton>("CalculateBtn").click();
    EXPECT_THAT(dialogs.messageTexts(), IsEmpty());

    const std::string shown = widget<QLabel>("TotNLostAnsLbl").text().toStdString();
    EXPECT_TRUE(widget<QLabel>("TotNLostAnsLbl").isVisible());
    std::string reported;
    const ui::RichText& report = *program->dialogForms().PrintResultsDlg->RichEdit1;
    for (size_t i = 0; i < report.lineCount(); ++i) {
        const std::string line = report.line(i);
        if (line.starts_with("Total_N_Lost =")) {
            reported = line;
        }
    }
    ASSERT_FALSE(shown.empty());
    EXPECT_THAT(shown, ::testing::EndsWith(" lbs"));
    EXPECT_THAT(reported, ::testing::EndsWith(" " + shown));
    EXPECT_TRUE(widget<QWidget>("NitrogenChart").isVisible());
}

} // namespace
} // namespace verdalis::testing
