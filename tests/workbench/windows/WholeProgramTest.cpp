// The program as a user meets it: started on an empty folder, a dataset made through the windows
// (profile, temperatures, wavelengths, viewing conditions), closed, started again, and everything
// found as it was left.
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/StatusBar.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/ProfileEdits.h"
#include "workbench/windows/RegularVCDialogs.h"
#include "workbench/windows/RegularWavelengthsDialog.h"

namespace {

TEST(WholeProgram, ADatasetMadeThroughTheWindowsSurvivesARestart) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    EXPECT_TRUE(w.Label1->Visible());
    f.dialogs.Messages.clear();  // the message of the empty database
    f.InsertDataset("Cylinder");

    // Profile: the start node in its edits, two nodes typed into the grid.
    w.PageControl1->SetActivePage(w.tsCavity);
    f.Retype(w.DBEdit4, "1");
    f.Key(w.DBEdit4, Qt::Key_Return);
    f.Key(w.dbgCavity, Qt::Key_Insert);
    w.dbgCavity->SetSelectedIndex(0);
    for (const char* cell : {"2", "1", "0.9", "1"}) {
        f.Type(w.dbgCavity, cell);
        f.Key(w.dbgCavity, Qt::Key_Tab);
    }
    w.dbgCavity->SetSelectedIndex(0);
    for (const char* cell : {"2", "0", "0.8"}) {
        f.Type(w.dbgCavity, cell);
        f.Key(w.dbgCavity, Qt::Key_Tab);
    }
    f.Type(w.dbgCavity, "0.5");
    f.ClickNavigator(w.dnCavity, nbPost);
    ASSERT_EQ(f.Db().cdsCavity.RecordCount(), 2);

    // Temperatures at the nodes, and the reference temperature.
    w.PageControl1->SetActivePage(w.tsTemperature);
    f.Click(w.btnAddNodes);
    ASSERT_EQ(f.Db().cdsTemperatures.RecordCount(), 3) << testing::PrintToString(f.Messages());
    f.Retype(w.DBEdit1, "1000");
    f.Key(w.DBEdit1, Qt::Key_Return);

    // Wavelengths and viewing conditions through their dialogs.
    {
        TFRegularW d(nullptr, f.Db());
        d.Show();
        f.Type(d.edLeft, "1");
        f.Type(d.edRight, "3");
        f.Type(d.edSpecify, "1");
        f.Click(d.btnAppendW);
    }
    {
        TFRegularVC d(nullptr, f.Db(), 0);
        d.Show();
        f.Type(d.edMin[0], "0");
        f.Type(d.edMax[0], "0.5");
        f.Type(d.edMin[1], "0");
        f.Click(d.btnAppenVC);
    }
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    f.Click(w.btnClose);
    f.Stop();

    TFMainDB& again = f.Start();
    EXPECT_TRUE(f.Messages().empty());
    TDatasetDatabase& db = f.Db();
    ASSERT_EQ(db.cdsMain.RecordCount(), 1);
    EXPECT_EQ(db.cdsMainDatasetName->AsString(), "Cylinder");
    EXPECT_EQ(db.cdsMain.FieldByName("R0")->AsFloat(), 1);
    EXPECT_EQ(db.cdsMain.FieldByName("Tref")->AsFloat(), 1000);
    const TGeneratrix g = GeneratrixOfDataset(db);
    ASSERT_EQ(g.Nodes.size(), 2u);
    EXPECT_EQ(g.Nodes[1].Z, 2);
    EXPECT_EQ(db.cdsTemperatures.RecordCount(), 3);
    EXPECT_EQ(WavelengthsOfDataset(db), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(db.cdsVC0.RecordCount(), 2);
    EXPECT_TRUE(again.PageControl1->Visible());
    EXPECT_EQ(again.sbDatasets->SimpleText(), "Record 1 of 1");
}

}  // namespace
