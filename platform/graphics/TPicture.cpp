#include "TPicture.h"

#include "Exception.h"
#include "IStreamPersist.h"
#include "TBitmap.h"
#include "TClassInfo.h"
#include "TImageFormat.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPngImage.h"
#include "TResourceStream.h"
#include "TStream.h"
#include "TSvgImage.h"

#include <QFileInfo>
#include <mutex>

namespace {

// The kinds of graphic by file extension and by clipboard format. Kinds register at
// start-up and unregister at shutdown; the lock keeps a registration on another thread
// from tearing a lookup.
struct Registry {
    std::mutex lock;
    std::vector<TPictureFormat> files;
    std::vector<std::pair<QString, TGraphicFactory>> clipboard;
};

template <class T> TGraphicFactory FactoryOf()
{
    return [] { return std::make_unique<T>(); };
}

Registry& TheRegistry()
{
    static Registry registry;
    static std::once_flag builtIns;
    std::call_once(builtIns, [] {
        registry.files.push_back(
            {QStringLiteral("bmp"), QStringLiteral("Bitmaps"), FactoryOf<TBitmap>()});
        registry.files.push_back(
            {QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), FactoryOf<TJPEGImage>()});
        registry.files.push_back(
            {QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), FactoryOf<TJPEGImage>()});
        registry.files.push_back(
            {QStringLiteral("png"), QStringLiteral("PNG Image File"), FactoryOf<TPngImage>()});
        registry.files.push_back(
            {QStringLiteral("svg"), QStringLiteral("SVG Image File"), FactoryOf<TSvgImage>()});
        registry.clipboard.emplace_back(QStringLiteral("Bitmap"), FactoryOf<TBitmap>());
    });
    return registry;
}

QString NormalExtension(const QString& extension)
{
    QString ext = extension.toLower();
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return ext;
}

// A graphic of the kind that the stream's next bytes name; the position is kept.
std::unique_ptr<TGraphic> GraphicForStream(TStream& stream)
{
    const qint64 start = stream.Position();
    QByteArray head(TImageFormat::SvgHeadBytes, '\0');
    head.resize(stream.Read(head.data(), head.size()));
    stream.SetPosition(start);
    const TGraphicFactory factory =
        TPicture::FileFormat(TImageFormat::Extension(TImageFormat::Detect(head)));
    if (!factory)
        throw EInvalidGraphic(QStringLiteral("Unsupported stream format"));
    return factory();
}

} // namespace

const TClassInfo& TPicture::StaticClassInfo()
{
    static const TClassInfo info("TPicture", &TPersistent::StaticClassInfo());
    return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

// --- The graphic ------------------------------------------------------------------------

void TPicture::SetGraphic(const TGraphic* graphic)
{
    Attach(graphic ? graphic->Clone() : nullptr);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    Attach(std::move(graphic));
}

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(m_graphic.get()))
        Attach(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(m_graphic.get());
}

int TPicture::Width() const
{
    return m_graphic ? m_graphic->Width() : 0;
}

int TPicture::Height() const
{
    return m_graphic ? m_graphic->Height() : 0;
}

// Holds graphic (or none) as loaded from resourceName (or not), and tells OnChange.
void TPicture::Attach(std::unique_ptr<TGraphic> graphic, const QString& resourceName)
{
    if (graphic) {
        graphic->OnChange = [this](TObject*) { Changed(); };
        graphic->OnProgress = [this](TObject* sender, TProgressStage stage, int percent,
                                     bool redraw, const QRect& rect, const QString& message) {
            OnProgress(sender, stage, percent, redraw, rect, message);
        };
    }
    m_graphic = std::move(graphic);
    m_resourceName = resourceName;
    OnChange(this);
}

void TPicture::Changed()
{
    m_resourceName.clear();
    OnChange(this);
}

void TPicture::Assign(const TPersistent* source)
{
    if (!source) {
        SetGraphic(static_cast<const TGraphic*>(nullptr));
        return;
    }
    if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
        if (picture != this)
            SetGraphic(picture->Graphic());
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        SetGraphic(graphic);
        return;
    }
    if (const auto* persist = dynamic_cast<const IStreamPersist*>(source)) {
        // The stream form of anything else (a blob field's bytes) is read as a bitmap
        // file; the picture holds a bitmap even when that fails.
        TMemoryStream stream;
        persist->SaveToStream(stream);
        stream.SetPosition(0);
        Bitmap()->LoadFromStream(stream);
        return;
    }
    TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest) const
{
    auto* graphic = dynamic_cast<TGraphic*>(dest);
    if (graphic && m_graphic) {
        graphic->Assign(m_graphic.get());
        return;
    }
    TPersistent::AssignTo(dest);
}

// --- Files, streams, resources, clipboard ----------------------------------------------------

void TPicture::LoadFromFile(const QString& fileName)
{
    const QString ext = NormalExtension(QFileInfo(fileName).suffix());
    const TGraphicFactory factory = FileFormat(ext);
    if (!factory)
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
    std::unique_ptr<TGraphic> graphic = factory();
    graphic->LoadFromFile(fileName);
    Attach(std::move(graphic));
}

void TPicture::SaveToFile(const QString& fileName) const
{
    if (m_graphic)
        m_graphic->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream& stream)
{
    std::unique_ptr<TGraphic> graphic = GraphicForStream(stream);
    graphic->LoadFromStream(stream);
    Attach(std::move(graphic));
}

void TPicture::SaveToStream(TStream& stream) const
{
    if (m_graphic)
        m_graphic->SaveToStream(stream);
}

void TPicture::LoadFromResourceName(const QString& name)
{
    if (name.isEmpty()) {
        Attach(nullptr);
        return;
    }
    TResourceStream stream(name);
    const TGraphicFactory factory = FileFormat(stream.Extension());
    std::unique_ptr<TGraphic> graphic = factory ? factory() : GraphicForStream(stream);
    graphic->LoadFromStream(stream);
    Attach(std::move(graphic), name);
}

void TPicture::LoadFromClipboardFormat(const QString& format, const QByteArray& data)
{
    TGraphicFactory factory;
    {
        Registry& registry = TheRegistry();
        std::lock_guard lock(registry.lock);
        for (const auto& [name, make] : registry.clipboard) {
            if (name == format)
                factory = make;
        }
    }
    if (!factory)
        throw EInvalidGraphic(QStringLiteral("Unsupported clipboard format %1").arg(format));
    std::unique_ptr<TGraphic> graphic = factory();
    graphic->LoadFromClipboardFormat(format, data);
    Attach(std::move(graphic));
}

bool TPicture::SupportsClipboardFormat(const QString& format)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    for (const auto& entry : registry.clipboard) {
        if (entry.first == format)
            return true;
    }
    return false;
}

// --- The registry -------------------------------------------------------------------------

void TPicture::RegisterFileFormat(const QString& extension, const QString& description,
                                  TGraphicFactory factory)
{
    const QString ext = NormalExtension(extension);
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    for (TPictureFormat& format : registry.files) {
        if (format.extension == ext) {
            format = {ext, description, std::move(factory)};
            return;
        }
    }
    registry.files.push_back({ext, description, std::move(factory)});
}

void TPicture::UnregisterFileFormat(const QString& extension)
{
    const QString ext = NormalExtension(extension);
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    std::erase_if(registry.files, [&](const TPictureFormat& f) { return f.extension == ext; });
}

std::vector<TPictureFormat> TPicture::FileFormats()
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    return registry.files;
}

TGraphicFactory TPicture::FileFormat(const QString& extension)
{
    const QString ext = NormalExtension(extension);
    if (ext.isEmpty())
        return {};
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    for (const TPictureFormat& format : registry.files) {
        if (format.extension == ext)
            return format.factory;
    }
    return {};
}

void TPicture::RegisterClipboardFormat(const QString& format, TGraphicFactory factory)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    for (auto& entry : registry.clipboard) {
        if (entry.first == format) {
            entry.second = std::move(factory);
            return;
        }
    }
    registry.clipboard.emplace_back(format, std::move(factory));
}

void TPicture::UnregisterClipboardFormat(const QString& format)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.lock);
    std::erase_if(registry.clipboard, [&](const auto& entry) { return entry.first == format; });
}
