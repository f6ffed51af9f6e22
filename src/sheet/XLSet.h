// TXLSet<E, TBits>: a small set of enumeration values kept as a bit mask
// (bit n = the element with value n), the way the sheet model's property,
// side, style, state, sector and axis sets are stored and streamed. Every
// element value must be below the bit width of TBits.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

template <class E, class TBits = uint32_t>
class TXLSet {
    static_assert(std::is_enum_v<E>, "a set holds enumeration values");
    static_assert(std::is_unsigned_v<TBits>, "the mask is unsigned");

public:
    constexpr TXLSet() = default;
    constexpr TXLSet(std::initializer_list<E> items)
    {
        for (E e : items)
            FBits |= Bit(e);
    }
    static constexpr TXLSet FromBits(TBits bits)
    {
        TXLSet s;
        s.FBits = bits;
        return s;
    }
    // Every element from 0 to last inclusive.
    static constexpr TXLSet Range(E first, E last)
    {
        TXLSet s;
        for (int e = static_cast<int>(first); e <= static_cast<int>(last); ++e)
            s.FBits |= Bit(static_cast<E>(e));
        return s;
    }

    constexpr TBits Bits() const { return FBits; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
    constexpr void Include(E e) { FBits |= Bit(e); }
    constexpr void Exclude(E e) { FBits &= static_cast<TBits>(~Bit(e)); }

    constexpr TXLSet& operator+=(TXLSet s)
    {
        FBits |= s.FBits;
        return *this;
    }
    constexpr TXLSet& operator-=(TXLSet s)
    {
        FBits &= static_cast<TBits>(~s.FBits);
        return *this;
    }
    constexpr TXLSet& operator*=(TXLSet s)
    {
        FBits &= s.FBits;
        return *this;
    }
    // Union, difference and intersection.
    friend constexpr TXLSet operator+(TXLSet a, TXLSet b) { return a += b; }
    friend constexpr TXLSet operator-(TXLSet a, TXLSet b) { return a -= b; }
    friend constexpr TXLSet operator*(TXLSet a, TXLSet b) { return a *= b; }
    friend constexpr bool operator==(TXLSet a, TXLSet b) { return a.FBits == b.FBits; }

private:
    static constexpr TBits Bit(E e) { return static_cast<TBits>(TBits{1} << static_cast<unsigned>(e)); }

    TBits FBits = 0;
};
