// Start-up with the shipped data, each file or folder taken away in turn: the game never crashes,
// goes on or ends cleanly, and names what is missing in an error box or the status bar.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "game/Window.h"
#include "presentation/AboutUnit.h"

#include <QDirIterator>

namespace {

// Where the game names a missing file: nowhere, in an error box before it ends, as the file loads
// (at start-up or with its theme), as the rules are asked for, or in the status bar.
enum class Told { Nothing, Ends, ErrorBox, RulesCommand, StatusBar };

// Accepts every file and plays nothing. The real back end has tests of its own; here, Qt 6.4's
// GStreamer players opened in quick succession without events between them can deadlock.
struct SilentDevice : audio::AudioDevice
{
    void Open(const QString&) override {}
    void Play() override {}
    void Pause() override {}
    void Close() override {}
    [[nodiscard]] qint64 Length() const override { return -1; }
    [[nodiscard]] qint64 Position() const override { return 0; }
    void SetVolume(int) override {}
    [[nodiscard]] bool AtEnd() const override { return false; }
};

Told WhereTold(const QString& relative)
{
    if (relative == "Textes/Francais.txt")
        return Told::Ends;
    if (relative == "Textes/regles.txt")
        return Told::RulesCommand;
    if (relative.startsWith("sons") || relative == "Musique")
        return Told::StatusBar;
    if (relative.startsWith("graphisme/") && !relative.endsWith(".txt")) // not the font's licence
        return Told::ErrorBox;
    return Told::Nothing; // no file away, a title of the music, the licences
}

// Starts the game as main() does on the data in folder without relative, the music and the
// sounds outliving the window, and looks for the name of what is missing.
void StartWithout(const QString& relative, const QString& folder)
{
    const Told told = WhereTold(relative);
    // The default theme loads at start-up, the others when picked; then the default takes over.
    const int themeSteps = QStringList{"Minuit", "Lagon"}.indexOf(relative.section('/', 1, 1)) + 1;
    const QString settings = folder + "../settings.ini";
    QFile::remove(settings);
    audio::TFormLecteurMP3 player{std::make_unique<SilentDevice>()};
    audio::SoundEffects effects{std::make_unique<SilentDevice>()};
    TfrmAbout splash(folder + "graphisme/splash.bmp");
    TfrmMain w(nullptr, folder, settings);
    QStringList errors, status;
    bool ended = false;
    w.ShowErrorBox = [&errors](const QString& text) { errors.append(text); };
    w.EndProgram = [&ended] { ended = true; };
    w.UseAudio(player, effects), w.AttachSplash(&splash);
    w.Timer2SplashScreenTimer(), w.Timer2.stop();
    for (int step = 0; step < themeSteps; ++step)
        QTest::mouseClick(w.ImageF1D, Qt::LeftButton);
    EXPECT_EQ(errors.size(), told == Told::Ends || told == Told::ErrorBox ? 1 : 0);
    EXPECT_TRUE(ended == (told == Told::Ends) && w.isVisible() == !ended);
    if (ended) {
        w.close(); // the program leaves through its close, keeping nothing of empty controls
        EXPECT_FALSE(QFile::exists(settings));
    } else {
        EXPECT_EQ(w.ComboBox1->Text(), "Ivoire"); // the default theme, whatever is missing
        // A sound (the one missing, if it is one) and the queued status messages, the music
        // controls, and a new game solved: every picture of the board.
        w.JoueSon(relative.startsWith("sons/") ? QFileInfo(relative).baseName() : "7");
        QCoreApplication::processEvents();
        status.append(w.StatusBar1->PanelText(4));
        QTest::mouseClick(w.BtOptions, Qt::LeftButton);
        for (QWidget* control : {w.ImageLecture, w.ImagePause, w.ImageLecture, w.ImageArret})
            QTest::mouseClick(control, Qt::LeftButton);
        QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton), w.mnuSolveClick();
        game_testing::MessageAnswers rules(w, 1);
        w.BtRegleClick();
        EXPECT_EQ(rules.texts.size(), told == Told::RulesCommand ? 0 : 1) << "rules window";
    }
    const QStringList& where = told == Told::StatusBar ? status : errors;
    const QString named = told == Told::RulesCommand ? "regles.txt" : folder + relative;
    EXPECT_EQ(errors.size(), told == Told::Nothing || told == Told::StatusBar ? 0 : 1);
    EXPECT_TRUE(told == Told::Nothing || !where.filter(named).isEmpty())
        << qPrintable(where.join(" | "));
}

TEST(MissingData, EachDataFileOrFolderAwayInTurnIsNamedWhileTheGameGoesOnOrEndsCleanly)
{
    QTemporaryDir root;
    const QString folder = root.filePath("game/"), away = root.filePath("away");
    QStringList relatives{"", "sons", "Musique"};
    QDirIterator files(ORVANTE_DATA_DIR, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        relatives.append(QDir(ORVANTE_DATA_DIR).relativeFilePath(files.next()));
        QDir().mkpath(QFileInfo(folder + relatives.last()).path());
        ASSERT_TRUE(QFile::copy(files.filePath(), folder + relatives.last()));
    }
    for (const QString& relative : relatives) {
        SCOPED_TRACE(relative.toStdString());
        ASSERT_TRUE(relative.isEmpty() || QDir().rename(folder + relative, away));
        StartWithout(relative, folder);
        ASSERT_TRUE(relative.isEmpty() || QDir().rename(away, folder + relative));
    }
}

} // namespace
