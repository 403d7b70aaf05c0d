#pragma once

#include "TDataSet.h"
#include "TPersistent.h"

class TDataSource;
class TField;

// The tie between a data-aware control (or grid) and a data source: the source passes
// the data set's events to it, and it turns them into the virtual notifications below.
// Freeing the link detaches it; freeing the data source sets DataSource to nullptr
// (with ActiveChanged), so a link never points at a freed source.
class TDataLink : public TPersistent {
    T_CLASS_INFO
public:
    TDataLink();
    ~TDataLink() override;
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return m_dataSource; }
    // Raises EDatabaseError while DataSourceFixed is set and the source would change.
    void SetDataSource(TDataSource* dataSource);
    // Set by a host (a control grid) that binds its controls to its own data source.
    bool DataSourceFixed() const { return m_dataSourceFixed; }
    void SetDataSourceFixed(bool fixed) { m_dataSourceFixed = fixed; }
    TDataSet* DataSet() const;

    // The data source is bound to an open data set.
    bool Active() const { return m_active; }
    // The data set is in edit state (TFieldDataLink adds: and the field can be modified).
    virtual bool Editing() const { return m_editing; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    // Asks the data source to put the data set in edit state, unless read-only; returns
    // Editing afterwards.
    virtual bool Edit();
    // Writes the control's pending value into the record (UpdateData), without the
    // notification that the field changed coming back to this link.
    void UpdateRecord();

protected:
    virtual void ActiveChanged() {}
    virtual void EditingChanged() {}
    // The current record's values changed: field is the one field, or nullptr for all.
    virtual void RecordChanged(TField*) {}
    virtual void DataSetChanged() { RecordChanged(nullptr); }
    virtual void DataSetScrolled() { DataSetChanged(); }
    virtual void LayoutChanged() { DataSetChanged(); }
    virtual void UpdateData() {}
    virtual void CheckBrowseMode() {}
    bool DataSetEditing() const { return m_editing; }

private:
    friend class TDataSource;

    void DataEvent(TDataEvent event, TField* field);
    void UpdateState();

    TDataSource* m_dataSource = nullptr;
    bool m_dataSourceFixed = false;
    bool m_active = false;
    bool m_editing = false;
    bool m_readOnly = false;
    bool m_updating = false;
};
