#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableView>

#include "platform/db/ClientDataSet.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/RecordingDialogService.h"
#include "tests/support/OffscreenApplication.h"

namespace {

// Rows keyed by D (1, 2, 3) with a name and an emissivity limited to 0..1, shown in a grid.
struct TDBGridFixture {
    TRecordingDialogService dialogs;
    TClientDataSet ds;
    TFloatField* D;
    TStringField* Name;
    TFloatField* E;
    TDataSource source;
    TForm form{nullptr};
    TDBGrid* grid;

    TDBGridFixture() {
        D = ds.AddField<TFloatField>("D");
        D->SetRequired(true);
        Name = ds.AddField<TStringField>("Name", 20);
        Name->SetDisplayLabel("Dataset Name");
        E = ds.AddField<TFloatField>("Emissivity");
        E->SetMinValue(0);
        E->SetMaxValue(1);
        ds.IndexDefs().Add("ByD", "D", ixPrimary | ixUnique);
        ds.SetIndexName("ByD");
        ds.CreateDataSet();
        for (int d = 1; d <= 3; ++d) {
            ds.Append();
            D->SetAsFloat(d);
            Name->SetAsString("n" + std::to_string(d));
            E->SetAsFloat(0.25 * d);
            ds.Post();
        }
        source.SetDataSet(&ds);
        grid = new TDBGrid(&form);
        grid->SetParent(&form);
        grid->SetDataSource(&source);
        ds.First();
    }

    void Key(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
        QCoreApplication::sendEvent(grid->Widget(), &press);
    }
    void Type(const std::string& text) {
        for (char c : text) Key(0, Qt::NoModifier, QString(QChar(c)));
    }
    // The texts of one visible column, row by row.
    std::vector<std::string> Column(int visibleColumn) const {
        std::vector<std::string> texts;
        for (int row = 0; row < grid->RowCount(); ++row)
            texts.push_back(grid->CellText(row, visibleColumn));
        return texts;
    }
    void SelectField(const std::string& name) {
        for (int i = 0; i < grid->Columns()->Count(); ++i)
            if (grid->Columns()->Items(i)->FieldName() == name) grid->SetSelectedIndex(i);
    }
};

using Texts = std::vector<std::string>;

TEST(DBGrid, ColumnsShowTheRecordsAndAreRebuiltAtRunTime) {
    TDBGridFixture f;
    ASSERT_EQ(f.grid->VisibleColumnCount(), 3);  // one made column per field
    EXPECT_EQ(f.grid->VisibleColumn(1)->Title()->Caption(), "Dataset Name");
    EXPECT_EQ(f.grid->VisibleColumn(2)->Alignment(), taRightJustify);
    EXPECT_EQ(f.Column(1), (Texts{"n1", "n2", "n3"}));
    f.ds.Next();
    EXPECT_EQ(f.grid->CurrentRow(), 1);
    EXPECT_EQ(f.Column(2), (Texts{"0.25", "0.5", "0.75"}));  // other rows read in place

    // Columns of the program's own replace the made ones; a hidden one is not shown.
    TDBGridColumns* columns = f.grid->Columns();
    columns->BeginUpdate();
    TColumn* e = columns->Add();
    e->SetFieldName("Emissivity");
    e->SetWidth(75);
    e->Title()->SetAlignment(taCenter);
    TColumn* d = columns->Add();
    d->SetFieldName("D");
    d->Title()->SetCaption("Key");
    columns->Add()->SetFieldName("Name");
    columns->EndUpdate();
    columns->Items(2)->SetVisible(false);
    ASSERT_EQ(f.grid->VisibleColumnCount(), 2);
    EXPECT_EQ(f.grid->VisibleColumn(1)->Title()->Caption(), "Key");
    EXPECT_EQ(f.Column(1), (Texts{"1", "2", "3"}));
    auto* view = static_cast<QTableView*>(f.grid->Widget());
    EXPECT_EQ(view->columnWidth(0), 75);
    EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), "Emissivity");
    f.grid->SetColor(clMoneyGreen);  // columns without a colour of their own follow the grid
    d->SetColor(clYellow);
    EXPECT_EQ(e->Color(), clMoneyGreen);
    EXPECT_EQ(view->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(),
              QColor(255, 255, 0));

    // Another source bound at run time: the columns find their fields in its dataset.
    TClientDataSet other;
    other.AddField<TFloatField>("Emissivity");
    other.CreateDataSet();
    other.Append();
    other.FieldByName("Emissivity")->SetAsFloat(0.9);
    other.Post();
    TDataSource otherSource;
    otherSource.SetDataSet(&other);
    f.grid->SetDataSource(&otherSource);
    EXPECT_EQ(f.grid->RowCount(), 1);
    EXPECT_EQ(f.Column(0), (Texts{"0.9"}));
    EXPECT_EQ(f.Column(1), (Texts{""}));  // no field D there
}

TEST(DBGrid, TypedTextGoesThroughTheFieldAndLeavingTheRowPostsIt) {
    TDBGridFixture f;
    int cancels = 0;
    f.ds.AfterCancel = [&](TDataSet*) { ++cancels; };
    f.SelectField("Emissivity");
    f.Type("0.5");
    EXPECT_EQ(f.ds.State(), dsEdit);
    EXPECT_TRUE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->CellText(0, 2), "0.5");
    f.grid->Columns()->Items(2)->SetWidth(90);  // the window's stretch rule while typing
    EXPECT_EQ(f.grid->EditText(), "0.5");
    f.Key(Qt::Key_Down);  // writes the text, posts, moves
    EXPECT_EQ(f.ds.State(), dsBrowse);
    EXPECT_EQ(f.ds.RecNo(), 2);
    EXPECT_EQ(f.Column(2), (Texts{"0.5", "0.5", "0.75"}));

    // A value the field refuses is reported and the editor keeps it.
    f.Type("2");
    f.Key(Qt::Key_Return);
    ASSERT_EQ(f.dialogs.Messages.size(), 1u);
    EXPECT_NE(f.dialogs.Messages[0].Text.find("The allowed range is 0 to 1"), std::string::npos);
    EXPECT_TRUE(f.grid->EditorMode());
    EXPECT_EQ(f.grid->EditText(), "2");
    EXPECT_DOUBLE_EQ(f.E->AsFloat(), 0.5);
    // Esc drops the text, a second Esc cancels the record.
    f.Key(Qt::Key_Escape);
    EXPECT_FALSE(f.grid->EditorMode());
    EXPECT_EQ(f.ds.State(), dsEdit);
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(f.ds.State(), dsBrowse);
    EXPECT_EQ(cancels, 1);
    // With nothing to drop or cancel, Esc is left to the form (its cancel button).
    auto* cancel = new TButton(&f.form);
    cancel->SetParent(&f.form);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    f.Key(Qt::Key_Escape);
    EXPECT_EQ(f.form.ModalResult(), mrCancel);

    // Enter opens the editor on the field's edit text; posting from elsewhere takes the text.
    f.Key(Qt::Key_Return);
    EXPECT_EQ(f.grid->EditText(), "0.5");
    f.Key(Qt::Key_Backspace, Qt::NoModifier, "\b");
    f.Type("7");
    f.ds.Post();
    EXPECT_DOUBLE_EQ(f.E->AsFloat(), 0.7);
    EXPECT_FALSE(f.grid->EditorMode());
}

TEST(DBGrid, KeysInsertBeforeAndAppendAfterTheLastRow) {
    struct Case {
        const char* what;
        int startRecNo;
        std::vector<int> keys;  // Qt keys, Shift+Tab as Qt::Key_Backtab
        TDataSetState state;
        int insertPosition;  // -1 when not inserting
        int rows;
    };
    const Case cases[] = {
        {"Insert before the current row", 2, {Qt::Key_Insert}, dsInsert, 1, 4},
        {"Down on the last row appends", 3, {Qt::Key_Down}, dsInsert, 3, 4},
        {"Down in the middle moves", 2, {Qt::Key_Down}, dsBrowse, -1, 3},
        {"Down on an untouched new row stays", 3, {Qt::Key_Down, Qt::Key_Down}, dsInsert, 3, 4},
        {"Up leaves an untouched new row", 3, {Qt::Key_Down, Qt::Key_Up}, dsBrowse, -1, 3},
        {"Tab at the end of the last row appends",
         3,
         {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab},
         dsInsert,
         3,
         4},
        {"Tab inside the row moves across", 3, {Qt::Key_Tab, Qt::Key_Tab}, dsBrowse, -1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDBGridFixture f;
        f.ds.SetRecNo(c.startRecNo);
        for (int key : c.keys) f.Key(key);
        EXPECT_EQ(f.ds.State(), c.state);
        EXPECT_EQ(f.ds.InsertPosition(), c.insertPosition);
        EXPECT_EQ(f.grid->RowCount(), c.rows);
        if (c.insertPosition >= 0) {
            EXPECT_EQ(f.grid->CurrentRow(), c.insertPosition);
            EXPECT_EQ(f.grid->CellText(c.insertPosition, 0), "");  // the new row shows empty
        }
    }
}

TEST(DBGrid, RowsAddedWhileControlsAreDisabledShowOnTheResume) {
    TDBGridFixture f;
    {
        TDisableControlsGuard suspended(f.ds);
        for (int d = 4; d <= 5; ++d) {
            f.ds.Append();
            f.D->SetAsFloat(d);
            f.ds.Post();
        }
        EXPECT_EQ(f.grid->RowCount(), 3);
        EXPECT_EQ(f.Column(0), (Texts{"1", "2", "3"}));
    }
    EXPECT_EQ(f.grid->RowCount(), 5);
    EXPECT_EQ(f.grid->CurrentRow(), 4);
    EXPECT_EQ(f.Column(0), (Texts{"1", "2", "3", "4", "5"}));
}

TEST(DBGrid, CtrlDeleteDeletesTheRecordAfterTheQuestion) {
    TDBGridFixture f;
    f.source.SetAutoEdit(false);  // a browsing window still deletes
    f.dialogs.Answers = {mrCancel, mrOk};
    f.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.ds.RecordCount(), 3);
    f.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.Column(0), (Texts{"2", "3"}));
    f.Key(Qt::Key_Delete);  // without Ctrl the key is no delete
    f.grid->SetReadOnly(true);
    f.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.ds.RecordCount(), 2);
    ASSERT_EQ(f.dialogs.Messages.size(), 2u);
    EXPECT_EQ(f.dialogs.Messages[1].Text, "Delete record?");
}

TEST(DBGrid, OnKeyDownSeesTheKeyBeforeTheGridAndMayTakeIt) {
    TDBGridFixture f;
    f.ds.Last();
    std::vector<TDataSetState> seen;
    f.grid->OnKeyDown = [&](TObject*, int& key, TShiftState) {
        seen.push_back(f.ds.State());
        if (key == VK_INSERT) key = 0;
    };
    f.Key(Qt::Key_Insert);
    EXPECT_EQ(f.ds.State(), dsBrowse);
    f.Key(Qt::Key_Down);
    EXPECT_EQ(f.ds.State(), dsInsert);
    EXPECT_EQ(seen, (std::vector<TDataSetState>{dsBrowse, dsBrowse}));
}

TEST(DBGrid, NothingIsEditedWhereEditingIsNotAllowed) {
    struct Case {
        const char* what;
        bool gridReadOnly, columnReadOnly, autoEdit;
    };
    const Case cases[] = {
        {"read-only grid", true, false, true},
        {"read-only column", false, true, true},
        {"source without automatic edit", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TDBGridFixture f;
        f.grid->SetReadOnly(c.gridReadOnly);
        f.grid->Columns()->Items(1)->SetReadOnly(c.columnReadOnly);
        f.source.SetAutoEdit(c.autoEdit);
        f.SelectField("Name");
        f.Type("x");
        f.Key(Qt::Key_Return);
        EXPECT_EQ(f.ds.State(), dsBrowse);
        EXPECT_EQ(f.Name->AsString(), "n1");
        f.Key(Qt::Key_Insert);
        f.ds.Last();
        f.Key(Qt::Key_Down);
        EXPECT_EQ(f.ds.State(), c.columnReadOnly ? dsInsert : dsBrowse);
    }
}

TEST(DBGrid, ExitWritesTheEditorAndAChosenCellMovesTheCursor) {
    TDBGridFixture f;
    int exits = 0;
    f.grid->OnExit = [&](TObject*) { ++exits; };
    f.SelectField("Name");
    f.Type("abc");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(f.grid->Widget(), &out);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(f.Name->AsString(), "abc");
    EXPECT_FALSE(f.grid->EditorMode());

    auto* view = static_cast<QTableView*>(f.grid->Widget());
    view->setCurrentIndex(view->model()->index(2, 0));  // the user picks a cell of row 3
    EXPECT_EQ(f.ds.State(), dsBrowse);                  // leaving the row posted it
    EXPECT_EQ(f.ds.RecNo(), 3);
    EXPECT_EQ(f.grid->SelectedField(), f.D);
    f.ds.First();
    EXPECT_EQ(f.Name->AsString(), "abc");
}

}  // namespace
