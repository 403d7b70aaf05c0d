#pragma once

#include "Exception.h"
#include "TLayoutValue.h"
#include "TSet.h"

#include <QString>
#include <array>
#include <span>

// Names of the members of an enumeration whose values run from 0 upwards, as they
// are written in stored layouts. Declared for each published enumeration with
// T_ENUM_NAMES next to the enumeration.
template <typename E> struct TEnumNames;

#define T_ENUM_NAMES(Enum, ...)                                                                    \
    template <> struct TEnumNames<Enum> {                                                          \
        static std::span<const char* const> Names()                                                \
        {                                                                                          \
            static constexpr const char* names[] = {__VA_ARGS__};                                  \
            return names;                                                                          \
        }                                                                                          \
    }

// How a value of a property type is written to and read from a layout. Decode raises
// ELayoutError with the reason; the reader adds where it happened.
template <typename V> struct TLayoutCodec;

namespace layout_detail {
[[noreturn]] void Expected(const char* what, const TLayoutValue& value);
int EnumIndex(std::span<const char* const> names, const QString& name);
} // namespace layout_detail

template <> struct TLayoutCodec<int> {
    static TLayoutValue Encode(int value) { return TLayoutValue::Integer(value); }
    static int Decode(const TLayoutValue& value);
};

template <> struct TLayoutCodec<bool> {
    static TLayoutValue Encode(bool value);
    static bool Decode(const TLayoutValue& value);
};

template <> struct TLayoutCodec<QString> {
    static TLayoutValue Encode(const QString& value) { return TLayoutValue::String(value); }
    static QString Decode(const TLayoutValue& value);
};

template <> struct TLayoutCodec<QStringList> {
    static TLayoutValue Encode(const QStringList& value) { return TLayoutValue::List(value); }
    static QStringList Decode(const TLayoutValue& value);
};

template <typename E>
requires std::is_enum_v<E>
struct TLayoutCodec<E> {
    static TLayoutValue Encode(E value)
    {
        const auto names = TEnumNames<E>::Names();
        return TLayoutValue::Identifier(QString::fromLatin1(names[std::size_t(value)]));
    }
    static E Decode(const TLayoutValue& value)
    {
        if (value.kind() != TLayoutValue::Kind::Identifier)
            layout_detail::Expected("an enumeration member", value);
        return E(layout_detail::EnumIndex(TEnumNames<E>::Names(), value.text()));
    }
};

template <typename E> struct TLayoutCodec<TSet<E>> {
    static TLayoutValue Encode(const TSet<E>& value)
    {
        QStringList members;
        const auto names = TEnumNames<E>::Names();
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (value.Contains(E(i)))
                members << QString::fromLatin1(names[i]);
        }
        return TLayoutValue::Set(members);
    }
    static TSet<E> Decode(const TLayoutValue& value)
    {
        if (value.kind() != TLayoutValue::Kind::Set)
            layout_detail::Expected("a set", value);
        TSet<E> set;
        for (const QString& member : value.members())
            set.Include(E(layout_detail::EnumIndex(TEnumNames<E>::Names(), member)));
        return set;
    }
};
