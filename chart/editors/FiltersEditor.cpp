#include "chart/editors/FiltersEditor.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "chart/editors/EditorControls.h"
#include "chart/editors/OptionFormCreator.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/FilterRegion.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/CheckListBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UpDown.h"

namespace {

// The caption a filter class shows in the menu and the list; its name when it has none.
std::string FilterClassCaption(TTeeFilterClass Class) {
    TFilterItems scratch(nullptr);
    const std::string caption = scratch.AddFilterOfClass(Class)->GetCaption();
    return caption.empty() ? std::string(Class->ClassName()) : caption;
}

TSpeedButton* MakeSpeedButton(TWinControl* parent, int left, int top, const char* caption) {
    TSpeedButton* button = MakeControl<TSpeedButton>(parent, left, top, 25, 25);
    button->SetFlat(true);
    button->SetCaption(caption);
    return button;
}

void WriteList(TMemoryStream& Stream, const TFilterItems& Filters) {
    TWriter writer(Stream);
    WriteFilterItems(writer, Filters);
}

std::string StreamBytes(const TFilterItems& Filters) {
    TMemoryStream stream;
    WriteList(stream, Filters);
    return std::string(stream.Memory(), size_t(stream.Size()));
}

}  // namespace

TFiltersEditor::TFiltersEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetCaption("Filters");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 520, 400);
    BuildControls();
    ConnectHandlers();
    FCreator = std::make_unique<TOptionFormCreator>(Properties);
    FCreator->OnChange = [this] { RefreshPreview(); };
    DoCreate();
}

void TFiltersEditor::BuildControls() {
    Filters = MakeControl<TCheckListBox>(this, 8, 8, 200, 140);
    BAdd = MakeSpeedButton(this, 8, 152, "+");
    BDelete = MakeSpeedButton(this, 36, 152, "-");
    // Arrow glyphs drawn as text until the editors' arrow bitmaps are shared.
    BMoveUp = MakeSpeedButton(this, 64, 152, "\u25B2");
    BMoveDown = MakeSpeedButton(this, 92, 152, "\u25BC");
    for (TSpeedButton* b : {BDelete, BMoveUp, BMoveDown}) b->SetEnabled(false);
    MenuFilters = new TPopupMenu(this);

    PageProps = MakeControl<TPageControl>(this, 8, 182, 200, 176);
    Properties = MakeTabSheet(this, PageProps, "Options");
    TabRegion = MakeTabSheet(this, PageProps, "Region");
    BuildRegionPage();

    Image = MakeControl<TImage>(this, 216, 8, 290, 310);
    PopupMenu1 = new TPopupMenu(this);
    Scaled1 = new TMenuItem(this);
    Scaled1->SetCaption("&Scaled");
    Scaled1->SetChecked(true);
    PopupMenu1->Items()->Add(Scaled1);
    Image->SetPopupMenu(PopupMenu1);

    CBPreview = MakeCheckBox(this, 216, 326, 90, "&Preview");
    CBPreview->SetChecked(true);
    CBScaled = MakeCheckBox(this, 310, 326, 90, "&Scaled");
    CBScaled->SetChecked(true);

    BOK = MakePushButton(this, 350, 362, 75, "OK");
    BOK->SetDefault(true);
    BOK->SetModalResult(mrOk);
    BCancel = MakePushButton(this, 431, 362, 75, "Cancel");
    BCancel->SetCancel(true);
    BCancel->SetModalResult(mrCancel);

    Timer1 = new TTimer(this);
    Timer1->SetInterval(1);
}

void TFiltersEditor::ConnectHandlers() {
    Filters->OnClick = [this](TObject*) { FiltersClick(); };
    // A box may be clicked on a line other than the selected one: every line's mark is taken.
    Filters->OnClickCheck = [this](TObject*) {
        for (int i = 0; FFilterList && i < FFilterList->Count() && i < Filters->Count(); ++i)
            FFilterList->GetFilter(i)->SetEnabled(Filters->Checked(i));
        RefreshPreview();
    };
    BAdd->OnClick = [this](TObject*) {
        const TPoint corner = BAdd->ClientToScreen(TPoint{BAdd->Width(), BAdd->Height()});
        MenuFilters->Popup(corner.X, corner.Y);
    };
    BDelete->OnClick = [this](TObject*) { BDeleteClick(); };
    BMoveUp->OnClick = [this](TObject*) { MoveSelected(-1); };
    BMoveDown->OnClick = [this](TObject*) { MoveSelected(1); };
    Image->OnResize = [this](TObject*) { RefreshPreview(); };
    Scaled1->OnClick = [this](TObject*) { SetScaled(!Scaled1->Checked()); };
    CBPreview->OnClick = [this](TObject*) { PreviewClick(); };
    CBScaled->OnClick = [this](TObject*) { SetScaled(CBScaled->Checked()); };
    // The first option page is built once the dialog is up.
    Timer1->OnTimer = [this](TObject*) {
        Timer1->SetEnabled(false);
        FiltersClick();
    };
}

TFiltersEditor::~TFiltersEditor() {
    // The option controls go first: their handlers refer to the builder's records.
    ClearOptions();
    FCreator.reset();
}

void TFiltersEditor::BuildRegionPage() {
    struct TRegionField {
        const char* caption;
        TEdit** edit;
        TUpDown** upDown;
        void (*set)(TTeeFilter&, int);
    };
    const TRegionField fields[] = {
        {"&Left:", &ELeft, &UDLeft, [](TTeeFilter& f, int v) { f.Region()->SetLeft(v); }},
        {"&Top:", &ETop, &UDTop, [](TTeeFilter& f, int v) { f.Region()->SetTop(v); }},
        {"&Width:", &EWidth, &UDWidth, [](TTeeFilter& f, int v) { f.Region()->SetWidth(v); }},
        {"&Height:", &EHeight, &UDHeight, [](TTeeFilter& f, int v) { f.Region()->SetHeight(v); }},
    };
    int top = 8;
    for (const TRegionField& field : fields) {
        TLabel* label = MakeLabel(TabRegion, 8, top + 4, field.caption);
        TUpDownEdit pair = MakeUpDownEdit(TabRegion, 60, top, 60, 0, 11100);
        label->SetFocusControl(pair.Edit);
        *field.edit = pair.Edit;
        *field.upDown = pair.UpDown;
        TEdit* edit = pair.Edit;
        auto set = field.set;
        edit->OnChange = [this, edit, set](TObject*) { RegionChanged(edit, set); };
        top += 30;
    }
}

void TFiltersEditor::RegionChanged(TEdit* Edit, void (*Set)(TTeeFilter&, int)) {
    if (Loading()) return;
    TTeeFilter* filter = Selected();
    int value = 0;
    if (!filter || !TryStrToInt(Edit->Text(), value)) return;
    Set(*filter, value);
    RefreshPreview();
}

TTeeFilter* TFiltersEditor::Selected() const {
    const int index = Filters->ItemIndex();
    if (!FFilterList || index < 0 || index >= FFilterList->Count()) return nullptr;
    return FFilterList->GetFilter(index);
}

void TFiltersEditor::Edit(const TGraphic* Graphic, TFilterItems* FilterList) {
    FGraphic = Graphic;
    FFilterList = FilterList;
    Filters->Items()->Clear();
    for (int i = 0; i < FFilterList->Count(); ++i) {
        TTeeFilter* filter = FFilterList->GetFilter(i);
        Filters->Items()->Add(filter->GetCaption());
        Filters->SetChecked(i, filter->Enabled());
    }
    PageProps->SetActivePage(Properties);
    if (FFilterList->Count() > 0) {
        Filters->SetItemIndex(0);
        FiltersClick();
        RefreshPreview();
    }
    PageProps->SetVisible(FFilterList->Count() > 0);
    FillFilterMenu();
    ApplyFormHook(this);
    Timer1->SetEnabled(true);
}

void TFiltersEditor::FillFilterMenu() {
    MenuFilters->Items()->Clear();
    const std::vector<TTeeFilterClass>& classes = FilterClassList();
    std::vector<std::pair<std::string, int>> entries;
    for (size_t i = 0; i < classes.size(); ++i)
        entries.emplace_back(FilterClassCaption(classes[i]), int(i));
    // Ordinal comparison: capitals before small letters, whatever the locale.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [caption, index] : entries) {
        TMenuItem* item = new TMenuItem(this);
        item->SetCaption(caption);
        item->OnClick = [this, index = index](TObject*) { AddFilterClick(index); };
        MenuFilters->Items()->Add(item);
    }
}

void TFiltersEditor::UpdateButtons() {
    const int index = Filters->ItemIndex();
    const bool selected = index >= 0 && index < Filters->Count();
    BDelete->SetEnabled(selected);
    BMoveUp->SetEnabled(index > 0);
    BMoveDown->SetEnabled(selected && index < Filters->Count() - 1);
}

void TFiltersEditor::ClearOptions() {
    while (Properties->ControlCount() > 0) TObject::Free(Properties->Controls(0));
}

void TFiltersEditor::FiltersClick() {
    // Quiet from creation until the end of the first build, and during each build.
    {
        auto loading = LoadGuard();
        BuildOptions();
    }
    LoadingDone();
}

void TFiltersEditor::BuildOptions() {
    UpdateButtons();
    ClearOptions();
    TTeeFilter* filter = Selected();
    if (filter) {
        FCreator->Start(filter);
        FCreator->SetBuilding(true);
        try {
            filter->BuildEditor(*FCreator, [this](TObject*) { RefreshPreview(); });
        } catch (...) {
            FCreator->SetBuilding(false);
            throw;
        }
        FCreator->SetBuilding(false);
        const bool options = Properties->ControlCount() > 0;
        const bool region = filter->RegionEnabled();
        Properties->SetTabVisible(options);
        TabRegion->SetTabVisible(region);
        if (options || region) {
            ApplyFormHook(Properties);
            PageProps->SetVisible(true);
            if (region) {
                // Only read: looking at a filter gives it no region of its own.
                const bool has = filter->HasRegion();
                UDLeft->SetPosition(has ? filter->Region()->Left() : 0);
                UDTop->SetPosition(has ? filter->Region()->Top() : 0);
                UDWidth->SetPosition(has ? filter->Region()->Width() : 0);
                UDHeight->SetPosition(has ? filter->Region()->Height() : 0);
            }
            TTabSheet* active = PageProps->ActivePage();
            if (!active || !active->TabVisible())
                PageProps->SetActivePage(options ? Properties : TabRegion);
        } else {
            PageProps->SetVisible(false);
        }
    }
    PageProps->SetVisible(filter != nullptr && PageProps->Visible());
}

void TFiltersEditor::AddFilterClick(int ClassIndex) {
    const TTeeFilterClass cls = FilterClassList().at(size_t(ClassIndex));
    TTeeFilter* filter = FFilterList->AddFilterOfClass(cls);
    Filters->Items()->Add(filter->GetCaption());
    const int line = Filters->Count() - 1;
    Filters->SetChecked(line, true);
    Filters->SetItemIndex(line);
    FiltersClick();
    RefreshPreview();
    ApplyFormHook(this);
}

void TFiltersEditor::BDeleteClick() {
    const int index = Filters->ItemIndex();
    TTeeFilter* filter = Selected();
    if (!filter) return;
    TObject::Free(filter);
    Filters->Items()->Delete(index);
    if (Filters->Count() == 0) {
        FCreator->Start(nullptr);
        ClearOptions();
    } else {
        Filters->SetItemIndex(std::min(index, Filters->Count() - 1));
        FiltersClick();
    }
    UpdateButtons();
    PageProps->SetVisible(Selected() != nullptr);
    RefreshPreview();
}

void TFiltersEditor::MoveSelected(int Delta) {
    const int index = Filters->ItemIndex();
    const int other = index + Delta;
    if (!Selected() || other < 0 || other >= Filters->Count()) return;
    {
        auto loading = LoadGuard();
        const bool checked = Filters->Checked(index);
        const bool otherChecked = Filters->Checked(other);
        TStrings* lines = Filters->Items();
        const std::string caption = lines->Get(index);
        lines->Put(index, lines->Get(other));
        lines->Put(other, caption);
        Filters->SetChecked(index, otherChecked);
        Filters->SetChecked(other, checked);
        FFilterList->GetFilter(index)->SetIndex(other);
        Filters->SetItemIndex(other);
    }
    UpdateButtons();
    RefreshPreview();
}

void TFiltersEditor::PreviewClick() {
    CBScaled->SetEnabled(CBPreview->Checked());
    if (CBPreview->Checked())
        RefreshPreview();
    else
        Image->Picture()->SetGraphic(nullptr);
}

void TFiltersEditor::SetScaled(bool value) {
    Scaled1->SetChecked(value);
    if (CBScaled->Checked() != value) CBScaled->SetChecked(value);  // its click comes back here
    RefreshPreview();
}

void TFiltersEditor::RefreshPreview() {
    if (!CBPreview->Checked() || !FFilterList) return;
    if (!FFiltered) FFiltered = std::make_unique<TTeePicture>();
    FFiltered->SetGraphic(FGraphic);
    // A graphic of another class is drawn into a bitmap first.
    TBitmap* filtered = FFiltered->Bitmap();
    FFilterList->ApplyAll(*filtered);
    if (Scaled1->Checked()) {
        TBitmap scaled;
        scaled.SetSize(Image->Width(), Image->Height());
        ResampleBitmapBest(*filtered, scaled);
        Image->Picture()->SetBitmap(&scaled);
    } else {
        Image->Picture()->SetBitmap(filtered);
    }
}

bool ShowFiltersEditor(TComponent* Owner, const TGraphic* Graphic, TFilterItems* Filters) {
    TMemoryStream backup;
    WriteList(backup, *Filters);
    const std::string before(backup.Memory(), size_t(backup.Size()));
    TFiltersEditor* editor = new TFiltersEditor(Owner);
    bool ok = false;
    try {
        editor->Edit(Graphic, Filters);
        ok = editor->ShowModal() == mrOk;
    } catch (...) {
        TObject::Free(editor);
        throw;
    }
    TObject::Free(editor);
    // Without OK the list takes back its stream; unchanged lists keep their very filters.
    if (!ok && StreamBytes(*Filters) != before) {
        backup.Seek(0, soBeginning);
        TReader reader(backup);
        ReadFilterItems(reader, *Filters);
    }
    return ok;
}

bool ShowPictureFiltersEditor(TComponent* Owner, TTeePicture* Picture) {
    const bool ok = ShowFiltersEditor(Owner, Picture->Graphic(), Picture->Filters());
    if (ok) Picture->NotifyChanged();
    return ok;
}
