#pragma once

#include <QByteArray>
#include <gif_lib.h>

// giflib's decoding of a whole GIF file held in memory (DGifOpen + DGifSlurp), closed
// when it goes out of scope: the reference the tests and benchmarks compare against.
class TGiflibFile {
public:
    // bytes must outlive the object. Empty (false) when giflib refuses the file.
    explicit TGiflibFile(const QByteArray& bytes);
    ~TGiflibFile();
    TGiflibFile(const TGiflibFile&) = delete;
    TGiflibFile& operator=(const TGiflibFile&) = delete;

    GifFileType* Get() const { return m_file; }
    const GifFileType* operator->() const { return m_file; }
    explicit operator bool() const { return m_file != nullptr; }

private:
    struct MemoryInput {
        const QByteArray* Bytes;
        qsizetype Position = 0;
    };
    static int ReadMemory(GifFileType* file, GifByteType* buffer, int count);
    void Close();

    MemoryInput m_input;
    GifFileType* m_file = nullptr;
};
