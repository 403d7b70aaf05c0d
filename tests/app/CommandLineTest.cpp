#include "Exception.h"
#include "TCommandLine.h"
#include "TKeyStroke.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// The error text for a wrong command line; empty when it is accepted.
QString ErrorOf(const QStringList& arguments)
{
    try {
        TCommandLine commandLine(arguments);
    } catch (const Exception& error) {
        return error.Message();
    }
    return QString();
}

} // namespace

TEST(CommandLine, ValuesFollowAsTheNextArgumentOrAfterAnEqualsSign)
{
    const TCommandLine commandLine({"--catalogue=mine.mdb", "--screenshot", "shot.png", "--click",
                                    "SpeedButton1", "--double-click=imgCaption",
                                    "--click=SpeedButton16", "--print", "Label10"});
    EXPECT_EQ(commandLine.Catalogue(), QStringLiteral("mine.mdb"));
    EXPECT_EQ(commandLine.Screenshot(), QStringLiteral("shot.png"));
    using K = TScreenshotStep::Kind;
    EXPECT_EQ(commandLine.Steps(), TScreenshotSteps({{K::Click, "SpeedButton1"},
                                                     {K::DoubleClick, "imgCaption"},
                                                     {K::Click, "SpeedButton16"}}));
    EXPECT_EQ(commandLine.Prints(), QStringList({"Label10"}));
    EXPECT_FALSE(commandLine.Help());
    EXPECT_FALSE(commandLine.Version());
}

TEST(CommandLine, AValueMayContainAnEqualsSignOrStartWithADash)
{
    EXPECT_EQ(TCommandLine({"--catalogue=a=b.mdb"}).Catalogue(), QStringLiteral("a=b.mdb"));
    EXPECT_EQ(TCommandLine({"--screenshot", "-shot.png"}).Screenshot(),
              QStringLiteral("-shot.png"));
}

TEST(CommandLine, HelpAndVersionAreRecognised)
{
    EXPECT_TRUE(TCommandLine({"--help"}).Help());
    EXPECT_TRUE(TCommandLine({"-h"}).Help());
    EXPECT_TRUE(TCommandLine({"--version"}).Version());
    EXPECT_TRUE(TCommandLine({}).Screenshot().isEmpty());
    EXPECT_TRUE(TCommandLine::VersionText().startsWith(QStringLiteral("zentuvio ")));
    for (const char* option : {"--catalogue", "--screenshot", "--click", "--print", "--version"})
        EXPECT_TRUE(TCommandLine::Usage().contains(QLatin1String(option))) << option;
}

TEST(CommandLine, AWrongCommandLineIsNamedInItsError)
{
    EXPECT_EQ(ErrorOf({"--bogus"}), QStringLiteral("Unknown option '--bogus'."));
    EXPECT_EQ(ErrorOf({"--bogus=1"}), QStringLiteral("Unknown option '--bogus'."));
    EXPECT_EQ(ErrorOf({"-x"}), QStringLiteral("Unknown option '-x'."));
    EXPECT_EQ(ErrorOf({"picture.png"}), QStringLiteral("Unexpected argument 'picture.png'."));
    EXPECT_EQ(ErrorOf({"--screenshot"}), QStringLiteral("--screenshot needs a value."));
    EXPECT_EQ(ErrorOf({"--catalogue="}), QStringLiteral("--catalogue needs a value."));
    EXPECT_EQ(ErrorOf({"--catalogue", "a", "--catalogue", "b"}),
              QStringLiteral("--catalogue is given twice."));
    EXPECT_EQ(ErrorOf({"--click", "SpeedButton1"}),
              QStringLiteral("--click, --double-click, --key, --hover, --wait and --drop go with "
                             "--screenshot FILE."));
    EXPECT_EQ(ErrorOf({"--print", "Label10"}),
              QStringLiteral("--print goes with --screenshot FILE."));
    EXPECT_EQ(ErrorOf({"--help", "--bogus"}), QStringLiteral("Unknown option '--bogus'."));
}

// Anyone on the computer can read a command line.
TEST(CommandLine, AServersUriIsTakenButNeverWithAPassword)
{
    EXPECT_EQ(TCommandLine({"--catalogue", "postgresql://ann@db/art?sslmode=require"}).Catalogue(),
              QStringLiteral("postgresql://ann@db/art?sslmode=require"));
    const QString error = ErrorOf({"--catalogue=postgresql://ann:s3cret@db/art"});
    EXPECT_TRUE(error.contains(QStringLiteral("~/.pgpass"))) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("s3cret")));
}

TEST(CommandLine, KeysHoversAndWaitsAreStepsCheckedBeforeAnythingStarts)
{
    using K = TScreenshotStep::Kind;
    const TCommandLine commandLine({"--screenshot", "s.png", "--key", "Alt", "--key=Ctrl+Tab",
                                    "--hover", "SpeedButton1", "--wait", "250", "--key", "Down"});
    EXPECT_EQ(commandLine.Steps(), TScreenshotSteps({{K::Key, "Alt"},
                                                     {K::Key, "Ctrl+Tab"},
                                                     {K::Hover, "SpeedButton1"},
                                                     {K::Wait, "250"},
                                                     {K::Key, "Down"}}));
    EXPECT_EQ(ErrorOf({"--screenshot", "s.png", "--wait", "soon"}),
              QStringLiteral("--wait needs milliseconds, not 'soon'."));
    EXPECT_EQ(ErrorOf({"--screenshot", "s.png", "--wait", "-5"}),
              QStringLiteral("--wait needs milliseconds, not '-5'."));
    EXPECT_EQ(ErrorOf({"--screenshot", "s.png", "--key", "Ctrl+Nothing"}),
              QStringLiteral("--key: 'Ctrl+Nothing' is no key."));
    EXPECT_EQ(ErrorOf({"--screenshot", "s.png", "--key", "a,b"}),
              QStringLiteral("--key: 'a,b' is no key."))
        << "one key, not a sequence";
}

TEST(CommandLine, ADropTakesAControlAndTheFilesUpToTheNextOption)
{
    using K = TScreenshotStep::Kind;
    const TCommandLine commandLine({"--screenshot", "s.png", "--drop", "DBCtrlGrid1", "a.png",
                                    "/icons", "--print", "Label10"});
    ASSERT_EQ(commandLine.Steps().size(), 1);
    const TScreenshotStep& drop = commandLine.Steps().first();
    EXPECT_EQ(drop.kind, K::Drop);
    EXPECT_EQ(drop.value, QStringLiteral("DBCtrlGrid1"));
    EXPECT_EQ(drop.files, QStringList({QDir::current().absoluteFilePath(QStringLiteral("a.png")),
                                       QStringLiteral("/icons")}));
    EXPECT_EQ(commandLine.Prints(), QStringList{QStringLiteral("Label10")});
    EXPECT_EQ(ErrorOf({"--screenshot", "s.png", "--drop", "DBCtrlGrid1", "--print", "Label10"}),
              QStringLiteral("--drop DBCtrlGrid1 needs files to drop."));
}

TEST(KeyStroke, ReadsQtKeyNamesAndLoneModifiers)
{
    const auto alt = TKeyStroke::Parse(QStringLiteral("alt"));
    ASSERT_TRUE(alt);
    EXPECT_EQ(alt->key, Qt::Key_Alt);
    EXPECT_EQ(alt->modifiers, Qt::AltModifier);
    EXPECT_TRUE(alt->IsModifierAlone());
    const auto tab = TKeyStroke::Parse(QStringLiteral("Ctrl+Shift+Tab"));
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->key, Qt::Key_Tab);
    EXPECT_EQ(tab->modifiers, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(tab->IsModifierAlone());
    EXPECT_EQ(TKeyStroke::Parse(QStringLiteral("Esc"))->key, Qt::Key_Escape);
    EXPECT_FALSE(TKeyStroke::Parse(QString()));
}

TEST(KeyStroke, KeysThatTypeSomethingTypeItAndOthersNothing)
{
    const std::pair<const char*, const char*> keys[] = {
        {"c", "c"}, {"C", "c"},  {"Shift+C", "C"}, {"7", "7"},    {"Space", " "},
        {".", "."}, {"Esc", ""}, {"Ctrl+F", ""},   {"Alt+x", ""}, {"Return", ""}};
    for (const auto& [key, text] : keys)
        EXPECT_EQ(TKeyStroke::Parse(QLatin1String(key))->Text(), QLatin1String(text)) << key;
}
