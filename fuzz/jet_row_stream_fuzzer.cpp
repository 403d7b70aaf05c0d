#include "Exception.h"
#include "TAccessOleObject.h"
#include "TJetRowStream.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// Our side of reading Access catalogues, which takes bytes from a reader process that
// reads files we do not trust: the row stream and the unwrapping of the OLE objects that
// its rows carry. The first byte says where the stream is cut in two, as a pipe may cut
// it; each row's picture, and the whole input too, go through the unwrapping. Only the
// platform's error for a broken stream may come out. Seeds: corpus/jet_row_stream.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = qsizetype(size - 1);
    const qsizetype cut = length == 0 ? 0 : data[0] % (length + 1);
    TJetRowStream stream({[](std::uint64_t, std::uint8_t) {},
                          [](TJetRow& row) {
                              TAccessOleObject::Unwrap(QByteArray::fromRawData(
                                  row.bytes.data(), qsizetype(row.bytes.size())));
                          },
                          [](const QString&) {}, [](std::uint64_t) {}, [](std::uint64_t) {}});
    try {
        stream.Feed(bytes, cut);
        stream.Feed(bytes + cut, length - cut);
    } catch (const EDatabaseError&) {
    }
    TAccessOleObject::Unwrap(QByteArray::fromRawData(bytes, length));
    return 0;
}
