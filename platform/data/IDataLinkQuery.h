#pragma once

#include "TObject.h"

class TDataLink;

// The data-link query: a host such as a control grid asks a control for its data link to
// check the control's binding. A data-aware control implements this interface and
// answers with its link.
class IDataLinkQuery {
public:
    virtual ~IDataLinkQuery() = default;
    virtual TDataLink* QueryDataLink() = 0;

    // The answer of control to the query, or nullptr when it is not data-aware.
    static TDataLink* DataLinkOf(TObject* control)
    {
        auto* query = dynamic_cast<IDataLinkQuery*>(control);
        return query ? query->QueryDataLink() : nullptr;
    }
};
