#include "TSQLiteProgressScope.h"

#include "TBusyPulse.h"
#include "TSQLiteDatabase.h"

#include <sqlite3.h>

namespace {

// Virtual machine steps between two calls: some ten microseconds of a scan.
constexpr int stepsPerCall = 4000;

int OnProgress(void*)
{
    TBusyPulse::Pulse();
    return 0; // go on
}

} // namespace

TSQLiteProgressScope::TSQLiteProgressScope(TSQLiteDatabase& database)
    : m_db(database.Handle())
{
    sqlite3_progress_handler(m_db, stepsPerCall, &OnProgress, nullptr);
}

TSQLiteProgressScope::~TSQLiteProgressScope()
{
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
}
