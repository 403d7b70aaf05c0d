#include "TGiflibFile.h"

#include <algorithm>
#include <cstring>

TGiflibFile::TGiflibFile(const QByteArray& bytes)
    : m_input{&bytes}
{
    int error = 0;
    m_file = DGifOpen(&m_input, ReadMemory, &error);
    if (m_file && DGifSlurp(m_file) != GIF_OK)
        Close();
}

TGiflibFile::~TGiflibFile()
{
    Close();
}

int TGiflibFile::ReadMemory(GifFileType* file, GifByteType* buffer, int count)
{
    auto* input = static_cast<MemoryInput*>(file->UserData);
    const int n = int(std::min<qsizetype>(count, input->Bytes->size() - input->Position));
    std::memcpy(buffer, input->Bytes->constData() + input->Position, size_t(n));
    input->Position += n;
    return n;
}

void TGiflibFile::Close()
{
    int error = 0;
    if (m_file)
        DGifCloseFile(m_file, &error);
    m_file = nullptr;
}
