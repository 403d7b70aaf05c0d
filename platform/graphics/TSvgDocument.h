#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// A checked SVG drawing, shared by every image that holds the same bytes: its own size
// and the pixels it was last rendered to, so that repainting a page of drawings parses
// and renders nothing again. Documents live in a process-wide cache of bounded size,
// found by their bytes; the verdict on a damaged drawing is kept there too, so a
// drawing that ran out of time is not tried again at every paint.
//
// Parsing and rendering run within TSvgLimits::RenderBudgetMs on a thread of their own
// (TBoundedTask), after TSvgLimits::Check. Any thread may use a document; rendering
// needs a QGuiApplication (for the fonts of text in drawings).
class TSvgDocument {
public:
    // Made by Open only.
    TSvgDocument(QByteArray data, QSize size);

    // The document for data: raises EInvalidGraphic "SVG image is not valid", "SVG image
    // is too complex" or "SVG image is too large" (its own size beyond TPictureLimits).
    static std::shared_ptr<TSvgDocument> Open(const QByteArray& data);
    // Forgets every cached document and verdict (tests measuring a first paint).
    static void ClearCache();

    const QByteArray& Data() const { return m_data; }
    // The size the drawing declares (width and height, else its view box), in pixels.
    QSize Size() const { return m_size; }

    // The drawing scaled to exactly pixels (aspect ratio not kept), transparent where
    // it draws nothing; a null image when pixels is empty or beyond TPictureLimits, and
    // from then on always when a rendering did not finish in time.
    QImage Render(QSize pixels);

    // What a document takes in memory: its bytes and kept renderings.
    qint64 Cost() const;

private:
    // The answer known without rendering: a kept rendering of that size, or a null image
    // once a rendering overran; nothing when it has to be rendered.
    std::optional<QImage> KnownRendering(QSize pixels);

    // The renderings kept per document, most recent last.
    static constexpr int keptRenderings = 4;

    const QByteArray m_data;
    const QSize m_size;
    mutable std::mutex m_lock;
    std::vector<QImage> m_renderings;
    bool m_overran = false;
};
