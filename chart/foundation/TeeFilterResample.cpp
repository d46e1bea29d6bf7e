// Separable resampling: per destination column (then row) a list of source indices with
// integer weights (x1024), a horizontal pass into a work bitmap, a vertical pass into Dest.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/foundation/TeeFilter.h"
#include "platform/rtl/RtlMath.h"

namespace {

struct TContribution {
    int Index;
    int Weight;
};

struct TContributions {
    std::vector<int>
        Start;  // per destination index, the first entry in Items; one extra at the end
    std::vector<TContribution> Items;
};

double TriangleKernel(double x) {
    x = std::fabs(x);
    return x < 1 ? 1 - x : 0;
}

double Sinc(double x) {
    x *= std::numbers::pi;
    return std::sin(x) / x;
}

double LanczosKernel(double x) {
    if (x == 0) return 1;
    if (std::fabs(x) >= 3) return 0;
    return Sinc(x) * Sinc(x / 3);
}

// An index past either edge is mirrored back; a wide kernel on a small source can reach past
// the far edge too, so what is still outside after one mirroring is held at the edge.
int Reflect(int j, int size) {
    if (j < 0)
        j = -j;
    else if (j >= size)
        j = 2 * size - j - 1;
    return std::clamp(j, 0, size - 1);
}

void BuildContributions(int sourceSize, int destSize, bool fast, TContributions& out) {
    const double support = fast ? 1 : 3;
    const double s = double(destSize - 1) / double(sourceSize - 1);
    const double b = support / s;
    const double f = std::min(s, 1.0);
    out.Start.assign(size_t(destSize) + 1, 0);
    out.Items.clear();
    for (int i = 0; i < destSize; ++i) {
        out.Start[size_t(i)] = int(out.Items.size());
        const double d = i / s;
        const int first = int(std::floor(d - b));
        const int last = int(std::ceil(d + b));
        for (int j = first; j <= last; ++j) {
            const double k = fast ? TriangleKernel(f * (d - j)) : LanczosKernel(f * (d - j));
            const int w = int(Round(k * f * 1024));
            if (w != 0) out.Items.push_back({Reflect(j, sourceSize), w});
        }
    }
    out.Start[size_t(destSize)] = int(out.Items.size());
}

uint8_t Clamp(int sum) { return uint8_t(std::clamp(sum >> 10, 0, 255)); }

}  // namespace

void ResampleBitmap(TBitmap& Source, TBitmap& Dest, bool Fast) {
    const int sw = Source.Width(), sh = Source.Height();
    const int dw = Dest.Width(), dh = Dest.Height();
    if (sw < 2 || sh < 2 || dw < 2 || dh < 2) return;
    Source.SetPixelFormat(pf24bit);
    Dest.SetPixelFormat(pf24bit);
    TBitmap work;
    work.SetPixelFormat(pf24bit);
    work.SetSize(dw, sh);

    TContributions list;
    BuildContributions(sw, dw, Fast, list);
    for (int y = 0; y < sh; ++y) {
        const uint8_t* in = Source.ScanLine(y);
        uint8_t* out = work.ScanLine(y);
        for (int x = 0; x < dw; ++x) {
            int b = 0, g = 0, r = 0;
            for (int k = list.Start[size_t(x)]; k < list.Start[size_t(x) + 1]; ++k) {
                const TContribution& c = list.Items[size_t(k)];
                const uint8_t* p = in + c.Index * 3;
                b += c.Weight * p[0];
                g += c.Weight * p[1];
                r += c.Weight * p[2];
            }
            out[x * 3] = Clamp(b);
            out[x * 3 + 1] = Clamp(g);
            out[x * 3 + 2] = Clamp(r);
        }
    }

    BuildContributions(sh, dh, Fast, list);
    std::vector<const uint8_t*> rows(static_cast<size_t>(sh));
    for (int y = 0; y < sh; ++y) rows[size_t(y)] = work.ScanLine(y);
    for (int y = 0; y < dh; ++y) {
        uint8_t* out = Dest.ScanLine(y);
        for (int x = 0; x < dw * 3; ++x) {
            int sum = 0;
            for (int k = list.Start[size_t(y)]; k < list.Start[size_t(y) + 1]; ++k) {
                const TContribution& c = list.Items[size_t(k)];
                sum += c.Weight * rows[size_t(c.Index)][x];
            }
            out[x] = Clamp(sum);
        }
    }
}
