#include "chart/editors/StringsEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Memo.h"

TStringsEditor::TStringsEditor(TComponent* owner) : TForm(owner) {
    SetCaption("Text Editor");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 430, 300);
    Memo1 = MakeControl<TMemo>(this, 8, 8, 320, 250);
    Memo1->SetScrollBars(ssBoth);
    Memo1->SetWordWrap(false);
    Button1 = MakePushButton(this, 340, 8, 80, "OK");
    Button1->SetModalResult(mrOk);
    Button2 = MakePushButton(this, 340, 40, 80, "Cancel");
    Button2->SetDefault(true);
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);
    Button3 = MakePushButton(this, 340, 100, 80, "&Copy");
    Button4 = MakePushButton(this, 340, 132, 80, "&Load..");
    Button5 = MakePushButton(this, 340, 164, 80, "&Save...");
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetDefaultExt("txt");
    TOpenOptions openOptions = OpenDialog1->Options();
    OpenDialog1->SetOptions(openOptions.Include(ofFileMustExist));
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetDefaultExt("txt");
    TOpenOptions saveOptions = SaveDialog1->Options();
    SaveDialog1->SetOptions(saveOptions.Include(ofOverwritePrompt));
    const std::string filter = TxtTextFile + "|*.txt";
    OpenDialog1->SetFilter(filter);
    SaveDialog1->SetFilter(filter);
    OpenDialog1->SetTitle(TxtSelectTextFile);
    SaveDialog1->SetTitle(TxtSaveAsTextFile);

    Button3->OnClick = [this](TObject*) {
        const std::string selected = Memo1->SelText();
        Clipboard()->SetAsText(selected.empty() ? Memo1->Lines()->Text() : selected);
    };
    Button4->OnClick = [this](TObject*) {
        if (OpenDialog1->Execute()) Memo1->Lines()->LoadFromFile(OpenDialog1->FileName());
    };
    Button5->OnClick = [this](TObject*) {
        if (SaveDialog1->Execute()) Memo1->Lines()->SaveToFile(SaveDialog1->FileName());
    };
    DoCreate();
}

namespace {

// Shows the editor on lines; true on OK, lines then holding the memo's lines.
bool RunEditor(TStringsEditor& editor, TStrings& lines, bool readOnly) {
    editor.Memo1->SetLines(lines);
    editor.Memo1->SetReadOnly(readOnly);
    ApplyFormHook(&editor);
    if (editor.ShowModal() != mrOk) return false;
    if (!readOnly) lines.Assign(*editor.Memo1->Lines());
    return true;
}

}  // namespace

bool ShowStringsEditor(TForm* form, TStrings& lines, bool readOnly) {
    TStringsEditor* editor = new TStringsEditor(form);
    bool accepted = false;
    try {
        if (form && !form->Owner()) CenterEditorForm(*editor);
        accepted = RunEditor(*editor, lines, readOnly);
    } catch (...) {
        TObject::Free(editor);
        throw;
    }
    TObject::Free(editor);
    return accepted;
}

bool ShowStringsEditorForText(TForm* form, std::string& text, bool readOnly) {
    TStringsEditor* editor = new TStringsEditor(form);
    bool accepted = false;
    try {
        if (form) CenterEditorForm(*editor);
        TStringList lines;
        lines.SetText(text);
        accepted = RunEditor(*editor, lines, readOnly);
        if (accepted && !readOnly) {
            // The text as the memo shows it: no line break after the last line.
            text = lines.Text();
            if (text.size() >= 2) text.resize(text.size() - 2);
        }
    } catch (...) {
        TObject::Free(editor);
        throw;
    }
    TObject::Free(editor);
    return accepted;
}
