#pragma once

#include "TComponent.h"
#include "TDataSet.h"
#include "TEvent.h"

#include <vector>

class TDataLink;
class TField;

// Connects data-aware controls (through their data links) to a data set: it passes the
// data set's events on to its links and follows the data set's state while Enabled.
// Freeing the data set clears DataSet; freeing the data source detaches every link.
class TDataSource : public TComponent {
    T_CLASS_INFO
public:
    explicit TDataSource(TComponent* owner);
    ~TDataSource() override;

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    // Whether a control's edit request (Edit) may put the data set in edit state.
    bool AutoEdit() const { return m_autoEdit; }
    void SetAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }
    // The data set's state while enabled and bound, dsInactive otherwise.
    TDataSetState State() const { return m_state; }
    // Puts the data set in edit state when AutoEdit is on and it is browsing.
    void Edit();

    TEvent<TObject*> OnStateChange;
    TEvent<TObject*, TField*> OnDataChange;
    TEvent<TObject*> OnUpdateData;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDataSet;
    friend class TDataLink;

    void DataEvent(TDataEvent event, TField* field);
    void NotifyLinks(TDataEvent event, TField* field);
    void UpdateState();
    void SetState(TDataSetState state);
    void AddDataLink(TDataLink* link);
    void RemoveDataLink(TDataLink* link);

    TDataSet* m_dataSet = nullptr;
    bool m_enabled = true;
    bool m_autoEdit = true;
    bool m_freeing = false; // in the destructor: no more events to the form's handlers
    TDataSetState m_state = TDataSetState::dsInactive;
    std::vector<TDataLink*> m_links;
};
