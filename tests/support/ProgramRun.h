#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// A whole program run to its end in a child process, for tests of programs as users
// start them.
struct ProgramRun {
    bool finished = false;
    int exitCode = -1;
    QString output; // standard output
    QString errors; // standard error

    // Runs program in environment, in folder when one is given (else in the test's own).
    static ProgramRun Of(const QString& program, const QStringList& arguments,
                         const QProcessEnvironment& environment, const QString& folder = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        if (!folder.isEmpty())
            process.setWorkingDirectory(folder);
        process.start(program, arguments);
        ProgramRun run;
        run.finished = process.waitForFinished(120000);
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.output = QString::fromUtf8(process.readAllStandardOutput());
        run.errors = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    // The test's environment with the offscreen platform chosen.
    static QProcessEnvironment Offscreen()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return environment;
    }

    // The test's environment as on a machine without a display and with no Qt platform
    // chosen.
    static QProcessEnvironment WithoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QLatin1String(name));
        return environment;
    }
};
