#include "cli/headless_program.h"

#include "records/record_texts.h"
#include "ui/event_dispatcher.h"
#include "util/text_case.h"

#include <filesystem>

namespace verdalis::cli {

namespace {

inline constexpr std::string_view executableName = "verdalis-cli";

} // namespace

HeadlessProgram::HeadlessProgram(const std::string& programDir, std::ostream& messages)
    : dialogs_(messages), parts_(dialogs_),
      services_{dialogs_,
                application_,
                processes_,
                clock_,
                batch_,
                (std::filesystem::absolute(programDir) / executableName).string(),
                pdfWriter_}
{
}

bool HeadlessProgram::start()
{
    windows_ = shell::createProgramWindows(services_, parts_.parts());
    parts_.attach(windows_);
    application_.idle();
    return windows_.Form1->startupComplete();
}

int HeadlessProgram::batch(const std::string& listPath, std::ostream& out)
{
    records::ListProcessing& processing = *windows_.listProcessing;
    processing.onProgress = [&out](const std::string& line) { out << line << '\n'; };
    dialogs_.answerOpenFile(std::filesystem::absolute(listPath).string());
    const bool ranToItsEnd = ui::EventDispatcher(dialogs_).run([&processing] { processing.ProcessListBtnClick(); });
    const auto& outcome = processing.lastRun();
    if (outcome.processed) {
        out << records::texts::totalErrors << outcome.errors << '\n';
    }
    return ranToItsEnd && outcome.processed ? 0 : 1;
}

int HeadlessProgram::calculate(const std::string& recordName, std::ostream& out)
{
    records::RecordTable& records = *windows_.records;
    dialogs_.answerInput(recordName);
    ui::EventDispatcher dispatcher(dialogs_);
    if (!dispatcher.run([&records] { records.GetRecordBtnClick(); })) {
        return 1;
    }
    Table& table = records.Table1();
    if (table.recordCount() == 0 || !equalsIgnoringCase(table.field("RecordName").asText(), recordName)) {
        return 1;
    }
    if (!dispatcher.run([this] { windows_.Form1->CalculateBtnClick(); })) {
        return 1;
    }
    const ui::RichText& report = *windows_.dialogs.PrintResultsDlg->RichEdit1;
    for (size_t line = 0; line < report.lineCount(); ++line) {
        out << report.line(line) << '\n';
    }
    return 0;
}

} // namespace verdalis::cli
