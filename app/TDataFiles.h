#pragma once

#include <QString>

// Where the program finds its data files, the picture catalogue Data/Mirelvane.mdb and
// the help page help/question.htm: beside the executable first (the build tree, a
// self-contained copy), then in the installed data folder, share/zentuvio under the
// install prefix, found relative to the executable. A catalogue chosen on the command
// line takes the place of the one found.
class TDataFiles {
public:
    static QString CataloguePath();
    static QString HelpPagePath();
    // An empty path returns to the catalogue found beside or for the program.
    static void ChooseCatalogue(const QString& path);

    // The file relativePath beside the program in programFolder, else in the installed
    // data folder for it when it is there; beside the program when neither holds it, so
    // that an error names the first place looked at.
    static QString Find(const QString& programFolder, const QString& relativePath);
    // The installed data folder for a program installed in programFolder.
    static QString InstalledDataFolder(const QString& programFolder);

private:
    static QString& ChosenCatalogue();
};
