#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The command line of zentuvio-catalogue, checked completely before anything runs:
//   create DB | import DB --parent N FILE|DIR... | list DB [--parent N]
//   find DB TEXT | export DB ID FILE | remove DB ID... | index DB
//   import-mdb ACCESS.mdb NEW.db | --help
// A wrong command line raises Exception whose text says what is wrong.
class TCatalogueCommandLine {
public:
    enum class TCommand { Help, Create, Import, List, Find, Export, Remove, Index, ImportMdb };

    // arguments: without the program name.
    explicit TCatalogueCommandLine(const QStringList& arguments);

    TCommand Command() const { return m_command; }
    const QString& Database() const { return m_database; }
    // The category code of --parent, when given.
    std::optional<qint64> Parent() const { return m_parent; }
    // import: the files and folders; export: the one target file; import-mdb: the new
    // catalogue.
    const QStringList& Files() const { return m_files; }
    // find: the text sought.
    const QString& Text() const { return m_text; }
    // export: the one picture; remove: the pictures.
    const std::vector<qint64>& Ids() const { return m_ids; }

    static QString Usage();

private:
    QStringList TakeParent(QStringList arguments);
    void ReadOperands(const QStringList& operands);

    TCommand m_command = TCommand::Help;
    QString m_database;
    std::optional<qint64> m_parent;
    QStringList m_files;
    QString m_text;
    std::vector<qint64> m_ids;
};
