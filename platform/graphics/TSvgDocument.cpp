#include "TSvgDocument.h"

#include "Exception.h"
#include "TBoundedTask.h"
#include "TPictureLimits.h"
#include "TSvgLimits.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <list>
#include <optional>

namespace {

// Documents and verdicts by bytes, least recently used first out once their costs pass
// the cache's budget.
class DocumentCache {
public:
    static constexpr qint64 budget = 64 * 1024 * 1024; // bytes
    static constexpr qsizetype maxEntries = 512;

    struct Entry {
        QByteArray data;
        std::shared_ptr<TSvgDocument> document; // null for a damaged drawing
        QString error;
    };

    // The entry for data, made most recent; nullptr when there is none.
    std::optional<Entry> Find(const QByteArray& data)
    {
        const std::lock_guard guard(m_lock);
        const auto found = m_index.constFind(data);
        if (found == m_index.cend())
            return std::nullopt;
        m_entries.splice(m_entries.end(), m_entries, found.value());
        return *found.value();
    }

    void Insert(Entry entry)
    {
        const std::lock_guard guard(m_lock);
        if (m_index.contains(entry.data))
            return;
        m_entries.push_back(std::move(entry));
        m_index.insert(m_entries.back().data, std::prev(m_entries.end()));
        Trim();
    }

    void Clear()
    {
        const std::lock_guard guard(m_lock);
        m_index.clear();
        m_entries.clear();
    }

private:
    static qint64 CostOf(const Entry& entry)
    {
        return entry.document ? entry.document->Cost() : entry.data.size();
    }

    // Renderings grow the documents' costs after insertion, so the sum is taken anew.
    void Trim()
    {
        qint64 total = 0;
        for (const Entry& entry : m_entries)
            total += CostOf(entry);
        while (m_entries.size() > 1 &&
               (total > budget || qsizetype(m_entries.size()) > maxEntries)) {
            total -= CostOf(m_entries.front());
            m_index.remove(m_entries.front().data);
            m_entries.pop_front();
        }
    }

    std::mutex m_lock;
    std::list<Entry> m_entries;
    QHash<QByteArray, std::list<Entry>::iterator> m_index;
};

DocumentCache& TheCache()
{
    static DocumentCache cache;
    return cache;
}

// A renderer on the calling thread, without the animation timer that such a thread
// could not run.
bool Load(QSvgRenderer& renderer, const QByteArray& data)
{
    renderer.setFramesPerSecond(0);
    return renderer.load(data) && renderer.isValid();
}

// The declared size, or nothing for a drawing that Qt cannot read; on a thread of its own.
std::optional<QSize> DeclaredSize(const QByteArray& data)
{
    return TBoundedTask::Run<QSize>(
        [data] {
            QSvgRenderer renderer;
            if (!Load(renderer, data))
                return QSize();
            const QSize size = renderer.defaultSize();
            return size.isEmpty() ? renderer.viewBoxF().size().toSize() : size;
        },
        TSvgLimits::RenderBudgetMs);
}

std::shared_ptr<TSvgDocument> Parse(const QByteArray& data)
{
    TSvgLimits::Check(data);
    const std::optional<QSize> size = DeclaredSize(data);
    if (!size)
        throw EInvalidGraphic(QStringLiteral("SVG image is too complex"));
    if (size->isEmpty())
        throw EInvalidGraphic(QStringLiteral("SVG image is not valid"));
    if (!TPictureLimits::Allows(*size))
        throw EInvalidGraphic(QStringLiteral("SVG image is too large"));
    return std::make_shared<TSvgDocument>(data, *size);
}

} // namespace

TSvgDocument::TSvgDocument(QByteArray data, QSize size)
    : m_data(std::move(data))
    , m_size(size)
{}

std::shared_ptr<TSvgDocument> TSvgDocument::Open(const QByteArray& data)
{
    DocumentCache& cache = TheCache();
    if (const std::optional<DocumentCache::Entry> known = cache.Find(data)) {
        if (!known->document)
            throw EInvalidGraphic(known->error);
        return known->document;
    }
    try {
        std::shared_ptr<TSvgDocument> document = Parse(data);
        cache.Insert({data, document, QString()});
        return document;
    } catch (const EInvalidGraphic& error) {
        cache.Insert({data, nullptr, error.Message()});
        throw;
    }
}

void TSvgDocument::ClearCache()
{
    TheCache().Clear();
}

QImage TSvgDocument::Render(QSize pixels)
{
    if (!TPictureLimits::Allows(pixels))
        return QImage();
    if (std::optional<QImage> known = KnownRendering(pixels))
        return *known;
    const std::optional<QImage> rendered = TBoundedTask::Run<QImage>(
        [data = m_data, pixels] {
            QSvgRenderer renderer;
            QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            if (!Load(renderer, data))
                return QImage();
            QPainter painter(&image);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
            return image;
        },
        TSvgLimits::RenderBudgetMs);
    const std::lock_guard guard(m_lock);
    if (!rendered || rendered->isNull()) {
        m_overran = true;
        return QImage();
    }
    if (int(m_renderings.size()) == keptRenderings)
        m_renderings.erase(m_renderings.begin());
    m_renderings.push_back(*rendered);
    return *rendered;
}

// A kept rendering is made the most recent.
std::optional<QImage> TSvgDocument::KnownRendering(QSize pixels)
{
    const std::lock_guard guard(m_lock);
    if (m_overran)
        return QImage();
    const auto kept =
        std::find_if(m_renderings.begin(), m_renderings.end(),
                     [pixels](const QImage& image) { return image.size() == pixels; });
    if (kept == m_renderings.end())
        return std::nullopt;
    std::rotate(kept, kept + 1, m_renderings.end());
    return m_renderings.back();
}

qint64 TSvgDocument::Cost() const
{
    const std::lock_guard guard(m_lock);
    qint64 cost = m_data.size();
    for (const QImage& image : m_renderings)
        cost += image.sizeInBytes();
    return cost;
}
