#include "password_script.h"
#include "report_fixture.h"

#include "../util/temp_folder.h"
#include "reports/report_commands.h"
#include "ui/batch_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace verdalis::reports {
namespace {

const std::string calculateFirst =
    "You must first enter information and click the\nCALCULATE button before clicking the\n"
    "View/Print Results button";

// Records whether the detailed values were asked for while it ran.
class RecordingDriver : public CalculationDriver {
public:
    explicit RecordingDriver(const ui::BatchState& batch, std::function<void()> work = {})
        : batch_(batch), work_(std::move(work))
    {
    }
    void runCalculation() override
    {
        detailedDuringRuns.push_back(batch_.DetailedCalculations);
        if (work_) {
            work_();
        }
    }
    std::vector<bool> detailedDuringRuns;

private:
    const ui::BatchState& batch_;
    std::function<void()> work_;
};

class ReportCommandsTest : public ::testing::Test, public ReportFixture {
public:
    void calculate()
    {
        report.ClearRichEdit();
        report.AddToRichEdit("Verdalis Version: 2.50", rtf::styles::plain, colors::black);
        report.AddToRichEdit("Total N Lost:        12.5", rtf::styles::bold, colors::black);
        calculationLog.clear();
        calculationLog.appendLine("Zorv and Tamb calculated");
    }
    void expectPreviewClosedWith(ui::Button* TPrintResultsDlg::*button)
    {
        application.expectModal("PrintResultsDlg", [button](ui::Form& form) {
            (static_cast<TPrintResultsDlg&>(form).*button)->userClick();
        });
    }

    TPasswordDlg passwordDlg;
    ui::RichText calculationLog{"CalcRichEdit"};
    ui::BatchState batch;
    ReportCommands commands{report, passwordDlg, calculationLog, batch, dialogs, application};
};

TEST_F(ReportCommandsTest, BeforeACalculationOnlyTheInformationMessageShows)
{
    const std::vector<std::pair<const char*, std::function<void(ReportCommandsTest&)>>> cases = {
        {"right after start-up", [](ReportCommandsTest&) {}},
        {"empty report", [](ReportCommandsTest& t) { t.calculate(); t.report.ClearRichEdit(); }},
        {"empty calculation log", [](ReportCommandsTest& t) { t.calculate(); t.calculationLog.clear(); }},
        {"hidden calculation log", [](ReportCommandsTest& t) { t.calculate(); t.calculationLog.hide(); }},
    };
    for (const auto& [name, state] : cases) {
        report.ClearRichEdit();
        calculationLog.clear();
        calculationLog.show();
        dialogs.clearRecords();
        state(*this);
        commands.PrintBtnClick();
        ASSERT_EQ(dialogs.messages().size(), 1u) << name;
        EXPECT_EQ(dialogs.messages()[0].kind, ui::MessageKind::Information) << name;
        EXPECT_EQ(dialogs.messages()[0].text, calculateFirst) << name;
        EXPECT_TRUE(dialogs.printJobs().empty()) << name;
    }
}

TEST_F(ReportCommandsTest, BatchRunPrintsAtOnceWithoutPreviewOrMessage)
{
    batch.BatchRunning = true;
    commands.PrintBtnClick();
    EXPECT_TRUE(batch.BatchMessagePending);
    EXPECT_EQ(batch.BatchMessage, "You must first enter information and click the\r\nCALCULATE button before "
                                  "clicking the\r\nView/Print Results button");
    EXPECT_TRUE(dialogs.printJobs().empty());

    calculate();
    commands.PrintBtnClick();
    ASSERT_EQ(dialogs.printJobs().size(), 1u);
    EXPECT_EQ(dialogs.printJobs()[0].jobName, " Aggregate Results");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(application.pendingModals(), 0u);
}

TEST_F(ReportCommandsTest, PreviewPrintsOrDoesNothing)
{
    calculate();
    expectPreviewClosedWith(&TPrintResultsDlg::CancelBtn);
    commands.PrintBtnClick();
    EXPECT_TRUE(dialogs.printJobs().empty());

    expectPreviewClosedWith(&TPrintResultsDlg::PrintBtn);
    commands.PrintBtnClick();
    ASSERT_EQ(dialogs.printJobs().size(), 1u);
    EXPECT_EQ(dialogs.printJobs()[0].jobName, " Aggregate Results");
    EXPECT_EQ(application.pendingModals(), 0u);
    EXPECT_TRUE(dialogs.fileDialogs().empty());
}

TEST_F(ReportCommandsTest, PrintToFileSavesUnderTheChosenName)
{
    testing::TempFolder folder;
    calculate();
    // A name typed without extension gets "TXT" from the dialog: plain text.
    expectPreviewClosedWith(&TPrintResultsDlg::PrintToFileBtn);
    dialogs.answerFile((folder / "North40").string());
    commands.PrintBtnClick();
    EXPECT_EQ(testing::readFile(folder / "North40.TXT"), "Verdalis Version: 2.50\r\nTotal N Lost:        12.5\r\n");

    expectPreviewClosedWith(&TPrintResultsDlg::PrintToFileBtn);
    dialogs.answerFile((folder / "North40.rtf").string());
    commands.PrintBtnClick();
    EXPECT_TRUE(testing::readFile(folder / "North40.rtf").starts_with("{\\rtf"));

    expectPreviewClosedWith(&TPrintResultsDlg::PrintToFileBtn);
    dialogs.answerFile(std::nullopt);
    commands.PrintBtnClick();

    ASSERT_EQ(dialogs.fileDialogs().size(), 3u);
    const ui::FileDialogRequest& request = dialogs.fileDialogs()[0].request;
    EXPECT_TRUE(request.filter.starts_with("Text Files (*.txt)|*.txt|Rich Text (*.rtf)|*.rtf|"));
    EXPECT_NE(request.filter.find("|*.pdf"), std::string::npos);
    EXPECT_EQ(request.defaultExt, "TXT");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
    EXPECT_TRUE(dialogs.printJobs().empty());
}

TEST_F(ReportCommandsTest, DetailedViewNeedsAReportViewPassword)
{
    RecordingDriver driver(batch, [this] { calculate(); });
    expectPasswordCancelled(application);
    commands.ViewDetailedCalculations1Click(driver);
    for (const char* wrong : {"quillfen", "QFEN", "", "QuillFen "}) {
        expectPassword(application, wrong);
        commands.ViewDetailedCalculations1Click(driver);
    }
    EXPECT_TRUE(driver.detailedDuringRuns.empty());
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>(4, "Password Invalid!"));

    for (const char* password : {"QuillFen", "QFen", "tresko"}) {
        expectPassword(application, password);
        expectPreviewClosedWith(&TPrintResultsDlg::CancelBtn);
        commands.ViewDetailedCalculations1Click(driver);
        EXPECT_FALSE(batch.DetailedCalculations) << password;
    }
    EXPECT_EQ(driver.detailedDuringRuns, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(application.pendingModals(), 0u);
}

TEST_F(ReportCommandsTest, DetailedFlagIsClearedWhenTheCalculationFails)
{
    RecordingDriver driver(batch, [] { throw std::runtime_error("'abc' is not a valid floating point value"); });
    expectPassword(application, "QuillFen");
    EXPECT_THROW(commands.ViewDetailedCalculations1Click(driver), std::runtime_error);
    EXPECT_EQ(driver.detailedDuringRuns, (std::vector<bool>{true}));
    EXPECT_FALSE(batch.DetailedCalculations);
}

TEST(PasswordDlg, MasksTheEntryKeepsItAndAcceptsWithReturn)
{
    ui::ScriptedApplication application;
    TPasswordDlg dlg;
    EXPECT_EQ(dlg.caption(), "Password Dialog");
    EXPECT_EQ(dlg.PasswordLabel->caption(), "Enter password:");
    EXPECT_EQ(dlg.Password->passwordChar(), U'*');

    application.expectModal("PasswordDlg", [](ui::Form& form) {
        auto& d = static_cast<TPasswordDlg&>(form);
        d.Password->userType("QFen");
        d.Password->userKey(ui::returnKey);
    });
    EXPECT_EQ(dlg.ask(application), "QFen");

    // The next use starts with the same entry; Cancel answers nothing.
    application.expectModal("PasswordDlg", [](ui::Form& form) {
        auto& d = static_cast<TPasswordDlg&>(form);
        EXPECT_EQ(d.Password->text(), "QFen");
        d.CancelBtn->userClick();
    });
    EXPECT_EQ(dlg.ask(application), std::nullopt);
    EXPECT_EQ(dlg.getPassword(), "QFen");
}

} // namespace
} // namespace verdalis::reports
