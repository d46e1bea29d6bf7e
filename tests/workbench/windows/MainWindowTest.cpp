// The main window driven as a user drives it: real mouse clicks on its buttons and navigator and
// real keys in its grid, over databases in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <filesystem>

#include "controls/RzBalloonHintWindow.h"
#include "platform/graphics/Font.h"
#include "platform/ui/Application.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Edit.h"
#include "platform/ui/InstanceLock.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/StatusBar.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"
#include "tests/support/TempDir.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/windows/MainWindow.h"

namespace {

const char* const EmptyDatabaseMessage =
    "File kavri320.dbs not found or corrupted\rEmpty database will be created";

TEST(MainWindow, AnEmptyDatabaseShowsTheLabelInPlaceOfThePages) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    EXPECT_EQ(f.Messages(), std::vector<std::string>{EmptyDatabaseMessage});
    EXPECT_EQ(w.Caption(), "KAVRI320");
    EXPECT_FALSE(w.PageControl1->Visible());
    EXPECT_TRUE(w.Label1->Visible());
    EXPECT_EQ(w.Label1->Caption(), "DATABASE IS EMPTY");
    EXPECT_EQ(w.sbDatasets->SimpleText(), "Dataset is empty");
    EXPECT_EQ(w.PageControl1->ActivePage(), w.tsCavity);
    EXPECT_EQ(w.rgSort->ItemIndex(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(f.dir.Path() / "data" / "Cavities"));
}

TEST(MainWindow, InsertingADatasetShowsThePages) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.ClickNavigator(w.dbnDatasets, nbInsert);
    EXPECT_EQ(f.Db().cdsMain.State(), dsInsert);
    EXPECT_EQ(w.sbDatasets->SimpleText(), "");  // a row being inserted has no number
    w.dbgDatasets->SetSelectedIndex(0);
    f.Type(w.dbgDatasets, "Cone");
    f.ClickNavigator(w.dbnDatasets, nbPost);
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
    EXPECT_EQ(f.Db().cdsMainDatasetName->AsString(), "Cone");
    EXPECT_TRUE(w.PageControl1->Visible());
    EXPECT_FALSE(w.Label1->Visible());
    EXPECT_EQ(w.sbDatasets->SimpleText(), "Record 1 of 1");

    // Deleting it (the navigator asks, the recorder answers Yes) brings the label back.
    f.ClickNavigator(w.dbnDatasets, nbDelete);
    EXPECT_TRUE(f.Db().cdsMain.IsEmpty());
    EXPECT_FALSE(w.PageControl1->Visible());
    EXPECT_TRUE(w.Label1->Visible());
}

TEST(MainWindow, SortAndFind) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    for (const char* name : {"b1", "abd", "Abc"}) f.InsertDataset(name);
    ASSERT_EQ(f.Db().cdsMain.RecordCount(), 3);
    f.Type(w.edFind, "ab");
    EXPECT_EQ(f.Db().cdsMainDatasetName->AsString(), "Abc");
    // Sorting by date hides the find box, and back.
    w.rgSort->SetItemIndex(1);
    w.rgSort->Click();
    EXPECT_FALSE(w.edFind->Visible());
    EXPECT_EQ(f.Db().SortChoice(), 1);
    w.rgSort->SetItemIndex(0);
    w.rgSort->Click();
    EXPECT_TRUE(w.edFind->Visible());
}

TEST(MainWindow, CloseSavesWhatWasPostedAndTheRowBeingTyped) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Kept");
    // A second row still being typed when the window closes is posted with it.
    f.TypeNewDataset("Typed");
    f.Click(w.btnClose);
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.sbMain->Panels()->Items(0)->Text(), " Saving data in database...");
    f.Stop();

    f.dialogs.Messages.clear();
    TFMainDB& again = f.Start();
    EXPECT_TRUE(f.Messages().empty());  // the file was there and read
    EXPECT_EQ(f.Db().cdsMain.RecordCount(), 2);
    EXPECT_EQ(f.Db().cdsMainDatasetName->AsString(), "Kept");
    f.Db().cdsMain.Last();
    EXPECT_EQ(f.Db().cdsMainDatasetName->AsString(), "Typed");
    EXPECT_TRUE(again.PageControl1->Visible());
}

// Cavity rows posted in the grid leave the dataset row in edit; closing posts it with them.
TEST(MainWindow, CloseSavesTheCavityRowsPostedInTheGrid) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Cylinder");
    w.PageControl1->SetActivePage(w.tsCavity);
    for (const char* z : {"1", "2"}) {
        f.Key(w.dbgCavity, Qt::Key_Insert);
        w.dbgCavity->SetSelectedIndex(0);
        f.Type(w.dbgCavity, z);
        f.Key(w.dbgCavity, Qt::Key_Tab);
        f.Type(w.dbgCavity, "1");
        f.Key(w.dbgCavity, Qt::Key_Return);
        f.ClickNavigator(w.dnCavity, nbPost);
    }
    ASSERT_EQ(f.Db().cdsCavity.RecordCount(), 2);
    ASSERT_EQ(f.Db().cdsMain.State(), dsEdit);
    f.Click(w.btnClose);
    EXPECT_FALSE(w.Visible());
    f.Stop();

    f.dialogs.Messages.clear();
    f.Start();
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_EQ(f.Db().cdsCavity.RecordCount(), 2);
}

// A name typed and erased is no name: the dataset refuses the row, and at close the user decides
// whether to drop it (No keeps the window open with the row as it was).
TEST(MainWindow, AnErasedNameIsRefusedAndCloseAsksBeforeDroppingTheRow) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Kept");
    f.TypeNewDataset("Gone");
    for (int i = 0; i < 4; ++i) f.Key(w.dbgDatasets, Qt::Key_Backspace, "\b");
    f.Type(w.dbgDatasets, "  ");
    f.dialogs.Messages.clear();
    f.ClickNavigator(w.dbnDatasets, nbPost);
    const std::string missing = "Field 'Dataset  Name' must have a value";
    EXPECT_EQ(f.Messages(), std::vector<std::string>{ExceptionReportText(missing)});
    EXPECT_EQ(f.Db().cdsMain.State(), dsInsert);
    EXPECT_EQ(f.Db().cdsMain.RecordCount(), 1);

    f.dialogs.Messages.clear();
    f.dialogs.Answers.push_back(mrNo);
    f.Click(w.btnClose);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{missing + DiscardDatasetQuestion});
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(f.Db().cdsMain.State(), dsInsert);

    f.dialogs.Messages.clear();
    f.Click(w.btnClose);  // Yes: the row goes, the rest is saved
    EXPECT_EQ(f.Messages(), std::vector<std::string>{missing + DiscardDatasetQuestion});
    EXPECT_FALSE(w.Visible());
    f.Stop();
    f.dialogs.Messages.clear();
    f.Start();
    EXPECT_EQ(f.Db().cdsMain.RecordCount(), 1);
    EXPECT_EQ(f.Db().cdsMainDatasetName->AsString(), "Kept");
}

// Keys typed into the dataset's edits and comments land where the caret is, the key that puts
// the dataset into edit included.
TEST(MainWindow, TypingIntoTheDatasetsEditsAndCommentsKeepsTheCaret) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Cone");
    TDatasetDatabase& db = f.Db();
    w.PageControl1->SetActivePage(w.tsTemperature);
    QApplication::setActiveWindow(w.Widget());
    w.DBEdit1->SetFocus();
    f.Type(w.DBEdit1, "1000");
    f.ClickNavigator(w.dbnDatasets, nbPost);
    ASSERT_EQ(db.cdsMain.State(), dsBrowse);
    ASSERT_EQ(db.cdsMain.FieldByName("Tref")->AsFloat(), 1000);

    w.DBEdit1->SetFocus();
    f.Key(w.DBEdit1, Qt::Key_Home);
    f.Type(w.DBEdit1, "12");
    EXPECT_EQ(w.DBEdit1->Text(), "121000");
    f.ClickNavigator(w.dbnDatasets, nbPost);
    ASSERT_EQ(db.cdsMain.State(), dsBrowse);
    w.dbmDatasets->SetFocus();
    f.Type(w.dbmDatasets, "A cone of steel");
    EXPECT_EQ(w.dbmDatasets->Lines()->Text(), "A cone of steel\r\n");
    w.dbgDatasets->SetFocus();  // leaving the comments posts the dataset
    EXPECT_EQ(db.cdsMain.State(), dsBrowse);
    EXPECT_EQ(db.cdsMain.FieldByName("Tref")->AsFloat(), 121000);
    EXPECT_EQ(db.cdsMain.FieldByName("Rem")->AsString(), "A cone of steel");
}

TEST(MainWindow, AFailedSaveKeepsTheWindowOpen) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Kept");
    // The database file cannot be replaced while its folder is gone.
    std::filesystem::remove_all(f.dir.Path() / "db");
    f.dialogs.Messages.clear();
    f.Click(w.btnClose);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(f.Messages().size(), 1u);
}

TEST(MainWindow, ASecondStartIsRefusedByTheLock) {
    TMainWindowFixture f;
    std::filesystem::create_directories(f.dir.Path() / "db");
    TInstanceLock first;
    ASSERT_TRUE(first.Acquire((f.dir.Path() / "db").string(), InstanceLockFile));
    TFMainDB& w = f.Start();
    EXPECT_TRUE(w.StartRefused());
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"KAVRI320 is already running"});
    // No database was read or written, no other folder made.
    EXPECT_FALSE(std::filesystem::exists(f.dir.Path() / "db" / "kavri320.dbs"));
    EXPECT_FALSE(std::filesystem::exists(f.dir.Path() / "data"));
    f.Stop();
    first.Release();
    f.dialogs.Messages.clear();
    EXPECT_FALSE(f.Start().StartRefused());
}

TEST(MainWindow, ComputeAndResultsStopWithTheirMessages) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    bool computeOpened = false;
    w.ShowComputeDialog = [&] { computeOpened = true; };
    f.InsertDataset("Cylinder");
    TDatasetDatabase& db = f.Db();
    db.cdsMain.Edit();
    db.cdsMain.FieldByName("Tref")->SetAsFloat(1000);
    db.cdsMain.FieldByName("R0")->SetAsFloat(1);
    db.cdsMain.Post();
    for (auto [z, r] : {std::pair{0.0, 0.0}, std::pair{2.0, 0.0}}) {
        db.cdsCavity.Append();
        db.cdsCavity.FieldByName("Z")->SetAsFloat(z);
        db.cdsCavity.FieldByName("R")->SetAsFloat(r);
        db.cdsCavity.FieldByName("Emissivity")->SetAsFloat(0.9);
        db.cdsCavity.FieldByName("Diffusity")->SetAsFloat(1);
        db.cdsCavity.Post();
    }
    f.dialogs.Messages.clear();
    f.Click(w.btnCompute);
    EXPECT_EQ(f.Messages(),
              std::vector<std::string>{
                  "Wavelengths are not specified\rAt least one wavelength is needed"});
    EXPECT_FALSE(computeOpened);
    EXPECT_EQ(db.cdsMain.State(), dsBrowse);  // the nested rows were posted with the dataset

    f.dialogs.Messages.clear();
    f.Click(w.btnResults);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Database RESULTS is empty"});
}

}  // namespace

namespace {

// Leaving an editing control commits what it edited to the dataset row.
TEST(MainWindow, LeavingAGridCommitsItsRowsToTheDataset) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Cone");
    w.PageControl1->SetActivePage(w.tsW);
    QApplication::setActiveWindow(w.Widget());
    w.dbgW->SetFocus();
    f.Key(w.dbgW, Qt::Key_Insert);
    f.Type(w.dbgW, "2.5");
    f.Key(w.dbgW, Qt::Key_Return);
    w.dbgDatasets->SetFocus();  // the wavelengths grid loses the focus
    EXPECT_EQ(f.Db().cdsWavelengths.State(), dsBrowse);
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
    EXPECT_EQ(f.Db().cdsWavelengths.RecordCount(), 1);
}

}  // namespace

namespace {

// While the main window lives every hint shows as a balloon framed in the 3-D shadow colour and
// pointing at the mouse; when it goes the plain hints come back.
TEST(MainWindow, HintsAreBalloonsWhileTheWindowLives) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    auto* balloon = dynamic_cast<TRzBalloonHintWindow*>(Application->HintWindow());
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->Window().FrameColor(), cl3DDkShadow);
    EXPECT_EQ(balloon->Window().CenterThreshold(), 0);
    EXPECT_EQ(balloon->Window().Font()->Name(), "Tahoma");
    EXPECT_EQ(balloon->Window().Font()->Size(), 8);

    QWidget* button = w.btnCompute->Widget();
    const QPoint at(10, 5);
    QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
    QCoreApplication::sendEvent(button, &help);
    EXPECT_EQ(balloon->Window().Caption(), "Perform Monte Carlo Calculations");
    EXPECT_TRUE(balloon->Shaped().Visible());
    Application->CancelHint();

    f.Stop();
    EXPECT_EQ(dynamic_cast<TRzBalloonHintWindow*>(Application->HintWindow()), nullptr);
}

}  // namespace

namespace {

// Leaving a control that edits the dataset row posts the row; the temperature edits leave it to
// the next post.
TEST(MainWindow, LeavingARowControlPostsTheRowButTheTemperatureEditsDoNot) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Cone");
    QApplication::setActiveWindow(w.Widget());
    const struct {
        const char* name;
        TTabSheet* page;
        TWinControl* control;
        bool posts;
    } cases[] = {
        {"datasets grid", w.tsCavity, w.dbgDatasets, true},
        {"comments", w.tsCavity, w.dbmDatasets, true},
        {"Z0", w.tsCavity, w.DBEdit3, true},
        {"Y0", w.tsCavity, w.DBEdit4, true},
        {"Tref", w.tsTemperature, w.DBEdit1, false},
        {"Tbg", w.tsTemperature, w.DBEdit2, false},
    };
    for (const auto& c : cases) {
        w.PageControl1->SetActivePage(c.page);
        f.Db().cdsMain.Edit();
        c.control->SetFocus();
        ASSERT_TRUE(c.control->Focused()) << c.name;
        w.edFind->SetFocus();
        EXPECT_EQ(f.Db().cdsMain.State(), c.posts ? dsBrowse : dsEdit) << c.name;
        f.Db().cdsMain.Cancel();
    }
}

}  // namespace
