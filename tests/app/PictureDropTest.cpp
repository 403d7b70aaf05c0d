#include "../support/PictureSamples.h"
#include "../tools/CatalogueFiles.h"
#include "JetTestSupport.h"
#include "MainWindowFixture.h"
#include "StoreSkip.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TCatalogue.h"
#include "TDBCtrlGrid.h"
#include "TDataFiles.h"
#include "TMess.h"
#include "TMessnoresult.h"
#include "TPgTestCatalogue.h"
#include "TSkippedFiles.h"
#include "TTestPictures.h"
#include "TUserCatalogue.h"

#include <QCryptographicHash>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace picturesamples;

namespace {

// A main window on a catalogue made by the catalogue tool, with three icons and two
// templates, and a folder of files to drop.
class PictureDrop : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        TCatalogue catalogue(files.DatabasePath());
        catalogue.InTransaction([&] {
            for (int i = 0; i < 5; ++i)
                catalogue.Add({i < 3 ? 0 : 10, QStringLiteral("old%1").arg(i), QString(), Icon()});
        });
        form->Myado->SetConnectionString(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1")
                .arg(files.DatabasePath()));
        QObject::connect(&boxes, &QTimer::timeout, [this] { AnswerBoxes(); });
        boxes.start(boxCheckMs);
    }
    void TearDown() override
    {
        TDataFiles::ChooseCatalogue(QString());
        QFile::remove(TUserCatalogue::Path());
        MainWindowFixture::TearDown();
    }

    static QByteArray Icon()
    {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(QColor(0, 120, 0, 200));
        return TTestPictures::Png(image);
    }

    // Drags the files over grid and lets go; whether the grid took them. The work that
    // follows the drop runs before this returns.
    bool Drop(TDBCtrlGrid* grid, const QStringList& paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint at = grid->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }

    // While a test runs, every box that opens is read and answered: a question with the
    // next answer given (no when none is left), information by closing it.
    void AnswerBoxes()
    {
        if (Mess && Mess->isVisible() && !answering) {
            answering = true;
            questions << Mess->Label2->Caption();
            const bool yes = !answers.isEmpty() && answers.takeFirst();
            QTest::keyClick(Mess, yes ? Qt::Key_Return : Qt::Key_Escape);
            answering = false;
        }
        if (Messnoresult && Messnoresult->isVisible() && !answering) {
            answering = true;
            informations << Messnoresult->Label2->Caption();
            QTest::keyClick(Messnoresult, Qt::Key_Return);
            answering = false;
        }
    }

    QStringList Names(int parent)
    {
        TCatalogue catalogue(form->Myado->DatabasePath());
        QStringList names;
        for (const auto& entry : TCatalogueFiles::Entries(catalogue, parent))
            names << entry.name;
        return names;
    }

    static QByteArray Hash(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    static constexpr int boxCheckMs = 5;
    TCatalogueFiles files;
    QTimer boxes;
    bool answering = false;
    QList<bool> answers;
    QStringList questions;
    QStringList informations;
};

} // namespace

TEST_F(PictureDrop, FilesAndFoldersGoIntoTheShownCategoryAndTheOthersAreNamed)
{
    QTest::mouseClick(form->SpeedButton16, Qt::LeftButton);
    const QStringList dropped = {
        files.Write(QStringLiteral("in/alpha.png"), Icon()),
        files.Write(QStringLiteral("in/beta.svg"), TTestPictures::HalfFilledSvg(20, 20, Qt::red)),
        files.Write(QStringLiteral("in/gamma.jpg"), TCatalogueFiles::Jpeg()),
        files.Write(QStringLiteral("in/notes.txt"), "not a picture"),
    };
    files.Write(QStringLiteral("in/set/delta.png"), Icon());
    files.Write(QStringLiteral("in/set/deeper/epsilon.svg"),
                TTestPictures::HalfFilledSvg(8, 8, Qt::blue));
    files.Write(QStringLiteral("in/set/readme.md"), "# words");
    EXPECT_TRUE(
        Drop(form->DBCtrlGrid1, dropped + QStringList{files.PathOf(QStringLiteral("in/set"))}));

    // A folder's files come in the order of their paths.
    EXPECT_EQ(Names(0),
              QStringList({"old0", "old1", "old2", "alpha", "beta", "gamma", "epsilon", "delta"}));
    EXPECT_EQ(Names(10).size(), 2);
    // The grid and the count show them at once, the first new one current.
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:8个"));
    EXPECT_EQ(form->ADOQuery1->RecNo(), 4);
    EXPECT_EQ(informations.size(), 1);
    const QString skipped = informations.value(0);
    EXPECT_TRUE(skipped.contains(QStringLiteral("notes.txt"))) << qPrintable(skipped);
    EXPECT_TRUE(skipped.contains(QStringLiteral("readme.md"))) << qPrintable(skipped);
    EXPECT_FALSE(skipped.contains(QStringLiteral("alpha"))) << qPrintable(skipped);
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(PictureDrop, NothingIsAddedWhereNoCategoryGridIsShown)
{
    const QStringList icon = {files.Write(QStringLiteral("one.png"), Icon())};
    EXPECT_FALSE(Drop(form->DBCtrlGrid1, icon)) << "no category opened yet";

    QTest::mouseClick(form->SpeedButton16, Qt::LeftButton);
    // Another sub-category's button: the grid stays, but the count names that one.
    form->EmptyCategoryClick(form->FindComponent(QStringLiteral("SpeedButton12")));
    EXPECT_FALSE(Drop(form->DBCtrlGrid1, icon));
    EXPECT_FALSE(Drop(form->DBCtrlGrid2, icon)) << "the templates' query is closed";

    QTest::mouseClick(form->SpeedButton6, Qt::LeftButton);
    EXPECT_TRUE(Drop(form->DBCtrlGrid2, icon));
    EXPECT_EQ(Names(0).size(), 3);
    EXPECT_EQ(Names(10).size(), 3);
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("普通类共:3张界面模板"));
    EXPECT_TRUE(informations.isEmpty());
}

TEST_F(PictureDrop, AReadOnlyCatalogueStaysAsItIsAndTheUsersOwnCopyTakesThePictures)
{
    const QString original = files.DatabasePath();
    QFile::setPermissions(original, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray before = Hash(original);
    QTest::mouseClick(form->SpeedButton16, Qt::LeftButton);
    const QStringList icon = {files.Write(QStringLiteral("new.png"), Icon())};

    // Declined: nothing is written anywhere.
    answers = {false, true};
    EXPECT_TRUE(Drop(form->DBCtrlGrid1, icon));
    EXPECT_EQ(questions.size(), 1);
    EXPECT_FALSE(TUserCatalogue::Exists());
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:3个"));

    EXPECT_TRUE(Drop(form->DBCtrlGrid1, icon));
    EXPECT_EQ(questions.size(), 2);
    ASSERT_TRUE(TUserCatalogue::Exists());
    EXPECT_EQ(form->Myado->DatabasePath(), TUserCatalogue::Path());
    EXPECT_EQ(Names(0), QStringList({"old0", "old1", "old2", "new"}));
    EXPECT_EQ(Names(10).size(), 2);
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:4个"));
    EXPECT_EQ(Hash(original), before);

    // From now on the pictures go there without asking, and a start without a chosen
    // catalogue opens it.
    EXPECT_TRUE(Drop(form->DBCtrlGrid1, icon));
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(Names(0).size(), 5);
    TDataFiles::ChooseCatalogue(QString());
    EXPECT_EQ(TDataFiles::CataloguePath(), TUserCatalogue::Path());
    EXPECT_EQ(Hash(original), before);
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

// A team's catalogue on a server takes the pictures itself, without a copy of the user's.
TEST_F(PictureDrop, ACatalogueOnAServerTakesThePicturesItself)
{
    SKIP_UNLESS_REACHABLE(TTestStore::PostgreSQL());
    TPgTestCatalogue team(TPictureTable::Named);
    team.Add({0, TTestPictures::Png(QImage(4, 4, QImage::Format_ARGB32)), QStringLiteral("old")});
    form->Myado->SetConnectionString(team.ConnectionString());
    QTest::mouseClick(form->SpeedButton16, Qt::LeftButton);
    EXPECT_TRUE(Drop(form->DBCtrlGrid1, {files.Write(QStringLiteral("new.png"), Icon())}));
    EXPECT_TRUE(questions.isEmpty()) << qPrintable(questions.join('\n'));
    EXPECT_FALSE(TUserCatalogue::Exists());
    EXPECT_EQ(Names(0), QStringList({"old", "new"}));
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:2个"));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST(CatalogueWritability, OnlyWritableSqliteFilesOutsideTheInstalledDataTakePictures)
{
    QTemporaryDir root;
    const QDir folder(root.path());
    ASSERT_TRUE(folder.mkpath(QStringLiteral("bin")));
    const QString programFolder = folder.filePath(QStringLiteral("bin"));
    const QString installed = QDir(TDataFiles::InstalledDataFolder(programFolder))
                                  .filePath(QStringLiteral("Data/Mirelvane.mdb"));
    const QString mine = folder.filePath(QStringLiteral("mine.mdb"));
    const QString other = folder.filePath(QStringLiteral("other.mdb"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).path()));
    TCatalogue::Create(installed);
    TCatalogue::Create(mine);
    QFile access(other);
    ASSERT_TRUE(access.open(QIODevice::WriteOnly));
    access.write(QByteArray("\x00\x01\x00\x00Standard Jet DB", 19));
    access.close();

    EXPECT_TRUE(TDataFiles::CatalogueWritable(mine, programFolder));
    EXPECT_FALSE(TDataFiles::CatalogueWritable(installed, programFolder));
    EXPECT_FALSE(TDataFiles::CatalogueWritable(other, programFolder));
    EXPECT_FALSE(
        TDataFiles::CatalogueWritable(folder.filePath(QStringLiteral("none.mdb")), programFolder));
    EXPECT_TRUE(TDataFiles::CatalogueWritable(QStringLiteral("postgresql://team@db/artwork"),
                                              programFolder));
    QFile::setPermissions(mine, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_FALSE(TDataFiles::CatalogueWritable(mine, programFolder));
}

TEST_F(PictureDrop, AnAccessCatalogueIsOnlyReadAndItsPicturesGoIntoTheUsersOwnCopy)
{
    const JetTestSupport::TJetScope scope; // checks that the Access file is unchanged
    const QString access = JetTestSupport::FixturePath(QStringLiteral("catalogue-jet4.mdb"));
    form->Myado->SetConnectionString(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(access));
    QTest::mouseClick(form->SpeedButton16, Qt::LeftButton);
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:4个"));

    answers = {true};
    EXPECT_TRUE(Drop(form->DBCtrlGrid1, {files.Write(QStringLiteral("new.png"), Icon())}));
    EXPECT_EQ(questions.size(), 1);
    ASSERT_TRUE(TUserCatalogue::Exists());
    EXPECT_EQ(form->Myado->DatabasePath(), TUserCatalogue::Path());
    const QStringList icons = Names(0);
    EXPECT_EQ(icons.size(), 5);
    EXPECT_EQ(icons.value(4), QStringLiteral("new"));
    EXPECT_EQ(Names(10).size(), 2);
    EXPECT_EQ(form->Label10->Caption(), QStringLiteral("综合类共:5个"));
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST(SkippedFiles, TheBoxNamesAFewShortenedNamesAndCountsThemAll)
{
    std::vector<TCatalogueImporter::TFailure> skipped;
    for (const char* name : {"a.txt", "a-very-long-name-of-notes.txt", "c.md", "d.md", "e.md"})
        skipped.push_back({QStringLiteral("/in/") + QLatin1String(name), QStringLiteral("cause")});
    const QStringList lines = TSkippedFiles::Text(skipped).split(u'\n');
    ASSERT_EQ(lines.size(), 2) << "the box has room for two lines";
    EXPECT_EQ(lines[1], QStringLiteral("a.txt、a-very-…tes.txt 等 5 个文件"));
    skipped.resize(1);
    EXPECT_EQ(TSkippedFiles::Text(skipped).split(u'\n').value(1), QStringLiteral("a.txt"));
}
