// Checks the files of the data folder the game reads at run time: presence, picture formats and
// sizes, colour keys, the language and rules texts, sound and music files, the font.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

const fs::path DataDir{ORVANTE_DATA_DIR};

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le32(const Bytes& b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16
        | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t Le16(const Bytes& b, std::size_t at)
{
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

// A 24-bit uncompressed BMP; Format() is empty when the file is one, else says what is wrong.
struct Bmp
{
    Bytes bytes;
    int width = 0;
    int height = 0;
    std::string error;

    explicit Bmp(const fs::path& path)
        : bytes(ReadAll(path))
    {
        if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
            error = "not a BMP file";
            return;
        }
        width = static_cast<std::int32_t>(Le32(bytes, 18));
        height = static_cast<std::int32_t>(Le32(bytes, 22));
        if (Le16(bytes, 28) != 24)
            error = "not 24 bits a pixel";
        else if (Le32(bytes, 30) != 0)
            error = "compressed (not BI_RGB)";
        else if (width <= 0 || height == 0)
            error = "bad dimensions";
        else if (bytes.size() < Le32(bytes, 10) + std::size_t(Stride()) * std::abs(height))
            error = "pixel data cut short";
    }

    int Stride() const { return (width * 3 + 3) / 4 * 4; }
    int Height() const { return std::abs(height); }

    // (x, y) with y counted from the top, whichever way the rows are stored; -1 in every channel
    // when the file is no usable BMP or the point lies outside the picture.
    Rgb Pixel(int x, int y) const
    {
        if (!error.empty() || x < 0 || y < 0 || x >= width || y >= Height())
            return {-1, -1, -1};
        const int row = height > 0 ? height - 1 - y : y;
        const std::size_t at = Le32(bytes, 10) + std::size_t(row) * Stride() + std::size_t(x) * 3;
        return {bytes[at + 2], bytes[at + 1], bytes[at]};
    }
};

struct Size
{
    int w;
    int h;
};

Size ThemePictureSize(int k)
{
    if (k == 10)
        return {60, 60};
    if (k == 12)
        return {1024, 768};
    if (k == 23)
        return {153, 569};
    if (k == 25)
        return {190, 190};
    return {52, 52}; // pieces, highlighted choices and the wrong-piece overlay
}

bool IsKeyed(int k)
{
    return k <= 9 || (k >= 13 && k <= 22) || k == 25;
}

// Lines of a text file split at CR LF, with the line ends checked.
struct TextLines
{
    std::vector<std::string> lines;
    bool onlyCrLf = true;

    explicit TextLines(const fs::path& path)
    {
        const Bytes b = ReadAll(path);
        std::string line;
        for (std::size_t i = 0; i < b.size(); ++i) {
            if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') {
                lines.push_back(line);
                line.clear();
                ++i;
            } else if (b[i] == '\r' || b[i] == '\n') {
                onlyCrLf = false;
                lines.push_back(line);
                line.clear();
            } else {
                line += static_cast<char>(b[i]);
            }
        }
        if (!line.empty())
            lines.push_back(line);
    }
};

std::vector<std::string> LanguageLines()
{
    return TextLines(DataDir / "Textes" / "Francais.txt").lines;
}

std::string Text(const std::vector<std::string>& lines, std::size_t n)
{
    return n < lines.size() && lines[n].size() > 4 ? lines[n].substr(4) : std::string();
}

std::vector<std::string> ThemeNames()
{
    const auto lines = LanguageLines();
    return {Text(lines, 38), Text(lines, 39), Text(lines, 40)};
}

// Bytes that Windows-1252 leaves undefined.
bool IsUndefinedIn1252(std::uint8_t c)
{
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

struct Wav
{
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples;
    bool riff = false;

    explicit Wav(const fs::path& path)
    {
        const Bytes b = ReadAll(path);
        if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF"
            || std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
            return;
        riff = true;
        std::size_t at = 12;
        while (at + 8 <= b.size()) {
            const std::string id(b.begin() + at, b.begin() + at + 4);
            const std::size_t size = Le32(b, at + 4);
            const std::size_t body = at + 8;
            if (body + size > b.size())
                break;
            if (id == "fmt ") {
                format = Le16(b, body);
                channels = Le16(b, body + 2);
                rate = static_cast<int>(Le32(b, body + 4));
                bits = Le16(b, body + 14);
            } else if (id == "data" && bits == 16) {
                for (std::size_t i = body; i + 1 < body + size; i += 2)
                    samples.push_back(static_cast<std::int16_t>(Le16(b, i)));
            }
            at = body + size + (size & 1);
        }
    }

    double Seconds() const
    {
        return channels && rate ? double(samples.size()) / channels / rate : 0.0;
    }

    int Peak() const
    {
        int peak = 0;
        for (const auto s : samples)
            peak = std::max(peak, std::abs(int(s)));
        return peak;
    }
};

// Bit rate in kbit/s of the first MPEG-1 Layer III frame after any ID3v2 tag, 0 when none.
int FirstFrameBitRate(const Bytes& b, std::size_t& frameStart)
{
    std::size_t at = 0;
    if (b.size() > 10 && b[0] == 'I' && b[1] == 'D' && b[2] == '3')
        at = 10
            + (std::size_t(b[6]) << 21 | std::size_t(b[7]) << 14 | std::size_t(b[8]) << 7 | b[9]);
    if (at + 4 > b.size() || b[at] != 0xFF || (b[at + 1] & 0xFE) != 0xFA)
        return 0; // not MPEG-1 Layer III
    constexpr std::array<int, 16> rates{0,   32,  40,  48,  56,  64,  80,  96,
                                        112, 128, 160, 192, 224, 256, 320, 0};
    frameStart = at;
    return rates[b[at + 2] >> 4];
}

const std::vector<std::string> WindowPictures{"fenetre.bmp", "accueil.bmp", "Aide.bmp",
                                              "R.bmp",       "L.bmp",       "1.bmp",
                                              "2.bmp",       "3.bmp",       "splash.bmp"};

const std::vector<std::string> SoundNames{"Impossible", "Loud",    "erase", "applause",
                                          "help",       "Message", "7"};

} // namespace

TEST(DataFiles, EveryFileTheGameOpensIsPresent)
{
    std::vector<fs::path> expected{DataDir / "Textes" / "Francais.txt",
                                   DataDir / "Textes" / "regles.txt",
                                   DataDir / "graphisme" / "CHOWFUN_.TTF"};
    for (const auto& name : WindowPictures)
        expected.push_back(DataDir / "graphisme" / name);
    for (const auto& theme : ThemeNames())
        for (int k = 0; k <= 26; ++k)
            expected.push_back(DataDir / "graphisme" / theme / (std::to_string(k) + ".bmp"));
    for (const auto& name : SoundNames)
        expected.push_back(DataDir / "sons" / (name + ".wav"));
    for (const auto& path : expected)
        EXPECT_TRUE(fs::is_regular_file(path)) << path;
}

TEST(ThemePictures, AreTwentyFourBitBitmapsOfTheSizeTheirRoleNeeds)
{
    for (const auto& theme : ThemeNames()) {
        for (int k = 0; k <= 26; ++k) {
            const fs::path path = DataDir / "graphisme" / theme / (std::to_string(k) + ".bmp");
            const Bmp bmp(path);
            ASSERT_EQ(bmp.error, "") << path;
            if (k == 11 || k == 24) {
                EXPECT_LE(bmp.width * bmp.Height(), 64 * 64) << path << " is an unused placeholder";
                continue;
            }
            const Size want = ThemePictureSize(k);
            EXPECT_EQ(bmp.width, want.w) << path;
            EXPECT_EQ(bmp.Height(), want.h) << path;
        }
    }
}

TEST(ThemePictures, KeyedPicturesAreTransparentAtTheCornersAndSolidInTheMiddle)
{
    for (const auto& theme : ThemeNames()) {
        for (int k = 0; k <= 26; ++k) {
            if (!IsKeyed(k))
                continue;
            const fs::path path = DataDir / "graphisme" / theme / (std::to_string(k) + ".bmp");
            const Bmp bmp(path);
            ASSERT_EQ(bmp.error, "") << path;
            const Rgb key = bmp.Pixel(1, 1);
            const int w = bmp.width;
            const int h = bmp.Height();
            EXPECT_EQ(bmp.Pixel(0, 0), key) << path;
            EXPECT_EQ(bmp.Pixel(w - 1, 0), key) << path;
            EXPECT_EQ(bmp.Pixel(0, h - 1), key) << path;
            EXPECT_EQ(bmp.Pixel(w - 1, h - 1), key) << path;
            EXPECT_NE(bmp.Pixel(w / 2, h / 2), key) << path;
            // the shape must cover a good part of the picture, and leave some of it to the key
            int keyed = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    keyed += bmp.Pixel(x, y) == key;
            EXPECT_GT(keyed, w * h / 20) << path;
            EXPECT_LT(keyed, w * h / 2) << path;
        }
    }
}

TEST(ThemePictures, GivensLookClearlyDifferentFromThePlayersPieces)
{
    // Average brightness of the drawn (not keyed) pixels: a given and the player's piece of the
    // same digit must stand apart at a glance.
    const auto brightness = [](const Bmp& bmp) {
        const Rgb key = bmp.Pixel(1, 1);
        double sum = 0;
        int count = 0;
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.width; ++x) {
                const Rgb p = bmp.Pixel(x, y);
                if (p == key)
                    continue;
                sum += 0.299 * p.r + 0.587 * p.g + 0.114 * p.b;
                ++count;
            }
        return count ? sum / count : 0.0;
    };
    for (const auto& theme : ThemeNames()) {
        for (int d = 0; d <= 9; ++d) {
            const fs::path dir = DataDir / "graphisme" / theme;
            const Bmp playerPiece(dir / (std::to_string(d) + ".bmp"));
            const Bmp givenPiece(dir / (std::to_string(13 + d) + ".bmp"));
            ASSERT_EQ(playerPiece.error + givenPiece.error, "") << theme << " digit " << d;
            const double player = brightness(playerPiece);
            const double given = brightness(givenPiece);
            EXPECT_GT(std::abs(player - given), 40.0) << theme << " digit " << d;
        }
    }
}

TEST(WindowPictures, HaveTheSizesOfTheirPlaces)
{
    const std::vector<std::pair<std::string, Size>> sizes{
        {"fenetre.bmp", {503, 370}}, {"accueil.bmp", {992, 709}}, {"Aide.bmp", {91, 83}},
        {"R.bmp", {20, 20}},         {"L.bmp", {20, 20}},         {"1.bmp", {140, 49}},
        {"2.bmp", {140, 49}},        {"3.bmp", {140, 49}},        {"splash.bmp", {415, 277}}};
    for (const auto& [name, want] : sizes) {
        const Bmp bmp(DataDir / "graphisme" / name);
        ASSERT_EQ(bmp.error, "") << name;
        EXPECT_EQ(bmp.width, want.w) << name;
        EXPECT_EQ(bmp.Height(), want.h) << name;
    }
}

TEST(LanguageFile, HasEveryLineTheGameReadsEachBehindItsNumber)
{
    const TextLines file(DataDir / "Textes" / "Francais.txt");
    EXPECT_TRUE(file.onlyCrLf);
    ASSERT_GE(file.lines.size(), 73u);
    for (std::size_t n = 0; n < 73; ++n) {
        const std::string& line = file.lines[n];
        char number[8];
        std::snprintf(number, sizeof number, "%03zu ", n);
        EXPECT_EQ(line.substr(0, 4), number) << "a line is missing or doubled before line " << n;
        EXPECT_GT(line.size(), 4u) << "line " << n << " is empty";
    }
    EXPECT_EQ(Text(file.lines, 0), "Orvante");
}

TEST(LanguageFile, ButtonCaptionsFitOnAFace)
{
    const auto lines = LanguageLines();
    for (std::size_t n = 2; n <= 19; ++n)
        EXPECT_LE(Text(lines, n).size(), 11u) << "line " << n << ": " << Text(lines, n);
}

TEST(LanguageFile, ScoreTemplateHoldsNameAndDate)
{
    const std::string line = Text(LanguageLines(), 49);
    EXPECT_NE(line.find("[name]"), std::string::npos);
    EXPECT_NE(line.find("[date]"), std::string::npos);
}

TEST(LanguageFile, ThemeNamesArePlainWordsNamingTheThemeFolders)
{
    const auto names = ThemeNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 3u);
    for (const auto& name : names) {
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        })) << name;
        EXPECT_TRUE(fs::is_directory(DataDir / "graphisme" / name)) << name;
    }
}

TEST(RulesText, HasShortLinesInWindows1252)
{
    const TextLines file(DataDir / "Textes" / "regles.txt");
    EXPECT_TRUE(file.onlyCrLf);
    EXPECT_GE(file.lines.size(), 20u);
    for (std::size_t n = 0; n < file.lines.size(); ++n) {
        EXPECT_LE(file.lines[n].size(), 60u) << "line " << n;
        for (const char c : file.lines[n])
            EXPECT_FALSE(IsUndefinedIn1252(static_cast<std::uint8_t>(c))) << "line " << n;
    }
}

TEST(Sounds, ArePcmClipsOfAFittingLengthAndLevel)
{
    for (const auto& name : SoundNames) {
        const Wav wav(DataDir / "sons" / (name + ".wav"));
        ASSERT_TRUE(wav.riff) << name;
        EXPECT_EQ(wav.format, 1) << name << " is not PCM";
        EXPECT_EQ(wav.bits, 16) << name;
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << name;
        EXPECT_GE(wav.rate, 22050) << name;
        const double longest = name == "applause" ? 4.0 : 2.0;
        EXPECT_GE(wav.Seconds(), 0.1) << name;
        EXPECT_LE(wav.Seconds(), longest) << name;
        // moderate: clearly audible, never at full scale
        EXPECT_GT(wav.Peak(), 32767 / 10) << name;
        EXPECT_LT(wav.Peak(), 32767 * 8 / 10) << name;
        // no click at either end
        ASSERT_FALSE(wav.samples.empty());
        EXPECT_LT(std::abs(int(wav.samples.front())), 300) << name;
        EXPECT_LT(std::abs(int(wav.samples.back())), 300) << name;
    }
}

TEST(Music, AtLeastThreeTitlesOfOneToThreeMinutes)
{
    int titles = 0;
    for (const auto& entry : fs::directory_iterator(DataDir / "Musique")) {
        if (entry.path().extension() != ".mp3")
            continue;
        ++titles;
        const std::string name = entry.path().filename().string();
        EXPECT_LE(name.size(), 20u) << name;
        const auto size = entry.file_size();
        EXPECT_LE(size, 3u * 1024 * 1024) << name;
        const Bytes b = ReadAll(entry.path());
        std::size_t frame = 0;
        const int kbps = FirstFrameBitRate(b, frame);
        ASSERT_GT(kbps, 0) << name << " does not start with an MPEG-1 Layer III frame";
        // constant bit rate: the length follows from the size
        const double seconds = double(b.size() - frame) * 8.0 / (kbps * 1000.0);
        EXPECT_GE(seconds, 60.0) << name;
        EXPECT_LE(seconds, 180.0) << name;
    }
    EXPECT_GE(titles, 3);
}
