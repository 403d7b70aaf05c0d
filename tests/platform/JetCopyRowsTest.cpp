#include "JetTestSupport.h"
#include "TAccessOleObject.h"
#include "TCatalogueSchema.h"
#include "TJetCopyRows.h"
#include "TJetRow.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteStatement.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The rows of an Access catalogue written into its copy many to a statement: every row
// arrives with its values whatever the number of rows, an ID that a damaged table repeats
// goes in under a new one as SQLite would give it, and pictures whose bytes were only lent
// are written as they were when added.
using namespace JetTestSupport;

namespace {

class JetCopyRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = m_folder.filePath(QStringLiteral("copy.sqlite"));
        QFile created(path);
        ASSERT_TRUE(created.open(QIODevice::WriteOnly));
        created.close();
        m_copy = std::make_unique<TSQLiteDatabase>(path, TSQLiteDatabase::TAccess::ReadWrite, 1000);
        m_copy->Execute(QString::fromLatin1(TCatalogueSchema::pictureTable), testAction);
    }

    // The rows of the copy's table picture as "rowid parent name file picture" texts.
    std::vector<QString> Stored() const
    {
        TSQLiteStatement select(*m_copy,
                                QStringLiteral("SELECT ID, parent, name, file, Mirelvane FROM "
                                               "picture ORDER BY ID"),
                                testAction);
        std::vector<QString> rows;
        while (select.Step()) {
            QStringList fields;
            for (int column = 0; column < 5; ++column) {
                const QVariant value = select.Column(column);
                fields << (value.isValid() ? value.toString() : QStringLiteral("NULL"));
            }
            rows.push_back(fields.join(u' '));
        }
        return rows;
    }

    QTemporaryDir m_folder;
    std::unique_ptr<TSQLiteDatabase> m_copy;
};

TJetRow Row(std::int64_t id, std::int64_t parent, const std::string& name)
{
    TJetRow row;
    row.id = id;
    row.parent = parent;
    row.name = name;
    row.state = TJetRowFormat::vsStored;
    row.bytes = "picture " + name;
    return row;
}

} // namespace

TEST_F(JetCopyRows, EveryRowArrivesWhateverHowManyGoToAStatement)
{
    for (const int count : {1, 63, 64, 65, 200}) {
        SCOPED_TRACE(count);
        m_copy->Execute(QStringLiteral("DELETE FROM picture"), testAction);
        TJetCopyRows rows(*m_copy);
        std::vector<QString> expected;
        for (int i = 1; i <= count; ++i) {
            const std::string name = "图标" + std::to_string(i);
            TJetRow row = Row(i * 3, i % 7, name);
            row.file = i % 2 ? std::optional<std::string>("f.png") : std::nullopt;
            EXPECT_EQ(rows.Add(row, TAccessOleObject::PictureOf(row)), i * 3);
            expected.push_back(QStringLiteral("%1 %2 %3 %4 picture %3")
                                   .arg(i * 3)
                                   .arg(i % 7)
                                   .arg(QString::fromStdString(name),
                                        i % 2 ? QStringLiteral("f.png") : QStringLiteral("NULL")));
        }
        rows.Flush();
        EXPECT_EQ(Stored(), expected);
        // Names are text, as searches by name need them.
        TSQLiteStatement kinds(*m_copy, QStringLiteral("SELECT DISTINCT typeof(name) FROM picture"),
                               testAction);
        ASSERT_TRUE(kinds.Step());
        EXPECT_EQ(kinds.Column(0).toString(), QStringLiteral("text"));
        EXPECT_FALSE(kinds.Step());
    }
}

TEST_F(JetCopyRows, ARepeatedIdGoesInUnderOneMoreThanTheHighest)
{
    // IDs rising but for repeats, and IDs in no order.
    const std::vector<std::pair<std::vector<std::int64_t>, std::vector<qint64>>> cases = {
        {{1, 2, 3, 3, 4, 9}, {1, 2, 3, 4, 5, 9}},
        {{5, 2, 5, 7, 8, 2}, {5, 2, 6, 7, 8, 9}},
    };
    for (const auto& [ids, expected] : cases) {
        m_copy->Execute(QStringLiteral("DELETE FROM picture"), testAction);
        TJetCopyRows rows(*m_copy);
        std::vector<qint64> given;
        for (const std::int64_t id : ids)
            given.push_back(rows.Add(Row(id, 0, "x"), QVariant()));
        rows.Flush();
        EXPECT_EQ(given, expected);
        std::vector<QString> stored;
        for (const qint64 rowId : expected)
            stored.push_back(QStringLiteral("%1 0 x NULL NULL").arg(rowId));
        std::sort(stored.begin(), stored.end(), [](const QString& a, const QString& b) {
            return a.section(u' ', 0, 0).toLongLong() < b.section(u' ', 0, 0).toLongLong();
        });
        EXPECT_EQ(Stored(), stored);
    }
}

TEST_F(JetCopyRows, LentPictureBytesAreWrittenAsTheyWereWhenAdded)
{
    TJetCopyRows rows(*m_copy);
    TJetRow row = Row(1, 0, "a");
    rows.Add(row, TAccessOleObject::PictureOf(row));
    // The reader's next row reuses the buffers.
    row = Row(2, 0, "b");
    row.bytes.assign(2 * 1024 * 1024, 'z');
    rows.Add(row, TAccessOleObject::PictureOf(row));
    rows.Add(Row(3, 0, "c"), QByteArray(""));
    rows.Flush();
    TSQLiteStatement select(
        *m_copy, QStringLiteral("SELECT Mirelvane, typeof(Mirelvane) FROM picture ORDER BY ID"),
        testAction);
    ASSERT_TRUE(select.Step());
    EXPECT_EQ(select.Column(0).toByteArray(), QByteArray("picture a"));
    ASSERT_TRUE(select.Step());
    EXPECT_EQ(select.Column(0).toByteArray(), QByteArray(2 * 1024 * 1024, 'z'));
    ASSERT_TRUE(select.Step());
    // An empty picture stays an empty picture, not NULL.
    EXPECT_EQ(select.Column(1).toString(), QStringLiteral("blob"));
}
