#pragma once

#include "../platform/TestPictureDatabase.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBitmap.h"
#include "TBzDBImage.h"
#include "TColors.h"
#include "TDataSource.h"
#include "TErrorReport.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPanel.h"

#include <QColor>
#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace dbpicturetest {

// A bitmap of that size in one colour, or (patterned) with pixel (x, y) in RGB
// (x * 5, y * 7, 40) so that a test can tell which part of it is shown.
inline QImage SolidImage(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

inline QImage PatternImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5, y * 7, 40));
    }
    return image;
}

inline QByteArray JpegBytes(const QImage& image)
{
    TBitmap bitmap;
    bitmap.SetImage(image);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    TMemoryStream out;
    jpeg.SaveToStream(out);
    return out.Bytes();
}

inline QByteArray BitmapFileBytes(const QImage& image)
{
    TBitmap bitmap;
    bitmap.SetImage(image);
    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    TMemoryStream out;
    bitmap.SaveToStream(out);
    return out.Bytes();
}

// JPEG is lossy: colours count as equal within a small distance per channel.
inline bool Near(QColor actual, QColor expected, int tolerance = 16)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

inline QImage Grab(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Collects what reaches the standard error report while it lives.
class ReportCapture {
public:
    ReportCapture()
        : m_previous(TErrorReport::SetReporter([this](const QString& text) { texts << text; }))
    {}
    ~ReportCapture() { TErrorReport::SetReporter(m_previous); }
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    QStringList texts;

private:
    TErrorReport::Reporter m_previous;
};

// A picture database with a query over table picture and a shown window that holds
// the controls of a test.
class PictureQueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<TPanel>(nullptr);
        host->SetBounds(0, 0, 300, 200);
        connection = new TADOConnection(host.get());
        connection->SetConnectionString(database.ConnectionString());
        query = new TADOQuery(host.get());
        query->SetConnection(connection);
        query->SetSQL({QStringLiteral("Select * From picture"), QString(), QString()});
        source = new TDataSource(host.get());
        source->SetDataSet(query);
    }

    // A borderless picture control bound to the blob column, on the window.
    TBzDBImage* NewImage(TWinControl* parent, int width, int height)
    {
        auto* image = new TBzDBImage(host.get());
        image->SetName(QStringLiteral("BzDBImage%1").arg(++m_images));
        image->SetDataSource(source);
        image->SetDataField(QStringLiteral("Mirelvane"));
        image->SetBorderStyle(TBorderStyle::bsNone);
        image->SetBounds(0, 0, width, height);
        image->SetParent(parent);
        return image;
    }

    QColor Background() const { return TColors::ToQColor(clWindow); }

    TTestPictureDatabase database;
    std::unique_ptr<TPanel> host;
    TADOConnection* connection = nullptr;
    TADOQuery* query = nullptr;
    TDataSource* source = nullptr;

private:
    int m_images = 0;
};

} // namespace dbpicturetest
