#include "ProgramRun.h"
#include "QtPrinters.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The built tree installed into a temporary prefix, looked at as a user and a desktop
// would: the programs run from the prefix, in a folder outside the build tree.
namespace {

const QString appId = QStringLiteral(ZENTUVIO_APP_ID);
// How the gallery's own error reports begin (Qt may add its warnings to standard error).
const QString programErrors = QStringLiteral("zentuvio: ");

class Installation : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix = std::make_unique<QTemporaryDir>();
        elsewhere = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(prefix->isValid() && elsewhere->isValid());
        const ProgramRun install =
            ProgramRun::Of(QStringLiteral(CMAKE_PROGRAM),
                           {QStringLiteral("--install"), QStringLiteral(ZENTUVIO_BUILD_DIR),
                            QStringLiteral("--prefix"), prefix->path()},
                           ProgramRun::WithoutDisplay());
        ASSERT_TRUE(install.finished);
        ASSERT_EQ(install.exitCode, 0) << qPrintable(install.output + install.errors);
    }
    static void TearDownTestSuite()
    {
        prefix.reset();
        elsewhere.reset();
    }

    static QString Installed(const QString& path) { return prefix->filePath(path); }

    // An installed program, run in a folder of its own with no display, and cache and
    // data folders of its own (the data folder given, else one with no user catalogue).
    static ProgramRun Run(const QString& program, const QStringList& arguments,
                          const QString& dataFolder = {})
    {
        QProcessEnvironment environment = ProgramRun::WithoutDisplay();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"),
                           elsewhere->filePath(QStringLiteral("cache")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           dataFolder.isEmpty() ? elsewhere->filePath(QStringLiteral("data"))
                                                : dataFolder);
        const ProgramRun run = ProgramRun::Of(Installed(QStringLiteral("bin/") + program),
                                              arguments, environment, elsewhere->path());
        EXPECT_TRUE(run.finished);
        return run;
    }

    // The installed gallery's screenshot after the clicks, with the status strip's text.
    static ProgramRun Screenshot(const QString& file, const QStringList& clicks,
                                 const QStringList& more = {})
    {
        QStringList arguments = more;
        arguments << QStringLiteral("--screenshot") << file;
        for (const QString& click : clicks)
            arguments << QStringLiteral("--click") << click;
        arguments << QStringLiteral("--print") << QStringLiteral("Label10");
        return Run(QStringLiteral("zentuvio"), arguments);
    }

    // How many pictures of a catalogue the tool lists under a category.
    static int CountInCategory(const QString& catalogue, int category)
    {
        const ProgramRun list = Run(QStringLiteral("zentuvio-catalogue"),
                                    {QStringLiteral("list"), catalogue, QStringLiteral("--parent"),
                                     QString::number(category)});
        EXPECT_EQ(list.exitCode, 0) << qPrintable(list.errors);
        return int(list.output.count(QLatin1Char('\n')));
    }

    static QByteArray Sha256Of(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }

    static std::unique_ptr<QTemporaryDir> prefix;
    static std::unique_ptr<QTemporaryDir> elsewhere;
};

std::unique_ptr<QTemporaryDir> Installation::prefix;
std::unique_ptr<QTemporaryDir> Installation::elsewhere;

} // namespace

TEST_F(Installation, PutsEveryFileWhereTheDesktopLooks)
{
    for (const QString& path :
         {QStringLiteral("bin/zentuvio"), QStringLiteral("bin/zentuvio-catalogue"),
          QStringLiteral("share/zentuvio/help/question.htm"),
          QStringLiteral("share/zentuvio/Data/Mirelvane.mdb"),
          QStringLiteral("share/applications/%1.desktop").arg(appId),
          QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId),
          QStringLiteral("share/man/man1/zentuvio.1.gz"),
          QStringLiteral("share/man/man1/zentuvio-catalogue.1.gz"),
          QStringLiteral("libexec/zentuvio/zentuvio-jet-reader")})
        EXPECT_TRUE(QFile::exists(Installed(path))) << qPrintable(path);
    EXPECT_FALSE(QFile::exists(Installed(QStringLiteral("bin/help")))) << "data stays out of bin";
}

TEST_F(Installation, TheIconIsInTheThemeAtEveryUsualSize)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(Installed(
            QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId)));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << "rounded corners at " << size;
        EXPECT_EQ(icon.pixelColor(size / 2, size / 2).alpha(), 255) << size;
    }
}

TEST_F(Installation, TheDesktopEntryAndTheAppStreamMetadataValidate)
{
    const QString entry = Installed(QStringLiteral("share/applications/%1.desktop").arg(appId));
    const ProgramRun desktop =
        ProgramRun::Of(QStringLiteral("desktop-file-validate"), {entry}, ProgramRun::Offscreen());
    EXPECT_EQ(desktop.exitCode, 0);
    EXPECT_EQ(desktop.output + desktop.errors, QString());
    const ProgramRun appstream =
        ProgramRun::Of(QStringLiteral("appstreamcli"),
                       {QStringLiteral("validate"), QStringLiteral("--no-net"),
                        Installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(appId))},
                       ProgramRun::Offscreen());
    EXPECT_EQ(appstream.exitCode, 0) << qPrintable(appstream.output + appstream.errors);

    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& line :
         {QStringLiteral("\nExec=zentuvio\n"), QStringLiteral("\nIcon=%1\n").arg(appId),
          QStringLiteral("\nName[zh_CN]=")})
        EXPECT_TRUE(text.contains(line)) << qPrintable(line);
}

TEST_F(Installation, TheManualPagesFormatWithoutWarnings)
{
    for (const char* page : {"zentuvio.1.gz", "zentuvio-catalogue.1.gz"}) {
        const QString path = Installed(QStringLiteral("share/man/man1/") + QLatin1String(page));
        const ProgramRun format =
            ProgramRun::Of(QStringLiteral("sh"),
                           {QStringLiteral("-c"),
                            QStringLiteral("zcat \"$0\" | groff -man -Tutf8 -ww -P-cbou"), path},
                           ProgramRun::Offscreen());
        EXPECT_EQ(format.exitCode, 0) << page;
        EXPECT_EQ(format.errors, QString()) << page;
        EXPECT_TRUE(format.output.contains(QStringLiteral("EXIT STATUS"))) << page;
    }
}

TEST_F(Installation, TheGalleryFindsTheSampleCatalogueInItsDataFolder)
{
    const int icons =
        CountInCategory(Installed(QStringLiteral("share/zentuvio/Data/Mirelvane.mdb")), 0);
    EXPECT_GT(icons, 100);
    const ProgramRun run = Screenshot(elsewhere->filePath(QStringLiteral("icons.png")),
                                      {QStringLiteral("SpeedButton16")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.errors.contains(programErrors)) << qPrintable(run.errors);
    EXPECT_EQ(run.output, QStringLiteral("综合类共:%1个\n").arg(icons));
}

// The installed sample is never written: the pictures dropped onto it go into the user's
// own copy of it, which the gallery opens from then on.
TEST_F(Installation, PicturesDroppedOnTheSampleGoIntoTheUsersOwnCopy)
{
    const QString sample = Installed(QStringLiteral("share/zentuvio/Data/Mirelvane.mdb"));
    const QByteArray before = Sha256Of(sample);
    const int icons = CountInCategory(sample, 0);
    const QString dropped = elsewhere->filePath(QStringLiteral("dropped.png"));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral("/usr/share/icons/Tango/32x32/actions/go-up.png"), dropped));
    const QTemporaryDir data;
    const QStringList drop = {QStringLiteral("--screenshot"),
                              elsewhere->filePath(QStringLiteral("dropped-shot.png")),
                              QStringLiteral("--click"), QStringLiteral("SpeedButton16"),
                              QStringLiteral("--drop"), QStringLiteral("DBCtrlGrid1"), dropped,
                              // Yes to starting the user's own catalogue.
                              QStringLiteral("--key"), QStringLiteral("Return"),
                              QStringLiteral("--print"), QStringLiteral("Label10")};
    const ProgramRun run = Run(QStringLiteral("zentuvio"), drop, data.path());
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(run.output, QStringLiteral("综合类共:%1个\n").arg(icons + 1));
    const QString own = QDir(data.path()).filePath(QStringLiteral("zentuvio/Mirelvane.mdb"));
    EXPECT_EQ(CountInCategory(own, 0), icons + 1);
    EXPECT_EQ(Sha256Of(sample), before);

    const ProgramRun next =
        Run(QStringLiteral("zentuvio"),
            {QStringLiteral("--screenshot"), elsewhere->filePath(QStringLiteral("next-shot.png")),
             QStringLiteral("--click"), QStringLiteral("SpeedButton16"), QStringLiteral("--print"),
             QStringLiteral("Label10")},
            data.path());
    EXPECT_EQ(next.output, QStringLiteral("综合类共:%1个\n").arg(icons + 1));
}

TEST_F(Installation, TheGalleryFindsTheHelpPageInItsDataFolder)
{
    const QString shown = elsewhere->filePath(QStringLiteral("help.png"));
    ASSERT_EQ(Screenshot(shown, {QStringLiteral("SpeedButton10")}).exitCode, 0);
    // Without the page the browser shows its error page instead.
    const QString help = Installed(QStringLiteral("share/zentuvio/help"));
    ASSERT_TRUE(QDir().rename(help, help + QStringLiteral(".away")));
    const QString missing = elsewhere->filePath(QStringLiteral("no-help.png"));
    const ProgramRun run = Screenshot(missing, {QStringLiteral("SpeedButton10")});
    ASSERT_TRUE(QDir().rename(help + QStringLiteral(".away"), help));
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(QImage(shown), QImage(missing));
}

TEST_F(Installation, TheGalleryOpensACatalogueMadeWithTheTool)
{
    const QString pictures = elsewhere->filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(pictures));
    for (int i = 0; i < 3; ++i) {
        QImage picture(24, 24, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 100, 200, 220));
        ASSERT_TRUE(picture.save(QDir(pictures).filePath(QStringLiteral("p%1.png").arg(i))));
    }
    const QString mine = elsewhere->filePath(QStringLiteral("mine.mdb"));
    ASSERT_EQ(Run(QStringLiteral("zentuvio-catalogue"), {QStringLiteral("create"), mine}).exitCode,
              0);
    const ProgramRun import = Run(QStringLiteral("zentuvio-catalogue"),
                                  {QStringLiteral("import"), mine, QStringLiteral("--parent"),
                                   QStringLiteral("0"), pictures});
    ASSERT_EQ(import.exitCode, 0) << qPrintable(import.errors);

    const ProgramRun run =
        Screenshot(elsewhere->filePath(QStringLiteral("mine.png")),
                   {QStringLiteral("SpeedButton16")}, {QStringLiteral("--catalogue"), mine});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.errors.contains(programErrors)) << qPrintable(run.errors);
    EXPECT_EQ(run.output, QStringLiteral("综合类共:3个\n"));
}

// The reader of Access catalogues is not beside the installed programs: they find it in
// their private program folder.
TEST_F(Installation, TheGalleryAndTheToolReadAnAccessCatalogue)
{
    const QString access = QStringLiteral(ZENTUVIO_JET_FIXTURES "/catalogue-jet4.mdb");
    const ProgramRun run =
        Screenshot(elsewhere->filePath(QStringLiteral("access.png")),
                   {QStringLiteral("SpeedButton16")}, {QStringLiteral("--catalogue"), access});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.errors.contains(programErrors)) << qPrintable(run.errors);
    EXPECT_EQ(run.output, QStringLiteral("综合类共:4个\n"));
    EXPECT_EQ(CountInCategory(access, 10), 2);
}

TEST_F(Installation, AMissingChosenCatalogueIsReportedAndTheWindowOpens)
{
    const QString missing = elsewhere->filePath(QStringLiteral("gone.mdb"));
    const QString shot = elsewhere->filePath(QStringLiteral("gone.png"));
    const ProgramRun run = Screenshot(shot, {}, {QStringLiteral("--catalogue"), missing});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(missing)) << qPrintable(run.errors);
    EXPECT_EQ(QImage(shot).size(), QSize(819, 522));
}
