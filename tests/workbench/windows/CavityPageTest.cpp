// The Cavity page: the hidden key of new rows under real keys and navigator clicks, the resize
// rule of its grid, the generatrix file, the temperature points following the profile, and the
// three surface range dialogs.
#include <QTableView>
#include <QTest>
#include <fstream>

#include "chart/engine/Chart.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGridColumns.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/StatusBar.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/GeneratrixFile.h"
#include "workbench/ProfileEdits.h"
#include "workbench/windows/SurfaceRangeDialogs.h"

namespace {

std::vector<double> Column(TClientDataSet& t, const char* name) {
    const TBookmark here = t.GetBookmark();
    std::vector<double> values;
    for (t.First(); !t.Eof(); t.Next())
        values.push_back(t.FieldByName(name)->IsNull() ? -1 : t.FieldByName(name)->AsFloat());
    t.GotoBookmark(here);
    return values;
}

// The main window with one dataset whose generatrix has `rows` nodes (z = key, y = 1).
struct TCavityFixture : TMainWindowFixture {
    explicit TCavityFixture(int rows) {
        Start();
        InsertDataset("Cylinder");
        window->PageControl1->SetActivePage(window->tsCavity);
        TGeneratrix g{{0, 0}, {}};
        for (int i = 1; i <= rows; ++i) g.Nodes.push_back({double(i), 1});
        if (rows) ReplaceGeneratrix(Db(), g);
        dialogs.Messages.clear();
    }
};

TEST(CavityPage, KeysOfNewRowsFollowTheGridKeysAndTheNavigator) {
    TCavityFixture f(0);
    TFMainDB& w = *f.window;
    TClientDataSet& t = f.Db().cdsCavity;
    f.Key(w.dbgCavity, Qt::Key_Insert);  // into the empty table
    w.dbgCavity->SetSelectedIndex(0);
    f.Type(w.dbgCavity, "1");
    f.Key(w.dbgCavity, Qt::Key_Tab);
    f.Type(w.dbgCavity, "1");
    f.Key(w.dbgCavity, Qt::Key_Down);  // posts the last row and appends after it
    EXPECT_EQ(t.State(), dsInsert);
    w.dbgCavity->SetSelectedIndex(0);
    f.Type(w.dbgCavity, "2");
    f.Key(w.dbgCavity, Qt::Key_Tab);
    f.Type(w.dbgCavity, "1");
    f.ClickNavigator(w.dnCavity, nbPost);
    EXPECT_EQ(Column(t, "D"), (std::vector<double>{1, 2}));
    EXPECT_EQ(w.sbCavity->SimpleText(), "Record 2 of 2");

    // The navigator's insert before the first row halves its key.
    f.ClickNavigator(w.dnCavity, nbFirst);
    f.ClickNavigator(w.dnCavity, nbInsert);
    EXPECT_EQ(f.Db().cdsCavityD->AsFloat(), 0.5);
    f.ClickNavigator(w.dnCavity, nbCancel);
    // Down into the middle, then the navigator's insert: the new row goes before the current
    // one, not onto the next row's key.
    ReplaceGeneratrix(f.Db(), {{0, 0}, {{1, 1}, {2, 1}, {3, 1}}});
    f.ClickNavigator(w.dnCavity, nbFirst);
    f.Key(w.dbgCavity, Qt::Key_Down);
    EXPECT_EQ(t.RecNo(), 2);
    f.ClickNavigator(w.dnCavity, nbInsert);
    EXPECT_EQ(f.Db().cdsCavityD->AsFloat(), 1.5);
    EXPECT_FALSE(f.Db().CavityGridAppend);
    f.ClickNavigator(w.dnCavity, nbCancel);
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);  // a cancelled row posts the dataset
}

// A row that cannot be posted (here without its Y) is dropped without a word.
TEST(CavityPage, ARowThatCannotBePostedIsDroppedSilently) {
    TCavityFixture f(2);
    TFMainDB& w = *f.window;
    f.Key(w.dbgCavity, Qt::Key_Insert);
    w.dbgCavity->SetSelectedIndex(0);
    f.Type(w.dbgCavity, "7");
    f.ClickNavigator(w.dnCavity, nbPost);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_EQ(f.Db().cdsCavity.State(), dsBrowse);
    EXPECT_EQ(Column(f.Db().cdsCavity, "Z"), (std::vector<double>{1, 2}));
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);

    // The same row met by the post of its dataset: the row goes, the dataset is posted.
    f.Key(w.dbgCavity, Qt::Key_Insert);
    w.dbgCavity->SetSelectedIndex(0);
    f.Type(w.dbgCavity, "7");
    f.ClickNavigator(w.dbnDatasets, nbPost);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_EQ(f.Db().cdsCavity.State(), dsBrowse);
    EXPECT_EQ(Column(f.Db().cdsCavity, "Z"), (std::vector<double>{1, 2}));
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
}

// A cell refused as a number says so once for each attempt to leave it; the navigator's Cancel
// drops the edit without a word, and later moves are quiet again.
TEST(CavityPage, AnInvalidNumberIsReportedOnceAndCancelDropsItSilently) {
    TCavityFixture f(3);
    TFMainDB& w = *f.window;
    TClientDataSet& t = f.Db().cdsCavity;
    f.ClickNavigator(w.dnCavity, nbFirst);
    w.dbgCavity->SetSelectedIndex(0);
    w.dbgCavity->SetFocus();
    ASSERT_TRUE(w.dbgCavity->Focused());
    f.Type(w.dbgCavity, "abc");
    f.Key(w.dbgCavity, Qt::Key_Down);
    ASSERT_EQ(f.Messages().size(), 1u);
    EXPECT_EQ(f.Messages()[0], "'abc' is not a valid floating point value for field 'Z'");
    EXPECT_EQ(t.RecNo(), 1);  // the refused cell holds the row
    f.dialogs.Messages.clear();
    // A click as the window system delivers it, which moves the focus as clicks do.
    QWidget* cancel = w.dnCavity->Widget()->findChildren<QPushButton*>(
        QString(), Qt::FindDirectChildrenOnly)[nbCancel];
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(w.dbgCavity->Focused());
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_EQ(t.State(), dsBrowse);
    EXPECT_EQ(Column(t, "Z"), (std::vector<double>{1, 2, 3}));
    f.Key(w.dbgCavity, Qt::Key_Down);
    f.Key(w.dbgCavity, Qt::Key_Tab);
    f.Key(w.dbgCavity, Qt::Key_Up);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_EQ(w.dbgCavity->SelectedIndex(), 1);

    // The same in a new row, left by a click on another row and by Tab.
    f.ClickNavigator(w.dnCavity, nbInsert);
    w.dbgCavity->SetSelectedIndex(0);
    f.Type(w.dbgCavity, "abc");
    f.Key(w.dbgCavity, Qt::Key_Tab);
    EXPECT_EQ(f.Messages().size(), 1u);
    f.dialogs.Messages.clear();
    f.ClickNavigator(w.dnCavity, nbCancel);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_EQ(Column(t, "Z"), (std::vector<double>{1, 2, 3}));
    f.Key(w.dbgCavity, Qt::Key_Down);
    f.Key(w.dbgCavity, Qt::Key_Up);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});

    // Left by a click on another row's cell.
    f.Type(w.dbgCavity, "abc");
    auto* view = static_cast<QTableView*>(w.dbgCavity->Widget());
    const QPoint third =
        view->viewport()->mapTo(view, view->visualRect(view->model()->index(2, 0)).center());
    f.Click(w.dbgCavity, third);
    EXPECT_EQ(f.Messages().size(), 1u);
    f.dialogs.Messages.clear();
    f.ClickNavigator(w.dnCavity, nbCancel);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    f.Click(w.dbgCavity, third);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_EQ(t.RecNo(), 3);
    EXPECT_EQ(Column(t, "Z"), (std::vector<double>{1, 2, 3}));
}

// The navigator's "+" hands the new row to the keyboard: the grid has the focus in the row's
// first cell, so that what is typed next goes there.
TEST(CavityPage, ANewRowOfTheNavigatorTakesTheFocusInItsFirstCell) {
    TCavityFixture f(2);
    TFMainDB& w = *f.window;
    f.ClickNavigator(w.dnCavity, nbFirst);
    w.DBEdit3->SetFocus();
    w.dbgCavity->SetSelectedIndex(w.dbgCavity->VisibleColumn(1)->Index());
    QWidget* insert = w.dnCavity->Widget()->findChildren<QPushButton*>(
        QString(), Qt::FindDirectChildrenOnly)[nbInsert];
    QTest::mouseClick(insert, Qt::LeftButton);
    EXPECT_EQ(f.Db().cdsCavity.State(), dsInsert);
    EXPECT_TRUE(w.dbgCavity->Focused());
    EXPECT_EQ(w.dbgCavity->SelectedIndex(), w.dbgCavity->VisibleColumn(0)->Index());
    TUserInput::Key(&w, Qt::Key_5, "5");
    TUserInput::Key(&w, Qt::Key_Tab);
    TUserInput::Key(&w, Qt::Key_1, "1");
    f.ClickNavigator(w.dnCavity, nbPost);
    EXPECT_EQ(Column(f.Db().cdsCavity, "Z"), (std::vector<double>{5, 1, 2}));
}

TEST(CavityPage, TheLastColumnFillsTheGridBut40Pixels) {
    TCavityFixture f(2);
    TFMainDB& w = *f.window;
    for (int width : {900, 820, 1100}) {
        w.SetBounds(0, 0, width, 650);
        w.FormResize();
        TDBGridColumns& c = *w.dbgCavity->Columns();
        EXPECT_EQ(c[3]->Width(), w.dbgCavity->Width() - 72 - 72 - 75 - 40) << width;
    }
}

TEST(CavityPage, GeneratrixFileAndTemperaturePointsFollowingTheProfile) {
    TCavityFixture f(0);
    TFMainDB& w = *f.window;
    const std::string file = f.dir.File("g.txt");
    {
        std::ofstream out(file, std::ios::binary);
        out << GeneratrixFileBytes({{0, 1}, {{2, 1}, {2, 0}}});
    }
    f.dialogs.FileAnswers.push_back({file});
    f.Click(w.btnLoadGeneratrix);
    EXPECT_EQ(f.dialogs.FileRequests[0].Title,
              "KAVRI320: Load Generatrix Coordinates (Z, Y) from Text File");
    EXPECT_EQ(Column(f.Db().cdsCavity, "Z"), (std::vector<double>{2, 2}));
    EXPECT_EQ(f.Db().cdsMain.FieldByName("R0")->AsFloat(), 1);
    EXPECT_TRUE(f.Messages().empty());

    // A point a quarter of the way along the profile (length 3), then the last node deleted:
    // the point keeps its Xi and moves with the shorter profile.
    TClientDataSet& t = f.Db().cdsTemperatures;
    t.Append();
    t.FieldByName("Xi")->SetAsFloat(0.25);
    t.FieldByName("T")->SetAsFloat(900);
    t.Post();
    f.ClickNavigator(w.dnCavity, nbLast);
    f.ClickNavigator(w.dnCavity, nbDelete);  // asked "Delete record?", answered Yes
    ASSERT_EQ(f.Db().cdsCavity.RecordCount(), 1);
    EXPECT_NEAR(t.FieldByName("Z")->AsFloat(), 0.5, 1e-12);
    EXPECT_NEAR(t.FieldByName("R")->AsFloat(), 1, 1e-12);
    EXPECT_EQ(t.FieldByName("isf")->AsInteger(), 1);
}

TEST(SurfaceRangeDialogs, DeleteRanges) {
    const struct {
        int item, current, from, to;
        std::vector<double> left;
    } cases[] = {
        {riFirstToCurrent, 3, 0, 0, {4, 5}},
        {riCurrentToLast, 3, 0, 0, {1, 2}},
        {riFromTo, 1, 2, 4, {1, 5}},
    };
    for (const auto& c : cases) {
        TCavityFixture f(5);
        f.Db().cdsCavity.SetRecNo(c.current);
        TFDelete d(nullptr, f.Db());
        d.Show();
        EXPECT_EQ(d.Caption(), "KAVRI320: Delete Generatrix Nodes");
        EXPECT_EQ(d.StatusBar1->Panels()->Items(0)->Text(), "Cylinder: 5 surfaces");
        EXPECT_EQ(d.rgSurfaces->ItemIndex(), riAll);
        f.ClickRadio(d.rgSurfaces, c.item);
        EXPECT_EQ(d.gbSurfaces->Visible(), c.item == riFromTo);
        if (c.item == riFromTo) {
            d.seFrom->SetValue(c.from);
            d.seTo->SetValue(c.to);
        }
        f.Click(d.btnOK);
        EXPECT_EQ(Column(f.Db().cdsCavity, "D"), c.left);
        EXPECT_FALSE(d.Visible());
        EXPECT_EQ(d.StatusBar1->Panels()->Items(1)->Text(), " Done.");
    }
    TCavityFixture f(5);
    TFDelete d(nullptr, f.Db());
    d.Show();
    f.ClickRadio(d.rgSurfaces, riFromTo);
    d.seFrom->SetValue(4);
    d.seTo->SetValue(2);
    f.Click(d.btnOK);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Incorrect node numbers: from 4 to 2"});
    EXPECT_EQ(f.Db().cdsCavity.RecordCount(), 5);
    EXPECT_FALSE(d.Visible());
}

TEST(SurfaceRangeDialogs, AssignChecksItsValuesAndEraseEmpties) {
    TCavityFixture f(3);
    TFAssignED a(nullptr, f.Db());
    a.Show();
    EXPECT_EQ(a.StatusBar1->Panels()->Items(0)->Text(), "Cylinder: 3 surfaces");
    f.Type(a.edEmissivity, "1.0001");
    f.Type(a.edDiffusity, "0");
    f.Click(a.btnOK);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Emissivity must be from 0 to 1"});
    EXPECT_TRUE(a.Visible());
    f.Retype(a.edEmissivity, "1");
    f.Click(a.btnOK);
    EXPECT_FALSE(a.Visible());
    EXPECT_EQ(Column(f.Db().cdsCavity, "Emissivity"), (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(Column(f.Db().cdsCavity, "Diffusity"), (std::vector<double>{0, 0, 0}));

    TFEraseED e(nullptr, f.Db());
    e.Show();
    EXPECT_EQ(e.Caption(), "KAVRI320: Erase Emissivity and Diffusity");
    f.Click(e.btnOK);
    EXPECT_EQ(Column(f.Db().cdsCavity, "Emissivity"), (std::vector<double>{-1, -1, -1}));
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
}

}  // namespace

namespace {
// A larger window goes to the profile and the temperature plots: the controls below them keep
// their size.
TEST(CavityPage, TheProfileTakesTheRoomOfALargerWindow) {
    TCavityFixture f(2);
    TFMainDB& w = *f.window;
    const int chart = w.chCavity->Height(), grid = w.dbgCavity->Height();
    w.Widget()->resize(w.Width() + 400, w.Height() + 300);
    EXPECT_EQ(w.chCavity->Height(), chart + 300);
    EXPECT_EQ(w.chCavity->Width(), w.tsCavity->ClientWidth());
    EXPECT_EQ(w.dbgCavity->Height(), grid);
    // The temperature page's plots the same.
    w.PageControl1->SetActivePage(w.tsTemperature);
    const int plots = w.pcT->Height(), points = w.dbgT->Height();
    w.Widget()->resize(w.Width(), w.Height() + 100);
    EXPECT_EQ(w.pcT->Height(), plots + 100);
    EXPECT_EQ(w.dbgT->Height(), points);
}

// The window's other parts the same way: on each page and in the frame, a grid takes the room a
// larger window gives below it, the controls under it move down (a page's status bar spans its
// bottom), the close button keeps to the right, and the buttons and the kind's picture beside a
// grid stay where they are.
TEST(MainWindowPages, EachPagesControlsFollowALargerWindow) {
    TCavityFixture f(2);
    TFMainDB& w = *f.window;
    constexpr int dx = 400, dy = 300;
    struct TCase {
        const char* Name;
        TTabSheet* Page;  // null: the frame
        TControl* Control;
        int Left, Top, Width, Height;  // what each gains
    };
    const TCase cases[] = {
        {"datasets grid", nullptr, w.dbgDatasets, 0, 0, 0, dy},
        {"datasets navigator", nullptr, w.dbnDatasets, 0, dy, 0, 0},
        {"datasets position", nullptr, w.sbDatasets, 0, dy, 0, 0},
        {"comments", nullptr, w.dbmDatasets, 0, dy, 0, 0},
        {"compute", nullptr, w.btnCompute, 0, 0, 0, 0},
        {"close", nullptr, w.btnClose, dx, 0, 0, 0},
        {"viewing conditions grid", w.tsVC, w.dbgVC, 0, 0, 0, dy},
        {"viewing conditions navigator", w.tsVC, w.dbnVC, 0, dy, 0, 0},
        {"viewing conditions position", w.tsVC, w.sbVC, 0, dy, dx, 0},
        {"kind picture", w.tsVC, w.pcVCTop, 0, 0, 0, 0},
        {"clear conditions", w.tsVC, w.btnClearVC, 0, 0, 0, 0},
        {"wavelengths grid", w.tsW, w.dbgW, 0, 0, 0, dy},
        {"wavelengths navigator", w.tsW, w.dbnW, 0, dy, 0, 0},
        {"wavelengths position", w.tsW, w.sbW, 0, dy, dx, 0},
        {"clear wavelengths", w.tsW, w.btnClearW, 0, 0, 0, 0},
    };
    auto bounds = [](const TControl* c) {
        return TRect{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
    };
    const int width = w.Width(), height = w.Height();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.Page) w.PageControl1->SetActivePage(c.Page);
        const TRect before = bounds(c.Control);
        w.Widget()->resize(width + dx, height + dy);
        const TRect after = bounds(c.Control);
        EXPECT_EQ(after.Left - before.Left, c.Left);
        EXPECT_EQ(after.Top - before.Top, c.Top);
        EXPECT_EQ(after.Width() - before.Width(), c.Width);
        EXPECT_EQ(after.Height() - before.Height(), c.Height);
        w.Widget()->resize(width, height);
        EXPECT_EQ(bounds(c.Control), before);
    }
}

}  // namespace
