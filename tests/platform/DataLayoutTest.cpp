#include "DataClasses.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TClassInfo.h"
#include "TClassRegistry.h"
#include "TDataSource.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TSQLiteTestCatalogue.h"

#include <gtest/gtest.h>

namespace {

// The data part of the main window's stored layout.
const char* mainWindowData = R"(object MianForm: TComponent
  object Myado: TADOConnection
    ConnectionString = '%1'
    LoginPrompt = False
    Mode = cmShareDenyNone
  end
  object ADOQuery1: TADOQuery
    CacheSize = 1000
    Connection = Myado
    CursorType = ctStatic
    SQL = ('Select * From picture', '', '')
  end
  object DataSource1: TDataSource
    DataSet = ADOQuery1
  end
end
)";

} // namespace

TEST(DataLayout, EveryDataClassIsFoundByName)
{
    RegisterDataClasses();
    for (const char* name : {"TADOConnection", "TADOQuery", "TDataSource"}) {
        const TClassInfo* info = TClassRegistry::Instance().Find(QString::fromLatin1(name));
        ASSERT_NE(info, nullptr) << name;
        EXPECT_TRUE(info->CanCreate()) << name;
    }
    for (const char* name :
         {"TDataSet", "TField", "TIntegerField", "TBlobField", "TDataLink", "TFieldDataLink"})
        EXPECT_NE(TClassRegistry::Instance().Find(QString::fromLatin1(name)), nullptr) << name;
}

TEST(DataLayout, TheMainWindowsQueriesLoadWriteBackAndOpen)
{
    RegisterDataClasses();
    TSQLiteTestCatalogue catalogue;
    catalogue.Add({0, QByteArray("a")});
    TComponent form(nullptr);
    const QString text = QString::fromUtf8(mainWindowData).arg(catalogue.ConnectionString());
    TLayoutLoader(&form, QStringLiteral("MianForm")).Apply(text);

    auto* connection = dynamic_cast<TADOConnection*>(form.FindComponent(QStringLiteral("Myado")));
    auto* query = dynamic_cast<TADOQuery*>(form.FindComponent(QStringLiteral("ADOQuery1")));
    auto* source = dynamic_cast<TDataSource*>(form.FindComponent(QStringLiteral("DataSource1")));
    ASSERT_TRUE(connection && query && source);
    EXPECT_FALSE(connection->LoginPrompt());
    EXPECT_EQ(connection->Mode(), TConnectMode::cmShareDenyNone);
    EXPECT_FALSE(connection->Connected());
    EXPECT_EQ(query->Connection(), connection);
    EXPECT_EQ(query->CacheSize(), 1000);
    EXPECT_EQ(query->CursorType(), TCursorType::ctStatic);
    EXPECT_EQ(query->SQL(),
              (QStringList{QStringLiteral("Select * From picture"), QString(), QString()}));
    EXPECT_EQ(source->DataSet(), query);
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(TLayoutWriter::Write(&form).toStdString(), text.toStdString());

    query->SetSQLLine(1, QStringLiteral("where parent=0"));
    query->Open();
    EXPECT_EQ(query->RecordCount(), 1);
    EXPECT_EQ(source->State(), TDataSetState::dsBrowse);
    // The connection stays open once a query opened it.
    query->Close();
    EXPECT_TRUE(connection->Connected());
}

TEST(DataLayout, AnActiveQueryInALayoutOpensWhenTheLayoutIsDone)
{
    RegisterDataClasses();
    TSQLiteTestCatalogue catalogue;
    catalogue.Add({0, QByteArray("a")});
    TComponent form(nullptr);
    // The query comes before its connection: it can open only after the whole layout.
    const QString text = QStringLiteral(R"(object Form1: TComponent
  object Query: TADOQuery
    Active = True
    Connection = Conn
    SQL = ('Select * From picture')
  end
  object Conn: TADOConnection
    ConnectionString = '%1'
  end
end
)")
                             .arg(catalogue.ConnectionString());
    TLayoutLoader(&form, QStringLiteral("Form1")).Apply(text);
    auto* query = dynamic_cast<TADOQuery*>(form.FindComponent(QStringLiteral("Query")));
    ASSERT_NE(query, nullptr);
    EXPECT_TRUE(query->Active());
    EXPECT_EQ(query->RecordCount(), 1);
}
