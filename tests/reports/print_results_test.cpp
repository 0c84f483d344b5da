#include "report_fixture.h"

#include "../util/temp_folder.h"
#include "reports/rtf/document_file.h"
#include "reports/rtf/rtf_reader.h"

#include <gtest/gtest.h>

namespace verdalis::reports {
namespace {

using Lines = std::vector<std::string>;

const rtf::Run& firstRun(const ui::RichText& text, size_t line)
{
    return text.document().paragraphs().at(line).runs.at(0);
}

class PrintResults : public ::testing::Test, public ReportFixture {
protected:
    void SetUp() override
    {
        report.AddToRichEdit("Verdalis Version: 2.50", rtf::styles::plain, colors::black);
        report.AddToRichEdit("", rtf::styles::plain, colors::black);
        report.AddToRichEdit("Zorv Nitrogen Loss", rtf::styles::boldUnderline, colors::navy);
        report.AddToRichEdit("Warning: slope over 20 %", rtf::styles::italic, colors::red);
        report.AddToRichEdit("Total N Lost:        12.5", rtf::styles::bold, colors::black);
    }
};

TEST_F(PrintResults, LinesKeepTheirStyleAndColourInTheFixedPitchFont)
{
    EXPECT_EQ(lines(), (Lines{"Verdalis Version: 2.50", "", "Zorv Nitrogen Loss", "Warning: slope over 20 %",
                              "Total N Lost:        12.5"}));
    const ui::RichText& text = *report.RichEdit1;
    EXPECT_TRUE(text.document().paragraphs()[1].empty());
    EXPECT_EQ(firstRun(text, 2).format, reportLineFormat(rtf::styles::boldUnderline, colors::navy));
    EXPECT_EQ(firstRun(text, 3).format, reportLineFormat(rtf::styles::italic, colors::red));
    EXPECT_EQ(firstRun(text, 4).format.fontName, "Courier New");
    EXPECT_EQ(text.document().defaultFontName, "Courier New");
    EXPECT_FALSE(text.wordWrap());
    EXPECT_TRUE(text.readOnly());
}

TEST_F(PrintResults, ClearingEmptiesReportAndCommentsAndStartsPlainBlack)
{
    addComments("Field visited in May");
    report.RichEdit1->setInsertionFormat(reportLineFormat(rtf::styles::italic, colors::red));

    report.ClearRichEdit();

    EXPECT_EQ(report.RichEdit1->lineCount(), 0u);
    EXPECT_EQ(report.CommentsDlg.Memo1->text(), "");
    EXPECT_FALSE(report.hasCommentBlock());
    EXPECT_EQ(report.RichEdit1->insertionFormat(), reportLineFormat(rtf::styles::plain, colors::black));
    EXPECT_EQ(report.RichEdit1->document().defaultFontName, "Courier New");
}

TEST_F(PrintResults, InsertedLineTakesStyleAtTheFirstOccurrenceAndCaretGoesToTheStart)
{
    report.FindInRichEdit("Total N");
    report.InsertToRichEdit("Record: Smith North 40", 2, colors::navy, rtf::styles::boldUnderline);

    EXPECT_EQ(lines()[2], "Record: Smith North 40");
    EXPECT_EQ(firstRun(*report.RichEdit1, 2).format.style, rtf::styles::boldUnderline);
    EXPECT_EQ(firstRun(*report.RichEdit1, 2).format.color, colors::navy);
    EXPECT_EQ(report.RichEdit1->selStart(), 0u);
    EXPECT_EQ(report.RichEdit1->selLength(), 0u);

    // The search runs from the start of the report: an earlier line with the
    // text is the one that is styled, not the inserted one.
    report.InsertToRichEdit("Version", 6, colors::red, rtf::styles::bold);
    EXPECT_EQ(report.RichEdit1->document().paragraphs()[0].runs.at(1).text, "Version");
    EXPECT_EQ(report.RichEdit1->document().paragraphs()[0].runs.at(1).format.color, colors::red);
    EXPECT_EQ(firstRun(*report.RichEdit1, 6).format.color, colors::black);
}

TEST_F(PrintResults, FindIgnoresCaseAndSelectsTheFirstOccurrence)
{
    EXPECT_TRUE(report.FindInRichEdit("total n lost"));
    EXPECT_EQ(report.RichEdit1->selectedText(), "Total N Lost");
    EXPECT_FALSE(report.FindInRichEdit("Tamb"));
    EXPECT_EQ(report.RichEdit1->selectedText(), "Total N Lost");
}

TEST_F(PrintResults, SecondCommentsReplaceTheFirstAfterTheLastCalculationLine)
{
    addComments("First visit\r\nsoil wet");
    addComments("Second visit\r\ndry\r\nbuffer planted");

    const Lines expected = {"Verdalis Version: 2.50", "", "Zorv Nitrogen Loss", "Warning: slope over 20 %",
                            "Total N Lost:        12.5", "", "", "Comments:", "Second visit", "dry",
                            "buffer planted"};
    EXPECT_EQ(lines(), expected);
    EXPECT_EQ(firstRun(*report.RichEdit1, 7).format.style, rtf::styles::boldItalic);
    for (size_t line = 8; line < expected.size(); ++line) {
        EXPECT_EQ(firstRun(*report.RichEdit1, line).format.style, rtf::styles::italic) << line;
    }
    // The comments stay in the dialog for the next use.
    EXPECT_EQ(report.CommentsDlg.Memo1->text(), "Second visit\r\ndry\r\nbuffer planted");
}

TEST_F(PrintResults, CommentBlockIsFoundAfterLinesInsertedAboveIt)
{
    addComments("First visit");
    report.InsertToRichEdit("Record: Smith North 40", 0, colors::navy, rtf::styles::boldUnderline);
    addComments("Second visit");

    EXPECT_EQ(lines(), (Lines{"Record: Smith North 40", "Verdalis Version: 2.50", "", "Zorv Nitrogen Loss",
                              "Warning: slope over 20 %", "Total N Lost:        12.5", "", "", "Comments:",
                              "Second visit"}));
}

TEST_F(PrintResults, CancelledCommentsChangeNothing)
{
    addComments("First visit");
    const rtf::Document before = report.RichEdit1->document();
    application.expectModal("CommentsDlg", [](ui::Form& form) {
        static_cast<TCommentsDlg&>(form).CancelBtn->userClick();
    });
    report.CommentsBtn->userClick();
    EXPECT_EQ(report.RichEdit1->document(), before);
    EXPECT_EQ(application.pendingModals(), 0u);
}

TEST_F(PrintResults, PrintJobIsNamedByTheTitleInUpperCase)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", " Aggregate Results"},
        {"Batch", "BATCH Aggregate Results"},
        {"Comparison run", "COMPARISON RUN Aggregate Results"},
    };
    for (const auto& [title, jobName] : cases) {
        report.PrintRichEdit(title);
        ASSERT_FALSE(dialogs.printJobs().empty());
        EXPECT_EQ(dialogs.printJobs().back().jobName, jobName);
        EXPECT_EQ(dialogs.printJobs().back().document, report.RichEdit1->document());
    }
}

TEST_F(PrintResults, TxtInAnyCaseIsPlainTextOtherNamesAreRichText)
{
    testing::TempFolder folder;
    const std::string plain = "Verdalis Version: 2.50\r\n\r\nZorv Nitrogen Loss\r\nWarning: slope over 20 %\r\n"
                              "Total N Lost:        12.5\r\n";
    for (const char* name : {"report.txt", "report.TXT", "report.Txt"}) {
        report.PrintRichEditToFile((folder / name).string());
        EXPECT_EQ(testing::readFile(folder / name), plain) << name;
    }
    for (const char* name : {"report.rtf", "report.doc", "report"}) {
        report.PrintRichEditToFile((folder / name).string());
        const rtf::Document saved = rtf::readRtf(testing::readFile(folder / name));
        ASSERT_EQ(saved.paragraphCount(), 5u) << name;
        EXPECT_EQ(saved.text(), report.RichEdit1->document().text()) << name;
        const rtf::CharFormat& heading = saved.paragraphs()[2].runs.at(0).format;
        EXPECT_EQ(heading.style, rtf::styles::boldUnderline) << name;
        EXPECT_EQ(heading.color, colors::navy) << name;
        EXPECT_EQ(saved.defaultFontName, "Courier New") << name;
        EXPECT_EQ(heading.fontHalfPoints, reportFontHalfPoints) << name;
        EXPECT_EQ(saved.paragraphs()[3].runs.at(0).format.color, colors::red) << name;
    }
    EXPECT_TRUE(pdfWriter.written().empty());
}

TEST_F(PrintResults, PdfNamesGoToThePdfWriter)
{
    report.PrintRichEditToFile("/reports/North 40.PDF");
    ASSERT_EQ(pdfWriter.written().size(), 1u);
    EXPECT_EQ(pdfWriter.written()[0].path, "/reports/North 40.PDF");
    EXPECT_EQ(pdfWriter.written()[0].document, report.RichEdit1->document());
}

TEST_F(PrintResults, FailedSaveRaisesAndKeepsTheReport)
{
    testing::TempFolder folder;
    const rtf::Document before = report.RichEdit1->document();
    EXPECT_THROW(report.PrintRichEditToFile((folder / "missing" / "report.rtf").string()), rtf::DocumentFileError);
    EXPECT_EQ(report.RichEdit1->document(), before);
}

} // namespace
} // namespace verdalis::reports
