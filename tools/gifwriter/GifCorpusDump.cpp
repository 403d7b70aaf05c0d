#include "TGIFCorpus.h"

#include <QDir>
#include <QFile>
#include <cstdio>

// gifcorpus_dump FOLDER: writes every corpus file into FOLDER.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gifcorpus_dump FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    for (const TGIFCorpusFile& file : TGIFCorpus::Files()) {
        QFile out(folder.filePath(file.Name));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.Bytes) != file.Bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}
