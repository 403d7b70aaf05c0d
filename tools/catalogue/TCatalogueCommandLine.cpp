#include "TCatalogueCommandLine.h"

#include "Exception.h"
#include "TPgUri.h"

#include <array>
#include <utility>

namespace {

const QString parentOption = QStringLiteral("--parent");

const std::array<std::pair<const char*, TCatalogueCommandLine::TCommand>, 8> commands = {{
    {"create", TCatalogueCommandLine::TCommand::Create},
    {"import", TCatalogueCommandLine::TCommand::Import},
    {"list", TCatalogueCommandLine::TCommand::List},
    {"find", TCatalogueCommandLine::TCommand::Find},
    {"export", TCatalogueCommandLine::TCommand::Export},
    {"remove", TCatalogueCommandLine::TCommand::Remove},
    {"index", TCatalogueCommandLine::TCommand::Index},
    {"import-mdb", TCatalogueCommandLine::TCommand::ImportMdb},
}};

qint64 ParseNumber(const QString& text, const QString& what)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok)
        throw Exception(QStringLiteral("%1 must be a whole number, not '%2'.").arg(what, text));
    return number;
}

TCatalogueCommandLine::TCommand ParseCommand(const QString& word)
{
    for (const auto& [name, command] : commands) {
        if (word == QLatin1String(name))
            return command;
    }
    throw Exception(QStringLiteral("Unknown command '%1'.").arg(word));
}

} // namespace

TCatalogueCommandLine::TCatalogueCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        throw Exception(QStringLiteral("No command given."));
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h")))
        return;
    m_command = ParseCommand(arguments.first());
    if (arguments.size() < 2)
        throw Exception(
            QStringLiteral("'%1' needs the catalogue file or server URI.").arg(arguments.first()));
    m_database = arguments[1];
    TPgUri::CheckNoPassword(m_database);
    ReadOperands(TakeParent(arguments.mid(2)));
    if (m_command == TCommand::ImportMdb)
        TPgUri::CheckNoPassword(m_files.front());
}

// Removes --parent N (or --parent=N) from arguments and keeps N.
QStringList TCatalogueCommandLine::TakeParent(QStringList arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == parentOption) {
            if (i + 1 == arguments.size())
                throw Exception(QStringLiteral("--parent needs a category code."));
            value = arguments.takeAt(i + 1);
        } else if (arguments[i].startsWith(parentOption + QLatin1Char('='))) {
            value = arguments[i].mid(parentOption.size() + 1);
        } else {
            continue;
        }
        if (m_parent)
            throw Exception(QStringLiteral("--parent is given twice."));
        m_parent = ParseNumber(value, QStringLiteral("The category code"));
        arguments.removeAt(i--);
    }
    return arguments;
}

void TCatalogueCommandLine::ReadOperands(const QStringList& operands)
{
    const bool takesParent = m_command == TCommand::Import || m_command == TCommand::List;
    if (m_parent && !takesParent)
        throw Exception(QStringLiteral("Only import and list take --parent."));
    for (const QString& operand : operands) {
        if (operand.startsWith(QLatin1String("--")))
            throw Exception(QStringLiteral("Unknown option '%1'.").arg(operand));
    }
    switch (m_command) {
    case TCommand::Import:
        if (!m_parent)
            throw Exception(QStringLiteral("import needs --parent with the category code."));
        if (operands.isEmpty())
            throw Exception(QStringLiteral("import needs the files or folders to add."));
        m_files = operands;
        return;
    case TCommand::Find:
        if (operands.size() != 1 || operands.front().isEmpty())
            throw Exception(QStringLiteral("find needs the text to look for, as one argument."));
        m_text = operands.front();
        return;
    case TCommand::Export:
        if (operands.size() != 2)
            throw Exception(QStringLiteral("export needs the picture ID and the target file."));
        m_ids.push_back(ParseNumber(operands[0], QStringLiteral("A picture ID")));
        m_files = operands.mid(1);
        return;
    case TCommand::ImportMdb:
        if (operands.size() != 1)
            throw Exception(
                QStringLiteral("import-mdb needs the Access file and the new catalogue."));
        m_files = operands;
        return;
    case TCommand::Remove:
        if (operands.isEmpty())
            throw Exception(QStringLiteral("remove needs the IDs of the pictures."));
        for (const QString& operand : operands)
            m_ids.push_back(ParseNumber(operand, QStringLiteral("A picture ID")));
        return;
    default:
        if (!operands.isEmpty())
            throw Exception(QStringLiteral("Unexpected argument '%1'.").arg(operands.first()));
    }
}

QString TCatalogueCommandLine::Usage()
{
    return QStringLiteral(
        "Usage: zentuvio-catalogue COMMAND DB ...\n"
        "Builds and keeps picture catalogues for the Zentuvio gallery.\n"
        "DB is a catalogue file or a catalogue on a PostgreSQL server, named by its URI:\n"
        "postgresql://[user@]host[:port]/dbname[?param=value&...] (libpq's syntax; the\n"
        "password comes from ~/.pgpass, PGPASSWORD or PGSERVICE, never from the URI).\n"
        "\n"
        "  create DB                        make a new, empty catalogue: a new file, or the\n"
        "                                   table and its indexes in an existing database\n"
        "  import DB --parent N FILE|DIR... add pictures under category code N (folders\n"
        "                                   are read recursively); JPEG, bitmap, PNG and\n"
        "                                   SVG files are stored as they are, other raster\n"
        "                                   pictures as PNG; files that are not pictures\n"
        "                                   are skipped and listed\n"
        "  list DB [--parent N]             one line per picture: ID, category, name,\n"
        "                                   file name and size in bytes, tab-separated\n"
        "  find DB TEXT                     list's lines for the pictures whose name or file\n"
        "                                   name holds TEXT, whatever its case, by category\n"
        "                                   and then by ID; exit status 1 when none does\n"
        "  export DB ID FILE                write a picture's stored bytes to FILE\n"
        "  remove DB ID...                  remove pictures (all or none)\n"
        "  index DB                         add what is missing of the indexes that the\n"
        "                                   gallery needs to open a category and to find\n"
        "                                   pictures by name without reading the whole\n"
        "                                   table (on category and on names); the pictures\n"
        "                                   stay as they are. Run it once on a catalogue\n"
        "                                   made by another program, or by an older version\n"
        "  import-mdb ACCESS.mdb NEW.db     copy every picture of an Access (Jet) catalogue,\n"
        "                                   with its category, names and ID, into a new\n"
        "                                   catalogue; pictures that Access wrapped as OLE\n"
        "                                   objects are unwrapped, and the rows that cannot\n"
        "                                   be are named and copied as they are\n"
        "  --help                           show this text\n"
        "\n"
        "Category codes shown by the gallery: 0 icons, 10 screen templates.\n"
        "Several programs may import into one server's catalogue at once. On a server,\n"
        "the index of names needs the extension pg_trgm, which create and index add when\n"
        "the role may (it needs CREATE on the database); without it find reads every row.\n"
        "list, find and export also read Access (Jet) catalogues, which are never changed.\n"
        "A catalogue made by another program needs only the columns parent and Mirelvane\n"
        "in its table picture; its pictures' IDs are then their row ids, and names are\n"
        "kept only where the table has columns name and file.\n"
        "Exit status: 0 done, 1 failed, files skipped or nothing found, 2 wrong command\n"
        "line.\n");
}
