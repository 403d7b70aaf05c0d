#include "TCatalogueStore.h"

#include "Exception.h"
#include "TPgUri.h"

#include <QFile>
#include <QFileInfo>
#include <utility>

namespace {

// SQLite: a 16-byte text at the start. Jet: the format's name at byte 4 (Jet 3 and 4,
// and the ACE format of later Access versions).
constexpr qsizetype headerBytes = 20;
const QByteArray sqliteSignature("SQLite format 3\0", 16);
constexpr qsizetype jetSignatureAt = 4;
const QByteArray jetSignature("Standard Jet DB\0", 16);
const QByteArray aceSignature("Standard ACE DB\0", 16);

// What a few files that people mistake for catalogues are, to name in the message.
QString Resemblance(const QByteArray& header)
{
    static const std::pair<const char*, const char*> pictures[] = {
        {"\xFF\xD8\xFF", "JPEG"}, {"\x89PNG", "PNG"}, {"GIF8", "GIF"}, {"BM", "bitmap"}};
    for (const auto& [signature, kind] : pictures) {
        if (header.startsWith(signature))
            return QStringLiteral(" (it holds a %1 picture)").arg(QLatin1String(kind));
    }
    if (header.count('\0') == header.size())
        return QStringLiteral(" (its first bytes are all zero: its header is lost)");
    return QString();
}

} // namespace

TCatalogueStore::TKind TCatalogueStore::Detect(const QString& location)
{
    if (TPgUri::IsUri(location))
        return TKind::PostgreSQL;
    const QFileInfo info(location);
    if (!info.exists() || info.isDir() || info.size() == 0)
        return TKind::SQLite;
    QFile file(location);
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(QStringLiteral("Cannot read the catalogue '%1': %2.")
                                 .arg(location, file.errorString()));
    const QByteArray header = file.read(headerBytes);
    if (header.startsWith(sqliteSignature))
        return TKind::SQLite;
    const QByteArray atJetSignature = header.mid(jetSignatureAt, jetSignature.size());
    if (atJetSignature == jetSignature || atJetSignature == aceSignature)
        return TKind::Jet;
    throw EDatabaseError(QStringLiteral("'%1' is not a picture catalogue: it is neither an "
                                        "SQLite database nor an Access (Jet) database%2.")
                             .arg(location, Resemblance(header)));
}

QString TCatalogueStore::ReadOnlyReason(TKind kind, const QString& location)
{
    if (kind != TKind::Jet)
        return QString();
    return QStringLiteral("The catalogue '%1' is an Access (Jet) database, which is only read, "
                          "never changed: convert it with 'zentuvio-catalogue import-mdb' to a "
                          "catalogue that can be.")
        .arg(location);
}
