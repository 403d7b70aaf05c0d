#pragma once

#include "TScreenshotStep.h"

#include <QString>
#include <QStringList>
#include <optional>

// The command line of zentuvio, checked completely before anything starts:
//   [--catalogue FILE|URI]
//   [--screenshot FILE [--click NAME | --double-click NAME | --key KEY | --hover NAME
//                       | --wait MS | --drop NAME FILE...]... [--print NAME]...]
//   | --help | --version
// Options that take a value accept it as the next argument or after "=". A wrong
// command line raises Exception whose text names the wrong argument (a server URI with
// a password is wrong, and not repeated).
class TCommandLine {
public:
    // The exit code for a wrong command line.
    static constexpr int UsageError = 2;

    // arguments: without the program name.
    explicit TCommandLine(const QStringList& arguments);

    bool Help() const { return m_help; }
    bool Version() const { return m_version; }
    // The catalogue file or server URI to open instead of the one found beside or for the
    // program.
    const QString& Catalogue() const { return m_catalogue; }
    const QString& Screenshot() const { return m_screenshot; }
    // What is done to the window, in order, before the screenshot is written.
    const TScreenshotSteps& Steps() const { return m_steps; }
    // The controls whose captions are printed once the screenshot is written.
    const QStringList& Prints() const { return m_prints; }

    static QString Usage();
    static QString VersionText();

private:
    // Reads the option at arguments[index] and its value; returns the index of the last
    // argument it used.
    qsizetype ReadOption(const QStringList& arguments, qsizetype index);
    static std::optional<TScreenshotStep::Kind> StepKind(const QString& option);
    static qsizetype ReadDroppedFiles(const QStringList& arguments, qsizetype index,
                                      TScreenshotStep& step);
    static void CheckStep(TScreenshotStep::Kind kind, const QString& option, const QString& value);

    bool m_help = false;
    bool m_version = false;
    QString m_catalogue;
    QString m_screenshot;
    TScreenshotSteps m_steps;
    QStringList m_prints;
};
