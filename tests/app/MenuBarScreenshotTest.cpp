#include "ProgramRun.h"

#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
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
    for (const QString& option : {QStringLiteral("--click"), QStringLiteral("--hover")}) {
        const ProgramRun run = ProgramRun::Of(QStringLiteral(ZENTUVIO_EXECUTABLE),
                                              {QStringLiteral("--screenshot"),
                                               folder.filePath(QStringLiteral("x.png")), option,
                                               QStringLiteral("MenuItem115")},
                                              ProgramRun::Offscreen());
        EXPECT_EQ(run.exitCode, 2) << qPrintable(option);
        EXPECT_TRUE(run.errors.contains(option + QStringLiteral(": the menu item MenuItem115")))
            << qPrintable(run.errors);
    }
}

// Only the hovered entry's row of the drop-down changes: it is drawn selected.
TEST(MenuBarScreenshot, HoveringAnEntryOfTheOpenDropDownSelectsIt)
{
    QTemporaryDir folder;
    const QStringList open{QStringLiteral("--click"), QStringLiteral("N1")};
    const QImage plain = Shot(folder, QStringLiteral("open.png"), open);
    const QImage hovered =
        Shot(folder, QStringLiteral("hovered.png"),
             open + QStringList{QStringLiteral("--hover"), QStringLiteral("MenuItem115")});
    ASSERT_EQ(hovered.size(), plain.size());
    int firstRow = plain.height(), lastRow = -1;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (hovered.pixel(x, y) != plain.pixel(x, y)) {
                firstRow = std::min(firstRow, y);
                lastRow = std::max(lastRow, y);
            }
        }
    }
    ASSERT_GE(lastRow, 0) << "the hover changed nothing";
    // The second of the drop-down's entries, each about 21 pixels high.
    EXPECT_GT(firstRow, underFirstItem.top() + 10);
    EXPECT_LT(lastRow, underFirstItem.top() + 50);
    EXPECT_LT(lastRow - firstRow, 24);
}
