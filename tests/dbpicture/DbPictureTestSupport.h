#pragma once

#include "PictureDataTest.h"
#include "TBzDBImage.h"
#include "TColors.h"
#include "TErrorReport.h"
#include "TTestPictures.h"
#include "WidgetImage.h"

#include <QColor>
#include <QStringList>
#include <gtest/gtest.h>

namespace dbpicturetest {

// JPEG is lossy: colours count as equal within a small distance per channel.
inline bool Near(QColor actual, QColor expected, int tolerance = 16)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
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

// A picture catalogue with the main window's query over table picture, and a window that
// holds the controls of a test.
class PictureQueryTest : public PictureDataTest {
protected:
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

private:
    int m_images = 0;
};

} // namespace dbpicturetest
