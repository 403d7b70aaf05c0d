#pragma once

#include "TStream.h"

#include <QFile>
#include <QString>

// How a TFileStream opens its file: fmCreate creates it or empties an existing one
// (read and write); the others open an existing file.
enum class TFileMode { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

// A stream over a file on disk. Opening fails with EFOpenError (or EFCreateError for
// fmCreate) "Cannot open file "<name>". <reason of the system>".
class TFileStream : public TStream {
public:
    TFileStream(const QString& fileName, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    qint64 Read(void* buffer, qint64 count) override;
    qint64 Write(const void* buffer, qint64 count) override;
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;
    qint64 Size() const override;

    const QString& FileName() const { return m_fileName; }

private:
    QString m_fileName;
    mutable QFile m_file;
};
