#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The current user's branch of the registry, kept as an INI file in the user's
// configuration folder. Keys are the registry's backslash paths ("Software\A\B"), values
// keep their names; a key exists once it is created, even while it holds nothing (its
// unnamed default value marks it). Double words and integers are stored as decimal text,
// strings as themselves.
//
// A file that cannot be read or does not parse is treated as damaged: no key opens and
// nothing is written, so that it is never replaced by the part that could be read.
class TRegistry {
public:
    // The user's registry file: Zentuvio/registry.ini in the XDG configuration folder.
    static QString UserFileName();

    explicit TRegistry(const QString& fileName = UserFileName());
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    const QString& FileName() const { return m_fileName; }
    // True when the file exists but cannot be read or parsed.
    bool Damaged() const { return m_damaged; }

    // Makes key the current key; a key that starts with a backslash is taken from the
    // root, any other from the current key. Without canCreate an absent key is not
    // opened; false when the key is not open afterwards (the current key is unchanged).
    bool OpenKey(const QString& key, bool canCreate);
    void CloseKey();
    // The current key's path from the root, without a leading backslash.
    QString CurrentPath() const { return m_current.join(QLatin1Char('\\')); }
    bool KeyExists(const QString& key) const;
    // The names of the current key's subkeys and values, sorted.
    QStringList GetKeyNames() const;
    QStringList GetValueNames() const;

    bool ValueExists(const QString& name) const;
    // True when the value exists and its data is not empty.
    bool ValueHasData(const QString& name) const;
    // A string value; empty when absent.
    QString ReadString(const QString& name) const;
    // Numbers: raise ERegistryException ("Invalid data type for 'X'") when the value is
    // absent or does not hold a number of that range.
    int ReadInteger(const QString& name) const;
    quint32 ReadDWord(const QString& name) const;
    bool ReadBool(const QString& name) const { return ReadInteger(name) != 0; }

    // Writes go to the current key; they raise ERegistryException when no key is open,
    // when the file is damaged or when the name cannot be stored.
    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void WriteDWord(const QString& name, quint32 value);

    // Writes the changes to the file, replacing it whole; raises ERegistryException when
    // that fails. The destructor flushes too, but quietly.
    void Flush();

    // Runs change on the file's present contents while holding the file's lock, then
    // replaces the file whole, so that a change computed from a stored value cannot be
    // lost to another process writing at the same time. Raises ERegistryException when
    // the lock cannot be had, the file is damaged or cannot be replaced.
    static void Update(const QString& fileName, const std::function<void(TRegistry&)>& change);

private:
    QString SettingsKey(const QStringList& path, const QString& valueName) const;
    QStringList ResolvedPath(const QString& key) const;
    bool PathExists(const QStringList& path) const;
    QVariant RawValue(const QString& name) const;
    void Write(const QString& name, const QVariant& value);
    qint64 ReadNumber(const QString& name, qint64 low, qint64 high) const;

    QString m_fileName;
    std::unique_ptr<QSettings> m_settings;
    QStringList m_current;
    bool m_open = false;
    bool m_damaged = false;
};
