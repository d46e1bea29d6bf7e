#include "chart/foundation/DefaultColors.h"

#include <cassert>

std::vector<TColor> DefaultColors;

void ResetDefaultColors() {
    DefaultColors = {clRed,  clGreen, clYellow,     clBlue,    clWhite, clGray,   clFuchsia,
                     clTeal, clNavy,  clMaroon,     clLime,    clOlive, clPurple, clSilver,
                     clAqua, clBlack, clMoneyGreen, clSkyBlue, clCream, clMedGray};
}

void SetDefaultColors(std::span<const TColor> Colors) {
    if (Colors.empty()) return;
    DefaultColors.assign(Colors.begin(), Colors.end());
}

TColor DefaultColorAt(int Index) {
    assert(Index >= 0 && "DefaultColorAt: negative index");
    if (DefaultColors.empty()) return clNone;
    return DefaultColors[size_t(Index) % DefaultColors.size()];
}

void FreeDefaultColors() {
    DefaultColors.clear();
    DefaultColors.shrink_to_fit();
}
