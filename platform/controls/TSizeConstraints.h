#pragma once

#include "TPersistent.h"

#include <functional>

// Minimum and maximum size of a control in pixels; 0 means no limit.
class TSizeConstraints : public TPersistent {
    T_CLASS_INFO
public:
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int value);
    int MinHeight() const { return m_minHeight; }
    void SetMinHeight(int value);
    int MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(int value);
    int MaxHeight() const { return m_maxHeight; }
    void SetMaxHeight(int value);

    // Clamps a size to the constraints.
    int ConstrainWidth(int width) const;
    int ConstrainHeight(int height) const;

    void Assign(const TPersistent* source) override;
    std::function<void()> OnChange;

private:
    void Change(int& field, int value);

    int m_minWidth = 0;
    int m_minHeight = 0;
    int m_maxWidth = 0;
    int m_maxHeight = 0;
};
