#include "CatalogueFiles.h"
#include "CatalogueToolRun.h"
#include "DatabaseError.h"
#include "NewCatalogue.h"
#include "PostgresTest.h"
#include "TPgTestConnection.h"

namespace {

// The catalogue library on the run's PostgreSQL server.
class PostgresCatalogue : public PostgresTest {
protected:
    // A database holding the table of another program, made by schema.
    std::unique_ptr<TPgTestCatalogue> Other(const QString& schema) const
    {
        return std::make_unique<TPgTestCatalogue>(schema);
    }
};

} // namespace

TEST_F(PostgresCatalogue, CreateMakesTheTableAndTheIndexTheGalleryNeeds)
{
    const TNewCatalogue made(TTestStore::PostgreSQL());
    TCatalogue::Create(made.Location());
    TPgTestConnection& server = made.Database()->Connection();
    EXPECT_EQ(server.Single(QStringLiteral(
                  "SELECT string_agg(attname || ' ' || format_type(atttypid, atttypmod) || "
                  "CASE WHEN attnotnull THEN ' not null' ELSE '' END || "
                  "CASE WHEN attidentity <> '' THEN ' identity' ELSE '' END, ', ' ORDER BY "
                  "attnum) FROM pg_attribute WHERE attrelid = 'picture'::regclass AND attnum > 0")),
              QStringLiteral("id bigint not null identity, parent integer not null, mirelvane "
                             "bytea, name text, file text"));
    EXPECT_EQ(
        server.Single(QStringLiteral("SELECT indexdef FROM pg_indexes WHERE indexname = "
                                     "'picture_parent'")),
        QStringLiteral("CREATE INDEX picture_parent ON public.picture USING btree (parent, id)"));
    EXPECT_EQ(server.Single(QStringLiteral("SELECT attstorage FROM pg_attribute WHERE attrelid = "
                                           "'picture'::regclass AND attname = 'mirelvane'")),
              QStringLiteral("e"))
        << "pictures are kept uncompressed, out of the row";
    EXPECT_EQ(server.Single(QStringLiteral("SELECT indexdef FROM pg_indexes WHERE indexname = "
                                           "'picture_names'")),
              QStringLiteral("CREATE INDEX picture_names ON public.picture USING gin "
                             "((((COALESCE(name, ''::text) || '\x1f'::text) || COALESCE(file, "
                             "''::text))) gin_trgm_ops)"));
    EXPECT_FALSE(TCatalogue(made.Location()).AddParentIndex());
    EXPECT_FALSE(TCatalogue(made.Location()).AddNameIndex());
}

// A role that may make tables in its database but not add extensions to it: the
// catalogue is made without the index of names, find reads every row, and index says why
// it cannot add it until the database's owner adds pg_trgm.
TEST_F(PostgresCatalogue, WithoutTheExtensionPgTrgmFindReadsEveryRow)
{
    const TNewCatalogue made(TTestStore::PostgreSQL());
    TPrivatePostgres::Shared().Admin(QStringLiteral(
        "DO $$ BEGIN CREATE ROLE zentuvio_maker LOGIN; EXCEPTION WHEN duplicate_object THEN "
        "NULL; END $$"));
    TPgTestConnection& owner = made.Database()->Connection();
    owner.Run(QStringLiteral("GRANT CREATE ON SCHEMA public TO zentuvio_maker"));
    const QString uri =
        TPrivatePostgres::Shared().TcpUri(made.Database()->Database(), {}, "zentuvio_maker");

    const TCatalogueToolRun create = TCatalogueToolRun::Of({"create", uri});
    EXPECT_EQ(create.status, TCatalogueTool::Done) << create.err.toStdString();
    EXPECT_TRUE(create.err.contains(QStringLiteral("cannot add the extension pg_trgm")) &&
                create.err.contains(QStringLiteral("by reading every row")))
        << create.err.toStdString();
    TCatalogue catalogue(uri);
    catalogue.Add({0, "edit-copy", "edit-copy.png", QByteArray("a")});
    catalogue.Add({0, "paste", "paste.png", QByteArray("b")});
    const QStringList found =
        TCatalogueToolRun::Of({"find", uri, "COPY"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found[0].startsWith(QStringLiteral("1\t0\tedit-copy\t")));

    const TCatalogueToolRun refused = TCatalogueToolRun::Of({"index", uri});
    EXPECT_EQ(refused.status, TCatalogueTool::Failed);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("permission denied")))
        << refused.err.toStdString();

    owner.Run(QStringLiteral("CREATE EXTENSION pg_trgm"));
    const TCatalogueToolRun index = TCatalogueToolRun::Of({"index", uri});
    EXPECT_EQ(index.status, TCatalogueTool::Done) << index.err.toStdString();
    EXPECT_TRUE(index.out.contains(QStringLiteral("added the index of names")));
    EXPECT_EQ(TCatalogueToolRun::Of({"find", uri, "copy"}).out.count('\n'), 1);
}

TEST_F(PostgresCatalogue, WhatIsMissingIsNamedWithTheWayToMakeIt)
{
    const auto empty = Other(QString());
    const QString noTable = DatabaseError([&] { TCatalogue catalogue(empty->Location()); });
    EXPECT_TRUE(noTable.contains(QStringLiteral("no table picture"))) << noTable.toStdString();
    EXPECT_TRUE(
        noTable.contains(QStringLiteral("zentuvio-catalogue create %1").arg(empty->Location())));

    const auto unkeyed = Other(TPgTestCatalogue::SchemaOf(TPictureTable::Unkeyed));
    const QString noKey = DatabaseError([&] { TCatalogue catalogue(unkeyed->Location()); });
    EXPECT_TRUE(noKey.contains(QStringLiteral("no primary key"))) << noKey.toStdString();

    const auto otherColumns = Other(QStringLiteral(
        "CREATE TABLE picture(id integer PRIMARY KEY, parent integer, image bytea)"));
    const QString noPicture =
        DatabaseError([&] { TCatalogue catalogue(otherColumns->Location()); });
    EXPECT_TRUE(noPicture.contains(QStringLiteral("no column Mirelvane")))
        << noPicture.toStdString();
}

// A table made by another program: its own key, the picture column's name quoted as the
// gallery spells it, no name columns. Every command works with it as it is.
TEST_F(PostgresCatalogue, AnotherProgramsTableIsKeptByItsOwnKeyAndNames)
{
    const auto other = Other(QStringLiteral(
        "CREATE TABLE picture(code integer PRIMARY KEY, parent integer, \"Mirelvane\" bytea, note "
        "text);"
        "INSERT INTO picture VALUES (7, 0, '\\x0a0b', 'first'), (9, 10, NULL, NULL)"));
    TCatalogue catalogue(other->Location());
    EXPECT_EQ(catalogue.MissingNameColumns(), (QStringList{"name", "file"}));
    const auto entries = TCatalogueFiles::Entries(catalogue);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].id, 7);
    EXPECT_EQ(entries[0].bytes, 2);
    EXPECT_EQ(catalogue.PictureData(7), QByteArray("\x0a\x0b"));
    EXPECT_TRUE(
        DatabaseError([&] { catalogue.PictureData(9); }).contains(QStringLiteral("holds no data")));
    catalogue.Add({0, "added", "added.jpg", QByteArray("new"), 20});
    EXPECT_EQ(catalogue.PictureData(20), QByteArray("new"));
    catalogue.Remove({7, 20});
    EXPECT_EQ(TCatalogueFiles::Entries(catalogue, 0).size(), 0u);
    EXPECT_TRUE(catalogue.AddParentIndex());
    EXPECT_FALSE(catalogue.AddParentIndex());
}

// Pictures copied under their own IDs (from an Access catalogue, say): new ones follow them.
TEST_F(PostgresCatalogue, NewIdsFollowTheOnesGiven)
{
    const TNewCatalogue made(TTestStore::PostgreSQL());
    TCatalogue::Create(made.Location());
    TCatalogue catalogue(made.Location());
    catalogue.InTransaction([&] {
        catalogue.Add({0, "a", "a.jpg", QByteArray("a"), 5});
        catalogue.Add({0, "b", "b.jpg", QByteArray("b"), 41});
    });
    EXPECT_EQ(catalogue.Add({0, "c", "c.jpg", QByteArray("c")}), 42);
    EXPECT_TRUE(DatabaseError([&] {
                    catalogue.Add({0, "d", "d.jpg", QByteArray("d"), 5});
                }).contains(QStringLiteral("already exists")));
}

TEST_F(PostgresCatalogue, AFailedTransactionAddsNothing)
{
    const TNewCatalogue made(TTestStore::PostgreSQL());
    TCatalogue::Create(made.Location());
    TCatalogue catalogue(made.Location());
    EXPECT_THROW(catalogue.InTransaction([&] {
        catalogue.Add({0, "a", "a.jpg", QByteArray("a")});
        catalogue.Add({0, "b", "b.jpg", QByteArray("b"), 1}); // the ID the first one took
    }),
                 EDatabaseError);
    EXPECT_TRUE(TCatalogueFiles::Entries(catalogue).empty());
    EXPECT_EQ(catalogue.Add({0, "c", "c.jpg", QByteArray("c")}), 2) << "the lost ID is not reused";
}
