// The score and saved-game lines, and the files that keep them under the temporary home.
#include "control/GameFiles.h"
#include "game/Grids.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <functional>
#include <future>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <gtest/gtest.h>

namespace {

using namespace game_testing;

// A game in progress on Solved: a few pieces, among them a wrong 9 at row 9, column 2.
constexpr const char* Current = "1_3____8_+_5_7_____+7________+"
                                "_________+____9____+_________+"
                                "________2+_________+_9_______";

TEST(ScoreLine, FillsTheTemplateWithTheWholeSecondsTheNameOnOneLineThenTheDate)
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

TEST(SavedGameLine, ParsesBackFieldByFieldOrNamesItsFirstProblem)
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
        {"", P::Layout, "date d'enregistrement"},
        {patched(good, 19, "x"), P::Layout, "date d'enregistrement"},
        {good.substr(0, 29), P::CurrentGrid, "n'a que 9 de ses 81 cases"},
        {patched(good, 20 + 12, "x"), P::CurrentGrid, "« x » en ligne 2, colonne 3"},
        {patched(good, 20 + 3, "\u00E9"), P::CurrentGrid, "un caractère en ligne 1, colonne 4"},
        {patched(good, 20 + 39, "-"), P::CurrentGrid, "après la ligne 4"},
        {patched(good, 109, "+"), P::Layout, "grille en cours"},
        {patched(good, 110 + 44, "0"), P::SolutionGrid, "case vide en ligne 5, colonne 5"},
        {patched(good, 110 + 2, "1"), P::SolutionGrid, "deux fois le chiffre 1 dans la ligne 1"},
        // Swapping two cells of one row keeps the rows whole and breaks two columns.
        {patched(good, 110, "213"), P::SolutionGrid, "dans la colonne 1"},
        // Rows 3 and 4 swapped: every row and column keeps nine digits, the first box does not.
        {patched(good, 110 + 20, "234567891+789123456"), P::SolutionGrid,
         "chiffre 2 dans le carré 1"},
        {patched(good, 199, " "), P::Layout, "« $ »"},
        {noSeconds, P::TooShort, "temps de jeu"},
    };
    for (const std::string seconds : {"abc", "-3", "1,2.5", "inf", "nan", "-1e-9", "12s"})
        bad.emplace_back(noSeconds + seconds, P::Seconds, "« " + seconds + " »");
    // A giant field is quoted by its first 40 characters only.
    bad.emplace_back(noSeconds + std::string(10'000'000, '7') + "x", P::Seconds,
                     "« " + std::string(40, '7') + "\u2026 »");
    // Far beyond the clock's count, and just beyond it: a saved time is clamped.
    for (const std::string seconds : {"1e308", "1e13"})
        EXPECT_EQ(control::ParseSavedGame(noSeconds + seconds).elapsedSeconds,
                  control::MaxElapsedSeconds);
    for (const auto& [line, problem, named] : bad) {
        try {
            (void)control::ParseSavedGame(line);
            ADD_FAILURE() << "accepted: " << line;
        } catch (const control::SavedGameError& error) {
            EXPECT_EQ(error.Problem(), problem) << error.what();
            const std::string message = error.what();
            EXPECT_NE(message.find(named), std::string::npos) << message.substr(0, 300);
            EXPECT_LT(message.size(), 200u);
        }
    }
}

TEST(GameDataFolder, IsASafeNameOneFolderInsideTheDocumentsNeverTheRoot)
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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

const QDateTime When(QDate(2026, 12, 5), QTime(13, 2, 8));
const control::ScoreWords Words{"m", "s", "[name]"};

// The message of the file error change throws, or "(none)".
std::string FileError(const std::function<void()>& change)
{
    try {
        change();
    } catch (const control::GameFileError& error) {
        return error.what();
    }
    return "(none)";
}

// The game folder in the temporary documents folder, empty at the start of every test.
struct GameFiles : testing::Test
{
    void SetUp() override { QDir(folder).removeRecursively(); }
    const QString folder = control::GameDataFolder("Orvante");
    const QString scores = control::ScoresFilePath(folder);
    const QString saves = control::SavedGamesFilePath(folder);
};

TEST_F(GameFiles, ARewriteKeepsEachOtherLineAsItWasDecoded)
{
    const std::tuple<const char*, QByteArray, QString, bool, QByteArray> cases[]{
        {"a Windows-1252 line among UTF-8 ones, a byte order mark, mixed endings",
         "\xEF\xBB\xBFZo\xC3\xA9\r\nz\xE9ro\nL\xC3\xA9o\rone", "one", true,
         "Zo\xC3\xA9\r\nz\xC3\xA9ro\r\nL\xC3\xA9o\r\n"},
        {"a byte order mark before a Windows-1252 line", "\xEF\xBB\xBFz\xE9ro\r\nx", "x", true,
         "z\xC3\xA9ro\r\n"},
        {"a byte order mark inside the file is a character", "a\r\n\xEF\xBB\xBFx\r\nc", "c", true,
         "a\r\n\xEF\xBB\xBFx\r\n"},
        {"the first of two equal lines goes", "a\r\nb\r\na", "a", true, "b\r\na\r\n"},
        {"a line no longer in the file", "z\xE9ro\r\n", "zero", false, "z\xE9ro\r\n"},
    };
    for (const auto& [name, before, deleted, removed, after] : cases) {
        SCOPED_TRACE(name);
        WriteBytes(scores, before);
        EXPECT_EQ(control::DeleteListLine(folder, "scores", deleted), removed);
        EXPECT_EQ(ReadBytes(scores), after);
    }
}

TEST_F(GameFiles, ACommandFromAStaleListFindsItsLineByTextOrChangesNothing)
{
    // A giant line shows shortened in the list; the delete still finds the whole line.
    const QString giant(10'000'000, u'9');
    control::WriteRecordLines(scores, {giant});
    const QList<control::ListEntry> list = control::ScoreList(folder);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].text, giant.left(199) + u'\u2026');
    EXPECT_TRUE(control::DeleteListLine(folder, "scores", list[0].line));
    EXPECT_TRUE(control::ReadRecordLines(scores).isEmpty());
    for (const char* name : {"Ana", "Bob", "Cid"})
        control::AppendScore(folder, 60, Words, name, When);
    // Two copies of the game show the same list; B deletes the first line, then A the second.
    const QList<control::ListEntry> a = control::ScoreList(folder), b = control::ScoreList(folder);
    ASSERT_TRUE(control::DeleteListLine(folder, "scores", b[0].line));
    EXPECT_TRUE(control::DeleteListLine(folder, "scores", a[1].line));
    EXPECT_FALSE(control::DeleteListLine(folder, "scores", a[0].line)) << "gone already";
    EXPECT_EQ(control::ReadRecordLines(scores), QStringList{"1 m 0 s Cid"});
    engine::Board paused;
    paused.SolutionGrid = GridOf(Solved);
    paused.SpareGrid = SolvedWithout({{0, 0}, {4, 4}}); // the player's grid, with a wrong 9
    paused.SpareGrid[1][8] = 8; // digits are kept from 0
    paused.CurrentGrid = GridOf(Solved); // stands for the scrambled pieces shown meanwhile
    for (const double seconds : {1.0, 2.0, 3.0})
        control::SaveGame(folder, paused, true, seconds, When);
    const QList<control::ListEntry> shown = control::LoadListEntries(folder, "Partie");
    ASSERT_TRUE(control::DeleteListLine(folder, "charge", shown[0].line));
    engine::Board board;
    board.CandidateMarks[2][2][4] = 1; // of the game that was on the board before
    EXPECT_DOUBLE_EQ(control::LoadSavedGame(folder, shown[1].line, board), 2);
    EXPECT_TRUE(board.CurrentGrid == paused.SpareGrid && board.SolutionGrid == GridOf(Solved)
                && board.CandidateMarks == engine::MarkTable{});
    engine::Grid givens = paused.SpareGrid;
    givens[1][8] = engine::EmptyCell; // the wrong 9 stays the player's to correct
    EXPECT_EQ(board.StartGrid, givens);
    EXPECT_THROW((void)control::LoadSavedGame(folder, shown[0].line, board),
                 control::LineGoneError);
    EXPECT_EQ(board.CurrentGrid, paused.SpareGrid) << "the board as it was";
    // A game that would not load back is not written, and the message says why.
    const QStringList lines = control::ReadRecordLines(saves);
    const std::string refused
        = FileError([&] { control::SaveGame(folder, paused, true, HUGE_VAL, When); });
    EXPECT_NE(refused.find("temps de jeu"), std::string::npos) << refused;
    EXPECT_EQ(control::ReadRecordLines(saves), lines);
}

TEST_F(GameFiles, AChangeWaitsOnlyForTheLockOfALiveCopy)
{
    QDir().mkpath(QFileInfo(scores).absolutePath());
    QLockFile other(scores + ".lock");
    ASSERT_TRUE(other.tryLock(0));
    const QByteArray lockText = ReadBytes(scores + ".lock");
    // B reads the empty file, then A's score comes; B writes its line and lets go.
    auto score = std::async(std::launch::async,
                            [&] { return control::AppendScore(folder, 60, Words, "A", When); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    control::WriteRecordLines(scores, {"B"});
    other.unlock(), score.get();
    EXPECT_EQ(control::ReadRecordLines(scores), QStringList({"B", "1 m 0 s A"}));
    // A copy that never lets go: nothing is written, and the player is told.
    ASSERT_TRUE(other.tryLock(0));
    const std::string locked
        = FileError([&] { control::AppendScore(folder, 60, Words, "C", When); });
    EXPECT_NE(locked.find("utilisé par une autre copie du jeu"), std::string::npos) << locked;
    other.unlock();
    // The lock of a copy that was killed: its process is gone.
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    QByteArray killed = lockText;
    killed.replace(QByteArray::number(QCoreApplication::applicationPid()),
                   QByteArray::number(child));
    WriteBytes(scores + ".lock", killed);
    control::AppendScore(folder, 60, Words, "D", When);
    EXPECT_EQ(control::ReadRecordLines(scores).size(), 3);
    EXPECT_FALSE(QFileInfo::exists(scores + ".lock"));
}

TEST_F(GameFiles, AWriteIsWholeOrNothingTidyingOnlyItsOwnLeftovers)
{
    const QString dir = QFileInfo(scores).absolutePath();
    const QStringList kept{"Scores.frd.abcDE",  "Scores.frd.abcDEF1", "Scores.frd.abc1EF",
                           "Scores.frdXabcDEF", "Save.frd.abcDEF",    "Scores.frd.abcDEF.txt"};
    for (const QString& name : kept + QStringList{"Scores.frd.abcDEF", "Scores.frd.XyZwVu"})
        WriteBytes(dir + '/' + name, "x");
    control::AppendScore(folder, 75.9, {"m", "s", "[name] [date]"}, "Zoé", When);
    QStringList expected = kept + QStringList{"Scores.frd"};
    expected.sort();
    EXPECT_EQ(QDir(dir).entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(ReadBytes(scores), "1 m 15 s Zo\xC3\xA9 05/12/2026 - 13:02:08\r\n");
    // A file of 4 KiB at most stands for a full disk; the signal would otherwise end the test.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit small{4096, previous.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = FileError([&] {
        control::AppendScore(folder, 1, {"m", "s", std::string(9999, 'x')}, "A", When);
    });
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(message.starts_with(("Impossible d'écrire " + scores + " : ").toStdString()))
        << message;
    EXPECT_EQ(FileError([&] { (void)control::ReadRecordLines(dir); }),
              ("Impossible de lire " + dir + " : ouverture impossible.").toStdString());
    EXPECT_EQ(ReadBytes(scores), "1 m 15 s Zo\xC3\xA9 05/12/2026 - 13:02:08\r\n");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files, QDir::Name), expected);
}

} // namespace
