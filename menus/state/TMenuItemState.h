#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The stored state of one menu item: fields joined by ";", each a name, "=" and a value
// (a Boolean as 1 or 0, a number in decimal digits, a text in double quotes), written in
// this order and only where the item differs from its stored layout:
//   Hidden=1;Parent="File1";MenuIndex=2;ShortCut="Ctrl+S";Visible=0;Caption="Save";
//   LastTimeUsed=3600
// A field that is absent leaves the item's value as it is.
struct TMenuItemState {
    std::optional<bool> hidden;
    std::optional<QString> parent; // component name of the parent item; empty: the root
    std::optional<int> menuIndex;  // position among the parent's children
    std::optional<QString> shortCut;
    std::optional<bool> visible;
    std::optional<QString> caption;
    std::optional<quint32> lastTimeUsed; // seconds of running time

    // Reads a state string. A Boolean whose first character is neither 0 nor 1 is left
    // out; a number that is not decimal digits of its range is left out and named in
    // malformed ("MenuIndex=x"); unknown fields are ignored.
    static TMenuItemState Parse(const QString& text, QStringList* malformed = nullptr);
    // The state string of the fields of this state that differ from layout's.
    QString Build(const TMenuItemState& layout) const;

    bool operator==(const TMenuItemState&) const = default;
};
