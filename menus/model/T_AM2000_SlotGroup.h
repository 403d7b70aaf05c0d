#pragma once

#include "Exception.h"
#include "TClassInfo.h"
#include "T_AM2000_OptionGroup.h"

#include <array>
#include <utility>

// An option group of N values of type V addressed by index 1..N, each with a declared
// default; the published properties are ValueAt and SetValueAt with a fixed index.
template <typename V, int N> class T_AM2000_SlotGroup : public T_AM2000_OptionGroup {
public:
    static constexpr int Count = N;
    using Values = std::array<V, N>;

    // Raise EListError for an index outside 1..N. Setting an unchanged value does nothing.
    V ValueAt(int index) const { return m_values[Position(index)]; }
    void SetValueAt(int index, V value)
    {
        V& slot = m_values[Position(index)];
        if (slot == value)
            return;
        slot = value;
        Changed();
    }

    template <int I> V Slot() const { return ValueAt(I); }
    template <int I> void SetSlot(V value) { SetValueAt(I, value); }

    bool IsDefault() const override { return m_values == m_defaults; }
    bool operator==(const T_AM2000_SlotGroup& other) const { return m_values == other.m_values; }

protected:
    T_AM2000_SlotGroup(T_AM2000_Options* options, T_AM2000_GroupKind kind, const Values& defaults)
        : T_AM2000_OptionGroup(options, kind)
        , m_values(defaults)
        , m_defaults(defaults)
    {}

    // Declares the first names.size() slots as published properties under these names.
    template <std::size_t P>
    static void DeclareSlots(TClassInfo& c, const std::array<const char*, P>& names,
                             const Values& defaults)
    {
        DeclareSlots(c, names, defaults, std::make_index_sequence<P>());
    }

    void CopyValues(const T_AM2000_SlotGroup& other) { m_values = other.m_values; }

private:
    template <std::size_t P, std::size_t... I>
    static void DeclareSlots(TClassInfo& c, const std::array<const char*, P>& names,
                             const Values& defaults, std::index_sequence<I...>)
    {
        (c.Property(names[I], &T_AM2000_SlotGroup::Slot<int(I) + 1>,
                    &T_AM2000_SlotGroup::SetSlot<int(I) + 1>, defaults[I]),
         ...);
    }

    static std::size_t Position(int index)
    {
        if (index < 1 || index > N)
            throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
        return std::size_t(index - 1);
    }

    Values m_values;
    const Values& m_defaults;
};
