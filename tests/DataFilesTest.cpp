// Checks the files of the data folder the game reads at run time.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

const fs::path DataDir{ORVANTE_DATA_DIR};

namespace {

std::string ReadAll(const fs::path& path)
{
    EXPECT_TRUE(fs::is_regular_file(path)) << path << " is missing";
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The little-endian unsigned number in the n bytes at offset at.
std::uint32_t Number(const std::string& bytes, std::size_t at, int n)
{
    std::uint32_t value = 0;
    for (int i = n - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

// The lines of a text file, checking that each ends in CR LF and that no byte is one
// Windows-1252 leaves undefined.
std::vector<std::string> WindowsLines(const fs::path& path)
{
    const std::string text = ReadAll(path);
    EXPECT_EQ(text.find_first_of("\x81\x8D\x8F\x90\x9D"), std::string::npos) << path;
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line); lines.push_back(line.substr(0, line.size() - 1)))
        EXPECT_TRUE(!line.empty() && line.find('\r') == line.size() - 1) << path << ": " << line;
    return lines;
}

// A 24-bit uncompressed BMP of width x height (any size when width is 0); a keyed one has the
// colour key magenta at (1, 1) and in its corners, not in the middle.
void CheckBitmap(const fs::path& path, int width, int height, bool keyed)
{
    SCOPED_TRACE(path.string());
    const std::string b = ReadAll(path);
    ASSERT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(Number(b, 28, 2) << 8 | Number(b, 30, 4), 24u << 8) << "24 bits, uncompressed";
    const int w = static_cast<std::int32_t>(Number(b, 18, 4));
    const int rows = static_cast<std::int32_t>(Number(b, 22, 4)),
              h = std::abs(rows); // < 0: top down
    EXPECT_TRUE(width == 0 || (w == width && h == height)) << w << " x " << h;
    const std::size_t stride = (w * 3 + 3) / 4 * 4;
    ASSERT_GE(b.size(), Number(b, 10, 4) + stride * h);
    const auto isKey = [&](int x, int y) {
        return Number(b, Number(b, 10, 4) + (rows > 0 ? h - 1 - y : y) * stride + x * 3, 3)
            == 0xFF00FF;
    };
    EXPECT_TRUE(!keyed
                || (isKey(1, 1) && isKey(0, 0) && isKey(w - 1, 0) && isKey(0, h - 1)
                    && isKey(w - 1, h - 1) && !isKey(w / 2, h / 2)));
}

} // namespace

TEST(Pictures, AreTwentyFourBitBitmapsOfTheirSizesWithTheColourKeyWhereItIsUsed)
{
    const std::vector<std::tuple<std::string, int, int>> window{
        {"fenetre", 503, 370}, {"accueil", 992, 709}, {"Aide", 91, 83},
        {"R", 20, 20},         {"L", 20, 20},         {"1", 140, 49},
        {"2", 140, 49},        {"3", 140, 49},        {"splash", 415, 277}};
    for (const auto& [name, w, h] : window)
        CheckBitmap(DataDir / "graphisme" / (name + ".bmp"), w, h, false);
    // In a theme, the pieces 0..9 and 13..22 are keyed 52 x 52 pictures; 11 and 24 are unused.
    const std::map<int, std::tuple<int, int, bool>> others{
        {10, {60, 60, false}},   {11, {0, 0, false}}, {12, {1024, 768, false}},
        {23, {153, 569, false}}, {24, {0, 0, false}}, {25, {190, 190, true}},
        {26, {52, 52, false}}};
    for (const auto& theme : fs::directory_iterator(DataDir / "graphisme")) {
        for (int k = 0; k <= 26 && theme.is_directory(); ++k) {
            const auto [w, h, keyed] = others.contains(k) ? others.at(k) : std::tuple{52, 52, true};
            CheckBitmap(theme.path() / (std::to_string(k) + ".bmp"), w, h, keyed);
        }
    }
}

TEST(Texts, AreNumberedLanguageLinesNamingTheThemesBesideShortRulesLines)
{
    const auto lines = WindowsLines(DataDir / "Textes" / "Francais.txt");
    ASSERT_EQ(lines.size(), 73u);
    for (std::size_t n = 0; n < lines.size(); ++n) // "000 " .. "072 ", then some text
        EXPECT_TRUE(lines[n].size() > 4
                    && lines[n].starts_with(std::to_string(1000 + n).substr(1) + " "))
            << lines[n];
    const std::set<std::string> themes{lines[38].substr(4), lines[39].substr(4),
                                       lines[40].substr(4)};
    EXPECT_EQ(themes.size(), 3u);
    for (const auto& theme : themes)
        EXPECT_TRUE(fs::is_directory(DataDir / "graphisme" / theme)) << theme;
    const auto rules = WindowsLines(DataDir / "Textes" / "regles.txt");
    EXPECT_GE(rules.size(), 20u);
    for (std::size_t n = 0; n < rules.size(); ++n)
        EXPECT_LE(rules[n].size(), 60u) << "rules line " << n;
}

TEST(Sounds, AreSixteenBitPcmClipsClearlyBelowFullScale)
{
    for (const char* name : {"Impossible", "Loud", "erase", "applause", "help", "Message", "7"}) {
        // The plain 44-byte header: "fmt " at 12, "data" at 36, the samples from 44.
        const std::string b = ReadAll(DataDir / "sons" / (std::string(name) + ".wav"));
        ASSERT_EQ(b.substr(0, 4) + b.substr(8, 8) + b.substr(36, 4), "RIFFWAVEfmt data") << name;
        EXPECT_EQ(Number(b, 20, 2) << 16 | Number(b, 34, 2), 1u << 16 | 16) << name << ": PCM";
        int peak = 0;
        for (std::size_t i = 44; i < 44 + Number(b, 40, 4); i += 2)
            peak = std::max(peak, std::abs(int(std::int16_t(Number(b, i, 2)))));
        EXPECT_TRUE(peak > 32767 / 10 && peak < 32767 * 8 / 10) << name << " peaks at " << peak;
    }
}

TEST(Music, AtLeastThreeMp3TitlesOfOneToThreeMinutes)
{
    int titles = 0;
    for (const auto& entry : fs::directory_iterator(DataDir / "Musique")) {
        if (entry.path().extension() != ".mp3" || !++titles)
            continue;
        const std::string b = ReadAll(entry.path());
        const std::size_t at = b.find("\xFF\xFB"); // the first MPEG-1 Layer III frame
        ASSERT_LT(at, 4096u) << entry.path();
        constexpr int Kbps[16]{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
        const double seconds = (b.size() - at) * 8.0 / (Kbps[Number(b, at + 2, 1) >> 4] * 1000.0);
        EXPECT_TRUE(seconds >= 60 && seconds <= 180) << entry.path() << ": " << seconds << " s";
    }
    EXPECT_GE(titles, 3);
}
