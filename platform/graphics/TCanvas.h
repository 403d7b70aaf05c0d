#pragma once

#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"
#include "TRasterCopy.h"
#include "TSet.h"

#include <QPainter>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QTransform>
#include <memory>
#include <mutex>

class TGraphic;
class QImage;

// Rectangles are QRect throughout; a rectangle given the system's way, by its left,
// top, right and bottom edges with right and bottom excluded, is Rect(l, t, r, b).
// The excluded right edge of a QRect r is r.x() + r.width() (never r.right()).
inline QRect Rect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// Options of TextRect's formatted form, as the system's text drawing names them.
enum class TTextFormat {
    tfBottom,
    tfCalcRect,
    tfCenter,
    tfEditControl,
    tfEndEllipsis,
    tfPathEllipsis,
    tfExpandTabs,
    tfExternalLeading,
    tfLeft,
    tfModifyString,
    tfNoClip,
    tfNoPrefix,
    tfRight,
    tfRtlReading,
    tfSingleLine,
    tfTop,
    tfVerticalCenter,
    tfWordBreak,
    tfHidePrefix,
    tfNoFullWidthCharBreak,
    tfPrefixOnly,
    tfTabStop,
    tfWordEllipsis,
    tfComposited
};
using TTextFormats = TSet<TTextFormat>;

// A drawing surface with the system's canvas semantics on a QPainter: a pen, a brush
// and a font; figures whose right and bottom edges are excluded; lines that leave out
// their last pixel; text drawn from its top-left corner with the brush behind it; copy
// modes; clipping; and a lock for drawing from a second thread.
//
// Painting sessions. A canvas draws only while it has a painter (its handle):
//   - A control's canvas gets one for the length of a paint event:
//         void MyControl::paintEvent(QPaintEvent*) {
//             TCanvas::PaintScope scope(*Canvas(), this); // BeginPaint(this) ... EndPaint()
//             Canvas()->FillRect(rect());
//         }
//     BeginPaint(device) opens a QPainter on the device; BeginPaint(painter) draws
//     through a painter that someone else opened (a parent painting this control as a
//     copy, with its own translation and clipping), saving its state for EndPaint to
//     restore. Sessions do not nest: BeginPaint while painting raises EInvalidOperation.
//   - A bitmap's canvas (TBitmap::Canvas()) opens its painter on the bitmap's pixels by
//     itself at the first drawing call and closes it whenever the bitmap is used in any
//     other way, so it needs no session.
// Drawing on a canvas without a painter raises EInvalidOperation "Canvas does not allow
// drawing".
//
// Pen, brush and font are applied at each drawing call; Handle() gives platform code
// the painter itself (pen, brush and font of the canvas applied, no antialiasing).
class TCanvas : public TPersistent {
    T_CLASS_INFO
public:
    // Opens a painting session for its lifetime (see above).
    class PaintScope {
    public:
        PaintScope(TCanvas& canvas, QPaintDevice* device);
        PaintScope(TCanvas& canvas, QPainter* painter);
        ~PaintScope();
        PaintScope(const PaintScope&) = delete;
        PaintScope& operator=(const PaintScope&) = delete;

    private:
        TCanvas& m_canvas;
    };

    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // --- Painting sessions and the handle -----------------------------------------
    void BeginPaint(QPaintDevice* device);
    void BeginPaint(QPainter* painter);
    // Ends the session: an own painter is closed, an adopted one gets its state back.
    // Does nothing without a session.
    void EndPaint();
    bool HandleAllocated() const { return m_painter != nullptr; }
    // The painter with the canvas's tools applied; opens a bitmap's painter; raises
    // EInvalidOperation when the canvas cannot draw now. Valid until the session ends
    // (for a bitmap: until the bitmap is used other than through this canvas).
    QPainter* Handle();
    // Saves and restores the painter's state (transformation, clipping) around
    // drawing that changes it directly through Handle().
    void SaveState();
    void RestoreState();

    // --- Tools ----------------------------------------------------------------------
    TPen* Pen() const { return m_pen.get(); }
    TBrush* Brush() const { return m_brush.get(); }
    TFont* Font() const { return m_font.get(); }
    void SetFont(const TFont* font) { m_font->Assign(font); }
    QPoint PenPos() const { return m_penPos; }
    void SetCopyMode(TCopyMode mode) { m_copyMode = mode; }

    // --- Lines and figures (pen for outlines, brush for insides) -------------------
    void MoveTo(int x, int y);
    // A line from PenPos to (x, y), leaving out (x, y); PenPos becomes (x, y).
    void LineTo(int x, int y);
    // Lines through the points, leaving out the last point.
    void Polyline(const QPolygon& points);
    // A closed figure through the points, filled with the brush.
    void Polygon(const QPolygon& points);
    // Figures inside Rect(x1, y1, x2, y2): the outline with the pen on the rectangle's
    // edge pixels, the inside with the brush. Without a pen (psClear) the fill ends one
    // pixel earlier at the right and bottom, as on the system.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const QRect& rect);
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const QRect& rect);
    // Fills rect with the brush (no outline).
    void FillRect(const QRect& rect);
    // A one-pixel frame just inside rect in the brush's colour.
    void FrameRect(const QRect& rect);
    // The dotted focus frame just inside rect: every other pixel inverted, so that
    // drawing it twice restores the pixels.
    void DrawFocusRect(const QRect& rect);
    // 3-D frames and the system's 3-D edges, as TEdgePainter draws them; rect shrinks
    // by what was drawn (DrawEdge: with BF_ADJUST).
    void Frame3D(QRect& rect, TColor topColor, TColor bottomColor, int width);
    void DrawEdge(QRect& rect, unsigned edge, unsigned flags);

    // --- Text (font; brush behind the text unless bsClear) ---------------------------
    // Text with its cell's top-left corner at (x, y); PenPos moves to its right end.
    void TextOut(int x, int y, const QString& text);
    // Text at (x, y) clipped to rect; with a brush the whole rect is filled first.
    void TextRect(const QRect& rect, int x, int y, const QString& text);
    // Formatted text in rect: alignment (tfLeft/tfCenter/tfRight, tfTop/tfVerticalCenter/
    // tfBottom for single lines), tfWordBreak, tfSingleLine, tfEndEllipsis, tfNoClip,
    // tfExpandTabs, '&' prefixes (underlined; "&&" is "&"; tfNoPrefix keeps them as
    // text, tfHidePrefix hides the underline). tfCalcRect draws nothing and sets rect to
    // the size the text needs (its width kept when wrapping); tfModifyString shortens
    // text to what an end ellipsis leaves. Unlike the other text calls, the brush does
    // not fill the rectangle.
    void TextRect(QRect& rect, QString& text, TTextFormats format);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    QSize TextExtent(const QString& text) const;

    // --- Pictures ---------------------------------------------------------------------
    // The graphic at its own size with its top-left corner at (x, y); nullptr or an
    // empty graphic draws nothing.
    void Draw(int x, int y, TGraphic* graphic);
    // The graphic scaled into rect.
    void StretchDraw(const QRect& rect, TGraphic* graphic);
    // Copies sourceRect of source into dest (scaled, nearest pixel, when the sizes
    // differ), combining through CopyMode. source may be this canvas. The source must
    // hold pixels that can be read: a bitmap's canvas or a canvas painting on an image;
    // otherwise EInvalidOperation.
    void CopyRect(const QRect& dest, TCanvas& source, const QRect& sourceRect);
    // Platform use: draws sourceRect of image into dest through CopyMode, like CopyRect;
    // an image with an alpha channel is blended over the destination instead
    // (TRasterCopy).
    void DrawImage(const QRect& dest, const QImage& image, const QRect& sourceRect);

    // --- Pixels -------------------------------------------------------------------------
    // The colour at (x, y) as 0x00BBGGRR; -1 outside the surface or where the pixels
    // cannot be read.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // --- Clipping -------------------------------------------------------------------------
    // The bounding rectangle of the area drawing reaches, in canvas coordinates.
    QRect ClipRect();
    void IntersectClipRect(const QRect& rect);
    void ExcludeClipRect(const QRect& rect);
    // Limits drawing to region, within the area of the session's start.
    void SelectClipRegion(const QRegion& region);
    // Back to the clipping of the session's start.
    void ResetClipRegion();

    // --- Locking (a timer thread drawing while the interface thread paints) --------------
    // A recursive lock: the same thread may lock again; each Lock needs an Unlock.
    void Lock();
    void Unlock();
    bool TryLock();
    int LockCount() const;

    // Told before and after every drawing call (a bitmap marks itself changed).
    std::function<void()> OnChanging;
    std::function<void()> OnChange;

    // The pixels the canvas draws on, when they can be read (a bitmap's pixels, or the
    // image below a painter): image and the transformation from canvas coordinates to
    // the image's; nullptr otherwise. Platform use; valid until the next drawing call.
    virtual const QImage* SourceImage(QTransform& toImage);

protected:
    // Called when drawing needs a painter and there is none; a canvas that can open
    // one for itself (a bitmap's) overrides this and calls BeginPaint.
    virtual void CreateHandle();
    virtual void Changing();
    virtual void Changed();

private:
    QPainter& RequireHandle();
    void ApplyPen(QPainter& painter);
    void ApplyBrush(QPainter& painter);
    // The brush as Qt paints with it: its pattern, hatch or solid colour, or none.
    QBrush QtBrush() const;
    void ApplyFont(QPainter& painter);
    void ApplyNoPen(QPainter& painter);
    void ApplyNoBrush(QPainter& painter);
    void FillWithBrush(QPainter& painter, const QRect& rect);
    void FillWithColor(QPainter& painter, const QRect& rect, TColor color);
    void DrawTextCell(QPainter& painter, int x, int y, const QString& text, const QRect* clip);
    const QFont& QtFont() const;

    std::unique_ptr<TPen> m_pen;
    std::unique_ptr<TBrush> m_brush;
    std::unique_ptr<TFont> m_font;
    mutable QFont m_qfont;
    mutable bool m_qfontValid = false;
    QPoint m_penPos;
    TCopyMode m_copyMode = cmSrcCopy;

    std::unique_ptr<QPainter> m_ownPainter;
    QPainter* m_painter = nullptr;
    bool m_adopted = false;
    int m_savedStates = 0;
    // The clipping that the session started with (an adopted painter's).
    QRegion m_baseClip;
    bool m_hasBaseClip = false;

    mutable std::recursive_mutex m_lock;
    int m_lockCount = 0;
};
