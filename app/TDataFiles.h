#pragma once

#include <QString>

// Where the program finds its data files, the picture catalogue Data/Mirelvane.mdb and
// the help page help/question.htm: beside the executable first (the build tree, a
// self-contained copy), then in the installed data folder, share/zentuvio under the
// install prefix, found relative to the executable. The user's own catalogue
// (TUserCatalogue), once there is one, takes the place of the catalogue found; a
// catalogue chosen on the command line (a file, or a PostgreSQL server's URI, kept as it
// is) takes the place of both.
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

    // Whether pictures may be added to the catalogue at path: a catalogue on a server
    // (whose roles decide, and refuse with a message of their own), or a file of a store
    // that can be written (SQLite, not Access), writable and with no write permission
    // taken away (which even the administrator's writes respect here), in a writable
    // folder (SQLite writes its journal beside it), and not one of the installed data
    // files of a program in programFolder.
    static bool CatalogueWritable(const QString& path, const QString& programFolder);

private:
    static QString& ChosenCatalogue();
};
