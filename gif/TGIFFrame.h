#pragma once

#include "TColors.h"
#include "TExtension.h"
#include "TPersistent.h"

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <memory>
#include <vector>

class TBitmap;
class TCanvas;
class TGIFBlockReader;
class TGIFImage;
struct TGIFData;
struct TGIFItem;

// One frame of a GIF image: its place on the logical screen, timing, disposal and
// transparency, and its compressed data (shared between copies of the frame). The
// frame is decoded into a palette bitmap at the first demand and keeps it.
class TGIFFrame : public TPersistent {
    T_CLASS_INFO
public:
    explicit TGIFFrame(TGIFImage* owner);
    ~TGIFFrame() override;
    TGIFFrame(const TGIFFrame&) = delete;
    TGIFFrame& operator=(const TGIFFrame&) = delete;

    // Reads the frame that follows a "," introducer: descriptor, local table and the
    // data sub-blocks, then applies the graphic control extensions gathered before it.
    // A data block cut short marks the frame Damaged (tolerant) or raises
    // EInvalidGraphicOperation "Stream read error". On an error the code stream is freed.
    // A width or height of 0 takes the logical screen's (pixels).
    void Read(TGIFBlockReader& reader, const TGIFData& global, QSize logicalScreen,
              std::vector<TExtension> extensions);

    // Copies another frame: shares its compressed data, copies position, bitmap,
    // interlacing, transparency, delay, disposal, grey flag, damage and comment.
    void Assign(const TPersistent* source) override;

    TGIFImage* Owner() const { return m_owner; }
    // The decoded picture, decoding it first when needed; an empty bitmap when the frame
    // has no data. Raises the decoder's errors (EInvalidGraphicOperation).
    TBitmap* DecodedBitmap() const;
    bool IsDecoded() const;
    // Size of the decoded picture; 0 without bitmap and data.
    int Width() const;
    int Height() const;
    // True when neither a bitmap nor compressed data is there.
    bool HasNoData() const;
    // Stretches the decoded picture into rect of canvas; with transparent on, pixels of
    // KeyColor (when the frame has one) are left out.
    void Draw(TCanvas& canvas, const QRect& rect, bool transparent) const;

    const TGIFItem& Item() const { return *m_item; }
    const std::vector<TExtension>& ExtensionList() const { return m_extensions; }
    // The strings of the frame's comment extensions.
    QList<QByteArray> Comment() const;

    QPoint Origin() const { return m_origin; } // pixels on the logical screen
    bool IsInterlaced() const { return m_interlaced; }
    bool Damaged() const { return m_damaged; }
    TColor KeyColor() const { return m_keyColor; }
    quint16 DelayMs() const { return m_delayMs; } // milliseconds before the next frame
    quint8 DisposalCode() const { return m_disposal; }
    bool HasLocalTable() const { return m_hasLocalTable; }

private:
    void ReadDescriptor(TGIFBlockReader& reader, const TGIFData& global, QSize logicalScreen);
    void ReadCodeStream(TGIFBlockReader& reader);
    void ApplyGraphicControls();
    void Decode() const;

    TGIFImage* m_owner;
    mutable std::unique_ptr<TBitmap> m_bitmap;
    std::shared_ptr<TGIFItem> m_item;
    std::vector<TExtension> m_extensions;
    QPoint m_origin;
    bool m_interlaced = false;
    mutable bool m_damaged = false;
    TColor m_keyColor = clNone;
    quint16 m_delayMs = 0;
    quint8 m_disposal = 0;
    bool m_hasLocalTable = false;
};
