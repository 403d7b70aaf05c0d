#include "TFindTyping.h"

#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDBCtrlGrid.h"
#include "TDataSource.h"
#include "TMianForm.h"
#include "TNameSearch.h"
#include "TStopwatch.h"

#include <memory>

namespace {
constexpr int rounds = 3;
} // namespace

TFindTyping::TFigures TFindTyping::Measure(TMianForm& form, const QString& text)
{
    form.SpeedButton16Click(nullptr); // the icons grid in front, as when the box opens
    const std::unique_ptr<TNameSearch> search = form.Myado->OpenNameSearch();
    TADOQuery results(nullptr);
    results.SetConnection(form.Myado);
    results.SetCacheSize(form.ADOQuery1->CacheSize());
    results.SetSQL({form.ADOQuery1->SQL().front()});
    TFigures figures;
    figures.seconds = TStopwatch::Best(rounds, [&] {
        results.SetRecordKeys(search->Find(text, {}));
        results.Open();
        form.DataSource1->SetDataSet(&results);
        form.DBCtrlGrid1->grab();
    });
    figures.matches = results.RecordCount();
    form.DataSource1->SetDataSet(form.ADOQuery1);
    return figures;
}
