#include "TBzDBImage.h"

#include "TBitmap.h"
#include "TBlobField.h"
#include "TBzJpegImg.h"
#include "TClassInfo.h"
#include "TClipboard.h"
#include "TDataSource.h"
#include "TErrorReport.h"
#include "TJpegDataLink.h"
#include "TKeyCodes.h"
#include "TMemoryStream.h"
#include "TPicture.h"

#include <QScopedValueRollback>

const TClassInfo& TBzDBImage::StaticClassInfo()
{
    static const TClassInfo info(
        "TBzDBImage", &TCustomControl::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TBzDBImage>();
            c.Property("AutoDisplay", &TBzDBImage::AutoDisplay, &TBzDBImage::SetAutoDisplay, true);
            c.Property("BorderStyle", &TBzDBImage::BorderStyle, &TBzDBImage::SetBorderStyle,
                       TBorderStyle::bsSingle);
            c.Property("Center", &TBzDBImage::Center, &TBzDBImage::SetCenter, true);
            c.Property("Ctl3D", &TBzDBImage::Ctl3D, &TBzDBImage::SetCtl3D, true);
            c.Property("DataField", &TBzDBImage::DataField, &TBzDBImage::SetDataField, QString());
            c.Reference("DataSource", &TBzDBImage::DataSource, &TBzDBImage::SetDataSource);
            c.Property("ReadOnly", &TBzDBImage::ReadOnly, &TBzDBImage::SetReadOnly, false);
            c.Property("QuickDraw", &TBzDBImage::QuickDraw, &TBzDBImage::SetQuickDraw, true);
            c.Property("Stretch", &TBzDBImage::Stretch, &TBzDBImage::SetStretch, false);
        });
    return info;
}

namespace {

constexpr int defaultSize = 105; // pixels

// The mark of a copy whose blob cannot be decoded: a small framed square with a cross,
// centred in the control.
constexpr int brokenMarkSize = 12; // pixels
constexpr TColor brokenMarkFrame = clGray;
constexpr TColor brokenMarkCross = clRed;

} // namespace

TBzDBImage::TBzDBImage(TComponent* owner)
    : TCustomControl(owner)
    , m_dataLink(std::make_unique<TJpegDataLink>())
    , m_picture(std::make_unique<TPicture>())
    , m_jpegDecoder(std::make_unique<TBzJpegImg>())
{
    SetBounds(0, 0, defaultSize, defaultSize);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    // The control paints all of its area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_picture->OnChange = [this](TObject*) { HandlePictureChange(); };
    m_dataLink->SetControl(this);
    m_dataLink->OnDataChange = [this](TObject*) { HandleRecordChange(); };
    m_dataLink->OnUpdateData = [this](TObject*) { StorePicture(); };
}

// Nothing may call back into a control that is being taken apart.
TBzDBImage::~TBzDBImage()
{
    m_picture->OnChange.Clear();
    m_dataLink->OnDataChange.Clear();
    m_dataLink->OnUpdateData.Clear();
}

// --- Properties ---------------------------------------------------------------------------

void TBzDBImage::SetAutoDisplay(bool value)
{
    if (value == m_autoDisplay)
        return;
    m_autoDisplay = value;
    if (value)
        FetchPicture();
}

void TBzDBImage::SetBorderStyle(TBorderStyle style)
{
    if (style != TBorderStyle::bsNone)
        style = TBorderStyle::bsSingle;
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void TBzDBImage::SetCenter(bool value)
{
    if (value == m_center)
        return;
    m_center = value;
    update();
}

void TBzDBImage::SetCtl3D(bool value)
{
    if (value == m_ctl3D)
        return;
    m_ctl3D = value;
    update();
}

void TBzDBImage::SetStretch(bool value)
{
    if (value == m_stretch)
        return;
    m_stretch = value;
    update();
}

QString TBzDBImage::DataField() const
{
    return m_dataLink->FieldName();
}

void TBzDBImage::SetDataField(const QString& fieldName)
{
    m_dataLink->SetFieldName(fieldName);
}

TDataSource* TBzDBImage::DataSource() const
{
    return m_dataLink->DataSource();
}

// A grid that holds this control fixes the data source; its layout may still name one.
void TBzDBImage::SetDataSource(TDataSource* dataSource)
{
    if (!(m_dataLink->DataSourceFixed() && IsLoading()))
        m_dataLink->SetDataSource(dataSource);
    if (dataSource)
        dataSource->FreeNotification(this);
}

bool TBzDBImage::ReadOnly() const
{
    return m_dataLink->ReadOnly();
}

void TBzDBImage::SetReadOnly(bool value)
{
    m_dataLink->SetReadOnly(value);
}

TBlobField* TBzDBImage::Field() const
{
    return dynamic_cast<TBlobField*>(m_dataLink->Field());
}

QList<QRgb> TBzDBImage::Palette() const
{
    const TGraphic* graphic = m_picture->Graphic();
    return graphic ? graphic->Palette() : QList<QRgb>();
}

TDataLink* TBzDBImage::QueryDataLink()
{
    return m_dataLink.get();
}

void TBzDBImage::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == DataSource())
        SetDataSource(nullptr);
}

// The placeholder shows the name while nothing is fetched.
void TBzDBImage::SetName(const QString& name)
{
    TCustomControl::SetName(name);
    if (!m_pictureFetched)
        update();
}

// --- Loading and storing ----------------------------------------------------------------

void TBzDBImage::FetchPicture()
{
    if (m_pictureFetched)
        return;
    if (TBlobField* field = Field())
        LoadBlob(*field, *m_picture);
}

// JPEG first, then the same bytes as a bitmap file; an error of that second route goes
// to the caller, and picture then holds an empty bitmap. An empty or NULL blob clears
// picture; a JPEG stream that decodes to nothing leaves it as it was.
void TBzDBImage::LoadBlob(TBlobField& field, TPicture& picture)
{
    TMemoryStream stream;
    try {
        field.SaveToStream(stream);
        if (stream.Size() == 0) {
            picture.Assign(nullptr);
            return;
        }
        stream.SetPosition(0);
        m_jpegDecoder->LoadFromStream(stream);
        const TBitmap* decoded = m_jpegDecoder->Bitmap();
        if (!decoded->Empty())
            picture.Assign(decoded);
    } catch (const std::exception&) {
        picture.Assign(&field);
    }
}

void TBzDBImage::HandlePictureChange()
{
    if (m_pictureFetched)
        m_dataLink->Modified();
    m_pictureFetched = true;
    update();
}

// The data link drops the modified mark that clearing sets, after this returns. A damaged
// picture is reported once the move to its record (or the opening of its query) is over,
// which it must not undo.
void TBzDBImage::HandleRecordChange()
{
    m_picture->Assign(nullptr);
    m_pictureFetched = false;
    if (!m_autoDisplay || !m_dataLink->DataSet())
        return;
    try {
        FetchPicture();
    } catch (const std::exception& error) {
        TErrorReport::ShowLater(error);
    }
}

// A bitmap is stored as a Windows bitmap file.
void TBzDBImage::StorePicture()
{
    TBlobField* field = Field();
    if (!field)
        return;
    if (HasPicture())
        field->Assign(m_picture->Graphic());
    else
        field->Clear();
}

bool TBzDBImage::HasPicture() const
{
    const TGraphic* graphic = m_picture->Graphic();
    return graphic && !graphic->Empty();
}

// --- Clipboard ------------------------------------------------------------------------------

void TBzDBImage::CopyPicture()
{
    if (HasPicture())
        Clipboard().Assign(m_picture.get());
}

void TBzDBImage::CutPicture()
{
    if (!HasPicture() || !m_dataLink->Edit())
        return;
    CopyPicture();
    m_picture->Assign(nullptr);
}

void TBzDBImage::PastePicture()
{
    if (!Clipboard().HasFormat(CF_BITMAP) || !m_dataLink->Edit())
        return;
    m_picture->Bitmap()->Assign(&Clipboard());
}

// --- Input and focus --------------------------------------------------------------------

void TBzDBImage::KeyDown(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    const bool withShift = shift.Contains(TShift::ssShift);
    if (key == vkInsert && withShift)
        PastePicture();
    else if (key == vkInsert && shift.Contains(TShift::ssCtrl))
        CopyPicture();
    else if (key == vkDelete && withShift)
        CutPicture();
}

void TBzDBImage::KeyPress(QChar& key)
{
    TCustomControl::KeyPress(key);
    switch (key.unicode()) {
    case charCopy:
        CopyPicture();
        break;
    case charPaste:
        PastePicture();
        break;
    case charCut:
        CutPicture();
        break;
    case charEnter:
        FetchPicture();
        break;
    case charEscape:
        m_dataLink->Reset();
        break;
    default:
        break;
    }
}

void TBzDBImage::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && TabStop() && isEnabled() && isVisible())
        SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TBzDBImage::DblClick()
{
    FetchPicture();
    TCustomControl::DblClick();
}

// Entering draws the focus frame.
void TBzDBImage::DoEnter()
{
    const TDataSet* dataSet = m_dataLink->DataSet();
    if (dataSet && dataSet->State() == TDataSetState::dsBrowse)
        update();
    TCustomControl::DoEnter();
}

// Leaving writes a pasted or cut picture into the record; when that fails the focus
// stays here and the error goes on to the report.
void TBzDBImage::DoExit()
{
    try {
        m_dataLink->UpdateRecord();
    } catch (...) {
        SetFocus();
        throw;
    }
    update();
    TCustomControl::DoExit();
}

// --- Painting -------------------------------------------------------------------------------

void TBzDBImage::PaintCopy(QPainter& painter)
{
    TCanvas::PaintScope scope(*Canvas(), &painter);
    Canvas()->SetFont(Font());
    const QScopedValueRollback copying(m_paintingCopy, true);
    Paint();
}

void TBzDBImage::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas->Brush()->SetColor(Color());
    PaintBorder();
    const QRect area = ClientArea();
    canvas->IntersectClipRect(area);
    if (m_pictureFetched || m_paintingCopy)
        PaintPicture(area);
    else
        PaintPlaceholder(area);
    if (!m_paintingCopy && window()->focusWidget() == this)
        PaintFocusFrame(area);
}

int TBzDBImage::BorderWidth() const
{
    if (m_borderStyle == TBorderStyle::bsNone)
        return 0;
    return m_ctl3D ? 2 : 1;
}

QRect TBzDBImage::ClientArea() const
{
    const int border = BorderWidth();
    return rect().adjusted(border, border, -border, -border);
}

// A sunken client edge, or a one-pixel line without 3-D look.
void TBzDBImage::PaintBorder()
{
    QRect edge = rect();
    if (BorderWidth() == 0)
        return;
    if (!m_ctl3D) {
        Canvas()->Frame3D(edge, clWindowFrame, clWindowFrame, 1);
        return;
    }
    Canvas()->Frame3D(edge, clBtnShadow, clBtnHighlight, 1);
    Canvas()->Frame3D(edge, cl3DDkShadow, cl3DLight, 1);
}

// Live, Picture; as a copy, the display record's blob decoded afresh (nothing is cached
// between records).
void TBzDBImage::PaintPicture(const QRect& area)
{
    if (!m_paintingCopy) {
        PaintGraphic(m_picture->Graphic(), area);
        return;
    }
    TPicture copy;
    try {
        if (TBlobField* field = Field())
            LoadBlob(*field, copy);
    } catch (const std::exception&) {
        PaintBrokenMark(area);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(copy.Graphic()))
        bitmap->SetIgnorePalette(m_quickDraw);
    PaintGraphic(copy.Graphic(), area);
}

// Stretched over the area, or at its own size (centred: cut evenly on all sides when
// larger) with the background around it.
void TBzDBImage::PaintGraphic(TGraphic* graphic, const QRect& area)
{
    TCanvas* canvas = Canvas();
    const bool empty = !graphic || graphic->Empty();
    if (m_stretch) {
        if (empty)
            canvas->FillRect(area);
        else
            canvas->StretchDraw(area, graphic);
        return;
    }
    if (!empty) {
        QRect place(area.topLeft(), QSize(graphic->Width(), graphic->Height()));
        if (m_center)
            place.translate((area.width() - graphic->Width()) / 2,
                            (area.height() - graphic->Height()) / 2);
        canvas->Draw(place.x(), place.y(), graphic);
        canvas->ExcludeClipRect(place);
    }
    canvas->FillRect(area);
    canvas->ResetClipRegion();
}

void TBzDBImage::PaintBrokenMark(const QRect& area)
{
    TCanvas* canvas = Canvas();
    canvas->FillRect(area);
    const QRect mark(area.x() + (area.width() - brokenMarkSize) / 2,
                     area.y() + (area.height() - brokenMarkSize) / 2, brokenMarkSize,
                     brokenMarkSize);
    QRect frame = mark;
    canvas->Frame3D(frame, brokenMarkFrame, brokenMarkFrame, 1);
    canvas->Pen()->SetStyle(TPenStyle::psSolid);
    canvas->Pen()->SetColor(brokenMarkCross);
    canvas->MoveTo(frame.x(), frame.y());
    canvas->LineTo(frame.x() + frame.width(), frame.y() + frame.height());
    canvas->MoveTo(frame.x() + frame.width() - 1, frame.y());
    canvas->LineTo(frame.x() - 1, frame.y() + frame.height());
}

void TBzDBImage::PaintPlaceholder(const QRect& area)
{
    const TField* field = m_dataLink->Field();
    const QString text =
        QLatin1Char('(') + (field ? field->DisplayLabel() : Name()) + QLatin1Char(')');
    const QSize extent = Canvas()->TextExtent(text);
    Canvas()->TextRect(area, area.x() + (area.width() - extent.width()) / 2,
                       area.y() + (area.height() - extent.height()) / 2, text);
}

void TBzDBImage::PaintFocusFrame(const QRect& area)
{
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetStyle(TPenStyle::psSolid);
    canvas->Pen()->SetColor(clWindowFrame);
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    canvas->Rectangle(area);
}
