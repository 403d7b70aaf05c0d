#pragma once

// The table of a picture catalogue as this system makes it, in the tool's catalogues and
// in the gallery's copies of Access catalogues. The picture is the last column: the
// gallery reads it lazily by row id, and SQLite reaches the columns stored after a large
// blob only by walking its overflow pages.
namespace TCatalogueSchema {

inline constexpr const char* pictureTable = "CREATE TABLE picture(ID INTEGER PRIMARY KEY, "
                                            "parent INTEGER, name TEXT, file TEXT, "
                                            "Mirelvane BLOB)";
// The gallery's category queries filter on parent.
inline constexpr const char* parentIndex = "CREATE INDEX picture_parent ON picture(parent)";

} // namespace TCatalogueSchema
