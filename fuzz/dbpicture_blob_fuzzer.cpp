#include "Exception.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBzDBImage.h"
#include "TDataSource.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPanel.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sqlite3.h>

// The picture control's route from a blob to a picture: the input is stored as the one
// record's blob, the control fetches it (JPEG first, then a bitmap file) and paints a copy
// of itself for it. Fetching may raise the platform's error kinds; painting a copy must
// never raise. Seeds: the JPEG and bitmap corpora (corpus/jpeg, corpus/bitmap).
namespace {

// JPEG pictures above this many pixels are left out: decoding them is slow without
// telling more about the route's robustness.
constexpr qint64 decodeLimit = 4 * 1024 * 1024;

class TFuzzRig {
public:
    TFuzzRig()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
        const QString path = m_dir.path() + QStringLiteral("/Data/Mirelvane.mdb");
        sqlite3_open(path.toUtf8().constData(), &m_db);
        sqlite3_exec(m_db,
                     "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                     "CREATE TABLE picture(ID INTEGER PRIMARY KEY, parent INTEGER, Mirelvane BLOB);"
                     "INSERT INTO picture(parent) VALUES(0)",
                     nullptr, nullptr, nullptr);
        auto* connection = new TADOConnection(&m_window);
        connection->SetConnectionString(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(path));
        m_query = new TADOQuery(&m_window);
        m_query->SetConnection(connection);
        m_query->SetSQL({QStringLiteral("Select * From picture")});
        auto* source = new TDataSource(&m_window);
        source->SetDataSet(m_query);
        m_image = new TBzDBImage(&m_window);
        m_image->SetParent(&m_window);
        m_image->SetBounds(0, 0, 40, 30);
        m_image->SetAutoDisplay(false);
        m_image->SetDataField(QStringLiteral("Mirelvane"));
        m_image->SetDataSource(source);
    }
    ~TFuzzRig() { sqlite3_close(m_db); }

    void Run(const QByteArray& blob)
    {
        Store(blob);
        m_query->Close();
        m_query->Open();
        try {
            m_image->FetchPicture();
        } catch (const EInvalidGraphic&) {
        } catch (const EDatabaseError&) {
        }
        QImage surface(40, 30, QImage::Format_RGB32);
        QPainter painter(&surface);
        try {
            m_image->PaintCopy(painter);
        } catch (...) {
            std::abort(); // a copy that raises would report an error on every repaint
        }
    }

private:
    void Store(const QByteArray& blob)
    {
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(m_db, "UPDATE picture SET Mirelvane = ?", -1, &update, nullptr);
        sqlite3_bind_blob(update, 1, blob.constData(), int(blob.size()), SQLITE_STATIC);
        sqlite3_step(update);
        sqlite3_finalize(update);
    }

    QTemporaryDir m_dir;
    sqlite3* m_db = nullptr;
    TPanel m_window{nullptr};
    TADOQuery* m_query = nullptr;
    TBzDBImage* m_image = nullptr;
};

bool TooLargeToDecode(const QByteArray& blob)
{
    TJPEGImage header;
    TMemoryStream stream(blob);
    try {
        header.LoadFromStream(stream);
    } catch (const Exception&) {
        return false;
    }
    return qint64(header.Width()) * header.Height() > decodeLimit;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TFuzzRig rig;
    const QByteArray blob(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!TooLargeToDecode(blob))
        rig.Run(blob);
    return 0;
}
