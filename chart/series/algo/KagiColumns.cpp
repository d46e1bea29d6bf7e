#include "chart/series/algo/KagiColumns.h"

#include <cmath>

namespace {

// A large enough move from last against the stroke that came from prev.
bool IsKagiReversal(TKagiReversal reversal, double last, double prev, double x) {
    const double amount = reversal.Absolute ? reversal.Amount : last * reversal.Amount;
    const double d = x - last;
    return std::fabs(d) > amount && d * (last - prev) < 0;
}

}  // namespace

TKagiColumns KagiColumns(std::span<const double> y, TKagiReversal reversal, bool listLines) {
    TKagiColumns r;
    if (y.size() < 2) return r;
    size_t i = 1;
    while (i < y.size() && y[i] == y[0]) ++i;
    if (i == y.size()) return r;
    bool thick = y[i] > y[0];
    auto line = [&](TKagiLineKind kind, int column, double from, double to) {
        if (listLines) r.Lines.push_back(TKagiLine{kind, column, from, to, thick});
    };
    line(klStroke, 0, y[0], y[i]);
    double last = y[i];
    double prev = y[0];
    double reference = y[0];
    r.Count = 1;
    for (size_t j = i + 1; j < y.size(); ++j) {
        const double x = y[j];
        if (IsKagiReversal(reversal, last, prev, x)) {
            const int column = r.Count;
            line(klStep, column, last, last);
            double start = last;
            const bool up = x > last;
            if (up && x > reference) {
                line(klStroke, column, last, reference);
                if (!thick) line(klBuy, column, reference, reference);
                thick = true;
                start = reference;
            } else if (!up && x < reference) {
                line(klStroke, column, last, reference);
                if (thick) line(klSell, column, reference, reference);
                thick = false;
                start = reference;
            }
            line(klStroke, column, start, x);
            prev = last;
            last = x;
            reference = x;
            ++r.Count;
        } else if ((x - last) * (last - prev) > 0) {
            line(klStroke, r.Count - 1, last, x);
            prev = last;
            last = x;
        }
    }
    return r;
}
