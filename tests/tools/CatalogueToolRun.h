#pragma once

#include "TCatalogueTool.h"

#include <QStringList>
#include <QTextStream>

// The tool run on a command line, with what it wrote.
struct TCatalogueToolRun {
    int status = -1;
    QString out;
    QString err;

    static TCatalogueToolRun Of(const QStringList& arguments)
    {
        TCatalogueToolRun run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.status = TCatalogueTool(out, err).Run(arguments);
        return run;
    }
};
