#include "gif/DitherEngine.h"

#include <algorithm>
#include <numeric>

#include "gif/ColorLookup.h"

// ---- TDitherEngine ----

TDitherEngine::TDitherEngine(int width, TColorLookup& lookup) : FLookup(lookup), FWidth(width) {}

TDitherEngine::~TDitherEngine() = default;

uint8_t TDitherEngine::Dither(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                              uint8_t& b) {
    const uint8_t index = FLookup.Lookup(red, green, blue, r, g, b);
    FColumn += FDirection;
    return index;
}

void TDitherEngine::NextLine() {
    FDirection = -FDirection;
    FColumn = FDirection > 0 ? 0 : FWidth - 1;
}

int TDitherEngine::Corrected(int c, int error, int divisor) {
    return std::clamp(c + (error + divisor / 2) / divisor, 0, 255);
}

// ---- TFloydSteinbergDitherer ----

TFloydSteinbergDitherer::TFloydSteinbergDitherer(int width, TColorLookup& lookup)
    : TDitherEngine(width, lookup) {
    for (auto& row : FErrors) row.assign(size_t(width) + 2, 0);
}

uint8_t TFloydSteinbergDitherer::Dither(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r,
                                        uint8_t& g, uint8_t& b) {
    const int d = FDirection;
    const uint8_t in[3] = {red, green, blue};
    int v[3];
    for (int c = 0; c < 3; ++c) {
        // The pixel's own cell is one ahead of the write position.
        const int32_t error = FErrors[size_t(c)][size_t(FPosition + d)] + FRight[size_t(c)];
        v[c] = Corrected(in[c], error, 16);
    }
    const uint8_t index = FLookup.Lookup(uint8_t(v[0]), uint8_t(v[1]), uint8_t(v[2]), r, g, b);
    const uint8_t out[3] = {r, g, b};
    for (int c = 0; c < 3; ++c) {
        const int32_t e = v[c] - out[c];
        const auto k = size_t(c);
        FErrors[k][size_t(FPosition)] = FBelowBehind[k] + 3 * e;
        FBelowBehind[k] = FBelow[k] + 5 * e;
        FBelow[k] = e;
        FRight[k] = 7 * e;
    }
    FPosition += d;
    FColumn += d;
    return index;
}

void TFloydSteinbergDitherer::NextLine() {
    for (size_t c = 0; c < 3; ++c) {
        FErrors[c][size_t(FPosition)] = FBelowBehind[c];
        FRight[c] = FBelow[c] = FBelowBehind[c] = 0;
    }
    TDitherEngine::NextLine();
    FPosition = FDirection > 0 ? 0 : FWidth + 1;
}

// ---- TKernelDitherer ----

TKernelDitherer::TKernelDitherer(int width, TColorLookup& lookup, int rows, int margin, int divisor,
                                 std::vector<TKernelTap> kernel)
    : TDitherEngine(width, lookup),
      FRows(rows),
      FMargin(margin),
      FDivisor(divisor),
      FKernel(std::move(kernel)) {
    for (auto& channel : FErrors)
        channel.assign(size_t(rows), std::vector<int32_t>(size_t(width + 2 * margin), 0));
}

uint8_t TKernelDitherer::Dither(uint8_t red, uint8_t green, uint8_t blue, uint8_t& r, uint8_t& g,
                                uint8_t& b) {
    const uint8_t in[3] = {red, green, blue};
    int v[3];
    for (int c = 0; c < 3; ++c)
        v[c] = Corrected(in[c], FErrors[size_t(c)][0][size_t(FColumn + FMargin)], FDivisor);
    const uint8_t index = FLookup.Lookup(uint8_t(v[0]), uint8_t(v[1]), uint8_t(v[2]), r, g, b);
    const uint8_t out[3] = {r, g, b};
    for (int c = 0; c < 3; ++c) Propagate(c, v[c] - out[c]);
    FColumn += FDirection;
    return index;
}

void TKernelDitherer::Propagate(int c, int error) {
    auto& rows = FErrors[size_t(c)];
    for (const TKernelTap& tap : FKernel)
        rows[size_t(tap.Row)][size_t(FColumn + FMargin + tap.Offset * FDirection)] +=
            tap.Weight * error;
}

void TKernelDitherer::NextLine() {
    for (auto& rows : FErrors) {
        std::fill(rows[0].begin(), rows[0].end(), 0);
        std::rotate(rows.begin(), rows.begin() + 1, rows.end());
    }
    TDitherEngine::NextLine();
}

// ---- the kernels ----

TStuckiDitherer::TStuckiDitherer(int width, TColorLookup& lookup)
    : T5by3Ditherer(width, lookup, 42,
                    {{0, 1, 8},
                     {0, 2, 4},
                     {1, -2, 2},
                     {1, -1, 4},
                     {1, 0, 8},
                     {1, 1, 4},
                     {1, 2, 2},
                     {2, -2, 1},
                     {2, -1, 2},
                     {2, 0, 4},
                     {2, 1, 2},
                     {2, 2, 1}}) {}

TSierraDitherer::TSierraDitherer(int width, TColorLookup& lookup)
    : T5by3Ditherer(width, lookup, 32,
                    {{0, 1, 5},
                     {0, 2, 3},
                     {1, -2, 2},
                     {1, -1, 4},
                     {1, 0, 5},
                     {1, 1, 4},
                     {1, 2, 2},
                     {2, -1, 2},
                     {2, 0, 3},
                     {2, 1, 2}}) {}

TJaJuNiDitherer::TJaJuNiDitherer(int width, TColorLookup& lookup)
    : T5by3Ditherer(width, lookup, 48,
                    {{0, 1, 7},
                     {0, 2, 5},
                     {1, -2, 3},
                     {1, -1, 5},
                     {1, 0, 7},
                     {1, 1, 5},
                     {1, 2, 3},
                     {2, -2, 1},
                     {2, -1, 3},
                     {2, 0, 5},
                     {2, 1, 3},
                     {2, 2, 1}}) {}

TSteveArcheDitherer::TSteveArcheDitherer(int width, TColorLookup& lookup)
    : TKernelDitherer(width, lookup, 4, 3, 200,
                      {{0, 2, 32},
                       {1, -3, 12},
                       {1, -1, 26},
                       {1, 1, 30},
                       {1, 3, 16},
                       {2, -2, 12},
                       {2, 0, 26},
                       {2, 2, 12},
                       {3, -3, 5},
                       {3, -1, 12},
                       {3, 1, 12},
                       {3, 3, 5}}) {}

TBurkesDitherer::TBurkesDitherer(int width, TColorLookup& lookup)
    : TKernelDitherer(
          width, lookup, 2, 2, 32,
          {{0, 1, 8}, {0, 2, 4}, {1, -2, 2}, {1, -1, 4}, {1, 0, 8}, {1, 1, 4}, {1, 2, 2}}) {}
