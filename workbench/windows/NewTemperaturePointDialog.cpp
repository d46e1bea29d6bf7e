#include "workbench/windows/NewTemperaturePointDialog.h"

#include "chart/engine/PointSeries.h"
#include "engine/CavityOutline.h"
#include "engine/Global.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollBar.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/TemperatureEdits.h"
#include "workbench/windows/ControlBuilding.h"

namespace {

std::string Fixed5(long double v) { return FloatToStrF(v, ffFixed, 8, 5); }

}  // namespace

TFNewTPoint::TFNewTPoint(TComponent* owner, TDatasetDatabase& db, TPointSeries& floatingPoint)
    : TForm(owner), FDb(db), FFloatingPoint(floatingPoint) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(Shared.ProgramTitle + ": Add New Point");
    SetBounds(0, 0, 420, 210);
    sbXi = MakeControl<TScrollBar>(this);
    sbXi->SetBounds(10, 10, 395, 20);
    sbXi->SetMin(0);
    sbXi->SetMax(100000);
    sbXi->SetHint("Place New Temperature Point");
    sbXi->SetShowHint(true);
    auto edit = [&](int left, int top, const char* label) {
        TLabeledEdit* e = MakeControl<TLabeledEdit>(this);
        e->SetLabelPosition(lpLeft);
        e->EditLabel()->SetCaption(label);
        e->SetBounds(left, top, 100, 23);
        e->SetReadOnly(true);
        e->SetColor(clMoneyGreen);
        return e;
    };
    edXi = edit(90, 44, "Xi: ");
    edXi->SetHint("Continuous Coordinate along Generatrix from 0 to 1");
    edXi->SetShowHint(true);
    edZ = edit(90, 76, "Z: ");
    edR = edit(90, 108, "Y: ");
    edIsf = edit(300, 44, "Surface #: ");
    btnAppend = MakeButton(this, 220, 140, 90, "Append", "Append New Temperature Point");
    btnClose = MakeControl<TBitBtn>(this);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(315, 140, 90, 27);
    sbXi->OnChange = [this](TObject*) { sbXiChange(); };
    btnAppend->OnClick = [this](TObject*) { btnAppendClick(); };
    sbXi->SetPosition(0);
    sbXiChange();
    FFloatingPoint.SetActive(true);
    DoCreate();
}

// However the dialog ends, the mark goes with it.
TFNewTPoint::~TFNewTPoint() {
    FFloatingPoint.SetActive(false);
    FFloatingPoint.Clear();
}

void TFNewTPoint::sbXiChange() {
    if (FDb.cdsCavity.IsEmpty()) {
        if (sbXi->Position() != 0) sbXi->SetPosition(0);
        for (TLabeledEdit* e : {edXi, edZ, edR}) e->SetText("");
        return;
    }
    const Real xi = sbXi->Position() * 0.00001L;
    Real z = 0, y = 0;
    int32_t surface = 0;
    std::string message;
    if (!XiToPoint(xi, z, y, surface, message)) return;
    edXi->SetText(Fixed5(xi));
    edZ->SetText(Fixed5(z));
    edR->SetText(Fixed5(y));
    edIsf->SetText(std::to_string(surface));
    FFloatingPoint.Clear();
    FFloatingPoint.AddXYPoint(double(z), double(y));
}

void TFNewTPoint::btnAppendClick() {
    // The text shown is the value stored, so the point has 5 decimals.
    double xi = 0;
    if (!TryStrToFloat(edXi->Text(), xi)) return;
    AppendTemperaturePoint(FDb, xi);
}
