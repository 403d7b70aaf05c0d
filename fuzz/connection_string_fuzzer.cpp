#include "Exception.h"
#include "TConnectionString.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Parses the input (as UTF-8) as a connection string. EDatabaseError is the expected
// answer to a malformed string; any other error, crash or leak is a finding. What parses
// must keep its promises: names are trimmed and not empty, each name appears once and
// is found again by its own spelling.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const TConnectionString settings = TConnectionString::Parse(text);
        for (const auto& [name, value] : settings.Pairs()) {
            if (name.isEmpty() || name != name.trimmed())
                std::abort();
            if (settings.Value(name) != value)
                std::abort();
        }
    } catch (const EDatabaseError&) {
    }
    return 0;
}
