#include "TGIFFrame.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TClassInfo.h"
#include "TGIFBlockReader.h"
#include "TGIFData.h"
#include "TGIFDibFile.h"
#include "TGIFImage.h"
#include "TGIFItem.h"

#include <algorithm>
#include <bit>

namespace {
constexpr quint8 localTableFlag = 0x80;
constexpr quint8 interlacedFlag = 0x40;

// A 32-bit copy of image in which pixels of color are fully transparent.
QImage WithoutColor(const QImage& image, TColor color)
{
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = TColors::ToQColor(color).rgb();
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return masked;
}
} // namespace

const TClassInfo& TGIFFrame::StaticClassInfo()
{
    static const TClassInfo info("TGIFFrame", &TPersistent::StaticClassInfo());
    return info;
}

TGIFFrame::TGIFFrame(TGIFImage* owner)
    : m_owner(owner)
    , m_item(std::make_shared<TGIFItem>())
{}

TGIFFrame::~TGIFFrame() = default;

void TGIFFrame::Read(TGIFBlockReader& reader, const TGIFData& global, QSize logicalScreen,
                     std::vector<TExtension> extensions)
{
    m_extensions = std::move(extensions);
    m_item->CodeStream = std::make_unique<TMemoryStream>();
    try {
        ReadDescriptor(reader, global, logicalScreen);
        ReadCodeStream(reader);
        if (m_damaged && !TGIFImage::TolerantDecoding())
            throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
        m_item->CodeStream->SetPosition(0);
    } catch (...) {
        m_item->CodeStream.reset();
        throw;
    }
    ApplyGraphicControls();
}

// The image descriptor and the local colour table. A width or height of 0 takes the
// logical screen's; without a local table the frame uses a copy of the global one.
void TGIFFrame::ReadDescriptor(TGIFBlockReader& reader, const TGIFData& global, QSize logicalScreen)
{
    const int left = reader.ReadWord();
    const int top = reader.ReadWord();
    int width = reader.ReadWord();
    int height = reader.ReadWord();
    const quint8 flags = reader.ReadByte();
    TGIFItem& item = *m_item;
    m_interlaced = flags & interlacedFlag;
    m_hasLocalTable = flags & localTableFlag;
    if (m_hasLocalTable) {
        item.ColorBits = (flags & 7) + 1;
        item.ColorTable.EntryCount = 1 << item.ColorBits;
        const QByteArrayView entries = reader.ReadBytes(3 * item.ColorTable.EntryCount);
        std::copy(entries.begin(), entries.end(), item.ColorTable.Entries.begin());
    } else {
        // The global table always holds 2^n entries; without one the frame has no
        // colours and cannot be decoded.
        item.ColorTable = global.ColorTable;
        const int entryCount = global.ColorTable.EntryCount;
        item.ColorBits = entryCount > 0 ? quint8(std::countr_zero(unsigned(entryCount))) : 0;
    }
    if (width == 0)
        width = logicalScreen.width();
    if (height == 0)
        height = logicalScreen.height();
    m_origin = QPoint(left, top);
    item.FrameSize = QSize(width, height);
    item.DescriptorFlags = flags;
}

// Copies the code size byte and the data sub-blocks as stored. A block that runs past
// the end of the data marks the frame damaged and is left out.
void TGIFFrame::ReadCodeStream(TGIFBlockReader& reader)
{
    TMemoryStream& stream = *m_item->CodeStream;
    const quint8 codeSize = reader.ReadByte();
    stream.WriteBuffer(&codeSize, 1);
    while (!reader.AtEnd()) {
        const quint8 length = reader.ReadByte();
        if (length > reader.Remaining()) {
            m_damaged = true;
            return;
        }
        stream.WriteBuffer(&length, 1);
        if (length == 0)
            return;
        stream.WriteBuffer(reader.ReadBytes(length).data(), length);
    }
}

// Several graphic control extensions may precede one frame: the longest delay wins,
// transparency and disposal come from the last.
void TGIFFrame::ApplyGraphicControls()
{
    m_delayMs = 0;
    const TGIFColorTable& table = m_item->ColorTable;
    for (const TExtension& extension : m_extensions) {
        if (extension.BlockKind() != TGIFExtensionKind::ekGraphicControl)
            continue;
        if (!extension.HasTransparency())
            m_keyColor = clNone;
        else if (extension.TransparentIndex() < table.EntryCount)
            m_keyColor = table.Color(extension.TransparentIndex());
        m_delayMs = std::max(quint16(extension.DelayHundredths() * 10), m_delayMs);
        m_disposal = extension.DisposalCode();
    }
}

void TGIFFrame::Assign(const TPersistent* source)
{
    const auto* frame = dynamic_cast<const TGIFFrame*>(source);
    if (!frame) {
        TPersistent::Assign(source);
        return;
    }
    m_item = frame->m_item;
    m_origin = frame->m_origin;
    m_bitmap.reset();
    if (frame->m_bitmap) {
        m_bitmap = std::make_unique<TBitmap>();
        m_bitmap->Assign(frame->m_bitmap.get());
    }
    m_interlaced = frame->m_interlaced;
    m_keyColor = frame->m_keyColor;
    m_delayMs = frame->m_delayMs;
    m_disposal = frame->m_disposal;
    m_damaged = frame->m_damaged;
    m_hasLocalTable = frame->m_hasLocalTable;
    m_extensions.clear();
    std::copy_if(frame->m_extensions.begin(), frame->m_extensions.end(),
                 std::back_inserter(m_extensions), [](const TExtension& extension) {
                     return extension.BlockKind() == TGIFExtensionKind::ekComment;
                 });
}

QList<QByteArray> TGIFFrame::Comment() const
{
    QList<QByteArray> lines;
    for (const TExtension& extension : m_extensions)
        if (extension.BlockKind() == TGIFExtensionKind::ekComment)
            lines += extension.SubBlocks();
    return lines;
}

bool TGIFFrame::IsDecoded() const
{
    return m_bitmap && !m_bitmap->Empty();
}

bool TGIFFrame::HasNoData() const
{
    return !IsDecoded() && (!m_item->CodeStream || m_item->CodeStream->Size() == 0);
}

TBitmap* TGIFFrame::DecodedBitmap() const
{
    if (!IsDecoded())
        Decode();
    return m_bitmap.get();
}

void TGIFFrame::Draw(TCanvas& canvas, const QRect& rect, bool transparent) const
{
    TBitmap* bitmap = DecodedBitmap();
    if (!transparent || m_keyColor == clNone)
        canvas.StretchDraw(rect, bitmap);
    else if (!bitmap->Monochrome())
        bitmap->TransparentStretch(canvas, rect, QRect(), m_keyColor);
    else // a bitmap's own transparent drawing leaves out white when it has one bit per pixel
        canvas.DrawImage(rect, WithoutColor(bitmap->Image(), m_keyColor), bitmap->Image().rect());
}

int TGIFFrame::Width() const
{
    return HasNoData() ? 0 : DecodedBitmap()->Width();
}

int TGIFFrame::Height() const
{
    return HasNoData() ? 0 : DecodedBitmap()->Height();
}

// Decodes the frame through an in-memory Windows bitmap file, telling the owner's
// progress event; the ending notice carries the error's text when decoding fails.
void TGIFFrame::Decode() const
{
    m_bitmap = std::make_unique<TBitmap>();
    if (!m_item->CodeStream)
        return;
    m_owner->FrameProgress(TProgressStage::psStarting, 0, {});
    try {
        bool corrupted = false;
        TMemoryStream file(TGIFDibFile::Build(
            *m_item, m_interlaced, TGIFImage::TolerantDecoding(),
            [this](int percent) { m_owner->FrameProgress(TProgressStage::psRunning, percent, {}); },
            corrupted));
        m_damaged = m_damaged || corrupted;
        m_bitmap->LoadFromStream(file);
    } catch (const Exception& error) {
        m_owner->FrameProgress(TProgressStage::psEnding, 100, error.Message());
        throw;
    }
    m_owner->FrameProgress(TProgressStage::psEnding, 100, {});
}
