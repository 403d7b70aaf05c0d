#include "Exception.h"
#include "TConnectionString.h"

#include <gtest/gtest.h>

namespace {

QString ErrorOf(const QString& text)
{
    try {
        TConnectionString::Parse(text);
    } catch (const EDatabaseError& error) {
        return error.Message();
    }
    return QString();
}

} // namespace

TEST(ConnectionString, ReadsTheMainWindowsString)
{
    const auto settings = TConnectionString::Parse(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\Apps\\Data\\Mirelvane.mdb;"
                       "Persist Security Info=False"));
    EXPECT_EQ(settings.Value(QStringLiteral("Provider")),
              QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    EXPECT_EQ(settings.Value(QStringLiteral("Data Source")),
              QStringLiteral("C:\\Apps\\Data\\Mirelvane.mdb"));
    EXPECT_EQ(settings.Value(QStringLiteral("Persist Security Info")), QStringLiteral("False"));
    EXPECT_EQ(settings.Pairs().size(), 3u);
}

TEST(ConnectionString, NamesIgnoreCaseAndBlanksAroundNamesAndValues)
{
    const auto settings =
        TConnectionString::Parse(QStringLiteral("  data SOURCE =  /tmp/a b.db  ; "));
    EXPECT_TRUE(settings.Contains(QStringLiteral("Data Source")));
    EXPECT_EQ(settings.Value(QStringLiteral("DATA SOURCE")), QStringLiteral("/tmp/a b.db"));
    EXPECT_FALSE(settings.Contains(QStringLiteral("Provider")));
    EXPECT_EQ(settings.Value(QStringLiteral("Provider")), QString());
}

TEST(ConnectionString, QuotedValuesKeepSeparatorsAndDoubledQuotes)
{
    const auto settings = TConnectionString::Parse(QStringLiteral(
        "Data Source=\"/tmp/a;b=c.mdb\";Extended Properties='it''s \"x\"' ;Mode=Read"));
    EXPECT_EQ(settings.Value(QStringLiteral("Data Source")), QStringLiteral("/tmp/a;b=c.mdb"));
    EXPECT_EQ(settings.Value(QStringLiteral("Extended Properties")), QStringLiteral("it's \"x\""));
    EXPECT_EQ(settings.Value(QStringLiteral("Mode")), QStringLiteral("Read"));
}

TEST(ConnectionString, DoubledEqualsSignBelongsToTheName)
{
    const auto settings = TConnectionString::Parse(QStringLiteral("a==b=c"));
    EXPECT_EQ(settings.Value(QStringLiteral("a=b")), QStringLiteral("c"));
}

TEST(ConnectionString, EmptyPairsAreSkippedAndLaterPairsWin)
{
    const auto settings =
        TConnectionString::Parse(QStringLiteral(";;Provider=x; ;Provider=y;Data Source=;"));
    EXPECT_EQ(settings.Value(QStringLiteral("Provider")), QStringLiteral("y"));
    EXPECT_TRUE(settings.Contains(QStringLiteral("Data Source")));
    EXPECT_EQ(settings.Pairs().size(), 2u);
    EXPECT_TRUE(TConnectionString::Parse(QString()).Pairs().empty());
}

TEST(ConnectionString, MalformedStringsAreErrorsThatSayWhereAndWhy)
{
    EXPECT_TRUE(
        ErrorOf(QStringLiteral("Provider")).contains(QStringLiteral("'Provider' has no '='")));
    EXPECT_TRUE(ErrorOf(QStringLiteral("Provider=x;=y")).contains(QStringLiteral("has no name")));
    EXPECT_TRUE(ErrorOf(QStringLiteral("Data Source=\"/tmp/a.mdb"))
                    .contains(QStringLiteral("quoted value of 'Data Source' is not closed")));
    EXPECT_TRUE(ErrorOf(QStringLiteral("Data Source='a' b;"))
                    .contains(QStringLiteral("text follows the quoted value")));
    EXPECT_TRUE(
        ErrorOf(QStringLiteral("Provider=x;junk")).contains(QStringLiteral("character 12")));
}

TEST(ConnectionString, HostileTextNeverCrashes)
{
    // Every prefix of a string full of quotes and separators either parses or raises.
    const QString text = QStringLiteral("a=\"\";b='';;c==\"d;e\"\"f\";'g'=h;=;\"");
    int parsed = 0;
    int rejected = 0;
    for (qsizetype n = 0; n <= text.size(); ++n) {
        try {
            TConnectionString::Parse(text.left(n));
            ++parsed;
        } catch (const EDatabaseError&) {
            ++rejected;
        }
    }
    EXPECT_GT(parsed, 0);
    EXPECT_GT(rejected, 0);
    EXPECT_THROW(TConnectionString::Parse(text), EDatabaseError);
}
