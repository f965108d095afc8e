// The score and saved-game lines, and the files that keep them under the temporary home.
#include "control/GameFiles.h"
#include "game/Grids.h"

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

using namespace game_testing;

// A game in progress on Solved: a few pieces, among them a wrong 9 at row 9, column 2.
constexpr const char* Current = "1_3____8_+_5_7_____+7________+"
                                "_________+____9____+_________+"
                                "________2+_________+_9_______";

TEST(ScoreLine, FillsTheTemplateWithWholeMinutesAndSecondsTheNameOnOneLineThenTheDate)
{
    const std::tuple<double, const char*, const char*, const char*> cases[]{
        {75.9, "par [name] le [date]", "Ana", "1 m 15 s par Ana le d1"},
        {59.99, "[NAME] ([Date]) [nAmE]", "Léa", "0 m 59 s Léa (d1) Léa"},
        {0, "[name] le [date]", "Bob [DATE] [name]", "0 m 0 s Bob d1 [name] le d1"},
        {7200.5, "[name]", "Ana\r\nBob\rCid\nDan\tEve\u2028Fay\u0085Gus",
         "120 m 0 s Ana  Bob Cid Dan Eve Fay Gus"},
    };
    for (const auto& [seconds, pattern, name, line] : cases)
        EXPECT_EQ(control::ScoreLine(seconds, {"m", "s", pattern}, name, "d1"), line);
}

TEST(SavedGame, TheLineHasEachFieldAtItsCharacterAndTheParserNamesTheFirstProblem)
{
    const auto saved = [](double seconds, std::string_view date = "05/12/2026-13:02:08") {
        return control::SavedGameLine(date, GridOf(Current), GridOf(Solved), seconds);
    };
    // The line with the text at 0-based byte position `at` replaced by `what`.
    const auto patched = [](std::string line, std::size_t at, std::string_view what) {
        return line.replace(at, what.size(), what);
    };
    EXPECT_EQ(saved(120.5),
              std::string("05/12/2026-13:02:08 ") + Current + " " + Solved + "$120.5");
    EXPECT_EQ(saved(1, "5/12/26").substr(0, 21), "5/12/26" + std::string(13, ' ') + "1");
    // Nineteen characters of two bytes or one, then the space: in the line and in its entry.
    const std::string wide = saved(1, "05\u00B712\u00B72026-13:02:08 et plus");
    EXPECT_EQ(wide.substr(0, 23), "05\u00B712\u00B72026-13:02:08 1");
    EXPECT_EQ(control::LoadListEntry("Partie", wide), "Partie: 05\u00B712\u00B72026-13:02:08 ");

    // Two empty cells written as " " and "0", a comma, trailing spaces: two bytes further on.
    const control::SavedGame game = control::ParseSavedGame(
        patched(patched(wide, 23, " "), 25, "0").substr(0, 202) + "83,4  ");
    EXPECT_EQ(game.date, "05\u00B712\u00B72026-13:02:08");
    EXPECT_EQ(game.current, GridOf(Current));
    EXPECT_EQ(game.solution, GridOf(Solved));
    EXPECT_DOUBLE_EQ(game.elapsedSeconds, 83.4);

    const std::string good = saved(42), noSeconds = good.substr(0, 200);
    using P = control::SaveProblem;
    // Each line, its problem and a part of the message that says where the problem is.
    std::vector<std::tuple<std::string, P, std::string>> bad{
        {"", P::Layout, "save date"},
        {patched(good, 19, "x"), P::Layout, "save date"},
        {good.substr(0, 29), P::CurrentGrid, "only 9 of its 81 cells"},
        {patched(good, 20 + 12, "x"), P::CurrentGrid, "\"x\" at row 2, column 3"},
        {patched(good, 20 + 3, "\u00E9"), P::CurrentGrid, "a character at row 1, column 4"},
        {patched(good, 20 + 39, "-"), P::CurrentGrid, "after row 4"},
        {patched(good, 109, "+"), P::Layout, "current grid"},
        {patched(good, 110 + 44, "0"), P::SolutionGrid, "empty cell at row 5, column 5"},
        {patched(good, 110 + 2, "1"), P::SolutionGrid, "digit 1 twice in row 1"},
        // Swapping two cells of one row keeps the rows whole and breaks two columns.
        {patched(good, 110, "213"), P::SolutionGrid, "twice in column 1"},
        // Rows 3 and 4 swapped: every row and column keeps nine digits, the first box does not.
        {patched(good, 110 + 20, "234567891+789123456"), P::SolutionGrid, "2 twice in box 1"},
        {patched(good, 199, " "), P::Layout, "\"$\""},
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
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
        }
    }
}

TEST(RestoreSavedGame, MakesTheRightPiecesGivensAndLeavesAWrongOneThePlayersToCorrect)
{
    engine::Board board;
    board.StartGrid = GridOf(Solved); // the game that was on the board before
    board.CandidateMarks[2][2][4] = 1;
    control::RestoreSavedGame(board, {"", GridOf(Current), GridOf(Solved), 0});
    engine::Grid givens = GridOf(Current);
    givens[1][8] = engine::EmptyCell; // the wrong 9
    EXPECT_EQ(board.StartGrid, givens);
    EXPECT_EQ(board.CurrentGrid, GridOf(Current));
    EXPECT_EQ(board.SolutionGrid, GridOf(Solved));
    EXPECT_EQ(board.CandidateMarks, engine::MarkTable{});
}

TEST(GameDataFolder, IsNeverTheRootAndKeepsTheNameOneFolderInsideTheDocuments)
{
    const std::tuple<const char*, const char*, const char*, const char*> cases[]{
        {"", "/h", "Orvante", "/h/Orvante"},
        {"/", "/h", " .. ", "/h/Orvante"},
        {"/d", "/h", "Jeu\tSu/../do", "/d/Jeu_Su_.._do"}};
    for (const auto& [documents, home, name, folder] : cases)
        EXPECT_EQ(control::GameDataFolderIn(documents, home, name), folder) << name;
    EXPECT_THROW((void)control::GameDataFolderIn("", "/", "Orvante"), control::GameFileError);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

const QDateTime When(QDate(2026, 12, 5), QTime(13, 2, 8));

// The game folder in the temporary documents folder, empty at the start of every test.
class GameFiles : public testing::Test
{
protected:
    void SetUp() override { QDir(folder).removeRecursively(); }

    const QString folder = control::GameDataFolder("Orvante");
    const QString scores = control::ScoresFilePath(folder);
};

TEST_F(GameFiles, ScoresReadAnyEncodingAndAreRewrittenWholeOrNotAtAll)
{
    EXPECT_EQ(control::AppendScore(folder, 75.9, {"m", "s", "[name] [date]"}, "Zoé", When),
              "1 m 15 s Zoé 05/12/2026 - 13:02:08");
    const QByteArray bytes = "z\xE9ro\none\rtwo\r\nthree"; // Windows-1252, mixed line ends
    QFile file(scores);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    for (const auto& [kind, index] :
         {std::pair("scores", -1), {"scores", 4}, {"regle", 0}, {"charge", 0}})
        EXPECT_FALSE(control::DeleteListLine(folder, kind, index)) << kind << index;
    EXPECT_EQ(ReadBytes(scores), bytes);
    EXPECT_FALSE(QFileInfo::exists(control::SavedGamesFilePath(folder)));
    EXPECT_TRUE(control::DeleteListLine(folder, "scores", 2));
    EXPECT_EQ(ReadBytes(scores), "z\xC3\xA9ro\r\none\r\nthree\r\n");
    control::WriteRecordLines(scores, {QChar(0xFEFF) + QString("zéro")});
    EXPECT_EQ(control::ScoreList(folder), QStringList{"zéro"}) << "without the byte order mark";

    // A file of 4 KiB at most stands for a full disk; the signal would otherwise end the test.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit small{4096, previous.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(control::AppendScore(folder, 1, {"m", "s", std::string(9999, 'x')}, "A", When),
                 control::GameFileError);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(ReadBytes(scores), "\xEF\xBB\xBFz\xC3\xA9ro\r\n");
    EXPECT_EQ(QDir(folder + "/Scores").entryList(QDir::Files), QStringList{"Scores.frd"});
}

TEST_F(GameFiles, OnlyAGameWithAValidSolutionIsSavedAsThePlayersGridAndLoadedFromTheFileAsItIsNow)
{
    engine::Board paused;
    paused.SolutionGrid = GridOf(Solved);
    paused.SpareGrid = SolvedWithout({{0, 0}, {4, 4}}); // the player's grid
    paused.CurrentGrid = GridOf(Solved); // stands for the scrambled pieces shown meanwhile
    for (const double seconds : {1.0, 2.0, 3.0})
        control::SaveGame(folder, paused, true, seconds, When);
    ASSERT_TRUE(control::DeleteListLine(folder, "charge", 0));
    engine::Board board;
    EXPECT_DOUBLE_EQ(control::LoadSavedGame(folder, 1, board), 3) << "the file is read again";
    EXPECT_EQ(board.CurrentGrid, paused.SpareGrid);
    for (const int index : {-1, 2})
        EXPECT_THROW((void)control::LoadSavedGame(folder, index, board), control::GameFileError);

    const QString path = control::SavedGamesFilePath(folder);
    const QStringList lines = control::ReadRecordLines(path);
    paused.SolutionGrid[3][3] = engine::EmptyCell; // what an unfinished solve leaves behind
    EXPECT_THROW(control::SaveGame(folder, paused, true, 1, When), control::GameFileError);
    EXPECT_EQ(control::ReadRecordLines(path), lines);
}

} // namespace
