// The Temperatures page: points derived from Xi on the profile, Add Nodes, Split, the two clears
// and the Add New Point dialog.
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StatusBar.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/ProfileEdits.h"
#include "workbench/windows/NewTemperaturePointDialog.h"

namespace {

std::vector<double> Column(TClientDataSet& t, const char* name) {
    const TBookmark here = t.GetBookmark();
    std::vector<double> values;
    for (t.First(); !t.Eof(); t.Next())
        values.push_back(t.FieldByName(name)->IsNull() ? -1 : t.FieldByName(name)->AsFloat());
    t.GotoBookmark(here);
    return values;
}

void ExpectNear(const std::vector<double>& got, const std::vector<double>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-12) << i;
}

// A dataset whose profile runs (0,1) -> (2,1) -> (2,0): length 3, Xi 2/3 at the middle node.
struct TTemperaturesFixture : TMainWindowFixture {
    TTemperaturesFixture() {
        Start();
        InsertDataset("Cylinder");
        window->PageControl1->SetActivePage(window->tsTemperature);
        ReplaceGeneratrix(Db(), {{0, 1}, {{2, 1}, {2, 0}}});
        dialogs.Messages.clear();
    }
    TClientDataSet& T() { return Db().cdsTemperatures; }
};

TEST(TemperaturesPage, AddNodesSplitAndClear) {
    TTemperaturesFixture f;
    TFMainDB& w = *f.window;
    f.Click(w.btnAddNodes);
    ExpectNear(Column(f.T(), "Xi"), {0, 2.0 / 3, 1});
    ExpectNear(Column(f.T(), "Z"), {0, 2, 2});
    EXPECT_EQ(Column(f.T(), "isf"), (std::vector<double>{1, 1, 2}));
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);

    // Temperatures typed, then the middle point split: two points 0.0001 either side, empty T.
    for (f.T().First(); !f.T().Eof(); f.T().Next()) {
        f.T().Edit();
        f.T().FieldByName("T")->SetAsFloat(900);
        f.T().Post();
    }
    f.T().SetRecNo(2);
    f.Click(w.btnSplit);
    ExpectNear(Column(f.T(), "Xi"), {0, 2.0 / 3 - 0.0001, 2.0 / 3 + 0.0001, 1});
    EXPECT_EQ(Column(f.T(), "T"), (std::vector<double>{900, -1, -1, 900}));
    // The last point splits to 0.9999 and 1.
    f.T().Last();
    f.Click(w.btnSplit);
    ExpectNear(Column(f.T(), "Xi"), {0, 2.0 / 3 - 0.0001, 2.0 / 3 + 0.0001, 0.9999, 1});
    f.T().First();
    f.Click(w.btnSplit);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"First point cannot be splitted"});

    f.Click(w.btnClearT);
    EXPECT_EQ(Column(f.T(), "T"), (std::vector<double>{-1, -1, -1, -1, -1}));
    f.Click(w.btnClearAll);
    EXPECT_TRUE(f.T().IsEmpty());
    EXPECT_EQ(w.sbT->SimpleText(), "Dataset is empty");
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
}

TEST(TemperaturesPage, ASplitThatCollidesPutsThePointBackWithItsTemperature) {
    TTemperaturesFixture f;
    // The neighbour sits exactly where the split's upper point would go.
    for (double xi : {0.0, 0.5, 0.5 + 0.0001}) {
        f.T().Append();
        f.T().FieldByName("Xi")->SetAsFloat(xi);
        f.T().FieldByName("T")->SetAsFloat(1000 * (xi + 1));
        f.T().Post();
    }
    f.T().SetRecNo(2);
    f.Click(f.window->btnSplit);
    EXPECT_EQ(f.Messages(),
              std::vector<std::string>{"Operation failed. Possible key duplication."});
    ExpectNear(Column(f.T(), "Xi"), {0, 0.4999, 0.5, 0.5001});
    EXPECT_EQ(Column(f.T(), "T")[2], 1500);
}

TEST(NewTemperaturePointDialog, TheSliderPlacesThePoint) {
    TTemperaturesFixture f;
    TFNewTPoint d(nullptr, f.Db(), *f.window->sFloatingPoint);
    d.Show();
    EXPECT_EQ(d.Caption(), "KAVRI320: Add New Point");
    EXPECT_EQ(d.edXi->Text(), "0.00000");
    d.sbXi->SetPosition(25000);
    EXPECT_EQ(d.edXi->Text(), "0.25000");
    EXPECT_EQ(d.edZ->Text(), "0.75000");  // a quarter of the length 3
    EXPECT_EQ(d.edR->Text(), "1.00000");
    EXPECT_EQ(d.edIsf->Text(), "1");
    f.Click(d.btnAppend);
    f.Click(d.btnAppend);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"Possible Xi duplication"});
    ExpectNear(Column(f.T(), "Xi"), {0.25});
    ExpectNear(Column(f.T(), "Z"), {0.75});
    EXPECT_TRUE(d.Visible());
}

}  // namespace
