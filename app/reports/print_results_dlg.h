// The print preview dialog and the results report it holds.
//
// The report is a document of lines, each with its own font style and colour,
// shown and printed in a fixed-pitch font without word wrap so that padded
// labels line up. The calculations fill it through AddToRichEdit; the user
// previews it here, prints it, saves it, and adds comments at its end. A
// comment block is always the report's last part, and a new set of comments
// replaces the previous block.
#pragma once

#include "reports/comments_dlg.h"
#include "reports/rtf/document.h"
#include "ui/controls.h"

#include <optional>
#include <string>
#include <string_view>

namespace verdalis::ui {
class Application;
class Dialogs;
} // namespace verdalis::ui

namespace verdalis::reports {

class PdfWriter;

inline constexpr std::string_view reportFontName = "Courier New";
inline constexpr int reportFontHalfPoints = 20; // 10 pt: a padded 80-column line fits a page

class TPrintResultsDlg : public ui::Form {
public:
    // The services are not owned and must outlive the dialog.
    TPrintResultsDlg(ui::Dialogs& dialogs, ui::Application& application, PdfWriter& pdfWriter);

    // Empties the report and the comments, forgets the comment block; the
    // following lines are plain and black.
    void ClearRichEdit();
    // Appends one line (an empty text appends an empty line).
    void AddToRichEdit(std::string_view text, rtf::FontStyle style, Color colour);
    // Inserts a line before the line at index (0 is the first), then gives
    // the first occurrence of the text in the report the style and colour,
    // and puts the caret at the start of the report.
    void InsertToRichEdit(std::string_view text, size_t index, Color colour, rtf::FontStyle style);
    // Searches the whole report for the text, ignoring case; selects the
    // first occurrence and answers true when there is one.
    bool FindInRichEdit(std::string_view text);

    // Prints the whole report as the job "<TITLE> Aggregate Results".
    // Printing errors propagate to the caller's error report.
    void PrintRichEdit(std::string_view title);
    // Writes the whole report: plain text for a ".txt" file (in any letter
    // case), PDF for ".pdf", rich text otherwise. Raises an error naming the
    // file when it cannot be written.
    void PrintRichEditToFile(const std::string& fileName);

    // Asks for comments and puts them at the end of the report in place of
    // any earlier comment block.
    void CommentsBtnClick();
    bool hasCommentBlock() const { return commentBlock_.has_value(); }

    // The charts the calculations draw of their results, in calculation
    // order; the PDF form of the report carries them after the last line.
    // Cleared with the report.
    void addReportChart(ui::BarChartData chart) { reportCharts_.push_back(std::move(chart)); }
    const std::vector<ui::BarChartData>& reportCharts() const { return reportCharts_; }

    TCommentsDlg CommentsDlg;

    ui::RichText* RichEdit1;
    ui::Button* PrintBtn;
    ui::Button* PrintToFileBtn;
    ui::Button* CancelBtn;
    ui::Button* CommentsBtn;

private:
    struct CommentBlock {
        size_t firstLine;
        size_t lastLine;
    };

    void appendLineInStyle(std::string_view text, rtf::FontStyle style);
    void removeCommentBlock();

    ui::Dialogs& dialogs_;
    ui::Application& application_;
    PdfWriter& pdfWriter_;
    std::optional<CommentBlock> commentBlock_;
    std::vector<ui::BarChartData> reportCharts_;
};

// The character format of report lines.
rtf::CharFormat reportLineFormat(rtf::FontStyle style, Color colour);

} // namespace verdalis::reports
