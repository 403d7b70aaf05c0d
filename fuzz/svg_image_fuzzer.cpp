#include "Exception.h"
#include "TMemoryStream.h"
#include "TSvgDocument.h"
#include "TSvgImage.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

// Loads the input as an SVG drawing (the limits' check, then Qt SVG within its time
// budget) and renders it at a thumbnail's size. EInvalidGraphic is the expected answer
// to bad or hostile data; a crash, a hang past the budget or unbounded memory is a
// fault. The cache of checked drawings is emptied for every input, so that each one is
// read afresh. Seeds: corpus/svg.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Text in drawings needs the fonts of a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TSvgDocument::ClearCache();
    TSvgImage svg;
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        svg.LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    svg.Render(QSize(48, 32));
    return 0;
}
