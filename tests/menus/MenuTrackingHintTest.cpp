#include "I_AM2000_StatusBar.h"
#include "MenuTrackingTestSupport.h"
#include "TApplication.h"
#include "TControl.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_MenuHints.h"

#include <map>

TEST(MenuHints, TheLongPartFollowsTheBarTrimmedWithCharacterCodesAsSpaces)
{
    using H = T_AM2000_MenuHints;
    EXPECT_EQ(H::LongHint(QStringLiteral("Open|Opens a picture")),
              QStringLiteral("Opens a picture"));
    EXPECT_EQ(H::LongHint(QStringLiteral(" Open |  Opens it  ")), QStringLiteral("Opens it"));
    EXPECT_EQ(H::LongHint(QStringLiteral(" Only one part ")), QStringLiteral("Only one part"));
    EXPECT_EQ(H::LongHint(QStringLiteral("Short|")), QString());
    EXPECT_EQ(H::LongHint(QStringLiteral("|Print&#160now&#039s")), QStringLiteral("Print now s"));
    // Trimmed before the codes are replaced.
    EXPECT_EQ(H::LongHint(QStringLiteral("|Ends&#12")), QStringLiteral("Ends "));
    EXPECT_EQ(H::LongHint(QStringLiteral("|A & B # C")), QStringLiteral("A & B # C"));
}

namespace {

class RecordingStatusBar : public TControl, public I_AM2000_StatusBar {
public:
    RecordingStatusBar()
        : TControl(nullptr)
    {}
    bool SimplePanel() const override { return simple; }
    int PanelCount() const override { return panels; }
    void SetSimpleText(const QString& text) override { simpleText = text; }
    void SetPanelText(int index, const QString& text) override { panelTexts[index] = text; }

    bool simple = false;
    int panels = 3;
    QString simpleText = QStringLiteral("untouched");
    std::map<int, QString> panelTexts;
};

class StatusBarHints : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        Add(QStringLiteral("Open"))->SetHint(QStringLiteral("Open|Opens a picture"));
        Add(QStringLiteral("Save"))->SetHint(QStringLiteral("Save|Saves&#160it"));
        mainMenu.SetStatusBar(&bar);
        mainMenu.SetStatusBarIndex(1);
        window = Open();
    }
    void TearDown() override
    {
        MenuTracking::TearDown();
        mainMenu.SetStatusBar(nullptr);
    }

    RecordingStatusBar bar;
    TCustomPopupMenu2000Form* window = nullptr;
};

} // namespace

TEST_F(StatusBarHints, TheSelectedEntrysLongHintGoesToTheChosenPanel)
{
    Hover(*window, 0);
    EXPECT_EQ(bar.panelTexts[1], QStringLiteral("Opens a picture"));
    Hover(*window, 1);
    EXPECT_EQ(bar.panelTexts[1], QStringLiteral("Saves it"));
    EXPECT_EQ(bar.panelTexts.size(), 1u);
    EXPECT_EQ(bar.simpleText, QStringLiteral("untouched"));
    tracker.Pointer().MouseLeave(*window, QPoint(0, 0));
    EXPECT_EQ(bar.panelTexts[1], QString());
    Hover(*window, 0);
    tracker.CloseAllMenus(true);
    EXPECT_EQ(bar.panelTexts[1], QString());
}

TEST_F(StatusBarHints, ASimpleBarTakesItAsItsTextAndAMissingPanelNothing)
{
    bar.simple = true;
    Hover(*window, 1);
    EXPECT_EQ(bar.simpleText, QStringLiteral("Saves it"));
    EXPECT_TRUE(bar.panelTexts.empty());
    bar.simple = false;
    mainMenu.SetStatusBarIndex(3);
    Hover(*window, 0);
    EXPECT_TRUE(bar.panelTexts.empty());
}

TEST_F(StatusBarHints, TheSelectedEntrysWholeHintBecomesTheProgramsHint)
{
    int changes = 0;
    Application->OnHint = [&](TObject*) { ++changes; };
    Hover(*window, 0);
    EXPECT_EQ(Application->Hint(), QStringLiteral("Open|Opens a picture"));
    Hover(*window, 1);
    EXPECT_EQ(Application->Hint(), QStringLiteral("Save|Saves&#160it"));
    EXPECT_EQ(changes, 2);
    tracker.CloseAllMenus(true);
    EXPECT_EQ(Application->Hint(), QString());
    EXPECT_EQ(changes, 3);
    Application->OnHint.Clear();
}

// The stock table speaks for an entry that says nothing itself; the character with code 1
// says "none" and keeps the stock hint away.
TEST_F(StatusBarHints, AnEntryWithoutAHintShowsTheStockHintOfItsCaptionUnlessItsHintIsNone)
{
    const QString stock = QStringLiteral("Removes the selection and puts it on the clipboard");
    TMenuItem2000* cut = Add(QStringLiteral("Cu&t"));
    window->Relayout();
    Hover(*window, 2);
    EXPECT_EQ(bar.panelTexts[1], stock);
    EXPECT_EQ(Application->Hint(), stock);
    Hover(*window, 0);
    cut->SetHint(QString(QChar(1)));
    Hover(*window, 2);
    EXPECT_EQ(bar.panelTexts[1], QString());
    EXPECT_EQ(Application->Hint(), QString());
}
