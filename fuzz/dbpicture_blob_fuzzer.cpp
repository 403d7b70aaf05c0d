#include "Exception.h"
#include "TADOQuery.h"
#include "TBzDBImage.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPanel.h"
#include "TSQLiteTestCatalogue.h"
#include "TTestQuery.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// The picture control's route from a blob to a picture: the input is stored as the one
// record's blob, the control fetches it (JPEG first, then by content a bitmap file, a PNG
// picture or an SVG drawing) and paints a copy of itself for it. Fetching may raise the
// platform's error kinds; painting a copy must never raise. Seeds: the JPEG, bitmap, PNG
// and SVG corpora (corpus/jpeg, corpus/bitmap, corpus/png, corpus/svg).
namespace {

// JPEG pictures above this many pixels are left out: decoding them is slow without
// telling more about the route's robustness.
constexpr qint64 decodeLimit = 4 * 1024 * 1024;

class TFuzzRig {
public:
    TFuzzRig()
    {
        m_catalogue.Exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF"));
        m_id = m_catalogue.Add({0, QVariant()});
        m_image->SetParent(&m_window);
        m_image->SetBounds(0, 0, 40, 30);
        m_image->SetAutoDisplay(false);
        m_image->SetDataField(QStringLiteral("Mirelvane"));
        m_image->SetDataSource(m_data.source);
    }

    void Run(const QByteArray& blob)
    {
        m_catalogue.SetPicture(m_id, blob);
        m_data.query->Close();
        m_data.query->Open();
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
    TSQLiteTestCatalogue m_catalogue;
    qint64 m_id = 0;
    TPanel m_window{nullptr};
    TTestQuery m_data{&m_window, m_catalogue.ConnectionString()};
    TBzDBImage* m_image = new TBzDBImage(&m_window);
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
