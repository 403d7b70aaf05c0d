// Finding pictures by name on a catalogue of 1,000,000 named pictures: from typing a
// four-letter text into the find box to the painted first page of its matches in the
// icons grid, against the bare trigram query of the index of names for the same text
// through the sqlite3 library, in the same run. Then the same typing on the same
// catalogue without its index, where the search reads every row, for scale.
#include "TCatalogue.h"
#include "TCategoryClick.h"
#include "TDBCtrlGrid.h"
#include "TEdit.h"
#include "TFindBox.h"
#include "TGalleryBenchApplication.h"
#include "TGalleryWindow.h"
#include "TMianForm.h"
#include "TPictureFind.h"
#include "TStopwatch.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <sqlite3.h>

namespace {

constexpr int million = 1000000;
constexpr int copyEvery = 64; // one picture in 64 is named "edit-copy-N"
constexpr int rounds = 9;
const QString sought = QStringLiteral("copy");

void BuildNamedCatalogue(const QString& path)
{
    const QByteArray picture = TCategoryClick::Picture(false);
    TCatalogue::Create(path);
    TCatalogue catalogue(path);
    catalogue.InTransaction([&] {
        for (int i = 0; i < million; ++i) {
            const QString name =
                QString::fromLatin1(i % copyEvery ? "icon-%1" : "edit-copy-%1").arg(i);
            catalogue.Add({i % 10, name, name + QStringLiteral(".bmp"), picture});
        }
    });
}

void Execute(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK)
        std::fprintf(stderr, "%s\n", error);
    sqlite3_free(error);
    sqlite3_close(db);
}

// The index's own query for the text, every match read.
int BareIndexMatches(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid FROM picture_names WHERE picture_names MATCH ?", -1,
                       &statement, nullptr);
    const QByteArray phrase = ('"' + sought + '"').toUtf8();
    sqlite3_bind_text(statement, 1, phrase.constData(), int(phrase.size()), SQLITE_STATIC);
    int matches = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        matches += sqlite3_column_int64(statement, 0) != 0;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return matches;
}

// Which count the icons grid showed beside it when it was last painted: once that is the
// count of the last text's matches, the first page of its matches is on the screen.
class TGridPaintWatch : public QObject {
public:
    explicit TGridPaintWatch(const TGalleryWindow& form)
        : m_form(form)
    {
        m_form->DBCtrlGrid1->installEventFilter(this);
    }
    ~TGridPaintWatch() override { m_form->DBCtrlGrid1->removeEventFilter(this); }

    bool Painted(const QString& count) const { return m_paintedCount == count; }
    void Forget() { m_paintedCount.clear(); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_paintedCount = m_form->Label10->Caption();
        return false;
    }

private:
    const TGalleryWindow& m_form;
    QString m_paintedCount;
};

struct TFindFigures {
    double typing = 1e9; // best of the rounds, seconds
    QString label;
};

// Opens the find box in form, types the text key by key as a user does once the box is
// on the screen, and waits until the window itself has painted the first page of the
// last text's matches; Esc closes the box.
TFindFigures TypeAndPaint(const TGalleryWindow& form, int times)
{
    TFindFigures figures;
    TGridPaintWatch watch(form);
    for (int round = 0; round < times; ++round) {
        QTimer::singleShot(0, [&] {
            QWidget* field = FindBox->Edit1->focusProxy();
            // The box is on the screen, as it is when a user starts typing.
            QTest::qWait(50);
            watch.Forget();
            figures.typing =
                std::min(figures.typing, TStopwatch::Seconds([&] {
                             QTest::keyClicks(field, sought);
                             while (form->PictureFind().Searching() ||
                                    !watch.Painted(form->Label10->Caption()))
                                 QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                         }));
            figures.label = form->Label10->Caption();
            QTest::keyClick(field, Qt::Key_Escape);
        });
        QTest::keyClick(form.operator->(), Qt::Key_F, Qt::ControlModifier);
    }
    return figures;
}

void PrintFind(const char* catalogue, const TFindFigures& figures, double peer)
{
    std::printf("%s\n  label: %s\n", catalogue, qPrintable(figures.label));
    std::printf("  typing \"%s\" to the painted first page: %.1f ms, bare index query %.1f ms, "
                "ratio %.2f\n",
                qPrintable(sought), figures.typing * 1e3, peer * 1e3, figures.typing / peer);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const TGalleryBenchApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("named.mdb"));
    BuildNamedCatalogue(path);

    const double peer = TStopwatch::Best(5, [&] {
        if (BareIndexMatches(path) != million / copyEvery)
            std::fprintf(stderr, "the bare index query found other rows\n");
    });
    {
        const TGalleryWindow form(path);
        PrintFind("1,000,000 named pictures, with the index of names", TypeAndPaint(form, rounds),
                  peer);
    }

    // As an older catalogue: the index and the triggers that keep it gone.
    Execute(path, "DROP TRIGGER picture_names_insert; DROP TRIGGER picture_names_delete;"
                  "DROP TRIGGER picture_names_update; DROP TABLE picture_names;");
    const TGalleryWindow form(path);
    PrintFind("the same catalogue without the index (every row read)", TypeAndPaint(form, 1), peer);
    return 0;
}
