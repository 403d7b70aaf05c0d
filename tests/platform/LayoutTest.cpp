#include "TClassInfo.h"
#include "TForm.h"
#include "TLabel.h"
#include "TLayoutLoader.h"
#include "TLayoutParser.h"
#include "TLayoutWriter.h"
#include "TPanel.h"

#include <gtest/gtest.h>

namespace {

// A form class with handlers, and one derived from it that replaces a handler.
class TLayoutTestForm : public TForm {
    T_CLASS_INFO
public:
    using TForm::TForm;
    void PanelClick(TObject*) { clicks << QStringLiteral("base"); }
    void OtherClick(TObject*) { clicks << QStringLiteral("other"); }
    void PanelMouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
    QStringList clicks;
};

class TDerivedLayoutTestForm : public TLayoutTestForm {
    T_CLASS_INFO
public:
    using TLayoutTestForm::TLayoutTestForm;
    void PanelClick(TObject*) { clicks << QStringLiteral("derived"); }
};

const TClassInfo& TLayoutTestForm::StaticClassInfo()
{
    static const TClassInfo info("TLayoutTestForm", &TForm::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TLayoutTestForm>();
        c.Handler("PanelClick", &TLayoutTestForm::PanelClick);
        c.Handler("OtherClick", &TLayoutTestForm::OtherClick);
        c.Handler("PanelMouseDown", &TLayoutTestForm::PanelMouseDown);
    });
    return info;
}

const TClassInfo& TDerivedLayoutTestForm::StaticClassInfo()
{
    static const TClassInfo info("TDerivedLayoutTestForm", &TLayoutTestForm::StaticClassInfo(),
                                 [](TClassInfo& c) {
                                     c.Creatable<TDerivedLayoutTestForm>();
                                     c.Handler("PanelClick", &TDerivedLayoutTestForm::PanelClick);
                                 });
    return info;
}

const QString baseLayout = QStringLiteral(R"(object Base: TLayoutTestForm
  Caption = 'It''s a form'
  ClientHeight = 200
  ClientWidth = 300
  Font.Height = -12
  Font.Name = '宋体'
  object Top: TPanel
    Height = 30
    Align = alTop
    Color = $00F0F0FA
    OnClick = PanelClick
    object Title: TLabel
      Left = 4
      Top = 5
      Caption = '标题'
      Font.Style = [fsBold, fsItalic]
    end
  end
  object Body: TPanel
    Align = alClient
    BevelOuter = bvNone
    OnClick = PanelClick
  end
end
)");

const QString derivedLayout = QStringLiteral(R"(inherited Base: TDerivedLayoutTestForm
  ClientWidth = 400
  inherited Top: TPanel
    OnClick = OtherClick
  end
  inherited Body: TPanel
    OnClick = nil
    object Extra: TLabel
      Caption = 'new'
    end
  end
end
)");

template <class T> std::unique_ptr<T> LoadForm(std::initializer_list<QString> layouts)
{
    auto form = std::make_unique<T>(nullptr);
    for (const QString& text : layouts)
        TLayoutLoader(form.get(), QStringLiteral("test.layout")).Apply(text);
    return form;
}

QString ErrorOf(const QString& text)
{
    try {
        LoadForm<TLayoutTestForm>({text});
    } catch (const ELayoutError& error) {
        return error.Message();
    }
    return QString();
}

TPanel* Panel(TForm& form, const char* name)
{
    return dynamic_cast<TPanel*>(form.FindComponent(QLatin1String(name)));
}

} // namespace

TEST(StoredLayout, CreatesNestedComponentsWithTheirProperties)
{
    const auto form = LoadForm<TLayoutTestForm>({baseLayout});
    EXPECT_EQ(form->Name(), QStringLiteral("Base"));
    EXPECT_EQ(form->Caption(), QStringLiteral("It's a form"));
    EXPECT_EQ(form->ClientWidth(), 300);
    TPanel* top = Panel(*form, "Top");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Parent(), static_cast<TWinControl*>(form.get()));
    EXPECT_EQ(top->Color(), TColor(0x00F0F0FA));
    auto* title = dynamic_cast<TLabel*>(form->FindComponent("Title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Parent(), top);
    EXPECT_TRUE(title->Font()->Style().Contains(TFontStyle::fsBold));
    EXPECT_EQ(title->Font()->Name(), QStringLiteral("宋体")) << "inherited from the form";
    EXPECT_FALSE(form->IsLoading());
}

TEST(StoredLayout, WriteThenReadGivesTheSameLayout)
{
    const auto first = LoadForm<TLayoutTestForm>({baseLayout});
    const QString written = TLayoutWriter::Write(first.get());
    const auto second = LoadForm<TLayoutTestForm>({written});
    EXPECT_EQ(TLayoutWriter::Write(second.get()), written);
    EXPECT_TRUE(written.contains(QStringLiteral("Caption = 'It''s a form'")));
    EXPECT_TRUE(written.contains(QStringLiteral("Style = [fsBold, fsItalic]")));
    EXPECT_FALSE(written.contains(QStringLiteral("BevelInner"))) << "defaults are not written";
}

TEST(StoredLayout, DerivedLayoutHoldsOnlyItsDifferences)
{
    const auto ancestor = LoadForm<TLayoutTestForm>({baseLayout});
    const auto derived = LoadForm<TDerivedLayoutTestForm>({baseLayout, derivedLayout});
    EXPECT_EQ(derived->ClientWidth(), 400);
    EXPECT_EQ(derived->ClientHeight(), 200);

    const QString written = TLayoutWriter::Write(derived.get(), ancestor.get());
    EXPECT_TRUE(written.startsWith(QStringLiteral("inherited Base: TDerivedLayoutTestForm")));
    EXPECT_TRUE(written.contains(QStringLiteral("OnClick = OtherClick")));
    EXPECT_TRUE(written.contains(QStringLiteral("OnClick = nil")));
    EXPECT_TRUE(written.contains(QStringLiteral("object Extra: TLabel")));
    EXPECT_FALSE(written.contains(QStringLiteral("Title"))) << "an unchanged component is left out";
    EXPECT_FALSE(written.contains(QStringLiteral("ClientHeight")));

    const auto reread = LoadForm<TDerivedLayoutTestForm>({baseLayout, written});
    EXPECT_EQ(TLayoutWriter::Write(reread.get(), ancestor.get()), written);
}

TEST(StoredLayout, BindingsResolveAgainstTheMostDerivedClass)
{
    const auto base = LoadForm<TLayoutTestForm>({baseLayout});
    Panel(*base, "Body")->OnClick(nullptr);
    EXPECT_EQ(base->clicks, QStringList{QStringLiteral("base")});

    // The derived class's PanelClick replaces the base's even for the base layout's binding.
    const auto derived = LoadForm<TDerivedLayoutTestForm>({baseLayout});
    Panel(*derived, "Body")->OnClick(nullptr);
    EXPECT_EQ(derived->clicks, QStringList{QStringLiteral("derived")});
}

TEST(StoredLayout, DerivedLayoutRebindsAndClearsHandlers)
{
    const auto form = LoadForm<TDerivedLayoutTestForm>({baseLayout, derivedLayout});
    Panel(*form, "Top")->OnClick(nullptr);
    EXPECT_EQ(form->clicks, QStringList{QStringLiteral("other")});
    EXPECT_FALSE(bool(Panel(*form, "Body")->OnClick));
}

TEST(StoredLayout, ErrorsNameTheLayoutTheLineAndTheWord)
{
    const QString unknownProperty =
        ErrorOf(QStringLiteral("object F: TLayoutTestForm\n  Colr = clRed\nend\n"));
    EXPECT_TRUE(unknownProperty.startsWith(QStringLiteral("test.layout, line 2, at 'Colr'")))
        << qPrintable(unknownProperty);

    const QString unknownClass = ErrorOf(
        QStringLiteral("object F: TLayoutTestForm\n  object P: TNoSuchPanel\n  end\nend\n"));
    EXPECT_TRUE(unknownClass.contains(QStringLiteral("line 2, at 'TNoSuchPanel'")))
        << qPrintable(unknownClass);

    const QString unknownHandler = ErrorOf(QStringLiteral(
        "object F: TLayoutTestForm\n  object P: TPanel\n    OnClick = Missing\n  end\nend\n"));
    EXPECT_TRUE(unknownHandler.contains(QStringLiteral("line 3, at 'Missing': unknown handler")))
        << qPrintable(unknownHandler);

    const QString wrongType =
        ErrorOf(QStringLiteral("object F: TLayoutTestForm\n  object P: TPanel\n    OnClick = "
                               "PanelMouseDown\n  end\nend\n"));
    EXPECT_TRUE(wrongType.contains(QStringLiteral("does not fit"))) << qPrintable(wrongType);

    const QString badValue =
        ErrorOf(QStringLiteral("object F: TLayoutTestForm\n  ClientWidth = 'wide'\nend\n"));
    EXPECT_TRUE(badValue.contains(QStringLiteral("line 2"))) << qPrintable(badValue);

    const QString unclosed = ErrorOf(QStringLiteral("object F: TLayoutTestForm\n  Tag = 1\n"));
    EXPECT_TRUE(unclosed.contains(QStringLiteral("not closed"))) << qPrintable(unclosed);

    const QString missingInherited = ErrorOf(
        QStringLiteral("inherited F: TLayoutTestForm\n  inherited Ghost: TPanel\n  end\nend\n"));
    EXPECT_TRUE(missingInherited.contains(QStringLiteral("at 'Ghost'")))
        << qPrintable(missingInherited);
}

TEST(StoredLayout, ParsesEveryKindOfValue)
{
    const TLayoutNode node = TLayoutParser::Parse(
        QStringLiteral("object A: TForm\n  I = -12\n  H = $FF\n  S = 'a''b'\n  N = nil\n"
                       "  E = [x, y]\n  L = ('one', 'two')\n  D = Font.Color\nend\n"),
        QStringLiteral("values"));
    ASSERT_EQ(node.assignments.size(), 7u);
    EXPECT_EQ(node.assignments[0].value.integer(), -12);
    EXPECT_EQ(node.assignments[1].value.integer(), 255);
    EXPECT_EQ(node.assignments[2].value.text(), QStringLiteral("a'b"));
    EXPECT_EQ(node.assignments[3].value.kind(), TLayoutValue::Kind::Nil);
    EXPECT_EQ(node.assignments[4].value.members(), (QStringList{"x", "y"}));
    EXPECT_EQ(node.assignments[5].value.members(), (QStringList{"one", "two"}));
    EXPECT_EQ(node.assignments[6].value.text(), QStringLiteral("Font.Color"));
}
