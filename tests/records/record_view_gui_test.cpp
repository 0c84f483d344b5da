// The Record View tab on the real Qt widgets, offscreen: the grid edits
// the user table, picks several rows, and moving to a row loads it.
#include "gui/desktop_program.h"
#include "program_folder.h"
#include "qt_environment.h"
#include "shell/user_input_table.h"
#include "tables/table.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

class RecordViewGui : public ::testing::Test {
protected:
    RecordViewGui() : folder("gui-record-view")
    {
        qtApplication();
        folder.addCompleteProgram();
        const std::string tables = folder.path("UserTables");
        shell::CreateNewUserInputTable(tables, "UserInputs.dbf");
        Table table;
        table.open(tables, "UserInputs.dbf");
        for (const auto& [name, county] : {std::pair{"Field A", "Birch"}, std::pair{"Field B", "Alder"}}) {
            table.append();
            table.field("RecordName").setText(name);
            table.field("ModeType").setText("Zorv");
            table.field("County").setText(county);
            table.post();
        }
    }

    void start()
    {
        processes.setRunning({folder.executable()});
        program = std::make_unique<gui::DesktopProgram>(dialogs, processes, clock, folder.executable());
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(processEventsUntil([this] { return program->mainForm().startupComplete(); }));
    }

    template <class W>
    W& widget(const char* name)
    {
        W* found = program->mainView().window().findChild<W*>(name);
        if (found == nullptr) {
            throw std::runtime_error(std::string("no widget ") + name);
        }
        return *found;
    }

    ProgramFolder folder;
    ui::ScriptedDialogs dialogs;
    ui::ScriptedProcesses processes;
    ui::ScriptedClock clock;
    std::unique_ptr<gui::DesktopProgram> program;
};

TEST_F(RecordViewGui, TheGridEditsPicksRowsAndLoadsTheRowMovedTo)
{
    start();
    auto& grid = widget<QTableView>("DBGrid1");
    QAbstractItemModel& rows = *grid.model();
    ASSERT_EQ(rows.rowCount(), 2);

    grid.setCurrentIndex(rows.index(1, 0));
    EXPECT_EQ(widget<QComboBox>("CountyBox").currentText().toStdString(), "Alder");

    const int countyColumn = 6;
    ASSERT_TRUE(rows.setData(rows.index(1, countyColumn), "Birch", Qt::EditRole));
    grid.setCurrentIndex(rows.index(0, 0));
    Table table;
    table.open(folder.path("UserTables"), "UserInputs.dbf");
    table.last();
    EXPECT_EQ(table.field("County").asText(), "Birch") << "moving away posts the edit";

    grid.selectionModel()->select(rows.index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auto& model = program->mainForm().control<ui::Grid>("DBGrid1");
    EXPECT_THAT(model.selectedRows(), ::testing::ElementsAre(0, 1));
}

TEST_F(RecordViewGui, TheNavigatorDeletesAfterAsking)
{
    start();
    widget<QPushButton>("ZorvBtn").click();
    dialogs.answer(ui::Answer::Yes);
    widget<QPushButton>("NavDeleteBtn").click();
    EXPECT_EQ(widget<QTableView>("DBGrid1").model()->rowCount(), 1);
    ASSERT_FALSE(dialogs.messageTexts().empty());
    EXPECT_EQ(dialogs.messageTexts().front(), "Delete record?");
}

} // namespace
} // namespace verdalis::testing
