#pragma once

#include "TCustomMemoryStream.h"

#include <QString>

// A read-only stream over one of the program's raw-data resources. The resources are
// the files under resources/rcdata/, compiled in with Qt's resource system at
// ":/rcdata/<file>"; a resource's name is its file name without the extension, and
// lookup ignores letter case ("top", "TOP" and "Top" all find rcdata/TOP.jpg).
class TResourceStream : public TCustomMemoryStream {
public:
    // Raises EResNotFound "Resource <name> not found".
    explicit TResourceStream(const QString& name);

    // Raises EWriteError "Cannot write to a read-only resource stream".
    qint64 Write(const void* buffer, qint64 count) override;

    // The resource's path (":/rcdata/TOP.jpg").
    const QString& Path() const { return m_path; }
    // The resource file's extension without dot, lower case ("jpg"), or empty.
    QString Extension() const;

    // The path of the resource of that name, or an empty string.
    static QString FindResource(const QString& name);

private:
    QString m_path;
};
