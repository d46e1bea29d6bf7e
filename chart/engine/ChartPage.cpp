// Paging a chart's points, and printing a chart page by page.
#include "chart/engine/ChartPage.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Printer.h"

TChartPage::~TChartPage() = default;

void TChartPage::Publish(TPublisher<TChartPage>& p) {
    p.Boolean("AutoScale", &TChartPage::AutoScale, &TChartPage::SetAutoScale).Default(false);
    p.Integer("Current", &TChartPage::Current, &TChartPage::SetCurrent).Default(1);
    p.Integer("MaxPointsPerPage", &TChartPage::MaxPointsPerPage, &TChartPage::SetMaxPointsPerPage)
        .Default(0);
    p.Boolean("ScaleLastPage", &TChartPage::ScaleLastPage, &TChartPage::SetScaleLastPage)
        .Default(true);
}

void TChartPage::Repaint() {
    if (FChart) FChart->Invalidate();
}

void TChartPage::BroadcastChange() {
    if (FChart) FChart->BroadcastEventOfClass<TChartChangePage>();
}

void TChartPage::SetAutoScale(bool value) {
    if (value == FAutoScale) return;
    FAutoScale = value;
    Repaint();
}

void TChartPage::SetScaleLastPage(bool value) {
    if (value == FScaleLastPage) return;
    FScaleLastPage = value;
    Repaint();
}

bool TChartPage::Loading() const { return FChart && FChart->ComponentState().Contains(csLoading); }

void TChartPage::SetCurrent(int value) {
    // While a stream is read the series are not there yet to count pages: the chart limits the
    // page once it is loaded.
    if (!Loading()) value = std::max(std::min(value, Count()), 1);
    if (value == FCurrent) return;
    FCurrent = value;
    Repaint();
    BroadcastChange();
    if (FChart && FChart->OnPageChange) FChart->OnPageChange(this);
}

void TChartPage::SetMaxPointsPerPage(int value) {
    if (value < 0) throw ChartException(TxtMaxPointsPerPageMustBe0);
    if (value != FMaxPointsPerPage) {
        FMaxPointsPerPage = value;
        Repaint();
    }
    if (!Loading() && Count() < FCurrent) SetCurrent(Count());
    BroadcastChange();
}

int TChartPage::AxisPageCount(const TChartAxis* axis) const {
    int n = 0;
    for (const TChartSeries* s : FChart->SeriesList())
        if (s->Active() && s->UsesAxis(axis)) n = std::max(n, s->Count());
    if (n <= 0) return 1;
    return n / FMaxPointsPerPage + (n % FMaxPointsPerPage ? 1 : 0);
}

int TChartPage::Count() const {
    if (FMaxPointsPerPage <= 0 || !FChart || FChart->SeriesCount() == 0) return 1;
    const bool vertical = FChart->GetSeries(0)->YMandatory();
    const TChartAxis* a = vertical ? FChart->BottomAxis() : FChart->RightAxis();
    const TChartAxis* b = vertical ? FChart->TopAxis() : FChart->LeftAxis();
    return std::max(AxisPageCount(a), AxisPageCount(b));
}

void TChartPage::Next() {
    if (FMaxPointsPerPage > 0 && FCurrent < Count()) SetCurrent(FCurrent + 1);
}

void TChartPage::Previous() {
    if (FMaxPointsPerPage > 0 && FCurrent > 1) SetCurrent(FCurrent - 1);
}

void TChartPage::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TChartPage*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FAutoScale = other->FAutoScale;
    FCurrent = other->FCurrent;
    FMaxPointsPerPage = other->FMaxPointsPerPage;
    FScaleLastPage = other->FScaleLastPage;
}

// --- Printing.

namespace {
// Puts the chart back on the page it showed, on every path out of the printing loop.
class TCurrentPageRestore {
public:
    explicit TCurrentPageRestore(TChartPage& pages) : FPages(pages), FSaved(pages.Current()) {}
    ~TCurrentPageRestore() { FPages.SetCurrent(FSaved); }
    TCurrentPageRestore(const TCurrentPageRestore&) = delete;
    TCurrentPageRestore& operator=(const TCurrentPageRestore&) = delete;

private:
    TChartPage& FPages;
    int FSaved;
};
}  // namespace

void TCustomAxisPanel::PrintPages(int fromPage, int toPage) {
    TPrinter* printer = Printer();
    if (!Name().empty()) printer->SetTitle(Name());
    printer->BeginDoc();
    try {
        if (toPage == 0) toPage = PageCount();
        if (fromPage == 0) fromPage = 1;
        {
            TCurrentPageRestore restore(*FPages);
            const TRect r = PrintPageRect();
            for (int page = fromPage; page <= toPage; ++page) {
                FPages->SetCurrent(page);
                PrintInRect(r);
                if (page < toPage) printer->NewPage();
            }
        }
        printer->EndDoc();
    } catch (...) {
        printer->Abort();
        if (printer->Printing()) printer->EndDoc();
        throw;
    }
}
