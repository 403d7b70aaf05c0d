#pragma once

#include "TEvent.h"
#include "TLayoutCodec.h"
#include "TPersistent.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QString>
#include <memory>

class TCanvas;
class TStream;

enum class TProgressStage { psStarting, psRunning, psEnding };
T_ENUM_NAMES(TProgressStage, "psStarting", "psRunning", "psEnding");

// Progress of a long operation (decoding): sender, stage, percent done (0..100),
// whether the picture should be redrawn now, the area that changed, and a message
// (on psEnding after a failure: the error's text).
using TProgressEvent = TEvent<TObject*, TProgressStage, int, bool, const QRect&, const QString&>;

// A picture that can be drawn into a rectangle of a canvas, measured, loaded and saved:
// the base of bitmaps, JPEG images and GIF images.
//
// Subclasses implement the size, emptiness, drawing and streaming; they call Changed()
// after every change of their content, which marks the graphic modified and tells
// OnChange. A subclass registered with TPicture::RegisterFileFormat can be copied by
// Clone() without more work.
class TGraphic : public TPersistent {
    T_CLASS_INFO
public:
    TGraphic() = default;
    ~TGraphic() override = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    // Size in pixels; 0 for an empty graphic.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Kinds that cannot change their size raise EInvalidGraphicOperation.
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual bool Empty() const = 0;
    // Whether the graphic draws as sharply at any size (a vector drawing); controls that
    // show pictures at their own size fit such a graphic to their area instead.
    virtual bool Scalable() const { return false; }

    // Whether drawing leaves some pixels out (a bitmap's transparent colour).
    virtual bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool transparent);
    // Set by Changed(); cleared by whoever saved or otherwise took note of the change.
    bool Modified() const { return m_modified; }
    // Setting true also tells OnChange.
    void SetModified(bool modified);

    // The colour table of a palette graphic; empty when it has none.
    virtual QList<QRgb> Palette() const { return {}; }
    // Kinds without a palette ignore this.
    virtual void SetPalette(const QList<QRgb>& palette);
    // Marks that the palette changed and windows showing it should realise it again.
    bool PaletteModified() const { return m_paletteModified; }
    void SetPaletteModified(bool modified) { m_paletteModified = modified; }

    // Draws the whole graphic scaled into rect of canvas, leaving out transparent
    // pixels when Transparent() is on.
    virtual void Draw(TCanvas& canvas, const QRect& rect) = 0;

    // Reads the graphic from the stream's position to its end; raises the kind's error
    // (EInvalidGraphic, EJPEG, ...) for damaged data, leaving the graphic empty or as
    // it was (the kind says which).
    virtual void LoadFromStream(TStream& stream) = 0;
    // Writes the graphic in its own file format at the stream's position.
    virtual void SaveToStream(TStream& stream) const = 0;
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;

    // Loads the program's raw-data resource of that name (letter case ignored); an
    // empty name empties the graphic. Raises EResNotFound for a missing resource.
    void LoadFromResourceName(const QString& name);
    // The resource the content was loaded from; empty once the content changed since.
    const QString& ResourceName() const { return m_resourceName; }

    // Reads clipboard data of a format registered with TPicture::RegisterClipboardFormat;
    // the base raises EInvalidGraphic "Unsupported clipboard format".
    virtual void LoadFromClipboardFormat(const QString& format, const QByteArray& data);

    // Empties the graphic (a bitmap of size 0, an image without frames).
    virtual void Clear();

    // A new graphic of the same kind holding a copy of this one. The base finds the kind
    // among the registered file formats; raises EInvalidGraphic when it is not there.
    virtual std::unique_ptr<TGraphic> Clone() const;
    // True when other is of the same kind and saves to the same bytes.
    virtual bool Equals(const TGraphic* other) const;

    TNotifyEvent OnChange;
    TProgressEvent OnProgress;

protected:
    // Into a TBitmap: the graphic drawn at its own size over the bitmap's brush colour.
    void AssignTo(TPersistent* dest) const override;
    // Marks the graphic modified, forgets the resource name and tells OnChange.
    virtual void Changed();
    void Progress(TProgressStage stage, int percent, bool redrawNow, const QRect& rect,
                  const QString& message);

private:
    bool m_transparent = false;
    bool m_modified = false;
    bool m_paletteModified = false;
    QString m_resourceName;
};
