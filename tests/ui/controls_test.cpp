#include "ui/controls.h"

#include "reports/rtf/document_file.h"
#include "ui/event_dispatcher.h"
#include "ui/script_error.h"
#include "ui/scripted_application.h"
#include "ui/scripted_dialogs.h"
#include "util/number_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace verdalis::ui {
namespace {

using Strings = std::vector<std::string>;

// A main window in miniature: a page control with a tab holding two groups
// of controls, and a form-wide dispatcher that reports handler errors.
class ControlsTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    EventDispatcher dispatcher{dialogs};
    Form form{"TForm1"};
    PageControl& pages = form.add<PageControl>("PageControl1");
    TabSheet& mainTab = pages.add<TabSheet>("TS_Main", "Main");
    TabSheet& recordTab = pages.add<TabSheet>("TS_RecordView", "Record View");
    GroupBox& drainage = mainTab.add<GroupBox>("DrainageGB", "Drainage");
    GroupBox& hydro = mainTab.add<GroupBox>("HydroGB", "Hydrologic Condition");
    std::map<std::string, int> fired;
    ScriptedApplication application;

    void SetUp() override { form.setEventDispatcher(&dispatcher); }

    Handler count(const std::string& name)
    {
        return [this, name] { ++fired[name]; };
    }
};

TEST_F(ControlsTest, ControlsAreFoundByNameIgnoringCase)
{
    Edit& spacing = drainage.add<Edit>("DrainageSpacingED");
    EXPECT_EQ(form.find("drainagespacinged"), &spacing);
    EXPECT_EQ(&form.get<Edit>("DRAINAGESPACINGED"), &spacing);
    EXPECT_EQ(spacing.form(), &form);
    EXPECT_EQ(form.find("NoSuchControl"), nullptr);
    EXPECT_THROW(form.get<ComboBox>("DrainageSpacingED"), std::logic_error) << "wrong kind";
    EXPECT_THROW(hydro.add<Label>("drainagespacingED"), std::logic_error) << "names are unique in a form";
}

TEST_F(ControlsTest, ChangesNotifyListenersUpTheTree)
{
    Label& label = hydro.add<Label>("TotNLostLbl", "Total N Lost = ");
    std::vector<std::pair<std::string, Property>> seen;
    const ListenerId id = form.addListener([&](Control& c, Property p) { seen.emplace_back(c.name(), p); });

    label.setCaption("Total N Lost = ");  // unchanged: no news
    label.hide();
    label.setLeft(8);
    label.setHint("Total BMP Acres = 2");
    label.setShowHint(true);
    label.setFontColor(colors::red);
    hydro.sendToBack();
    form.removeListener(id);
    label.show();

    const std::vector<std::pair<std::string, Property>> expected = {
        {"TotNLostLbl", Property::Visible}, {"TotNLostLbl", Property::Geometry}, {"TotNLostLbl", Property::Hint},
        {"TotNLostLbl", Property::Hint},    {"TotNLostLbl", Property::Font},     {"HydroGB", Property::ZOrder},
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(label.geometry(), (Geometry{8, 0, 0, 0}));
    EXPECT_EQ(mainTab.children().front().get(), &hydro);
    hydro.bringToFront();
    EXPECT_EQ(mainTab.children().back().get(), &hydro);
}

// Each row: a program assignment that must fire nothing, then the user
// action on the same control that must fire its handler once.
TEST_F(ControlsTest, UserActionsFireHandlersAndProgramAssignmentsDoNot)
{
    Edit& edit = drainage.add<Edit>("DrainageDepthED");
    edit.onChange = count("edit");
    ComboBox& combo = hydro.add<ComboBox>("RecSlopeDistCB");
    combo.addItems({"100", "200"});
    combo.onChange = count("combo");
    CheckBox& check = hydro.add<CheckBox>("CalcRunoffVolChkBox");
    check.onClick = count("check");
    ListBox& list = hydro.add<ListBox>("BMPListLB");
    list.addItem("Buffer");
    list.onClick = count("list");
    pages.onChange = count("pages");
    PopupMenu& menu = form.add<PopupMenu>("DrainageNRunoffPopup");
    MenuItem& item = menu.add<MenuItem>("EnterMyOwn", "Enter My Own Drainage And Runoff Values");
    item.onClick = count("menu");
    Button& button = hydro.add<Button>("CalculateBtn", "CALCULATE");
    button.onClick = count("button");

    struct Row {
        const char* name;
        std::function<void()> program;
        std::function<bool()> user;
    };
    const Row rows[] = {
        {"edit", [&] { edit.setText("12"); }, [&] { return edit.userType("3"); }},
        {"combo", [&] { combo.setItemIndex(1); }, [&] { return combo.userSelect(1); }},
        {"check", [&] { check.setChecked(true); }, [&] { return check.userClick(); }},
        {"list", [&] { list.setItemIndex(0); }, [&] { return list.userClick(0); }},
        {"pages", [&] { pages.setActivePage(&mainTab); }, [&] { return pages.userSelectPage(recordTab); }},
        {"menu", [&] { item.setChecked(true); }, [&] { return item.userClick(); }},
        {"button", [&] { button.setCaption("CALCULATE"); }, [&] { return button.userClick(); }},
    };
    for (const Row& row : rows) {
        row.program();
        EXPECT_EQ(fired[row.name], 0) << row.name << " fired on a program assignment";
        EXPECT_TRUE(row.user()) << row.name;
        EXPECT_EQ(fired[row.name], 1) << row.name << " did not fire on the user's action";
    }
    EXPECT_EQ(edit.text(), "123");
    EXPECT_FALSE(check.checked()) << "the user's click toggled the box back";
    EXPECT_EQ(pages.activePage(), &recordTab);
}

TEST_F(ControlsTest, ResizingTheFormRunsItsHandler)
{
    RichText& log = mainTab.add<RichText>("CalcRichEdit");
    log.setLeft(200);
    form.onResize = [&] { log.setWidth(form.width() - log.left() - 15); };
    form.userResize(1024, 768);
    EXPECT_EQ(form.geometry(), (Geometry{0, 0, 1024, 768}));
    EXPECT_EQ(log.width(), 809);
}

TEST_F(ControlsTest, UnreachableControlsIgnoreTheUser)
{
    Button& button = hydro.add<Button>("BMPbtn", "Enter BMPs...");
    button.onClick = count("button");
    hydro.hide();
    EXPECT_FALSE(button.userClick()) << "inside a hidden group";
    hydro.show();
    mainTab.setEnabled(false);
    EXPECT_FALSE(button.userClick()) << "inside a disabled tab";
    EXPECT_FALSE(pages.userSelectPage(mainTab)) << "a disabled tab cannot be chosen";
    mainTab.setEnabled(true);
    EXPECT_TRUE(button.userClick());
    EXPECT_EQ(fired["button"], 1);
}

TEST_F(ControlsTest, CheckingARadioButtonFromCodeFiresItsClickAndUnchecksItsSiblings)
{
    RadioButton& yes = drainage.add<RadioButton>("RD_Yes", "Yes");
    RadioButton& no = drainage.add<RadioButton>("RD_No", "No");
    RadioButton& good = hydro.add<RadioButton>("HCGood", "Good");
    yes.onClick = count("yes");
    no.onClick = count("no");
    good.setChecked(true);

    yes.setChecked(true);
    no.setChecked(true);
    EXPECT_EQ(fired["yes"], 1);
    EXPECT_EQ(fired["no"], 1);
    EXPECT_FALSE(yes.checked());
    EXPECT_TRUE(no.checked());
    EXPECT_TRUE(good.checked()) << "another group is not touched";

    no.setChecked(true);
    EXPECT_TRUE(no.userClick());
    EXPECT_EQ(fired["no"], 1) << "checking a checked button again does nothing";
    no.setChecked(false);
    EXPECT_EQ(fired["no"], 1) << "unchecking fires nothing";
    EXPECT_FALSE(no.checked());

    EXPECT_TRUE(yes.userClick());
    EXPECT_EQ(fired["yes"], 2);
}

TEST_F(ControlsTest, HandlerErrorsReachTheProgramOrTheErrorBox)
{
    RadioButton& zorv = hydro.add<RadioButton>("InZorvrb", "Zorv");
    RadioButton& tamb = hydro.add<RadioButton>("InTambrb", "Tamb");
    const auto failing = [] { textToNumber("abc"); };
    zorv.onClick = failing;
    tamb.onClick = failing;

    EXPECT_THROW(zorv.setChecked(true), ConversionError) << "from code, the caller sees the error";
    EXPECT_TRUE(dialogs.messages().empty());

    EXPECT_FALSE(tamb.userClick()) << "from the user, the dispatcher reports it";
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].kind, MessageKind::Error);
    EXPECT_NE(dialogs.messages()[0].text.find("abc"), std::string::npos);
    EXPECT_TRUE(tamb.checked());
}

// A key handler in the manner of a soil test entry: digits and "." pass, a
// return becomes no key (and fills an empty box with "0"), a decimal comma
// becomes a point, anything else is refused.
class KeyHandlerTest : public ControlsTest {
protected:
    Edit& edit = drainage.add<Edit>("SoilTestP1ED");
    std::vector<std::string> changes;

    void SetUp() override
    {
        ControlsTest::SetUp();
        edit.onKeyPress = [this](Key& key) {
            if (key == returnKey) {
                key = noKey;
                if (edit.text().empty()) {
                    edit.setText("0");
                }
            } else if (key == ',') {
                key = '.';
            } else if (key != backspaceKey && key != '.' && (key < '0' || key > '9')) {
                key = noKey;
            }
        };
        edit.onChange = [this] { changes.push_back(edit.text()); };
    }
};

TEST_F(KeyHandlerTest, HandlerChangesOrRefusesKeys)
{
    edit.userType("1x2,5");
    EXPECT_EQ(edit.text(), "12.5");
    EXPECT_EQ(changes, (Strings{"1", "12", "12.", "12.5"})) << "the refused x changed nothing";
    edit.userKey(backspaceKey);
    EXPECT_EQ(edit.text(), "12.");

    edit.setText("");
    changes.clear();
    edit.userKey(returnKey);
    EXPECT_EQ(edit.text(), "0") << "the handler's own assignment";
    EXPECT_TRUE(changes.empty()) << "a program assignment fires no change";
}

TEST_F(KeyHandlerTest, TypedKeysReplaceTheSelection)
{
    edit.setText("1234");
    edit.userSelect(1, 2);
    EXPECT_EQ(edit.selectedText(), "23");
    edit.userKey('9');
    EXPECT_EQ(edit.text(), "194");
    EXPECT_EQ(edit.selStart(), 2u);
    edit.selectAll();
    edit.userKey('7');
    EXPECT_EQ(edit.text(), "7");
    edit.userSelect(0, 1);
    edit.userKey(backspaceKey);
    EXPECT_EQ(edit.text(), "");
}

TEST_F(KeyHandlerTest, ReadOnlyAndLimitedBoxes)
{
    edit.onKeyPress = nullptr;
    edit.setText("caf\xC3\xA9");
    edit.userKey(backspaceKey);
    EXPECT_EQ(edit.text(), "caf") << "backspace removes a whole character";

    int keysSeen = 0;
    edit.onKeyPress = [&](Key&) { ++keysSeen; };
    edit.setReadOnly(true);
    edit.userType("xy");
    EXPECT_EQ(keysSeen, 2) << "a read-only box still shows keys to its handler";
    EXPECT_EQ(edit.text(), "caf");

    edit.setReadOnly(false);
    edit.setMaxLength(4);
    edit.userType("\xC3\xA9zz");
    EXPECT_EQ(edit.text(), "caf\xC3\xA9") << "four characters at most";

    Memo& memo = drainage.add<Memo>("CommentsMemo");
    memo.userType("one");
    memo.userKey(returnKey);
    memo.userType("two");
    EXPECT_EQ(memo.lines(), (Strings{"one", "two"}));
}

TEST_F(ControlsTest, SortedComboBoxKeepsItemsInCaseInsensitiveOrder)
{
    ComboBox& county = hydro.add<ComboBox>("CountyBox");
    county.setStyle(ComboStyle::DropDownList);
    county.addItems({"Ozark", "alder"});
    county.setItemIndex(0);
    county.setSorted(true);
    EXPECT_EQ(county.items(), (Strings{"alder", "Ozark"}));
    EXPECT_EQ(county.text(), "Ozark") << "the chosen item stays chosen when sorting";

    EXPECT_EQ(county.addItem("Birch"), 1);
    EXPECT_EQ(county.addItem("ALDER"), 1) << "after the equal item";
    EXPECT_EQ(county.addItem("zinc"), 4);
    EXPECT_EQ(county.items(), (Strings{"alder", "ALDER", "Birch", "Ozark", "zinc"}));
    EXPECT_EQ(county.itemIndex(), 3);
    EXPECT_EQ(county.text(), "Ozark");

    county.setText("birch");
    EXPECT_EQ(county.itemIndex(), 2);
    EXPECT_EQ(county.text(), "Birch") << "a drop-down list shows the item's own text";
    county.setText("Nowhere");
    EXPECT_EQ(county.itemIndex(), noItem);
    EXPECT_EQ(county.text(), "");
    EXPECT_FALSE(county.userTypeText("Elm")) << "nothing can be typed into a drop-down list";
    EXPECT_FALSE(county.userSelectText("Elm"));

    int changes = 0;
    county.onChange = [&] { ++changes; };
    county.userSelectText("zinc");
    county.userSelectText("zinc");
    EXPECT_EQ(changes, 2) << "choosing the same entry again fires again";
    county.clearItems();
    EXPECT_EQ(county.itemIndex(), noItem);
    EXPECT_EQ(county.text(), "");
}

TEST_F(ControlsTest, EditableComboBoxKeepsTypedText)
{
    ComboBox& cover = hydro.add<ComboBox>("CoverCropBox");
    cover.addItems({"", "Rye", "Wheat"});
    EXPECT_TRUE(cover.userTypeText("rye"));
    EXPECT_EQ(cover.itemIndex(), 1);
    EXPECT_EQ(cover.text(), "rye");
    cover.setText("Clover");
    EXPECT_EQ(cover.itemIndex(), noItem);
    EXPECT_EQ(cover.text(), "Clover");
    cover.setItemIndex(2);
    cover.deleteItem(0);
    EXPECT_EQ(cover.itemIndex(), 1);
    EXPECT_EQ(cover.text(), "Wheat");
    cover.deleteItem(1);
    EXPECT_EQ(cover.itemIndex(), noItem);
}

TEST_F(ControlsTest, MultiSelectListBox)
{
    ListBox& list = hydro.add<ListBox>("ListBox1");
    list.setSorted(true);
    list.setMultiSelect(true);
    for (const char* item : {"Gamma", "alpha", "Beta", "delta"}) {
        list.addItem(item);
    }
    EXPECT_EQ(list.items(), (Strings{"alpha", "Beta", "delta", "Gamma"}));
    list.userClick(3);
    list.userToggle(1);
    list.userToggle(0);
    list.userToggle(0);
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int>{1, 3}));
    list.deleteItem(0);
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int>{0, 2})) << "selection follows its items";
    list.userClick(1);
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int>{1})) << "a plain click selects only that item";

    int doubleClicks = 0;
    list.onDoubleClick = [&] { ++doubleClicks; };
    EXPECT_TRUE(list.userDoubleClick(0));
    EXPECT_FALSE(list.userDoubleClick(9));
    EXPECT_EQ(doubleClicks, 1);
}

class ModalFormTest : public ControlsTest {
protected:
    Form dialog{"PasswordDlg"};
    Edit& entry = dialog.add<Edit>("PasswordED");
    Button& ok = dialog.add<Button>("OKBtn", "OK");

    void SetUp() override
    {
        ControlsTest::SetUp();
        dialog.setEventDispatcher(&dispatcher);
        ok.setModalResult(ModalResult::Ok);
        dialog.add<Button>("CancelBtn", "Cancel").setModalResult(ModalResult::Cancel);
    }
};

TEST_F(ModalFormTest, ScriptActsWhileTheFormIsShown)
{
    bool visibleDuringScript = false;
    application.expectModal("passworddlg", [&](Form& shown) {
        visibleDuringScript = shown.visible() && shown.showingModal();
        shown.get<Edit>("PasswordED").userType("QFen");
        shown.get<Button>("OKBtn").userClick();
    });
    EXPECT_EQ(dialog.showModal(application), ModalResult::Ok);
    EXPECT_TRUE(visibleDuringScript);
    EXPECT_FALSE(dialog.visible());
    EXPECT_FALSE(dialog.showingModal());
    EXPECT_EQ(entry.text(), "QFen");

    application.expectModal("PasswordDlg", [](Form& shown) { shown.get<Button>("CancelBtn").userClick(); });
    application.expectModal("PasswordDlg", [](Form& shown) { shown.close(); });
    EXPECT_EQ(dialog.showModal(application), ModalResult::Cancel);
    EXPECT_EQ(dialog.showModal(application), ModalResult::Cancel) << "closing a modal form cancels it";
}

TEST_F(ModalFormTest, CloseHandlerMayRefuse)
{
    dialog.onClose = [](CloseAction& action) { action = CloseAction::None; };
    application.expectModal("PasswordDlg", [](Form& shown) {
        EXPECT_FALSE(shown.userClose());
        EXPECT_TRUE(shown.visible());
        shown.get<Button>("OKBtn").userClick();
    });
    EXPECT_EQ(dialog.showModal(application), ModalResult::Ok);
}

TEST_F(ModalFormTest, UnscriptedModalRunsFailTheTest)
{
    EXPECT_THROW(dialog.showModal(application), ScriptError) << "no script queued";
    EXPECT_FALSE(dialog.visible()) << "the form leaves its modal state anyway";

    application.expectModal("CommentsDlg", {});
    EXPECT_THROW(dialog.showModal(application), ScriptError) << "another form was expected";

    application.expectModal("PasswordDlg", [](Form&) {});
    EXPECT_THROW(dialog.showModal(application), ScriptError) << "the script left the form open";
}

TEST_F(ControlsTest, RichTextFindsSelectsAndColours)
{
    RichText& manual = mainTab.add<RichText>("RichEdit1");
    const rtf::CharFormat heading{rtf::styles::bold, colors::black, {}, 28};
    manual.appendLine("Calculating Surface and Subsurface Water Losses for Tamb", heading);
    manual.appendLine("Some text.");
    manual.appendLine("Drainage (Tamb only)", {});
    EXPECT_EQ(manual.lineCount(), 3u);
    EXPECT_EQ(manual.document().paragraphs()[1].runs[0].format, heading) << "a line without format takes the last one";

    const auto first = manual.find("calculating surface");
    ASSERT_TRUE(first);
    const auto second = manual.find("DRAINAGE (TAMB ONLY)", *first);
    ASSERT_TRUE(second);
    manual.select(*first, *second - *first);
    manual.setSelectionColor(colors::maroon);
    for (size_t line = 0; line < 2; ++line) {
        EXPECT_EQ(manual.document().paragraphs()[line].runs[0].format.color, colors::maroon) << line;
    }
    EXPECT_EQ(manual.document().paragraphs()[2].runs[0].format.color, colors::black);

    manual.insertLine(0, "Top", {});
    manual.deleteLine(3);
    EXPECT_EQ(manual.line(0), "Top");
    EXPECT_EQ(manual.lineCount(), 3u);
    EXPECT_THROW(manual.load("/no/such/Verdalis_Manual_ond.rtf"), rtf::DocumentFileError);
    EXPECT_EQ(manual.lineCount(), 3u) << "a failed load keeps the content";
}

TEST_F(ControlsTest, TimerFiresOnlyWhileEnabled)
{
    Timer& watchdog = form.add<Timer>("WatchdogTimer");
    watchdog.onTimer = [] { throw std::runtime_error("Timer Failed"); };
    EXPECT_FALSE(watchdog.elapse());
    watchdog.setIntervalMs(6000);
    watchdog.start();
    EXPECT_TRUE(watchdog.elapse());
    EXPECT_EQ(dialogs.messageTexts(), (Strings{"Timer Failed"}));
    watchdog.stop();
    EXPECT_FALSE(watchdog.elapse());
}

TEST_F(ControlsTest, PopupMenuItemsCheckThemselvesWhenAsked)
{
    PopupMenu& menu = form.add<PopupMenu>("DownloadPopup");
    MenuItem& autoCheck = menu.add<MenuItem>("AutoCheck", "Automatically Check For Updates");
    autoCheck.setAutoCheck(true);
    menu.add<MenuItem>("Force", "Force Automatic Download");
    pages.setPopupMenu(&menu);
    menu.popup({10, 30});
    EXPECT_EQ(menu.lastPopup()->y, 30);
    ASSERT_EQ(menu.items().size(), 2u);
    autoCheck.userClick();
    EXPECT_TRUE(autoCheck.checked());
    autoCheck.userClick();
    EXPECT_FALSE(autoCheck.checked());
}

class TwoByTwoSource : public GridSource {
public:
    std::string cells[2][2] = {{"a", "b"}, {"c", "d"}};
    int row = 0;
    int rowCount() const override { return 2; }
    int columnCount() const override { return 2; }
    std::string columnName(int column) const override { return column == 0 ? "RecordName" : "ModeType"; }
    std::string cellText(int r, int c) const override { return cells[r][c]; }
    bool setCellText(int r, int c, const std::string& text) override
    {
        cells[r][c] = text;
        return true;
    }
    int currentRow() const override { return row; }
    void setCurrentRow(int r) override { row = r; }
};

TEST_F(ControlsTest, GridMovesAndEditsThroughItsSource)
{
    TwoByTwoSource source;
    Grid& grid = recordTab.add<Grid>("DBGrid1");
    recordTab.show();
    grid.setSource(&source);
    grid.onRowChange = count("row");
    EXPECT_TRUE(grid.userMoveToRow(1));
    EXPECT_TRUE(grid.userMoveToRow(1));
    EXPECT_FALSE(grid.userMoveToRow(2));
    EXPECT_EQ(fired["row"], 1);
    EXPECT_EQ(source.row, 1);
    EXPECT_TRUE(grid.userEditCell(1, 0, "x"));
    grid.setReadOnly(true);
    EXPECT_FALSE(grid.userEditCell(1, 1, "y"));
    EXPECT_EQ(source.cells[1][0], "x");
    EXPECT_EQ(source.cells[1][1], "d");
}

TEST_F(ControlsTest, GridKeyHandlerGuardsTheCurrentCell)
{
    TwoByTwoSource source;
    Grid& grid = recordTab.add<Grid>("DBGrid1");
    recordTab.show();
    grid.setSource(&source);
    // Digits only in the first column; the second is chosen from a list.
    grid.onKeyPress = [&](Key& key) {
        if (grid.currentColumn() == 1 || (key != backspaceKey && (key < '0' || key > '9'))) {
            application.beep();
            key = noKey;
        }
    };
    grid.onExit = count("exit");
    grid.userKey('7');
    grid.userKey('x');
    EXPECT_EQ(source.cells[0][0], "a7");
    grid.userKey(backspaceKey);
    grid.userKey(backspaceKey);
    EXPECT_EQ(source.cells[0][0], "");
    EXPECT_TRUE(grid.userMoveToColumn(1));
    grid.userKey('5');
    EXPECT_EQ(source.cells[0][1], "b");
    EXPECT_EQ(application.beeps(), 2);

    grid.onKeyPress = nullptr;
    grid.setColumnReadOnly(1, true);
    grid.userKey('5');
    EXPECT_EQ(source.cells[0][1], "b") << "a read-only column";
    grid.setRowSelected(1, true);
    EXPECT_EQ(grid.selectedRows(), (std::set<int>{1}));
    EXPECT_TRUE(grid.userLeave());
    EXPECT_EQ(fired["exit"], 1);
}

} // namespace
} // namespace verdalis::ui
