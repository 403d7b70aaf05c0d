#pragma once

#include "TErrorReport.h"
#include "TJetCatalogueCache.h"
#include "TJetPictureFill.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>
#include <gtest/gtest.h>
#include <map>
#include <vector>

// The Access (Jet) catalogues of tests/data/jet with their manifests, copies of them
// damaged on purpose, and a private XDG cache folder for the gallery's copies.
namespace JetTestSupport {

// One line of a manifest: a row as the Access file stores it.
struct TManifestRow {
    qint64 id = 0;
    qint64 parent = 0;
    qint64 length = -1; // -1 for NULL
    QByteArray sha256;  // hex; "NULL" for NULL
    QString source;
};

// What a failed statement of a test says it was doing.
inline const QString testAction = QStringLiteral("test");

inline QString FixturePath(const QString& name)
{
    return QStringLiteral(ZENTUVIO_JET_FIXTURES "/") + name;
}

inline QByteArray FileSha256(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

inline QByteArray Sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The manifest of catalogue name ("catalogue-jet4" for catalogue-jet4.mdb).
inline std::vector<TManifestRow> Manifest(const QString& name)
{
    QFile file(FixturePath(name + QStringLiteral(".manifest.tsv")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    std::vector<TManifestRow> rows;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char('\t'));
        if (fields.size() < 5)
            continue;
        rows.push_back({fields[0].toLongLong(), fields[1].toLongLong(), fields[2].toLongLong(),
                        fields[3].toLatin1(), fields[4]});
    }
    return rows;
}

inline int CountInCategory(const std::vector<TManifestRow>& rows, qint64 parent)
{
    return int(std::count_if(rows.begin(), rows.end(),
                             [&](const TManifestRow& row) { return row.parent == parent; }));
}

// The catalogues every Jet test may read, raw values only (no OLE objects).
inline const QStringList& PlainCatalogues()
{
    static const QStringList names = {QStringLiteral("catalogue-jet4"),
                                      QStringLiteral("catalogue-jet4-v2003")};
    return names;
}

inline const QStringList& AllCatalogues()
{
    static const QStringList names = {QStringLiteral("catalogue-jet4"),
                                      QStringLiteral("catalogue-jet4-v2003"),
                                      QStringLiteral("catalogue-jet4-olewrapped")};
    return names;
}

// Jet 4 pages are 4096 bytes; byte 0 of a page says its kind (1 for data).
constexpr qsizetype pageBytes = 4096;

// A copy of a catalogue with damage done to it, in a temporary folder.
class TDamagedCopies {
public:
    QString Truncated(const QString& name, qsizetype keep) const
    {
        return Written(name + QStringLiteral("-truncated.mdb"),
                       ReadFile(FixturePath(name + QStringLiteral(".mdb"))).left(keep));
    }
    QString ZeroedHeader(const QString& name) const
    {
        QByteArray bytes = ReadFile(FixturePath(name + QStringLiteral(".mdb")));
        bytes.replace(0, pageBytes, QByteArray(pageBytes, '\0'));
        return Written(name + QStringLiteral("-zeroed.mdb"), bytes);
    }
    // Every data page with bytes after its header flipped, a pseudo-random choice of
    // count bytes each, from seed.
    QString FlippedDataPages(const QString& name, quint32 seed, int count) const
    {
        QByteArray bytes = ReadFile(FixturePath(name + QStringLiteral(".mdb")));
        quint32 state = seed * 2654435761u + 1;
        for (qsizetype page = pageBytes; page + pageBytes <= bytes.size(); page += pageBytes) {
            if (bytes[page] != '\x01')
                continue;
            for (int i = 0; i < count; ++i) {
                state = state * 1664525u + 1013904223u;
                const qsizetype at = page + 8 + qsizetype(state % quint32(pageBytes - 8));
                bytes[at] = char(bytes[at] ^ char(1 + (state >> 24) % 255));
            }
        }
        return Written(QStringLiteral("%1-flipped-%2.mdb").arg(name).arg(seed), bytes);
    }
    // The page chain of the long value of length bytes made to loop: its third page
    // leads back to its first.
    QString LoopedChain(const QString& name, quint32 length) const
    {
        QByteArray bytes = ReadFile(FixturePath(name + QStringLiteral(".mdb")));
        // The value's header in its row: the length (a chain of pages has no flag bits),
        // then the first page's row number (low byte) and page number.
        char needle[4];
        qToLittleEndian<quint32>(length, needle);
        const qsizetype header = bytes.indexOf(QByteArray(needle, 4));
        EXPECT_GT(header, 0);
        const quint32 first = qFromLittleEndian<quint32>(bytes.constData() + header + 4);
        quint32 link = first;
        for (int step = 0; step < 2; ++step)
            link = qFromLittleEndian<quint32>(bytes.constData() + RowAt(bytes, link));
        qToLittleEndian<quint32>(first, bytes.data() + RowAt(bytes, link));
        return Written(QStringLiteral("%1-looped.mdb").arg(name), bytes);
    }
    QString Written(const QString& fileName, const QByteArray& bytes) const
    {
        const QString path = m_dir.filePath(fileName);
        WriteFile(path, bytes);
        return path;
    }

private:
    // Where the row that a long-value link (row number, page number) names starts: a data
    // page lists its rows' offsets from byte 14.
    static qsizetype RowAt(const QByteArray& bytes, quint32 link)
    {
        const qsizetype page = qsizetype(link >> 8) * pageBytes;
        const quint16 offset =
            qFromLittleEndian<quint16>(bytes.constData() + page + 14 + 2 * (link & 0xff));
        return page + (offset & 0x1fff);
    }

    QTemporaryDir m_dir;
};

// For the length of a test: a cache folder of its own, damaged copies of the catalogues,
// and every Access file it reads (the catalogues, the copies) checked to be byte for byte
// the same afterwards.
class TJetScope {
public:
    TJetScope()
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache.path()));
        for (const QString& name : AllCatalogues())
            Watch(FixturePath(name + QStringLiteral(".mdb")));
    }
    ~TJetScope()
    {
        for (const auto& [path, sha] : m_watched)
            EXPECT_EQ(FileSha256(path), sha) << "changed by reading: " << path.toStdString();
        qunsetenv("XDG_CACHE_HOME");
    }
    TJetScope(const TJetScope&) = delete;
    TJetScope& operator=(const TJetScope&) = delete;

    // Checks path too at the end of the test.
    QString Watch(const QString& path)
    {
        m_watched[path] = FileSha256(path);
        return path;
    }
    QString CacheFolder() const { return m_cache.path(); }

    // Damaged copies, made through Watched so that they are checked too.
    QString Truncated(const QString& name, qsizetype keep)
    {
        return Watch(m_copies.Truncated(name, keep));
    }
    QString ZeroedHeader(const QString& name) { return Watch(m_copies.ZeroedHeader(name)); }
    QString FlippedDataPages(const QString& name, quint32 seed, int count)
    {
        return Watch(m_copies.FlippedDataPages(name, seed, count));
    }
    QString LoopedChain(const QString& name, quint32 length)
    {
        return Watch(m_copies.LoopedChain(name, length));
    }
    QString Written(const QString& fileName, const QByteArray& bytes)
    {
        return Watch(m_copies.Written(fileName, bytes));
    }

private:
    QTemporaryDir m_cache;
    TDamagedCopies m_copies;
    std::map<QString, QByteArray> m_watched;
};

// The files in the cache folder of the gallery's copies.
inline QStringList CacheFiles()
{
    return QDir(TJetCatalogueCache::Folder()).entryList(QDir::Files | QDir::Hidden);
}

// Runs the event loop, as the gallery does while it shows a page, until the copies of the
// Access catalogues opened have all their pictures (or 30 s have passed).
inline void LetPicturesArrive()
{
    QElapsedTimer timer;
    timer.start();
    while (TJetPictureFill::Running() > 0 && timer.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Collects the error reports made while it lives (delivered from the event loop).
class TReports {
public:
    TReports()
        : m_previous(TErrorReport::SetReporter([this](const QString& text) { m_texts << text; }))
    {}
    ~TReports() { TErrorReport::SetReporter(m_previous); }
    const QStringList& Texts()
    {
        QCoreApplication::sendPostedEvents();
        return m_texts;
    }

private:
    QStringList m_texts;
    TErrorReport::Reporter m_previous;
};

} // namespace JetTestSupport
