#include "TMianForm.h"

#include "PublicCode.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TApplication.h"
#include "TBusyPulse.h"
#include "TBzDBImage.h"
#include "TCatalogue.h"
#include "TCatalogueImporter.h"
#include "TClassInfo.h"
#include "TDBCtrlGrid.h"
#include "TDataFiles.h"
#include "TDataSource.h"
#include "TErrorReport.h"
#include "TFileDropTarget.h"
#include "TImageFormat.h"
#include "TJPEGImage.h"
#include "TKeyCodes.h"
#include "TMenuBar2000.h"
#include "TPictureFind.h"
#include "TPictureSaver.h"
#include "TQueryWaitBox.h"
#include "TResourceStream.h"
#include "TSavePictureDialog.h"
#include "TSkippedFiles.h"
#include "TUserCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

TMianForm* MianForm = nullptr;

namespace {
// The line of a catalogue query's SQL text that carries the category filter.
constexpr int categoryFilterLine = 1;

// A connection string value as it stands, or quoted when it holds a separator, a quote
// or blanks at its ends (a file of the user's choosing may have any name).
QString ConnectionValue(const QString& value)
{
    static const QRegularExpression plain(QStringLiteral("^[^\\s;\"'](?:[^;]*[^\\s;])?$"));
    if (plain.match(value).hasMatch())
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}
} // namespace

const TClassInfo& TMianForm::StaticClassInfo()
{
    static const TClassInfo info("TMianForm", &TMyForm::StaticClassInfo(), [](TClassInfo& c) {
        using F = TMianForm;
        c.Creatable<F>();
        c.Handler("FormCreate", &F::FormCreate);
        c.Handler("FormKeyDown", &F::FormKeyDown);
        c.Handler("SpeedButton1Click", &F::SpeedButton1Click);
        c.Handler("SpeedButton2Click", &F::SpeedButton2Click);
        c.Handler("SpeedButton3Click", &F::SpeedButton3Click);
        c.Handler("SpeedButton4Click", &F::SpeedButton4Click);
        c.Handler("SpeedButton5Click", &F::SpeedButton5Click);
        c.Handler("SpeedButton7Click", &F::SpeedButton7Click);
        c.Handler("SpeedButton10Click", &F::SpeedButton10Click);
        c.Handler("SpeedButton16Click", &F::SpeedButton16Click);
        c.Handler("SpeedButton6Click", &F::SpeedButton6Click);
        // Sub-categories without pictures yet: each shows its own caption with a count of 0.
        for (const char* name : {"SpeedButton12Click", "SpeedButton13Click", "SpeedButton14Click",
                                 "SpeedButton15Click", "SpeedButton17Click", "SpeedButton18Click",
                                 "SpeedButton19Click", "SpeedButton20Click", "SpeedButton22Click",
                                 "SpeedButton23Click", "SpeedButton24Click", "SpeedButton25Click",
                                 "SpeedButton26Click"})
            c.Handler(name, &F::EmptyCategoryClick);
        for (const char* name : {"SpeedButton27Click", "SpeedButton29Click", "SpeedButton30Click",
                                 "SpeedButton31Click", "SpeedButton32Click", "SpeedButton33Click",
                                 "SpeedButton34Click"})
            c.Handler(name, &F::SpeedButton27Click);
        c.Handler("SpeedButton9Click", &F::SpeedButton9Click);
        c.Handler("SpeedButton35Click", &F::SpeedButton9Click);
        c.Handler("MenuItem1Click", &F::MenuItem1Click);
        c.Handler("N4Click", &F::N4Click);
        c.Handler("imgCloseButtonClick", &F::imgCloseButtonClick);
        c.Handler("imgCaptionDblClick", &F::imgCaptionDblClick);
        c.Handler("SpeedButton36Click", &F::SpeedButton36Click);
        c.Handler("Button1Click", &F::Button1Click);
        c.Handler("Button2Click", &F::Button2Click);
        c.Field("Panel3", &F::Panel3);
        c.Field("Panel11", &F::Panel11);
        c.Field("Panel13", &F::Panel13);
        c.Field("Panel14", &F::Panel14);
        c.Field("Panel18", &F::Panel18);
        c.Field("Panel16", &F::Panel16);
        c.Field("Panel21", &F::Panel21);
        c.Field("Client", &F::Client);
        c.Field("abcButtonBar1", &F::abcButtonBar1);
        c.Field("Image8", &F::Image8);
        c.Field("Image9", &F::Image9);
        c.Field("WebBrowser1", &F::WebBrowser1);
        c.Field("Label10", &F::Label10);
        c.Field("label7", &F::label7);
        c.Field("SpeedButton16", &F::SpeedButton16);
        c.Field("SpeedButton6", &F::SpeedButton6);
        c.Field("Myado", &F::Myado);
        c.Field("ADOQuery1", &F::ADOQuery1);
        c.Field("ADOQuery2", &F::ADOQuery2);
        c.Field("DataSource1", &F::DataSource1);
        c.Field("DBCtrlGrid1", &F::DBCtrlGrid1);
        c.Field("DBCtrlGrid2", &F::DBCtrlGrid2);
        c.Field("BzDBImage1", &F::BzDBImage1);
        c.Field("BzDBImage2", &F::BzDBImage2);
        c.Field("SavePictureDialog1", &F::SavePictureDialog1);
        c.Field("MenuBar20001", &F::MenuBar20001);
    });
    return info;
}

TMianForm::TMianForm(TComponent* owner)
    : TMyForm(owner)
    , m_find(std::make_unique<TPictureFind>(*this))
{}

TMianForm::~TMianForm() = default;

void TMianForm::FormCreate(TObject* sender)
{
    TMyForm::FormCreate(sender);
    Myado->SetConnectionString(ConnectionString());
    // The stored width leaves the last item cut off in the menu font; the menu strip has
    // the room.
    MenuBar20001->SetWidensToItems(true);
    auto* drops = new TFileDropTarget(
        this, [this](QWidget* target) { return TakesPictures(dynamic_cast<TDBCtrlGrid*>(target)); },
        [this](QWidget* target, const QStringList& paths) {
            TErrorReport::Guard([&] { AddPictures(dynamic_cast<TDBCtrlGrid*>(target), paths); });
        });
    drops->Attach(DBCtrlGrid1);
    drops->Attach(DBCtrlGrid2);
}

void TMianForm::FormKeyDown(TObject*, unsigned short& key, TShiftState shift)
{
    if (key != 'F' || shift != TShiftState{TShift::ssCtrl})
        return;
    key = 0;
    m_find->Run();
}

void TMianForm::SpeedButton1Click(TObject*)
{
    Panel3->BringToFront();
}

void TMianForm::SpeedButton2Click(TObject*)
{
    Panel11->BringToFront();
}

void TMianForm::SpeedButton3Click(TObject*)
{
    Panel13->BringToFront();
}

void TMianForm::SpeedButton4Click(TObject*)
{
    Panel14->BringToFront();
}

void TMianForm::SpeedButton5Click(TObject*)
{
    Panel18->BringToFront();
    ADOQuery2->Close();
}

void TMianForm::SpeedButton7Click(TObject*)
{
    Panel18->BringToFront();
}

void TMianForm::SpeedButton10Click(TObject*)
{
    Panel21->BringToFront();
    WebBrowser1->Navigate(HelpPagePath());
}

void TMianForm::SpeedButton16Click(TObject*)
{
    RunCategory(Icons());
}

void TMianForm::SpeedButton6Click(TObject*)
{
    RunCategory(Templates());
}

void TMianForm::EmptyCategoryClick(TObject* sender)
{
    if (auto* button = dynamic_cast<TControl*>(sender))
        SetCount(button->Caption(), 0, QStringLiteral("个"));
    m_countedGrid = nullptr;
    FrontGrid(*DBCtrlGrid1);
}

void TMianForm::SpeedButton27Click(TObject*)
{
    FrontGrid(*DBCtrlGrid1);
}

void TMianForm::SpeedButton9Click(TObject*)
{
    ADOQuery1->Close();
    FrontGrid(*DBCtrlGrid2);
}

void TMianForm::MenuItem1Click(TObject*)
{
    SavePicture(*BzDBImage1);
}

void TMianForm::N4Click(TObject*)
{
    SavePicture(*BzDBImage2);
}

TMianForm::TCategory TMianForm::Icons() const
{
    return {ADOQuery1, 0, DBCtrlGrid1, SpeedButton16, QStringLiteral("个")};
}

TMianForm::TCategory TMianForm::Templates() const
{
    return {ADOQuery2, 10, DBCtrlGrid2, SpeedButton6, QStringLiteral("张界面模板")};
}

// The wait box closes on every way out; an error of the query leaves the panels and the
// count label as they were and goes on to the standard error report.
void TMianForm::RunCategory(const TCategory& category)
{
    const TQueryWaitBox wait;
    TADOQuery& query = *category.query;
    query.Close();
    query.SetSQLLine(categoryFilterLine, QStringLiteral("where parent=%1").arg(category.parent));
    query.Open();
    FrontGrid(*category.grid);
    SetCount(category.button->Caption(), query.RecordCount(), category.unit);
    m_countedGrid = category.grid;
}

// --- Pictures dropped onto a grid -----------------------------------------------------------

// A grid that shows pictures found by name (TPictureFind) shows no category.
bool TMianForm::TakesPictures(const TDBCtrlGrid* grid) const
{
    for (const TCategory& category : {Icons(), Templates()}) {
        if (grid && grid == category.grid)
            return grid == m_countedGrid && category.query->Active() &&
                   grid->DataSource()->DataSet() == category.query;
    }
    return false;
}

void TMianForm::AddPictures(TDBCtrlGrid* grid, const QStringList& paths)
{
    if (!TakesPictures(grid) || paths.isEmpty() || !OpenWritableCatalogue())
        return;
    AddToCategory(grid == DBCtrlGrid1 ? Icons() : Templates(), paths);
}

// The category's query is closed while the import writes, so that it holds no read
// lock on the file, and opened again to show the new pictures, the first of them current,
// also when the import failed.
void TMianForm::AddToCategory(const TCategory& category, const QStringList& paths)
{
    std::vector<TCatalogueImporter::TFailure> skipped;
    {
        const TQueryWaitBox wait;
        const int before = category.query->Active() ? category.query->RecordCount() : 0;
        category.query->Close();
        int added = 0;
        std::exception_ptr failure;
        try {
            TCatalogue catalogue(Myado->DatabasePath());
            TCatalogueImporter importer(catalogue);
            importer.SetProgress([](int, int) { TBusyPulse::Pulse(); });
            added = importer.Import(category.parent, paths);
            skipped = importer.Failures();
        } catch (...) {
            failure = std::current_exception();
        }
        RunCategory(category);
        if (failure)
            std::rethrow_exception(failure);
        if (added > 0)
            category.query->SetRecNo(before + 1);
    }
    if (!skipped.empty())
        ShowMessnoresult(TSkippedFiles::Text(skipped), QStringLiteral("提示"));
}

// A catalogue that cannot be written becomes the user's own copy of it, if the user
// agrees; one that the user has already is taken as it is.
bool TMianForm::OpenWritableCatalogue()
{
    const QString path = Myado->DatabasePath();
    if (TDataFiles::CatalogueWritable(path, QCoreApplication::applicationDirPath()))
        return true;
    const bool own = TUserCatalogue::Exists() && TUserCatalogue::Path() != path;
    const QString question =
        own ? QStringLiteral("这个图库不能修改。\n要把图片加到您自己的图库吗？")
            : QStringLiteral("这个图库不能修改。\n要建立您自己的图库（这个图库的副本），"
                             "把图片加到那里吗？");
    if (!ShowMess(question, QStringLiteral("提示")))
        return false;
    if (!own) {
        const TQueryWaitBox wait;
        TUserCatalogue::CreateFrom(path);
    }
    SwitchCatalogue(TUserCatalogue::Path());
    return true;
}

// The queries that were open are opened again on the new catalogue.
void TMianForm::SwitchCatalogue(const QString& path)
{
    std::vector<TCategory> open;
    for (const TCategory& category : {Icons(), Templates()}) {
        if (category.query->Active())
            open.push_back(category);
    }
    Myado->Close();
    TDataFiles::ChooseCatalogue(path);
    Myado->SetConnectionString(ConnectionString());
    for (const TCategory& category : open)
        category.query->Open();
}

void TMianForm::FrontGrid(TDBCtrlGrid& grid)
{
    m_find->Release();
    Panel16->BringToFront();
    grid.BringToFront();
}

void TMianForm::SetCount(const QString& caption, int count, const QString& unit)
{
    Label10->SetCaption(caption + QStringLiteral("共:") + QString::number(count) + unit);
}

// The stored bytes go out unchanged under a name with their own extension. The first
// dialog opens in the pictures folder, the next ones where the last one saved.
void TMianForm::SavePicture(const TBzDBImage& image)
{
    const QByteArray bytes = image.PictureBytes();
    if (bytes.isEmpty())
        return;
    SavePictureDialog1->SetFilter(TPictureSaver::Filter(TImageFormat::Detect(bytes)));
    SavePictureDialog1->SetFileName(image.PictureFileName());
    if (SavePictureDialog1->InitialDir().isEmpty())
        SavePictureDialog1->SetInitialDir(PicturesFolder());
    if (!SavePictureDialog1->Execute())
        return;
    const QString saved = TPictureSaver::Save(bytes, SavePictureDialog1->FileName());
    SavePictureDialog1->SetInitialDir(QFileInfo(saved).absolutePath());
}

// The user's pictures folder (XDG), or the home folder where there is none.
QString TMianForm::PicturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QString TMianForm::ConnectionString()
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           ConnectionValue(TDataFiles::CataloguePath()) +
           QStringLiteral(";Persist Security Info=False");
}

void TMianForm::imgCloseButtonClick(TObject*)
{
    if (!ShowMess(QStringLiteral("您是否要关闭程序?"), QStringLiteral("提示")))
        return;
    Application->Minimize();
    Close();
}

void TMianForm::imgCaptionDblClick(TObject*)
{
    abcButtonBar1->SetAlign(abcButtonBar1->Align() == TAlign::alLeft ? TAlign::alRight
                                                                     : TAlign::alLeft);
}

void TMianForm::SpeedButton36Click(TObject*)
{
    if (abcButtonBar1->ButtonColor() == clBlack)
        Button1Click(nullptr);
    else
        Button2Click(nullptr);
}

void TMianForm::Button1Click(TObject*)
{
    ApplyAppearance(TAppearanceSet::Alternative());
}

void TMianForm::Button2Click(TObject*)
{
    ApplyAppearance(TAppearanceSet::Default());
}

void TMianForm::ApplyAppearance(const TAppearanceSet& set)
{
    TJPEGImage jpeg;
    for (int row = 0; row < TAppearanceSet::rowCount; ++row) {
        TResourceStream stream(set.resources[row]);
        jpeg.LoadFromStream(stream);
        // Decoding now makes a damaged picture fail here, at its row, not when painted.
        jpeg.DIBNeeded();
        for (TImage* target : AppearanceTargets(TAppearanceSet::Row(row)))
            target->Picture()->Assign(&jpeg);
    }
    abcButtonBar1->SetButtonColor(set.buttonColor);
}

std::vector<TImage*> TMianForm::AppearanceTargets(TAppearanceSet::Row row) const
{
    switch (row) {
    case TAppearanceSet::rowLeftUp:
        return {imgLeftUp};
    case TAppearanceSet::rowCaption:
        return {imgCaption};
    case TAppearanceSet::rowRightUp:
        return {Image1};
    case TAppearanceSet::rowLeft:
        return {Image8, imgLeft};
    case TAppearanceSet::rowRight:
        return {Image9, imgRight};
    case TAppearanceSet::rowLeftDown:
        return {imgLeftDown};
    case TAppearanceSet::rowDownMin:
        return {imgDownMin};
    case TAppearanceSet::rowRightDown:
        return {imgRightDown};
    case TAppearanceSet::rowCount:
        break;
    }
    return {};
}

QString TMianForm::HelpPagePath()
{
    return TDataFiles::HelpPagePath();
}
