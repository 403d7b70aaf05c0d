#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// One GIF file of the conformance corpus.
struct TGIFCorpusFile {
    QString Name;
    QByteArray Bytes;
};

// A corpus of GIF files made at run time by two encoders (ours and giflib's): interlaced
// and progressive frames, local and global tables, every disposal, transparency,
// 2..256 colours, odd sizes and frames that fill the LZW dictionary. Deterministic.
class TGIFCorpus {
public:
    static std::vector<TGIFCorpusFile> Files();
};
