// The score and saved-game lines, and the files that keep them under the temporary home.
#include "control/GameFiles.h"
#include "game/Grids.h"

#include <array>
#include <csignal>
#include <string>
#include <sys/resource.h>
#include <tuple>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using control::SaveProblem;
using game_testing::GridOf;
using game_testing::Solved;

// A game in progress on Solved: a few pieces, among them a wrong 9 at row 9, column 2.
constexpr const char* Current = "1_3____8_+_5_7_____+7________+"
                                "_________+____9____+_________+"
                                "________2+_________+_9_______";

std::string SavedLine(double seconds, std::string_view date = "05/12/2026-13:02:08")
{
    return control::SavedGameLine(date, GridOf(Current), GridOf(Solved), seconds);
}

// The line with the text at 0-based byte position `at` replaced by `what`.
std::string Patched(std::string line, std::size_t at, std::string_view what)
{
    line.replace(at, what.size(), what);
    return line;
}

TEST(ScoreLine, FillsTheTemplateWithWholeMinutesAndSecondsTheNameOnOneLineThenTheDate)
{
    const std::tuple<double, const char*, const char*, const char*> cases[]{
        {75.9, "par [name] le [date]", "Ana", "1 m 15 s par Ana le d1"},
        {59.99, "[NAME] ([Date]) [nAmE]", "Léa", "0 m 59 s Léa (d1) Léa"},
        {7200.5, "bravo", "Léa", "120 m 0 s bravo"},
        {0, "[name] le [date]", "Bob [DATE]", "0 m 0 s Bob d1 le d1"},
        {0, "[name] le [date]", "[name]", "0 m 0 s [name] le d1"},
        {3, "[name]", "Ana\r\nBob\rCid\nDan\tEve\u2028Fay\u0085Gus",
         "0 m 3 s Ana  Bob Cid Dan Eve Fay Gus"},
    };
    for (const auto& [seconds, pattern, name, line] : cases)
        EXPECT_EQ(control::ScoreLine(seconds, {"m", "s", pattern}, name, "d1"), line);
}

TEST(SavedGameLine, PutsEachFieldAtItsPlaceWithTheDateCutOrPaddedToNineteenCharacters)
{
    EXPECT_EQ(SavedLine(120.5),
              std::string("05/12/2026-13:02:08 ") + Current + " " + Solved + "$120.5");
    EXPECT_EQ(SavedLine(1, "5/12/26").substr(0, 21), "5/12/26" + std::string(13, ' ') + "1");
    // Nineteen characters of two bytes or one, then the space: in the line and in its entry.
    const std::string wide = SavedLine(1, "05\u00B712\u00B72026-13:02:08 et plus");
    EXPECT_EQ(wide.substr(0, 23), "05\u00B712\u00B72026-13:02:08 1");
    EXPECT_EQ(control::LoadListEntry("Partie", wide), "Partie: 05\u00B712\u00B72026-13:02:08 ");
}

TEST(ParseSavedGame, AcceptsACommaOtherEmptyMarksTrailingSpacesAndWideCharacters)
{
    std::string line = SavedLine(0).substr(0, 200) + "83,4  ";
    line = Patched(Patched(line, 21, " "), 23, "0"); // two empty cells written as " " and "0"
    line.replace(2, 1, "\u00B7"); // two bytes: every later position moves by one byte
    const control::SavedGame game = control::ParseSavedGame(line);
    EXPECT_EQ(game.date, "05\u00B712/2026-13:02:08");
    EXPECT_EQ(game.current, GridOf(Current));
    EXPECT_EQ(game.solution, GridOf(Solved));
    EXPECT_DOUBLE_EQ(game.elapsedSeconds, 83.4);
}

TEST(ParseSavedGame, RefusesEveryMalformedLineAndNamesItsFirstProblem)
{
    const std::string good = SavedLine(42);
    const std::string noSeconds = good.substr(0, 200);
    // Rows shifted by one instead of three: every row and column keeps nine digits.
    const std::string boxes = good.substr(0, 110)
        + "123456789+234567891+345678912+456789123+567891234+678912345+"
          "789123456+891234567+912345678"
        + good.substr(199);
    using P = SaveProblem;
    // Each line, its problem and a part of the message that says where the problem is.
    std::vector<std::tuple<std::string, P, std::string>> bad{
        {"", P::Layout, "save date"},
        {Patched(good, 19, "x"), P::Layout, "save date"},
        {good.substr(0, 60), P::CurrentGrid, "only 36 of its 81 cells"},
        {good.substr(0, 29), P::CurrentGrid, "only 9 of its 81 cells"},
        {Patched(good, 20 + 12, "x"), P::CurrentGrid, "\"x\" at row 2, column 3"},
        {Patched(good, 20 + 3, "\u00E9"), P::CurrentGrid, "a character at row 1, column 4"},
        {Patched(good, 20 + 39, "-"), P::CurrentGrid, "after row 4"},
        {Patched(good, 109, "+"), P::Layout, "current grid"},
        {good.substr(0, 150), P::SolutionGrid, "only 36 of its 81 cells"},
        {Patched(good, 110 + 44, "0"), P::SolutionGrid, "empty cell at row 5, column 5"},
        {Patched(good, 110 + 2, "1"), P::SolutionGrid, "digit 1 twice in row 1"},
        // Swapping two cells of one row keeps the rows whole and breaks two columns.
        {Patched(good, 110, "213"), P::SolutionGrid, "twice in column 1"},
        {boxes, P::SolutionGrid, "twice in box 1"},
        {Patched(good, 199, " "), P::Layout, "\"$\""},
        {noSeconds, P::TooShort, "playing time"},
    };
    for (const std::string seconds : {"abc", "-3", "1,2.5", "inf", "12s"})
        bad.emplace_back(noSeconds + seconds, P::Seconds, '"' + seconds + '"');
    for (const auto& [line, problem, named] : bad) {
        try {
            (void)control::ParseSavedGame(line);
            ADD_FAILURE() << "accepted: " << line;
        } catch (const control::SavedGameError& error) {
            EXPECT_EQ(error.Problem(), problem) << error.what();
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos)
                << named << " in " << error.what();
        }
    }
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

const QDateTime When(QDate(2026, 12, 5), QTime(13, 2, 8));

// The game folder in the temporary documents folder, empty at the start of every test.
class GameFiles : public testing::Test
{
protected:
    void SetUp() override { QDir(folder).removeRecursively(); }

    const QString folder = control::GameDataFolder("Orvante");
};

TEST(GameDataFolder, IsNeverTheRootAndKeepsTheNameOneFolderInsideTheDocuments)
{
    const std::array<const char*, 4> cases[]{{"", "/h", "Orvante", "/h/Orvante"},
                                             {"/", "/h", "Orvante", "/h/Orvante"},
                                             {"/d", "/h", "../../etc", "/d/.._.._etc"},
                                             {"/d", "/h", " .. ", "/d/Orvante"},
                                             {"/d", "/h", "Jeu\tSu/do", "/d/Jeu_Su_do"}};
    for (const auto& [documents, home, name, folder] : cases)
        EXPECT_EQ(control::GameDataFolderIn(documents, home, name), folder) << name;
    EXPECT_THROW((void)control::GameDataFolderIn("", "/", "Orvante"), control::GameFileError);
    EXPECT_THROW((void)control::GameDataFolderIn("/", "", "Orvante"), control::GameFileError);
}

TEST_F(GameFiles, ReadAnyEncodingAndLineEndAndDeletingOutsideTheLinesWritesNothing)
{
    const control::ScoreWords words{"minutes", "secondes", "[name] le [date]"};
    const QString line = control::AppendScore(folder, 75.9, words, "Zoé", When);
    EXPECT_EQ(line, "1 minutes 15 secondes Zoé le 05/12/2026 - 13:02:08");
    const QString path = control::ScoresFilePath(folder);
    EXPECT_EQ(ReadBytes(path), line.toUtf8() + "\r\n");

    const QByteArray bytes = "z\xE9ro\none\rtwo\r\nthree"; // Windows-1252, mixed line ends
    WriteBytes(path, bytes);
    EXPECT_FALSE(control::DeleteListLine(folder, "scores", -1));
    EXPECT_FALSE(control::DeleteListLine(folder, "scores", 4));
    EXPECT_FALSE(control::DeleteListLine(folder, "regle", 0));
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_FALSE(control::DeleteListLine(folder, "charge", 0));
    EXPECT_FALSE(QFileInfo::exists(control::SavedGamesFilePath(folder)));
    EXPECT_TRUE(control::DeleteListLine(folder, "scores", 2));
    EXPECT_EQ(ReadBytes(path), "z\xC3\xA9ro\r\none\r\nthree\r\n");
    WriteBytes(path, "\xEF\xBB\xBFz\xC3\xA9ro\r\n");
    EXPECT_EQ(control::ScoreList(folder), QStringList{"zéro"});
}

TEST_F(GameFiles, SaveThePlayersGridAndLoadTheLineNowAtTheEntryOrLeaveTheBoardAsItWas)
{
    engine::Board paused;
    paused.SolutionGrid = GridOf(Solved);
    paused.SpareGrid = game_testing::SolvedWithout({{0, 0}, {4, 4}}); // the player's grid
    paused.CurrentGrid = GridOf(Solved); // stands for the scrambled pieces shown meanwhile
    for (const double seconds : {1.0, 2.0, 3.0})
        control::SaveGame(folder, paused, true, seconds, When);
    ASSERT_TRUE(control::DeleteListLine(folder, "charge", 0));
    engine::Board board;
    EXPECT_DOUBLE_EQ(control::LoadSavedGame(folder, 1, board), 3) << "the file is read again";
    EXPECT_EQ(board.CurrentGrid, paused.SpareGrid);

    const QString path = control::SavedGamesFilePath(folder);
    QStringList lines = control::ReadRecordLines(path);
    lines[0][110 + 44] = u'0';
    control::WriteRecordLines(path, lines);
    board.SpareGrid = GridOf(Solved);
    board.CandidateMarks[8][8][8] = 1;
    const engine::Board before = board;
    EXPECT_THROW((void)control::LoadSavedGame(folder, 0, board), control::SavedGameError);
    for (const int index : {-1, 2})
        EXPECT_THROW((void)control::LoadSavedGame(folder, index, board), control::GameFileError);
    EXPECT_EQ(board.CurrentGrid, before.CurrentGrid);
    EXPECT_EQ(board.StartGrid, before.StartGrid);
    EXPECT_EQ(board.SpareGrid, before.SpareGrid);
    EXPECT_EQ(board.CandidateMarks, before.CandidateMarks);

    paused.SolutionGrid[3][3] = engine::EmptyCell; // what an unfinished solve leaves behind
    EXPECT_THROW(control::SaveGame(folder, paused, true, 1, When), control::GameFileError);
    EXPECT_EQ(control::ReadRecordLines(path), lines);
}

TEST_F(GameFiles, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    const QString path = control::ScoresFilePath(folder);
    WriteBytes(path, "old score\r\n");
    // A file of 4 KiB at most stands for a full disk; the signal would otherwise end the test.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const rlimit small{4096, previous.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        control::AppendScore(folder, 1, {"m", "s", std::string(10000, 'x')}, "A", When);
    } catch (const control::GameFileError& error) {
        message = error.what();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(message.find("Scores.frd"), std::string::npos) << message;
    EXPECT_EQ(ReadBytes(path), "old score\r\n");
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files),
              QStringList{"Scores.frd"})
        << "no temporary file is left behind";
}

} // namespace
