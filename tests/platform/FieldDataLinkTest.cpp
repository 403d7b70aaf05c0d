#include "Exception.h"
#include "IDataLinkQuery.h"
#include "PictureDataTest.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TDataSource.h"
#include "TFieldDataLink.h"

#include <gtest/gtest.h>

namespace {

// A data-aware picture holder in the manner of the picture control: it shows the field's
// bytes, takes a new value only through its link's edit, and writes it back on update.
class TPictureHolder : public TComponent, public IDataLinkQuery {
public:
    explicit TPictureHolder(TComponent* owner)
        : TComponent(owner)
    {
        link.SetControl(this);
        link.OnDataChange = [this](TObject*) {
            ++dataChanges;
            shown = link.Field() ? link.Field()->AsString() : QString();
        };
        link.OnEditingChange = [this](TObject*) { ++editingChanges; };
        link.OnUpdateData = [this](TObject*) {
            ++updates;
            link.Field()->SetAsString(shown);
        };
    }
    TDataLink* QueryDataLink() override { return &link; }

    // A paste: only when the link can edit; marks the link modified.
    bool Paste(const QString& text)
    {
        if (!link.Edit())
            return false;
        shown = text;
        link.Modified();
        return true;
    }

    TFieldDataLink link;
    QString shown;
    int dataChanges = 0;
    int editingChanges = 0;
    int updates = 0;
};

class BoundControl : public PictureStoreTest {
protected:
    void SetUp() override
    {
        first = catalogue.Add({0, QByteArray("one")});
        second = catalogue.Add({0, QByteArray("two")});
        query->SetSQL({QStringLiteral("Select * From picture")});
        control = new TPictureHolder(host.get());
        control->SetName(QStringLiteral("BzDBImage1"));
        control->link.SetDataSource(source);
        control->link.SetFieldName(QStringLiteral("Mirelvane"));
    }

    qint64 first = 0;
    qint64 second = 0;
    TPictureHolder* control = nullptr;
};

} // namespace

TEST_P(BoundControl, OpeningBindsTheFieldAndShowsTheRecord)
{
    EXPECT_FALSE(control->link.Active());
    EXPECT_EQ(control->link.Field(), nullptr);
    query->Open();
    EXPECT_TRUE(control->link.Active());
    EXPECT_EQ(control->link.Field(), query->FieldByName(QStringLiteral("Mirelvane")));
    EXPECT_EQ(control->link.DataSet(), query);
    EXPECT_EQ(control->shown, QStringLiteral("one"));
    EXPECT_EQ(control->dataChanges, 1);
}

TEST_P(BoundControl, ScrollingReportsEachNewRecord)
{
    query->Open();
    const int before = control->dataChanges;
    query->Next();
    EXPECT_EQ(control->shown, QStringLiteral("two"));
    query->Next(); // at the end: nothing moved, nothing reported
    EXPECT_EQ(control->dataChanges, before + 1);
    query->First();
    EXPECT_EQ(control->shown, QStringLiteral("one"));
    EXPECT_EQ(control->dataChanges, before + 2);
}

TEST_P(BoundControl, EditingAndWriteBackThroughTheLink)
{
    query->Open();
    ASSERT_TRUE(control->link.CanModify());
    EXPECT_FALSE(control->link.Editing());
    ASSERT_TRUE(control->Paste(QStringLiteral("pasted")));
    EXPECT_TRUE(control->link.Editing());
    EXPECT_EQ(control->editingChanges, 1);
    EXPECT_EQ(query->State(), TDataSetState::dsEdit);
    EXPECT_TRUE(control->link.IsModified());

    const int changes = control->dataChanges;
    control->link.UpdateRecord(); // focus leaves the control
    EXPECT_EQ(control->updates, 1);
    EXPECT_FALSE(control->link.IsModified());
    EXPECT_EQ(control->dataChanges, changes); // its own write does not come back to it
    EXPECT_EQ(query->FieldByName(QStringLiteral("Mirelvane"))->AsString(),
              QStringLiteral("pasted"));

    query->Post();
    EXPECT_FALSE(control->link.Editing());
    EXPECT_EQ(control->editingChanges, 2);
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("pasted"));
    EXPECT_EQ(control->shown, QStringLiteral("pasted"));
}

TEST_P(BoundControl, PostAsksModifiedControlsForTheirValue)
{
    query->Open();
    control->Paste(QStringLiteral("by post"));
    query->Post();
    EXPECT_EQ(control->updates, 1);
    EXPECT_EQ(catalogue.StoredPicture(first).toByteArray(), QByteArray("by post"));
}

TEST_P(BoundControl, ResetDiscardsTheControlsChange)
{
    query->Open();
    control->Paste(QStringLiteral("unwanted"));
    control->link.Reset();
    EXPECT_EQ(control->shown, QStringLiteral("one"));
    EXPECT_FALSE(control->link.IsModified());
    control->link.UpdateRecord();
    EXPECT_EQ(control->updates, 0);
}

TEST_P(BoundControl, TheModifiedMarkIsDroppedAfterTheRecordChangeCallback)
{
    query->Open();
    // A control that clears its picture while reloading marks the link modified in the
    // callback, as the picture control does; the mark must not survive the reload.
    control->link.OnDataChange = [this](TObject*) { control->link.Modified(); };
    query->Next();
    EXPECT_FALSE(control->link.IsModified());
}

TEST_P(BoundControl, AReadOnlyLinkNeverEdits)
{
    query->Open();
    control->link.SetReadOnly(true);
    EXPECT_FALSE(control->link.CanModify());
    EXPECT_FALSE(control->Paste(QStringLiteral("x")));
    EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
}

TEST_P(BoundControl, NoAutoEditOnTheSourceMeansNoEdit)
{
    query->Open();
    source->SetAutoEdit(false);
    EXPECT_FALSE(control->Paste(QStringLiteral("x")));
    query->Edit();
    EXPECT_TRUE(control->link.Editing());
}

TEST_P(BoundControl, ClosingUnbindsTheField)
{
    query->Open();
    const int changes = control->dataChanges;
    query->Close();
    EXPECT_FALSE(control->link.Active());
    EXPECT_EQ(control->link.Field(), nullptr);
    EXPECT_EQ(control->shown, QString());
    EXPECT_EQ(control->dataChanges, changes + 1);
}

TEST_P(BoundControl, ASourceMovedToAnotherOpenDataSetBindsItsField)
{
    query->Open();
    auto* other = new TADOQuery(host.get());
    other->SetConnection(connection);
    other->SetSQL({QStringLiteral("Select * From picture where ID = %1").arg(second)});
    other->Open();
    source->SetDataSet(other);
    EXPECT_EQ(control->link.Field(), other->FieldByName(QStringLiteral("Mirelvane")));
    EXPECT_EQ(control->shown, QStringLiteral("two"));
    // The first query's fields go with it; the control never looks at them again.
    delete query;
    query = nullptr;
    other->First();
    EXPECT_EQ(control->shown, QStringLiteral("two"));
}

TEST_P(BoundControl, ADisabledSourceIsInactive)
{
    query->Open();
    source->SetEnabled(false);
    EXPECT_EQ(source->State(), TDataSetState::dsInactive);
    EXPECT_FALSE(control->link.Active());
    source->SetEnabled(true);
    EXPECT_TRUE(control->link.Active());
}

TEST_P(BoundControl, AnUnknownFieldNamesTheControl)
{
    query->Open();
    try {
        control->link.SetFieldName(QStringLiteral("Picture"));
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("BzDBImage1: Field 'Picture' not found"));
    }
    EXPECT_EQ(control->link.Field(), nullptr);
}

TEST_P(BoundControl, AFixedDataSourceCannotChange)
{
    control->link.SetDataSourceFixed(true);
    EXPECT_THROW(control->link.SetDataSource(nullptr), EDatabaseError);
    control->link.SetDataSourceFixed(false);
    control->link.SetDataSource(nullptr);
    EXPECT_EQ(control->link.DataSource(), nullptr);
}

TEST_P(BoundControl, AHostFindsTheControlsLinkByTheQuery)
{
    EXPECT_EQ(IDataLinkQuery::DataLinkOf(control), &control->link);
    EXPECT_EQ(IDataLinkQuery::DataLinkOf(query), nullptr);
}

TEST_P(BoundControl, TheSourceReportsStateAndDataChanges)
{
    std::vector<TDataSetState> states;
    int dataChanges = 0;
    int updates = 0;
    source->OnStateChange = [&](TObject*) { states.push_back(source->State()); };
    source->OnDataChange = [&](TObject*, TField*) { ++dataChanges; };
    source->OnUpdateData = [&](TObject*) { ++updates; };
    query->Open();
    query->Next();
    query->Edit();
    query->Post();
    EXPECT_EQ(states, (std::vector<TDataSetState>{TDataSetState::dsBrowse, TDataSetState::dsEdit,
                                                  TDataSetState::dsBrowse}));
    EXPECT_EQ(dataChanges, 4); // opened, scrolled, edit began, posted
    EXPECT_EQ(updates, 1);
}

INSTANTIATE_TEST_SUITE_P(Stores, BoundControl, EveryStore(), StoreName);
