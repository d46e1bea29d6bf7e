#include "chart/series/variant/DonutSeries.h"

#include "platform/classes/Publisher.h"

namespace {
constexpr int DefaultDonutHole = 50;
}

TDonutSeries::TDonutSeries(TComponent* owner) : TPieSeries(owner) {
    SetDonutPercent(DefaultDonutHole);
}
TDonutSeries::~TDonutSeries() = default;

void TDonutSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TDonutSeries*>(source))
        SetDonutPercent(other->DonutPercent());
    TPieSeries::Assign(source);
    // A donut keeps a hole, whatever it was given.
    if (DonutPercent() <= 0) SetDonutPercent(DefaultDonutHole);
}

void TDonutSeries::Publish(TPublisher<TDonutSeries>& p) {
    using S = TDonutSeries;
    p.Integer("DonutPercent", &S::DonutPercent, &S::SetDonutPercent).Default(DefaultDonutHole);
}
