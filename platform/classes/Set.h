#pragma once
// A set of the values of a small enumeration (at most 64 values), as a bit mask: the component
// states, the options of a control, and the set properties that are published and streamed.
#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items) {
        for (E e : items) FBits |= Bit(e);
    }
    static constexpr TSet FromMask(uint64_t mask) {
        TSet s;
        s.FBits = mask;
        return s;
    }
    constexpr uint64_t Mask() const { return FBits; }

    constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E e) {
        FBits |= Bit(e);
        return *this;
    }
    constexpr TSet& Exclude(E e) {
        FBits &= ~Bit(e);
        return *this;
    }

    constexpr TSet operator+(TSet o) const { return FromMask(FBits | o.FBits); }
    constexpr TSet operator-(TSet o) const { return FromMask(FBits & ~o.FBits); }
    constexpr TSet operator*(TSet o) const { return FromMask(FBits & o.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint64_t Bit(E e) { return uint64_t(1) << static_cast<unsigned>(e); }
    uint64_t FBits = 0;
};
