#include "TCatalogue.h"

#include "Exception.h"
#include "TCatalogueStore.h"
#include "TPgCatalogue.h"
#include "TPgUri.h"
#include "TSQLiteCatalogue.h"

#include <QFile>
#include <QSaveFile>

QString TCatalogue::Create(const QString& location)
{
    if (TPgUri::IsUri(location))
        return TPgCatalogue::Create(location);
    TSQLiteCatalogue::Create(location);
    return QString();
}

void TCatalogue::DiscardNew(const QString& location)
{
    if (TPgUri::IsUri(location))
        TPgCatalogue::DiscardNew(location);
    else
        QFile::remove(location);
}

// The store is told before the file is opened for writing: an Access file is never
// opened so.
TCatalogue::TCatalogue(const QString& location)
{
    const TCatalogueStore::TKind store = TCatalogueStore::Detect(location);
    if (const QString readOnly = TCatalogueStore::ReadOnlyReason(store, location);
        !readOnly.isEmpty())
        throw EDatabaseError(readOnly);
    if (store == TCatalogueStore::TKind::PostgreSQL)
        m_backend = std::make_unique<TPgCatalogue>(location);
    else
        m_backend = std::make_unique<TSQLiteCatalogue>(location);
}

TCatalogue::~TCatalogue() = default;

QString TCatalogue::Path() const
{
    return m_backend->Location();
}

QStringList TCatalogue::MissingNameColumns() const
{
    return m_backend->MissingNameColumns();
}

void TCatalogue::InTransaction(const std::function<void()>& work)
{
    m_backend->InTransaction(work);
}

qint64 TCatalogue::Add(const TPicture& picture)
{
    return m_backend->Add(picture);
}

void TCatalogue::List(std::optional<qint64> parent, const std::function<void(const TEntry&)>& visit)
{
    m_backend->List(parent, visit);
}

void TCatalogue::Find(const QString& text, const std::function<void(const TEntry&)>& visit)
{
    CheckNames();
    m_backend->Find(text, visit);
}

QByteArray TCatalogue::PictureData(qint64 id)
{
    const QByteArray data = m_backend->PictureData(id);
    if (data.isNull())
        throw EDatabaseError(
            QStringLiteral("Picture %1 of catalogue '%2' holds no data.").arg(id).arg(Path()));
    return data;
}

void TCatalogue::Export(qint64 id, const QString& file)
{
    Save(PictureData(id), file);
}

void TCatalogue::Save(const QByteArray& data, const QString& file)
{
    // QSaveFile writes beside the target and renames, so a failed write loses nothing.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        throw EFCreateError(QStringLiteral("Cannot write '%1': %2.").arg(file, out.errorString()));
}

void TCatalogue::Remove(const std::vector<qint64>& ids)
{
    m_backend->Remove(ids);
}

bool TCatalogue::AddParentIndex()
{
    return m_backend->AddParentIndex();
}

bool TCatalogue::AddNameIndex()
{
    CheckNames();
    return m_backend->AddNameIndex();
}

void TCatalogue::CheckNames() const
{
    if (MissingNameColumns().size() == 2)
        throw EDatabaseError(QStringLiteral("Catalogue '%1' keeps no names of its pictures: table "
                                            "picture has no column name or file.")
                                 .arg(Path()));
}
