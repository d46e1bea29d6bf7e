#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"

namespace {

std::string ReadAll(TStream& s) {
    s.SetPosition(0);
    std::string out(size_t(s.Size()), '\0');
    s.ReadBuffer(out.data(), int64_t(out.size()));
    return out;
}

}  // namespace

TEST(Streams, MemoryStreamSeekReadWrite) {
    TMemoryStream m;
    m.WriteBuffer("hello world", 11);
    EXPECT_EQ(m.Size(), 11);
    EXPECT_EQ(m.Seek(-5, soEnd), 6);
    EXPECT_EQ(m.Seek(1, soCurrent), 7);
    EXPECT_EQ(m.Seek(0, soFromBeginning), 0);
    char buf[8] = {};
    EXPECT_EQ(m.Read(buf, 5), 5);
    EXPECT_EQ(std::string(buf, 5), "hello");
    // Past the end: a write fills the gap with zeros.
    m.SetPosition(13);
    m.WriteBuffer("!", 1);
    EXPECT_EQ(ReadAll(m), std::string("hello world\0\0!", 14));
    EXPECT_EQ(std::string(m.Memory(), 5), "hello");
    m.SetPosition(10);
    m.SetSize(4);  // the position follows a shrink
    EXPECT_EQ(m.Position(), 4);
    EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
    m.Clear();
    EXPECT_EQ(m.Size(), 0);
    EXPECT_EQ(m.Position(), 0);
}

TEST(Streams, ShortTransfersRaise) {
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.SetPosition(1);
    char buf[4];
    try {
        m.ReadBuffer(buf, 3);
        FAIL() << "a short read must raise";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    EXPECT_NO_THROW(m.ReadBuffer(buf, 0));

    TTempDir dir;
    const std::string name = dir.File("ro.bin");
    { TFileStream(name, fmCreate).WriteBuffer("x", 1); }
    TFileStream ro(name, fmOpenRead);
    try {
        ro.WriteBuffer("y", 1);
        FAIL() << "writing to a read-only stream must raise";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.Message(), "Stream write error");
    }
    EXPECT_THROW(ro.SetSize(0), EWriteError);
}

TEST(Streams, FileStreamOpenFailuresNameTheFile) {
    TTempDir dir;
    const std::string missing = dir.File("missing.bin");
    struct Case {
        std::string name;
        uint16_t mode;
        std::string message;
    } cases[] = {
        {missing, fmOpenRead, "Cannot open file \"" + missing + "\". No such file or directory"},
        {missing, fmOpenReadWrite | fmShareDenyNone,
         "Cannot open file \"" + missing + "\". No such file or directory"},
        {dir.File(""), fmOpenRead, "Cannot open file \"" + dir.File("") + "\". Is a directory"},
        {dir.File("no/such/dir.bin"), fmCreate,
         "Cannot create file \"" + dir.File("no/such/dir.bin") + "\". No such file or directory"},
    };
    for (const auto& c : cases) {
        try {
            TFileStream f(c.name, c.mode);
            ADD_FAILURE() << "opened " << c.name;
        } catch (const EFOpenError& e) {
            EXPECT_NE(c.mode, fmCreate);
            EXPECT_EQ(e.Message(), c.message);
        } catch (const EFCreateError& e) {
            EXPECT_EQ(c.mode, fmCreate);
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

// The file stream's buffering must be invisible: a random mix of small and large reads, writes
// and seeks gives the same bytes and positions as the memory stream.
TEST(Streams, FileStreamBehavesLikeMemoryStream) {
    TTempDir dir;
    const std::string name = dir.File("model.bin");
    TMemoryStream model;
    std::mt19937 rng(12345);
    std::vector<char> data(200 * 1024), got(200 * 1024), want(200 * 1024);
    for (auto& c : data) c = char(rng());
    {
        TFileStream file(name, fmCreate);
        for (int step = 0; step < 2000; ++step) {
            const int op = int(rng() % 3);
            // Mostly small transfers, sometimes larger than the buffer.
            const int64_t count =
                (rng() % 10 == 0) ? int64_t(rng() % data.size()) : int64_t(rng() % 300);
            if (op == 0) {
                const int64_t from = int64_t(rng() % (data.size() - count + 1));
                file.WriteBuffer(data.data() + from, count);
                model.WriteBuffer(data.data() + from, count);
            } else if (op == 1) {
                const int64_t n = file.Read(got.data(), count);
                ASSERT_EQ(n, model.Read(want.data(), count)) << "step " << step;
                ASSERT_EQ(0, std::memcmp(got.data(), want.data(), size_t(n))) << "step " << step;
            } else {
                const int64_t target = int64_t(rng() % (model.Size() + 100));
                file.SetPosition(target);
                model.SetPosition(target);
            }
            ASSERT_EQ(file.Position(), model.Position()) << "step " << step;
            ASSERT_EQ(file.Size(), model.Size()) << "step " << step;
        }
        file.Flush();
    }
    TMemoryStream reloaded;
    reloaded.LoadFromFile(name);
    ASSERT_EQ(reloaded.Size(), model.Size());
    EXPECT_EQ(0, std::memcmp(reloaded.Memory(), model.Memory(), size_t(model.Size())));
}

TEST(Streams, CopyFromAndWholeStreamTransfers) {
    TStringStream src("0123456789");
    TMemoryStream dst;
    src.SetPosition(7);
    EXPECT_EQ(dst.CopyFrom(src, 0), 10);  // 0: the whole source from its start
    EXPECT_EQ(ReadAll(dst), "0123456789");
    src.SetPosition(2);
    dst.SetSize(0);
    EXPECT_EQ(dst.CopyFrom(src, 3), 3);  // from the source's position
    EXPECT_EQ(ReadAll(dst), "234");
    src.SetPosition(8);
    EXPECT_THROW(dst.CopyFrom(src, 5), EReadError);

    TTempDir dir;
    const std::string name = dir.File("copy.bin");
    TMemoryStream m;
    m.WriteBuffer("abcdef", 6);
    m.SetPosition(3);
    m.SaveToFile(name);  // the whole content, whatever the position
    TStringStream text;
    TFileStream file(name, fmOpenRead);
    text.CopyFrom(file, 0);
    EXPECT_EQ(text.DataString(), "abcdef");
    text.SetPosition(4);
    EXPECT_EQ(text.ReadString(10), "ef");
    text.WriteString("XY");
    EXPECT_EQ(text.DataString(), "abcdefXY");
}
