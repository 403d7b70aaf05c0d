#pragma once

#include "TColors.h"
#include "TGraphic.h"

#include <QStringList>
#include <memory>
#include <vector>

class TGIFBlockReader;
class TGIFFrame;
class TExtension;
struct TGIFData;

// A picture in the Graphics Interchange Format (87a and 89a): the frames of the file,
// each kept compressed until it is first needed and then decoded into a palette
// bitmap. Copies share the image-wide data and every frame's compressed data.
class TGIFImage : public TGraphic {
    T_CLASS_INFO
public:
    enum class TFormatVersion : quint8 { gvUnknown, gv87a, gv89a };

    TGIFImage();
    ~TGIFImage() override;

    // The process-wide decoder setting: tolerant decoding reads damaged data as far as
    // it goes instead of failing. On unless a test turns it off.
    static bool TolerantDecoding();
    static void SetTolerantDecoding(bool tolerant);

    // Reads a GIF file from the stream's position to its end and decodes frame 0.
    // Raises EReadError or EInvalidGraphicOperation with the reason; when decoding
    // frame 0 fails, frame 0 is removed, the other frames stay and the error passes on.
    void LoadFromStream(TStream& stream) override;
    // "GIF Image" clipboard data: a 32-bit length followed by GIF data; no frame is
    // decoded.
    void LoadFromClipboardFormat(const QString& format, const QByteArray& data) override;
    // The product writes no GIF data: raises EInvalidGraphicOperation.
    void SaveToStream(TStream& stream) const override;
    // Shares other's data and copies its frames (nullptr empties the image).
    void Assign(const TPersistent* source) override;
    void Clear() override;

    // Size of the current frame's bitmap (decoding it when needed); 0 when empty.
    int Width() const override;
    int Height() const override;
    // A GIF image cannot be resized: raises EInvalidGraphicOperation.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Empty() const override;
    bool Transparent() const override;
    QList<QRgb> Palette() const override;
    // Stretches the current frame into rect, leaving out its key colour when the image
    // is transparent.
    void Draw(TCanvas& canvas, const QRect& rect) override;
    // True when other is a GIF image sharing this one's data.
    bool Equals(const TGraphic* other) const override;

    int Count() const { return int(m_frames.size()); }
    TGIFFrame* Frames(int index) const;
    int CurrentFrame() const { return m_currentFrame; }
    void SetCurrentFrame(int index);

    TFormatVersion FormatVersion() const { return m_version; }
    int LogicalWidth() const;  // pixels; 0 when empty
    int LogicalHeight() const; // pixels; 0 when empty
    TColor BackdropColor() const { return m_backdropColor; }
    bool HasLoopBlock() const { return m_hasLoopBlock; }
    quint16 LoopCount() const { return m_loopCount; }
    bool Damaged() const { return m_damaged; }
    const TGIFData& Data() const { return *m_data; }
    const QStringList& CommentLines() const;

private:
    friend class TGIFFrame;

    void Reset();
    void Load(const QByteArray& bytes, bool decodeFirstFrame);
    void ReadScreen(TGIFBlockReader& reader);
    void ReadBlocks(TGIFBlockReader& reader);
    quint8 ReadExtensionRun(TGIFBlockReader& reader, quint8 introducer,
                            std::vector<TExtension>& run);
    quint8 ReadFrame(TGIFBlockReader& reader, std::vector<TExtension> run);
    void TakeComments(const std::vector<TExtension>& run);
    void DecodeFirstFrame();
    TGIFFrame* Current() const;
    // Decoding progress of a frame, passed on to OnProgress.
    void FrameProgress(TProgressStage stage, int percent, const QString& message);

    std::shared_ptr<TGIFData> m_data;
    std::vector<std::unique_ptr<TGIFFrame>> m_frames;
    TFormatVersion m_version = TFormatVersion::gvUnknown;
    int m_currentFrame = -1;
    quint16 m_logicalWidth = 0;  // pixels
    quint16 m_logicalHeight = 0; // pixels
    TColor m_backdropColor = clNone;
    bool m_hasLoopBlock = false;
    bool m_damaged = false;
    quint16 m_loopCount = 1;
};
