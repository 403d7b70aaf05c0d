#include "TJetCatalogue.h"

#include "Exception.h"
#include "TJetReader.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

namespace {

TCatalogue::TEntry EntryOf(const TJetRow& row)
{
    TCatalogue::TEntry entry;
    entry.id = row.id;
    entry.parent = row.parent.value_or(0);
    entry.name = QString::fromStdString(row.name.value_or(std::string()));
    entry.file = QString::fromStdString(row.file.value_or(std::string()));
    entry.bytes = qint64(row.storedLength);
    return entry;
}

} // namespace

TJetCatalogue::TJetCatalogue(const QString& path)
    : m_path(path)
{}

QString TJetCatalogue::List(std::optional<qint64> parent,
                            const std::function<void(const TCatalogue::TEntry&)>& visit) const
{
    return TJetReader::Read(m_path, TJetReader::TContent::Lengths,
                            [&](const TJetRow& row) {
                                if (!parent || row.parent == parent)
                                    visit(EntryOf(row));
                            })
        .problem;
}

QString TJetCatalogue::Find(const QString& text,
                            const std::function<void(const TCatalogue::TEntry&)>& visit) const
{
    std::vector<TCatalogue::TEntry> found;
    const QString problem =
        TJetReader::Read(m_path, TJetReader::TContent::Lengths, [&](const TJetRow& row) {
            const TCatalogue::TEntry entry = EntryOf(row);
            if (row.parent && (entry.name.contains(text, Qt::CaseInsensitive) ||
                               entry.file.contains(text, Qt::CaseInsensitive)))
                found.push_back(entry);
        }).problem;
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::pair(a.parent, a.id) < std::pair(b.parent, b.id);
    });
    for (const TCatalogue::TEntry& entry : found)
        visit(entry);
    return problem;
}

void TJetCatalogue::Export(qint64 id, const QString& file) const
{
    std::optional<TJetRow> found;
    const TJetReader::TSummary summary = TJetReader::Read(
        m_path, TJetReader::TContent::ValueOf, [&](const TJetRow& row) { found = row; }, id);
    if (!found) {
        const QString missing =
            QStringLiteral("Catalogue '%1' has no picture with ID %2.").arg(m_path).arg(id);
        throw EDatabaseError(summary.Complete() ? missing
                                                : missing + QLatin1Char(' ') + summary.problem);
    }
    if (found->state == TJetRowFormat::vsNull)
        throw EDatabaseError(
            QStringLiteral("Picture %1 of catalogue '%2' holds no data.").arg(id).arg(m_path));
    if (found->state == TJetRowFormat::vsDamaged)
        throw EDatabaseError(QStringLiteral("Picture %1 of catalogue '%2' is damaged: only %3 of "
                                            "its %4 bytes could be read.")
                                 .arg(id)
                                 .arg(m_path)
                                 .arg(found->bytes.size())
                                 .arg(found->storedLength));
    TCatalogue::Save(QByteArray(found->bytes.data(), qsizetype(found->bytes.size())), file);
}
