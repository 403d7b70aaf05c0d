#pragma once

#include <QString>

class TADOQuery;
class TDBCtrlGrid;
class TDataSet;
class TMianForm;

// Finding pictures by name in the main window: the find box over the working area, and
// the pictures found shown live in the icons grid, whose cells, picture control, context
// menu and saving serve them as they serve a category; the count label reads the text
// sought in quotes in the category's place. Enter keeps what is shown; Esc brings back
// what the working area showed before.
//
// The search runs on a thread of its own (TNameSearchThread): typing never waits for it,
// a search still running when the next key arrives is abandoned and only the last
// text's pictures are shown. A search that reads every row (the catalogue has no index
// of names, or the text is too short for it) shows the wait box once it has run for
// WaitDelayMs, and Enter waits for the last text's pictures.
class TPictureFind {
public:
    explicit TPictureFind(TMianForm& window);
    ~TPictureFind();
    TPictureFind(const TPictureFind&) = delete;
    TPictureFind& operator=(const TPictureFind&) = delete;

    // Opens the find box and returns once it is closed. Opening the catalogue may raise.
    void Run();
    // Gives up a result kept with Enter: the icons grid shows its category query again.
    void Release();
    // True while the find box waits for a search (the screenshot option waits for it).
    bool Searching() const;

    static int WaitDelayMs();
    static void SetWaitDelayMs(int milliseconds);

private:
    class TSession;
    friend class TSession;

    // What the working area shows: the panel in front (the grids or the help page), the
    // grid in front, the data set the icons grid shows and the count label.
    struct TView {
        bool gridsInFront = true;
        TDBCtrlGrid* grid = nullptr;
        TDataSet* icons = nullptr;
        QString count;
    };

    TView Capture() const;
    void Restore(const TView& view);
    // Shows query's records in the icons grid, counted under the text sought.
    void Show(TADOQuery& query, const QString& text);
    // A query for a session's result, owned by the window.
    TADOQuery* NewQuery();
    // Keeps query shown once its session has ended.
    void Keep(TADOQuery* query);

    TMianForm& m_window;
    TADOQuery* m_kept = nullptr; // a result kept with Enter, while the icons grid shows it
    const TSession* m_session = nullptr;
};
