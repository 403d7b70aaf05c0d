#pragma once

#include "TJetRowFormat.h"

#include <cstdint>
#include <optional>
#include <string>

// One row of table picture as the reader hands it on.
struct TJetRow {
    std::uint64_t number = 0; // in reading order, from 1
    std::int64_t id = 0;      // the ID column's value, else the row number
    std::optional<std::int64_t> parent;
    std::optional<std::string> name;
    std::optional<std::string> file;
    TJetRowFormat::TValueState state = TJetRowFormat::vsNull;
    std::uint64_t storedLength = 0; // as the row says
    std::string bytes;              // the bytes read, when asked for
};
