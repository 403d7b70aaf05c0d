#pragma once

#include "TFieldDataLink.h"

// The data link of the data-aware picture control: a field data link of its own kind.
class TJpegDataLink : public TFieldDataLink {
    T_CLASS_INFO
public:
    TJpegDataLink();
};
