#include <gtest/gtest.h>

#include <cstring>

#include "platform/db/DataPacket.h"
#include "platform/db/DataPacketReader.h"
#include "platform/db/DataPacketWriter.h"
#include "tests/platform/db/PacketFixtures.h"

using namespace PacketFixtures;

namespace {

// The metadata of a column list, built with the writer's own descriptor helpers.
std::vector<TPacketColumn> ColumnsOf(const std::vector<TColumnEntry>& entries, size_t& i,
                                     size_t count) {
    std::vector<TPacketColumn> columns;
    for (size_t n = 0; n < count; ++n) {
        const TColumnEntry& s = entries[i++];
        switch (s.Kind) {
            case 's':
                columns.push_back(StringPacketColumn(s.Name, 100, s.Attributes));
                break;
            case 'd':
                columns.push_back(DateTimePacketColumn(s.Name, s.Attributes));
                break;
            case 'f':
                columns.push_back(FloatPacketColumn(s.Name, s.Attributes));
                break;
            case 'i':
                columns.push_back(Int16PacketColumn(s.Name, s.Attributes));
                break;
            case 'I':
                columns.push_back(Int32PacketColumn(s.Name, s.Attributes));
                break;
            case 'm':
                columns.push_back(MemoPacketColumn(s.Name, s.Attributes));
                break;
            default:
                columns.push_back(NestedPacketColumn(
                    s.Name, ColumnsOf(entries, i, size_t(s.Children)), s.Attributes));
        }
    }
    return columns;
}

TPacketMetadata MetadataOf(const std::vector<TColumnEntry>& entries, size_t topLevel) {
    size_t i = 0;
    return {ColumnsOf(entries, i, topLevel), {}};
}

uint16_t U16At(const std::string& b, size_t at) { return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8; }
uint32_t U32At(const std::string& b, size_t at) {
    return U16At(b, at) | uint32_t(U16At(b, at + 2)) << 16;
}

double MSecs(double days) { return DataPacket::DateTimeToPacketMSecs(days); }

// A results run with every kind of value: Rem null or text, nested tables empty or filled.
TPacketRow ResultsRun(std::string name, double created, const char* rem, int cavityRows,
                      int seertRows) {
    TPacketRows cavity, temperatures, seert;
    for (int k = 1; k <= cavityRows; ++k)
        cavity.push_back({0, {double(k), 0.1 * k, 1.0 / k, TPacketValue{}, 0.5}});
    temperatures.push_back({0, {0.25, 1.5, 2.5, int64_t(1), 1000.125}});
    for (int k = 0; k < seertRows; ++k)
        seert.push_back(
            {0, {0.5 * k, int64_t(k + 1), 1e-300, -0.0, TPacketValue{}, 0.999, 0.25, 1500.0}});
    TPacketValue remValue;
    if (rem) remValue = std::string(rem);
    return {
        0,
        {std::move(name), MSecs(created), MSecs(created + 1.0 / 86400000), MSecs(created + 1),
         300.0, 0.0, int64_t(-3), 1e6, 1e-9, remValue, std::move(cavity), std::move(temperatures),
         std::move(seert), int64_t(seertRows), int64_t(32767), 0.0, -1.25}};
}

}  // namespace

TEST(DataPacket, FreshDatabasesAreByteExact) {
    struct Case {
        const std::vector<TColumnEntry>& entries;
        size_t topLevel;
        std::string fixture;
        size_t size;
        uint16_t columns;
    } cases[] = {{ResultsColumns(), 17, FreshResultsPacket(), 556, 35},
                 {DatasetColumns(), 18, FreshDatasetPacket(), 633, 44}};
    for (const auto& c : cases) {
        const std::string bytes = EncodeDataPacket({MetadataOf(c.entries, c.topLevel), {}});
        ASSERT_EQ(bytes.size(), c.size);
        EXPECT_EQ(bytes, c.fixture);
        EXPECT_EQ(U32At(bytes, 0), 0xBDE01996u);
        EXPECT_EQ(U16At(bytes, 4), 2);  // nested tables make it version 2
        EXPECT_EQ(U16At(bytes, 6), 0);
        EXPECT_EQ(U32At(bytes, 8), 24u);
        EXPECT_EQ(U16At(bytes, 12), c.columns);
        EXPECT_EQ(U32At(bytes, 14), 0u);
        EXPECT_EQ(U32At(bytes, 18), 3u);
        EXPECT_EQ(U16At(bytes, 22), c.size);
    }

    // The two descriptors of the results database given byte for byte.
    const std::string results = FreshResultsPacket();
    const std::string datasetName(
        "\x0B"
        "DatasetName"
        "\x01\x00\x49\x00"
        "\x00\x00"
        "\x01\x00"
        "\x05"
        "WIDTH"
        "\x02\x00\x02\x00"
        "\x64\x00",
        32);
    EXPECT_EQ(results.substr(24, datasetName.size()), datasetName);
    const std::string seert(
        "\x05"
        "SEERT"
        "\x08\x00\x0E\x05"
        "\x00\x00"
        "\x00\x00"
        "\x0A"
        "Wavelength",
        25);
    const size_t at = results.find(seert);
    ASSERT_NE(at, std::string::npos);
    // The nested table's property count closes it, and nw follows.
    EXPECT_EQ(results.substr(results.find("\x02nw") - 2, 2), std::string("\0\0", 2));
}

TEST(DataPacket, RowsRoundTripWithEveryValueAndNull) {
    TDataPacket packet{MetadataOf(ResultsColumns(), 17), {}};
    packet.Rows.push_back(ResultsRun("zeta", 45000.5, "first line\r\nsecond", 3, 4));
    packet.Rows.push_back(ResultsRun("", 0.0, nullptr, 0, 0));       // empty name, null memo
    packet.Rows.push_back(ResultsRun("Alpha", -700.75, "x", 1, 1));  // before 1899
    const std::string bytes = EncodeDataPacket(packet);

    EXPECT_EQ(U32At(bytes, 14), 3u);
    const TDataPacket back = DecodeDataPacket(bytes);
    EXPECT_EQ(back, packet);  // file order is insertion order, every value as written
    EXPECT_EQ(EncodeDataPacket(back), bytes);

    // The second row's bytes: status 0, five state bytes (Rem, column 9, owns bits 2 and 3 of
    // byte 2; only its null bit is set), the empty name as length 1 and a zero byte, then its
    // creation time.
    TDataPacketReader r(bytes);
    r.BeginRow();
    for (int j = 0; j < 17; ++j) r.SkipValue();
    r.EndRow();
    const size_t row = r.Offset();
    EXPECT_EQ(bytes.substr(row, 8), std::string("\x00\x00\x00\x04\x00\x00\x01\x00", 8));
    double stored;
    std::memcpy(&stored, bytes.data() + row + 8, 8);
    EXPECT_EQ(stored, 59926521600000.0);
    // Empty Cavity, Temperatures with one row, empty SEERT directly followed by nw.
    r.BeginRow();
    for (int j = 0; j < 12; ++j) r.SkipValue();
    EXPECT_EQ(U32At(bytes, r.Offset()), 0u);
    r.SkipValue();
    EXPECT_EQ(r.ReadInt(), 0);  // nw
}

TEST(DataPacket, DateTimesKeepTheMillisecond) {
    struct Case {
        double days;
        double msecs;
    } cases[] = {{0.0, 59926521600000.0},
                 {1.5, 59926521600000.0 + 1.5 * 86400000},
                 {-1.25, 59926521600000.0 - 86400000 + 0.25 * 86400000},
                 {46000 + 45296789.0 / 86400000, 59926521600000.0 + 46000.0 * 86400000 + 45296789}};
    for (const auto& c : cases) {
        EXPECT_EQ(MSecs(c.days), c.msecs) << c.days;
        EXPECT_NEAR(DataPacket::PacketMSecsToDateTime(c.msecs), c.days, 1e-12) << c.days;
    }
    // The reader rounds a stored count to a whole millisecond.
    TPacketMetadata meta{{DateTimePacketColumn("T")}, {}};
    TDataPacketWriter w(meta);
    w.BeginRow();
    w.WriteDateTimeMSecs(59926521600000.0 + 1234.4);
    w.EndRow();
    const std::string bytes = w.Finish();  // the reader reads the bytes where they are
    TDataPacketReader r(bytes);
    r.BeginRow();
    EXPECT_EQ(r.ReadDateTime(), 1234.0 / 86400000);
}

TEST(DataPacket, UnknownPropertiesAndRowStatusesSurvive) {
    TPacketMetadata meta{{StringPacketColumn("Name", 300), MemoPacketColumn("Note"),
                          NestedPacketColumn("Kids", {Int32PacketColumn("K")})},
                         {{"MY_TABLE_PROP", 0x00010004, std::string("\x2A\0\0\0", 4)}}};
    meta.Columns[0].Properties.push_back({"Colour", 0x00490001, std::string("\x03red")});
    meta.Columns[2].TableProperties.push_back(
        {"MY_LIST", 0x00820002, std::string("\x02\0\0\0\x01\0\x02\0", 8)});
    ASSERT_EQ(meta.Columns[0].TypeWord,
              DataPacket::TypeLongString);  // width 300 needs a u16 length
    EXPECT_EQ(meta.Columns[0].Width(), 300);
    EXPECT_EQ(meta.Columns[1].SubType(), "Text");

    TDataPacket packet{meta, {}};
    const std::string longName(300, 'n');
    packet.Rows.push_back({0, {longName, std::string("memo"), TPacketRows{{0, {int64_t(-7)}}}}});
    packet.Rows.push_back({0x04, {std::string("kept, status 4"), TPacketValue{}, TPacketRows{}}});
    packet.Rows.push_back({0x01, {std::string("dead, status 1"), TPacketValue{}, TPacketRows{}}});
    packet.Rows.push_back({0x20, {std::string("never written"), TPacketValue{}, TPacketRows{}}});
    const std::string bytes = EncodeDataPacket(packet);
    const TDataPacket back = DecodeDataPacket(bytes);
    EXPECT_EQ(back.Metadata, meta);
    ASSERT_EQ(back.Rows.size(), 3u);
    EXPECT_EQ(back.Rows[0].Values[0], TPacketValue(longName));
    EXPECT_TRUE(TDataPacketReader::IsLive(back.Rows[1].Status));
    EXPECT_FALSE(TDataPacketReader::IsLive(back.Rows[2].Status));
    EXPECT_EQ(EncodeDataPacket(back), bytes);
}

TEST(DataPacket, ReaderCutsLongNamesAndReadsNegativeCountsAsEmpty) {
    TDataPacket packet{{{NestedPacketColumn("Kids", {FloatPacketColumn("V")}),
                         FloatPacketColumn(std::string(31, 'c'))},
                        {}},
                       {}};
    packet.Rows.push_back({0, {TPacketRows{}, 2.5}});
    std::string bytes = EncodeDataPacket(packet);
    // Give the second column a 40-character name, and the nested count the value -5.
    const size_t name = bytes.find(std::string(31, 'c'));
    bytes[name - 1] = 40;
    bytes.insert(name, 9, 'x');
    bytes[22] += 9;
    const size_t count = U16At(bytes, 22) + 2;
    bytes.replace(count, 4, std::string("\xFB\xFF\xFF\xFF", 4));

    const TDataPacket back = DecodeDataPacket(bytes);
    EXPECT_EQ(back.Metadata.Columns[1].Name, std::string(9, 'x') + std::string(22, 'c'));
    EXPECT_EQ(back.Rows[0].Values[0], TPacketValue(TPacketRows{}));
    EXPECT_EQ(back.Rows[0].Values[1], TPacketValue(2.5));
}

TEST(DataPacket, DamagedPacketsAreRefusedWithTheOffset) {
    TDataPacket packet{MetadataOf(ResultsColumns(), 17), {}};
    packet.Rows.push_back(ResultsRun("run", 45000.0, "memo", 2, 3));
    const std::string good = EncodeDataPacket(packet);
    const size_t firstColumnType = 24 + 1 + 11;

    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
    };
    auto patched = [&](size_t at, std::string with) {
        std::string b = good;
        b.replace(at, with.size(), with);
        return b;
    };
    const Case cases[] = {
        {"empty file", "", "at byte 0: the file is empty"},
        {"text file", "<?xml version=\"1.0\"?><DATAPACKET Version=\"2.0\"/>", "not a binary"},
        {"other magic", patched(0, std::string("\xCD\xAB\0\0", 4)), "not a binary"},
        {"version 4", patched(4, std::string("\x04\0", 2)), "at byte 4: unsupported version 4.0"},
        {"minor version 4", patched(6, std::string("\x04\0", 2)), "unsupported version 2.4"},
        {"flags without bit 0", patched(18, std::string("\x02\0\0\0", 4)), "at byte 18"},
        {"array column", patched(firstColumnType + 2, std::string("\xC9", 1)),
         "at byte 36: array column DatasetName"},
        {"empty name", patched(24, std::string("\0", 1)), "at byte 24: empty column name"},
        {"column count too high", patched(12, std::string("\x24\0", 2)), "Invalid data packet"},
        {"row count too high", patched(14, std::string("\0\0\0\x10", 4)), "beyond the end"},
        {"first-row offset inside metadata", patched(22, std::string("\x20\0", 2)), "at byte 22"},
    };
    for (const auto& c : cases) {
        try {
            DecodeDataPacket(c.bytes);
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const EDataPacketError& e) {
            EXPECT_NE(e.Message().find(c.message), std::string::npos)
                << c.what << ": " << e.Message();
        }
    }
    // Every cut of a valid packet is refused, never read past its end.
    for (size_t size = 0; size < good.size(); ++size)
        EXPECT_THROW(DecodeDataPacket(std::string_view(good).substr(0, size)), EDataPacketError)
            << size;
}
