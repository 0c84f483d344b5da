#include "records/list_processing.h"

#include "records/batch_results.h"
#include "records/record_texts.h"
#include "reports/password_sets.h"

#include <algorithm>
#include <exception>

namespace verdalis::records {

namespace {

namespace fs = std::filesystem;

// The two passwords that let a list run add the detailed calculations.
constexpr std::string_view detailedCalculationPasswords[] = {reports::masterPassword, "tresko"};
inline constexpr int blankLinesAfterRecord = 3;
inline constexpr std::string_view lineEnd = "\r\n";

// A text log of the run, written line by line.
class RunLog {
public:
    explicit RunLog(const fs::path& path) : file_(path, std::ios::binary | std::ios::trunc)
    {
        if (!file_) {
            throw std::runtime_error("Cannot write " + path.string());
        }
    }
    void line(std::string_view text) { file_ << text << lineEnd; }
    void blankLines()
    {
        for (int count = 0; count < blankLinesAfterRecord; ++count) {
            line(" ");
        }
    }

private:
    std::ofstream file_;
};

} // namespace

struct ListProcessing::Run {
    explicit Run(const fs::path& listDir)
        : batchLog(listDir / texts::batchLogName), errorLog(listDir / texts::errorLogName)
    {
        Table::create(listDir, texts::batchTableName, TableType::Dbase, batchResultColumns());
        results.open(listDir, texts::batchTableName, TableType::Dbase);
    }

    // Unposted result records are dropped when the table closes.
    Table results;
    RunLog batchLog;
    RunLog errorLog;
    int errors = 0;
};

ListProcessing::ListProcessing(RecordTable& records, shell::TForm1& form, const shell::ShellServices& services,
                               reports::TPrintResultsDlg& report, reports::TPasswordDlg& passwordDlg,
                               TProcessListMsg& progress)
    : records_(records), form_(form), dialogs_(services.dialogs), application_(services.application),
      batch_(services.batch), report_(report), passwordDlg_(passwordDlg), progress_(progress)
{
    form_.control<ui::Button>("ProcessListBtn").onClick = [this] { ProcessListBtnClick(); };
}

void ListProcessing::ProcessListBtnClick()
{
    batch_.BatchRunning = false;
    lastRun_ = {};
    Table& list = records_.Table1();
    list.close();
    try {
        records_.OpenBtnClick();
    } catch (...) {
        // A list the table engine cannot open leaves the default table open.
        records_.reopenUserTable();
        throw;
    }
    if (!list.isOpen()) {
        records_.reopenUserTable();
        return;
    }
    if (list.recordCount() == 0) {
        dialogs_.error(texts::noRecords);
        records_.reopenUserTable();
        return;
    }

    const ui::Cursor previousCursor = application_.cursor();
    application_.setCursor(ui::Cursor::Hourglass);
    std::exception_ptr failure;
    std::unique_ptr<Run> run;
    try {
        run = std::make_unique<Run>(fs::path(form_.values.UserTablePath).parent_path());
        runRecords(*run);
    } catch (...) {
        failure = std::current_exception();
    }
    run.reset();
    records_.onBatchRecord = nullptr;
    progress_.finish();
    batch_.BatchRunning = false;
    batch_.DetailedCalculations = false;
    try {
        records_.reopenUserTable();
    } catch (...) {
        if (!failure) {
            failure = std::current_exception();
        }
    }
    application_.setCursor(previousCursor);
    dialogs_.showMessage(texts::done);
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void ListProcessing::askForDetailedCalculations()
{
    if (!dialogs_.confirm(texts::detailedQuestion)) {
        return;
    }
    const auto entry = passwordDlg_.ask(application_);
    if (!entry) {
        return;
    }
    batch_.DetailedCalculations = std::ranges::find(detailedCalculationPasswords, *entry)
                                  != std::end(detailedCalculationPasswords);
    if (!batch_.DetailedCalculations) {
        dialogs_.error(texts::passwordInvalid);
    }
}

void ListProcessing::runRecords(Run& run)
{
    progress_.start();
    application_.processMessages();
    batch_.BatchMessagePending = false;
    askForDetailedCalculations();

    records_.onBatchRecord = [this, &run](const std::string& recordName) {
        const std::string progressLine =
            std::string(texts::processingPrefix) + recordName + std::string(texts::processingSuffix);
        run.batchLog.line(progressLine);
        run.errorLog.line(progressLine);
        if (onProgress) {
            onProgress(progressLine);
        }
    };
    lastRun_.processed = true;
    Table& list = records_.Table1();
    const size_t recordCount = list.recordCount();
    batch_.BatchRunning = true;
    list.first();
    for (size_t record = 0; record < recordCount; ++record) {
        if (progress_.cancelled()) {
            break;
        }
        if (!batch_.BatchMessage.empty()) {
            progress_.addMessage(batch_.BatchMessage);
        }
        run.results.append();
        if (list.hasField("RecordName")) {
            run.results.field("RecordName")
                .setText(fitToColumn(run.results, "RecordName", list.field("RecordName").asText()));
        }
        if (batch_.BatchMessagePending) {
            recordInputError(run);
        } else {
            calculateRecord(run);
        }
        run.batchLog.blankLines();
        run.results.post();
        list.next();
    }
    run.errorLog.line(std::string(texts::totalErrors) + std::to_string(run.errors));
    lastRun_.errors = run.errors;
    progress_.finish();
}

void ListProcessing::recordInputError(Run& run)
{
    ++run.errors;
    const std::string message = batch_.BatchMessage;
    for (RunLog* log : {&run.errorLog, &run.batchLog}) {
        log->line(texts::incorrectInputs);
        log->line(message);
    }
    run.errorLog.blankLines();
    run.results.field("Error").setText(texts::inputDataError);
    run.results.field("Error_Dtld").setText(fitToColumn(run.results, "Error_Dtld", message));
    batch_.clearMessage();
}

void ListProcessing::calculateRecord(Run& run)
{
    form_.CalculateBtnClick();
    application_.processMessages();
    const ui::RichText& lines = *report_.RichEdit1;
    const bool failed = batch_.BatchMessagePending;
    for (size_t index = 0; index < lines.lineCount(); ++index) {
        const std::string line = lines.line(index);
        run.batchLog.line(line);
        if (failed) {
            run.errorLog.line(line);
        } else {
            storeReportLine(line, run.results);
        }
    }
    if (!failed) {
        return;
    }
    ++run.errors;
    const std::string message = batch_.BatchMessage;
    progress_.addMessage(message);
    for (RunLog* log : {&run.batchLog, &run.errorLog}) {
        log->line(texts::calculationFailed);
        log->line(message);
    }
    run.errorLog.blankLines();
    run.results.field("Error").setText(texts::calculationError);
    run.results.field("Error_Dtld").setText(fitToColumn(run.results, "Error_Dtld", message));
    batch_.clearMessage();
}

} // namespace verdalis::records
