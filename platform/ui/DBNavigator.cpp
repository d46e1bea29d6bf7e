#include "platform/ui/DBNavigator.h"

#include <QPushButton>
#include <QWidget>

#include "platform/ui/DBControlConsts.h"
#include "platform/ui/Dialogs.h"

namespace {
const char* const Glyphs[TDBNavigator::ButtonCount] = {
    "|<", "<", ">", ">|", "+", "-", "^", "\xE2\x9C\x93", "x", "\xE2\x9F\xB3"};
const char* const DefaultHints[TDBNavigator::ButtonCount] = {
    "First record",  "Prior record", "Next record", "Last record", "Insert record",
    "Delete record", "Edit record",  "Post edit",   "Cancel edit", "Refresh data"};
constexpr TNavButtonSet AllButtons{nbFirst,  nbPrior, nbNext, nbLast,   nbInsert,
                                   nbDelete, nbEdit,  nbPost, nbCancel, nbRefresh};
}  // namespace

class TDBNavigator::TNavigatorLink : public TDataLink {
public:
    explicit TNavigatorLink(TDBNavigator& navigator) : FNavigator(navigator) {}

protected:
    void ActiveChanged() override { FNavigator.UpdateButtons(); }
    void DataSetChanged() override { FNavigator.UpdateButtons(); }
    void EditingChanged() override { FNavigator.UpdateButtons(); }

private:
    TDBNavigator& FNavigator;
};

TDBNavigator::TDBNavigator(TComponent* owner)
    : TWinControl(owner, new QWidget),
      FLink(std::make_unique<TNavigatorLink>(*this)),
      FVisibleButtons(AllButtons),
      FHints(std::make_unique<TStringList>()) {
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(Glyphs[i]), Widget());
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QPushButton::clicked,
                         [this, i] { BtnClick(static_cast<TNavigateBtn>(i)); });
        FButtons[i] = button;
    }
    FHints->OnChange = [this](TStrings*) { ApplyHints(); };
    ApplyHints();
    SetTabStop(false);
    // A click on a button leaves the focus where it was: the grid or edit being worked in keeps
    // its unstored text for the button to post or cancel, and has no exit to store it first.
    Widget()->setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 240, 25);
    UpdateButtons();
}

TDBNavigator::~TDBNavigator() {
    FHints->OnChange = nullptr;
    FLink->SetDataSource(nullptr);
}

TDataSource* TDBNavigator::DataSource() const { return FLink->DataSource(); }

void TDBNavigator::SetDataSource(TDataSource* v) {
    FLink->SetDataSource(v);
    UpdateButtons();
}

void TDBNavigator::SetVisibleButtons(TNavButtonSet v) {
    FVisibleButtons = v;
    ArrangeButtons();
}

bool TDBNavigator::ButtonVisible(TNavigateBtn button) const {
    return FVisibleButtons.Contains(button);
}

bool TDBNavigator::ButtonEnabled(TNavigateBtn button) const { return FEnabled[button]; }

const std::string& TDBNavigator::ButtonHint(TNavigateBtn button) const {
    return FButtonHints[button];
}

void TDBNavigator::ApplyHints() {
    for (int i = 0; i < ButtonCount; ++i) {
        const bool own = i < FHints->Count() && !FHints->Get(i).empty();
        FButtonHints[i] = own ? FHints->Get(i) : DefaultHints[i];
        FButtons[i]->setToolTip(QString::fromStdString(FButtonHints[i]));
    }
}

void TDBNavigator::UpdateButtons() {
    TDataSet* dataSet = FLink->Active() ? FLink->DataSet() : nullptr;
    const bool active = dataSet != nullptr;
    const bool editing = active && (dataSet->State() == dsEdit || dataSet->State() == dsInsert);
    const bool canModify = active && !FLink->ReadOnly();
    const bool bof = !active || dataSet->Bof();
    const bool eof = !active || dataSet->Eof();
    FEnabled[nbFirst] = FEnabled[nbPrior] = active && !bof;
    FEnabled[nbNext] = FEnabled[nbLast] = active && !eof;
    FEnabled[nbInsert] = canModify;
    FEnabled[nbDelete] = canModify && !dataSet->IsEmpty();
    FEnabled[nbEdit] = canModify && !editing && !dataSet->IsEmpty();
    FEnabled[nbPost] = FEnabled[nbCancel] = canModify && editing;
    FEnabled[nbRefresh] = active && !editing;
    for (int i = 0; i < ButtonCount; ++i) FButtons[i]->setEnabled(FEnabled[i]);
}

void TDBNavigator::Resize() {
    TWinControl::Resize();
    ArrangeButtons();
}

void TDBNavigator::ArrangeButtons() {
    int shown = 0;
    for (int i = 0; i < ButtonCount; ++i) shown += ButtonVisible(TNavigateBtn(i)) ? 1 : 0;
    // The buttons share the width; the pixels left over widen the first ones.
    const int width = shown ? Width() / shown : 0;
    int extra = shown ? Width() % shown : 0;
    int left = 0;
    for (int i = 0; i < ButtonCount; ++i) {
        const bool visible = ButtonVisible(TNavigateBtn(i));
        FButtons[i]->setVisible(visible);
        if (!visible) continue;
        const int w = width + (extra-- > 0 ? 1 : 0);
        FButtons[i]->setGeometry(left, 0, w, Height());
        left += w;
    }
}

void TDBNavigator::BtnClick(TNavigateBtn button) {
    if (!FEnabled[button]) return;
    Fire([&] {
        if (BeforeAction) BeforeAction(this, button);
        Perform(button);
        if (OnClick) OnClick(this, button);
    });
}

void TDBNavigator::Perform(TNavigateBtn button) {
    TDataSet* dataSet = FLink->DataSet();
    switch (button) {
        case nbFirst:
            dataSet->First();
            break;
        case nbPrior:
            dataSet->Prior();
            break;
        case nbNext:
            dataSet->Next();
            break;
        case nbLast:
            dataSet->Last();
            break;
        case nbInsert:
            dataSet->Insert();
            break;
        case nbDelete:
            if (!FConfirmDelete ||
                MessageDlg(SDeleteRecordQuestion, mtConfirmation, {mbOK, mbCancel}) == mrOk)
                dataSet->Delete();
            break;
        case nbEdit:
            dataSet->Edit();
            break;
        case nbPost:
            dataSet->Post();
            break;
        case nbCancel:
            dataSet->Cancel();
            break;
        case nbRefresh:
            dataSet->Refresh();
            break;
    }
}
