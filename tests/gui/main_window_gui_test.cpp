// The real Qt widgets of the main window, offscreen: started on a program
// folder, they follow the model and pass the user's actions to it.
#include "gui/bar_chart_widget.h"
#include "gui/desktop_program.h"
#include "program_folder.h"
#include "qt_environment.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace verdalis::testing {
namespace {

namespace fs = std::filesystem;

class MainWindowGui : public ::testing::Test {
protected:
    explicit MainWindowGui(std::string_view folderName = "gui-main-window") : folder(folderName)
    {
        qtApplication();
    }

    void startOn(const std::string& executable)
    {
        processes.setRunning({executable});
        program = std::make_unique<gui::DesktopProgram>(dialogs, processes, clock, executable);
        ASSERT_TRUE(program->start());
        ASSERT_TRUE(processEventsUntil([this] { return program->mainForm().startupComplete(); }));
    }

    QWidget& window() { return program->mainView().window(); }
    template <class W>
    W& widget(const char* name)
    {
        return childWidget<W>(window(), name);
    }

    ProgramFolder folder;
    ui::ScriptedDialogs dialogs;
    ui::ScriptedProcesses processes;
    ui::ScriptedClock clock;
    std::unique_ptr<gui::DesktopProgram> program;
};

TEST_F(MainWindowGui, ShowsTheTabsAndLoadsADocumentWhenItsTabIsChosen)
{
    folder.addCompleteProgram();
    startOn(folder.executable());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle().toStdString(), "Verdalis     v2.50  12/10/2026");

    auto& tabs = widget<QTabWidget>("PageControl1");
    QStringList captions;
    for (int tab = 0; tab < tabs.count(); ++tab) {
        captions << tabs.tabText(tab);
    }
    EXPECT_EQ(captions.join("|").toStdString(),
              "Main|Record View|View Tables|Impaired Subwatersheds|About Zorv and Tamb|Version History|Credits");
    EXPECT_TRUE(tabs.isTabEnabled(0));

    tabs.setCurrentIndex(6);
    EXPECT_EQ(program->mainForm().control<ui::PageControl>("PageControl1").activePage()->name(), "TS_Credits");
    EXPECT_TRUE(widget<QTextEdit>("CreditsRE").toPlainText().contains("Credits of the program"));
    EXPECT_EQ(tabs.tabBar()->tabTextColor(6), QColor(0, 0, 128));

    tabs.setCurrentIndex(1);
    EXPECT_TRUE(widget<QTextEdit>("CreditsRE").toPlainText().isEmpty());
    EXPECT_TRUE(widget<QTableView>("DBGrid1").isVisible());
    EXPECT_EQ(widget<QTableView>("DBGrid1").model()->columnCount(), 47);
    EXPECT_TRUE(dialogs.messageTexts().size() == 1); // "Creating new Input Table..."
}

TEST_F(MainWindowGui, CalculationTypeAndInputsGoThroughTheModel)
{
    folder.addCompleteProgram();
    startOn(folder.executable());
    auto& form = program->mainForm();
    widget<QTabWidget>("PageControl1").setCurrentIndex(0);
    EXPECT_FALSE(widget<QGroupBox>("SoilGB").isVisible());

    widget<QRadioButton>("InTambrb").click();
    EXPECT_EQ(form.record.calculationType, shell::CalculationType::Tamb);
    EXPECT_TRUE(widget<QRadioButton>("InTambrb").isChecked());
    EXPECT_TRUE(widget<QGroupBox>("SoilGB").isVisible());
    EXPECT_FALSE(widget<QComboBox>("CropBox").isVisible());
    EXPECT_TRUE(widget<QComboBox>("CropBox2").isVisible());
    EXPECT_EQ(widget<QComboBox>("CropBox2").geometry().left(), 8);
    EXPECT_EQ(widget<QPushButton>("NAppRateBtn").geometry().top(), 64);

    widget<QRadioButton>("InZorvTambrb").click();
    EXPECT_FALSE(widget<QRadioButton>("InTambrb").isChecked());
    EXPECT_TRUE(widget<QComboBox>("CropBox").isVisible());
    EXPECT_TRUE(widget<QPushButton>("CompareRecsBtn").isVisible());

    // Typed keys reach the model's key handler, which may refuse them.
    auto& acres = form.control<ui::Edit>("AcresBox");
    acres.onKeyPress = [](ui::Key& key) {
        if (key < '0' || key > '9') {
            key = ui::noKey;
        }
    };
    auto& acresBox = widget<QLineEdit>("AcresBox");
    for (const char* typed : {"4", "x", "2"}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(&acresBox, &press);
    }
    EXPECT_EQ(acres.text(), "42");
    EXPECT_EQ(acresBox.text().toStdString(), "42");

    auto& counties = widget<QComboBox>("CountyBox");
    ASSERT_EQ(counties.count(), 2);
    emit counties.activated(1);
    EXPECT_EQ(form.control<ui::ComboBox>("CountyBox").text(), "Birch");

    form.control<ui::Label>("TotNLostAnsLbl").setCaption("12.5");
    EXPECT_EQ(widget<QLabel>("TotNLostAnsLbl").text().toStdString(), "12.5");
}

TEST_F(MainWindowGui, CalculateShowsTheNitrogenTotalAndItsChart)
{
    folder.addCompleteProgram();
    startOn(folder.executable());
    auto& form = program->mainForm();
    widget<QTabWidget>("PageControl1").setCurrentIndex(0);
    widget<QRadioButton>("InZorvrb").click();
    auto& mapUnits = form.control<ui::ComboBox>("SoilMapUnitBox");
    mapUnits.addItem("AbC: Abell loam");
    mapUnits.setText("AbC: Abell loam");
    form.control<ui::ComboBox>("CountyBox").setText("Birch");
    form.control<ui::ComboBox>("CropBox").setText("Wheat");
    for (auto [box, value] : {std::pair{"AcresBox", "10"}, {"NAppRateBox", "150"}, {"RYEBox", "100"}}) {
        form.control<ui::Edit>(box).setText(value);
    }
    auto* chartWidget = dynamic_cast<gui::BarChartWidget*>(&widget<QWidget>("NitrogenChart"));
    ASSERT_NE(chartWidget, nullptr);
    auto& chart = *chartWidget;
    EXPECT_FALSE(chart.isVisible());

    widget<QPushButton>("CalculateBtn").click();
    // Without the factor tables an N factor of 1 and no NUE: 1,000 lbs
    // needed, all of it lost, with 5 % of the 500 in excess at the surface.
    EXPECT_EQ(widget<QLabel>("TotNLostAnsLbl").text().toStdString(), "1,500 lbs");
    const ui::RichText& report = *program->dialogForms().PrintResultsDlg->RichEdit1;
    EXPECT_EQ(report.line(0), "Verdalis Version: 2.50");
    EXPECT_EQ(report.line(report.lineCount() - 1), "Total_N_Lost =                   1,500 lbs");
    ASSERT_TRUE(chart.isVisible());
    ASSERT_EQ(chart.data().bars.size(), 7u);
    EXPECT_EQ(chart.data().bars.front().label, "Applied");
    EXPECT_EQ(chart.data().bars.front().value, 1500);
    EXPECT_EQ(chart.data().bars.back().value, 1500);

    // The applied and the total bars are drawn, each in its colour.
    const QImage image = chart.grab().toImage();
    const auto holdsColour = [&image](const Color& colour) {
        const QColor wanted(colour.red, colour.green, colour.blue);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == wanted) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(holdsColour(chart.data().bars.front().color));
    EXPECT_TRUE(holdsColour(chart.data().bars.back().color));
}

TEST_F(MainWindowGui, BmpDialogChoosesThroughItsWindows)
{
    folder.addCompleteProgram();
    folder.addTable("BMPrelated", "BMP_List.db", {"BMP Description", "BMP_ID", "BMP_Type", "Need Width"},
                    {{"Grass Filter Strip", "1", "Buffer", "1"},
                     {"Controlled Drainage", "3", "Water Management", "0"},
                     {"Grassed Waterway", "5", "Erosion Control", "0"}});
    folder.writeFile("TableLocations.ini", "[TableLocations]\r\nBMP_List.db=\\BMPrelated\r\n"
                                           "[Version Changes]\r\nVersionNum=2.5\r\nVersionDate=12/10/2026\r\n");
    startOn(folder.executable());
    widget<QTabWidget>("PageControl1").setCurrentIndex(0);
    widget<QRadioButton>("InZorvrb").click();

    auto& forms = program->dialogForms();
    int offered = -1;
    QTimer::singleShot(0, [&] {
        QWidget& dialog = program->application().viewOf(*forms.BMPInfoDlg)->window();
        offered = dialog.findChild<QListWidget*>("BMPListLB")->count();
        forms.BMPInfoDlg->BMPListLB->userClick(1);
        QTimer::singleShot(0, [&] {
            QWidget& extra = program->application().viewOf(*forms.ExtraBMPInfo)->window();
            QKeyEvent four(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, "4");
            QCoreApplication::sendEvent(extra.findChild<QLineEdit*>("AcreED"), &four);
            extra.findChild<QPushButton*>("OKBtn")->click();
        });
        dialog.findChild<QPushButton*>("AddBtn")->click();
        dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    widget<QPushButton>("BMPbtn").click();

    EXPECT_EQ(offered, 2); // the Zorv-only mode leaves the waterway out
    EXPECT_EQ(widget<QLabel>("TotalBMPlbl").text().toStdString(), "BMP Count = 1");
    EXPECT_EQ(program->mainForm().record.bmp.BMPs, "3");
    EXPECT_EQ(program->mainForm().record.bmp.BMPAcres, 4);
}

TEST_F(MainWindowGui, ClosingTheWindowRunsTheCloseHandler)
{
    folder.addCompleteProgram();
    startOn(folder.executable());
    program->mainForm().control<ui::Button>("ExitBtn").hide();
    dialogs.clearRecords();
    EXPECT_FALSE(window().close());
    EXPECT_THAT(dialogs.messageTexts(), ::testing::ElementsAre("Closing Internet Connection, Please Wait..."));
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(program->mainForm().visible());
}

TEST_F(MainWindowGui, ModalFormRunsUntilItHasAResult)
{
    folder.addCompleteProgram();
    startOn(folder.executable());
    ui::Form& password = *program->dialogForms().PasswordDlg;
    auto pressWhenShown = [](std::function<void(QWidget&)> press) {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll, press] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                poll->deleteLater();
                poll->stop();
                press(*dialog);
            }
        });
        poll->start(10);
    };

    pressWhenShown([](QWidget& dialog) { dialog.findChild<QPushButton*>("OKBtn")->click(); });
    EXPECT_EQ(password.showModal(program->application()), ui::ModalResult::Ok);
    EXPECT_FALSE(password.visible());

    pressWhenShown([](QWidget& dialog) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &escape);
    });
    EXPECT_EQ(password.showModal(program->application()), ui::ModalResult::Cancel);
}

TEST_F(MainWindowGui, ATableButtonOfTheViewTablesTabShowsTheTableInTheViewer)
{
    folder.addCompleteProgram();
    folder.writeFile("TableLocations.ini", "[Version Changes]\r\nVersionType=Public\r\nVersionNum=2.5\r\n"
                                           "VersionDate=12/10/2026\r\n[TableLocations]\r\nCrops.db=\\CropTables\r\n");
    startOn(folder.executable());
    auto& tabs = widget<QTabWidget>("PageControl1");
    tabs.setCurrentIndex(2);
    ASSERT_EQ(program->mainForm().control<ui::PageControl>("PageControl1").activePage()->name(), "TS_ViewTables");
    auto& cropsButton = widget<QPushButton>("CropsBtn");
    ASSERT_TRUE(cropsButton.isVisible());

    QString caption;
    QStringList firstColumn;
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        QWidget* viewer = QApplication::activeModalWidget();
        if (viewer == nullptr) {
            return;
        }
        poll->deleteLater();
        poll->stop();
        caption = viewer->windowTitle();
        const QAbstractItemModel& rows = *viewer->findChild<QTableView*>("DBGrid1")->model();
        for (int row = 0; row < rows.rowCount(); ++row) {
            firstColumn << rows.index(row, 0).data().toString();
        }
        viewer->findChild<QPushButton*>("OKBtn")->click();
    });
    poll->start(10);
    cropsButton.click();

    EXPECT_THAT(dialogs.messageTexts(), ::testing::SizeIs(1)); // "Creating new Input Table..."
    EXPECT_TRUE(caption.contains("Crops.db", Qt::CaseInsensitive)) << caption.toStdString();
    EXPECT_EQ(firstColumn.join("|").toStdString(), "Wheat|Corn|Alfalfa");
    // OK closes the table again.
    EXPECT_FALSE(program->dialogForms().ViewTableDlg->TableOpen());
}

// The bundled program folder when the build has made its tables, else the
// test's own; either way a copy, so that the run changes nothing.
std::string programFolderForScreenshot(ProgramFolder& folder)
{
    const char* binary = std::getenv("VERDALIS_BINARY_DIR");
    const fs::path bundled = fs::path(binary != nullptr ? binary : ".") / "Verdalis";
    if (fs::exists(bundled / "CountyTables" / "County_Stations.db")) {
        fs::copy(bundled, folder.dir(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::remove(fs::path(folder.dir()) / "Verdalis");
    } else {
        folder.addCompleteProgram();
    }
    return folder.executable();
}

class MainWindowScreenshot : public MainWindowGui {
protected:
    MainWindowScreenshot() : MainWindowGui("gui-screenshot") {}
};

TEST_F(MainWindowScreenshot, SavesTheMainWindowAsAnImage)
{
    startOn(programFolderForScreenshot(folder));
    widget<QPushButton>("NPBtn").click();
    widget<QRadioButton>("InZorvTambrb").click();
    // A first entry in each list, so the picture shows what the lists hold.
    for (const char* box : {"CroppingYearBox", "CountyBox", "CropBox", "CropBox2"}) {
        program->mainForm().control<ui::ComboBox>(box).setItemIndex(0);
    }
    window().resize(1280, 800);
    QCoreApplication::processEvents();
    const QImage image = window().grab().toImage();
    EXPECT_EQ(image.width(), 1280);
    const char* binary = std::getenv("VERDALIS_BINARY_DIR");
    const QString path = QString(binary != nullptr ? binary : ".") + "/main-window.png";
    EXPECT_TRUE(image.save(path));
}

} // namespace
} // namespace verdalis::testing
