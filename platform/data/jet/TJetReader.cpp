#include "TJetReader.h"

#include "TJetReaderRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString programName = QStringLiteral("zentuvio-jet-reader");

struct TSettings {
    QString program;
    TJetReader::TLimits limits;
};

TSettings& Settings()
{
    static TSettings settings;
    return settings;
}

} // namespace

TJetReader::TSummary TJetReader::Read(const QString& path, TContent content, const TVisit& visit,
                                      qint64 id)
{
    TJetReaderRun run(path, visit);
    run.Start(content, id);
    const QString stopped = run.Follow([] { return false; });
    run.Process().waitForFinished();
    return run.Summarise(stopped);
}

QString TJetReader::Program()
{
    if (!Settings().program.isEmpty())
        return Settings().program;
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(programName);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(ZENTUVIO_READER_FROM_BIN) +
                                                  QLatin1Char('/') + programName));
}

void TJetReader::SetProgram(const QString& path)
{
    Settings().program = path;
}

TJetReader::TLimits TJetReader::Limits()
{
    return Settings().limits;
}

void TJetReader::SetLimits(const TLimits& limits)
{
    Settings().limits = limits;
}
