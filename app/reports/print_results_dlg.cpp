#include "reports/print_results_dlg.h"

#include "reports/pdf_writer.h"
#include "reports/report_texts.h"
#include "reports/rtf/document_file.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "util/text_case.h"

#include <filesystem>

namespace verdalis::reports {

namespace {

constexpr ui::Geometry formGeometry{0, 0, 700, 560};
constexpr ui::Geometry reportGeometry{8, 8, 676, 470};
constexpr int buttonTop = 490;
constexpr int buttonWidth = 110;
constexpr int buttonHeight = 25;
constexpr int buttonSpacing = 122;

rtf::Document emptyReport()
{
    rtf::Document report;
    report.defaultFontName = std::string(reportFontName);
    return report;
}

} // namespace

rtf::CharFormat reportLineFormat(rtf::FontStyle style, Color colour)
{
    return {style, colour, std::string(reportFontName), reportFontHalfPoints};
}

TPrintResultsDlg::TPrintResultsDlg(ui::Dialogs& dialogs, ui::Application& application, PdfWriter& pdfWriter)
    : ui::Form("PrintResultsDlg"), dialogs_(dialogs), application_(application), pdfWriter_(pdfWriter)
{
    setCaption(std::string(texts::printPreviewCaption));
    setGeometry(formGeometry);
    RichEdit1 = &add<ui::RichText>("RichEdit1");
    RichEdit1->setGeometry(reportGeometry);
    RichEdit1->setReadOnly(true);
    RichEdit1->setWordWrap(false);

    const auto addButton = [this](const char* name, const char* caption, ui::ModalResult result, int slot) {
        ui::Button& button = add<ui::Button>(name, caption);
        button.setGeometry({reportGeometry.left + slot * buttonSpacing, buttonTop, buttonWidth, buttonHeight});
        button.setModalResult(result);
        return &button;
    };
    PrintBtn = addButton("PrintBtn", "PRINT", ui::ModalResult::Ok, 0);
    PrintToFileBtn = addButton("PrintToFileBtn", "Print To File", ui::ModalResult::Yes, 1);
    CancelBtn = addButton("CancelBtn", "Cancel", ui::ModalResult::Cancel, 2);
    CommentsBtn = addButton("CommentsBtn", "Add Comments...", ui::ModalResult::None, 3);
    CommentsBtn->onClick = [this] { CommentsBtnClick(); };

    ClearRichEdit();
}

void TPrintResultsDlg::ClearRichEdit()
{
    RichEdit1->setDocument(emptyReport());
    RichEdit1->setInsertionFormat(reportLineFormat(rtf::styles::plain, colors::black));
    CommentsDlg.Memo1->setText({});
    commentBlock_.reset();
    reportCharts_.clear();
}

void TPrintResultsDlg::AddToRichEdit(std::string_view text, rtf::FontStyle style, Color colour)
{
    RichEdit1->appendLine(text, reportLineFormat(style, colour));
}

void TPrintResultsDlg::InsertToRichEdit(std::string_view text, size_t index, Color colour, rtf::FontStyle style)
{
    const size_t linesBefore = RichEdit1->lineCount();
    RichEdit1->insertLine(index, text, RichEdit1->insertionFormat());
    // Lines inserted before the comment block move it down; the block must
    // still be found where it is when the next comments replace it.
    if (commentBlock_ && index <= commentBlock_->firstLine) {
        const size_t inserted = RichEdit1->lineCount() - linesBefore;
        commentBlock_->firstLine += inserted;
        commentBlock_->lastLine += inserted;
    }
    if (const auto found = RichEdit1->find(text)) {
        RichEdit1->select(*found, text.size());
        RichEdit1->setSelectionStyle(style);
        RichEdit1->setSelectionColor(colour);
    }
    RichEdit1->select(0, 0);
}

bool TPrintResultsDlg::FindInRichEdit(std::string_view text)
{
    const auto found = RichEdit1->find(text);
    if (!found) {
        return false;
    }
    RichEdit1->select(*found, text.size());
    return true;
}

void TPrintResultsDlg::PrintRichEdit(std::string_view title)
{
    dialogs_.print(RichEdit1->document(), toUpperAscii(title) + std::string(texts::printJobSuffix));
}

void TPrintResultsDlg::PrintRichEditToFile(const std::string& fileName)
{
    const std::filesystem::path path(fileName);
    const std::string extension = toLowerAscii(path.extension().string());
    if (extension == ".txt") {
        rtf::savePlainText(path, RichEdit1->document());
    } else if (extension == ".pdf") {
        pdfWriter_.writePdf(RichEdit1->document(), reportCharts_, path);
    } else {
        rtf::saveRtf(path, RichEdit1->document());
    }
}

void TPrintResultsDlg::CommentsBtnClick()
{
    if (CommentsDlg.showModal(application_) != ui::ModalResult::Ok) {
        return;
    }
    removeCommentBlock();
    const size_t firstLine = RichEdit1->lineCount();
    RichEdit1->appendLine({});
    RichEdit1->appendLine({});
    appendLineInStyle(texts::commentsHeading, rtf::styles::boldItalic);
    for (const std::string& line : CommentsDlg.Memo1->lines()) {
        appendLineInStyle(line, rtf::styles::italic);
    }
    commentBlock_ = CommentBlock{firstLine, RichEdit1->lineCount() - 1};
}

void TPrintResultsDlg::appendLineInStyle(std::string_view text, rtf::FontStyle style)
{
    rtf::CharFormat format = RichEdit1->insertionFormat();
    format.style = style;
    RichEdit1->appendLine(text, format);
}

void TPrintResultsDlg::removeCommentBlock()
{
    if (!commentBlock_) {
        return;
    }
    // From the last line back to the first, so the indexes stay valid.
    for (size_t line = commentBlock_->lastLine + 1; line-- > commentBlock_->firstLine;) {
        RichEdit1->deleteLine(line);
    }
    commentBlock_.reset();
}

} // namespace verdalis::reports
