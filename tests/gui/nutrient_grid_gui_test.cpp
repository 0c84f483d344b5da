// The nutrient source grid on real Qt widgets, offscreen: the application
// method is picked from a drop-down, and the number columns take no letters.
#include "gui/desktop_program.h"
#include "phosphorus_tables.h"
#include "qt_environment.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

constexpr int methodColumn = 6;
constexpr int amountColumn = 1;

class NutrientGridGui : public ::testing::Test {
protected:
    NutrientGridGui() : folder("gui-nutrient-grid")
    {
        qtApplication();
        addPhosphorusTables(folder);
        processes.setRunning({folder.executable()});
        program = std::make_unique<gui::DesktopProgram>(dialogs, processes, clock, folder.executable());
    }

    // Runs `act` on the grid's view once the dialog shows, then presses OK.
    void whileTheDialogShows(std::function<void(QTableView&)> act)
    {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) {
                return;
            }
            poll->deleteLater();
            poll->stop();
            act(*dialog->findChild<QTableView*>("DBGrid1"));
            dialog->findChild<QPushButton*>("OKBtn")->click();
        });
        poll->start(10);
    }

    ProgramFolder folder;
    ui::ScriptedDialogs dialogs;
    ui::ScriptedProcesses processes;
    ui::ScriptedClock clock;
    std::unique_ptr<gui::DesktopProgram> program;
};

TEST_F(NutrientGridGui, TheMethodComesFromADropDownAndTheAmountTakesOnlyNumbers)
{
    ASSERT_TRUE(program->start());
    ASSERT_TRUE(processEventsUntil([this] { return program->mainForm().startupComplete(); }));
    phosphorus::TEnterInfoDlg& enterInfo = *program->dialogForms().EnterInfoDlg;
    ASSERT_TRUE(enterInfo.ViewTable(phosphorus::fertInfoTableName));

    QStringList methods;
    QString typedAmount;
    whileTheDialogShows([&](QTableView& grid) {
        // The grid always shows its editor: reaching a cell opens it.
        grid.setCurrentIndex(grid.model()->index(0, methodColumn));
        auto* dropDown = grid.findChild<QComboBox*>();
        ASSERT_NE(dropDown, nullptr);
        for (int item = 0; item < dropDown->count(); ++item) {
            methods << dropDown->itemText(item);
        }
        dropDown->hidePopup();
        dropDown->setCurrentIndex(2);
        grid.setCurrentIndex(grid.model()->index(0, amountColumn));
        auto* editor = grid.findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        for (const char* key : {"1", "x", "2", ".", "5"}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromLatin1(key));
            QCoreApplication::sendEvent(editor, &press);
        }
        typedAmount = editor->text();
        grid.setCurrentIndex(grid.model()->index(1, amountColumn));
    });
    enterInfo.showModal(program->application());

    EXPECT_EQ(methods.join("|").toStdString(),
              "|Injected below the surface|Incorporated within 24 hours|Surface applied, not incorporated");
    EXPECT_EQ(typedAmount.toStdString(), "12.5");
    const ui::GridSource& rows = *enterInfo.DBGrid1->source();
    EXPECT_EQ(rows.cellText(0, methodColumn), "Incorporated within 24 hours");
    EXPECT_EQ(rows.cellText(0, amountColumn), "12.5");
    enterInfo.CloseTable();
}

} // namespace
} // namespace verdalis::testing
