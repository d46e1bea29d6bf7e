#include "chart/series/text/OrgSeries.h"

#include <algorithm>
#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The names the sample chart's people are given, one of each list at random.
constexpr std::array<const char*, 9> SampleFirstNames{"Anna",  "Boris", "Clara", "David", "Edith",
                                                      "Felix", "Greta", "Hugo",  "Irma"};
constexpr std::array<const char*, 9> SampleLastNames{"Almer", "Brandt", "Corvin", "Dorn", "Ebner",
                                                     "Falk",  "Gruber", "Holm",   "Ivers"};

struct TSampleBox {
    const char* Role;
    int Parent;
};
constexpr std::array<TSampleBox, 6> SampleBoxes{{{"President", -1},
                                                 {"Sales Director", 0},
                                                 {"Product Manager\rUSA", 0},
                                                 {"Human Relations", 0},
                                                 {"Asian Sales", 2},
                                                 {"Assistant", 3}}};

}  // namespace

const TEnumInfo& OrgLineStyleNames() {
    static const TEnumInfo names{"lsSquared", "lsDiagonal"};
    return names;
}

TOrgSeries::TOrgSeries(TComponent* owner)
    : TChartSeries(owner),
      FFormat(std::make_unique<TOrgShape>()),
      FItems(std::make_unique<TOrgItemCollection>(this)),
      FSpacing(std::make_unique<TSpacing>(this)) {
    // Points stay in the order they are added: their indexes are the parents' references.
    XValues().SetOrder(loNone);
    ClipsToAxisRange = false;
    SetShowInLegend(false);
    DataEnteredByHand = true;
    Pen()->SetEndStyle(esSquare);
}

TOrgSeries::~TOrgSeries() = default;

void TOrgSeries::SetFormat(const TOrgShape* value) { FFormat->Assign(value); }
void TOrgSeries::SetItems(const TOrgItemCollection* value) { FItems->Assign(value); }
void TOrgSeries::SetSpacing(const TSpacing* value) { FSpacing->Assign(value); }

int TOrgSeries::Add(const std::string& text, int parentIndex) {
    return AddXYPoint(Count(), parentIndex, text);
}

int TOrgSeries::ParentOf(int index) const { return RoundToInt(YValues()[index]); }

void TOrgSeries::Children(int parent, bool onlyVisible, std::vector<int>& result) const {
    result.clear();
    const int n = std::min(FItems->Count(), Count());
    for (int i = 0; i < n; ++i)
        if (ParentOf(i) == parent && (!onlyVisible || FItems->Item(i)->Format()->Visible()))
            result.push_back(i);
}

bool TOrgSeries::WasLaidOut(int index) const {
    return index >= 0 && size_t(index) < FLaidOut.size() && FLaidOut[size_t(index)];
}

void TOrgSeries::AppendItems(int count, bool withLabels) {
    while (FItems->Count() < count) {
        const int index = FItems->Count();
        TOrgShape& format = *FItems->AddItem()->Format();
        format.Assign(FFormat.get());
        format.SetParentChart(FParentChart);
        format.SetText(withLabels && index < Count() ? Labels().Label(index) : std::string());
    }
}

int TOrgSeries::AddXYPoint(double x, double y, const std::string& label, TColor color) {
    const int index = TChartSeries::AddXYPoint(x, y, label, color);
    if (index < 0) return index;
    AppendItems(Count() - 1, false);
    if (FItems->Count() == Count() - 1) {
        // The new point's item goes where the point went.
        auto* item = static_cast<TOrgItem*>(FItems->Insert(std::min(index, FItems->Count())));
        TOrgShape& format = *item->Format();
        format.Assign(FFormat.get());
        format.SetParentChart(FParentChart);
        format.SetText(label);
    }
    return index;
}

void TOrgSeries::Delete(int valueIndex) {
    if (valueIndex < 0 || valueIndex >= Count()) {
        TChartSeries::Delete(valueIndex);  // raises
        return;
    }
    // The box and every box below it. A box joins once only, so parents that loop back (a box
    // its own parent, or a cycle read from a stream) end the search rather than feed it.
    std::vector<bool> doomed(size_t(Count()), false);
    std::vector<int> subtree{valueIndex};
    doomed[size_t(valueIndex)] = true;
    for (size_t k = 0; k < subtree.size(); ++k)
        for (int i = 0; i < Count(); ++i)
            if (!doomed[size_t(i)] && ParentOf(i) == subtree[k]) {
                doomed[size_t(i)] = true;
                subtree.push_back(i);
            }
    std::sort(subtree.begin(), subtree.end());
    for (auto it = subtree.rbegin(); it != subtree.rend(); ++it) {
        TChartSeries::Delete(*it);
        if (*it < FItems->Count()) FItems->Delete(*it);
    }
    // Each parent reference drops by the number of deleted boxes before it.
    for (int i = 0; i < Count(); ++i) {
        const double parent = YValues()[i];
        const auto before = std::lower_bound(subtree.begin(), subtree.end(), parent,
                                             [](int d, double p) { return d < p; }) -
                            subtree.begin();
        if (before > 0) YValues().SetValue(i, parent - double(before));
    }
    FLaidOut.clear();
    Repaint();
}

void TOrgSeries::ExchangePoints(int indexA, int indexB) {
    TChartSeries::ExchangePoints(indexA, indexB);
    if (indexA == indexB || std::max(indexA, indexB) >= FItems->Count()) return;
    TOrgItem* a = FItems->Item(indexA);
    TOrgItem* b = FItems->Item(indexB);
    a->SetIndex(indexB);
    b->SetIndex(indexA);
}

void TOrgSeries::ClearValueStorage() {
    TChartSeries::ClearValueStorage();
    if (FItems && !ComponentState().Contains(csLoading)) FItems->Clear();
    FLaidOut.clear();
}

void TOrgSeries::Loaded() {
    TChartSeries::Loaded();
    AppendItems(Count(), true);
}

void TOrgSeries::AttachFormats(TCustomAxisPanel* chart) {
    FFormat->SetParentChart(chart);
    for (int i = 0; i < FItems->Count(); ++i) FItems->Item(i)->Format()->SetParentChart(chart);
}

void TOrgSeries::SetParentChart(TCustomAxisPanel* value) {
    TChartSeries::SetParentChart(value);
    AttachFormats(FParentChart);
}

void TOrgSeries::DetachedFromChart() {
    TChartSeries::DetachedFromChart();
    AttachFormats(nullptr);
}

int TOrgSeries::PointXPixel(int index) const {
    if (index < 0 || index >= FItems->Count()) return 0;
    const TRect& r = FItems->Item(index)->Format()->ShapeBounds();
    return r.Left + (r.Right - r.Left) / 2;
}

int TOrgSeries::PointYPixel(int index) const {
    if (index < 0 || index >= FItems->Count()) return 0;
    return FItems->Item(index)->Format()->ShapeBounds().Bottom;
}

int TOrgSeries::ValueIndexAt(int x, int y) {
    const int n = std::min(FItems->Count(), Count());
    for (int i = 0; i < n; ++i) {
        // Boxes not laid out by the last drawing keep no place on the chart.
        if (!WasLaidOut(i)) continue;
        const TRect& r = FItems->Item(i)->Format()->ShapeBounds();
        if (x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) return i;
    }
    return -1;
}

void TOrgSeries::AddRandomValues(int /*numValues*/, bool /*onlyMandatory*/) {
    for (const TSampleBox& box : SampleBoxes) {
        const std::string first = SampleFirstNames[size_t(RandomBelow(9))];
        const std::string last = SampleLastNames[size_t(RandomBelow(9))];
        Add(first + " " + last + LineSeparator + box.Role, box.Parent);
    }
}

bool TOrgSeries::AcceptsAsSource(TComponent* component) const {
    return dynamic_cast<TOrgSeries*>(component) && TChartSeries::AcceptsAsSource(component);
}

void TOrgSeries::Assign(const TPersistent* source) {
    TChartSeries::Assign(source);
    if (auto* other = dynamic_cast<const TOrgSeries*>(source)) {
        FFormat->Assign(other->FFormat.get());
        FItems->Assign(other->FItems.get());
        AttachFormats(FParentChart);
        FLineStyle = other->FLineStyle;
        FSpacing->Assign(other->FSpacing.get());
    }
}

void TOrgSeries::Publish(TPublisher<TOrgSeries>& p) {
    using S = TOrgSeries;
    p.Object("Format", &S::Format, &S::SetFormat);
    p.Enumeration("LineStyle", OrgLineStyleNames(), &S::LineStyle, &S::SetLineStyle)
        .Default(lsSquared);
    p.Object("Items", &S::Items, &S::SetItems);
    p.Object("Spacing", &S::Spacing, &S::SetSpacing);
    p.Inherited("ShowInLegend").Default(false);
}
