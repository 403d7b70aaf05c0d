#include "ProgramRun.h"
#include "TCatalogue.h"
#include "TSQLiteTestCatalogue.h"
#include "TTestPictures.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ProgramRun Zentuvio(const QStringList& arguments,
                    const QProcessEnvironment& environment = ProgramRun::Offscreen())
{
    const ProgramRun run =
        ProgramRun::Of(QStringLiteral(ZENTUVIO_EXECUTABLE), arguments, environment);
    EXPECT_TRUE(run.finished);
    return run;
}

} // namespace

TEST(ScreenshotOption, WritesTheStartedMainWindowAsAPng)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("main.png"));
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), file});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    const QImage image(file);
    EXPECT_EQ(image.size(), QSize(819, 522));
}

TEST(ScreenshotOption, ClicksTheNamedControlsFirst)
{
    QTemporaryDir folder;
    const QString before = folder.filePath(QStringLiteral("before.png"));
    const QString after = folder.filePath(QStringLiteral("after.png"));
    ASSERT_EQ(Zentuvio({QStringLiteral("--screenshot"), before}).exitCode, 0);
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), after,
                                     QStringLiteral("--click"), QStringLiteral("SpeedButton2")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_NE(QImage(before), QImage(after)) << "the multimedia strip is in front";
}

// The caption double-click moves the category bar to the right; its black caption
// buttons then stand at the window's right edge instead of its left.
TEST(ScreenshotOption, DoubleClicksTheNamedControlsInTheirTurn)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("right.png"));
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), file,
                                     QStringLiteral("--double-click"), QStringLiteral("imgCaption"),
                                     QStringLiteral("--click"), QStringLiteral("abcButtonPage2")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    const QImage shot(file);
    ASSERT_EQ(shot.size(), QSize(819, 522));
    // Under the caption (28), menu (18) and sub-category (48) strips and the bar's 2-pixel
    // border, half way down the first 26-pixel caption button.
    const int captionRow = 28 + 18 + 48 + 2 + 13;
    EXPECT_NE(QColor(shot.pixel(10, captionRow)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 20, captionRow)), QColor(Qt::black));
    // Page 2 open: its caption button is the second at the top.
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 20, captionRow + 26)), QColor(Qt::black));
}

// A flat speed button shows its raised hover frame only while the pointer rests on it.
TEST(ScreenshotOption, HoverRestsThePointerOnTheNamedControl)
{
    QTemporaryDir folder;
    const QString plain = folder.filePath(QStringLiteral("plain.png"));
    const QString hovered = folder.filePath(QStringLiteral("hovered.png"));
    ASSERT_EQ(Zentuvio({QStringLiteral("--screenshot"), plain}).exitCode, 0);
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), hovered,
                                     QStringLiteral("--wait"), QStringLiteral("50"),
                                     QStringLiteral("--hover"), QStringLiteral("SpeedButton36")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    const QImage before(plain), after(hovered);
    ASSERT_EQ(before.size(), after.size());
    // 更换主界面 lies at (0, 8) in its 113-pixel strip at the right of the sub-category
    // strip, which starts 1 pixel below the caption (28) and menu (18) strips and ends at
    // the 4-pixel right border: its top-left frame corner.
    const QPoint corner(819 - 4 - 113, 28 + 18 + 1 + 8);
    EXPECT_NE(before.pixel(corner), after.pixel(corner));
    EXPECT_EQ(before.pixel(10, 300), after.pixel(10, 300)) << "nothing else changes";
}

TEST(ScreenshotOption, AnUnknownControlIsNamedWithExitCode2)
{
    QTemporaryDir folder;
    for (const char* option : {"--click", "--double-click", "--hover", "--print"}) {
        const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), folder.filePath("x.png"),
                                         QLatin1String(option), QStringLiteral("NoSuchButton")});
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_TRUE(run.errors.contains(QStringLiteral("NoSuchButton"))) << qPrintable(run.errors);
        EXPECT_FALSE(QFile::exists(folder.filePath("x.png")));
    }
}

TEST(ScreenshotOption, PrintsTheCaptionsOfTheNamedControlsAfterTheClicks)
{
    QTemporaryDir folder;
    const ProgramRun run = Zentuvio({QStringLiteral("--screenshot"), folder.filePath("mail.png"),
                                     QStringLiteral("--click"), QStringLiteral("SpeedButton17"),
                                     QStringLiteral("--print"), QStringLiteral("Label10"),
                                     QStringLiteral("--print"), QStringLiteral("SpeedButton17")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(run.output, QStringLiteral("电子邮件类共:0个\n电子邮件类\n"));
}

TEST(ScreenshotOption, UsesTheOffscreenPlatformWithoutADisplay)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("main.png"));
    const ProgramRun run =
        Zentuvio({QStringLiteral("--screenshot"), file}, ProgramRun::WithoutDisplay());
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(QImage(file).size(), QSize(819, 522));
}

TEST(ScreenshotOption, AChosenCatalogueThatCannotBeOpenedIsReportedAndTheWindowOpens)
{
    QTemporaryDir folder;
    const QString notADatabase = folder.filePath(QStringLiteral("notes.mdb"));
    QFile notes(notADatabase);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    for (const QString& catalogue :
         {folder.filePath(QStringLiteral("missing.mdb")), notADatabase}) {
        const QString file = folder.filePath(QStringLiteral("main.png"));
        const ProgramRun run = Zentuvio(
            {QStringLiteral("--catalogue"), catalogue, QStringLiteral("--screenshot"), file});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
        EXPECT_TRUE(run.errors.contains(catalogue)) << qPrintable(run.errors);
        EXPECT_EQ(QImage(file).size(), QSize(819, 522));
        QFile::remove(file);
    }
}

namespace {

// Where two pictures of the same size differ.
QRect Difference(const QImage& one, const QImage& other)
{
    QRect differing;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            if (one.pixel(x, y) != other.pixel(x, y))
                differing |= QRect(x, y, 1, 1);
    return differing;
}

// Pictures of the started window and of what some steps leave over it.
class ScreenshotWithABox : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Zentuvio({QStringLiteral("--screenshot"), File("plain")}).exitCode, 0);
        plain = QImage(File("plain"));
    }
    QString File(const QString& name) const { return folder.filePath(name + ".png"); }
    ProgramRun Take(const QString& name, const QStringList& steps) const
    {
        return Zentuvio(QStringList{QStringLiteral("--screenshot"), File(name)} + steps);
    }

    QTemporaryDir folder;
    QImage plain;
    // The exit box (385 x 215 on screen) centred over the working area, which lies at
    // (160, 48) in the window and is 651 x 402: half the differences, ties to even.
    const QRect exitBox{160 + 133, 48 + 94, 385, 215};
};

} // namespace

TEST_F(ScreenshotWithABox, AClickThatOpensTheExitBoxShowsItThenTheProgramCancelsIt)
{
    const ProgramRun run =
        Take("exit", {QStringLiteral("--click"), QStringLiteral("imgCloseButton")});
    ASSERT_TRUE(run.finished) << "the box does not hold the program up";
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_FALSE(run.errors.contains(QStringLiteral("zentuvio:"))) << qPrintable(run.errors);
    const QImage shot(File("exit"));
    ASSERT_EQ(shot.size(), plain.size());
    EXPECT_EQ(Difference(plain, shot), exitBox) << "the box, and nothing else";
    EXPECT_EQ(QColor(shot.pixel(exitBox.topLeft() + QPoint(20, 60))), QColor(208, 207, 233))
        << "the box's own colour";
}

TEST_F(ScreenshotWithABox, TheStepsAfterTheClickAnswerTheBox)
{
    const QStringList answers[] = {{QStringLiteral("--key"), QStringLiteral("Esc")},
                                   {QStringLiteral("--click"), QStringLiteral("Mybutton2")},
                                   {QStringLiteral("--click"), QStringLiteral("Label3")}};
    for (const QStringList& answer : answers) {
        const ProgramRun run =
            Take("answered",
                 QStringList{QStringLiteral("--click"), QStringLiteral("imgCloseButton")} + answer);
        EXPECT_EQ(run.exitCode, 0) << qPrintable(answer.join(' ')) << qPrintable(run.errors);
        EXPECT_EQ(QImage(File("answered")), plain) << qPrintable(answer.join(' '));
    }
}

// An unknown control still exits with code 2; confirming the exit leaves no window to
// picture.
TEST_F(ScreenshotWithABox, AStepAfterTheBoxThatFailsOrClosesTheProgramWritesNoPicture)
{
    const struct {
        QStringList step;
        int exitCode;
        QString named;
    } cases[] = {{{QStringLiteral("--click"), QStringLiteral("NoSuchButton")}, 2, "NoSuchButton"},
                 {{QStringLiteral("--key"), QStringLiteral("Return")}, 1, "--key Return"}};
    for (const auto& c : cases) {
        const ProgramRun run =
            Take("none",
                 QStringList{QStringLiteral("--click"), QStringLiteral("imgCloseButton")} + c.step);
        EXPECT_EQ(run.exitCode, c.exitCode) << qPrintable(c.named);
        EXPECT_TRUE(run.errors.contains(c.named)) << qPrintable(run.errors);
        EXPECT_FALSE(QFile::exists(File("none"))) << qPrintable(c.named);
    }
}

// Files dropped onto the icons' grid are added to the catalogue and counted.
TEST(ScreenshotOption, DropsFilesOntoTheNamedControl)
{
    QTemporaryDir folder;
    const QString catalogue = folder.filePath(QStringLiteral("mine.mdb"));
    TCatalogue::Create(catalogue);
    QImage icon(12, 12, QImage::Format_ARGB32);
    icon.fill(QColor(0, 0, 200, 100));
    const QString png = folder.filePath(QStringLiteral("dropped.png"));
    ASSERT_TRUE(icon.save(png));
    const ProgramRun run = Zentuvio(
        {QStringLiteral("--catalogue"), catalogue, QStringLiteral("--screenshot"),
         folder.filePath(QStringLiteral("drop.png")), QStringLiteral("--click"),
         QStringLiteral("SpeedButton16"), QStringLiteral("--drop"), QStringLiteral("DBCtrlGrid1"),
         png, QStringLiteral("--print"), QStringLiteral("Label10")});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(run.output.trimmed(), QStringLiteral("综合类共:1个"));
    QFile file(png);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(TCatalogue(catalogue).PictureData(1), file.readAll());
}

// The keys type into the find box that Ctrl+F opens; the picture shows the box over the
// pictures found, and the count label reads what the box looked for.
TEST(ScreenshotOption, KeysTypeIntoTheFindBoxOverThePicturesFound)
{
    TSQLiteTestCatalogue catalogue(TPictureTable::Named);
    const QByteArray red = TTestPictures::Jpeg(TTestPictures::Solid(40, 30, Qt::red));
    catalogue.Add({0, red, QStringLiteral("edit-copy"), QStringLiteral("edit-copy.png")});
    catalogue.Add({0, red, QStringLiteral("edit-cut"), QStringLiteral("edit-cut.png")});
    catalogue.Add({10, red, QStringLiteral("Copy"), QString()});
    QTemporaryDir folder;
    QStringList steps = {
        QStringLiteral("--catalogue"),  catalogue.Location(),
        QStringLiteral("--screenshot"), folder.filePath(QStringLiteral("find.png")),
        QStringLiteral("--key"),        QStringLiteral("Ctrl+F")};
    for (const char* key : {"c", "O", "p", "Y"})
        steps << QStringLiteral("--key") << QLatin1String(key);
    steps << QStringLiteral("--print") << QStringLiteral("Label10");
    const ProgramRun run = Zentuvio(steps);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(run.output, QStringLiteral("“copy”共:2个\n"));
    const QImage shot(folder.filePath(QStringLiteral("find.png")));
    // The box, 369 x 150, centred over the working area at (160, 48), 651 x 402.
    EXPECT_EQ(QColor(shot.pixel(160 + 141 + 20, 48 + 126 + 60)), QColor(208, 207, 233));
}
