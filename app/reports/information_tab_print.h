// The Print buttons of the main window's information tabs (About, Credits,
// Impaired Subwatersheds, View Tables, Version History): each prints its
// tab's document and then shows a label that says so.
#pragma once

#include <string_view>

namespace verdalis::ui {
class Application;
class Dialogs;
class Label;
class RichText;
} // namespace verdalis::ui

namespace verdalis::reports {

struct InformationDocument {
    ui::RichText& document;
    ui::Label& printedLabel;
};

// The documents and labels of the five tabs: RichEdit1 to RichEdit5 and
// PrintLBL to PrintLBL5.
struct InformationTabs {
    InformationDocument about;
    InformationDocument credits;
    InformationDocument impairedSubwatersheds;
    InformationDocument viewTables;
    InformationDocument versionHistory;
};

// Prints the document with an empty job title when it has a line, and then
// shows the label with the text; a document without lines prints nothing and
// shows nothing. The cursor is the hourglass meanwhile, and is restored also
// when printing fails (the error propagates to the caller's error report).
void printInformationDocument(const InformationDocument& tab, std::string_view printedText,
                              ui::Dialogs& dialogs, ui::Application& application);

// The Print button of whichever information tab is active: the tab's caption
// (compared without regard to case) chooses the document. A caption of no
// information tab prints nothing.
void PrintAboutBtnClick(std::string_view activeTabCaption, const InformationTabs& tabs, ui::Dialogs& dialogs,
                        ui::Application& application);

// Hides the five labels, as a change of tab does.
void hidePrintLabels(const InformationTabs& tabs);

} // namespace verdalis::reports
