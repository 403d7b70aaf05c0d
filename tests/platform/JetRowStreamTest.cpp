#include "Exception.h"
#include "TJetRowStream.h"
#include "TJetRowWriter.h"

#include <QTemporaryFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

// The row stream between the Access catalogue reader and the gallery: what the reader's
// writer sends arrives whole however the pipe cuts it, and a stream that breaks the
// format is refused with an error instead of being trusted.
namespace {

struct TReceived {
    std::uint64_t expected = 0;
    std::uint8_t columns = 0;
    std::vector<TJetRow> rows;
    QString problem;
    std::optional<std::uint64_t> end;
    std::optional<std::uint64_t> listed;
};

// A stream whose frames go into received; serving: it reads a serving reader's stream.
TJetRowStream StreamInto(TReceived& received, bool serving = false)
{
    TJetRowStream::THandler handler{[&](std::uint64_t expected, std::uint8_t columns) {
                                        received.expected = expected;
                                        received.columns = columns;
                                    },
                                    [&](TJetRow& row) { received.rows.push_back(row); },
                                    [&](const QString& problem) { received.problem = problem; },
                                    [&](std::uint64_t rowsRead) { received.end = rowsRead; }};
    if (serving)
        handler.listed = [&](std::uint64_t rowsListed) { received.listed = rowsListed; };
    return TJetRowStream(std::move(handler));
}

// What the reader's writer sends for the frames that write makes.
template <class Write> QByteArray Written(Write write)
{
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    {
        TJetRowWriter writer(file.handle());
        write(writer);
    }
    file.seek(0);
    return file.readAll();
}

TJetRow SampleRow(std::uint64_t number, std::string bytes)
{
    TJetRow row;
    row.number = number;
    row.id = -7 + std::int64_t(number);
    row.parent = 10;
    row.name = "图标 " + std::to_string(number);
    row.state = TJetRowFormat::vsStored;
    row.storedLength = bytes.size();
    row.bytes = std::move(bytes);
    return row;
}

// A frame built by hand: type, payload length, payload.
QByteArray Frame(char type, const QByteArray& payload)
{
    QByteArray frame(1, type);
    const auto size = quint32(payload.size());
    for (int i = 0; i < 4; ++i)
        frame.append(char((size >> (8 * i)) & 0xff));
    return frame + payload;
}

QByteArray Table()
{
    return Written([](TJetRowWriter& out) { out.Table(2, TJetRowFormat::coId); });
}

void ExpectRefused(const QByteArray& stream, bool serving = false)
{
    TReceived received;
    TJetRowStream parser = StreamInto(received, serving);
    EXPECT_THROW(parser.Feed(stream.constData(), stream.size()), EDatabaseError);
}

} // namespace

TEST(JetRowStream, RowsArriveWholeHoweverThePipeCutsTheStream)
{
    const TJetRow withPicture = SampleRow(1, std::string("\xFF\xD8\xFF\x00 picture", 13));
    TJetRow null = SampleRow(2, std::string());
    null.state = TJetRowFormat::vsNull;
    null.parent.reset();
    null.name.reset();
    null.file = "b.bmp";
    const QByteArray stream = Written([&](TJetRowWriter& out) {
        out.Table(2, TJetRowFormat::coId | TJetRowFormat::coName);
        out.Row(withPicture);
        out.Row(null);
        out.End(2);
    });
    for (qsizetype piece = 1; piece <= stream.size(); ++piece) {
        TReceived received;
        TJetRowStream parser = StreamInto(received);
        for (qsizetype at = 0; at < stream.size(); at += piece)
            parser.Feed(stream.constData() + at, std::min(piece, stream.size() - at));
        ASSERT_TRUE(parser.Ended() && parser.AtFrameBoundary()) << "pieces of " << piece;
        EXPECT_EQ(received.expected, 2u);
        EXPECT_EQ(received.columns, TJetRowFormat::coId | TJetRowFormat::coName);
        ASSERT_EQ(received.rows.size(), 2u);
        EXPECT_EQ(received.rows[0].bytes, withPicture.bytes);
        EXPECT_EQ(received.rows[0].id, -6);
        EXPECT_EQ(received.rows[0].parent, 10);
        EXPECT_EQ(received.rows[0].name, withPicture.name);
        EXPECT_FALSE(received.rows[0].file.has_value());
        EXPECT_EQ(received.rows[1].state, TJetRowFormat::vsNull);
        EXPECT_FALSE(received.rows[1].parent.has_value());
        EXPECT_FALSE(received.rows[1].name.has_value());
        EXPECT_EQ(received.rows[1].file, std::optional<std::string>("b.bmp"));
        EXPECT_EQ(received.end, 2u);
    }
}

TEST(JetRowStream, AProblemEndsTheStreamAfterTheRowsBeforeIt)
{
    const QByteArray stream = Written([](TJetRowWriter& out) {
        out.Table(5, 0);
        out.Row(SampleRow(1, "ab"));
        out.Problem("its table picture holds more rows than it says it has (5)");
    });
    TReceived received;
    TJetRowStream parser = StreamInto(received);
    parser.Feed(stream.constData(), stream.size());
    EXPECT_TRUE(parser.Ended());
    EXPECT_EQ(received.rows.size(), 1u);
    EXPECT_FALSE(received.end.has_value());
    EXPECT_EQ(received.problem,
              QStringLiteral("its table picture holds more rows than it says it has (5)"));
}

TEST(JetRowStream, FramesOutOfOrderAreRefused)
{
    const QByteArray row = Written([](TJetRowWriter& out) { out.Row(SampleRow(1, "x")); });
    const QByteArray end = Written([](TJetRowWriter& out) { out.End(0); });
    ExpectRefused(row);               // a row before the table
    ExpectRefused(end);               // an end before the table
    ExpectRefused(Table() + Table()); // the table twice
    ExpectRefused(Table() + end + row);
}

// A serving reader lists its rows, says so once, then sends the rows asked for.
TEST(JetRowStream, AListingEndsOnceAfterTheTableAndOnlyForAServingReader)
{
    const QByteArray row = Written([](TJetRowWriter& out) { out.Row(SampleRow(1, "x")); });
    const QByteArray listed = Written([](TJetRowWriter& out) { out.Listed(1); });
    TReceived received;
    TJetRowStream stream = StreamInto(received, true);
    const QByteArray served = Table() + row + listed + row;
    stream.Feed(served.constData(), served.size());
    EXPECT_TRUE(stream.Listed());
    EXPECT_EQ(received.listed, 1u);
    EXPECT_EQ(received.rows.size(), 2u);
    EXPECT_FALSE(stream.Ended());
    ExpectRefused(listed, true);                    // before the table
    ExpectRefused(Table() + listed + listed, true); // twice
    ExpectRefused(Table() + listed);                // to a reader that does not serve
}

TEST(JetRowStream, LengthsBeyondTheFrameOrTheFormatAreRefused)
{
    ExpectRefused(Frame('Z', QByteArray()));                    // unknown type
    ExpectRefused(Frame('T', QByteArray("\x01\0\0\0", 4)));     // table frame ends early
    ExpectRefused(Frame('T', QByteArray(4 + 8 + 1 + 1, '\0'))); // another version, byte extra
    ExpectRefused(QByteArray("R\xff\xff\xff\xff", 5));          // a frame over the largest
    const QByteArray good =
        Written([](TJetRowWriter& out) { out.Row(SampleRow(1, std::string(8, 'p'))); });
    // The picture's byte count is the last word before the bytes: say more than stored.
    QByteArray longer = good;
    const qsizetype count = longer.size() - 8 - 4;
    longer[count] = char(9);
    ExpectRefused(Table() + longer);
    // One byte missing from the row's payload, and one too many.
    QByteArray shorter = good;
    shorter[1] = char(quint8(shorter[1]) - 1);
    ExpectRefused(Table() + shorter.left(shorter.size() - 1));
    QByteArray extra = good;
    extra[1] = char(quint8(extra[1]) + 1);
    ExpectRefused(Table() + extra + QByteArray(1, '\0'));
}

TEST(JetRowStream, TextsAndStatesOutsideTheFormatAreRefused)
{
    const QByteArray good = Written([](TJetRowWriter& out) { out.Row(SampleRow(1, "")); });
    // Payload: number, id, parent flag, parent, then the name's presence byte.
    const qsizetype nameFlag = TJetRowFormat::frameHeaderBytes + 8 + 8 + 1 + 8;
    QByteArray badFlag = good;
    badFlag[nameFlag] = char(2);
    ExpectRefused(Table() + badFlag);
    QByteArray absentWithBytes = good;
    absentWithBytes[nameFlag] = char(0);
    ExpectRefused(Table() + absentWithBytes);
    QByteArray badState = good;
    badState[badState.size() - 8 - 4 - 1] = char(3);
    ExpectRefused(Table() + badState);
}
