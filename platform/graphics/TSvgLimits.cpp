#include "TSvgLimits.h"

#include "Exception.h"
#include "TImageFormat.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

namespace {

EInvalidGraphic TooComplex()
{
    return EInvalidGraphic(QStringLiteral("SVG image is too complex"));
}

EInvalidGraphic NotValid()
{
    return EInvalidGraphic(QStringLiteral("SVG image is not valid"));
}

// The elements of a drawing numbered in order of appearance, enough to count what its
// <use> references repeat: an element with an id spans the numbers of its subtree.
class ElementCounter {
public:
    // Reads the whole drawing; raises at the first limit it passes.
    void Read(QXmlStreamReader& reader);
    // The elements as drawn, each <use> adding what its target draws.
    qint64 DrawnElements();

private:
    struct Span {
        qint64 first = 0; // number of the element itself
        qint64 last = 0;  // of the last element of its subtree
    };
    struct Use {
        qint64 number = 0;
        QString target;
    };
    using UseIterator = std::vector<Use>::const_iterator;
    // An id whose count is being summed, and how far through the uses of its subtree.
    struct Frame {
        QString id;
        UseIterator next, end;
        qint64 sum = 0;
    };

    void StartElement(QXmlStreamReader& reader);
    void EndElement();
    void Count(qint64& counter, qint64 amount, qint64 limit) const;
    qint64 DrawnBy(const QString& id);
    void Enter(const QString& id, std::vector<Frame>& stack);

    qint64 m_elements = 0;
    qint64 m_characters = 0;
    std::vector<std::pair<QString, qint64>> m_open; // (id, number) of the open elements
    QHash<QString, Span> m_spans;
    std::vector<Use> m_uses; // by number
    QHash<QString, qint64> m_drawn;
    QSet<QString> m_entered;
};

void ElementCounter::Read(QXmlStreamReader& reader)
{
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            StartElement(reader);
            break;
        case QXmlStreamReader::EndElement:
            EndElement();
            break;
        case QXmlStreamReader::Characters:
            Count(m_characters, reader.text().size(), TSvgLimits::MaxCharacters);
            break;
        default:
            break;
        }
    }
    // Among the errors: an entity that expands beyond the reader's own limit.
    if (reader.hasError())
        throw NotValid();
}

void ElementCounter::StartElement(QXmlStreamReader& reader)
{
    if (m_elements == 0 && reader.name() != QLatin1String("svg"))
        throw NotValid();
    Count(m_elements, 1, TSvgLimits::MaxElements);
    if (int(m_open.size()) >= TSvgLimits::MaxDepth)
        throw TooComplex();
    const QXmlStreamAttributes attributes = reader.attributes();
    for (const QXmlStreamAttribute& attribute : attributes)
        Count(m_characters, attribute.value().size(), TSvgLimits::MaxCharacters);
    m_open.emplace_back(attributes.value(QLatin1String("id")).toString(), m_elements);
    if (reader.name() != QLatin1String("use"))
        return;
    QStringView target =
        attributes.value(QLatin1String("http://www.w3.org/1999/xlink"), QLatin1String("href"));
    if (target.isEmpty())
        target = attributes.value(QLatin1String("href"));
    if (target.startsWith(QLatin1Char('#')))
        m_uses.push_back({m_elements, target.mid(1).toString()});
}

void ElementCounter::EndElement()
{
    const auto& [id, number] = m_open.back();
    if (!id.isEmpty())
        m_spans.insert(id, {number, m_elements});
    m_open.pop_back();
}

void ElementCounter::Count(qint64& counter, qint64 amount, qint64 limit) const
{
    counter += amount;
    if (counter > limit)
        throw TooComplex();
}

qint64 ElementCounter::DrawnElements()
{
    qint64 total = m_elements;
    for (const Use& use : m_uses)
        Count(total, DrawnBy(use.target), TSvgLimits::MaxDrawnElements);
    return total;
}

// Depth first without recursion, so that a long chain of references cannot exhaust the
// stack; what an id draws is counted once and remembered. A reference cycle is too
// complex.
qint64 ElementCounter::DrawnBy(const QString& id)
{
    std::vector<Frame> stack;
    Enter(id, stack);
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next != top.end) {
            const QString& target = (top.next++)->target;
            if (const auto known = m_drawn.constFind(target); known != m_drawn.cend())
                Count(top.sum, known.value(), TSvgLimits::MaxDrawnElements);
            else
                Enter(target, stack);
            continue;
        }
        const Frame done = stack.back();
        stack.pop_back();
        m_drawn.insert(done.id, done.sum);
        if (!stack.empty())
            Count(stack.back().sum, done.sum, TSvgLimits::MaxDrawnElements);
    }
    return m_drawn.value(id);
}

void ElementCounter::Enter(const QString& id, std::vector<Frame>& stack)
{
    const Span span = m_spans.value(id);
    if (span.first == 0) { // no element has that id: the reference draws nothing
        m_drawn.insert(id, 0);
        return;
    }
    if (m_entered.contains(id))
        throw TooComplex();
    m_entered.insert(id);
    const auto byNumber = [](const Use& use, qint64 number) { return use.number < number; };
    const UseIterator begin =
        std::lower_bound(m_uses.cbegin(), m_uses.cend(), span.first, byNumber);
    const UseIterator end = std::lower_bound(begin, m_uses.cend(), span.last + 1, byNumber);
    stack.push_back({id, begin, end, span.last - span.first + 1});
}

} // namespace

void TSvgLimits::Check(const QByteArray& data)
{
    if (data.size() > MaxBytes)
        throw TooComplex();
    if (!TImageFormat::IsSvg(data))
        throw NotValid();
    QXmlStreamReader reader(data);
    ElementCounter counter;
    counter.Read(reader);
    counter.DrawnElements();
}
