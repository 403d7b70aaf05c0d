#include "TSizeConstraints.h"

#include "TClassInfo.h"

#include <algorithm>

const TClassInfo& TSizeConstraints::StaticClassInfo()
{
    static const TClassInfo info("TSizeConstraints", &TPersistent::StaticClassInfo(),
                                 [](TClassInfo& c) {
                                     using S = TSizeConstraints;
                                     c.Property("MaxHeight", &S::MaxHeight, &S::SetMaxHeight, 0);
                                     c.Property("MaxWidth", &S::MaxWidth, &S::SetMaxWidth, 0);
                                     c.Property("MinHeight", &S::MinHeight, &S::SetMinHeight, 0);
                                     c.Property("MinWidth", &S::MinWidth, &S::SetMinWidth, 0);
                                 });
    return info;
}

void TSizeConstraints::SetMinWidth(int value)
{
    Change(m_minWidth, value);
}

void TSizeConstraints::SetMinHeight(int value)
{
    Change(m_minHeight, value);
}

void TSizeConstraints::SetMaxWidth(int value)
{
    Change(m_maxWidth, value);
}

void TSizeConstraints::SetMaxHeight(int value)
{
    Change(m_maxHeight, value);
}

int TSizeConstraints::ConstrainWidth(int width) const
{
    if (m_maxWidth > 0)
        width = std::min(width, m_maxWidth);
    return std::max(width, m_minWidth);
}

int TSizeConstraints::ConstrainHeight(int height) const
{
    if (m_maxHeight > 0)
        height = std::min(height, m_maxHeight);
    return std::max(height, m_minHeight);
}

void TSizeConstraints::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TSizeConstraints*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    m_minWidth = other->m_minWidth;
    m_minHeight = other->m_minHeight;
    m_maxWidth = other->m_maxWidth;
    m_maxHeight = other->m_maxHeight;
    if (OnChange)
        OnChange();
}

void TSizeConstraints::Change(int& field, int value)
{
    value = std::max(0, value);
    if (field == value)
        return;
    field = value;
    if (OnChange)
        OnChange();
}
