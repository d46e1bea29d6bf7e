#include "chart/tools/view/SeriesAnimationTool.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "platform/classes/Publisher.h"
#include "platform/ui/Application.h"
#include "platform/ui/Timer.h"

namespace {

// Milliseconds on the application's clock: the manual one while a test installed it.
int64_t AnimationNow() {
    if (const TManualClock* clock = TManualClock::Installed()) return clock->Now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

const TEnumInfo& SeriesAnimationLoopNames() {
    static const TEnumInfo names{"salNo", "salOneWay", "salCircular"};
    return names;
}

TSeriesAnimationTool::TSeriesAnimationTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

TSeriesAnimationTool::~TSeriesAnimationTool() = default;

void TSeriesAnimationTool::Publish(TPublisher<TSeriesAnimationTool>& p) {
    using T = TSeriesAnimationTool;
    p.Integer("Delay", &T::Delay, &T::SetDelay).Default(0);
    p.Integer("DrawEvery", &T::DrawEvery, &T::SetDrawEvery).Default(0);
    p.Enumeration("Loop", SeriesAnimationLoopNames(), &T::Loop, &T::SetLoop).Default(salNo);
    p.Boolean("StartAtMin", &T::StartAtMin, &T::SetStartAtMin).Default(true);
    p.Float("StartValue", &T::StartValue, &T::SetStartValue).Default(0.0);
    p.Integer("Steps", &T::Steps, &T::SetSteps).Default(100);
}

void TSeriesAnimationTool::SetSteps(int value) {
    // The step is 1 / Steps: no step count below one makes a run.
    if (value < 1) throw ChartException(SAnimationSteps);
    FSteps = value;
}

void TSeriesAnimationTool::Stop() {
    if (FStopped) return;
    FStopped = true;
    if (OnStop) OnStop(this);
}

void TSeriesAnimationTool::Refresh() {
    if (Series() && Series()->ParentChart()) Series()->ParentChart()->Invalidate();
    if (FDelay <= 0) {
        TApplication::ProcessMessages();
        return;
    }
    const int64_t until = AnimationNow() + FDelay;
    do TApplication::ProcessMessages();
    while (AnimationNow() < until && !FStopped);
}

void TSeriesAnimationTool::PutBack(TChartValueList& values, const std::vector<double>& real) {
    const int n = std::min(values.Count(), int(real.size()));
    for (int j = 0; j < n; ++j) values.SetValue(j, real[size_t(j)]);
}

void TSeriesAnimationTool::Execute() {
    TChartSeries* series = Series();
    if (!series || Running()) return;
    // The real values, kept aside for the run.
    const TChartValueList& values = series->MandatoryValueList();
    const std::vector<double> real(values.Data(), values.Data() + values.Count());
    series->BeginUpdate();
    FStopped = false;
    struct TEnd {
        TSeriesAnimationTool& Tool;
        TChartSeries& Series;
        ~TEnd() {
            Tool.Stop();
            Series.EndUpdate();
        }
    } end{*this, *series};
    if (OnStart) OnStart(this);
    bool forward = true;
    do {
        RunOnce(forward, real);
        forward = !forward;
    } while (FLoop != salNo && !FStopped);
}

void TSeriesAnimationTool::RunOnce(bool forward, const std::vector<double>& real) {
    TChartValueList& values = Series()->MandatoryValueList();
    const double start = FStartAtMin ? values.Minimum() : FStartValue;
    const int count = std::min(values.Count(), int(real.size()));
    for (int j = 0; j < count; ++j) values.SetValue(j, start);
    Refresh();
    const int group = FDrawEvery > 0 ? FDrawEvery : std::max(count, 1);
    const double d = 1.0 / FSteps;
    const bool down = !forward && FLoop == salCircular;
    for (int first = 0; first < count && !FStopped; first += group) {
        const int last = std::min(first + group, count) - 1;
        for (int e = 0; e <= FSteps; ++e) {
            double f = e * d;
            double g = start - start * f;
            if (down) {
                g = 0;
                f = d * (FSteps - e);
            }
            for (int j = first; j <= last; ++j) values.SetValue(j, f * real[size_t(j)] + g);
            if (OnStep) OnStep(this, e);
            Refresh();
            if (FStopped) {
                PutBack(values, real);
                Refresh();
                return;
            }
        }
    }
    PutBack(values, real);
    Refresh();
}
