#include "reports/information_tab_print.h"

#include "reports/report_texts.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "util/text_case.h"

#include <array>

namespace verdalis::reports {

namespace {

struct InformationTab {
    std::string_view caption;
    InformationDocument InformationTabs::*document;
    std::string_view printedText;
};

constexpr std::array<InformationTab, 5> informationTabs = {{
    {"About Zorv and Tamb", &InformationTabs::about, texts::sentToPrinter},
    {"Credits", &InformationTabs::credits, texts::sentToPrinter},
    {"Impaired Subwatersheds", &InformationTabs::impairedSubwatersheds, texts::sentToPrinter},
    {"View Tables", &InformationTabs::viewTables, texts::documentPrinted},
    {"Version History", &InformationTabs::versionHistory, texts::sentToPrinter},
}};

} // namespace

void printInformationDocument(const InformationDocument& tab, std::string_view printedText, ui::Dialogs& dialogs,
                              ui::Application& application)
{
    const ui::HourglassCursor hourglass(application);
    if (tab.document.lineCount() == 0) {
        return;
    }
    dialogs.print(tab.document.document(), {});
    tab.printedLabel.setCaption(std::string(printedText));
    tab.printedLabel.show();
}

void PrintAboutBtnClick(std::string_view activeTabCaption, const InformationTabs& tabs, ui::Dialogs& dialogs,
                        ui::Application& application)
{
    for (const InformationTab& tab : informationTabs) {
        if (equalsIgnoringCase(tab.caption, activeTabCaption)) {
            printInformationDocument(tabs.*tab.document, tab.printedText, dialogs, application);
            return;
        }
    }
}

void hidePrintLabels(const InformationTabs& tabs)
{
    for (const InformationTab& tab : informationTabs) {
        (tabs.*tab.document).printedLabel.hide();
    }
}

} // namespace verdalis::reports
