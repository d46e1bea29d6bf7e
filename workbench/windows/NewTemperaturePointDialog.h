#pragma once
// `TFNewTPoint`, the Temperatures page's "Add New Point" dialog: a slider along the generatrix
// offers a position (Xi from 0 to 1 in steps of 0.00001) and shows where it lies; Append adds a
// temperature point there. It stays open for more points. While it lives, the points plot marks
// the offered position with its floating point series.
#include "platform/ui/Form.h"

class TBitBtn;
class TButton;
class TDatasetDatabase;
class TLabeledEdit;
class TPointSeries;
class TScrollBar;

class TFNewTPoint : public TForm {
    KV_DECLARE_CLASS(TFNewTPoint, TForm)
public:
    TFNewTPoint(TComponent* owner, TDatasetDatabase& db, TPointSeries& floatingPoint);
    ~TFNewTPoint() override;

    TScrollBar* sbXi;
    TLabeledEdit *edXi, *edZ, *edR, *edIsf;
    TButton* btnAppend;
    TBitBtn* btnClose;

    void sbXiChange();
    void btnAppendClick();

private:
    TDatasetDatabase& FDb;
    TPointSeries& FFloatingPoint;
};
