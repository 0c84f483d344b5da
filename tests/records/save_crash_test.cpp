// A save killed at any moment leaves the user table with the record as it
// was before or after some completed save, never a damaged table.
#include "records_fixture.h"

#include "tables/table_cache.h"
#include "util/number_text.h"

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace verdalis::testing {
namespace {

class SaveCrash : public RecordsTest {
protected:
    SaveCrash() : RecordsTest("save-crash") {}

    // Overwrites the record "Field A" again and again, each time with the
    // acres one higher.
    [[noreturn]] void saveForever()
    {
        start();
        for (int acres = 1;; ++acres) {
            shell.control<ui::RadioButton>("InZorvrb").setChecked(true);
            shell.control<ui::ComboBox>("CountyBox").userSelectText("Birch");
            shell.control<ui::ComboBox>("SoilMapUnitBox").userSelectText("MfB: Marlow loam");
            shell.control<ui::ComboBox>("CropBox").userSelectText("Corn");
            shell.control<ui::Edit>("AcresBox").userSetText(std::to_string(acres));
            shell.dialogs.answerText("Field A").answer(ui::Answer::Yes);
            shell.control<ui::Button>("SaveBtn").userClick();
        }
    }
};

TEST_F(SaveCrash, KilledSavesLeaveTheOldOrTheNewRecord)
{
    appendRecords(userTable(), {{{"RecordName", "Field A"}, {"ModeType", "Zorv"}, {"FieldACRES", "0"}}});
    int32_t mostAcres = 0;
    for (const int milliseconds : {150, 230, 310}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            saveForever();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        TableCache::instance().clear();
        std::vector<Columns> records;
        ASSERT_NO_THROW(records = readRecords(userTable()));
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].at("RecordName"), "Field A");
        int32_t acres = -1;
        EXPECT_TRUE(tryTextToInteger(records[0].at("FieldACRES"), acres)) << records[0].at("FieldACRES");
        mostAcres = std::max(mostAcres, acres);
    }
    EXPECT_GT(mostAcres, 0) << "the writers were killed while they saved";
}

} // namespace
} // namespace verdalis::testing
