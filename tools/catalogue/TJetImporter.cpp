#include "TJetImporter.h"

#include "Exception.h"
#include "TAccessOleObject.h"
#include "TCatalogue.h"
#include "TCatalogueStore.h"
#include "TJetReader.h"

namespace {

TCatalogue::TPicture PictureOf(const TJetRow& row, TJetImporter::TReport& report)
{
    TCatalogue::TPicture picture;
    picture.id = row.id;
    picture.parent = row.parent.value_or(0);
    picture.name = QString::fromStdString(row.name.value_or(std::string()));
    picture.file = QString::fromStdString(row.file.value_or(std::string()));
    if (row.state == TJetRowFormat::vsNull)
        return picture;
    const QByteArray stored(row.bytes.data(), qsizetype(row.bytes.size()));
    const TAccessOleObject::TResult unwrapped = TAccessOleObject::Unwrap(stored);
    picture.data =
        unwrapped.kind == TAccessOleObject::TKind::Unwrapped ? unwrapped.picture : stored;
    if (unwrapped.kind == TAccessOleObject::TKind::Unknown)
        report.notes.push_back(
            {row.number, QStringLiteral("its picture could not be unwrapped (%1); "
                                        "it is copied as stored")
                             .arg(unwrapped.problem)});
    if (row.state == TJetRowFormat::vsDamaged)
        report.notes.push_back({row.number, QStringLiteral("only %1 of the %2 bytes of its picture "
                                                           "could be read; they are copied")
                                                .arg(row.bytes.size())
                                                .arg(row.storedLength)});
    return picture;
}

// Adds the row under its own ID, or under a new one when a damaged table repeats an ID.
void Add(TCatalogue& catalogue, TCatalogue::TPicture picture, quint64 row,
         TJetImporter::TReport& report)
{
    try {
        catalogue.Add(picture);
    } catch (const EDatabaseError&) {
        const qint64 taken = *picture.id;
        picture.id.reset();
        const qint64 id = catalogue.Add(picture);
        report.notes.push_back(
            {row, QStringLiteral("its ID %1 was taken by an earlier row; it is copied as ID %2")
                      .arg(taken)
                      .arg(id)});
    }
    ++report.copied;
}

} // namespace

TJetImporter::TReport TJetImporter::Import(const QString& access, const QString& target)
{
    if (TCatalogueStore::Detect(access) != TCatalogueStore::TKind::Jet)
        throw EDatabaseError(
            QStringLiteral("'%1' is not an Access (Jet) database: there is nothing to convert.")
                .arg(access));
    TCatalogue::Create(target);
    TReport report;
    try {
        TCatalogue catalogue(target);
        catalogue.InTransaction([&] {
            report.problem =
                TJetReader::Read(access, TJetReader::TContent::Values, [&](const TJetRow& row) {
                    Add(catalogue, PictureOf(row, report), row.number, report);
                }).problem;
        });
    } catch (...) {
        TCatalogue::DiscardNew(target);
        throw;
    }
    return report;
}
