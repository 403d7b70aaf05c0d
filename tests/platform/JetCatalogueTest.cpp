#include "Exception.h"
#include "JetTestSupport.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDataSource.h"
#include "TErrorReport.h"
#include "TField.h"
#include "TFieldDataLink.h"
#include "TJetCatalogueCache.h"
#include "TJetPictureFill.h"
#include "TJetReader.h"
#include "TMemoryStream.h"
#include "TNameSearch.h"
#include "TSQLiteDatabase.h"
#include "TTestQuery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

// The gallery's data layer over an Access catalogue: the category queries find what the
// manifests hold, pictures wrapped by Access come out unwrapped, nothing can be changed,
// the copy it browses is made once and again only when the file changes, and a damaged
// file shows what could be read with a report that the rest could not be.
using namespace JetTestSupport;

namespace {

// A connection and a category query over one catalogue, as the main window has them.
class TCatalogueQuery {
public:
    explicit TCatalogueQuery(const QString& path)
        : m_data(&m_form, TTestQuery::FileConnectionString(path))
    {
        m_data.query->SetName(QStringLiteral("ADOQuery1"));
    }

    TADOQuery& Open(qint64 parent)
    {
        m_data.OpenCategory(parent);
        return *m_data.query;
    }
    TADOConnection& Connection() { return *m_data.connection; }
    TDataSource* Source() { return m_data.source; }

    // The pictures of the open query, in record order; an invalid value for NULL.
    std::vector<QVariant> Pictures()
    {
        std::vector<QVariant> pictures;
        TADOQuery* query = m_data.query;
        for (query->First(); !query->Eof(); query->Next())
            pictures.push_back(query->FieldByName(QStringLiteral("Mirelvane"))->Value());
        return pictures;
    }

private:
    TComponent m_form{nullptr};
    TTestQuery m_data;
};

// The id of a process that has ended.
qint64 EndedProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    EXPECT_TRUE(process.waitForStarted());
    const qint64 id = process.processId();
    EXPECT_TRUE(process.waitForFinished());
    return id;
}

} // namespace

TEST(JetCatalogue, EveryCategoryHoldsTheManifestsPicturesByteForByte)
{
    const TJetScope scope;
    for (const QString& name : PlainCatalogues()) {
        const std::vector<TManifestRow> manifest = Manifest(name);
        TCatalogueQuery catalogue(FixturePath(name + QStringLiteral(".mdb")));
        for (const qint64 parent : {0, 10, 20, 30}) {
            TADOQuery& query = catalogue.Open(parent);
            EXPECT_EQ(query.RecordCount(), CountInCategory(manifest, parent)) << parent;
            std::vector<QVariant> pictures = catalogue.Pictures();
            auto next = pictures.begin();
            for (const TManifestRow& row : manifest) {
                if (row.parent != parent)
                    continue;
                ASSERT_NE(next, pictures.end());
                const QVariant picture = *next++;
                if (row.length < 0)
                    EXPECT_FALSE(picture.isValid()) << row.source.toStdString();
                else
                    EXPECT_EQ(Sha256(picture.toByteArray()), row.sha256)
                        << row.source.toStdString();
            }
        }
    }
}

TEST(JetCatalogue, PicturesWrappedByAccessComeOutAsTheirFiles)
{
    const TJetScope scope;
    TCatalogueQuery catalogue(FixturePath(QStringLiteral("catalogue-jet4-olewrapped.mdb")));
    catalogue.Open(0);
    EXPECT_EQ(catalogue.Pictures().at(0).toByteArray(),
              ReadFile(FixturePath(QStringLiteral("images/small2.jpg"))));
    catalogue.Open(10);
    EXPECT_EQ(catalogue.Pictures().at(0).toByteArray(),
              ReadFile(FixturePath(QStringLiteral("images/small16.bmp"))));
}

TEST(JetCatalogue, NothingCanBeChangedAndTheReasonIsGiven)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    TCatalogueQuery catalogue(path);
    TADOQuery& query = catalogue.Open(0);
    EXPECT_FALSE(query.CanModify());
    EXPECT_THROW(query.Edit(), EDatabaseError);
    EXPECT_TRUE(catalogue.Connection().ReadOnlyReason().contains(path));
    EXPECT_TRUE(catalogue.Connection().ReadOnlyReason().contains(QStringLiteral("import-mdb")));
    // A picture control asking to change its picture (a paste) is told why it cannot.
    TFieldDataLink link;
    link.SetDataSource(catalogue.Source());
    link.SetFieldName(QStringLiteral("Mirelvane"));
    try {
        link.Edit();
        ADD_FAILURE() << "an edit began";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("only read")))
            << error.Message().toStdString();
    }
    link.SetDataSource(nullptr);
}

TEST(JetCatalogue, TheCopyIsMadeOnceAndAgainWhenTheFileChanges)
{
    TJetScope scope;
    const QString path = scope.Written(QStringLiteral("mine.mdb"),
                                       ReadFile(FixturePath(QStringLiteral("catalogue-jet4.mdb"))));
    {
        TCatalogueQuery catalogue(path);
        catalogue.Open(0);
        // Kept once its pictures are all in and the gallery has closed it.
        LetPicturesArrive();
        EXPECT_FALSE(QFileInfo::exists(TJetCatalogueCache::CopyPath(path)));
    }
    const QString copy = TJetCatalogueCache::CopyPath(path);
    ASSERT_TRUE(QFileInfo::exists(copy));
    EXPECT_TRUE(copy.startsWith(scope.CacheFolder()));
    EXPECT_EQ(QFileInfo(path).dir().entryList(QDir::Files).size(), 1) << "written beside";
    // Opened again, the copy serves without the reader.
    const QString reader = TJetReader::Program();
    TJetReader::SetProgram(QStringLiteral("/nonexistent/reader"));
    EXPECT_EQ(TCatalogueQuery(path).Open(0).RecordCount(), 4);
    // The file changed: the copy is made again, which needs the reader.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                     QFileDevice::FileModificationTime);
    file.close();
    EXPECT_THROW(TCatalogueQuery(path).Open(0), EDatabaseError);
    TJetReader::SetProgram(reader);
    EXPECT_EQ(TCatalogueQuery(path).Open(10).RecordCount(), 2);
}

// Cut inside the 300 KB picture's pages: every row is there at once, that picture in part
// once its pages have been read, which the report says when every picture is in.
TEST(JetCatalogue, ADamagedFileShowsTheRowsReadAndReportsTheRestOnce)
{
    TJetScope scope;
    const qsizetype size = QFileInfo(FixturePath(QStringLiteral("catalogue-jet4.mdb"))).size();
    const QString path = scope.Truncated(QStringLiteral("catalogue-jet4"), size - 30 * pageBytes);
    TReports reports;
    TCatalogueQuery catalogue(path);
    EXPECT_EQ(catalogue.Open(0).RecordCount(), 4);
    const std::vector<QVariant> pictures = catalogue.Pictures();
    ASSERT_EQ(pictures.size(), 4u);
    EXPECT_EQ(Sha256(pictures[1].toByteArray()),
              Manifest(QStringLiteral("catalogue-jet4"))[1].sha256);
    // The picture cut off holds what could be read of it, and shows as damaged.
    EXPECT_GT(pictures[3].toByteArray().size(), 0);
    EXPECT_LT(pictures[3].toByteArray().size(), 303755);
    // The other categories' pictures are still to come: the damage is told once all are in.
    EXPECT_TRUE(reports.Texts().isEmpty());
    LetPicturesArrive();
    ASSERT_EQ(reports.Texts().size(), 1);
    EXPECT_TRUE(reports.Texts()[0].contains(path));
    EXPECT_TRUE(reports.Texts()[0].contains(QStringLiteral("could not be read")));
    // The damaged copy is not kept: the next opening reads the file and says it again.
    EXPECT_FALSE(QFileInfo::exists(TJetCatalogueCache::CopyPath(path)));
    {
        TCatalogueQuery again(path);
        EXPECT_EQ(again.Open(0).RecordCount(), 4);
        LetPicturesArrive();
    }
    EXPECT_EQ(reports.Texts().size(), 2);
    EXPECT_FALSE(QFileInfo::exists(TJetCatalogueCache::CopyPath(path)));
}

// A copy is searched as soon as it is browsed: by reading its rows while its pictures
// come, through its index of names once they are in (a damaged file's copy, made at once,
// has it at once). A copy stays a file while it is used, so that a search can open a
// connection of its own to it.
TEST(JetCatalogue, CopiesAreSearchedAtOnceAndThroughTheirIndexOfNamesOnceWhole)
{
    TJetScope scope;
    const qsizetype size = QFileInfo(FixturePath(QStringLiteral("catalogue-jet4.mdb"))).size();
    TReports reports;
    const QString cutInAPicture =
        scope.Truncated(QStringLiteral("catalogue-jet4"), size - 30 * pageBytes);
    const QString cutBeforePictures =
        scope.Truncated(QStringLiteral("catalogue-jet4"), 30 * pageBytes);
    for (const QString& path :
         {FixturePath(QStringLiteral("catalogue-jet4.mdb")), cutInAPicture, cutBeforePictures}) {
        SCOPED_TRACE(path.toStdString());
        TCatalogueQuery catalogue(path);
        catalogue.Open(0);
        const bool filling = TJetPictureFill::Running() > 0;
        EXPECT_EQ(filling, path != cutBeforePictures);
        const std::unique_ptr<TNameSearch> early = catalogue.Connection().OpenNameSearch();
        EXPECT_TRUE(early->HasNames());
        EXPECT_EQ(early->Scans(QStringLiteral("small")), filling);
        EXPECT_TRUE(early->Find(QStringLiteral("small"), {}).empty());
        LetPicturesArrive();
        const std::unique_ptr<TNameSearch> later = catalogue.Connection().OpenNameSearch();
        EXPECT_FALSE(later->Scans(QStringLiteral("small")));
        EXPECT_TRUE(later->Find(QStringLiteral("small"), {}).empty());
    }
    // The damaged files, each once.
    EXPECT_EQ(reports.Texts().size(), 2);
}

TEST(JetCatalogue, AFileThatIsNeitherStoreIsNamedWhenTheQueryOpens)
{
    TJetScope scope;
    const QString path = scope.ZeroedHeader(QStringLiteral("catalogue-jet4"));
    try {
        TCatalogueQuery(path).Open(0);
        ADD_FAILURE() << "opened";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(path));
        EXPECT_TRUE(error.Message().contains(QStringLiteral("neither an SQLite database")));
    }
}

// What a gallery killed while it made a copy left of it (the copy in the making and its
// journal's) is removed by the next opening of the same catalogue. The files of a gallery
// still running, those of another catalogue and any other file are left as they are.
TEST(JetCatalogue, TheNextOpeningRemovesWhatAKilledGalleryLeftOfItsCopy)
{
    const TJetScope scope;
    const QString path = FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    const QString copy = TJetCatalogueCache::CopyPath(path);
    const QString other =
        TJetCatalogueCache::CopyPath(FixturePath(QStringLiteral("catalogue-jet4-v2003.mdb")));
    const QString killed = QStringLiteral(".part-%1-3").arg(EndedProcessId());
    const QString running = QStringLiteral(".part-%1-1000").arg(QCoreApplication::applicationPid());
    QStringList left;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        left << copy + killed + QLatin1String(suffix);
    const QStringList kept = {copy + running, copy + running + QStringLiteral("-wal"),
                              other + killed, copy + QStringLiteral(".part-notes"),
                              copy + killed + QStringLiteral(".txt")};
    ASSERT_TRUE(QDir().mkpath(TJetCatalogueCache::Folder()));
    for (const QString& file : left + kept)
        WriteFile(file, "left");
    {
        TCatalogueQuery catalogue(path);
        EXPECT_EQ(catalogue.Open(0).RecordCount(), 4);
        for (const QString& file : left)
            EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
    }
    for (const QString& file : kept)
        EXPECT_EQ(ReadFile(file), "left") << file.toStdString();
    EXPECT_EQ(CacheFiles().size(), kept.size()) << CacheFiles().join(u' ').toStdString();
}

// A file whose listing shows damage (pictures whose pages lie past its end) is copied at
// once as far as it can be read; that copy is used while the connection is open, searches
// included, and then removed, so that the next opening says again what is missing.
TEST(JetCatalogue, ADamagedFilesCopyIsRemovedWhenItsConnectionCloses)
{
    TJetScope scope;
    TReports reports;
    const QString path = scope.Truncated(QStringLiteral("catalogue-jet4"), 30 * pageBytes);
    {
        TCatalogueQuery catalogue(path);
        EXPECT_EQ(catalogue.Open(0).RecordCount(), 4);
        EXPECT_EQ(CacheFiles().size(), 1);
        EXPECT_FALSE(QFileInfo::exists(TJetCatalogueCache::CopyPath(path)));
        EXPECT_TRUE(catalogue.Connection().OpenNameSearch()->HasNames());
    }
    EXPECT_TRUE(CacheFiles().isEmpty()) << CacheFiles().join(u' ').toStdString();
    ASSERT_EQ(reports.Texts().size(), 1);
    EXPECT_TRUE(reports.Texts()[0].contains(QStringLiteral("only in part")));
}
