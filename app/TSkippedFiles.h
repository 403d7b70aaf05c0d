#pragma once

#include "TCatalogueImporter.h"

#include <QString>
#include <vector>

// The message naming the files that were not added because they are not pictures that
// can be kept: one file name a line, at most MaxNamed of them, then how many more.
class TSkippedFiles {
public:
    static constexpr int MaxNamed = 10;

    static QString Text(const std::vector<TCatalogueImporter::TFailure>& skipped);
};
