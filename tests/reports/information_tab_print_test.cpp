#include "reports/information_tab_print.h"

#include "ui/controls.h"
#include "ui/scripted_application.h"
#include "ui/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <array>

namespace verdalis::reports {
namespace {

class InformationTabPrint : public ::testing::Test {
protected:
    InformationTabPrint()
    {
        for (size_t i = 0; i < documents.size(); ++i) {
            documents[i].appendLine("Document " + std::to_string(i + 1));
            labels[i].hide();
        }
    }
    // The document printed last, by its first line.
    std::string printedDocument() const
    {
        return dialogs.printJobs().empty() ? "" : dialogs.printJobs().back().document.paragraphs()[0].text();
    }
    std::vector<std::string> visibleLabels() const
    {
        std::vector<std::string> shown;
        for (const ui::Label& label : labels) {
            if (label.visible()) {
                shown.push_back(label.name() + ": " + label.caption());
            }
        }
        return shown;
    }

    ui::ScriptedDialogs dialogs;
    ui::ScriptedApplication application;
    std::array<ui::RichText, 5> documents{ui::RichText("RichEdit1"), ui::RichText("RichEdit2"),
                                          ui::RichText("RichEdit3"), ui::RichText("RichEdit4"),
                                          ui::RichText("RichEdit5")};
    std::array<ui::Label, 5> labels{ui::Label("PrintLBL"), ui::Label("PrintLBL2"), ui::Label("PrintLBL3"),
                                    ui::Label("PrintLBL4"), ui::Label("PrintLBL5")};
    InformationTabs tabs{{documents[0], labels[0]}, {documents[1], labels[1]}, {documents[2], labels[2]},
                         {documents[3], labels[3]}, {documents[4], labels[4]}};
};

TEST_F(InformationTabPrint, ActiveTabChoosesDocumentAndLabel)
{
    struct Case {
        const char* activeTab;
        const char* printed;
        const char* label;
    };
    const Case cases[] = {
        {"About Zorv and Tamb", "Document 1", "PrintLBL: Document has been sent to the printer"},
        {"CREDITS", "Document 2", "PrintLBL2: Document has been sent to the printer"},
        {"Impaired Subwatersheds", "Document 3", "PrintLBL3: Document has been sent to the printer"},
        {"view tables", "Document 4", "PrintLBL4: Document printed"},
        {"Version History", "Document 5", "PrintLBL5: Document has been sent to the printer"},
    };
    for (const Case& c : cases) {
        hidePrintLabels(tabs);
        dialogs.clearRecords();
        PrintAboutBtnClick(c.activeTab, tabs, dialogs, application);
        ASSERT_EQ(dialogs.printJobs().size(), 1u) << c.activeTab;
        EXPECT_EQ(dialogs.printJobs()[0].jobName, "") << c.activeTab;
        EXPECT_EQ(printedDocument(), c.printed);
        EXPECT_EQ(visibleLabels(), std::vector<std::string>{c.label});
        EXPECT_EQ(application.cursor(), ui::Cursor::Default);
    }
    EXPECT_EQ(application.cursorHistory().front(), ui::Cursor::Hourglass);
}

TEST_F(InformationTabPrint, DocumentThatFailedToLoadPrintsNothingAndShowsNoLabel)
{
    documents[1].clear();
    PrintAboutBtnClick("Credits", tabs, dialogs, application);
    PrintAboutBtnClick("Main", tabs, dialogs, application);
    EXPECT_TRUE(dialogs.printJobs().empty());
    EXPECT_TRUE(visibleLabels().empty());
    EXPECT_EQ(application.cursor(), ui::Cursor::Default);
}

TEST_F(InformationTabPrint, FailedPrintRestoresTheCursorAndShowsNoLabel)
{
    dialogs.setPrintFailure("The printer is not ready");
    EXPECT_THROW(PrintAboutBtnClick("Version History", tabs, dialogs, application), std::runtime_error);
    EXPECT_TRUE(visibleLabels().empty());
    EXPECT_EQ(application.cursorHistory(), (std::vector<ui::Cursor>{ui::Cursor::Hourglass, ui::Cursor::Default}));
}

} // namespace
} // namespace verdalis::reports
