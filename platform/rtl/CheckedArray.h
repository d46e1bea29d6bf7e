#pragma once
// A fixed array with declared bounds [Low..High] whose every index is checked. An index outside
// the bounds raises ERangeError, so limits that are enforced only by the bounds hold here too.
// Nest it for two dimensions: TCheckedArray<TCheckedArray<Real, 1, 201>, 0, 1>.
#include <cstddef>

#include "platform/rtl/Exceptions.h"

template <typename T, long Low, long High>
class TCheckedArray {
    static_assert(High >= Low, "empty bounds");

public:
    static constexpr long LowBound = Low;
    static constexpr long HighBound = High;
    static constexpr std::size_t Length = static_cast<std::size_t>(High - Low + 1);

    T& operator[](long i) {
        if (i < Low || i > High) [[unlikely]]
            RaiseRangeError();
        return FData[i - Low];
    }
    const T& operator[](long i) const {
        if (i < Low || i > High) [[unlikely]]
            RaiseRangeError();
        return FData[i - Low];
    }

    // Unchecked access for loops whose bounds are already proven.
    T* Data() { return FData; }
    const T* Data() const { return FData; }

    void Fill(const T& value) {
        for (auto& v : FData) v = value;
    }

private:
    T FData[Length]{};
};
