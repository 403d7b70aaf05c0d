#include "TBzDBImage.h"

#include "TBitmap.h"
#include "TBlobField.h"
#include "TBzJpegImg.h"
#include "TClassInfo.h"
#include "TClipboard.h"
#include "TDataSource.h"
#include "TErrorReport.h"
#include "TImageFormat.h"
#include "TJpegDataLink.h"
#include "TKeyCodes.h"
#include "TMemoryStream.h"
#include "TPicture.h"
#include "TPictureDrag.h"

#include <QApplication>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QToolTip>

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
            c.Property("NameField", &TBzDBImage::NameField, &TBzDBImage::SetNameField, QString());
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
    TBlobField* field = Field();
    if (!field)
        return;
    try {
        LoadBlob(*field, *m_picture);
    } catch (...) {
        m_damaged = true;
        update();
        throw;
    }
}

// JPEG first, then by content; an error of the second route goes to the caller. An empty
// or NULL blob clears picture; a JPEG stream that decodes to nothing leaves it as it was.
// The blob is read once: the second route works on the bytes already read.
void TBzDBImage::LoadBlob(TBlobField& field, TPicture& picture)
{
    TMemoryStream stream;
    field.SaveToStream(stream);
    const QByteArray bytes = stream.Bytes();
    if (bytes.isEmpty()) {
        picture.Assign(nullptr);
        return;
    }
    // The JPEG decoder refuses at once a stream that does not begin with the
    // start-of-image marker; such a stream is not even offered to it.
    if (!bytes.startsWith("\xFF\xD8")) {
        LoadAfterJpeg(bytes, picture);
        return;
    }
    try {
        stream.SetPosition(0);
        m_jpegDecoder->LoadFromStream(stream);
        const TBitmap* decoded = m_jpegDecoder->Bitmap();
        if (!decoded->Empty())
            picture.Assign(decoded);
    } catch (const std::exception&) {
        LoadAfterJpeg(bytes, picture);
    }
}

// A PNG picture or SVG drawing is held as it is; anything else goes the bitmap route,
// whose error ("Bitmap image is not valid") leaves picture holding an empty bitmap.
void TBzDBImage::LoadAfterJpeg(const QByteArray& bytes, TPicture& picture)
{
    TMemoryStream stream(bytes);
    const TImageKind kind = TImageFormat::Detect(bytes);
    if (kind == TImageKind::ikPng || kind == TImageKind::ikSvg)
        picture.LoadFromStream(stream);
    else
        picture.Bitmap()->LoadFromStream(stream);
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
    m_damaged = false;
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

// --- The picture as stored, and its name -------------------------------------------------

QByteArray TBzDBImage::PictureBytes() const
{
    if (m_dataLink->IsModified()) {
        TMemoryStream stored;
        if (HasPicture())
            m_picture->SaveToStream(stored);
        return stored.Bytes();
    }
    const TBlobField* field = Field();
    return field ? field->AsBytes() : QByteArray();
}

QString TBzDBImage::PictureName() const
{
    const TDataSet* dataSet = m_dataLink->DataSet();
    const TField* field =
        dataSet && !m_nameField.isEmpty() ? dataSet->FindField(m_nameField) : nullptr;
    return field ? field->AsString().trimmed() : QString();
}

QString TBzDBImage::PictureFileName() const
{
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString name = PictureName().replace(unsafe, QStringLiteral("_"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("picture"));
    const TImageKind kind = TImageFormat::Detect(PictureBytes());
    if (kind == TImageKind::ikUnknown || TImageFormat::HasExtension(name, kind))
        return name;
    return name + QLatin1Char('.') + TImageFormat::Extension(kind);
}

QString TBzDBImage::PictureHint() const
{
    const QString name = PictureName();
    if (name.isEmpty())
        return QString();
    const QByteArray bytes = PictureBytes();
    TPicture picture;
    TMemoryStream stream(bytes);
    try {
        picture.LoadFromStream(stream);
    } catch (const std::exception&) {
        return QString();
    }
    return QStringLiteral("%1  %2 × %3  %4")
        .arg(name)
        .arg(picture.Width())
        .arg(picture.Height())
        .arg(TImageFormat::Name(TImageFormat::Detect(bytes)));
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
    if (button == TMouseButton::mbLeft) {
        m_dragStart = QPoint(x, y);
        if (TabStop() && isEnabled() && isVisible())
            SetFocus();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TBzDBImage::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (!m_dragStart || !shift.Contains(TShift::ssLeft))
        return;
    if ((QPoint(x, y) - *m_dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragStart.reset();
    DragOut();
}

void TBzDBImage::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        m_dragStart.reset();
    TCustomControl::MouseUp(button, shift, x, y);
}

// Nothing to drag for a record without a picture, or one that cannot be read.
void TBzDBImage::DragOut()
{
    const QByteArray bytes = PictureBytes();
    if (!bytes.isEmpty() && !m_damaged)
        TPictureDrag::Start(this, bytes, PictureFileName());
}

bool TBzDBImage::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return TCustomControl::event(event);
    const QString hint = PictureHint();
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint, this);
    return true;
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
    if (m_damaged && !m_paintingCopy)
        PaintBrokenMark(area);
    else if (m_pictureFetched || m_paintingCopy)
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
    PaintGraphic(copy.Graphic(), area);
}

// The background first, so that transparent parts of a picture show it; then the
// picture stretched over the area or in its place.
void TBzDBImage::PaintGraphic(TGraphic* graphic, const QRect& area)
{
    TCanvas* canvas = Canvas();
    canvas->FillRect(area);
    if (!graphic || graphic->Empty())
        return;
    if (m_stretch)
        canvas->StretchDraw(area, graphic);
    else
        canvas->StretchDraw(PicturePlace(*graphic, area), graphic);
}

// At its own size, or for a drawing as large as fits with its proportions; centred (cut
// evenly on all sides when larger, odd differences truncating) or at the top left.
QRect TBzDBImage::PicturePlace(const TGraphic& graphic, const QRect& area) const
{
    QSize size(graphic.Width(), graphic.Height());
    if (graphic.Scalable())
        size.scale(area.size(), Qt::KeepAspectRatio);
    QRect place(area.topLeft(), size);
    if (m_center)
        place.translate((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    return place;
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
