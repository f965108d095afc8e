// The scores and saved-games files, written for real under the temporary home.
#include "control/GameFiles.h"

#include <csignal>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

constexpr std::string_view SolutionText = "123456789+456789123+789123456+"
                                          "234567891+567891234+891234567+"
                                          "345678912+678912345+912345678";
constexpr std::string_view CurrentText = "1_3____8_+_5_7_____+7________+"
                                         "_________+____9____+_________+"
                                         "________2+_________+_9_______";

engine::Grid GridOf(std::string_view text)
{
    engine::Grid grid = engine::EmptyGrid();
    engine::ReadGridText(text, grid);
    return grid;
}

engine::Board GameBoard()
{
    engine::Board board;
    board.SolutionGrid = GridOf(SolutionText);
    board.CurrentGrid = GridOf(CurrentText);
    board.StartGrid = GridOf(CurrentText);
    return board;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

const QDateTime FirstSave(QDate(2026, 12, 5), QTime(13, 2, 8));
const QDateTime SecondSave(QDate(2026, 12, 5), QTime(13, 4, 9));
const control::ScoreWords Words{"minutes", "secondes", "[name] le [date]"};

// Every test has its own game folder in the temporary documents folder.
class GameFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        m_name = QString::fromUtf8(testing::UnitTest::GetInstance()->current_test_info()->name());
        m_folder = control::GameDataFolder(m_name);
        QDir(m_folder).removeRecursively();
    }
    void TearDown() override { QDir(m_folder).removeRecursively(); }

    QString m_name;
    QString m_folder;
};

TEST_F(GameFiles, LiveInTheDocumentsFolderOfTheHome)
{
    EXPECT_EQ(m_folder, QDir::homePath() + QStringLiteral("/Documents/") + m_name);
    EXPECT_EQ(control::ScoresFilePath(m_folder), m_folder + QStringLiteral("/Scores/Scores.frd"));
    EXPECT_EQ(control::SavedGamesFilePath(m_folder),
              m_folder + QStringLiteral("/Parties/Save.frd"));
    EXPECT_EQ(control::ListFilePath(m_folder, QStringLiteral("charge")),
              control::SavedGamesFilePath(m_folder));
    EXPECT_TRUE(control::ListFilePath(m_folder, QStringLiteral("regle")).isEmpty());
}

TEST(GameDataFolder, FallsBackToTheHomeAndNeverUsesTheRoot)
{
    EXPECT_EQ(control::GameDataFolderIn("/d/Docs", "/h", "Orvante"), "/d/Docs/Orvante");
    EXPECT_EQ(control::GameDataFolderIn("", "/h", "Orvante"), "/h/Orvante");
    EXPECT_EQ(control::GameDataFolderIn("/", "/h", "Orvante"), "/h/Orvante");
    EXPECT_THROW((void)control::GameDataFolderIn("", "/", "Orvante"), control::GameFileError);
    EXPECT_THROW((void)control::GameDataFolderIn("", "", "Orvante"), control::GameFileError);
}

TEST(GameDataFolder, KeepsTheNameOneFolderInsideTheDocuments)
{
    EXPECT_EQ(control::GameDataFolderIn("/d", "/h", "../../etc"), "/d/.._.._etc");
    EXPECT_EQ(control::GameDataFolderIn("/d", "/h", "a\\b/c"), "/d/a_b_c");
    EXPECT_EQ(control::GameDataFolderIn("/d", "/h", " .. "), "/d/Orvante");
    EXPECT_EQ(control::GameDataFolderIn("/d", "/h", ""), "/d/Orvante");
    EXPECT_EQ(control::GameDataFolderIn("/d", "/h", "Jeu\tSudoku"), "/d/Jeu_Sudoku");
}

TEST_F(GameFiles, FirstScoreCreatesTheFoldersAndAOneLineFile)
{
    ASSERT_FALSE(QFileInfo::exists(m_folder));
    const QString line = control::AppendScore(m_folder, 75.9, Words, "Zoé", FirstSave);
    EXPECT_EQ(line, "1 minutes 15 secondes Zoé le 05/12/2026 - 13:02:08");
    EXPECT_EQ(ReadBytes(control::ScoresFilePath(m_folder)), line.toUtf8() + "\r\n");
    EXPECT_EQ(control::ScoreList(m_folder), QStringList{line});
}

TEST_F(GameFiles, DeletingAnEntryRemovesThatLineOnly)
{
    const QString path = control::ScoresFilePath(m_folder);
    WriteBytes(path, "zero\r\none\r\ntwo\r\nthree\r\n");
    EXPECT_TRUE(control::DeleteListLine(m_folder, "scores", 2));
    EXPECT_EQ(ReadBytes(path), "zero\r\none\r\nthree\r\n");
    EXPECT_TRUE(control::DeleteListLine(m_folder, "scores", 0));
    EXPECT_EQ(control::ScoreList(m_folder), (QStringList{"one", "three"}));
}

TEST_F(GameFiles, DeletingWithoutAValidEntryLeavesTheFileAsItWas)
{
    const QString path = control::ScoresFilePath(m_folder);
    const QByteArray bytes = "caf\xE9\nun\r"; // Windows-1252, mixed line ends: never rewritten
    WriteBytes(path, bytes);
    EXPECT_FALSE(control::DeleteListLine(m_folder, "scores", -1));
    EXPECT_FALSE(control::DeleteListLine(m_folder, "scores", 2));
    EXPECT_FALSE(control::DeleteListLine(m_folder, "regle", 0));
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_FALSE(control::DeleteListLine(m_folder, "charge", 0));
    EXPECT_FALSE(QFileInfo::exists(control::SavedGamesFilePath(m_folder)));
}

TEST_F(GameFiles, ReadWindows1252OrUtf8AndAnyLineEnding)
{
    const QString path = control::ScoresFilePath(m_folder);
    WriteBytes(path,
               "L\xE9"
               "a\r\n\x80 5\nthird\rlast");
    EXPECT_EQ(control::ScoreList(m_folder),
              (QStringList{"Léa", QStringLiteral("\u20AC 5"), "third", "last"}));
    WriteBytes(path,
               "\xEF\xBB\xBFL\xC3\xA9"
               "a\r\n\r\nend\r\n");
    EXPECT_EQ(control::ScoreList(m_folder), (QStringList{"Léa", "", "end"}));
    // An append rewrites the old lines as UTF-8 with CR LF.
    control::AppendRecordLine(path, "new");
    EXPECT_EQ(ReadBytes(path),
              "L\xC3\xA9"
              "a\r\n\r\nend\r\nnew\r\n");
}

TEST_F(GameFiles, SavingWhilePausedKeepsThePlayersGridNotTheScrambledOne)
{
    engine::Board board = GameBoard();
    board.CopyCurrentToSpare(); // pause: the real grid waits aside
    board.CurrentGrid = GridOf("987654321+_________+_________+_________+_________+_________+"
                               "_________+_________+_________");
    control::SaveGame(m_folder, board, true, 10, FirstSave);
    engine::Board loaded;
    (void)control::LoadSavedGame(m_folder, 0, loaded);
    EXPECT_EQ(loaded.CurrentGrid, GridOf(CurrentText));
}

TEST_F(GameFiles, AGameWithoutACompleteSolutionIsNotSaved)
{
    engine::Board board = GameBoard();
    board.SolutionGrid[3][3] = engine::EmptyCell; // what an unfinished solve leaves behind
    EXPECT_THROW(control::SaveGame(m_folder, board, false, 1, FirstSave), control::GameFileError);
    EXPECT_FALSE(QFileInfo::exists(control::SavedGamesFilePath(m_folder)));
}

TEST_F(GameFiles, AMalformedLineLeavesTheBoardUntouchedAndSaysWhy)
{
    const engine::Board board = GameBoard();
    const QString good = control::SaveGame(m_folder, board, false, 12, FirstSave);
    QString bad = good;
    bad[110 + 44] = u'0';
    WriteBytes(control::SavedGamesFilePath(m_folder), (good + "\r\n" + bad + "\r\n").toUtf8());

    engine::Board playing;
    playing.CurrentGrid = GridOf(SolutionText);
    playing.SpareGrid = GridOf(CurrentText);
    playing.CandidateMarks[8][8][8] = 1;
    const engine::Board before = playing;
    try {
        (void)control::LoadSavedGame(m_folder, 1, playing);
        ADD_FAILURE() << "the malformed line was loaded";
    } catch (const control::SavedGameError& error) {
        EXPECT_EQ(error.Problem(), control::SaveProblem::SolutionGrid);
        EXPECT_NE(std::string(error.what()).find("row 5, column 5"), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(playing.CurrentGrid, before.CurrentGrid);
    EXPECT_EQ(playing.StartGrid, before.StartGrid);
    EXPECT_EQ(playing.SolutionGrid, before.SolutionGrid);
    EXPECT_EQ(playing.SpareGrid, before.SpareGrid);
    EXPECT_EQ(playing.CandidateMarks, before.CandidateMarks);

    EXPECT_THROW((void)control::LoadSavedGame(m_folder, 2, playing), control::GameFileError);
    EXPECT_THROW((void)control::LoadSavedGame(m_folder, -1, playing), control::GameFileError);
    EXPECT_EQ(playing.CurrentGrid, before.CurrentGrid);
}

TEST_F(GameFiles, LoadingAfterADeletionTakesTheLineNowShownAtThatEntry)
{
    const engine::Board board = GameBoard();
    control::SaveGame(m_folder, board, false, 1, FirstSave);
    control::SaveGame(m_folder, board, false, 2, FirstSave);
    control::SaveGame(m_folder, board, false, 3, FirstSave);
    ASSERT_TRUE(control::DeleteListLine(m_folder, "charge", 0));
    engine::Board loaded;
    EXPECT_DOUBLE_EQ(control::LoadSavedGame(m_folder, 1, loaded), 3);
}

TEST_F(GameFiles, AForeignFileWithCrLfWindows1252AndCommasLoads)
{
    // A date written with the Windows-1252 middle dot as its separator, one byte a character.
    const QByteArray line = QByteArray("05\xB7"
                                       "12\xB7"
                                       "2026-13:02:08 ")
        + CurrentText.data() + " " + SolutionText.data() + "$83,4";
    WriteBytes(control::SavedGamesFilePath(m_folder), "\r\n" + line + "\r\n");
    EXPECT_EQ(control::LoadListEntries(m_folder, "Partie"),
              (QStringList{"Partie: ", QStringLiteral("Partie: 05\u00B712\u00B72026-13:02:08 ")}));
    engine::Board loaded;
    EXPECT_DOUBLE_EQ(control::LoadSavedGame(m_folder, 1, loaded), 83.4);
    EXPECT_EQ(loaded.CurrentGrid, GridOf(CurrentText));
    EXPECT_THROW((void)control::LoadSavedGame(m_folder, 0, loaded), control::SavedGameError);
}

TEST_F(GameFiles, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    const QString path = control::ScoresFilePath(m_folder);
    WriteBytes(path, "old score\r\n");
    // A file of 4 KiB at most stands for a full disk; the signal would otherwise end the test.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        control::AppendScore(m_folder, 1, {"m", "s", std::string(10000, 'x')}, "A", FirstSave);
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

TEST_F(GameFiles, AFolderThatCannotBeMadeIsReported)
{
    WriteBytes(m_folder + "/Parties", "a file where the folder should be");
    EXPECT_THROW(control::SaveGame(m_folder, GameBoard(), false, 1, FirstSave),
                 control::GameFileError);
    EXPECT_EQ(ReadBytes(m_folder + "/Parties"), "a file where the folder should be");
}

} // namespace
