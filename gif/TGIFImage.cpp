#include "TGIFImage.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TClassInfo.h"
#include "TExtension.h"
#include "TGIFBlockReader.h"
#include "TGIFData.h"
#include "TGIFFrame.h"
#include "TGIFItem.h"
#include "TStream.h"

#include <QtEndian>
#include <algorithm>
#include <atomic>

namespace {
constexpr char extensionIntroducer = '!';
constexpr char imageIntroducer = ',';
constexpr char trailer = ';';
constexpr quint8 globalTableFlag = 0x80;
const QString clipboardFormatName = QStringLiteral("GIF Image");
const QString commentSeparator = QStringLiteral("\r\n\r\n");

std::atomic<bool> tolerantDecoding{true};

[[noreturn]] void Fail(const QString& text)
{
    throw EInvalidGraphicOperation(text);
}

TGIFImage::TFormatVersion ReadVersion(TGIFBlockReader& reader)
{
    const QByteArray signature = reader.ReadBytes(3).toByteArray().toUpper();
    const QByteArray version = reader.ReadBytes(3).toByteArray().toUpper();
    if (signature != "GIF")
        Fail(QStringLiteral("Unknown GIF version"));
    if (version == "87A")
        return TGIFImage::TFormatVersion::gv87a;
    if (version == "89A")
        return TGIFImage::TFormatVersion::gv89a;
    Fail(QStringLiteral("Unknown GIF version"));
}
} // namespace

const TClassInfo& TGIFImage::StaticClassInfo()
{
    static const TClassInfo info("TGIFImage", &TGraphic::StaticClassInfo());
    return info;
}

TGIFImage::TGIFImage()
    : m_data(std::make_shared<TGIFData>())
{
    SetTransparent(true);
}

TGIFImage::~TGIFImage() = default;

bool TGIFImage::TolerantDecoding()
{
    return tolerantDecoding;
}

void TGIFImage::SetTolerantDecoding(bool tolerant)
{
    tolerantDecoding = tolerant;
}

void TGIFImage::Reset()
{
    m_data = std::make_shared<TGIFData>();
    m_frames.clear();
    m_damaged = false;
    m_currentFrame = -1;
    m_backdropColor = clNone;
    m_loopCount = 1;
    m_hasLoopBlock = false;
    m_version = TFormatVersion::gvUnknown;
    m_logicalWidth = 0;
    m_logicalHeight = 0;
}

void TGIFImage::LoadFromStream(TStream& stream)
{
    QByteArray bytes(std::max<qint64>(stream.Remaining(), 0), '\0');
    Reset();
    stream.ReadBuffer(bytes.data(), bytes.size());
    Load(bytes, true);
}

void TGIFImage::LoadFromClipboardFormat(const QString& format, const QByteArray& data)
{
    if (format.compare(clipboardFormatName, Qt::CaseInsensitive) != 0) {
        TGraphic::LoadFromClipboardFormat(format, data);
        return;
    }
    Reset();
    TGIFBlockReader reader(data);
    const QByteArrayView lengthBytes = reader.ReadBytes(sizeof(quint32));
    const quint32 length = qFromLittleEndian<quint32>(lengthBytes.data());
    Load(reader.ReadBytes(qsizetype(length)).toByteArray(), false);
}

// Reads the file's blocks into a freshly reset image, then decodes frame 0 when asked.
void TGIFImage::Load(const QByteArray& bytes, bool decodeFirstFrame)
{
    if (!bytes.isEmpty()) {
        TGIFBlockReader reader(bytes);
        m_version = ReadVersion(reader);
        ReadScreen(reader);
        ReadBlocks(reader);
        if (!m_frames.empty()) {
            m_currentFrame = 0;
            if (decodeFirstFrame)
                DecodeFirstFrame();
        }
    }
    SetPaletteModified(true);
    Changed();
}

// The logical screen descriptor and the global colour table.
void TGIFImage::ReadScreen(TGIFBlockReader& reader)
{
    m_logicalWidth = reader.ReadWord();
    m_logicalHeight = reader.ReadWord();
    const quint8 flags = reader.ReadByte();
    const quint8 backgroundIndex = reader.ReadByte();
    TGIFData& data = *m_data;
    data.PixelAspect = reader.ReadByte();
    data.ColorBits = (flags & 7) + 1;
    data.ColorResolution = ((flags >> 4) & 7) + 1;
    if (!(flags & globalTableFlag))
        return;
    TGIFColorTable& table = data.ColorTable;
    table.EntryCount = 1 << data.ColorBits;
    const QByteArrayView entries = reader.ReadBytes(3 * table.EntryCount);
    std::copy(entries.begin(), entries.end(), table.Entries.begin());
    if (backgroundIndex < table.EntryCount)
        m_backdropColor = table.Color(backgroundIndex);
}

// Extension runs, frames and the comment after the last frame, up to the trailer.
// Bytes after the trailer, or after the last frame, are ignored.
void TGIFImage::ReadBlocks(TGIFBlockReader& reader)
{
    quint8 introducer = reader.ReadByte();
    while (introducer != 0 && introducer != trailer && !reader.AtEnd()) {
        std::vector<TExtension> run;
        introducer = ReadExtensionRun(reader, introducer, run);
        if (introducer == imageIntroducer) {
            introducer = ReadFrame(reader, std::move(run));
        } else if (CommentLines().isEmpty() && !run.empty()) {
            TakeComments(run);
        } else if (introducer != 0 && introducer != trailer) {
            Fail(QStringLiteral("Stream read error"));
        }
    }
}

// Reads the extensions that start at introducer; keeps graphic control and comment
// extensions in run, takes the loop count from an application extension, and lets a
// plain text extension discard the run. Returns the introducer after the run.
quint8 TGIFImage::ReadExtensionRun(TGIFBlockReader& reader, quint8 introducer,
                                   std::vector<TExtension>& run)
{
    while (introducer == extensionIntroducer) {
        TExtension extension = TExtension::Read(reader);
        switch (extension.BlockKind()) {
        case TGIFExtensionKind::ekPlainText:
            run.clear();
            break;
        case TGIFExtensionKind::ekApplication:
            if (const auto loopCount = extension.LoopCount()) {
                m_hasLoopBlock = true;
                m_loopCount = *loopCount;
            }
            break;
        default:
            run.push_back(std::move(extension));
        }
        introducer = reader.AtEnd() ? trailer : reader.ReadByte();
    }
    return introducer;
}

// Reads one frame after "," and returns the next introducer, past any zero bytes;
// an unknown introducer after a frame ends the file (0).
quint8 TGIFImage::ReadFrame(TGIFBlockReader& reader, std::vector<TExtension> run)
{
    auto frame = std::make_unique<TGIFFrame>(this);
    frame->Read(reader, *m_data, QSize(m_logicalWidth, m_logicalHeight), std::move(run));
    m_frames.push_back(std::move(frame));
    if (reader.AtEnd())
        return trailer;
    quint8 introducer = reader.ReadByte();
    while (introducer == 0 && !reader.AtEnd())
        introducer = reader.ReadByte();
    const bool known =
        introducer == extensionIntroducer || introducer == imageIntroducer || introducer == trailer;
    return known ? introducer : 0;
}

void TGIFImage::TakeComments(const std::vector<TExtension>& run)
{
    QStringList& lines = m_data->CommentLines;
    for (const TExtension& extension : run) {
        if (extension.BlockKind() != TGIFExtensionKind::ekComment)
            continue;
        if (!lines.isEmpty())
            lines.append(commentSeparator);
        for (const QByteArray& block : extension.SubBlocks())
            lines.append(QString::fromLatin1(block));
    }
}

void TGIFImage::DecodeFirstFrame()
{
    try {
        m_frames.front()->DecodedBitmap();
    } catch (...) {
        m_frames.erase(m_frames.begin());
        m_currentFrame = m_frames.empty() ? -1 : 0;
        throw;
    }
}

TGIFFrame* TGIFImage::Frames(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_frames[size_t(index)].get();
}

void TGIFImage::SetCurrentFrame(int index)
{
    if (index == m_currentFrame)
        return;
    m_currentFrame = index;
    Changed();
}

TGIFFrame* TGIFImage::Current() const
{
    return m_currentFrame >= 0 && m_currentFrame < Count() ? m_frames[size_t(m_currentFrame)].get()
                                                           : nullptr;
}

const QStringList& TGIFImage::CommentLines() const
{
    return m_data->CommentLines;
}

void TGIFImage::SaveToStream(TStream&) const
{
    Fail(QStringLiteral("Saving GIF images is not supported"));
}

void TGIFImage::Assign(const TPersistent* source)
{
    if (!source) {
        Reset();
        Changed();
        return;
    }
    const auto* image = dynamic_cast<const TGIFImage*>(source);
    if (!image) {
        TGraphic::Assign(source);
        return;
    }
    if (image == this)
        return;
    m_data = image->m_data;
    m_version = image->m_version;
    m_backdropColor = image->m_backdropColor;
    m_loopCount = image->m_loopCount;
    m_hasLoopBlock = image->m_hasLoopBlock;
    m_damaged = image->m_damaged;
    m_logicalWidth = image->m_logicalWidth;
    m_logicalHeight = image->m_logicalHeight;
    m_currentFrame = image->m_currentFrame;
    m_frames.clear();
    for (const auto& frame : image->m_frames) {
        m_frames.push_back(std::make_unique<TGIFFrame>(this));
        m_frames.back()->Assign(frame.get());
    }
    Changed();
}

void TGIFImage::Clear()
{
    Assign(nullptr);
}

int TGIFImage::Width() const
{
    const TGIFFrame* frame = Empty() ? nullptr : Current();
    return frame ? frame->Width() : 0;
}

int TGIFImage::Height() const
{
    const TGIFFrame* frame = Empty() ? nullptr : Current();
    return frame ? frame->Height() : 0;
}

void TGIFImage::SetWidth(int)
{
    Fail(QStringLiteral("Cannot change the Size of a GIF image"));
}

void TGIFImage::SetHeight(int)
{
    Fail(QStringLiteral("Cannot change the Size of a GIF image"));
}

bool TGIFImage::Empty() const
{
    const int index = std::max(m_currentFrame, 0);
    return index >= Count() || m_frames[size_t(index)]->HasNoData();
}

int TGIFImage::LogicalWidth() const
{
    return Empty() ? 0 : m_logicalWidth;
}

int TGIFImage::LogicalHeight() const
{
    return Empty() ? 0 : m_logicalHeight;
}

bool TGIFImage::Transparent() const
{
    return TGraphic::Transparent() &&
           std::any_of(m_frames.begin(), m_frames.end(),
                       [](const auto& frame) { return frame->KeyColor() != clNone; });
}

QList<QRgb> TGIFImage::Palette() const
{
    if (m_frames.empty())
        return {};
    const TGIFFrame* frame = Current();
    return (frame ? frame : m_frames.front().get())->DecodedBitmap()->Palette();
}

void TGIFImage::Draw(TCanvas& canvas, const QRect& rect)
{
    if (const TGIFFrame* frame = Current())
        frame->Draw(canvas, rect, TGraphic::Transparent());
}

bool TGIFImage::Equals(const TGraphic* other) const
{
    const auto* image = dynamic_cast<const TGIFImage*>(other);
    return image && image->m_data == m_data;
}

void TGIFImage::FrameProgress(TProgressStage stage, int percent, const QString& message)
{
    Progress(stage, percent, false, QRect(), message);
}
