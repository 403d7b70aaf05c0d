#pragma once

#include "TLayoutValue.h"

#include <QString>
#include <vector>

// One `Path = value` line of a layout.
struct TLayoutAssignment {
    QString path;
    TLayoutValue value;
    int line = 0;
};

// One `object Name: TClass` or `inherited Name: TClass` block of a layout, with its
// assignments and nested blocks in the order they were written.
struct TLayoutNode {
    bool inherited = false;
    QString name;
    QString className;
    int line = 0;
    std::vector<TLayoutAssignment> assignments;
    std::vector<TLayoutNode> children;
};
