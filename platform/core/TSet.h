#pragma once

#include <cstdint>
#include <initializer_list>

// A set of members of a small enumeration (at most 64 members), as in [fsBold, fsItalic].
template <typename E> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> members)
    {
        for (E member : members)
            m_bits |= Bit(member);
    }

    constexpr bool Contains(E member) const { return (m_bits & Bit(member)) != 0; }
    constexpr bool IsEmpty() const { return m_bits == 0; }
    constexpr std::uint64_t Bits() const { return m_bits; }
    constexpr TSet& Include(E member)
    {
        m_bits |= Bit(member);
        return *this;
    }
    constexpr TSet& Exclude(E member)
    {
        m_bits &= ~Bit(member);
        return *this;
    }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr std::uint64_t Bit(E member) { return std::uint64_t(1) << unsigned(member); }
    std::uint64_t m_bits = 0;
};
