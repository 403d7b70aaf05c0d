#include "Exception.h"
#include "IStreamPersist.h"
#include "PictureDataTest.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TMemoryStream.h"
#include "TPersistent.h"
#include "TSQLiteTestCatalogue.h"
#include "TTestQuery.h"

#include <gtest/gtest.h>

namespace {

// Something with a stream form, as a graphic has: writes a fixed header and its bytes.
class TStreamablePicture : public TPersistent, public IStreamPersist {
public:
    explicit TStreamablePicture(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {}
    void LoadFromStream(TStream& stream) override
    {
        m_bytes.resize(stream.Remaining());
        stream.ReadBuffer(m_bytes.data(), m_bytes.size());
    }
    void SaveToStream(TStream& stream) const override
    {
        stream.WriteBuffer("BM", 2);
        stream.WriteBuffer(m_bytes.constData(), m_bytes.size());
    }

private:
    QByteArray m_bytes;
};

class EditBlob : public PictureStoreTest {
protected:
    void SetUp() override
    {
        first = catalogue.Add({0, QByteArray("old")});
        second = catalogue.Add({0, QByteArray("two")});
        query->SetName(QStringLiteral("ADOQuery1"));
        OpenCategory(0);
    }

    TBlobField* Picture() const
    {
        return dynamic_cast<TBlobField*>(query->FieldByName(QStringLiteral("Mirelvane")));
    }

    qint64 first = 0;
    qint64 second = 0;
};

} // namespace

TEST_P(EditBlob, PostWritesTheBlobToTheRecordsRow)
{
    ASSERT_TRUE(query->CanModify());
    ASSERT_TRUE(Picture()->CanModify());
    query->Edit();
    EXPECT_EQ(query->State(), TDataSetState::dsEdit);
    Picture()->SetAsBytes(QByteArray("new picture"));
    EXPECT_TRUE(query->Modified());
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("new picture")); // the edit's value
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("old"));
    query->Post();
    EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("new picture"));
    EXPECT_EQ(catalogue.StoredPicture(second).toByteArray(), QByteArray("two"));
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("new picture"));
}

TEST_P(EditBlob, CancelDiscardsTheEdit)
{
    query->Edit();
    Picture()->Clear();
    EXPECT_TRUE(Picture()->IsNull());
    query->Cancel();
    EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(query->Modified());
    EXPECT_EQ(Picture()->AsBytes(), QByteArray("old"));
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("old"));
}

TEST_P(EditBlob, ClearingStoresNullAndEmptyStoresAnEmptyBlob)
{
    query->Edit();
    Picture()->Clear();
    query->Post();
    EXPECT_FALSE(catalogue.StoredPicture(first).isValid());
    EXPECT_TRUE(Picture()->IsNull());
    query->Edit();
    Picture()->SetAsBytes(QByteArray());
    query->Post();
    EXPECT_TRUE(catalogue.StoredPicture(first).isValid());
    EXPECT_FALSE(Picture()->IsNull());
    EXPECT_EQ(Picture()->BlobSize(), 0);
}

TEST_P(EditBlob, MovingPostsAChangedRecordAndCancelsAnUnchangedOne)
{
    query->Edit();
    Picture()->SetAsBytes(QByteArray("moved"));
    query->Next();
    EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("moved"));
    query->Edit();
    query->Prior();
    EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(catalogue.StoredPicture(second).toByteArray(), QByteArray("two"));
}

TEST_P(EditBlob, AGraphicIsStoredByItsStreamForm)
{
    const TStreamablePicture picture(QByteArray("pixels"));
    query->Edit();
    Picture()->Assign(&picture);
    query->Post();
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("BMpixels"));

    query->Edit();
    Picture()->AssignStreamForm([](TStream& stream) { stream.WriteBuffer("JPEG", 4); });
    query->Post();
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("JPEG"));

    query->Edit();
    Picture()->Assign(nullptr);
    query->Post();
    EXPECT_FALSE(catalogue.StoredPicture(first).isValid());
}

TEST_P(EditBlob, StreamsInAndOut)
{
    TMemoryStream in(QByteArray("xxstreamed"));
    in.SetPosition(2);
    query->Edit();
    Picture()->LoadFromStream(in);
    query->Post();
    TMemoryStream out;
    out.WriteBuffer(">", 1);
    Picture()->SaveToStream(out);
    EXPECT_EQ(out.Bytes(), QByteArray(">streamed"));
}

TEST_P(EditBlob, FieldsChangeOnlyInEditStateAndNeverTheKey)
{
    EXPECT_THROW(Picture()->SetAsBytes(QByteArray("x")), EDatabaseError);
    query->Edit();
    EXPECT_FALSE(query->FieldByName(QStringLiteral("ID"))->CanModify());
    EXPECT_THROW(query->FieldByName(QStringLiteral("ID"))->SetAsInteger(5), EDatabaseError);
    query->FieldByName(QStringLiteral("parent"))->SetAsInteger(10);
    query->Post();
    EXPECT_EQ(query->FieldByName(QStringLiteral("parent"))->AsInteger(), 10);
    EXPECT_THROW(query->Post(), EDatabaseError); // not editing
}

TEST_P(EditBlob, AReadOnlyLockTypeForbidsEditing)
{
    query->Close();
    query->SetLockType(TADOLockType::ltReadOnly);
    query->Open();
    EXPECT_FALSE(query->CanModify());
    EXPECT_FALSE(Picture()->CanModify());
    try {
        query->Edit();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("ADOQuery1: Cannot modify a read-only dataset"));
    }
}

TEST_P(EditBlob, PostingARowDeletedByAnotherProgramFailsAndKeepsTheEdit)
{
    query->Edit();
    Picture()->SetAsBytes(QByteArray("lost"));
    ASSERT_TRUE(catalogue.Exec(QStringLiteral("DELETE FROM picture WHERE ID = %1").arg(first)))
        << catalogue.LastError().toStdString();
    try {
        query->Post();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(
            error.Message().startsWith(QStringLiteral("Row cannot be located for updating")));
    }
    EXPECT_EQ(query->State(), TDataSetState::dsEdit);
    query->Cancel();
}

TEST_P(EditBlob, ClosingDiscardsAPendingEdit)
{
    query->Edit();
    Picture()->SetAsBytes(QByteArray("discarded"));
    query->Close();
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("old"));
}

INSTANTIATE_TEST_SUITE_P(Stores, EditBlob, EveryStore(), StoreName);

// A record whose fields come from two tables is saved to both or to neither: whichever of
// them refuses the update, the other keeps its old value too.
TEST(EditAcrossTables, APostThatFailsInOneTableChangesNeither)
{
    for (const char* refusing : {"picture", "info"}) {
        TSQLiteTestCatalogue catalogue;
        catalogue.Add({0, QByteArray("old")});
        ASSERT_TRUE(
            catalogue.Exec(QStringLiteral("CREATE TABLE info(ID INTEGER PRIMARY KEY, note TEXT);"
                                          "INSERT INTO info VALUES(1, 'old');"
                                          "CREATE TRIGGER refuse BEFORE UPDATE ON %1 BEGIN SELECT "
                                          "RAISE(ABORT, 'refused'); END")
                               .arg(QLatin1String(refusing))))
            << catalogue.LastError().toStdString();
        TComponent form(nullptr);
        TADOQuery* query = TTestQuery(&form, catalogue.ConnectionString()).query;
        query->SetSQL({QStringLiteral(
            "Select p.ID, p.Mirelvane, i.ID, i.note From picture p join info i on i.ID = p.ID")});
        query->Open();
        query->Edit();
        query->FieldByName(QStringLiteral("Mirelvane"))->SetAsString(QStringLiteral("new"));
        query->FieldByName(QStringLiteral("note"))->SetAsString(QStringLiteral("new"));
        EXPECT_THROW(query->Post(), EDatabaseError) << refusing;
        EXPECT_EQ(query->State(), TDataSetState::dsEdit);
        query->Cancel();
        query->Close();
        query->Open();
        EXPECT_EQ(query->FieldByName(QStringLiteral("Mirelvane"))->AsString(),
                  QStringLiteral("old"))
            << refusing;
        EXPECT_EQ(query->FieldByName(QStringLiteral("note"))->AsString(), QStringLiteral("old"))
            << refusing;
    }
}
