// The Viewing Conditions page and its two regular dialogs, driven by clicks and keys.
#include <QImage>
#include <QWidget>
#include <set>

#include "engine/CavityOutline.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DBRadioGroup.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/StatusBar.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/ProfileEdits.h"
#include "workbench/windows/RegularVCDialogs.h"

namespace {

std::vector<std::string> Titles(TDBGrid* grid) {
    std::vector<std::string> titles;
    for (int i = 0; i < grid->Columns()->Count(); ++i)
        titles.push_back(grid->Columns()->Items(i)->Title()->Caption());
    return titles;
}

std::vector<std::vector<double>> Rows(TClientDataSet& t, int fields) {
    std::vector<std::vector<double>> rows;
    for (t.First(); !t.Eof(); t.Next()) {
        rows.emplace_back();
        for (int p = 0; p < fields; ++p) rows.back().push_back(t.Fields(p)->AsFloat());
    }
    return rows;
}

// The pixels of the drawing's ray colour in what the control shows.
int RayPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == qRgb(30, 90, 220);
    return count;
}

struct TVCFixture : TMainWindowFixture {
    TVCFixture() {
        Start();
        InsertDataset("Cylinder");
        window->PageControl1->SetActivePage(window->tsVC);
        dialogs.Messages.clear();
    }
};

TEST(ViewingConditionsPage, ChoosingAKindPostsItAndRebuildsTheGrid) {
    TVCFixture f;
    TFMainDB& w = *f.window;
    EXPECT_EQ(Titles(w.dbgVC), (std::vector<std::string>{"YB", "RB"}));
    EXPECT_EQ(w.pEE->Caption(), "Normal Effective Emissivity");
    EXPECT_EQ(w.sbVC->SimpleText(), "Dataset is empty");

    f.ClickRadio(w.dbrgVC, 1);
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
    EXPECT_EQ(f.Db().cdsMain.FieldByName("ViewIndex")->AsInteger(), 1);
    EXPECT_EQ(Titles(w.dbgVC), (std::vector<std::string>{"ZB", "RB", "b"}));
    EXPECT_EQ(w.pEE->Caption(), "Directional Effective Emissivity");
    EXPECT_EQ(w.pcVCTop->ActivePageIndex(), 1);
    TClientDataSet& vc1 = f.Db().cdsVC1;
    vc1.Append();
    vc1.FieldByName("ZB")->SetAsFloat(1);
    vc1.Post();
    EXPECT_EQ(w.sbVC->SimpleText(), "Record 1 of 1");

    f.ClickRadio(w.dbrgVC, 4);
    EXPECT_EQ(Titles(w.dbgVC), (std::vector<std::string>{"Xi", "Z", "Y", "Surface #"}));
    EXPECT_TRUE(w.dbgVC->Columns()->Items(3)->ReadOnly());
    EXPECT_EQ(w.dbgVC->Columns()->Items(3)->Width(), 61);
    f.ClickRadio(w.dbrgVC, 3);
    f.ClickRadio(w.dbrgVC, 1);
    EXPECT_EQ(vc1.RecordCount(), 1);  // the other kinds' rows stay

    // Clear asks, and an empty table asks nothing.
    f.Click(w.btnClearVC);
    EXPECT_TRUE(vc1.IsEmpty());
    EXPECT_EQ(f.Messages(),
              std::vector<std::string>{"All Viewing Conditions will be erased.\rContinue?"});
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
    f.Click(w.btnClearVC);
    EXPECT_EQ(f.Messages().size(), 1u);
}

// Every kind, chosen with a click, brings up a page that shows a drawing of its own: rays drawn,
// and no two kinds alike.
TEST(ViewingConditionsPage, EachKindShowsItsOwnPicture) {
    TVCFixture f;
    TFMainDB& w = *f.window;
    std::set<std::vector<uchar>> shown;
    for (int kind : {1, 2, 3, 4, 0}) {
        f.ClickRadio(w.dbrgVC, kind);
        ASSERT_EQ(w.pcVCTop->ActivePageIndex(), kind);
        const QImage image =
            w.pcVCTop->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_GT(RayPixels(image), 100) << "kind " << kind;
        shown.insert(
            std::vector<uchar>(image.constBits(), image.constBits() + image.sizeInBytes()));
    }
    EXPECT_EQ(shown.size(), 5u);
}

TEST(ViewingConditionsPage, TargetingStopsAtTheFirstLoaderThatFails) {
    TVCFixture f;
    TFMainDB& w = *f.window;
    bool opened = false;
    w.ShowTargetingView = [&] { opened = true; };
    // A cylinder from its bottom's centre to the lip of its aperture.
    ReplaceGeneratrix(f.Db(), {{0, 0}, {{0, 1}, {2, 1}, {2, 0.5}}});
    f.Click(w.btnTargeting);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"No Viewing Conditions are Specified"});
    EXPECT_FALSE(opened);
    f.Db().cdsVC0.Append();
    f.Db().cdsVC0.FieldByName("YB")->SetAsFloat(0);
    f.Db().cdsVC0.FieldByName("RB")->SetAsFloat(0.5);
    f.Db().cdsVC0.Post();
    f.dialogs.Messages.clear();
    f.Click(w.btnTargeting);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    EXPECT_TRUE(opened);
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
}

TEST(RegularVCDialog, DirectionalAngleVaryingAndDuplicatesDroppedSilently) {
    TVCFixture f;
    TFRegularVC d(nullptr, f.Db(), 1);
    d.Show();
    EXPECT_EQ(d.Caption(), "KAVRI320: Regular Viewing Conditions");
    EXPECT_EQ(d.StatusBar1->SimpleText(), "Directional Effective Emissivity");
    EXPECT_FALSE(d.edMax[0]->Visible());  // ZB fixed
    EXPECT_TRUE(d.edMax[2]->Visible());   // b varies
    f.Type(d.edMin[0], "1");
    f.Type(d.edMin[1], "0.5");
    f.Type(d.edMin[2], "0");
    f.Type(d.edMax[2], "60");
    f.Retype(d.edN[2], "4");
    f.Click(d.btnAppenVC);
    f.Click(d.btnAppenVC);
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_EQ(Rows(f.Db().cdsVC1, 3), (std::vector<std::vector<double>>{
                                          {1, 0.5, 0}, {1, 0.5, 20}, {1, 0.5, 40}, {1, 0.5, 60}}));
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);

    // Choosing ZB as the variable shows its range and hides b's.
    f.ClickRadio(d.rgVariables, 0);
    EXPECT_TRUE(d.edMax[0]->Visible());
    EXPECT_FALSE(d.edMax[2]->Visible());
    f.Click(d.btnAppenVC);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Invalid value for ZB max."});
    EXPECT_TRUE(d.Visible());
}

TEST(RegularVCDialog, LocalHemisphericalPointsOverTheWholeProfile) {
    TVCFixture f;
    ReplaceGeneratrix(f.Db(), {{0, 1}, {{2, 1}, {2, 0}}});
    std::string message;
    ASSERT_TRUE(LoadCavityOutline(message)) << message;
    TFRegularVCLH d(nullptr, f.Db());
    d.Show();
    EXPECT_EQ(d.edXiFrom->Text(), "   0.000000");
    f.Click(d.cbAllSurfaces, QPoint(6, d.cbAllSurfaces->Height() / 2));
    EXPECT_FALSE(d.seFrom->Visible());
    EXPECT_EQ(d.seTo->Value(), 3);
    EXPECT_EQ(d.edXiTo->Text(), "   1.000000");
    d.seNP->SetValue(3);
    f.Click(d.btnAppend);
    EXPECT_TRUE(f.Messages().empty());
    TClientDataSet& t = f.Db().cdsVC4;
    const auto rows = Rows(t, 4);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], 1e-12);
    EXPECT_EQ(rows[1][0], 0.5);
    EXPECT_EQ(rows[2][0], 1 - 1e-12);
    EXPECT_NEAR(rows[1][1], 1.5, 1e-12);  // Z, Y and the surface follow from Xi
    EXPECT_NEAR(rows[1][2], 1, 1e-12);
    EXPECT_EQ(rows[1][3], 1);
    EXPECT_EQ(d.edNPTotal->Text(), "3");

    // More than 201 in all is refused, nothing added.
    d.seNP->SetValue(200);
    f.Click(d.btnAppend);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Too many points\rOnly 201 allowed"});
    EXPECT_EQ(t.RecordCount(), 3);
}

}  // namespace
