// The download cache, the file and address source base, and the markup texts' image loader,
// against a server on the loopback that each test starts and stops.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "LoopbackHttpServer.h"
#include "ToolBench.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/export/ChartPictureExport.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeHtml.h"
#include "chart/tools/sources/SeriesSourceFile.h"
#include "chart/tools/sources/UrlStreamCache.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/net/UrlFetch.h"
#include "tests/chart/foundation/SurfaceFixture.h"
#include "tests/support/TempDir.h"

namespace {

TEST(UrlNameTest, AnyWebOrFtpPrefixAnywhereInAnyCaseMakesAnAddress) {
    const struct {
        const char* Name;
        bool Url;
    } cases[] = {
        {"http://host/data.txt", true}, {"  hTtP://host/a  ", true},
        {"HTTPS://host/a", true},       {"https://host/a", true},
        {"ftp://host/a", true},         {"C:\\data\\ftp://odd", true},
        {"/home/user/data.txt", false}, {"file:///tmp/a.bmp", false},
        {"http:/host", false},          {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsUrlName(c.Name), c.Url) << c.Name;
}

std::string BytesOf(TMemoryStream& stream) {
    return std::string(stream.Memory(), size_t(stream.Size()));
}

struct UrlCacheTest : ::testing::Test {
    TToolsLibrary Library;
    TLoopbackHttpServer Server;
    int Code = -99;
    std::string Read(const std::string& address) {
        TMemoryStream stream;
        Code = ReadUrlCached(address, stream);
        return BytesOf(stream);
    }
};

TEST_F(UrlCacheTest, AnAddressIsDownloadedOnceWhateverItsLetterCase) {
    const std::string body("bytes\0with a zero", 17);
    Server.Serve("/data.bin", body);
    const int kept = UrlStreamCacheCount();
    EXPECT_EQ(Read(Server.Url("/data.bin")), body);
    EXPECT_EQ(Code, 0);
    EXPECT_EQ(Read(UpperCase(Server.Url("/data.bin"))), body);
    EXPECT_EQ(Code, 0);
    EXPECT_EQ(Server.Hits("/data.bin"), 1);
    EXPECT_EQ(UrlStreamCacheCount(), kept + 1);

    // The kept bytes go where the destination stands.
    TMemoryStream destination;
    destination.Write("ab", 2);
    EXPECT_EQ(ReadUrlCached(Server.Url("/Data.Bin"), destination), 0);
    EXPECT_EQ(BytesOf(destination), "ab" + body);
    EXPECT_EQ(Server.Hits("/data.bin"), 1);
}

TEST_F(UrlCacheTest, FailuresAndErrorStatusesAreNotKeptButAnEmptyBodyIs) {
    Server.Serve("/missing", "an error page", 404);
    Server.Serve("/broken", "another error page", 500);
    Server.Serve("/empty", "");
    const int kept = UrlStreamCacheCount();
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Read(Server.Url("/missing")), "");
        EXPECT_EQ(Code, 404);
        EXPECT_EQ(Read(Server.Url("/broken")), "");
        EXPECT_EQ(Code, 500);
        EXPECT_EQ(Read(Server.Url("/empty")), "");
        EXPECT_EQ(Code, 0);
    }
    EXPECT_EQ(Server.Hits("/missing"), 2);
    EXPECT_EQ(Server.Hits("/broken"), 2);
    EXPECT_EQ(Server.Hits("/empty"), 1);
    EXPECT_EQ(UrlStreamCacheCount(), kept + 1);
    EXPECT_EQ(UrlErrorText(404), "The server answered with HTTP status 404");

    // Nobody listening.
    std::string refused = "http://127.0.0.1:";
    refused.append(std::to_string(ClosedLoopbackPort())).append("/x");
    EXPECT_EQ(Read(refused), "");
    EXPECT_NE(Code, 0);
    EXPECT_EQ(UrlErrorText(Code), "The server refused the connection");
    // The toolkit's client fetches no FTP: such an address fails, and is not kept either.
    std::string ftp = "FTP://127.0.0.1:";
    ftp.append(std::to_string(ClosedLoopbackPort())).append("/x");
    EXPECT_EQ(Read(ftp), "");
    EXPECT_NE(Code, 0);
    EXPECT_EQ(UrlStreamCacheCount(), kept + 1);
}

TEST_F(UrlCacheTest, AServerThatNeverAnswersIsGivenUpAfterTheTimeout) {
    Server.Silence("/never");
    const int timeout = UrlFetchTimeout();
    SetUrlFetchTimeout(200);
    EXPECT_EQ(Read(Server.Url("/never")), "");
    SetUrlFetchTimeout(timeout);
    EXPECT_EQ(Code, UrlFetchTimedOut);
    EXPECT_EQ(UrlErrorText(Code), "The server did not answer in time");
    EXPECT_EQ(Server.Hits("/never"), 1);
}

TEST_F(UrlCacheTest, ThreadsReadThroughOneCache) {
    Server.Serve("/shared", "shared bytes");
    Server.Serve("/fresh", "fetched on a thread");
    EXPECT_EQ(Read(Server.Url("/shared")), "shared bytes");
    std::vector<std::string> got(4);
    std::vector<int> codes(4, -99);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < got.size(); ++i)
        threads.emplace_back([&, i] {
            TMemoryStream stream;
            codes[i] = ReadUrlCached(Server.Url(i == 0 ? "/fresh" : "/SHARED"), stream);
            got[i] = BytesOf(stream);
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(codes, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(got[0], "fetched on a thread");
    for (size_t i = 1; i < got.size(); ++i) EXPECT_EQ(got[i], "shared bytes");
    EXPECT_EQ(Server.Hits("/shared"), 1);
    EXPECT_EQ(Read(Server.Url("/fresh")), "fetched on a thread");
    EXPECT_EQ(Server.Hits("/fresh"), 1);
}

// A source kind that keeps what it was given to read.
class TRecordingFileSource : public TTeeSeriesSourceFile {
    KV_DECLARE_CLASS(TRecordingFileSource, TTeeSeriesSourceFile)
public:
    using TTeeSeriesSourceFile::TTeeSeriesSourceFile;
    std::vector<std::string> Read;
    void LoadFromStream(TStream& stream) override {
        TTeeSeriesSourceFile::LoadFromStream(stream);
        std::string text(size_t(stream.Size()), '\0');
        stream.Read(text.data(), stream.Size());
        Read.push_back(text);
    }
};

std::string UrlMessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(none)";
}

TEST_F(UrlCacheTest, TheFileSourceReadsFilesAndAddressesAndReportsFailures) {
    TTempDir dir;
    const std::string file = dir.File("points.txt");
    std::ofstream(file) << "from the disk";
    Server.Serve("/points.txt", "from the server");
    Server.Serve("/gone", "", 404);

    TComponent form(nullptr);
    auto* chart = new TChart(&form);
    auto* series = new TPointSeries(&form);
    chart->AddSeries(series);
    auto* source = new TRecordingFileSource(&form);
    EXPECT_EQ(UrlMessageOf([&] {
                  TMemoryStream s;
                  source->LoadFromStream(s);
              }),
              "No Series selected");

    source->SetSeries(series);
    source->SetActive(true);  // no file name: nothing to read
    EXPECT_TRUE(source->Read.empty());

    source->SetFileName("  " + LowerCase(Server.Url("/points.txt")) + " ");
    source->Reload();
    source->SetFileName(file);
    source->Reload();
    EXPECT_EQ(source->Read, (std::vector<std::string>{"from the server", "from the disk"}));

    source->SetFileName(Server.Url("/gone"));
    EXPECT_EQ(UrlMessageOf([&] { source->Reload(); }),
              "Error code: 404 downloading Series data from URL: " + Server.Url("/gone") +
                  " The server answered with HTTP status 404");
    source->SetFileName(dir.File("absent.txt"));
    EXPECT_THROW(source->Reload(), EFOpenError);
    EXPECT_EQ(source->Read.size(), 2u);
}

// The markup texts' images come through the loader the tools' start-up installs.
TEST_F(UrlCacheTest, MarkupImagesComeFromAddressesAndFiles) {
    ASSERT_TRUE(UrlReadHook());
    RegisterStandardGraphicFormats();
    PictureExportUnitStartup();
    TBitmap picture(6, 4);
    picture.SetPixelFormat(pf24bit);
    picture.Canvas()->Brush()->SetColor(clRed);
    picture.Canvas()->FillRect(TRect{0, 0, 6, 4});
    TMemoryStream bytes;
    picture.SaveToStream(bytes);
    Server.Serve("/pic.bmp", BytesOf(bytes));
    TTempDir dir;
    const std::string file = dir.File("pic.bmp");
    picture.SaveToFile(file);

    for (const std::string& source : {Server.Url("/pic.bmp"), file}) {
        TSurfaceOnBitmap<TTeeCanvas3D> f(20, 20);
        const std::string text = "<IMG SRC=\"" + source + "\">";
        DrawMarkupText(f.Surface, 2, 3, text);
        EXPECT_EQ(f.At(2, 3), clRed) << source;
        EXPECT_EQ(f.At(7, 6), clRed) << source;
        EXPECT_EQ(f.At(8, 3), clWhite) << source;
        EXPECT_EQ(f.At(2, 7), clWhite) << source;
    }
    EXPECT_EQ(Server.Hits("/pic.bmp"), 1);
    PictureExportUnitShutdown();
    UnregisterStandardGraphicFormats();
}

}  // namespace
