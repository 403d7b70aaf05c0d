#include "DataClasses.h"

#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TDataLink.h"
#include "TDataSet.h"
#include "TDataSource.h"
#include "TField.h"
#include "TFieldDataLink.h"
#include "TIntegerField.h"

void RegisterDataClasses()
{
    // Asking for the class information registers it.
    TADOConnection::StaticClassInfo();
    TDataSet::StaticClassInfo();
    TADOQuery::StaticClassInfo();
    TDataSource::StaticClassInfo();
    TField::StaticClassInfo();
    TIntegerField::StaticClassInfo();
    TBlobField::StaticClassInfo();
    TDataLink::StaticClassInfo();
    TFieldDataLink::StaticClassInfo();
}
