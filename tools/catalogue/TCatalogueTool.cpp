#include "TCatalogueTool.h"

#include "Exception.h"
#include "TCatalogue.h"
#include "TCatalogueCommandLine.h"
#include "TCatalogueImporter.h"

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
        TCatalogue::Create(commandLine.Database());
        return Done;
    case TCommand::Import:
        return Import(commandLine);
    case TCommand::List:
        List(commandLine);
        return Done;
    case TCommand::Export:
        TCatalogue(commandLine.Database())
            .Export(commandLine.Ids().front(), commandLine.Files().front());
        return Done;
    case TCommand::Remove:
        TCatalogue(commandLine.Database()).Remove(commandLine.Ids());
        return Done;
    case TCommand::Index:
        Index(commandLine);
        return Done;
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

void TCatalogueTool::List(const TCatalogueCommandLine& commandLine)
{
    TCatalogue catalogue(commandLine.Database());
    catalogue.List(commandLine.Parent(), [&](const TCatalogue::TEntry& entry) {
        m_out << entry.id << '\t' << entry.parent << '\t' << entry.name << '\t' << entry.file
              << '\t' << entry.bytes << '\n';
    });
    m_out.flush();
}

void TCatalogueTool::Index(const TCatalogueCommandLine& commandLine)
{
    TCatalogue catalogue(commandLine.Database());
    if (catalogue.AddParentIndex())
        m_out << "added the index on parent to '" << catalogue.Path() << "'" << Qt::endl;
    else
        m_out << "'" << catalogue.Path() << "' has an index on parent already; nothing changed"
              << Qt::endl;
}
