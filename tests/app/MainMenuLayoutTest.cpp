#include "AppClasses.h"
#include "TLayoutLoader.h"
#include "TMianForm.h"

#include <QFile>

#include "TLayoutWriter.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_ItemOptions.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Title.h"

namespace {

// The block of the named object, from its header line to its closing end, as written.
QString ObjectBlock(const QString& layout, const QString& header)
{
    const qsizetype start = layout.indexOf(header);
    if (start < 0)
        return QString();
    const qsizetype lineStart = layout.lastIndexOf(QLatin1Char('\n'), start) + 1;
    const QString indent = layout.mid(lineStart, start - lineStart);
    const qsizetype end =
        layout.indexOf(QLatin1Char('\n') + indent + QLatin1String("end\n"), start);
    return layout.mid(lineStart, end + indent.size() + 5 - lineStart);
}

const QString menuHeader = QStringLiteral("object MainMenu20001: TMainMenu2000");

// The main menu's block of the main window's stored layout, loaded alone into a bare
// main window (the rest of the window plays no part in the menu).
class MainMenuLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterAppClasses();
        QFile stored(QStringLiteral(":/layouts/TMianForm.layout"));
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        storedBlock = ObjectBlock(QString::fromUtf8(stored.readAll()), menuHeader);
        ASSERT_FALSE(storedBlock.isEmpty());
        TLayoutLoader(&form, QStringLiteral("TMianForm.layout"))
            .Apply(QStringLiteral("inherited MianForm: TMianForm\n") + storedBlock +
                   QStringLiteral("end\n"));
        menu = dynamic_cast<TMainMenu2000*>(form.FindComponent(QStringLiteral("MainMenu20001")));
        ASSERT_NE(menu, nullptr);
    }

    TMianForm form{nullptr};
    QString storedBlock;
    TMainMenu2000* menu = nullptr;
};

} // namespace

TEST_F(MainMenuLayout, TheMainMenuLoadsWithItsOptionsAndItemBindings)
{
    const T_AM2000_MenuOptions* options = menu->Options();
    EXPECT_EQ(options->Colors()->ValueAt(T_AM2000_Colors::Menu), 16445680);
    EXPECT_EQ(options->Colors()->ValueAt(T_AM2000_Colors::PressedText), 16776176);
    EXPECT_EQ(options->Colors()->ValueAt(T_AM2000_Colors::LineShadow), clNone);
    EXPECT_EQ(options->Margins()->ValueAt(T_AM2000_Margins::Border), 0);
    EXPECT_EQ(options->Margins()->ValueAt(T_AM2000_Margins::Bevel), 1);
    EXPECT_EQ(options->Title()->Alignment(), TAlignment::taRightJustify);
    EXPECT_EQ(options->Title()->Font()->Height(), -13);
    EXPECT_EQ(options->Title()->Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(options->Title()->ColorBegin(), clWindow);
    EXPECT_EQ(options->Title()->Width(), 5);
    EXPECT_TRUE(options->Title()->Visible());
    EXPECT_EQ(options->Flags(),
              (T_AM2000_Flags{T_AM2000_Flag::mfBitmapShadow, T_AM2000_Flag::mfDropShadow,
                              T_AM2000_Flag::mfLightenBitmaps, T_AM2000_Flag::mfNoBitmapRect}));
    EXPECT_EQ(options->Animation(), T_AM2000_Animation::anVertStretch);
    EXPECT_FALSE(menu->Ctl3D());

    ASSERT_EQ(menu->Items()->Count(), 3);
    const auto* first = dynamic_cast<TMenuItem2000*>(menu->Items()->Items(0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Caption(), QStringLiteral("【商业类图标】"));
    EXPECT_FALSE(first->Options()->ParentColors());
    EXPECT_FALSE(first->Options()->ParentSkin());
    ASSERT_EQ(first->Count(), 4);
    EXPECT_EQ(first->Items(0)->OnClick.HandlerName(), QStringLiteral("SpeedButton1Click"));
    EXPECT_EQ(first->Items(3)->OnClick.HandlerName(), QStringLiteral("SpeedButton3Click"));
    EXPECT_TRUE(bool(first->Items(3)->OnClick));
    const auto* help = menu->Items()->Items(2);
    ASSERT_EQ(help->Count(), 1);
    EXPECT_EQ(help->Items(0)->OnClick.HandlerName(), QStringLiteral("SpeedButton10Click"));

    // The first top item's drop-down: its own menu colour, the defaults for the other
    // colours (it does not take the menu's), the menu's title.
    const auto dropDown = menu->DropDownOptions(first, nullptr);
    EXPECT_EQ(dropDown->Colors()->ValueAt(T_AM2000_Colors::Menu), 16445680);
    EXPECT_EQ(dropDown->Colors()->ValueAt(T_AM2000_Colors::Border), clMenu);
    EXPECT_TRUE(dropDown->Title()->Visible());
}

TEST_F(MainMenuLayout, TheMainMenuIsWrittenBackExactlyAsStored)
{
    EXPECT_EQ(ObjectBlock(TLayoutWriter::Write(&form), menuHeader).toStdString(),
              storedBlock.toStdString());
}
