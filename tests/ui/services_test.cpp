#include "ui/batch_state.h"
#include "ui/clock.h"
#include "ui/event_dispatcher.h"
#include "ui/script_error.h"
#include "ui/scripted_application.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"
#include "util/number_text.h"

#include <gtest/gtest.h>

namespace verdalis::ui {
namespace {

using Strings = std::vector<std::string>;

TEST(ScriptedDialogs, AnswersQuestionsInTheOrderQueued)
{
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::No).answerText("QuillFen").answer(Answer::Cancel).answerFile("/lists/Batch.dbf");

    dialogs.error("Password Invalid!");
    EXPECT_FALSE(dialogs.confirm("Would you like Detailed Calculations?"));
    EXPECT_EQ(dialogs.passwordQuery("Password Dialog", "Enter password:"), "QuillFen");
    EXPECT_EQ(dialogs.message(MessageKind::Warning, "Continue?", MessageButtons::OkCancel), Answer::Cancel);
    dialogs.showMessage("Done");
    EXPECT_EQ(dialogs.openFile({.filter = "DBase (*.dbf)|*.dbf", .initialDir = "/prog"}), "/lists/Batch.dbf");
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);

    const auto& m = dialogs.messages();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].kind, MessageKind::Error);
    EXPECT_EQ(m[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(m[1].kind, MessageKind::Confirmation);
    EXPECT_EQ(m[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(m[3].kind, MessageKind::Plain);
    ASSERT_EQ(dialogs.prompts().size(), 1u);
    EXPECT_EQ(dialogs.prompts()[0].kind, ScriptedDialogs::PromptKind::Password);
    ASSERT_EQ(dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs()[0].request.initialDir, "/prog");
}

TEST(ScriptedDialogs, UnexpectedQuestionsFailTheScript)
{
    const std::vector<std::pair<const char*, std::function<void(ScriptedDialogs&)>>> cases = {
        {"no answer queued", [](ScriptedDialogs& d) { d.confirm("Sure?"); }},
        {"answer of another kind", [](ScriptedDialogs& d) { d.answerText("x").confirm("Sure?"); }},
        {"answer that is no button", [](ScriptedDialogs& d) { d.answer(Answer::Ok).confirm("Sure?"); }},
        {"prompt without answer", [](ScriptedDialogs& d) { d.inputQuery("Caption", "Name:", "x"); }},
        {"file dialog given a choice", [](ScriptedDialogs& d) { d.answer(Answer::Yes).saveFile({}); }},
    };
    for (const auto& [name, question] : cases) {
        ScriptedDialogs dialogs;
        EXPECT_THROW(question(dialogs), ScriptError) << name;
    }
}

TEST(ScriptedDialogs, SaveDialogAddsTheDefaultExtensionAndPrintsAreRecorded)
{
    ScriptedDialogs dialogs;
    dialogs.answerFile("/out/report").answerFile("/out/report.rtf").answerFile(std::nullopt);
    const FileDialogRequest request{.filter = "Text Files (*.txt)|*.txt|Rich Text (*.rtf)|*.rtf", .defaultExt = "TXT"};
    EXPECT_EQ(dialogs.saveFile(request), "/out/report.TXT");
    EXPECT_EQ(dialogs.saveFile(request), "/out/report.rtf");
    EXPECT_EQ(dialogs.saveFile(request), std::nullopt);

    rtf::Document report;
    report.appendText("Verdalis Version: 2.50", {});
    dialogs.print(report, " Aggregate Results");
    ASSERT_EQ(dialogs.printJobs().size(), 1u);
    EXPECT_EQ(dialogs.printJobs()[0].jobName, " Aggregate Results");
    EXPECT_EQ(dialogs.printJobs()[0].document, report);
    dialogs.setPrintFailure("Printer is not ready");
    EXPECT_THROW(dialogs.print(report, ""), std::runtime_error);
    EXPECT_EQ(dialogs.printJobs().size(), 1u);
}

TEST(EventDispatcher, ReportsProgramErrorsButNotScriptErrors)
{
    ScriptedDialogs dialogs;
    EventDispatcher dispatcher(dialogs);
    bool after = false;
    EXPECT_FALSE(dispatcher.run([&] {
        textToNumber("12a");
        after = true;
    }));
    EXPECT_FALSE(after) << "the error ends the operation";
    EXPECT_FALSE(dispatcher.run([] { throw std::runtime_error("Cannot open file \"x.rtf\"."); }));
    EXPECT_TRUE(dispatcher.run([] {}));
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].kind, MessageKind::Error);
    EXPECT_NE(dialogs.messages()[0].text.find("12a"), std::string::npos);
    EXPECT_EQ(dialogs.messages()[1].text, "Cannot open file \"x.rtf\".");

    EXPECT_THROW(dispatcher.run([&] { dialogs.confirm("Unscripted?"); }), ScriptError)
        << "a script failure always reaches the test";
}

TEST(HourglassCursor, RestoresThePreviousCursorAlsoOnErrors)
{
    ScriptedApplication application;
    try {
        HourglassCursor outer(application);
        {
            HourglassCursor inner(application);
        }
        EXPECT_EQ(application.cursor(), Cursor::Hourglass) << "the inner guard restores the outer hourglass";
        throw std::runtime_error("table missing");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(application.cursor(), Cursor::Default);
    EXPECT_EQ(application.cursorHistory(),
              (std::vector<Cursor>{Cursor::Hourglass, Cursor::Hourglass, Cursor::Hourglass, Cursor::Default}));
}

TEST(ScriptedApplication, IdleWorkRunsOnceAndMessagesDeliverQueuedActions)
{
    ScriptedApplication application;
    int idleRuns = 0;
    application.runWhenIdle([&] {
        ++idleRuns;
        application.runWhenIdle([&] { idleRuns += 10; });
    });
    application.idle();
    EXPECT_EQ(idleRuns, 1) << "work queued while idle waits for the next idle moment";
    application.idle();
    application.idle();
    EXPECT_EQ(idleRuns, 11);

    bool cancelPressed = false;
    application.duringNextMessages([&] { cancelPressed = true; });
    EXPECT_FALSE(cancelPressed);
    application.processMessages();
    EXPECT_TRUE(cancelPressed);
    EXPECT_EQ(application.processMessagesCalls(), 1);

    application.beep();
    application.setTitle("Verdalis");
    application.terminate();
    EXPECT_EQ(application.beeps(), 1);
    EXPECT_EQ(application.title(), "Verdalis");
    EXPECT_TRUE(application.terminated());
}

struct ReportCase {
    const char* name;
    bool batchRunning;
    bool showMessages;
    size_t dialogsShown;
    const char* batchMessage;
};

TEST(BatchState, ReportShowsOrCollects)
{
    const std::string text = "Cannot Locate LKey;Crop : \n1,2\n in Table";
    const ReportCase cases[] = {
        {"interactive, shown", false, true, 1, ""},
        {"interactive, silenced", false, false, 0, ""},
        {"batch collects", true, true, 0, "Cannot Locate LKey;Crop : \r\n1,2\r\n in Table"},
        {"batch collects even when silenced", true, false, 0, "Cannot Locate LKey;Crop : \r\n1,2\r\n in Table"},
    };
    for (const ReportCase& c : cases) {
        ScriptedDialogs dialogs;
        BatchState batch;
        batch.BatchRunning = c.batchRunning;
        batch.report(dialogs, text, c.showMessages);
        ASSERT_EQ(dialogs.messages().size(), c.dialogsShown) << c.name;
        if (c.dialogsShown > 0) {
            EXPECT_EQ(dialogs.messages()[0].text, text) << c.name;
            EXPECT_EQ(dialogs.messages()[0].kind, MessageKind::Error) << c.name;
        }
        EXPECT_EQ(batch.BatchMessage, c.batchMessage) << c.name;
        EXPECT_EQ(batch.BatchMessagePending, c.batchRunning) << c.name;
    }
}

TEST(BatchState, LastMessageWinsAndCollectActsOnlyInBatch)
{
    ScriptedDialogs dialogs;
    BatchState batch;
    batch.collect("Error in Hydrologic Condition");
    EXPECT_FALSE(batch.BatchMessagePending);
    batch.BatchRunning = true;
    batch.report(dialogs, "first");
    batch.collect("Error in Hydrologic Condition");
    EXPECT_EQ(batch.BatchMessage, "Error in Hydrologic Condition");
    batch.report(dialogs, "a\r\nb");
    EXPECT_EQ(batch.BatchMessage, "a\r\nb") << "an existing CR LF stays single";
    batch.clearMessage();
    EXPECT_EQ(batch.BatchMessage, "");
    EXPECT_FALSE(batch.BatchMessagePending);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST(ScriptedProcesses, RecordsStartsAndRunsTheHook)
{
    ScriptedProcesses processes;
    processes.setRunning({"/opt/Verdalis/Verdalis", "/usr/bin/other"});
    EXPECT_EQ(processes.listProcesses().size(), 2u);
    std::vector<std::string> hooked;
    processes.setOnStart([&](const ScriptedProcesses::Started& s) { hooked.push_back(s.program); });
    EXPECT_TRUE(processes.startAndWait("/upd/Tables.exe", ""));
    EXPECT_TRUE(processes.start("/upd/SoftwareUpdater.exe", "/upd/package.exe"));
    processes.setStartSucceeds(false);
    EXPECT_FALSE(processes.start("/upd/missing", ""));
    ASSERT_EQ(processes.started().size(), 2u);
    EXPECT_TRUE(processes.started()[0].waited);
    EXPECT_FALSE(processes.started()[1].waited);
    EXPECT_EQ(processes.started()[1].parameters, "/upd/package.exe");
    EXPECT_EQ(hooked, (Strings{"/upd/Tables.exe", "/upd/SoftwareUpdater.exe"}));
}

TEST(Clock, ScriptedClockShowsWhatWasSetAndTheSystemClockAValidDate)
{
    using namespace std::chrono;
    ScriptedClock clock;
    EXPECT_EQ(clock.today(), (Date{year{2000}, January, day{1}}));
    clock.set({Date{year{2026}, December, day{10}}, hours{13} + minutes{5}});
    EXPECT_EQ(clock.today(), (Date{year{2026}, December, day{10}}));
    EXPECT_EQ(clock.now().timeOfDay, minutes{13 * 60 + 5});

    const LocalDateTime now = SystemClock().now();
    EXPECT_TRUE(now.date.ok());
    EXPECT_LT(now.timeOfDay, hours{24});
}

TEST(Dialogs, DefaultExtensionOnlyForNamesWithoutOne)
{
    EXPECT_EQ(withDefaultExtension("/a/report", "TXT"), "/a/report.TXT");
    EXPECT_EQ(withDefaultExtension("/a/report.rtf", "TXT"), "/a/report.rtf");
    EXPECT_EQ(withDefaultExtension("/a.dir/report", "TXT"), "/a.dir/report.TXT");
    EXPECT_EQ(withDefaultExtension("/a/report", ""), "/a/report");
    EXPECT_EQ(withDefaultExtension("", "TXT"), "");
}

} // namespace
} // namespace verdalis::ui
