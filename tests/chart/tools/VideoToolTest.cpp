// Video recording and playback through the system's own AVI module: three frames recorded from
// the bench and read back by the player (equal pixels uncompressed, close ones in Motion-JPEG),
// the RIFF headers and index as players expect them, damaged and foreign files refused, a chart
// resized while recording, an empty recording, and the player's frame sequence.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chart/engine/PointSeries.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/media/AviReader.h"
#include "chart/tools/media/AviWriter.h"
#include "chart/tools/media/VideoPlayerTool.h"
#include "chart/tools/media/VideoTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<uint8_t> FileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t At32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}
uint16_t At16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
std::string Code(const std::vector<uint8_t>& b, size_t at) {
    return std::string(b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(at + 4));
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

struct VideoToolTest : ::testing::Test {
    TToolBench bench;
    TTempDir dir;
    std::string file = dir.File("chart.avi");
    TVideoTool* video = bench.AddTool<TVideoTool>();
    TPointSeries* series = bench.AddSeries({{10, 10}, {50, 70}, {90, 30}});

    // Records three drawings, each with the series moved, and gives the front images seen.
    std::vector<std::vector<uint8_t>> RecordThree() {
        std::vector<std::vector<uint8_t>> seen;
        video->StartRecording(file);
        for (int i = 0; i < 3; ++i) {
            series->YValues().SetValue(1, 20.0 + 25 * i);
            bench.Render();
            seen.push_back(bench.FrontPixels());
        }
        video->StopRecording();
        return seen;
    }
    // The largest and mean difference of any colour channel between a front image (4 bytes a
    // pixel) and a decoded frame (3 bytes a pixel).
    static std::pair<int, double> Difference(const std::vector<uint8_t>& front,
                                             const TBitmap& frame) {
        int largest = 0;
        double sum = 0;
        for (int y = 0; y < frame.Height(); ++y) {
            const uint8_t* row = frame.ScanLine(y);
            for (int x = 0; x < frame.Width(); ++x)
                for (int c = 0; c < 3; ++c) {
                    const int d = std::abs(int(row[3 * x + c]) -
                                           int(front[(size_t(y) * frame.Width() + x) * 4 + c]));
                    largest = std::max(largest, d);
                    sum += d;
                }
        }
        return {largest, sum / (3.0 * frame.Width() * frame.Height())};
    }
};

TEST_F(VideoToolTest, ThreeUncompressedFramesComeBackWithEqualPixels) {
    video->SetFrameDuration(40);
    const auto seen = RecordThree();
    EXPECT_EQ(video->Frames(), 3);
    TAviReader reader(file);
    ASSERT_EQ(reader.FrameCount(), 3);
    EXPECT_TRUE(reader.HasIndex());
    TBitmap frame;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.DecodeFrame(i, frame));
        ASSERT_EQ(frame.Width(), TToolBench::Width);
        ASSERT_EQ(frame.Height(), TToolBench::Height);
        EXPECT_EQ(Difference(seen[size_t(i)], frame).first, 0) << i;
    }
    EXPECT_NE(seen[0], seen[2]);
}

TEST_F(VideoToolTest, TheFileHasTheRiffHeadersAndIndexPlayersExpect) {
    video->SetFrameDuration(40);
    RecordThree();
    const std::vector<uint8_t> b = FileBytes(file);
    ASSERT_GT(b.size(), 212u);
    EXPECT_EQ(Code(b, 0), "RIFF");
    EXPECT_EQ(At32(b, 4), b.size() - 8);
    EXPECT_EQ(Code(b, 8), "AVI ");
    EXPECT_EQ(Code(b, 12), "LIST");
    EXPECT_EQ(Code(b, 20), "hdrl");
    EXPECT_EQ(Code(b, 24), "avih");
    EXPECT_EQ(At32(b, 32), 40000u);        // microseconds a frame
    EXPECT_EQ(At32(b, 44) & 0x10, 0x10u);  // has an index
    EXPECT_EQ(At32(b, 48), 3u);            // frames
    EXPECT_EQ(At32(b, 56), 1u);            // streams
    EXPECT_EQ(At32(b, 64), 400u);
    EXPECT_EQ(At32(b, 68), 300u);
    EXPECT_EQ(Code(b, 100), "strh");
    EXPECT_EQ(Code(b, 108), "vids");
    EXPECT_EQ(At32(b, 112), 0u);     // no compressor
    EXPECT_EQ(At32(b, 128), 40u);    // scale: the frame duration
    EXPECT_EQ(At32(b, 132), 1000u);  // rate: 25 frames a second
    EXPECT_EQ(At32(b, 140), 3u);     // length
    EXPECT_EQ(At32(b, 148), 8000u);  // quality
    EXPECT_EQ(At16(b, 160), 400u);   // frame rectangle right and bottom
    EXPECT_EQ(At16(b, 162), 300u);
    EXPECT_EQ(Code(b, 164), "strf");
    EXPECT_EQ(At32(b, 168), 40u);
    EXPECT_EQ(At32(b, 172), 40u);
    EXPECT_EQ(At16(b, 186), 32u);  // bits a pixel
    EXPECT_EQ(At32(b, 188), 0u);   // uncompressed
    EXPECT_EQ(At32(b, 192), 400u * 300u * 4u);
    EXPECT_EQ(Code(b, 212), "LIST");
    EXPECT_EQ(Code(b, 220), "movi");
    const size_t idx1 = 220 + At32(b, 216);
    ASSERT_LT(idx1 + 8, b.size());
    EXPECT_EQ(Code(b, idx1), "idx1");
    ASSERT_EQ(At32(b, idx1 + 4), 3u * 16u);
    for (size_t i = 0; i < 3; ++i) {
        const size_t e = idx1 + 8 + 16 * i;
        EXPECT_EQ(Code(b, e), "00db");
        EXPECT_EQ(At32(b, e + 4), 0x10u);  // key frame
        const size_t chunk = 220 + At32(b, e + 8);
        EXPECT_EQ(Code(b, chunk), "00db");
        EXPECT_EQ(At32(b, chunk + 4), 400u * 300u * 4u);
        EXPECT_EQ(At32(b, e + 12), 400u * 300u * 4u);
    }
    EXPECT_EQ(idx1 + 8 + 48, b.size());
}

TEST_F(VideoToolTest, MotionJpegFramesComeBackWithinTheCompressionsTolerance) {
    video->SetCompression("mjpg");
    video->SetCompressionQuality(9000);
    const auto seen = RecordThree();
    TAviReader reader(file);
    EXPECT_EQ(FourCCText(reader.StreamInfo().Handler), "MJPG");
    EXPECT_EQ(FourCCText(reader.Format().Compression), "MJPG");
    ASSERT_EQ(reader.FrameCount(), 3);
    const std::vector<uint8_t> b = FileBytes(file);
    EXPECT_EQ(Code(b, 224), "00dc");
    TBitmap frame;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(reader.DecodeFrame(i, frame));
        const auto [largest, mean] = Difference(seen[size_t(i)], frame);
        EXPECT_LT(mean, 2.0) << i;
        EXPECT_GT(largest, 0) << i;  // compressed indeed
    }
}

TEST_F(VideoToolTest, CompressorsAreCheckedAndAKnownValueKept) {
    TStringList list;
    video->ListCompressors(list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(0), "No Compression");
    EXPECT_EQ(list.Strings(1).substr(0, 5), "MJPG ");
    video->SetCompression("MJPG");
    EXPECT_EQ(MessageOf([&] { video->SetCompression("XVID"); }),
              "No compressor for XVID available");
    EXPECT_EQ(video->Compression(), "MJPG");
    video->SetCompression("");
    EXPECT_EQ(video->Compression(), "");
    EXPECT_EQ(MessageOf([&] { video->SetFrameDuration(0); }), "Frame duration must be positive");
    EXPECT_EQ(video->FrameDuration(), 50);
    video->SetCompression("MJPG");
    video->SetFrameDuration(40);
    ExpectToolRoundTrips(bench, *video);
}

TEST_F(VideoToolTest, AResizedChartKeepsTheFirstFramesSize) {
    video->StartRecording(file);
    bench.Render();
    bench.Chart().SetBounds(0, 0, 200, 150);
    bench.Render();
    video->StopRecording();
    TAviReader reader(file);
    EXPECT_EQ(reader.Format().Width, 400);
    ASSERT_EQ(reader.FrameCount(), 2);
    TBitmap frame;
    ASSERT_TRUE(reader.DecodeFrame(1, frame));
    EXPECT_EQ(frame.Width(), 400);
    EXPECT_EQ(frame.Height(), 300);
    EXPECT_EQ(reader.FrameData(1).size(), 400u * 300u * 4u);
}

TEST_F(VideoToolTest, RecordingReplacesAFileAndAnEmptyRecordingIsAValidVideo) {
    std::ofstream(file) << "an older file";
    int starts = 0, stops = 0;
    video->OnStart = [&](TObject*) { ++starts; };
    video->OnStop = [&](TObject*) { ++stops; };
    bench.Render();  // not recording: no frame
    video->StartRecording(file);
    video->StopRecording();
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(video->Frames(), 0);
    TAviReader reader(file);
    EXPECT_EQ(reader.FrameCount(), 0);
    EXPECT_EQ(reader.Format().Width, 400);
    // A tool without a chart keeps the name and stays idle.
    TVideoTool loose(nullptr);
    loose.StartRecording(dir.File("other.avi"));
    EXPECT_EQ(loose.FileName(), dir.File("other.avi"));
    EXPECT_FALSE(loose.IsRecording());
}

TEST_F(VideoToolTest, DamagedAndForeignFilesAreRefused) {
    RecordThree();
    TVideoPlayerTool player(nullptr);
    const auto playMessage = [&](const std::string& name) {
        player.SetFileName(name);
        return MessageOf([&] { player.Play(); });
    };
    EXPECT_EQ(playMessage(dir.File("missing.avi")), "AVI Error: 8004406F");
    std::vector<uint8_t> b = FileBytes(file);
    const auto writeAs = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(dir.File(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return dir.File(name);
    };
    std::vector<uint8_t> truncated(b.begin(), b.begin() + std::ptrdiff_t(b.size() / 2));
    std::vector<uint8_t> notAvi(b);
    notAvi[8] = 'W';
    std::vector<uint8_t> badIndex(b);
    badIndex[b.size() - 8] = 0xFF;  // the last entry's offset beyond the movie
    badIndex[b.size() - 7] = 0xFF;
    badIndex[b.size() - 6] = 0xFF;
    for (const auto* name : {"truncated.avi", "notavi.avi", "badindex.avi"}) {
        const std::string path = writeAs(name, std::string(name) == "truncated.avi" ? truncated
                                               : std::string(name) == "notavi.avi"  ? notAvi
                                                                                    : badIndex);
        EXPECT_EQ(playMessage(path), "AVI Error: 80044066") << name;
        EXPECT_FALSE(player.Playing());
    }
    // A stream of a compressor this system does not have.
    {
        TAviWriter writer(dir.File("foreign.avi"));
        TAviStreamInfo info;
        info.Handler = MakeFourCC('X', 'V', 'I', 'D');
        writer.SetStreamInfo(info);
        TAviFrameFormat format;
        format.Width = 4;
        format.Height = 4;
        format.Compression = info.Handler;
        writer.SetFormat(format);
        const uint8_t junk[10] = {};
        writer.WriteFrame(junk);
        writer.Close();
    }
    EXPECT_EQ(playMessage(dir.File("foreign.avi")), "Error GetFrameOpen AVI file stream");
}

TEST_F(VideoToolTest, ThePlayerShowsEveryFrameThenStopsOrLoops) {
    RecordThree();
    auto* player = bench.AddTool<TVideoPlayerTool>();
    player->SetFileName(file);
    player->SetDelay(10);
    int frames = 0;
    player->OnFrame = [&](TObject*) { ++frames; };
    bench.Chart().Gradient()->SetVisible(true);
    player->Play();
    player->Play();  // playing already: nothing
    EXPECT_EQ(player->LastFrame(), 2);
    bench.Clock.Advance(10);
    EXPECT_EQ(frames, 1);
    EXPECT_FALSE(bench.Chart().Gradient()->Visible());
    EXPECT_EQ(bench.Chart().BackImage()->Width(), 400);
    bench.Clock.Advance(100);
    EXPECT_EQ(frames, 3);
    EXPECT_FALSE(player->Playing());
    // Looping: the frames come round again.
    player->SetLoop(true);
    player->Play();
    bench.Clock.Advance(50);
    EXPECT_EQ(frames, 8);
    EXPECT_TRUE(player->Playing());
    player->Stop();
    // Switching targets empties the former one.
    TTeePicture first, second;
    player->SetTarget(&first);
    player->Play();
    bench.Clock.Advance(10);
    player->Stop();
    EXPECT_EQ(first.Width(), 400);
    player->SetTarget(&second);
    EXPECT_EQ(first.Graphic(), nullptr);
    player->SetTarget(nullptr);
}

}  // namespace
