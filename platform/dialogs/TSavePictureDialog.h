#pragma once

#include "TComponent.h"

#include <functional>

// The save-picture dialog: asks the user for a file name under a filter such as
// "JPEG Image File (*.jpg)|*.jpg" (description|pattern pairs), starting in InitialDir
// (when set) with FileName's name proposed. Tests and scripted runs install a chooser
// that answers instead of the dialog.
class TSavePictureDialog : public TComponent {
    T_CLASS_INFO
public:
    // Returns the chosen file name, or an empty string for a cancelled dialog.
    using Chooser = std::function<QString(const TSavePictureDialog& dialog)>;

    explicit TSavePictureDialog(TComponent* owner);

    const QString& Filter() const { return m_filter; }
    void SetFilter(const QString& filter) { m_filter = filter; }
    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& name) { m_fileName = name; }
    const QString& InitialDir() const { return m_initialDir; }
    void SetInitialDir(const QString& folder) { m_initialDir = folder; }
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // Shows the dialog; true with FileName set when the user chose a name.
    bool Execute();

    // Installs the chooser used instead of the dialog; returns the previous one.
    static Chooser SetChooser(Chooser chooser);

private:
    // The filter as Qt's file dialog writes it: "JPEG Image File (*.jpg)".
    QString QtFilter() const;
    // Where the dialog starts: FileName's name in InitialDir, or FileName.
    QString StartPath() const;

    QString m_filter;
    QString m_fileName;
    QString m_initialDir;
    QString m_title;
};
