#include "chart/editors/EditorRoutines.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "chart/foundation/ResourceRoutines.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/ResourceBitmap.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Control.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Screen.h"

void AddValueFormatPresets(TStrings& list) {
    for (const char* format : {"#,##0.###", "0", "0.0", "0.#", "#.#", "#,##0.00;(#,##0.00)",
                               "00e-0", "#.0 \"x10\" E+0", "#.# x10E-#"})
        list.Add(format);
}

void CenterEditorForm(TForm& form) {
    form.SetPosition(form.Owner() ? poOwnerFormCenter : poScreenCenter);
}

TControl* OwnerFormOf(TControl* control) {
    if (!control) return nullptr;
    TControl* top = control;
    while (top->Parent()) top = top->Parent();
    return dynamic_cast<TForm*>(top) ? top : control;
}

void ShapeEditorDialog(TForm& form) {
    form.SetAlign(alNone);
    CenterEditorForm(form);
    form.SetBorderStyle(bsDialog);
}

TForm* CreateEditorDialog(const TClassInfo& formClass, TControl* control) {
    auto* form = static_cast<TForm*>(formClass.Create(OwnerFormOf(control)));
    ShapeEditorDialog(*form);
    return form;
}

void ScaleToParentForm(TForm&) {}

bool ConfirmDialog(const std::string& message, TControl* control) {
    Screen()->SetCursor(crDefault);
    const TMsgDlgButtons buttons{mbYes, mbNo};
    if (!control) return MessageDlg(message, mtConfirmation, buttons) == mrYes;
    const TPoint origin = control->ClientToScreen(TPoint{0, 0});
    return MessageDlgPos(message, mtConfirmation, buttons, origin.X + 20, origin.Y + 30) == mrYes;
}

bool ConfirmDelete(const std::string& name, TControl* control) {
    return ConfirmDialog(Format("Delete %s ?", {name}), control);
}

int NameToCursor(int defaultCursor, const std::string& name) {
    if (name == "TeeHand") return crTeeHand;
    int64_t cursor = 0;
    return IdentToCursor("cr" + name, cursor) ? static_cast<int>(cursor) : defaultCursor;
}

namespace {
std::string CursorName(const std::string& ident) {
    return ident.compare(0, 2, "cr") == 0 ? ident.substr(2) : ident;
}
}  // namespace

void FillCursorCombo(TComboBox& combo, int cursor) {
    TStrings& items = *combo.Items();
    items.BeginUpdate();
    items.Clear();
    GetCursorValues([&items](const std::string& ident) { items.Add(CursorName(ident)); });
    items.Add("TeeHand");
    items.EndUpdate();
    std::string ident;
    if (cursor == crTeeHand)
        combo.SetItemIndex(items.Count() - 1);
    else
        combo.SetItemIndex(CursorToIdent(cursor, ident) ? items.IndexOf(CursorName(ident)) : -1);
}

void CursorToPicture(int cursor, TPicture& picture) {
    TBitmap bitmap;
    if (Screen()->DrawCursor(cursor, bitmap))
        picture.SetBitmap(&bitmap);
    else
        picture.SetGraphic(nullptr);
}

void EmbedTaggedEditorForm(TForm& form, TWinControl& parent, TObject* edited) {
    form.SetParentColor(true);
    form.SetPosition(poDesigned);
    form.SetBorderStyle(bsNone);
    form.SetBorderIcons({});
    form.SetTagObject(edited);
    form.SetParent(&parent);
    // Shown inside a hidden sheet the page would not load; the sheet is shown meanwhile.
    const bool wasVisible = parent.Visible();
    parent.SetVisible(true);
    form.SetLeft(4);
    form.SetTop(std::min(4, std::abs(parent.ClientHeight() - form.ClientHeight()) / 2));
    ScaleToParentForm(form);
    form.Show();
    parent.SetVisible(wasVisible);
}

int IndexOfItemObject(const TStrings& items, const TObject* object) {
    for (int i = 0; i < items.Count(); ++i)
        if (items.Objects(i) == object) return i;
    return -1;
}

void SetControlsVisible(bool visible, std::initializer_list<TControl*> controls) {
    for (TControl* control : controls) control->SetVisible(visible);
}

void LoadArrowBitmaps(TBitmap& up, TBitmap& down) {
    LoadResourceBitmap(up, "TeeArrowUp");
    LoadResourceBitmap(down, "TeeArrowDown");
}

void MoveSelectedItems(TListBox& source, TListBox& target) {
    TStrings& from = *source.Items();
    std::vector<int> selected;
    for (int i = 0; i < from.Count(); ++i)
        if (source.Selected(i)) {
            selected.push_back(i);
            target.Items()->AddObject(from.Strings(i), from.Objects(i));
        }
    // Deleting from the end keeps the indexes of the selected items still to delete.
    for (auto i = selected.rbegin(); i != selected.rend(); ++i) from.Delete(*i);
}

void MoveAllItems(TStrings& source, TStrings& target) {
    for (int i = 0; i < source.Count(); ++i) target.AddObject(source.Strings(i), source.Objects(i));
    source.Clear();
}
