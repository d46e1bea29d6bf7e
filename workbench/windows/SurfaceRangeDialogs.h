#pragma once
// The Cavity page's three range dialogs on consecutive generatrix rows: `TFDelete` deletes nodes,
// `TFAssignED` gives surfaces one emissivity and diffusity, `TFEraseED` empties both. They share
// the choice of the range (first to current, current to last, all, or from ... to ...) and a
// status bar with the dataset's surface count and the progress.
#include "platform/ui/Form.h"

class TBitBtn;
class TDatasetDatabase;
class TGroupBox;
class TLabel;
class TLabeledEdit;
class TRadioGroup;
class TSpinEdit;
class TStatusBar;
struct TSurfaceRange;

class TFSurfaceRange : public TForm {
    KV_DECLARE_CLASS(TFSurfaceRange, TForm)
public:
    TRadioGroup* rgSurfaces;  // "Nodes" in the Delete dialog
    TGroupBox* gbSurfaces;
    TLabel *lFrom, *lTo;
    TSpinEdit *seFrom, *seTo;
    TBitBtn *btnOK, *btnCancel;
    TStatusBar* StatusBar1;

    // OK: runs the dialog's action; the dialog closes unless the action keeps it open.
    void btnOKClick();

protected:
    // nodes: the Delete dialog's wording. Builds the common controls, leaving extraHeight pixels
    // above the OK and Cancel buttons for a dialog's own controls.
    TFSurfaceRange(TComponent* owner, TDatasetDatabase& db, const std::string& role, bool nodes,
                   int extraHeight);
    // The action; false keeps the dialog open.
    virtual bool Execute() = 0;
    // The chosen range, or false after its message.
    bool Range(TSurfaceRange& range);
    void SetProgress(const std::string& text);

    TDatasetDatabase& FDb;
    bool FNodes;
    int FExtraTop;
};

class TFDelete : public TFSurfaceRange {
    KV_DECLARE_CLASS(TFDelete, TFSurfaceRange)
public:
    TFDelete(TComponent* owner, TDatasetDatabase& db);

protected:
    bool Execute() override;
};

class TFAssignED : public TFSurfaceRange {
    KV_DECLARE_CLASS(TFAssignED, TFSurfaceRange)
public:
    TFAssignED(TComponent* owner, TDatasetDatabase& db);
    TLabeledEdit *edEmissivity, *edDiffusity;

protected:
    bool Execute() override;
};

class TFEraseED : public TFSurfaceRange {
    KV_DECLARE_CLASS(TFEraseED, TFSurfaceRange)
public:
    TFEraseED(TComponent* owner, TDatasetDatabase& db);

protected:
    bool Execute() override;
};
