#pragma once

#include "TStream.h"

#include <QByteArray>
#include <QString>

// A read-only stream over one of the program's raw-data resources. The resources are
// the files under resources/rcdata/, compiled in with Qt's resource system at
// ":/rcdata/<file>"; a resource's name is its file name without the extension, and
// lookup ignores letter case ("top", "TOP" and "Top" all find rcdata/TOP.jpg).
class TResourceStream : public TStream {
public:
    // Raises EResNotFound "Resource <name> not found".
    explicit TResourceStream(const QString& name);

    qint64 Read(void* buffer, qint64 count) override;
    // Raises EWriteError "Cannot write to a read-only resource stream".
    qint64 Write(const void* buffer, qint64 count) override;
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;
    qint64 Size() const override { return m_bytes.size(); }

    // The resource's path (":/rcdata/TOP.jpg").
    const QString& Path() const { return m_path; }
    // The resource file's extension without dot, lower case ("jpg"), or empty.
    QString Extension() const;
    const QByteArray& Bytes() const { return m_bytes; }

    // The path of the resource of that name, or an empty string.
    static QString FindResource(const QString& name);

private:
    QString m_path;
    QByteArray m_bytes;
    qint64 m_position = 0;
};
