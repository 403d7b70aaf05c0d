#include "TPgStatementShape.h"

#include <gtest/gtest.h>

namespace {

struct TShapeCase {
    const char* sql;
    bool singleRelation;
    bool keepsRows;
};

} // namespace

// Whether a server query may be walked by its table's key and its pictures read by key,
// told from the words of the text however they are quoted, commented or nested.
TEST(PostgresStatementShape, OneTableAndPlainRowsAreToldFromTheWords)
{
    const TShapeCase cases[] = {
        {"Select * From picture\nwhere parent=0\n", true, true},
        {"SELECT * FROM public.picture AS p WHERE p.parent = 0;", true, true},
        {"select * from only picture p", true, true},
        {"select * from picture where name = 'order by x limit 1'", true, true},
        {"select * from picture where name = $tag$ union select $tag$", true, true},
        {"select * from picture where name = E'it\\'s order by'", true, true},
        {"select * from \"picture\" -- order by id", true, true},
        {"select * from picture /* order /* nested */ by */ where parent = 0", true, true},
        {"select * from picture where id in (select id from picture order by id limit 2)", true,
         true},
        {"select * from picture where \"order\" = 1", true, true},
        {"select * from picture order by id", true, false},
        {"select * from picture limit 3", true, false},
        {"select * from picture offset 3", true, false},
        {"select distinct parent, id from picture", true, false},
        {"select parent, count(*) from picture group by parent", true, false},
        {"select * from picture for update", true, false},
        {"select * from picture, other", false, false},
        {"select * from picture join other on true", false, false},
        {"select * from picture p natural join other", false, false},
        {"select * from (select * from picture) s", false, false},
        {"select * from picture union select * from picture", false, false},
        {"with x as (select 1) select * from picture", false, false},
        {"select * from picture tablesample system (10)", false, false},
        {"select 1", false, false},
        {"update picture set parent = 1", false, false},
        {"select * from picture; select * from picture", false, false},
    };
    for (const auto& [sql, single, keeps] : cases) {
        const TPgStatementShape shape{QLatin1String(sql)};
        EXPECT_EQ(shape.SingleRelation(), single) << sql;
        EXPECT_EQ(shape.KeepsRowsWhenWrapped(), keeps) << sql;
    }
}

TEST(PostgresStatementShape, TheBodyEndsAtTheLastWordThatCounts)
{
    EXPECT_EQ(TPgStatementShape(QStringLiteral("Select * From picture\nwhere parent=0;\n")).Body(),
              QStringLiteral("Select * From picture\nwhere parent=0"));
    EXPECT_EQ(TPgStatementShape(QStringLiteral("Select * From picture; -- icons\n")).Body(),
              QStringLiteral("Select * From picture"));
    EXPECT_EQ(TPgStatementShape(QStringLiteral("select ';' ;;  ")).Body(),
              QStringLiteral("select ';'"));
    EXPECT_TRUE(TPgStatementShape(QStringLiteral("-- nothing")).Body().isEmpty());
}
