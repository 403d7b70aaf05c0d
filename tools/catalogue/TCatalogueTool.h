#pragma once

#include "TCatalogue.h"

#include <QStringList>

class QTextStream;
class TCatalogueCommandLine;

// Runs one zentuvio-catalogue command line: results on out, errors, skipped files and
// progress on err.
class TCatalogueTool {
public:
    enum TExitStatus { Done = 0, Failed = 1, WrongUsage = 2 };

    TCatalogueTool(QTextStream& out, QTextStream& err);

    // arguments: without the program name.
    int Run(const QStringList& arguments);

private:
    int Execute(const TCatalogueCommandLine& commandLine);
    int Import(const TCatalogueCommandLine& commandLine);
    int List(const TCatalogueCommandLine& commandLine);
    int Find(const TCatalogueCommandLine& commandLine);
    void PrintEntry(const TCatalogue::TEntry& entry);
    void Export(const TCatalogueCommandLine& commandLine);
    void Index(const TCatalogueCommandLine& commandLine);
    int ImportMdb(const TCatalogueCommandLine& commandLine);
    static bool IsAccess(const QString& database);
    // Prints a reader's problem, if any; Failed after one.
    int Reported(const QString& problem);

    QTextStream& m_out;
    QTextStream& m_err;
};
