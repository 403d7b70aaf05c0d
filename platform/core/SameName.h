#pragma once

#include <QStringView>

// Names of components, properties and handlers match without regard to case. Names of
// different lengths never match, which keeps the common mismatch cheap in searches over
// hundreds of components.
inline bool SameName(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}
