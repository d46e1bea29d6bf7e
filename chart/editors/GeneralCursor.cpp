// The general page's Cursor tab: the chart's cursor by name, its picture, and cursors loaded
// from files into free slots of the screen's cursor table.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GeneralPage.h"
#include "chart/engine/Chart.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Screen.h"

namespace {

// Cursors loaded from files take the first free number from here up.
constexpr TCursor FirstLoadedCursor = 2021;

}  // namespace

void TFormTeeGeneral::BuildCursor() {
    TabCursor = new TTabSheet(this);
    TabCursor->SetPageControl(PageControl1);
    TabCursor->SetCaption("Cursor");
    TWinControl* tab = TabCursor;
    MakeLabel(tab, 8, 12, "&Cursor:");
    CBCursor = MakeComboBox(tab, 70, 8, 140, {});
    MakeLabel(tab, 8, 46, "Preview:");
    ImageCursor = MakeControl<TImage>(tab, 70, 42, 36, 36);
    ImageCursor->SetCenter(true);
    BLoad = MakePushButton(tab, 220, 8, 80, "&Load...");
    CBCursor->OnChange = [this](TObject*) { CursorChosen(); };
    BLoad->OnClick = [this](TObject*) { LoadCursorFile(); };
}

void TFormTeeGeneral::LoadCursorList() {
    FillCursorCombo(*CBCursor, FChart->Cursor());
    // The names in alphabetical order, the chart's still selected.
    const int chosen = CBCursor->ItemIndex();
    const std::string name = chosen >= 0 ? CBCursor->Items()->Strings(chosen) : std::string();
    TStringList names;
    names.Assign(*CBCursor->Items());
    names.Sort();
    CBCursor->Items()->Assign(names);
    CBCursor->SetItemIndex(name.empty() ? -1 : CBCursor->Items()->IndexOf(name));
    CursorToPicture(FChart->Cursor(), *ImageCursor->Picture());
}

void TFormTeeGeneral::CursorChosen() {
    if (Loading() || CBCursor->ItemIndex() < 0) return;
    const TCursor cursor = NameToCursor(FChart->Cursor(), CBCursor->Text());
    FChart->SetCursor(cursor);
    // The chart returns to it when the mouse leaves a series.
    FChart->SetSavedCursor(cursor);
    CursorToPicture(cursor, *ImageCursor->Picture());
}

void TFormTeeGeneral::LoadCursorFile() {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Cursor files (*.cur)|*.cur|Animated Cursor files (*.ani)|*.ani");
    dialog.SetOptions({ofFileMustExist});
    if (!dialog.Execute()) return;
    TCursor slot = FirstLoadedCursor;
    while (Screen()->HasCursor(slot)) ++slot;
    if (!Screen()->LoadCursorFromFile(slot, dialog.FileName())) return;
    FChart->SetCursor(slot);
    CBCursor->SetItemIndex(-1);
    CursorToPicture(slot, *ImageCursor->Picture());
}
