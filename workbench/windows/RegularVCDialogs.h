#pragma once
// The Viewing Conditions page's two dialogs that append regular sets to the current kind's table:
// `TFRegularVC` for kinds 0 to 3 (one parameter varies evenly, the others stay fixed) and
// `TFRegularVCLH` for the local-hemispherical kind (points spread evenly in Xi between two
// generatrix nodes). Both stay open after each Append until the user closes them.
#include <array>

#include "platform/ui/Form.h"

class TBitBtn;
class TButton;
class TCheckBox;
class TDatasetDatabase;
class TGroupBox;
class TLabel;
class TLabeledEdit;
class TRadioGroup;
class TSpinEdit;
class TStatusBar;

class TFRegularVC : public TForm {
    KV_DECLARE_CLASS(TFRegularVC, TForm)
public:
    TFRegularVC(TComponent* owner, TDatasetDatabase& db, int kind);

    std::array<TGroupBox*, 3> Groups;  // gb1, gb2, gb3
    std::array<TLabeledEdit*, 3> edMin, edMax, edN;
    TRadioGroup* rgVariables;
    TCheckBox* cbClear;
    TButton* btnAppenVC;
    TBitBtn* btnClose;
    TStatusBar* StatusBar1;

    void rgVariablesClick();
    void btnAppenVCClick();

private:
    TDatasetDatabase& FDb;
    int FKind;
    int FParams;
};

class TFRegularVCLH : public TForm {
    KV_DECLARE_CLASS(TFRegularVCLH, TForm)
public:
    // The nodes are those of the outline the engine loaded last (the page loads it on opening).
    TFRegularVCLH(TComponent* owner, TDatasetDatabase& db);

    TSpinEdit *seNP, *seFrom, *seTo;
    TLabel *lFrom, *lTo;
    TCheckBox *cbAllSurfaces, *cbClear;
    TGroupBox* gbSurfaces;
    TLabeledEdit *edXiFrom, *edZFrom, *edYFrom, *edXiTo, *edZTo, *edYTo, *edNPTotal;
    TButton* btnAppend;
    TBitBtn* btnClose;
    TStatusBar* StatusBar1;

    void seFromChange();
    void seToChange();
    void cbAllSurfacesClick();
    void btnAppendClick();

private:
    TDatasetDatabase& FDb;
};
