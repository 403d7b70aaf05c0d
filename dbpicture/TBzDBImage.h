#pragma once

#include "IDataLinkQuery.h"
#include "IReplicatable.h"
#include "TCustomControl.h"

#include <QList>
#include <QRgb>
#include <memory>
#include <optional>

class TBlobField;
class TBzJpegImg;
class TDataSource;
class TJpegDataLink;
class TPicture;

// Shows the picture held in a blob field of the current record of a data source, and
// writes an edited (pasted or cut) picture back into the field.
//
// The blob's bytes are read as a JPEG stream first and, when that fails in any way, by
// their content: a Windows bitmap file, a PNG picture or an SVG drawing. JPEG and bitmap
// pictures are held in Picture as decoded pixels (a bitmap), PNG and SVG pictures as
// they are, so that transparent parts show the control's colour. A drawing is fitted to
// the control's area and rendered there in device pixels. While nothing has been fetched
// for the record the control shows "(" + the field's display label (or the control's
// name) + ")". A control grid has it paint copies of itself for the other records
// (PaintCopy); a copy whose blob cannot be decoded shows a small broken-picture mark
// instead, because painting must never raise, and so does the control itself after its
// record's blob failed to decode.
//
// Pressing on the picture and moving beyond the platform's drag distance drags it out
// (TPictureDrag). With NameField set, resting the pointer on a picture (the live one or a
// copy) shows its name, size in pixels and format.
class TBzDBImage : public TCustomControl, public IDataLinkQuery, public IReplicatable {
    T_CLASS_INFO
public:
    explicit TBzDBImage(TComponent* owner);
    ~TBzDBImage() override;

    TPicture* Picture() const { return m_picture.get(); }
    // Whether Picture holds what was fetched for the current record, or was changed since.
    bool PictureFetched() const { return m_pictureFetched; }

    bool AutoDisplay() const { return m_autoDisplay; }
    // Switching it on fetches the picture.
    void SetAutoDisplay(bool value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    // bsNone or bsSingle; the other styles count as bsSingle.
    void SetBorderStyle(TBorderStyle style);
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    // A sunken two-pixel edge instead of a one-pixel line with a single border.
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool value);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    // Copies draw bitmaps without palette handling.
    bool QuickDraw() const { return m_quickDraw; }
    void SetQuickDraw(bool value) { m_quickDraw = value; }
    QString DataField() const;
    void SetDataField(const QString& fieldName);
    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* dataSource);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    // The bound field when it is a blob field, else nullptr.
    TBlobField* Field() const;
    // The field with the pictures' names (tooltips, names of pictures dragged out); empty,
    // or a name the data set lacks, for none.
    const QString& NameField() const { return m_nameField; }
    void SetNameField(const QString& fieldName) { m_nameField = fieldName; }

    // The picture of the record the data set shows as stored: the blob's bytes, or,
    // while a paste or cut waits to be stored, what Picture would store. Empty for none.
    QByteArray PictureBytes() const;
    // The record's name from NameField; empty without one.
    QString PictureName() const;
    // The name a picture is handed to other programs under: its name (or "picture"),
    // made safe for a file name, with its format's extension.
    QString PictureFileName() const;
    // "name  W × H  FORMAT" for the record the data set shows; empty without a name or
    // for a picture that cannot be read.
    QString PictureHint() const;
    // The colour table of Picture's graphic; empty when it has none.
    QList<QRgb> Palette() const;

    // Loads the current record's blob into Picture unless it was fetched already. A
    // blob that is neither JPEG nor a bitmap file raises EInvalidGraphic "Bitmap image
    // is not valid" (Picture then holds an empty bitmap).
    void FetchPicture();
    // Picture to the clipboard, when it holds a picture.
    void CopyPicture();
    // Picture to the clipboard and cleared, when the field can be edited.
    void CutPicture();
    // A bitmap from the clipboard into Picture, when the field can be edited.
    void PastePicture();

    TDataLink* QueryDataLink() override;
    void PaintCopy(QPainter& painter) override;
    QString CopyHint() override { return PictureHint(); }
    void SetName(const QString& name) override;

protected:
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool event(QEvent* event) override;

private:
    void HandlePictureChange();
    void HandleRecordChange();
    void StorePicture();
    void LoadBlob(TBlobField& field, TPicture& picture);
    void LoadAfterJpeg(const QByteArray& bytes, TPicture& picture);
    void DragOut();
    bool HasPicture() const;
    int BorderWidth() const;
    QRect ClientArea() const;
    void PaintBorder();
    void PaintPicture(const QRect& area);
    void PaintGraphic(TGraphic* graphic, const QRect& area);
    QRect PicturePlace(const TGraphic& graphic, const QRect& area) const;
    void PaintBrokenMark(const QRect& area);
    void PaintPlaceholder(const QRect& area);
    void PaintFocusFrame(const QRect& area);

    std::unique_ptr<TJpegDataLink> m_dataLink;
    std::unique_ptr<TPicture> m_picture;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    bool m_autoDisplay = true;
    bool m_stretch = false;
    bool m_center = true;
    bool m_ctl3D = true;
    bool m_pictureFetched = false;
    bool m_quickDraw = true;
    bool m_paintingCopy = false;
    // The record's blob could not be decoded: the broken mark stands for the picture.
    bool m_damaged = false;
    QString m_nameField;
    // Where the left button went down, while a move may still start a drag.
    std::optional<QPoint> m_dragStart;
    std::unique_ptr<TBzJpegImg> m_jpegDecoder;
};
