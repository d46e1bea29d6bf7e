#pragma once
// The text editor ("Text Editor"): a memo on a list of lines or on one text, with copy, load and
// save. The lines change only when the user accepts with OK and the editor is not read-only.
#include <string>

#include "platform/ui/Form.h"

class TButton;
class TMemo;
class TOpenDialog;
class TSaveDialog;
class TStrings;

class TStringsEditor : public TForm {
    KV_DECLARE_CLASS(TStringsEditor, TForm)
public:
    explicit TStringsEditor(TComponent* owner);

    TMemo* Memo1;
    TButton* Button1;
    TButton* Button2;
    TButton* Button3;
    TButton* Button4;
    TButton* Button5;
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;
};

// Edits a copy of lines in the editor owned by form; true when closed with OK (the lines then
// replaced unless readOnly).
bool ShowStringsEditor(TForm* form, TStrings& lines, bool readOnly);
// The same on one text whose lines are separated by line breaks.
bool ShowStringsEditorForText(TForm* form, std::string& text, bool readOnly);
