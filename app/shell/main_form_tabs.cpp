// Tab changes of the main window: the information tabs load their
// documents afresh each time they are shown; the drainage help finds its
// section in the manual.
#include "shell/main_form.h"

#include "shell/shell_texts.h"
#include "util/case_insensitive_path.h"
#include "util/text_case.h"

#include <filesystem>

namespace verdalis::shell {

namespace {

namespace fs = std::filesystem;

inline constexpr std::string_view aboutTab = "About Zorv and Tamb";
inline constexpr std::string_view creditsTab = "Credits";
inline constexpr std::string_view subwatershedsTab = "Impaired Subwatersheds";
inline constexpr std::string_view viewTablesTab = "View Tables";
inline constexpr std::string_view versionHistoryTab = "Version History";
inline constexpr std::string_view recordViewTab = "Record View";

inline constexpr std::string_view telmManual = "Verdalis_Manual_telm.rtf";
inline constexpr std::string_view ondManual = "Verdalis_Manual_ond.rtf";
// Installations whose folder names this office get its own manual.
inline constexpr std::string_view telmOfficeMark = "KAVO";

const char* const printLabels[] = {"PrintLBL", "PrintLBL2", "PrintLBL3", "PrintLBL4", "PrintLBL5"};

} // namespace

void TForm1::PageControl1Change()
{
    auto& pages = control<ui::PageControl>("PageControl1");
    for (ui::TabSheet* page : pages.pages()) {
        page->setHighlighted(page == pages.activePage());
    }
    for (const char* viewer : {"ManualRE", "CreditsRE", "SubwatershedsRE"}) {
        control<ui::RichText>(viewer).clear();
    }
    if (pages.activePage() == nullptr) {
        return;
    }
    const std::string& tab = pages.activePage()->caption();
    if (equalsIgnoringCase(tab, aboutTab)) {
        control<ui::Label>("PrintLBL").hide();
        ui::HourglassCursor busy(services_.application);
        loadManual();
    } else if (equalsIgnoringCase(tab, creditsTab)) {
        control<ui::Label>("PrintLBL2").hide();
        ui::HourglassCursor busy(services_.application);
        loadDocument(control<ui::RichText>("CreditsRE"), "CREDITS_Verdalis.rtf");
    } else if (equalsIgnoringCase(tab, subwatershedsTab)) {
        control<ui::Label>("PrintLBL3").hide();
        ui::HourglassCursor busy(services_.application);
        loadDocument(control<ui::RichText>("SubwatershedsRE"), "SubWatersheds.rtf");
    } else if (equalsIgnoringCase(tab, viewTablesTab)) {
        control<ui::Label>("PrintLBL4").hide();
    } else if (equalsIgnoringCase(tab, versionHistoryTab)) {
        control<ui::Label>("PrintLBL5").hide();
        ui::HourglassCursor busy(services_.application);
        loadDocument(control<ui::RichText>("VersionChangesRE"), "Verdalis_ListOfChanges.rtf");
    } else {
        if (equalsIgnoringCase(tab, recordViewTab)) {
            control<ui::Button>("RestoreBackupBtn")
                .setEnabled(fs::exists(resolveCaseInsensitive(values.UserTablesDir, "UserInputs.dbf.bak")));
        }
        emptyDocumentViewers();
        hidePrintLabels();
    }
}

void TForm1::loadDocument(ui::RichText& viewer, std::string_view fileName)
{
    // A missing document raises the file error the dispatcher reports.
    viewer.load(resolveCaseInsensitive(values.ProgramDir, fileName));
}

void TForm1::loadManual()
{
    auto existing = [this](std::string_view name) -> std::optional<fs::path> {
        fs::path path = resolveCaseInsensitive(values.ProgramDir, name);
        return fs::exists(path) ? std::optional(path) : std::nullopt;
    };
    std::optional<fs::path> manual;
    if (toUpperAscii(values.ProgramDir).find(telmOfficeMark) != std::string::npos) {
        manual = existing(telmManual);
    } else {
        manual = existing(ondManual);
        if (!manual) {
            manual = existing(telmManual);
        }
    }
    if (manual) {
        control<ui::RichText>("ManualRE").load(*manual);
    } else {
        services_.dialogs.error(texts::noManual);
    }
}

void TForm1::emptyDocumentViewers()
{
    for (const char* viewer : {"ManualRE", "CreditsRE", "SubwatershedsRE", "VersionChangesRE"}) {
        control<ui::RichText>(viewer).clear();
    }
}

void TForm1::hidePrintLabels()
{
    for (const char* name : printLabels) {
        control<ui::Label>(name).hide();
    }
}

void TForm1::Label1Click()
{
    auto& pages = control<ui::PageControl>("PageControl1");
    pages.setActivePage(&control<ui::TabSheet>("TS_AboutZorvTamb"));
    PageControl1Change();

    auto& manual = control<ui::RichText>("ManualRE");
    const auto heading = manual.find(texts::drainageSectionHeading);
    if (!heading) {
        return;
    }
    const auto subheading = manual.find(texts::drainageSubheading, *heading);
    manual.setFocus();
    const size_t end = subheading ? *subheading : *heading + texts::drainageSectionHeading.size();
    manual.select(*heading, end - *heading);
    manual.setSelectionColor(colors::maroon);
}

} // namespace verdalis::shell
