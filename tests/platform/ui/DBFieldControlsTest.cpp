#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRadioButton>

#include "platform/db/ClientDataSet.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/DBRadioGroup.h"
#include "platform/ui/DBText.h"
#include "platform/ui/Form.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// Two records with a temperature limited to 0..5000 shown with four decimals, a kind, a memo
// and a choice of text.
struct TFieldFixture {
    TRecordingDialogService dialogs;
    TClientDataSet ds;
    TFloatField* T;
    TSmallintField* Kind;
    TMemoField* Rem;
    TStringField* Mode;
    TDataSource source;
    TForm form{nullptr};

    TFieldFixture() {
        T = ds.AddField<TFloatField>("T");
        T->SetMinValue(0);
        T->SetMaxValue(5000);
        T->SetDisplayFormat("0.0000");
        Kind = ds.AddField<TSmallintField>("Kind");
        Rem = ds.AddField<TMemoField>("Rem");
        Mode = ds.AddField<TStringField>("Mode", 10);
        ds.CreateDataSet();
        const std::pair<double, int> rows[] = {{300, 2}, {1000.5, 7}};
        for (auto [t, kind] : rows) {
            ds.Append();
            T->SetAsFloat(t);
            Kind->SetAsInteger(kind);
            ds.Post();
        }
        source.SetDataSet(&ds);
        ds.First();
    }
    template <class C>
    C* Bound(const char* field) {
        auto* control = new C(&form);
        control->SetParent(&form);
        control->SetDataSource(&source);
        control->SetDataField(field);
        return control;
    }
    static void Exit(TControl* control) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(control->Widget(), &out);
    }
    static void Key(TControl* control, int qtKey) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QCoreApplication::sendEvent(control->Widget(), &press);
    }
    static void Enter(TControl* control) {
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(control->Widget(), &in);
    }
    static void Type(TControl* control, const std::string& text) {
        for (char c : text) TUserInput::Key(control, 0, QString(QChar(c)));
    }
};

TEST(DBEdit, ShowsTheFieldAndWritesTypedTextOnExitOrEnter) {
    TFieldFixture f;
    auto* edit = f.Bound<TDBEdit>("T");
    EXPECT_EQ(edit->Text(), "300.0000");  // display text while browsing
    f.ds.Next();
    EXPECT_EQ(edit->Text(), "1000.5000");

    edit->SetText("1200");  // what the user typed
    EXPECT_EQ(f.ds.State(), dsEdit);
    EXPECT_EQ(edit->Text(), "1200");
    f.Exit(edit);
    EXPECT_DOUBLE_EQ(f.T->AsFloat(), 1200);

    edit->SetText("9000");  // refused by the field: reported, the text stays for correction
    f.Key(edit, Qt::Key_Return);
    ASSERT_EQ(f.dialogs.Messages.size(), 1u);
    EXPECT_NE(f.dialogs.Messages[0].Text.find("allowed range is 0 to 5000"), std::string::npos);
    EXPECT_EQ(edit->Text(), "9000");
    EXPECT_THROW(f.ds.Post(), ERangeError);  // posting writes the pending text first
    f.Key(edit, Qt::Key_Escape);             // Esc brings the field's text back
    EXPECT_EQ(edit->Text(), "1200");
    f.ds.Post();
    EXPECT_EQ(edit->Text(), "1200.0000");

    f.source.SetAutoEdit(false);  // the source does not start editing: typing is undone
    edit->SetText("5");
    EXPECT_EQ(f.ds.State(), dsBrowse);
    EXPECT_EQ(edit->Text(), "1200.0000");
}

// Every key lands where the caret is, whether the key starts the edit or the dataset edits
// already: starting the edit never shows the field again over what was typed.
TEST(DBFieldControls, KeysLandAtTheCaretWhetherOrNotTheDatasetEdits) {
    for (bool editing : {false, true}) {
        SCOPED_TRACE(editing ? "dataset editing" : "dataset browsing");
        TFieldFixture f;
        auto* edit = f.Bound<TDBEdit>("T");
        auto* memo = f.Bound<TDBMemo>("Rem");
        if (editing) f.ds.Edit();
        f.Enter(edit);
        EXPECT_EQ(edit->Text(), "300");  // in the edit, the text to edit, not the display text
        TUserInput::Key(edit, Qt::Key_Home);
        TUserInput::Key(edit, Qt::Key_Delete);
        f.Type(edit, "42");
        EXPECT_EQ(f.ds.State(), dsEdit);
        EXPECT_EQ(edit->Text(), "4200");
        f.Exit(edit);
        EXPECT_DOUBLE_EQ(f.T->AsFloat(), 4200);
        EXPECT_EQ(edit->Text(), "4200");  // edit text while the dataset edits

        if (!editing) f.ds.Post();
        f.Enter(memo);
        f.Type(memo, "Hi there");
        TUserInput::Key(memo, Qt::Key_Home);
        f.Type(memo, ">");
        EXPECT_EQ(f.ds.State(), dsEdit);
        EXPECT_EQ(memo->Lines()->Text(), ">Hi there\r\n");
        f.Exit(memo);
        f.ds.Post();
        EXPECT_EQ(f.Rem->AsString(), ">Hi there");
        EXPECT_EQ(edit->Text(), "4200.0000");  // display text again once posted

        auto* combo = f.Bound<TDBComboBox>("Mode");
        f.ds.Edit();
        f.Mode->SetAsString("fast");
        if (!editing) f.ds.Post();
        TUserInput::Key(combo, Qt::Key_Home);
        f.Type(combo, "12");
        EXPECT_EQ(combo->Text(), "12fast");
        f.ds.Post();
        EXPECT_EQ(f.Mode->AsString(), "12fast");
    }
}

TEST(DBMemo, LinesChangedFromCodeEditTheRecordAndReachTheField) {
    TFieldFixture f;
    auto* memo = f.Bound<TDBMemo>("Rem");
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    memo->Lines()->Add("Loaded from a.txt");
    memo->Lines()->Add("second line");
    EXPECT_EQ(f.ds.State(), dsEdit);
    EXPECT_EQ(changes, 2);
    f.ds.Post();
    EXPECT_EQ(f.Rem->AsString(), "Loaded from a.txt\r\nsecond line");
    f.ds.Next();
    EXPECT_EQ(memo->Lines()->Count(), 0);
    f.ds.Prior();
    EXPECT_EQ(memo->Lines()->Count(), 2);
    memo->SetReadOnly(true);
    memo->Lines()->Add("third");
    EXPECT_EQ(f.ds.State(), dsBrowse);
    EXPECT_EQ(memo->Lines()->Count(), 2);
}

TEST(DBRadioGroup, ValueChangesFireOnChangeAndUserChoicesOnClick) {
    TFieldFixture f;
    auto* group = f.Bound<TDBRadioGroup>("Kind");
    int changes = 0, clicks = 0;
    group->OnChange = [&](TObject*) { ++changes; };
    group->OnClick = [&](TObject*) { ++clicks; };
    for (const char* item : {"Hemispherical", "Directional", "Conical", "Local", "Regular"})
        group->Items()->Add(item);
    for (const char* value : {"0", "1", "2", "3", "4"}) group->Values()->Add(value);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
    f.ds.Next();  // 7 stands for no item
    EXPECT_EQ(group->ItemIndex(), -1);
    f.ds.Append();  // null
    EXPECT_EQ(group->ItemIndex(), -1);
    f.ds.Cancel();
    f.ds.First();
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(changes, 3);  // to 2, to none, back to 2
    EXPECT_EQ(clicks, 0);

    group->Widget()->findChildren<QRadioButton*>()[4]->click();  // the user's choice
    EXPECT_EQ(f.ds.State(), dsEdit);
    EXPECT_EQ(f.Kind->AsInteger(), 4);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 4);
    f.ds.Cancel();
    EXPECT_EQ(group->ItemIndex(), 2);

    group->SetReadOnly(true);  // a choice that cannot be written is taken back
    group->Widget()->findChildren<QRadioButton*>()[0]->click();
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
}

TEST(DBComboBoxAndText, FollowAndWriteTheirFields) {
    TFieldFixture f;
    auto* combo = f.Bound<TDBComboBox>("Mode");
    combo->SetStyle(csDropDownList);
    for (const char* item : {"Fast", "Exact"}) combo->Items()->Add(item);
    auto* text = f.Bound<TDBText>("T");
    EXPECT_EQ(text->Caption(), "300.0000");
    EXPECT_EQ(combo->ItemIndex(), -1);

    auto* box = static_cast<QComboBox*>(combo->Widget());
    box->setCurrentIndex(1);
    Q_EMIT box->activated(1);  // what the user's choice sends
    EXPECT_EQ(f.ds.State(), dsEdit);
    EXPECT_EQ(f.Mode->AsString(), "Exact");
    f.ds.Post();
    f.ds.Next();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(text->Caption(), "1000.5000");
    f.ds.First();
    EXPECT_EQ(combo->ItemIndex(), 1);
}

}  // namespace
