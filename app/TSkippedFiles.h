#pragma once

#include "TCatalogueImporter.h"

#include <QString>
#include <vector>

// The message naming the files that were not added because they are not pictures that
// can be kept, made for the information box's two lines: what happened, then the first
// MaxNamed file names (long ones shortened in the middle) and how many there are in all.
class TSkippedFiles {
public:
    static constexpr int MaxNamed = 2;
    static constexpr int MaxNameLength = 15; // characters

    static QString Text(const std::vector<TCatalogueImporter::TFailure>& skipped);
};
