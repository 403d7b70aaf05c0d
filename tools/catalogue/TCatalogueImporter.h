#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TCatalogue;

// Adds picture files to a catalogue. JPEG, Windows bitmap and PNG files and SVG drawings
// are stored byte for byte once they decode (a drawing once it is drawn within the
// gallery's limits); other raster pictures that Qt reads (GIF, ICO, XPM, ...) are stored
// as PNG, so that transparency survives. Files that are not pictures are skipped and
// listed; the rest go in as one transaction.
class TCatalogueImporter {
public:
    // A skipped file and why it was skipped.
    struct TFailure {
        QString file;
        QString cause;
    };
    // Files done so far and the total, after each file.
    using TProgress = std::function<void(int done, int total)>;

    explicit TCatalogueImporter(TCatalogue& catalogue);

    void SetProgress(TProgress progress) { m_progress = std::move(progress); }

    // Imports the files and, recursively in name order, the folders' files under the
    // category code parent; returns the number of pictures added. Skipped files are in
    // Failures() afterwards. A database error raises EDatabaseError and adds nothing.
    int Import(qint64 parent, const QStringList& paths);
    const std::vector<TFailure>& Failures() const { return m_failures; }

    // The bytes stored for a picture file's contents; raises Exception whose text is the
    // cause when they are not a picture that can be stored.
    static QByteArray StoredForm(const QByteArray& contents);

private:
    QStringList ExpandFolders(const QStringList& paths);
    bool ImportFile(qint64 parent, const QString& path);

    TCatalogue& m_catalogue;
    TProgress m_progress;
    std::vector<TFailure> m_failures;
};
