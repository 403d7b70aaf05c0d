#include "MenuClasses.h"
#include "PlatformClasses.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TMainMenu2000.h"
#include "TMenuItem2000.h"
#include "T_AM2000_AnimatedSkin.h"
#include "T_AM2000_ButtonArrayControl.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_ItemOptions.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Title.h"

#include <gtest/gtest.h>

namespace {

// Written as the layout writer writes it, so that a round trip gives the same text.
constexpr char menuLayout[] = R"(object Form1: TComponent
  object Skin1: TCustomAnimatedSkin2000
    Colors.Menu = clSilver
  end
  object MainMenu1: TMainMenu2000
    Options.Alignment = taCenter
    Options.Colors.Border = clWhite
    Options.Colors.DisabledShadow = clNone
    Options.Colors.PressedText = 16776176
    Options.Margins.Border = 0
    Options.Margins.Bevel = 1
    Options.Title.Alignment = taRightJustify
    Options.Title.Font.Height = -13
    Options.Title.Font.Style = []
    Options.Title.ColorBegin = clWindow
    Options.Title.Width = 5
    Options.Title.Visible = True
    Options.Flags = [mfBitmapShadow, mfSoftColors]
    Options.Opacity = 90
    Options.Animation = anVertStretch
    Font.Height = -15
    Font.Name = '宋体'
    SystemFont = False
    Ctl3D = False
    object File1: TMenuItem2000
      Caption = '文件'
      Options.Colors.Menu = 16445680
      Options.ParentColors = False
      Options.ParentSkin = False
      object Colours1: TMenuItem2000
        Caption = 'Colours'
        Hint = 'Pick|Pick a colour'
        Control = ctlButtonArray
        ControlOptions.Rows = 2
        ControlOptions.Columns = 4
        ControlOptions.Hints = ('Red', 'Green')
        ShortCut = 'Ctrl+K'
        NumGlyphs = 2
      end
      object Line1: TMenuItem2000
        Caption = '-'
        Options.Caption = 'Torn off'
      end
    end
  end
end
)";

class MenuLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterPlatformClasses();
        RegisterMenuClasses();
        TLayoutLoader(&form, QStringLiteral("Form1")).Apply(QString::fromUtf8(menuLayout));
        menu = dynamic_cast<TMainMenu2000*>(form.FindComponent(QStringLiteral("MainMenu1")));
        ASSERT_NE(menu, nullptr);
    }
    TMenuItem2000* Item(const char* name) const
    {
        return dynamic_cast<TMenuItem2000*>(form.FindComponent(QString::fromLatin1(name)));
    }

    TComponent form{nullptr};
    TMainMenu2000* menu = nullptr;
};

} // namespace

TEST_F(MenuLayout, EveryKindOfSettingLoads)
{
    const T_AM2000_MenuOptions* options = menu->Options();
    EXPECT_EQ(options->Colors()->ValueAt(T_AM2000_Colors::PressedText), 16776176);
    EXPECT_EQ(options->Colors()->ValueAt(T_AM2000_Colors::DisabledShadow), clNone);
    EXPECT_EQ(options->Margins()->ValueAt(T_AM2000_Margins::Bevel), 1);
    EXPECT_EQ(options->Title()->Font()->Height(), -13);
    EXPECT_EQ(options->Title()->Font()->Name(), QStringLiteral("Arial")) << "title default";
    EXPECT_TRUE(options->Title()->Font()->Style().IsEmpty());
    EXPECT_EQ(options->Opacity(), 90);
    EXPECT_FALSE(options->ParentColors()) << "set colours make the menu's group its own";
    EXPECT_FALSE(menu->Ctl3D());
    EXPECT_EQ(menu->DropDownFont().Name(), QStringLiteral("宋体"));

    ASSERT_EQ(menu->Items()->Count(), 1);
    TMenuItem2000* file = Item("File1");
    ASSERT_EQ(file->Count(), 2);
    EXPECT_EQ(file->Items(0), Item("Colours1"));
    EXPECT_FALSE(file->Options()->ParentColors());
    EXPECT_FALSE(file->Options()->ParentSkin());
    EXPECT_TRUE(file->Options()->ParentMargins());

    TMenuItem2000* colours = Item("Colours1");
    EXPECT_EQ(colours->ButtonArrayControl()->Columns(), 4);
    EXPECT_EQ(colours->ButtonArrayControl()->Hints(),
              (QStringList{QStringLiteral("Red"), QStringLiteral("Green")}));
    EXPECT_EQ(colours->ShortCut(), TShortCut(scCtrl | 'K'));
    EXPECT_EQ(colours->NumGlyphs(), 2);
    EXPECT_TRUE(Item("Line1")->IsLine());
}

TEST_F(MenuLayout, WritingAndReadingAgainIsLossless)
{
    const QString written = TLayoutWriter::Write(&form);
    EXPECT_EQ(written.toStdString(), std::string(menuLayout));
    TComponent again(nullptr);
    TLayoutLoader(&again, QStringLiteral("written")).Apply(written);
    EXPECT_EQ(TLayoutWriter::Write(&again).toStdString(), written.toStdString());
}

TEST_F(MenuLayout, AMenuWithASharedSkinDoesNotStoreItsOwnGroups)
{
    auto* skin = form.FindComponent(QStringLiteral("Skin1"));
    menu->SetAnimatedSkin(dynamic_cast<T_AM2000_AnimatedSkin*>(skin));
    const QString written = TLayoutWriter::Write(&form);
    EXPECT_TRUE(written.contains(QStringLiteral("AnimatedSkin = Skin1")));
    EXPECT_FALSE(written.contains(QStringLiteral("Options.Colors.Border")));
    EXPECT_FALSE(written.contains(QStringLiteral("Options.Title.")));
    EXPECT_TRUE(written.contains(QStringLiteral("Options.Flags = [mfBitmapShadow, mfSoftColors]")));
    EXPECT_TRUE(written.contains(QStringLiteral("Options.Colors.Menu = 16445680")))
        << "items keep their own groups";
}

TEST_F(MenuLayout, AStockShortcutAndDefaultOptionsAreNotStored)
{
    TMenuItem2000* colours = Item("Colours1");
    colours->SetCaption(QStringLiteral("&Copy"));
    colours->SetShortCutText(QStringLiteral("Ctrl+C"));
    colours->Options()->Colors(); // read only: stays inherited
    const QString written = TLayoutWriter::Write(&form);
    EXPECT_FALSE(written.contains(QStringLiteral("ShortCut =")));
    EXPECT_EQ(written.count(QStringLiteral("Options.ParentColors")), 1) << "only File1's";
    colours->SetShortCutText(QStringLiteral("Ctrl+Shift+C"));
    EXPECT_TRUE(TLayoutWriter::Write(&form).contains(QStringLiteral("ShortCut = 'Ctrl+Shift+C'")));
}

TEST_F(MenuLayout, VersionIsReadOnlyAndNeverWritten)
{
    EXPECT_FALSE(menu->Version().isEmpty());
    EXPECT_FALSE(TLayoutWriter::Write(&form).contains(QStringLiteral("Version")));
    TComponent other(nullptr);
    EXPECT_THROW(TLayoutLoader(&other, QStringLiteral("bad"))
                     .Apply(QStringLiteral("object F: TComponent\n  object M: TMainMenu2000\n"
                                           "    Version = 'x'\n  end\nend\n")),
                 ELayoutError);
}
