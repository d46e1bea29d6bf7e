#include "chart/editors/ChartListBox.h"

#include <algorithm>
#include <vector>

#include "chart/editors/EditorRoutines.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/engine/SeriesLegendPaint.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Format.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"

TAddSeriesHook TeeAddGalleryProc;
TChangeTypeHook TeeChangeGalleryProc;

void TChartListBox::Publish(TPublisher<TChartListBox>& p) {
    using L = TChartListBox;
    auto flag = [&p](const char* name, bool L::*field) {
        p.Boolean(
             name, [field](const L& l) { return l.*field; },
             [field](L& l, bool v) { l.*field = v; })
            .Default(true);
    };
    flag("AllowAddSeries", &L::AllowAddSeries);
    flag("AllowDeleteSeries", &L::AllowDeleteSeries);
    flag("AskDelete", &L::AskDelete);
    p.Component("Chart", &L::Chart, &L::SetChart);
    p.Enumeration("CheckStyle", CheckBoxesStyleNames(), &L::CheckStyle, &L::SetCheckStyle)
        .Default(cbsCheck);
    flag("EnableChangeColor", &L::EnableChangeColor);
    flag("EnableDragSeries", &L::EnableDragSeries);
    flag("EnableChangeType", &L::EnableChangeType);
    p.Boolean("FontSeriesColor", &L::FontSeriesColor, &L::SetFontSeriesColor).Default(false);
    const std::pair<const char*, TChartListSection> sections[] = {{"ShowActiveCheck", clsActive},
                                                                  {"ShowSeriesColor", clsColor},
                                                                  {"ShowSeriesIcon", clsIcon},
                                                                  {"ShowSeriesTitle", clsTitle}};
    // The section is copied into a variable of its own: clang cannot capture a structured binding.
    for (const auto& [name, section] : sections) {
        const TChartListSection s = section;
        p.Boolean(
             name, [s](const L& l) { return l.ShowSection(s); },
             [s](L& l, bool v) { l.SetShowSection(s, v); })
            .Default(true);
    }
}

TChartListBox::TChartListBox(TComponent* owner) : TListBox(owner) {
    SetStyle(lbOwnerDrawFixed);
    SetItemHeight(24);
    SetSorted(false);
    SetMultiSelect(true);
}

TChartListBox::~TChartListBox() {
    Destroying();
    SetChart(nullptr);
}

// --- Binding and refilling.

void TChartListBox::SetChart(TCustomAxisPanel* chart) {
    if (chart == FChart) return;
    if (FChart) {
        FChart->RemoveFreeNotification(this);
        if (!FChart->ComponentState().Contains(csDestroying)) FChart->RemoveListener(this);
    }
    FChart = chart;
    if (FChart) {
        FChart->FreeNotification(this);
        FChart->Listeners().Add(this);
        FillSeries(nullptr);
    } else if (!ComponentState().Contains(csDestroying)) {
        ClearItems();
    }
}

void TChartListBox::Notification(TComponent* component, TOperation operation) {
    TListBox::Notification(component, operation);
    if (operation != opRemove) return;
    // A series freed while its title is being edited takes the editor down with it: nothing
    // is left to give the text to.
    if (component == FTitleSeries) CloseTitleEdit(false);
    if (component == FChart) SetChart(nullptr);
}

std::string TChartListBox::DisplayTitle(TChartSeries* series) const {
    if (FChart) return FChart->SeriesTitleText(series);
    return series->Title().empty() ? series->Name() : series->Title();
}

void TChartListBox::ClearItems() {
    Items()->Clear();
    if (LinkedItems) LinkedItems->Clear();
}

void TChartListBox::TakeLegendCheckStyle() {
    auto* chart = dynamic_cast<TCustomChart*>(FChart);
    if (chart && chart->Legend()->CheckBoxes()) FCheckStyle = chart->Legend()->CheckBoxesStyle();
}

// Our lists keep their items without a window, so a list with no parent fills as any other.
void TChartListBox::FillSeries(TCustomChartSeries* keep) {
    Items()->Clear();
    if (LinkedItems) LinkedItems->Clear();
    if (FChart) {
        const TCustomSeriesList& list =
            FSeriesGroup ? FSeriesGroup->Series() : FChart->SeriesList();
        AddSeriesToStrings(*Items(), list, !FShowNames);
        TakeLegendCheckStyle();
    }
    if (LinkedItems) LinkedItems->Assign(*Items());
    int row = -1;
    for (int i = 0; i < Count(); ++i)
        if (Items()->Objects(i) == keep) row = i;
    if (row < 0 && Count() > 0) row = 0;
    if (row >= 0) SelectSeries(row);
    if (OnOtherItemsChange) OnOtherItemsChange(this);
    Refreshed();
}

void TChartListBox::RefreshList() { FillSeries(SelectedSeriesObject()); }

void TChartListBox::SetShowNames(bool value) {
    if (value == FShowNames) return;
    FShowNames = value;
    RefreshList();
}

void TChartListBox::SetSeriesGroup(TSeriesGroup* value) {
    if (value == FSeriesGroup) return;
    FSeriesGroup = value;
    RefreshList();
}

void TChartListBox::SetCheckStyle(TCheckBoxesStyle value) {
    if (value == FCheckStyle) return;
    FCheckStyle = value;
    // Radio buttons: only the first active series stays active.
    if (value == cbsRadio && Parent() && Parent()->Visible()) {
        bool seen = false;
        for (int i = 0; i < Count(); ++i) {
            TChartSeries* s = SeriesAt(i);
            if (!s || !s->Active()) continue;
            if (seen) s->SetActive(false);
            seen = true;
        }
    }
    Invalidate();
}

void TChartListBox::SetFontSeriesColor(bool value) {
    if (value == FFontSeriesColor) return;
    FFontSeriesColor = value;
    Invalidate();
}

void TChartListBox::SetShowSection(TChartListSection s, bool value) {
    FSections[size_t(s)].Visible = value;
    Invalidate();
}

int TChartListBox::SectionLeft(TChartListSection s) const {
    int left = 0;
    for (int i = 0; i < int(s); ++i)
        if (FSections[size_t(i)].Visible) left += FSections[size_t(i)].Width;
    return left;
}

int TChartListBox::SectionAt(int x) const {
    for (int i = 0; i < 4; ++i) {
        const auto s = TChartListSection(i);
        if (FSections[size_t(i)].Visible && x > SectionLeft(s) &&
            x < SectionLeft(s) + SectionWidth(s))
            return i;
    }
    return -1;
}

TChartSeries* TChartListBox::SeriesAt(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return dynamic_cast<TChartSeries*>(Items()->Objects(index));
}

TChartSeries* TChartListBox::SelectedSeriesObject() const { return SeriesAt(ItemIndex()); }

void TChartListBox::SelectSeries(int index) {
    if (MultiSelect()) {
        SetSelected(index, true);
        if (ItemIndex() != index) SetItemIndex(index);
        SetSelected(index, true);
    } else {
        SetItemIndex(index);
    }
}

void TChartListBox::SelectAll() {
    if (!MultiSelect()) return;
    for (int i = 0; i < Count(); ++i) SetSelected(i, true);
}

bool TChartListBox::HasSelection() {
    if (!MultiSelect()) return ItemIndex() != -1;
    if (SelCount() > 0) return true;
    if (ItemIndex() == -1) return false;
    SetSelected(ItemIndex(), true);
    return true;
}

void TChartListBox::Refreshed() {
    if (OnRefresh) OnRefresh(this);
}

// --- Chart events.

void TChartListBox::HandleTeeEvent(TTeeEvent* event) {
    if (ComponentState().Contains(csDestroying)) return;
    auto* e = dynamic_cast<TTeeSeriesEvent*>(event);
    if (!e) return;
    auto* series = dynamic_cast<TChartSeries*>(e->Series);
    auto rowOf = [&] {
        for (int i = 0; i < Count(); ++i)
            if (Items()->Objects(i) == e->Series) return i;
        return -1;
    };
    switch (e->Event) {
        case seRemove: {
            if (e->Series == FTitleSeries) CloseTitleEdit(false);
            const int row = rowOf();
            if (row >= 0) {
                Items()->Delete(row);
                if (LinkedItems && row < LinkedItems->Count()) LinkedItems->Delete(row);
            }
            if (OnRemovedSeries) OnRemovedSeries(this, e->Series);
            break;
        }
        case seChangeTitle: {
            const int row = rowOf();
            if (row >= 0 && series) {
                const std::string text = FShowNames ? series->Name() : DisplayTitle(series);
                Items()->SetStrings(row, text);
                if (LinkedItems && row < LinkedItems->Count()) LinkedItems->SetStrings(row, text);
            }
            break;
        }
        case seChangeColor:
            Invalidate();
            break;
        case seChangeActive:
            TakeLegendCheckStyle();
            Invalidate();
            break;
        case seAdd:
        case seSwap:
            FillSeries(SelectedSeriesObject());
            break;
        default:
            break;
    }
}

// --- Drawing.

void TChartListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    TCanvas& c = *Canvas();
    const bool focused = Focused();
    const bool selected = state.Contains(odSelected) || (!focused && index == ItemIndex());
    TColor back = Color();
    if (selected && focused)
        back = clHighlight;
    else if (selected)
        back = index == ItemIndex() ? clInactiveCaption : clHighlight;
    else if (state.Contains(odFocused))
        back = clInactiveCaption;
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(back);
    c.FillRect(rect);
    // Only the title section shows the selection.
    const int titleLeft = SectionLeft(clsTitle);
    c.Brush()->SetColor(Color());
    c.FillRect(Rect(rect.Left, rect.Top, rect.Left + std::max(0, titleLeft - 2), rect.Bottom));

    TChartSeries* series = SeriesAt(index);
    if (series) {
        if (ShowSection(clsIcon))
            DrawSeriesGalleryBitmap(c, *series, SectionLeft(clsIcon), rect.Top);
        if (ShowSection(clsColor) && series->UseSeriesColor) {
            const int left = SectionLeft(clsColor) - 2;
            const TRect box =
                Rect(left + 4, rect.Top + 4, left + SectionWidth(clsColor) - 4, rect.Bottom - 4);
            PaintColorSymbol(c, *series, box);
        }
        if (ShowSection(clsActive)) {
            c.Brush()->SetColor(Color());
            PaintCheckBox(SectionLeft(clsActive) + 2, rect.Top + (rect.Height() - 13) / 2, c,
                          series->Active(), FCheckStyle == cbsCheck);
        }
    }
    if (ShowSection(clsTitle)) {
        c.Brush()->SetStyle(bsClear);
        TColor fontColor = Font()->Color();
        if (selected)
            fontColor = clHighlightText;
        else if (FFontSeriesColor && series)
            fontColor = series->SeriesColor();
        c.Font()->SetColor(fontColor);
        const int top = rect.Top + (rect.Height() - c.TextHeight("W")) / 2;
        c.TextOut(titleLeft + 1, top, Items()->Strings(index));
    }
}

// --- Mouse and keys.

void TChartListBox::MouseMove(TShiftState shift, int x, int y) {
    FMouse = {x, y};
    TCursor cursor = crDefault;
    if (ItemAtPos({x, y}, true) != -1) {
        const int section = SectionAt(x);
        if ((section == clsIcon && EnableChangeType) || (section == clsColor && EnableChangeColor))
            cursor = crHandPoint;
    }
    SetCursor(cursor);
    TListBox::MouseMove(shift, x, y);
}

void TChartListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    FMouse = {x, y};
    TListBox::MouseDown(button, shift, x, y);
    CloseTitleEdit(true);
    if (ItemIndex() == -1) return;
    const int row = ItemAtPos({x, y}, true);
    const int section = SectionAt(x);
    if (row != -1 && section == clsActive) {
        TChartSeries* pressed = SeriesAt(row);
        if (FCheckStyle == cbsRadio) {
            for (int i = 0; i < Count(); ++i)
                if (TChartSeries* s = SeriesAt(i)) s->SetActive(i == row);
        } else if (pressed) {
            pressed->SetActive(!pressed->Active());
        }
        if (pressed && !pressed->ParentChart()) Invalidate();
        if (OnChangeActive) OnChangeActive(this, pressed);
    } else if (EnableDragSeries && section == clsTitle && !FDblClicked &&
               !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && button == mbLeft) {
        BeginDrag(false);
    }
    FDblClicked = false;
    if (OnOtherItemsChange) OnOtherItemsChange(this);
}

void TChartListBox::DblClick() {
    FDblClicked = true;
    const int row = ItemAtPos(FMouse, true);
    if (row == -1 || !(Selected(row) || row == ItemIndex())) return;
    const int section = SectionAt(FMouse.X);
    TChartSeries* series = SeriesAt(row);
    if (section == clsIcon && EnableChangeType) {
        ChangeTypeOfSelected();
    } else if (section == clsColor && EnableChangeColor && series && series->UseSeriesColor) {
        TColor color = series->SeriesColor();
        if (EditColorVar(this, color) && color != series->SeriesColor()) {
            series->SetSeriesColor(color);
            series->SetColorEachPoint(false);
            if (OnChangeColor) OnChangeColor(this, series);
        }
    } else if (section == clsTitle) {
        if (OnDblClickSeries) OnDblClickSeries(this, row);
    }
}

void TChartListBox::KeyUp(int& key, TShiftState shift) {
    TListBox::KeyUp(key, shift);
    if (key == VK_INSERT && AllowAddSeries)
        AddSeries();
    else if (key == VK_DELETE && AllowDeleteSeries)
        DeleteSelected();
    else if (key == VK_F2 && SelectedSeriesObject())
        StartTitleEdit();
}

void TChartListBox::DragOver(TObject* source, int, int, TDragState, bool& accept) {
    accept = EnableDragSeries && source == this;
}

void TChartListBox::DragDrop(TObject* source, int x, int y) {
    if (source != this) return;
    const int row = ItemAtPos({x, y}, true);
    if (ItemIndex() != -1 && row != -1 && row != ItemIndex()) ExchangeRows(ItemIndex(), row);
}

// --- Commands.

void TChartListBox::ExchangeRows(int a, int b) {
    auto swapIn = [a, b](TStrings& s) {
        if (a >= s.Count() || b >= s.Count()) return;
        const std::string text = s.Strings(a);
        TObject* object = s.Objects(a);
        s.SetStrings(a, s.Strings(b));
        s.SetObjects(a, s.Objects(b));
        s.SetStrings(b, text);
        s.SetObjects(b, object);
    };
    TChartSeries* sa = SeriesAt(a);
    TChartSeries* sb = SeriesAt(b);
    swapIn(*Items());
    if (LinkedItems) swapIn(*LinkedItems);
    if (FChart && sa && sb) {
        FChart->SwapSeries(sa, sb);  // the chart's swap event refills the list in the new order
        if (OnChangeOrder) OnChangeOrder(this, sa, sb);
    }
    if (CanFocus()) SetFocus();
    if (MultiSelect())
        for (int i = 0; i < Count(); ++i) SetSelected(i, false);
    SelectSeries(b);
    Refreshed();
}

namespace {

// A wide legend-symbol shadow would cover the small row box: it is 3 pixels wide meanwhile.
class TNarrowSymbolShadow {
public:
    explicit TNarrowSymbolShadow(const TChartSeries& series) {
        auto* chart = dynamic_cast<TCustomChart*>(series.ParentChart());
        FShadow = chart ? chart->Legend()->Symbol()->Shadow() : nullptr;
        if (!FShadow || !FShadow->Visible()) {
            FShadow = nullptr;
            return;
        }
        FHoriz = FShadow->HorizSize();
        FVert = FShadow->VertSize();
        FShadow->SetCommonSize(3);
    }
    ~TNarrowSymbolShadow() {
        if (!FShadow) return;
        FShadow->SetHorizSize(FHoriz);
        FShadow->SetVertSize(FVert);
    }
    TNarrowSymbolShadow(const TNarrowSymbolShadow&) = delete;
    TNarrowSymbolShadow& operator=(const TNarrowSymbolShadow&) = delete;

private:
    TTeeShadow* FShadow = nullptr;
    int FHoriz = 0;
    int FVert = 0;
};

}  // namespace

void TChartListBox::PaintColorSymbol(TCanvas& canvas, TChartSeries& series, const TRect& box) {
    const TNarrowSymbolShadow narrow(series);
    PaintSeriesLegend(series, canvas, box);
}

void TChartListBox::MoveUp() {
    if (ItemIndex() > 0) ExchangeRows(ItemIndex(), ItemIndex() - 1);
}

void TChartListBox::MoveDown() {
    if (ItemIndex() != -1 && ItemIndex() < Count() - 1) ExchangeRows(ItemIndex(), ItemIndex() + 1);
}

bool TChartListBox::DeleteSelected() {
    if (!HasSelection()) return false;
    const bool several = MultiSelect() && SelCount() > 1;
    if (AskDelete) {
        TChartSeries* current = SelectedSeriesObject();
        const std::string what =
            several ? "(Selected Series)" : (current ? DisplayTitle(current) : std::string());
        if (!ConfirmDelete(what, this)) return false;
    }
    std::vector<TChartSeries*> doomed;
    if (MultiSelect()) {
        for (int i = 0; i < Count(); ++i)
            if (Selected(i) && SeriesAt(i)) doomed.push_back(SeriesAt(i));
    } else if (SelectedSeriesObject()) {
        doomed.push_back(SelectedSeriesObject());
    }
    // Freeing a series takes it out of its chart, whose removal event takes its row away.
    for (TChartSeries* s : doomed) TObject::Free(s);
    if (Count() > 0) SelectSeries(0);
    Refreshed();
    return true;
}

TChartSeries* TChartListBox::AddSeries() {
    if (!TeeAddGalleryProc) return nullptr;
    TChartSeries* series = TeeAddGalleryProc(Owner(), FChart, SelectedSeriesObject());
    if (!series) return nullptr;
    if (MultiSelect())
        for (int i = 0; i < Count(); ++i) SetSelected(i, false);
    for (int i = 0; i < Count(); ++i)
        if (Items()->Objects(i) == series) SelectSeries(i);
    Refreshed();
    return series;
}

void TChartListBox::ChangeTypeOfSelected() {
    if (!HasSelection() || !FChart || !TeeChangeGalleryProc) return;
    std::vector<TChartSeries*> chosen;
    if (MultiSelect()) {
        for (int i = 0; i < Count(); ++i)
            if (Selected(i) && SeriesAt(i)) chosen.push_back(SeriesAt(i));
    } else if (SelectedSeriesObject()) {
        chosen.push_back(SelectedSeriesObject());
    }
    if (chosen.empty()) return;
    TChartSeries* first = chosen.front();
    TClass newClass = TeeChangeGalleryProc(Owner(), first);
    chosen.front() = first;
    if (newClass)
        for (size_t i = 1; i < chosen.size(); ++i) ChangeSeriesClass(chosen[i], newClass);
    for (TChartSeries* s : chosen)
        for (int i = 0; i < Count(); ++i)
            if (Items()->Objects(i) == s) SelectSeries(i);
    Refreshed();
}

TChartSeries* TChartListBox::CloneSelected() {
    TChartSeries* series = SelectedSeriesObject();
    return series ? CloneSeries(series) : nullptr;
}

bool TChartListBox::RenameSelected() {
    const int row = ItemIndex();
    TChartSeries* series = SeriesAt(row);
    if (!series) return false;
    const std::string before = FShowNames ? series->Name() : DisplayTitle(series);
    std::string text = before;
    if (InputQuery("Change Series Title", "New Series Title:", text) && !text.empty()) {
        if (FShowNames) {
            series->SetName(text);
            Items()->SetStrings(row, text);
            series->Repaint();
        } else {
            series->SetTitle(text == series->Name() ? std::string() : text);
        }
    }
    SelectSeries(row);
    const std::string after = FShowNames ? series->Name() : DisplayTitle(series);
    return after != before;
}

void TChartListBox::StartTitleEdit() {
    TChartSeries* series = SelectedSeriesObject();
    if (!series || !ShowSection(clsTitle)) return;
    if (!FTitleEditor) {
        FTitleEditor = new TEdit(this);
        FTitleEditor->OnKeyDown = [this](TObject*, int& key, TShiftState) {
            if (key == VK_RETURN || key == VK_ESCAPE || key == VK_UP || key == VK_DOWN ||
                key == VK_F2) {
                CloseTitleEdit(key != VK_ESCAPE);
                key = 0;
            }
        };
        FTitleEditor->OnKeyPress = [](TObject*, char& key) {
            if (key == '\r' || key == '\x1b') key = 0;
        };
    }
    ForgetTitleSeries();
    FTitleSeries = series;
    FTitleSeries->FreeNotification(this);
    FTitleEditor->SetParent(this);
    FTitleEditor->SetText(DisplayTitle(series));
    const TRect row = ItemRect(ItemIndex());
    FTitleEditor->SetBounds(SectionLeft(clsTitle) - 2, row.Top, SectionWidth(clsTitle),
                            row.Height() + 1);
    FTitleEditor->Show();
    FTitleEditor->SetFocus();
}

void TChartListBox::CloseTitleEdit(bool accept) {
    TChartSeries* series = FTitleSeries;
    ForgetTitleSeries();
    if (!FTitleEditor || !FTitleEditor->Visible()) return;
    FTitleEditor->Hide();
    if (accept && series) series->SetTitle(FTitleEditor->Text());
    if (CanFocus()) SetFocus();
    Invalidate();
}

void TChartListBox::ForgetTitleSeries() {
    if (FTitleSeries) FTitleSeries->RemoveFreeNotification(this);
    FTitleSeries = nullptr;
}
