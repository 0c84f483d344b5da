// The receiving slope distance, the surface soil test that decides the
// subsoil sample, and the expert's own drainage and runoff values.
#include "phosphorus_fixture.h"

#include "reports/password_dlg.h"

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SoilInputs : public PhosphorusInputs {
protected:
    SoilInputs() : PhosphorusInputs("soil-inputs")
    {
        shell::MapUnitValues& mapUnit = record().mapUnit;
        mapUnit.P_Threshold = "60";
        mapUnit.SubsoilSample = "y";
        mapUnit.WV_Factor = "1";
        control<ui::Edit>("SoilTestP1ED").show();
    }

    ui::Edit& surfaceTest() { return control<ui::Edit>("SoilTestP1ED"); }
    bool subsoilShown()
    {
        const bool all = shown("twentyeightTo32LBL1") && shown("SoilTestP2ED") && shown("WVRED2") &&
                         shown("TwentyEightTo32LBL2");
        const bool none = !shown("twentyeightTo32LBL1") && !shown("SoilTestP2ED") && !shown("WVRED2") &&
                          !shown("TwentyEightTo32LBL2");
        EXPECT_TRUE(all || none) << "the four subsoil controls go together";
        return all;
    }
};

TEST_F(SoilInputs, TheSubsoilIsAskedForOnceTheMehlich3EquivalentReachesTheThreshold)
{
    ASSERT_TRUE(surfaceTest().userKey('5'));
    EXPECT_FALSE(subsoilShown()) << "M3P 6";
    ASSERT_TRUE(surfaceTest().userKey('0'));
    EXPECT_TRUE(subsoilShown()) << "M3P 60 reaches 60";

    surfaceTest().selectAll();
    ASSERT_TRUE(surfaceTest().userKey('7'));
    EXPECT_FALSE(subsoilShown()) << "the key replaces the whole selection";

    surfaceTest().setText("123");
    surfaceTest().setSelection(1, 1);
    control<ui::Edit>("WVRED1").setText("2.5");
    ASSERT_TRUE(surfaceTest().userKey('0'));
    EXPECT_EQ(surfaceTest().text(), "103");
    EXPECT_FALSE(subsoilShown()) << "the entered factor brings 103 down to M3P 49.4";
}

TEST_F(SoilInputs, OnlyNumberKeysReachTheSoilTest)
{
    ASSERT_TRUE(surfaceTest().userKey('x'));
    EXPECT_EQ(surfaceTest().text(), "");
    EXPECT_EQ(shell.application.beeps(), 1);

    ASSERT_TRUE(surfaceTest().userKey(ui::returnKey));
    EXPECT_EQ(surfaceTest().text(), "0") << "return on an empty box";
    ASSERT_TRUE(surfaceTest().userKey('.'));
    ASSERT_TRUE(surfaceTest().userKey('.'));
    EXPECT_EQ(surfaceTest().text(), "0.") << "the box keeps a number";
    ASSERT_TRUE(surfaceTest().userKey(ui::backspaceKey));
    EXPECT_EQ(surfaceTest().text(), "0");
    EXPECT_THAT(messages(), IsEmpty());
}

TEST_F(SoilInputs, NoSubsoilWithoutAThresholdOrWhenTheSoilAsksForNone)
{
    record().mapUnit.SubsoilSample = "N";
    surfaceTest().setText("9");
    ASSERT_TRUE(surfaceTest().userKey('9'));
    EXPECT_FALSE(subsoilShown());
    record().mapUnit.SubsoilSample = "Y";
    record().mapUnit.P_Threshold.clear();
    ASSERT_TRUE(surfaceTest().userKey('9'));
    EXPECT_FALSE(subsoilShown());
}

TEST_F(SoilInputs, TheReceivingSlopeDistanceSetsTheDeliveryFactor)
{
    auto& distances = control<ui::ComboBox>("RecSlopeDistCB");
    ASSERT_TRUE(distances.userSelect(distances.indexOf("100-300")));
    EXPECT_EQ(record().hydrology.PartPDelFact, "0.8");

    distances.addItem("Far away");
    ASSERT_TRUE(distances.userSelect(distances.indexOf("Far away")));
    EXPECT_TRUE(record().hydrology.PartPDelFact.empty());
    folder.removeFile("UserTables/PartPDelivery.db");
    ASSERT_TRUE(distances.userSelect(0));
    EXPECT_THAT(messages(),
                ElementsAre("Cannot Locate RecSlopeDist: Far away in Table",
                            "PartPDelivery.db does not exist or is in the wrong\nDirectory.  Please place the file "
                            "in:\n" + shell.form().values.UserTablesDir));
}

class ExpertValues : public PhosphorusInputs {
protected:
    ExpertValues() : PhosphorusInputs("expert-values")
    {
        control<ui::GroupBox>("DrainageGB").show();
        control<ui::RadioButton>("RD_Yes").setChecked(true);
    }

    void enterWithPassword(const std::string& password, std::function<void(ui::Form&)> entries = {})
    {
        shell.application.expectModal("PasswordDlg", [password](ui::Form& form) {
            form.get<ui::Edit>("Password").setText(password);
            form.setModalResult(ui::ModalResult::Ok);
        });
        if (entries) {
            shell.application.expectModal("UserEntryDlg", [entries](ui::Form& form) {
                entries(form);
                form.setModalResult(ui::ModalResult::Ok);
            });
        }
        ASSERT_TRUE(control<ui::MenuItem>("EnterMyOwnDrainageRunoffValues1").userClick());
        EXPECT_EQ(shell.application.pendingModals(), 0u);
    }
    shell::ExpertValues& expert() { return record().expert; }
};

TEST_F(ExpertValues, EnteredNumbersAreTakenAndTextThatIsNoNumberIsReported)
{
    enterWithPassword("QFen", [](ui::Form& form) {
        form.get<ui::Edit>("RunoffVolED").setText("abc");
        form.get<ui::Edit>("LeachateVolED").setText("4.5");
        form.get<ui::CheckBox>("CalcRunoffFracChkBox").userClick();
        form.get<ui::Edit>("AnnPPTED").setText("");
    });
    EXPECT_EQ(expert().RunoffVolumeUser, shell::notEntered);
    EXPECT_EQ(expert().LeachateVolumeUser, 4.5f);
    EXPECT_EQ(expert().RunoffFractionUser, shell::notEntered);
    EXPECT_EQ(expert().AnnPPTUser, shell::notEntered);
    EXPECT_THAT(messages(), ElementsAre("Invalid Runoff Volume. Verdalis will use\nthe calculated value."));
    EXPECT_EQ(shell.windows.dialogs.UserEntryDlg->RunoffFracED->text(), "Calculated");
    EXPECT_FALSE(shell.windows.dialogs.UserEntryDlg->RunoffFracED->enabled());

    enterWithPassword("tresko", [](ui::Form& form) {
        form.get<ui::CheckBox>("CalcRunoffFracChkBox").userClick();
        form.get<ui::Edit>("RunoffVolED").setText("12");
        form.get<ui::Edit>("AnnPPTED").setText("44");
    });
    EXPECT_EQ(expert().RunoffVolumeUser, 12.0f);
    EXPECT_EQ(expert().LeachateVolumeUser, 4.5f) << "the dialog keeps its contents";
    EXPECT_EQ(expert().AnnPPTUser, 44.0f);
    EXPECT_TRUE(shell.windows.dialogs.UserEntryDlg->RunoffFracED->enabled());
}

TEST_F(ExpertValues, AWrongPasswordDropsAllFourButClearingKeepsThePrecipitation)
{
    enterWithPassword("QuillFen", [](ui::Form& form) {
        form.get<ui::Edit>("RunoffVolED").setText("1");
        form.get<ui::Edit>("LeachateVolED").setText("2");
        form.get<ui::Edit>("RunoffFracED").setText("0.3");
        form.get<ui::Edit>("AnnPPTED").setText("40");
    });
    ASSERT_TRUE(control<ui::MenuItem>("ClearMyDrainageandRunoffValuesUseCalculatedValues1").userClick());
    EXPECT_EQ(expert().RunoffVolumeUser, shell::notEntered);
    EXPECT_EQ(expert().LeachateVolumeUser, shell::notEntered);
    EXPECT_EQ(expert().RunoffFractionUser, shell::notEntered);
    EXPECT_EQ(expert().AnnPPTUser, 40.0f);

    enterWithPassword("quillfen");
    EXPECT_EQ(expert().AnnPPTUser, shell::notEntered);
    EXPECT_THAT(messages(), ElementsAre("Password Invalid!"));
    EXPECT_TRUE(shown("DrainageSpacingED"));
}

TEST_F(ExpertValues, TheItemsActOnlyWhileYesIsAnswered)
{
    control<ui::RadioButton>("RD_No").setChecked(true);
    ASSERT_TRUE(control<ui::MenuItem>("EnterMyOwnDrainageRunoffValues1").userClick());
    EXPECT_EQ(&control<ui::PopupMenu>("DrainageNRunoffPopup"), control<ui::RadioButton>("RD_Yes").popupMenu());
    EXPECT_THAT(messages(), IsEmpty());
}

} // namespace
} // namespace verdalis::testing
