#include "ProgramRun.h"
#include "StoreSkip.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TPgTestCatalogue.h"
#include "TPgTestConnection.h"
#include "TPrivatePostgres.h"
#include "TTestPictures.h"
#include "TTestQuery.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <memory>
#include <vector>

namespace {

constexpr int importers = 4;
constexpr int picturesEach = 5000;
constexpr int readers = 2;

QString Sha256(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// A folder of small, different pictures for each importer (2 x 2 bitmaps whose pixels
// spell their number), and the SHA-256 of every file by its name.
class TPictureFolders {
public:
    TPictureFolders()
    {
        for (int importer = 0; importer < importers; ++importer) {
            QDir().mkpath(Folder(importer));
            for (int n = 0; n < picturesEach; ++n) {
                const int number = importer * picturesEach + n;
                QImage image(2, 2, QImage::Format_RGB32);
                image.fill(QColor(number & 0xff, (number >> 8) & 0xff, importer * 50));
                const QByteArray bytes = TTestPictures::BitmapFile(image);
                const QString name = QStringLiteral("p%1.bmp").arg(number);
                QFile file(QDir(Folder(importer)).filePath(name));
                if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                    ADD_FAILURE() << "cannot write " << name.toStdString();
                sha256s.insert(name, Sha256(bytes));
            }
        }
    }
    QString Folder(int importer) const
    {
        return m_root.filePath(QStringLiteral("importer%1").arg(importer));
    }

    QHash<QString, QString> sha256s;

private:
    QTemporaryDir m_root;
};

// A gallery browsing the catalogue: each Browse opens a category and reads a few of its
// pictures, as a click and the painted first page do, and records what went wrong.
class TReader {
public:
    TReader(const QString& connectionString, const QHash<QString, QString>& sha256s)
        : m_data(&m_owner, connectionString)
        , m_sha256s(sha256s)
    {}

    void Browse(qint64 parent)
    {
        try {
            m_data.OpenCategory(parent);
            const int count = m_data.query->RecordCount();
            // Each import adds all its pictures or none.
            if (count % picturesEach != 0)
                problems << QStringLiteral("category %1 showed %2 pictures").arg(parent).arg(count);
            for (int recNo : {1, 2, count}) {
                if (recNo < 1 || recNo > count)
                    continue;
                m_data.query->SetRecNo(recNo);
                CheckPicture();
            }
            ++opened;
        } catch (const std::exception& error) {
            problems << QString::fromUtf8(error.what());
        }
    }

    int opened = 0;
    QStringList problems;

private:
    void CheckPicture()
    {
        const QString file = m_data.query->FieldByName(QStringLiteral("file"))->AsString();
        const QByteArray bytes =
            m_data.query->FieldByName(QStringLiteral("Mirelvane"))->Value().toByteArray();
        if (m_sha256s.value(file) != Sha256(bytes))
            problems << QStringLiteral("picture %1 read wrong").arg(file);
    }

    TComponent m_owner{nullptr};
    TTestQuery m_data;
    const QHash<QString, QString>& m_sha256s;
};

} // namespace

// Four members of a team import 5,000 pictures each at once with the catalogue tool,
// two into the icons and two into the templates, while two galleries open categories.
TEST(PostgresLoad, FourImportersAndTwoReadersAtOnceLoseNothing)
{
    SKIP_UNLESS_REACHABLE(TTestStore::PostgreSQL());
    TPgTestCatalogue catalogue(TPictureTable::None);
    const ProgramRun create =
        ProgramRun::Of(QStringLiteral(ZENTUVIO_CATALOGUE_TOOL),
                       {QStringLiteral("create"), catalogue.Location()}, ProgramRun::Offscreen());
    ASSERT_EQ(create.exitCode, 0) << create.errors.toStdString();
    const TPictureFolders pictures;

    std::vector<std::unique_ptr<QProcess>> imports;
    int finished = 0;
    for (int importer = 0; importer < importers; ++importer) {
        auto& process = imports.emplace_back(std::make_unique<QProcess>());
        QObject::connect(process.get(), &QProcess::finished, [&finished] { ++finished; });
        process->start(QStringLiteral(ZENTUVIO_CATALOGUE_TOOL),
                       {QStringLiteral("import"), catalogue.Location(), QStringLiteral("--parent"),
                        importer % 2 == 0 ? QStringLiteral("0") : QStringLiteral("10"),
                        pictures.Folder(importer)});
        ASSERT_TRUE(process->waitForStarted());
    }
    std::vector<std::unique_ptr<TReader>> galleries;
    for (int reader = 0; reader < readers; ++reader)
        galleries.push_back(
            std::make_unique<TReader>(catalogue.ConnectionString(), pictures.sha256s));
    // The readers browse as long as any importer runs.
    int round = 0;
    do {
        for (auto& gallery : galleries)
            gallery->Browse(round++ % 2 == 0 ? 0 : 10);
        QCoreApplication::processEvents();
    } while (finished < importers);
    for (auto& process : imports)
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    for (auto& gallery : galleries) {
        gallery->Browse(0);
        EXPECT_TRUE(gallery->problems.isEmpty()) << qPrintable(gallery->problems.join('\n'));
        EXPECT_GT(gallery->opened, 1);
    }

    TPgTestConnection& server = catalogue.Connection();
    EXPECT_EQ(server.Single(QStringLiteral("SELECT count(*) FROM picture")),
              QString::number(importers * picturesEach));
    EXPECT_EQ(server.Single(QStringLiteral("SELECT count(DISTINCT file) FROM picture")),
              QString::number(importers * picturesEach));
    const TPgTestConnection::TResult rows =
        server.Run(QStringLiteral("SELECT file, encode(sha256(Mirelvane), 'hex') FROM picture"));
    int matching = 0;
    for (int row = 0; row < PQntuples(rows.get()); ++row) {
        const QString file = QString::fromUtf8(PQgetvalue(rows.get(), row, 0));
        if (pictures.sha256s.value(file) == QString::fromLatin1(PQgetvalue(rows.get(), row, 1)))
            ++matching;
    }
    EXPECT_EQ(matching, importers * picturesEach);
}
