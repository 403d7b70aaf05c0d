#pragma once

#include <QString>
#include <vector>

// Converts an Access (Jet) catalogue into a new catalogue of the tool's own: every row
// that can be read, with its category, names and ID, its picture unwrapped where Access
// wrapped it as an OLE object. The Access file is only read.
class TJetImporter {
public:
    // A row whose picture could not be taken out of its OLE object (it is copied as
    // stored, and shows as a damaged picture), or whose ID was taken (it got a new one).
    struct TNote {
        quint64 row = 0; // in reading order, from 1
        QString text;
    };

    struct TReport {
        int copied = 0;
        std::vector<TNote> notes;
        QString problem; // why rows are missing: the Access file is damaged; else empty
    };

    // Makes the catalogue target, which must not exist, and copies the rows into it. When
    // nothing of the Access file can be read, target is removed again and EDatabaseError
    // raised; a damaged file keeps the rows read before the damage.
    static TReport Import(const QString& access, const QString& target);
};
