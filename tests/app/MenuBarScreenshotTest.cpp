#include "ProgramRun.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The sub-category strip: under the caption (28 pixels) and the menu strip (18), 48 high.
const QRect strip(0, 28 + 18, 819, 48);
// Under the first menu-bar item, where its drop-down opens.
const QRect underFirstItem(8, 28 + 18 + 2, 80, 60);

QImage Shot(const QTemporaryDir& folder, const QString& name, const QStringList& steps)
{
    const QString file = folder.filePath(name);
    const ProgramRun run = ProgramRun::Of(QStringLiteral(ZENTUVIO_EXECUTABLE),
                                          QStringList{QStringLiteral("--screenshot"), file} + steps,
                                          ProgramRun::Offscreen());
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    return QImage(file);
}

} // namespace

TEST(MenuBarScreenshot, AClickOnATopItemShowsItsDropDown)
{
    QTemporaryDir folder;
    const QImage plain = Shot(folder, QStringLiteral("plain.png"), {});
    const QImage open =
        Shot(folder, QStringLiteral("open.png"), {QStringLiteral("--click"), QStringLiteral("N1")});
    ASSERT_EQ(open.size(), plain.size());
    EXPECT_NE(open.copy(underFirstItem), plain.copy(underFirstItem));
    EXPECT_EQ(open.copy(0, 200, 819, 300), plain.copy(0, 200, 819, 300)) << "nothing else changes";
}

TEST(MenuBarScreenshot, ClickingAnEntryOfTheOpenDropDownRunsItsCommand)
{
    QTemporaryDir folder;
    const QImage byMenu = Shot(folder, QStringLiteral("menu.png"),
                               {QStringLiteral("--click"), QStringLiteral("N1"),
                                QStringLiteral("--click"), QStringLiteral("MenuItem115")});
    const QImage byButton = Shot(folder, QStringLiteral("button.png"),
                                 {QStringLiteral("--click"), QStringLiteral("SpeedButton2")});
    const QImage plain = Shot(folder, QStringLiteral("plain.png"), {});
    EXPECT_EQ(byMenu.copy(strip), byButton.copy(strip));
    EXPECT_NE(byMenu.copy(strip), plain.copy(strip));
    EXPECT_EQ(byMenu.copy(underFirstItem), byButton.copy(underFirstItem)) << "the drop-down closed";
}

TEST(MenuBarScreenshot, AnEntryOfAClosedDropDownIsNamedWithExitCode2)
{
    QTemporaryDir folder;
    const ProgramRun run =
        ProgramRun::Of(QStringLiteral(ZENTUVIO_EXECUTABLE),
                       {QStringLiteral("--screenshot"), folder.filePath(QStringLiteral("x.png")),
                        QStringLiteral("--click"), QStringLiteral("MenuItem115")},
                       ProgramRun::Offscreen());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("MenuItem115"))) << qPrintable(run.errors);
}
