#pragma once
// Poppler's command-line readers run on a PDF file, so that a test checks what a printed page
// holds as an independent reader sees it: its text (pdftotext), its fonts (pdffonts), its
// pictures (pdfimages) and its rendering (pdftoppm). The tools belong to the test setup
// (scripts/prepare installs poppler-utils): a tool that is missing or fails gives nullopt, which
// the test reports as a failure, never as a skip.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// The standard output of the command line, or nullopt when it could not run or failed.
inline std::optional<std::string> RunPdfTool(const std::string& commandLine) {
    FILE* pipe = popen((commandLine + " 2>/dev/null").c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string out;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    if (pclose(pipe) != 0) return std::nullopt;
    return out;
}

// A file name as one shell word.
inline std::string ShellWord(const std::string& s) {
    std::string quoted = "'";
    for (char c : s) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::optional<std::string> PdfText(const std::string& file) {
    return RunPdfTool("pdftotext -raw " + ShellWord(file) + " -");
}

// The fonts the file uses, as pdffonts lists them.
struct TPdfFont {
    std::string Name;
    bool Embedded = false;
    std::string Line;  // as listed, for failure messages
};

inline std::optional<std::vector<TPdfFont>> PdfFonts(const std::string& file) {
    const std::optional<std::string> listing = RunPdfTool("pdffonts " + ShellWord(file));
    if (!listing) return std::nullopt;
    std::vector<TPdfFont> fonts;
    std::istringstream lines(*listing);
    std::string line;
    for (int n = 0; std::getline(lines, line); ++n) {
        if (n < 2 || line.empty()) continue;  // the heading and its rule
        // name, type (one or two words), encoding, emb, sub, uni, object number, generation
        std::vector<std::string> words;
        std::istringstream split(line);
        for (std::string w; split >> w;) words.push_back(w);
        if (words.size() < 7) return std::nullopt;
        fonts.push_back({words[0], words[words.size() - 5] == "yes", line});
    }
    return fonts;
}

// One line per picture on the pages after two heading lines.
inline std::optional<std::string> PdfImages(const std::string& file) {
    return RunPdfTool("pdfimages -list " + ShellWord(file));
}

// The first page rendered at dpi, as rows of RGB bytes.
struct TPdfRaster {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgb;
    // 0xRRGGBB of a pixel.
    uint32_t At(int x, int y) const {
        const uint8_t* p = &Rgb[(size_t(y) * size_t(Width) + size_t(x)) * 3];
        return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
    }
};

inline std::optional<TPdfRaster> RenderPdfPage(const std::string& file, int dpi) {
    const std::optional<std::string> ppm =
        RunPdfTool("pdftoppm -f 1 -l 1 -r " + std::to_string(dpi) + " " + ShellWord(file));
    if (!ppm) return std::nullopt;
    TPdfRaster raster;
    int maxValue = 0, consumed = 0;
    if (std::sscanf(ppm->c_str(), "P6 %d %d %d%n", &raster.Width, &raster.Height, &maxValue,
                    &consumed) != 3 ||
        maxValue != 255)
        return std::nullopt;
    const size_t start = size_t(consumed) + 1;  // one white-space byte ends the header
    const size_t size = size_t(raster.Width) * size_t(raster.Height) * 3;
    if (ppm->size() < start + size) return std::nullopt;
    raster.Rgb.assign(ppm->begin() + std::ptrdiff_t(start),
                      ppm->begin() + std::ptrdiff_t(start + size));
    return raster;
}

// Checks a page printed as text and shapes: pdftotext finds every one of texts, pdffonts lists
// at least one font and every font embedded, pdfimages finds no picture.
inline void ExpectTextAndShapesOnly(const std::string& file,
                                    std::initializer_list<const char*> texts) {
    const std::optional<std::string> text = PdfText(file);
    ASSERT_TRUE(text) << "pdftotext failed on " << file;
    for (const char* expected : texts)
        EXPECT_NE(text->find(expected), std::string::npos) << expected << " not in:\n" << *text;
    const std::optional<std::vector<TPdfFont>> fonts = PdfFonts(file);
    ASSERT_TRUE(fonts) << "pdffonts failed on " << file;
    EXPECT_FALSE(fonts->empty());
    for (const TPdfFont& f : *fonts) EXPECT_TRUE(f.Embedded) << "not embedded: " << f.Line;
    const std::optional<std::string> images = PdfImages(file);
    ASSERT_TRUE(images) << "pdfimages failed on " << file;
    EXPECT_EQ(std::count(images->begin(), images->end(), '\n'), 2) << "pictures:\n" << *images;
}
