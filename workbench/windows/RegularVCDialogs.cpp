#include "workbench/windows/RegularVCDialogs.h"

#include "engine/Global.h"
#include "engine/Loaders.h"
#include "engine/VC.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/StatusBar.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/RegularViewingConditions.h"
#include "workbench/windows/ControlBuilding.h"

namespace {

TLabeledEdit* MakeEdit(TWinControl* parent, int left, int top, int width, const char* label) {
    TLabeledEdit* e = MakeControl<TLabeledEdit>(parent);
    e->SetLabelPosition(lpAbove);
    e->EditLabel()->SetCaption(label);
    e->SetBounds(left, top, width, 23);
    return e;
}

TStatusBar* MakeStatus(TForm* form, const std::string& text) {
    TStatusBar* bar = MakeControl<TStatusBar>(form, alBottom);
    bar->SetSimplePanel(true);
    bar->SetSimpleText(text);
    return bar;
}

// Asks and empties the table when the clear box is checked; false when the answer is No.
bool ClearFirst(TCheckBox* box, TClientDataSet& table) {
    if (!box->Checked() || table.IsEmpty()) return true;
    if (!ConfirmYesNo("All Viewing Conditions will be erased.\rContinue?")) return false;
    DeleteAllRecords(table, MessageService());
    return true;
}

// Appends one row per set of values; a row whose key exists is dropped silently. The dataset row
// is posted at the end.
template <class Fill>
void AppendRows(TDatasetDatabase& db, TClientDataSet& table, size_t count, Fill fill) {
    {
        TDisableControlsGuard suspended(table);
        for (size_t j = 0; j < count; ++j) {
            table.Append();
            fill(j);
            try {
                table.Post();
            } catch (const Exception&) {
                table.Cancel();
            }
        }
    }
    PostIfEditing(db.cdsMain);
}

}  // namespace

TFRegularVC::TFRegularVC(TComponent* owner, TDatasetDatabase& db, int kind)
    : TForm(owner), FDb(db), FKind(kind), FParams(ViewParamCounts[size_t(kind)]) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(Shared.ProgramTitle + ": Regular Viewing Conditions");
    SetBounds(0, 0, 560, 300);
    StatusBar1 = MakeStatus(this, ViewKindNames[size_t(kind)]);
    rgVariables = MakeControl<TRadioGroup>(this);
    rgVariables->SetCaption("Variable");
    rgVariables->SetHint("Choose Variable Parameter");
    rgVariables->SetShowHint(true);
    rgVariables->SetBounds(8, 8, 120, 110);
    for (int p = 0; p < 3; ++p) {
        TGroupBox* g = MakeControl<TGroupBox>(this);
        g->SetBounds(140 + 135 * p, 8, 128, 170);
        g->SetVisible(p < FParams);
        if (p < FParams) {
            g->SetCaption(ViewParamNames[size_t(kind)][size_t(p)]);
            rgVariables->Items()->Add(ViewParamNames[size_t(kind)][size_t(p)]);
        }
        Groups[size_t(p)] = g;
        edMin[size_t(p)] = MakeEdit(g, 10, 36, 108, "Min.:");
        edMax[size_t(p)] = MakeEdit(g, 10, 84, 108, "Max.:");
        edN[size_t(p)] = MakeEdit(g, 10, 132, 60, "N:");
        edN[size_t(p)]->SetText("2");
    }
    cbClear = MakeControl<TCheckBox>(this);
    cbClear->SetCaption("Clear Existing VC");
    cbClear->SetBounds(8, 130, 130, 20);
    btnAppenVC = MakeButton(this, 140, 190, 100, "Append");
    btnClose = MakeControl<TBitBtn>(this);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(260, 190, 100, 27);
    rgVariables->OnClick = [this](TObject*) { rgVariablesClick(); };
    btnAppenVC->OnClick = [this](TObject*) { btnAppenVCClick(); };
    rgVariables->SetItemIndex(DefaultRegularVariable(kind));
    rgVariablesClick();
    DoCreate();
}

void TFRegularVC::rgVariablesClick() {
    // The variable parameter shows Min., Max. and N; a fixed one only its value, unlabelled.
    for (int p = 0; p < FParams; ++p) {
        const bool variable = p == rgVariables->ItemIndex();
        edMin[size_t(p)]->EditLabel()->SetVisible(variable);
        edMax[size_t(p)]->SetVisible(variable);
        edN[size_t(p)]->SetVisible(variable);
    }
}

void TFRegularVC::btnAppenVCClick() {
    std::vector<TRegularParameter> parameters;
    for (int p = 0; p < FParams; ++p)
        parameters.push_back({ViewParamNames[size_t(FKind)][size_t(p)], edMin[size_t(p)]->Text(),
                              edMax[size_t(p)]->Text(), edN[size_t(p)]->Text(),
                              p == rgVariables->ItemIndex()});
    std::vector<std::array<double, 3>> rows;
    std::string message;
    if (!RegularViewingConditions(parameters, rows, message)) {
        ShowMessage(message);
        return;
    }
    TClientDataSet& table = *FDb.VCDataSets[size_t(FKind)];
    if (!ClearFirst(cbClear, table)) return;
    AppendRows(FDb, table, rows.size(), [&](size_t j) {
        for (int p = 0; p < FParams; ++p) table.Fields(p)->SetAsFloat(rows[j][size_t(p)]);
    });
}

TFRegularVCLH::TFRegularVCLH(TComponent* owner, TDatasetDatabase& db) : TForm(owner), FDb(db) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(Shared.ProgramTitle + ": Regular Viewing Conditions");
    SetBounds(0, 0, 470, 330);
    StatusBar1 = MakeStatus(this, "Local Hemispherical Effective Emissivity");
    const int nodes = Shared.NodeCount;

    TLabel* np = MakeControl<TLabel>(this);
    np->SetCaption("Number of Points");
    np->SetBounds(8, 12, 110, 16);
    seNP = MakeControl<TSpinEdit>(this);
    seNP->SetBounds(120, 8, 60, 23);
    seNP->SetMinValue(2);
    seNP->SetMaxValue(MaxRegularValues);
    seNP->SetValue(2);
    cbAllSurfaces = MakeControl<TCheckBox>(this);
    cbAllSurfaces->SetCaption("Apply to all surfaces");
    cbAllSurfaces->SetBounds(200, 10, 160, 20);

    gbSurfaces = MakeControl<TGroupBox>(this);
    gbSurfaces->SetBounds(8, 40, 450, 170);
    auto spin = [&](int left, const char* label, int max, TLabel*& l) {
        l = MakeControl<TLabel>(gbSurfaces);
        l->SetCaption(label);
        l->SetBounds(left, 22, 80, 16);
        TSpinEdit* s = MakeControl<TSpinEdit>(gbSurfaces);
        s->SetBounds(left + 84, 18, 60, 23);
        s->SetMinValue(1);
        s->SetMaxValue(std::max(max, 1));
        s->SetValue(1);
        return s;
    };
    seFrom = spin(10, "From Point #", nodes, lFrom);
    seTo = spin(230, "To Point #", nodes + 1, lTo);
    auto boundary = [&](int left, int top, const char* label) {
        TLabeledEdit* e = MakeEdit(gbSurfaces, left, top, 120, label);
        e->SetReadOnly(true);
        e->SetColor(clMoneyGreen);
        return e;
    };
    edXiFrom = boundary(10, 66, "Boundary Xi ");
    edZFrom = boundary(10, 106, "Boundary Z");
    edYFrom = boundary(10, 140, "Boundary Y");
    edXiTo = boundary(230, 66, "Boundary Xi");
    edZTo = boundary(230, 106, "Boundary Z");
    edYTo = boundary(230, 140, "Boundary Y");
    edNPTotal = MakeEdit(this, 8, 236, 80, "Total Number of Points ");
    edNPTotal->SetReadOnly(true);
    cbClear = MakeControl<TCheckBox>(this);
    cbClear->SetCaption("Clear Existing Points");
    cbClear->SetBounds(110, 236, 160, 20);
    btnAppend = MakeButton(this, 270, 230, 90, "Append");
    btnClose = MakeControl<TBitBtn>(this);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(370, 230, 90, 27);

    seFrom->OnChange = [this](TObject*) { seFromChange(); };
    seTo->OnChange = [this](TObject*) { seToChange(); };
    cbAllSurfaces->OnClick = [this](TObject*) { cbAllSurfacesClick(); };
    btnAppend->OnClick = [this](TObject*) { btnAppendClick(); };
    seFromChange();
    seToChange();
    DoCreate();
}

namespace {

// Point k is node k - 1 of the outline loaded last.
void ShowNode(int k, TLabeledEdit* xi, TLabeledEdit* z, TLabeledEdit* y) {
    const int node = std::clamp(k - 1, 0, int(Shared.NodeCount));
    xi->SetText(BoundaryText(double(Shared.NodeXi[node])));
    z->SetText(BoundaryText(double(Shared.NodeZ[node])));
    y->SetText(BoundaryText(double(Shared.NodeR[node])));
}

}  // namespace

void TFRegularVCLH::seFromChange() { ShowNode(seFrom->Value(), edXiFrom, edZFrom, edYFrom); }

void TFRegularVCLH::seToChange() { ShowNode(seTo->Value(), edXiTo, edZTo, edYTo); }

void TFRegularVCLH::cbAllSurfacesClick() {
    const bool all = cbAllSurfaces->Checked();
    if (all) {
        seFrom->SetValue(1);
        seTo->SetValue(Shared.NodeCount + 1);
    }
    seFromChange();
    seToChange();
    for (TControl* c : std::initializer_list<TControl*>{seFrom, seTo, lFrom, lTo})
        c->SetVisible(!all);
}

void TFRegularVCLH::btnAppendClick() {
    TClientDataSet& table = FDb.cdsVC4;
    if (!ClearFirst(cbClear, table)) return;
    // The boundaries are the numbers shown, so they carry six decimals.
    long double a = 0, b = 0;
    TryStrToFloat(edXiFrom->Text(), a);
    TryStrToFloat(edXiTo->Text(), b);
    std::vector<double> xi;
    int total = 0;
    std::string message;
    const bool ok = RegularLocalHemispherical(double(a), double(b), seNP->Value(),
                                              table.RecordCount(), xi, total, message);
    if (total > 0) edNPTotal->SetText(std::to_string(total));
    if (!ok) {
        ShowMessage(message);
        return;
    }
    // Z, Y and the surface follow from Xi by the table's own rule.
    AppendRows(FDb, table, xi.size(),
               [&](size_t k) { table.FieldByName("Xi")->SetAsFloat(xi[k]); });
    cbClear->SetChecked(false);
}
