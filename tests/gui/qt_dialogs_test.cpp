// The Qt dialogs: file filters, and printing when no printer is installed.
#include "gui/qt_dialogs.h"
#include "qt_environment.h"

#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace verdalis::testing {
namespace {

TEST(QtDialogs, FileFiltersBecomeQtNameFilters)
{
    struct Case {
        const char* filter;
        const char* expected;
    };
    const Case cases[] = {
        {"DBase (*.dbf)|*.dbf|Paradox (*.db)|*.db", "DBase (*.dbf);;Paradox (*.db)"},
        {"Text Files|*.txt;*.TXT", "Text Files (*.txt *.TXT)"},
        {"", ""},
        {"Dangling description", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gui::qtNameFilter(c.filter).toStdString(), c.expected) << c.filter;
    }
}

TEST(QtDialogs, PrintingWithoutAPrinterSavesAPdfAndSaysWhere)
{
    qtApplication();
    gui::QtDialogs dialogs;
    rtf::Document document;
    document.appendText("Verdalis Version: 2.50", {});
    QString shown;
    // The information box is modal: read it and close it once it is up.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(20);
    dialogs.print(document, "Verdalis Report");
    ASSERT_TRUE(shown.startsWith("No printer is installed. The document was saved as\n"));
    const std::filesystem::path pdf = shown.section('\n', 1).toStdString();
    EXPECT_EQ(pdf.filename(), "Verdalis Report.pdf");
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
    std::filesystem::remove(pdf);
}

} // namespace
} // namespace verdalis::testing
