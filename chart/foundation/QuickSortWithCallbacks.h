#pragma once
// A quicksort over an index range that never touches the items itself: the caller compares two
// items (negative when A sorts before B) and swaps two items. The pivot index follows its item
// through the swaps.

template <class TCompare, class TSwap>
void QuickSortWithCallbacks(int First, int Last, TCompare&& Compare, TSwap&& Swap) {
    while (First < Last) {
        int i = First;
        int j = Last;
        int p = int((unsigned(First) + unsigned(Last)) >> 1);
        while (i < j) {
            while (Compare(i, p) < 0) ++i;
            while (Compare(p, j) < 0) --j;
            if (i < j) {
                Swap(i, j);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
            }
            if (i <= j) {
                ++i;
                --j;
            }
        }
        // The lower part first, as a call; the upper part by the loop.
        if (First < j) QuickSortWithCallbacks(First, j, Compare, Swap);
        First = i;
    }
}
