#include "MainWindowFixture.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"

#include <QDir>
#include <QFile>

TEST_F(MainWindowFixture, StartsWithTheNetworkStripAndTheEmptyHelpPanelInFront)
{
    EXPECT_EQ(form->Width(), 819);
    EXPECT_EQ(form->Height(), 522);
    EXPECT_EQ(TopStrip(), form->Panel3);
    EXPECT_EQ(Topmost({form->Panel16, form->Panel21}), form->Panel21);
    EXPECT_TRUE(form->WebBrowser1->LocationURL().isEmpty());
    EXPECT_TRUE(form->Label10->Caption().isEmpty());
    EXPECT_EQ(form->label7->Caption(), QStringLiteral("ZentuvioV2.0"));
    EXPECT_EQ(form->Client->Left(), 160) << "the category buttons lie at the left";
}

TEST_F(MainWindowFixture, EachStripHandlerBringsItsStripAndLeavesTheWorkingAreaAlone)
{
    form->Label10->SetCaption(QStringLiteral("unchanged"));
    const std::vector<std::pair<void (TMianForm::*)(TObject*), TPanel*>> handlers = {
        {&TMianForm::SpeedButton2Click, form->Panel11},
        {&TMianForm::SpeedButton4Click, form->Panel14},
        {&TMianForm::SpeedButton3Click, form->Panel13},
        {&TMianForm::SpeedButton7Click, form->Panel18},
        {&TMianForm::SpeedButton1Click, form->Panel3},
    };
    for (const auto& [handler, strip] : handlers) {
        (form.get()->*handler)(nullptr);
        EXPECT_EQ(TopStrip(), strip) << qPrintable(strip->Name());
        EXPECT_EQ(Topmost({form->Panel16, form->Panel21}), form->Panel21);
        EXPECT_EQ(form->Label10->Caption(), QStringLiteral("unchanged"));
    }
}

TEST_F(MainWindowFixture, HelpPageNavigatesEveryTimeAndAMissingFileShowsTheErrorPage)
{
    QStringList navigations;
    form->WebBrowser1->OnNavigateComplete = [&navigations](TObject*, const QString& path) {
        navigations << path;
    };
    const QString path = TMianForm::HelpPagePath();
    QFile::remove(path);
    form->SpeedButton10Click(nullptr);
    EXPECT_TRUE(form->WebBrowser1->ShowsErrorPage());
    EXPECT_EQ(Topmost({form->Panel16, form->Panel21}), form->Panel21);

    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile page(path);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>常见问题</h1></body></html>");
    page.close();
    form->SpeedButton10Click(nullptr);
    form->SpeedButton10Click(nullptr);
    QFile::remove(path);
    EXPECT_EQ(navigations, (QStringList{path, path, path}));
    EXPECT_FALSE(form->WebBrowser1->ShowsErrorPage());
    EXPECT_TRUE(form->WebBrowser1->DocumentText().contains(QStringLiteral("常见问题")));
}

TEST_F(MainWindowFixture, LayoutIsStoredAsDifferencesFromTheFrameWindow)
{
    const QString written = form->WriteLayout();
    EXPECT_TRUE(written.startsWith(QStringLiteral("inherited MianForm: TMianForm")));
    EXPECT_TRUE(written.contains(QStringLiteral("object Panel7: TPanel")));
    EXPECT_FALSE(written.contains(QStringLiteral("imgLeftUp"))) << "unchanged frame parts";
    EXPECT_FALSE(written.contains(QStringLiteral("IMGLEFTUP")));

    const std::unique_ptr<TForm> ancestor = form->CreateAncestor();
    ASSERT_NE(ancestor, nullptr);
    TMianForm reread(nullptr);
    TLayoutLoader(&reread, QStringLiteral("TMyForm.layout"))
        .Apply(TLayoutWriter::Write(ancestor.get()));
    TLayoutLoader(&reread, QStringLiteral("written")).Apply(written);
    EXPECT_EQ(TLayoutWriter::Write(&reread, ancestor.get()), written);
}

TEST_F(MainWindowFixture, CaptionDoubleClickMovesTheCategoryButtonsToTheOtherSide)
{
    form->imgCaptionDblClick(nullptr);
    EXPECT_EQ(form->abcButtonBar1->Align(), TAlign::alRight);
    EXPECT_EQ(form->Client->Left(), 0);
    form->imgCaptionDblClick(nullptr);
    EXPECT_EQ(form->abcButtonBar1->Align(), TAlign::alLeft);
    EXPECT_EQ(form->Client->Left(), 160);
}
