// The Wavelengths page and its regular set dialog, driven by clicks and keys, and the wavelength
// and dataset text files through the file dialogs.
#include <fstream>
#include <iterator>

#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/UpDown.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/GeneratrixFile.h"
#include "workbench/ProfileEdits.h"
#include "workbench/windows/RegularWavelengthsDialog.h"

namespace {

std::string FileText(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(RegularWavelengthsDialog, AppendsTheSetAndStaysOpenOnEveryMessage) {
    TMainWindowFixture f;
    f.Start();
    f.InsertDataset("Cone");
    f.dialogs.Messages.clear();
    TFRegularW d(nullptr, f.Db());
    d.Show();
    EXPECT_EQ(d.Caption(), "KAVRI320: Regular Wavelengths Set");
    EXPECT_EQ(d.rgSpecify->ItemIndex(), 1);
    EXPECT_FALSE(d.UpDown1->Visible());
    EXPECT_EQ(d.edSpecify->EditLabel()->Caption(), "Step in \u00B5m: ");

    f.Type(d.edLeft, "1");
    f.Type(d.edRight, "2");
    f.Type(d.edSpecify, "0.25");
    f.Click(d.btnAppendW);
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_EQ(WavelengthsOfDataset(f.Db()), (std::vector<double>{1, 1.25, 1.5, 1.75, 2}));
    EXPECT_TRUE(d.Visible());

    // Number mode: the label, the text "2" and the up-down buttons change with the choice.
    f.ClickRadio(d.rgSpecify, 0);
    EXPECT_EQ(d.rgSpecify->ItemIndex(), 0);
    EXPECT_TRUE(d.UpDown1->Visible());
    EXPECT_EQ(d.edSpecify->EditLabel()->Caption(), "Number of Wavelengths: ");
    EXPECT_EQ(d.edSpecify->Text(), "2");
    f.Retype(d.edSpecify, "3");
    f.Click(d.btnAppendW);  // 1, 1.5, 2 are all there already
    EXPECT_EQ(f.Messages().size(), 3u);
    EXPECT_EQ(f.Messages()[1], "Record duplication: Wavelength = 1.5 \u00B5m\rSkipped.");

    // With the clear box checked, the old list is gone before Max is found wrong.
    f.dialogs.Messages.clear();
    f.Click(d.cbClear, QPoint(6, d.cbClear->Height() / 2));
    EXPECT_TRUE(d.cbClear->Checked());
    f.Retype(d.edRight, "abc");
    f.Click(d.btnAppendW);
    ASSERT_EQ(f.dialogs.Messages.size(), 2u);
    EXPECT_EQ(f.dialogs.Messages[0].Text, "All wavelengths will be erased.\rContinue?");
    EXPECT_EQ(f.dialogs.Messages[1].Text, "Invalid value for Max.Wavelength");
    EXPECT_TRUE(f.Db().cdsWavelengths.IsEmpty());
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
}

// The label of the number or step field keeps clear of the field whatever its caption: a click
// on the field's left half reaches the field, and what is typed there is shown.
TEST(RegularWavelengthsDialog, TheSpecifyLabelStaysLeftOfItsField) {
    TMainWindowFixture f;
    f.Start();
    f.InsertDataset("Cone");
    TFRegularW d(nullptr, f.Db());
    d.Show();
    for (int item : {0, 1, 0}) {
        f.ClickRadio(d.rgSpecify, item);
        const TLabel* label = d.edSpecify->EditLabel();
        SCOPED_TRACE(label->Caption());
        EXPECT_LE(label->Left() + label->Width(), d.edSpecify->Left());
        EXPECT_GE(label->Left(), 0);
        const QPoint leftHalf(d.edSpecify->Left() + 4, d.edSpecify->Top() + 8);
        EXPECT_EQ(d.Widget()->childAt(leftHalf), d.edSpecify->Widget());
        TUserInput().Click(&d, leftHalf);
        EXPECT_TRUE(d.edSpecify->Focused());
        f.Retype(d.edSpecify, "12");
        EXPECT_EQ(d.edSpecify->Text(), "12");
    }
}

TEST(WavelengthsPage, FilesAndClear) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Cone");
    const std::string file = f.dir.File("w.txt");
    {
        std::ofstream out(file, std::ios::binary);
        out << WavelengthFileBytes({0.5, 10, 3});
    }
    w.PageControl1->SetActivePage(w.tsW);
    f.dialogs.FileAnswers.push_back({file});
    f.Click(w.btnLoadW);
    ASSERT_EQ(f.dialogs.FileRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.FileRequests[0].Title, "KAVRI320: Load Wavelengths from Text File");
    EXPECT_EQ(f.dialogs.FileRequests[0].Filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(WavelengthsOfDataset(f.Db()), (std::vector<double>{0.5, 3, 10}));
    EXPECT_EQ(w.sbW->SimpleText(),
              "Record " + std::to_string(f.Db().cdsWavelengths.RecNo()) + " of 3");

    const std::string saved = f.dir.File("saved.txt");
    f.dialogs.FileAnswers.push_back({saved});
    f.Click(w.btnSaveW);
    EXPECT_EQ(f.dialogs.FileRequests[1].Title, "KAVRI320: Save Wavelength in Text File");
    EXPECT_EQ(f.dialogs.FileRequests[1].FileName, "Cone");
    EXPECT_EQ(FileText(saved), WavelengthFileBytes({0.5, 3, 10}));

    // A file that cannot be read changes nothing.
    f.dialogs.Messages.clear();
    f.dialogs.FileAnswers.push_back({f.dir.File("missing.txt")});
    f.Click(w.btnLoadW);
    EXPECT_EQ(f.Messages(),
              std::vector<std::string>{"Cannot open file " + f.dir.File("missing.txt")});
    EXPECT_EQ(f.Db().cdsWavelengths.RecordCount(), 3);

    f.Click(w.btnClearW);
    EXPECT_TRUE(f.Db().cdsWavelengths.IsEmpty());
    EXPECT_EQ(w.sbW->SimpleText(), "Dataset is empty");
}

TEST(MainWindow, ADatasetSavedAsTextComesBackAsANewDataset) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Cylinder");
    TDatasetDatabase& db = f.Db();
    db.cdsMain.Edit();
    db.cdsMain.FieldByName("Tref")->SetAsFloat(1000);
    db.cdsMain.FieldByName("R0")->SetAsFloat(1);
    db.cdsMain.FieldByName("Rem")->SetAsString("first line\r\nsecond line");
    db.cdsMain.Post();
    ReplaceGeneratrix(db, {{0, 1}, {{2, 1}, {2, 0}}});
    AssignSurfaceValues(db, {1, 2}, 0.9, 1);
    AppendWavelengths(db, {1, 10});
    db.cdsTemperatures.Append();
    db.cdsTemperatures.FieldByName("Xi")->SetAsFloat(0.25);
    db.cdsTemperatures.FieldByName("T")->SetAsFloat(900);
    // The temperatures page derives these from Xi: a quarter of the length 3 is on surface 1.
    db.cdsTemperatures.FieldByName("Z")->SetAsFloat(0.75);
    db.cdsTemperatures.FieldByName("R")->SetAsFloat(1);
    db.cdsTemperatures.FieldByName("isf")->SetAsInteger(1);
    db.cdsTemperatures.Post();
    db.cdsVC0.Append();
    db.cdsVC0.FieldByName("YB")->SetAsFloat(0);
    db.cdsVC0.FieldByName("RB")->SetAsFloat(0.5);
    db.cdsVC0.Post();
    PostIfEditing(db.cdsMain);
    f.dialogs.Messages.clear();

    const std::string file = f.dir.File("cylinder.txt");
    f.dialogs.FileAnswers.push_back({file});
    f.Click(w.btnSaveDataset);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    ASSERT_EQ(f.dialogs.FileRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.FileRequests.back().Title, "KAVRI320: Save Initial Data in Text File");
    db.Clock = [] { return 50000.0; };  // the copy is created later
    f.dialogs.FileAnswers.push_back({file});
    f.Click(w.btnLoadDataset);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{});
    ASSERT_EQ(db.cdsMain.RecordCount(), 2);
    EXPECT_EQ(db.cdsMainDatasetName->AsString(), "Cylinder");
    EXPECT_EQ(db.cdsMain.FieldByName("Rem")->AsString(),
              "first line\r\nsecond line\r\nLoaded from " + file);
    EXPECT_EQ(GeneratrixOfDataset(db).Nodes.size(), 2u);
    EXPECT_EQ(WavelengthsOfDataset(db), (std::vector<double>{1, 10}));
    ASSERT_EQ(db.cdsTemperatures.RecordCount(), 1);
    // The point's place is derived again on the new profile.
    EXPECT_NEAR(db.cdsTemperatures.FieldByName("Z")->AsFloat(), 0.75, 1e-12);
    EXPECT_NEAR(db.cdsTemperatures.FieldByName("R")->AsFloat(), 1, 1e-12);
    EXPECT_EQ(db.cdsTemperatures.FieldByName("isf")->AsInteger(), 1);
    EXPECT_EQ(db.cdsVC0.RecordCount(), 1);
    EXPECT_EQ(w.sbDatasets->SimpleText().substr(0, 7), "Record ");
}

}  // namespace
