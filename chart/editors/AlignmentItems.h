#pragma once
// The text alignment choices of the editors' alignment lists: left, centre, right.
#include "platform/ui/Label.h"

// The alignment items, in their order, and the alignment each stands for.
inline constexpr TAlignment AlignmentOfItem[] = {taLeftJustify, taCenter, taRightJustify};

// The item that stands for alignment; the first for none.
inline int ItemOfAlignment(TAlignment alignment) {
    for (int i = 0; i < 3; ++i)
        if (AlignmentOfItem[i] == alignment) return i;
    return 0;
}
