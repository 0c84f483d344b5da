// The BMP dialog and the BMP values it builds: choosing, the extra
// information and its refusals, removing, cancelling, and a saved record's
// BMPs written back.
#include "phosphorus/bmp_choice.h"
#include "shell_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class BmpDialog : public ::testing::Test {
protected:
    BmpDialog()
    {
        folder.addCompleteProgram();
        folder.addTable("BMPrelated", "BMP_List.db", {"BMP Description", "BMP_ID", "BMP_Type", "Need Width"},
                        {{"Grass Filter Strip", "1", "Buffer", "1"},
                         {"Tree/Shrub Buffer", "2", "Buffer", "1"},
                         {"Controlled Drainage", "3", "Water Management", "0"},
                         {"Contour Strip Cropping", "4", "Erosion Control", "0"},
                         {"Grassed Waterway", "5", "Erosion Control", "0"},
                         {"Constructed Wetland", "6", "Water Treatment", "0"}});
        folder.writeFile("TableLocations.ini", "[TableLocations]\r\nBMP_List.db=\\BMPrelated\r\n"
                                               "[Version Changes]\r\nVersionType=Public\r\nVersionNum=2.5\r\n"
                                               "VersionDate=12/10/2026\r\n");
        shell.start();
        shell.dialogs.clearRecords();
    }

    void chooseType(const char* button) { ASSERT_TRUE(shell.control<ui::RadioButton>(button).userClick()); }
    phosphorus::TBMPInfoDlg& dialog() { return *shell.windows.dialogs.BMPInfoDlg; }
    phosphorus::TExtraBMPInfo& extra() { return *shell.windows.dialogs.ExtraBMPInfo; }
    const shell::BmpValues& bmp() { return shell.form().record.bmp; }
    const ui::Label& countLabel() { return shell.control<ui::Label>("TotalBMPlbl"); }

    // In the BMP dialog: selects the BMP in the list and presses "--->".
    static void add(ui::Form& form, std::string_view description)
    {
        auto& list = form.get<ui::ListBox>("BMPListLB");
        ASSERT_TRUE(list.userClick(list.indexOf(description))) << description;
        ASSERT_TRUE(form.get<ui::Button>("AddBtn").userClick());
    }
    static void press(ui::Form& form, const char* button) { ASSERT_TRUE(form.get<ui::Button>(button).userClick()); }

    // The extra dialog answered with acres and a width ("" for none).
    void expectExtraInfo(std::string acres, std::string width, std::function<void(ui::Form&)> check = {})
    {
        shell.application.expectModal("ExtraBMPInfo", [acres, width, check](ui::Form& form) {
            if (check) {
                check(form);
            }
            auto& acreField = form.get<ui::Edit>("AcreED");
            if (!acreField.readOnly() && acreField.visible()) {
                acreField.setText(acres);
            }
            if (!width.empty()) {
                ASSERT_TRUE(form.get<ui::ComboBox>("WidthCB").userSelectText(width));
            }
            press(form, "OKBtn");
        });
    }

    // The BMP dialog's script, then the extra dialogs it opens, in order.
    void chooseBmps(std::function<void(ui::Form&)> script, const std::function<void()>& queueExtraInfo = {})
    {
        shell.application.expectModal("BMPInfoDlg", std::move(script));
        if (queueExtraInfo) {
            queueExtraInfo();
        }
        ASSERT_TRUE(shell.control<ui::Button>("BMPbtn").userClick());
        EXPECT_EQ(shell.application.pendingModals(), 0u);
    }

    ProgramFolder folder{"bmp-dialog"};
    ShellHarness shell{folder.executable()};
};

TEST_F(BmpDialog, ZorvOnlyModeOffersNoPhosphorusBmpsAndDropsThemFromTheSelection)
{
    chooseType("InZorvTambrb");
    chooseBmps([](ui::Form& form) {
        EXPECT_EQ(form.get<ui::ListBox>("BMPListLB").items().size(), 6u);
        add(form, "Grassed Waterway");
        press(form, "OKBtn");
    });
    EXPECT_EQ(bmp().BMPs, "5");
    EXPECT_EQ(countLabel().caption(), "BMP Count = 1");

    dialog().PrepareBMP(shell.form().values.BMPRelatedDir + "/BMP_List.db", "InZorv");
    EXPECT_THAT(dialog().BMPListLB->items(),
                ElementsAre("Grass Filter Strip", "Tree/Shrub Buffer", "Controlled Drainage"));
    EXPECT_THAT(dialog().SelectedBMPsLB->items(), IsEmpty());
    EXPECT_THAT(dialog().idLines(), IsEmpty());
}

TEST_F(BmpDialog, FirstBmpThatAsksForAcresSetsThemForTheNext)
{
    chooseType("InZorvrb");
    chooseBmps(
        [](ui::Form& form) {
            add(form, "Grass Filter Strip");
            add(form, "Controlled Drainage");
            press(form, "OKBtn");
        },
        [this] {
    expectExtraInfo("12", "30", [](ui::Form& form) {
        EXPECT_TRUE(form.get<ui::ComboBox>("WidthCB").visible());
        EXPECT_EQ(form.get<ui::ComboBox>("WidthCB").items().size(), 10u);
        EXPECT_EQ(form.get<ui::Edit>("AcreED").text(), "");
    });
    expectExtraInfo("", "", [](ui::Form& form) {
        EXPECT_FALSE(form.get<ui::ComboBox>("WidthCB").visible());
        EXPECT_EQ(form.get<ui::Edit>("AcreED").text(), "12");
        EXPECT_TRUE(form.get<ui::Edit>("AcreED").readOnly());
    });
        });
    EXPECT_THAT(bmp().BMPList, ElementsAre("Grass Filter Strip=1", "Controlled Drainage=3"));
    EXPECT_THAT(bmp().BMPWidthList, ElementsAre("Grass Filter Strip=30", "Controlled Drainage="));
    EXPECT_THAT(bmp().BMPTypeList, ElementsAre("Grass Filter Strip=Buffer", "Controlled Drainage=Water Management"));
    EXPECT_EQ(bmp().BMPs, "1,3");
    EXPECT_EQ(bmp().BMPWidths, "30,-1");
    EXPECT_EQ(bmp().TotalBufferWidth, 30);
    EXPECT_TRUE(bmp().BufferID1Present);
    EXPECT_EQ(bmp().BufferID1Width, 30);
    EXPECT_FALSE(bmp().BufferID2Present);
    EXPECT_TRUE(bmp().BMPID3Present);
    EXPECT_EQ(bmp().BMPAcres, 12);
    EXPECT_EQ(countLabel().caption(), "BMP Count = 2");
    EXPECT_EQ(countLabel().hint(), "Total BMP Acres = 12");
    EXPECT_THAT(dialog().BMPListLB->items(), ElementsAre("Tree/Shrub Buffer"));
}

TEST_F(BmpDialog, TwoBuffersAddTheirWidths)
{
    chooseType("InZorvrb");
    chooseBmps(
        [](ui::Form& form) {
            auto& list = form.get<ui::ListBox>("BMPListLB");
            ASSERT_TRUE(list.userClick(0));
            ASSERT_TRUE(list.userToggle(1));
            press(form, "AddBtn");
            press(form, "OKBtn");
        },
        [this] {
            expectExtraInfo("8.5", "30");
            expectExtraInfo("", "20");
        });
    EXPECT_EQ(bmp().TotalBufferWidth, 50);
    EXPECT_EQ(bmp().BufferID1Width, 30);
    EXPECT_EQ(bmp().BufferID2Width, 20);
    EXPECT_EQ(bmp().BMPAcres, 8.5f);
    EXPECT_EQ(countLabel().hint(), "Total BMP Acres = 8.5");
}

TEST_F(BmpDialog, ExtraInformationIsAskedAgainUntilCompleteOrCancelled)
{
    chooseType("InZorvrb");
    auto answer = [this](std::string acres, std::string width, ui::ModalResult result) {
        shell.application.expectModal("ExtraBMPInfo", [=](ui::Form& form) {
            // Each answer starts from what the last one left in the dialog.
            form.get<ui::Edit>("AcreED").setText(acres);
            form.get<ui::ComboBox>("WidthCB").setText(width);
            press(form, result == ui::ModalResult::Ok ? "OKBtn" : "CancelBtn");
        });
    };
    chooseBmps(
        [](ui::Form& form) {
            add(form, "Tree/Shrub Buffer");
            EXPECT_THAT(form.get<ui::ListBox>("SelectedBMPsLB").items(), IsEmpty());
            press(form, "OKBtn");
        },
        [&] {
            answer("", "", ui::ModalResult::Ok);
            answer("", "30", ui::ModalResult::Ok);
            answer("5", "", ui::ModalResult::Ok);
            answer("", "", ui::ModalResult::Cancel);
        });
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("You Must Either Enter A Value or Click\nthe CANCEL Button",
                            "You Must Either Enter An Acreage Value or Click\nthe CANCEL Button",
                            "You Must Either Select A Width Value or Click\nthe CANCEL Button"));
    EXPECT_THAT(dialog().BMPListLB->items(),
                ElementsAre("Grass Filter Strip", "Tree/Shrub Buffer", "Controlled Drainage"));
    EXPECT_THAT(dialog().idLines(), IsEmpty());
    EXPECT_EQ(bmp().BMPCount, 0);
}

TEST_F(BmpDialog, RemovingPutsTheBmpBackAtTheEndOfTheList)
{
    chooseType("InTambrb");
    chooseBmps([](ui::Form& form) {
        add(form, "Controlled Drainage");
        add(form, "Grassed Waterway");
        auto& selected = form.get<ui::ListBox>("SelectedBMPsLB");
        ASSERT_TRUE(selected.userDoubleClick(0));
        press(form, "OKBtn");
    });
    EXPECT_THAT(dialog().BMPListLB->items().back(), "Controlled Drainage");
    EXPECT_THAT(dialog().SelectedBMPsLB->items(), ElementsAre("Grassed Waterway"));
    EXPECT_EQ(bmp().BMPs, "5");
    // Phosphorus alone leaves the acres and their hint alone.
    EXPECT_EQ(countLabel().hint(), "");
}

TEST_F(BmpDialog, CancelKeepsTheSelectionOnYesAndDropsItOnNo)
{
    chooseType("InTambrb");
    const auto cancelAfterAdding = [](ui::Form& form) {
        if (!form.get<ui::ListBox>("BMPListLB").items().empty() && form.get<ui::ListBox>("SelectedBMPsLB").items().empty()) {
            add(form, "Grassed Waterway");
        }
        press(form, "CancelBtn");
    };
    shell.dialogs.answer(ui::Answer::Yes);
    chooseBmps(cancelAfterAdding);
    EXPECT_EQ(bmp().BMPCount, 1);
    EXPECT_EQ(countLabel().caption(), "BMP Count = 1");

    shell.dialogs.answer(ui::Answer::No);
    chooseBmps(cancelAfterAdding);
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Would you like to keep your current BMP\nsettings?",
                            "Would you like to keep your current BMP\nsettings?"));
    EXPECT_EQ(bmp().BMPCount, 0);
    EXPECT_EQ(bmp().BMPs, "");
    EXPECT_EQ(countLabel().caption(), "BMP Count = 0");
}

TEST_F(BmpDialog, SavedRecordRestoresItsBmpsWithoutTheTreeShrubBuffer)
{
    chooseType("InZorvrb");
    shell.windows.bmpChoice->loadSavedBMPs("1,2,3", "30,20,-1", "12");
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("BMP: Tree/Shrub Buffer is no longer valid\nIt will not be included in the calculation"));
    EXPECT_THAT(dialog().SelectedBMPsLB->items(), ElementsAre("Grass Filter Strip", "Controlled Drainage"));
    EXPECT_EQ(bmp().BMPs, "1,3");
    EXPECT_EQ(bmp().BMPWidths, "30,-1");
    EXPECT_EQ(bmp().BufferID1Width, 30);
    EXPECT_FALSE(bmp().BufferID2Present);
    EXPECT_EQ(bmp().BMPAcres, 12);
    EXPECT_EQ(countLabel().caption(), "BMP Count = 2");
    EXPECT_EQ(shell.application.pendingModals(), 0u);
}

TEST_F(BmpDialog, SavedIdsAndWidthsOfDifferentCountsChangeNothing)
{
    chooseType("InZorvrb");
    const std::string mismatch = "Error!  Number of BMP IDs not equal to Number of\n           BMP Widths";
    dialog().SetBMPInfo("1,3", "30", "12");
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre(mismatch));
    EXPECT_THAT(dialog().idLines(), IsEmpty());

    shell.dialogs.clearRecords();
    shell.batch.BatchRunning = true;
    dialog().SetBMPInfo("1", "", "");
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
    EXPECT_TRUE(shell.batch.BatchMessagePending);
    EXPECT_EQ(shell.batch.BatchMessage, "Error!  Number of BMP IDs not equal to Number of\r\n           BMP Widths");
}

} // namespace
} // namespace verdalis::testing
