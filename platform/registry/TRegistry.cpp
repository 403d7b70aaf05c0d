#include "TRegistry.h"

#include "ERegistryException.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>
#include <limits>

namespace {

// The unnamed default value of a key; every created key holds it, so that a key with
// nothing in it still exists in the file.
const QString DefaultValueName = QStringLiteral("@");
// How long Update waits for another process to finish its change.
constexpr int LockTimeoutMs = 10000;

QString InvalidDataType(const QString& name)
{
    return QStringLiteral("Invalid data type for '%1'").arg(name);
}

void CheckStorableName(const QString& name)
{
    // The INI file's own separators cannot stand inside a name.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        throw ERegistryException(QStringLiteral("Invalid registry name '%1'").arg(name));
}

QByteArray ReadWholeFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw ERegistryException(QStringLiteral("Cannot read the registry file %1").arg(fileName));
    return file.readAll();
}

} // namespace

QString TRegistry::UserFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zentuvio/registry.ini");
}

TRegistry::TRegistry(const QString& fileName)
    : m_fileName(fileName)
    , m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
    m_damaged = m_settings->status() != QSettings::NoError;
}

TRegistry::~TRegistry() = default;

QStringList TRegistry::ResolvedPath(const QString& key) const
{
    QStringList path = key.startsWith(QLatin1Char('\\')) ? QStringList() : m_current;
    for (const QString& part : key.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        CheckStorableName(part);
        path << part;
    }
    return path;
}

QString TRegistry::SettingsKey(const QStringList& path, const QString& valueName) const
{
    const QString name = valueName.isEmpty() ? DefaultValueName : valueName;
    CheckStorableName(name);
    return (QStringList(path) << name).join(QLatin1Char('/'));
}

bool TRegistry::PathExists(const QStringList& path) const
{
    if (path.isEmpty())
        return true;
    m_settings->beginGroup(path.join(QLatin1Char('/')));
    const bool exists = !m_settings->childKeys().isEmpty() || !m_settings->childGroups().isEmpty();
    m_settings->endGroup();
    return exists;
}

bool TRegistry::OpenKey(const QString& key, bool canCreate)
{
    if (m_damaged)
        return false;
    const QStringList path = ResolvedPath(key);
    if (!PathExists(path)) {
        if (!canCreate)
            return false;
        m_settings->setValue(SettingsKey(path, QString()), QString());
    }
    m_current = path;
    m_open = true;
    return true;
}

void TRegistry::CloseKey()
{
    m_current.clear();
    m_open = false;
}

bool TRegistry::KeyExists(const QString& key) const
{
    return !m_damaged && PathExists(ResolvedPath(key));
}

QStringList TRegistry::GetKeyNames() const
{
    if (!m_open)
        return {};
    m_settings->beginGroup(m_current.join(QLatin1Char('/')));
    QStringList names = m_settings->childGroups();
    m_settings->endGroup();
    names.sort();
    return names;
}

QStringList TRegistry::GetValueNames() const
{
    if (!m_open)
        return {};
    m_settings->beginGroup(m_current.join(QLatin1Char('/')));
    QStringList names = m_settings->childKeys();
    m_settings->endGroup();
    names.removeAll(DefaultValueName);
    names.sort();
    return names;
}

QVariant TRegistry::RawValue(const QString& name) const
{
    if (!m_open)
        return {};
    return m_settings->value(SettingsKey(m_current, name));
}

bool TRegistry::ValueExists(const QString& name) const
{
    return RawValue(name).isValid();
}

bool TRegistry::ValueHasData(const QString& name) const
{
    return !ReadString(name).isEmpty();
}

QString TRegistry::ReadString(const QString& name) const
{
    const QVariant value = RawValue(name);
    // An unquoted comma in a hand-written value makes the INI reader split it.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

qint64 TRegistry::ReadNumber(const QString& name, qint64 low, qint64 high) const
{
    bool ok = false;
    const qint64 number = ReadString(name).trimmed().toLongLong(&ok, 10);
    if (!ok || number < low || number > high)
        throw ERegistryException(InvalidDataType(name));
    return number;
}

int TRegistry::ReadInteger(const QString& name) const
{
    return int(ReadNumber(name, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

quint32 TRegistry::ReadDWord(const QString& name) const
{
    return quint32(ReadNumber(name, 0, std::numeric_limits<quint32>::max()));
}

void TRegistry::Write(const QString& name, const QVariant& value)
{
    if (m_damaged)
        throw ERegistryException(
            QStringLiteral("The registry file %1 is damaged; it is left unchanged")
                .arg(m_fileName));
    if (!m_open)
        throw ERegistryException(QStringLiteral("No registry key is open"));
    m_settings->setValue(SettingsKey(m_current, name), value);
}

void TRegistry::WriteString(const QString& name, const QString& value)
{
    Write(name, value);
}

void TRegistry::WriteInteger(const QString& name, int value)
{
    Write(name, QString::number(value));
}

void TRegistry::WriteDWord(const QString& name, quint32 value)
{
    Write(name, QString::number(value));
}

void TRegistry::Flush()
{
    QDir().mkpath(QFileInfo(m_fileName).absolutePath());
    // QSettings replaces the file through a save file (atomic sync is its default).
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw ERegistryException(
            QStringLiteral("Cannot write the registry file %1").arg(m_fileName));
}

void TRegistry::Update(const QString& fileName, const std::function<void(TRegistry&)>& change)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    // The lock QSettings itself takes while it writes the file, so that plain writes
    // of other processes wait for this change too.
    QLockFile lock(fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(LockTimeoutMs))
        throw ERegistryException(QStringLiteral("Cannot lock the registry file %1").arg(fileName));

    // The change works on a copy beside the file, which then replaces it in one rename.
    QTemporaryFile copy(fileName + QStringLiteral(".XXXXXX"));
    if (!copy.open() || copy.write(ReadWholeFile(fileName)) < 0 || !copy.flush())
        throw ERegistryException(QStringLiteral("Cannot write the registry file %1").arg(fileName));
    copy.close();
    {
        TRegistry working(copy.fileName());
        if (working.Damaged())
            throw ERegistryException(
                QStringLiteral("The registry file %1 is damaged; it is left unchanged")
                    .arg(fileName));
        change(working);
        working.Flush();
    }
    if (std::rename(QFile::encodeName(copy.fileName()).constData(),
                    QFile::encodeName(fileName).constData()) != 0)
        throw ERegistryException(
            QStringLiteral("Cannot replace the registry file %1").arg(fileName));
}
