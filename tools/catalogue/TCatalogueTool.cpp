#include "TCatalogueTool.h"

#include "Exception.h"
#include "TCatalogue.h"
#include "TCatalogueCommandLine.h"
#include "TCatalogueImporter.h"
#include "TCatalogueStore.h"
#include "TJetCatalogue.h"
#include "TJetImporter.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <optional>

namespace {

// A progress line at most this often, so that short imports print none.
constexpr qint64 progressIntervalMs = 1000;

const QLatin1String programName("zentuvio-catalogue");

} // namespace

TCatalogueTool::TCatalogueTool(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{}

int TCatalogueTool::Run(const QStringList& arguments)
{
    std::optional<TCatalogueCommandLine> commandLine;
    try {
        commandLine.emplace(arguments);
    } catch (const Exception& error) {
        m_err << programName << ": " << error.Message() << "\n"
              << "Try '" << programName << " --help'." << Qt::endl;
        return WrongUsage;
    }
    try {
        return Execute(*commandLine);
    } catch (const Exception& error) {
        m_err << programName << ": " << error.Message() << Qt::endl;
        return Failed;
    }
}

int TCatalogueTool::Execute(const TCatalogueCommandLine& commandLine)
{
    using TCommand = TCatalogueCommandLine::TCommand;
    switch (commandLine.Command()) {
    case TCommand::Help:
        m_out << TCatalogueCommandLine::Usage() << Qt::flush;
        return Done;
    case TCommand::Create:
        if (const QString note = TCatalogue::Create(commandLine.Database()); !note.isEmpty())
            m_err << programName << ": " << note << Qt::endl;
        return Done;
    case TCommand::Import:
        return Import(commandLine);
    case TCommand::List:
        return List(commandLine);
    case TCommand::Find:
        return Find(commandLine);
    case TCommand::Export:
        Export(commandLine);
        return Done;
    case TCommand::Remove:
        TCatalogue(commandLine.Database()).Remove(commandLine.Ids());
        return Done;
    case TCommand::Index:
        Index(commandLine);
        return Done;
    case TCommand::ImportMdb:
        return ImportMdb(commandLine);
    }
    return Failed;
}

int TCatalogueTool::Import(const TCatalogueCommandLine& commandLine)
{
    TCatalogue catalogue(commandLine.Database());
    if (!catalogue.MissingNameColumns().isEmpty())
        m_err << programName << ": table picture of '" << catalogue.Path() << "' has no column "
              << catalogue.MissingNameColumns().join(QStringLiteral(" or "))
              << ": the pictures are added without their names" << Qt::endl;
    TCatalogueImporter importer(catalogue);
    QElapsedTimer sinceLine;
    sinceLine.start();
    importer.SetProgress([&](int done, int total) {
        if (sinceLine.elapsed() < progressIntervalMs)
            return;
        m_err << programName << ": imported " << done << " of " << total << " files" << Qt::endl;
        sinceLine.restart();
    });
    const int added = importer.Import(*commandLine.Parent(), commandLine.Files());
    for (const TCatalogueImporter::TFailure& failure : importer.Failures())
        m_err << programName << ": skipped '" << failure.file << "': " << failure.cause << Qt::endl;
    m_out << added << " pictures added to '" << catalogue.Path() << "'";
    if (!importer.Failures().empty())
        m_out << ", " << importer.Failures().size() << " files skipped";
    m_out << Qt::endl;
    return importer.Failures().empty() ? Done : Failed;
}

// An Access catalogue is read straight from its file; a damaged one lists what could be
// read and then says that the rest could not be.
int TCatalogueTool::List(const TCatalogueCommandLine& commandLine)
{
    const auto print = [this](const TCatalogue::TEntry& entry) { PrintEntry(entry); };
    QString problem;
    if (IsAccess(commandLine.Database()))
        problem = TJetCatalogue(commandLine.Database()).List(commandLine.Parent(), print);
    else
        TCatalogue(commandLine.Database()).List(commandLine.Parent(), print);
    m_out.flush();
    return Reported(problem);
}

// Failed when nothing was found, as grep does.
int TCatalogueTool::Find(const TCatalogueCommandLine& commandLine)
{
    int found = 0;
    const auto print = [&](const TCatalogue::TEntry& entry) {
        PrintEntry(entry);
        ++found;
    };
    QString problem;
    if (IsAccess(commandLine.Database()))
        problem = TJetCatalogue(commandLine.Database()).Find(commandLine.Text(), print);
    else
        TCatalogue(commandLine.Database()).Find(commandLine.Text(), print);
    m_out.flush();
    const int read = Reported(problem);
    return found > 0 ? read : Failed;
}

void TCatalogueTool::PrintEntry(const TCatalogue::TEntry& entry)
{
    m_out << entry.id << '\t' << entry.parent << '\t' << entry.name << '\t' << entry.file << '\t'
          << entry.bytes << '\n';
}

void TCatalogueTool::Export(const TCatalogueCommandLine& commandLine)
{
    const qint64 id = commandLine.Ids().front();
    const QString& file = commandLine.Files().front();
    if (IsAccess(commandLine.Database()))
        TJetCatalogue(commandLine.Database()).Export(id, file);
    else
        TCatalogue(commandLine.Database()).Export(id, file);
}

int TCatalogueTool::ImportMdb(const TCatalogueCommandLine& commandLine)
{
    const QString& target = commandLine.Files().front();
    const TJetImporter::TReport report = TJetImporter::Import(commandLine.Database(), target);
    for (const TJetImporter::TNote& note : report.notes)
        m_err << programName << ": row " << note.row << ": " << note.text << Qt::endl;
    m_out << report.copied << " pictures copied from '" << commandLine.Database() << "' to '"
          << target << "'";
    if (!report.notes.empty())
        m_out << ", " << report.notes.size() << " of them with a note";
    m_out << Qt::endl;
    const int read = Reported(report.problem);
    return report.notes.empty() ? read : Failed;
}

bool TCatalogueTool::IsAccess(const QString& database)
{
    return TCatalogueStore::Detect(database) == TCatalogueStore::TKind::Jet;
}

int TCatalogueTool::Reported(const QString& problem)
{
    if (problem.isEmpty())
        return Done;
    m_err << programName << ": " << problem << Qt::endl;
    return Failed;
}

// Each index is added on its own; a catalogue without names gets the other one.
void TCatalogueTool::Index(const TCatalogueCommandLine& commandLine)
{
    TCatalogue catalogue(commandLine.Database());
    const QString quoted = QLatin1Char('\'') + catalogue.Path() + QLatin1Char('\'');
    bool changed = catalogue.AddParentIndex();
    if (changed)
        m_out << "added the index on parent to " << quoted << Qt::endl;
    else
        m_out << quoted << " has an index on parent already" << Qt::endl;
    if (catalogue.MissingNameColumns().size() == 2) {
        m_out << quoted << " keeps no names (table picture has no column name or file): "
              << "there is no index of names to add" << Qt::endl;
    } else if (catalogue.AddNameIndex()) {
        m_out << "added the index of names to " << quoted << Qt::endl;
        changed = true;
    } else {
        m_out << quoted << " has an index of names already" << Qt::endl;
    }
    if (!changed)
        m_out << "nothing changed" << Qt::endl;
}
