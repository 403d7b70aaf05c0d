// Feeds arbitrary text to the stored-layout reader: parsing, and applying the result to
// a fresh form, must either succeed or raise a layout error; nothing else is allowed.
#include "Exception.h"
#include "TApplication.h"
#include "TForm.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"

#include <cstdlib>

namespace {
TApplication* application = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new TApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TForm form(nullptr);
    try {
        TLayoutLoader(&form, QStringLiteral("fuzz.layout")).Apply(text);
    } catch (const ELayoutError&) {
        return 0;
    } catch (const Exception&) {
        return 0; // a property setter refusing a value (an unknown resource, say)
    }
    // What was read must write and read back.
    const QString written = TLayoutWriter::Write(&form);
    TForm again(nullptr);
    TLayoutLoader(&again, QStringLiteral("written")).Apply(written);
    if (TLayoutWriter::Write(&again) != written)
        std::abort();
    return 0;
}
