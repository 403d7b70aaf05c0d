#pragma once

#include "TPersistent.h"

#include <QRect>
#include <functional>

class TCanvas;

// The settings of an embedded control that an item draws in place of its text; the
// item's Control property selects the subclass. The base, for items without a
// control, has no settings.
class T_AM2000_MenuControl : public TPersistent {
    T_CLASS_INFO
public:
    T_AM2000_MenuControl() = default;
    T_AM2000_MenuControl(const T_AM2000_MenuControl&) = delete;
    T_AM2000_MenuControl& operator=(const T_AM2000_MenuControl&) = delete;

    // The height of an item that holds the control; oneLineItem is the height of an
    // item with one line of text, which a control without a size of its own takes.
    virtual int Height(int oneLineItem) const { return oneLineItem; }
    // Paints the control into rect, the item's area between its glyph column and its
    // right margin, over the item's background. Returns false for a control without a
    // face of its own: the item's texts are drawn instead.
    virtual bool Paint(TCanvas& canvas, const QRect& rect, bool selected) const;

    // Told of every change of a setting, so that the item can repaint.
    std::function<void()> OnChange;

protected:
    void Changed() const;
    // The shape of every setter: nothing for an unchanged value, else assign and tell.
    template <typename V> void Update(V& field, const V& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
};
