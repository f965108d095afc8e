// Random presses, moves and key releases on every screen of the window, every question answered
// at random; the game stays sound throughout and can still be won afterwards.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "engine/Generator.h"
#include "game/Window.h"
#include "presentation/BoardPainter.h"
#include "presentation/FenetreMess.h"

#include <cmath>
#include <iostream>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QSlider>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using game_testing::MessageAnswers;
using game_testing::PlayedWindow;

namespace {

constexpr int EventCount = 20000;

// Qt's critical and fatal messages while it lives; the others go on to the usual handler.
class QtMessageWatch
{
public:
    QtMessageWatch()
    {
        s_watch = this;
        m_previous = qInstallMessageHandler(&QtMessageWatch::Handle);
    }
    ~QtMessageWatch()
    {
        qInstallMessageHandler(m_previous);
        s_watch = nullptr;
    }
    QtMessageWatch(const QtMessageWatch&) = delete;
    QtMessageWatch& operator=(const QtMessageWatch&) = delete;

    QStringList serious;

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (s_watch != nullptr && (type == QtCriticalMsg || type == QtFatalMsg))
            s_watch->serious.append(text);
        // Offscreen, the window's opacity and the like are not supported; those warnings
        // say nothing about the game.
        if (type != QtWarningMsg && type != QtDebugMsg && s_watch != nullptr)
            s_watch->m_previous(type, context, text);
    }

    static inline QtMessageWatch* s_watch = nullptr;
    QtMessageHandler m_previous = nullptr;
};

// Empty when every grid cell is a digit (0..8) or empty (255), every mark 0 or 1, and the game
// state, the picked cell and the hovered ring choice are values the game gives them.
std::string Unsound(TfrmMain& w)
{
    const engine::Board& board = w.GameBoard();
    const std::array<std::pair<const char*, const engine::Grid*>, 4> grids{
        {{"StartGrid", &board.StartGrid},
         {"SolutionGrid", &board.SolutionGrid},
         {"CurrentGrid", &board.CurrentGrid},
         {"SpareGrid", &board.SpareGrid}}};
    for (const auto& [name, grid] : grids) {
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 9; ++y) {
                const int v = (*grid)[x][y];
                if (v > 8 && v != engine::EmptyCell)
                    return std::string(name) + " holds " + std::to_string(v) + " at "
                        + std::to_string(x) + "," + std::to_string(y);
            }
        }
    }
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            for (int k = 0; k < 9; ++k) {
                if (board.CandidateMarks[x][y][k] > 1)
                    return "a mark holds " + std::to_string(board.CandidateMarks[x][y][k]);
            }
        }
    }
    if (static_cast<int>(w.GameState) > static_cast<int>(GameStatus::Finished))
        return "GameState " + std::to_string(static_cast<int>(w.GameState));
    if (w.PickedX < 0 || w.PickedX > 8 || w.PickedY < 0 || w.PickedY > 8)
        return "picked cell " + std::to_string(w.PickedX) + "," + std::to_string(w.PickedY);
    if (w.PickerChoice != control::NoChoice && (w.PickerChoice < 1 || w.PickerChoice > 10))
        return "ring choice " + std::to_string(w.PickerChoice);
    if (!std::isfinite(w.ElapsedSeconds) || w.ElapsedSeconds < 0)
        return "elapsed time " + std::to_string(w.ElapsedSeconds);
    return {};
}

// The music player and the sound effects on no audio device, as on a machine without audio.
// A base class before the window's, so that both outlive it.
struct SilentAudio
{
    audio::TFormLecteurMP3 player{std::unique_ptr<audio::AudioDevice>()};
    audio::SoundEffects effects{std::unique_ptr<audio::AudioDevice>()};
};

class Monkey : private SilentAudio, public PlayedWindow
{
protected:
    Monkey()
    {
        // Two titles in the music folder, and every control of the options panel wired.
        QDir(install.Folder()).mkpath(QStringLiteral("Musique"));
        for (const char* title : {"Aube.mp3", "Brume.mp3"}) {
            QFile file(install.Folder() + QStringLiteral("Musique/") + QLatin1String(title));
            file.open(QIODevice::WriteOnly);
        }
        w.UseAudio(player, effects);
        w.AjouteListeDeMusiques();
        // Any file dialog is Qt's own window, which the answerer can answer.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        // Finished games are written to the scores file, in the temporary home.
        w.AjouteScore = [this] {
            ++scores;
            w.AddScore();
        };
        w.ShowErrorBox = [this](const QString& text) {
            errorTexts.append(text);
            QMessageBox::warning(&w, QStringLiteral("Orvante"), text);
        };
        // The print dialog never opens: the printer is set up for a file, or the print refused.
        w.AskForPrinter = [this](QPrinter& printer) {
            ++printAsked;
            if (Coin())
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QDir::home().filePath(QStringLiteral("print.pdf")));
            return true;
        };
        // The rules window, a list with one button, is among the questions.
        QFile rules(install.Folder() + QStringLiteral("Textes/regles.txt"));
        rules.open(QIODevice::WriteOnly);
        rules.write("R1\r\nR2\r\nR3\r\n");
        rules.close();
        engine::Board designed;
        engine::Random random(17);
        engine::GeneratePuzzle(designed, random, w.Combinations(), 0);
        m_design = designed.StartGrid;
        m_answerer.setInterval(0);
        QObject::connect(&m_answerer, &QTimer::timeout, [this] { AnswerModal(); });
    }

    int Draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool Coin() { return Draw(2) == 0; }

    Qt::MouseButton AnyButton()
    {
        constexpr std::array<Qt::MouseButton, 6> buttons{Qt::LeftButton,  Qt::LeftButton,
                                                         Qt::RightButton, Qt::MiddleButton,
                                                         Qt::BackButton,  Qt::ForwardButton};
        return buttons[static_cast<std::size_t>(Draw(static_cast<int>(buttons.size())))];
    }

    QPoint AnyPointIn(const QWidget* widget)
    {
        return {Draw(std::max(widget->width(), 1)), Draw(std::max(widget->height(), 1))};
    }

    // A point of the board's surroundings in surface coordinates, or anywhere on the surface.
    QPoint AnySurfacePoint()
    {
        if (Draw(5) == 0)
            return AnyPointIn(w.Image32View);
        const QPoint window(w.BoardLeft - 40 + Draw(620), w.BoardTop - 40 + Draw(620));
        return OnSurface(window);
    }

    // Every button of the main window the player can see, enabled or not.
    std::vector<QWidget*> VisibleButtons() const
    {
        std::vector<QWidget*> buttons;
        for (QAbstractButton* button : w.findChildren<QAbstractButton*>()) {
            if (button->window() == &w && button->isVisible())
                buttons.push_back(button);
        }
        for (presentation::PictureButton* picture :
             w.findChildren<presentation::PictureButton*>()) {
            if (picture->window() == &w && picture->isVisible())
                buttons.push_back(picture);
        }
        if (w.TrackBarMP3->isVisible())
            buttons.push_back(w.TrackBarMP3);
        return buttons;
    }

    // One random action of the player; true for a pointer move.
    bool Act()
    {
        const int kind = Draw(100);
        if (kind < 30) {
            const std::vector<QWidget*> buttons = VisibleButtons();
            if (buttons.empty())
                return false;
            QWidget* target
                = buttons[static_cast<std::size_t>(Draw(static_cast<int>(buttons.size())))];
            // The import dialog takes half a second to build and close: it opens for one aim
            // in ten at its picture.
            if (target == w.ImageBtImportMP3 && Draw(10) != 0)
                return false;
            QTest::mouseClick(target, AnyButton(), {}, AnyPointIn(target));
        } else if (kind < 60) {
            QTest::mouseClick(w.Image32View, AnyButton(), {}, AnySurfacePoint());
        } else if (kind < 86) {
            // Half the moves go to a ring choice, which a following press then takes.
            QPoint to = AnySurfacePoint();
            if (w.PickerOpen && Coin())
                to = presentation::PickerChoiceCorner(1 + Draw(10), w.PickerSpin, w.PickerLeft,
                                                      w.PickerTop)
                    + QPoint(1 + Draw(39), 1 + Draw(39));
            QTest::mouseMove(w.Image32View, to);
            return true;
        } else if (kind < 95) {
            constexpr std::array<Qt::Key, 7> keys{Qt::Key_1,      Qt::Key_1,      Qt::Key_2,
                                                  Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space,
                                                  Qt::Key_A};
            constexpr std::array<Qt::KeyboardModifiers, 3> modifiers{
                Qt::NoModifier, Qt::KeypadModifier, Qt::ShiftModifier};
            QTest::keyRelease(&w, keys[static_cast<std::size_t>(Draw(7))],
                              modifiers[static_cast<std::size_t>(Draw(3))]);
        } else if (kind < 97) {
            // A title chosen in the music box.
            if (w.ComboBox3->count() > 0)
                w.ComboBox3->setCurrentIndex(Draw(w.ComboBox3->count()));
        } else if (kind < 98) {
            // The name that lets the key "1" end a game, or another, typed in the name box.
            w.NomDuJoueur->clear();
            if (Coin()) {
                // QTest types ASCII only; the accented letter goes with its text.
                QTest::keyClicks(w.NomDuJoueur, QStringLiteral("Malb"));
                QTest::sendKeyEvent(QTest::Click, w.NomDuJoueur, Qt::Key_Eacute,
                                    QStringLiteral("é"), Qt::NoModifier);
                QTest::keyClicks(w.NomDuJoueur, QStringLiteral("run"));
            } else {
                QTest::keyClicks(w.NomDuJoueur, QStringLiteral("Joueur"));
            }
        } else if (kind < 99 && w.GameState == GameStatus::Designing) {
            // A design the player finished: random placements hardly ever make a grid the
            // solver accepts, and only a validated design leads to a game that can be paused.
            w.GameBoard().CurrentGrid = m_design;
        } else {
            // The clock's ticks, which scramble the board while paused.
            for (int tick = Draw(5); tick >= 0; --tick)
                w.Timer1Timer();
        }
        return false;
    }

    // The zero-interval answerer: a modal window gets a random answer, given from a one-shot
    // timer so that a question the answer raises is answered in turn.
    void AnswerModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || m_answerPending)
            return;
        m_answerPending = true;
        QTimer::singleShot(0, modal, [this, modal] {
            m_answerPending = false;
            Answer(modal);
        });
    }

    void Answer(QWidget* modal)
    {
        ++answered;
        if (modal == w.FormFenetre) {
            TFormFenetre& message = *w.FormFenetre;
            ++messagesAnswered;
            QListWidget& list = *message.ListBox1;
            if (list.isVisible() && list.count() > 0 && Draw(4) != 0) {
                list.setCurrentRow(Draw(list.count()));
                // Now and then the selected line is deleted from its file first.
                if (Draw(6) == 0)
                    message.Effacer->trigger();
            }
            if (Draw(10) == 0) {
                QTest::keyClick(&message, Qt::Key_Escape);
                return; // Escape leaves a one-button window open: answered again next time
            }
            const bool second
                = !message.ToolButton2->isHidden() && (Coin() || !message.ToolButton1->isEnabled());
            QTest::mouseClick(second ? message.ToolButton2 : message.ToolButton1, Qt::LeftButton);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ++boxesAnswered;
            const QList<QAbstractButton*> buttons = box->buttons();
            if (buttons.isEmpty())
                box->reject();
            else
                buttons[Draw(static_cast<int>(buttons.size()))]->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // The import dialog: a title of the music folder, or cancelled.
            ++dialogsAnswered;
            if (Coin()) {
                files->selectFile(install.Folder() + QStringLiteral("Musique/Brume.mp3"));
                static_cast<QDialog*>(files)->accept();
            } else {
                files->reject();
            }
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++dialogsAnswered;
            if (Coin())
                dialog->accept();
            else
                dialog->reject();
        } else {
            modal->close();
        }
    }

    // What the run has seen, to show that it went everywhere.
    void Note()
    {
        seenStates.insert(static_cast<int>(w.GameState));
        mainMenuSeen = mainMenuSeen || w.Panel_MenuPrincipal->isVisible();
        gameMenuSeen = gameMenuSeen || w.Panel_MenuJeu->isVisible();
        optionsSeen = optionsSeen || w.Panel_Options->isVisible();
        ringSeen = ringSeen || w.PickerOpen;
        designSeen = designSeen || w.GameState == GameStatus::Designing;
    }

    std::mt19937 m_random{20240917};
    engine::Grid m_design; // a puzzle the design validation accepts
    QTimer m_answerer;
    bool m_answerPending = false;
    QStringList errorTexts;
    int printAsked = 0;
    int answered = 0;
    int messagesAnswered = 0;
    int boxesAnswered = 0;
    int dialogsAnswered = 0;
    int reopened = 0;
    std::set<int> seenStates;
    bool mainMenuSeen = false;
    bool gameMenuSeen = false;
    bool optionsSeen = false;
    bool ringSeen = false;
    bool designSeen = false;
};

TEST_F(Monkey, RandomInputEverywhereKeepsTheGameSoundAndWinnable)
{
    // The scores and saved games go to the temporary home the test program set up.
    ASSERT_TRUE(w.GameFolder().startsWith(QDir::homePath())) << w.GameFolder().toStdString();
    QtMessageWatch messages;
    m_answerer.start();

    std::string fault;
    int event = 0;
    for (; event < EventCount && fault.empty(); ++event) {
        // A player who quit starts the game again.
        if (!w.isVisible()) {
            w.show();
            ++reopened;
        }
        const bool moved = Act();
        // The tests tick and redraw by hand, where the clock and the redraw timer would: after
        // every move, which is when a ring choice gets hovered, and every few events besides.
        w.Timer1.stop();
        w.Timer2.stop();
        if (moved || event % 4 == 0)
            w.DessineGrille();
        Note();
        // A pause is reached only through an accepted design, which random play seldom makes;
        // from half-way on, a game in play that has never been paused is paused by its button's
        // handler, so every state gets its share of random events.
        if (event > EventCount / 2 && event % 250 == 0 && seenStates.count(3) == 0
            && w.GameState == GameStatus::Playing) {
            w.tbPlayClick();
            Note();
        }
        fault = Unsound(w);
        if (!messages.serious.isEmpty())
            fault = "Qt: " + messages.serious.join(" | ").toStdString();
    }
    ASSERT_TRUE(fault.empty()) << "after event " << event << ": " << fault;
    EXPECT_EQ(event, EventCount);

    // The monkey went everywhere: every screen, every game state, the ring, every kind of
    // question.
    EXPECT_TRUE(mainMenuSeen && gameMenuSeen && optionsSeen && ringSeen && designSeen);
    EXPECT_EQ(seenStates, (std::set<int>{0, 1, 2, 3, 4})) << "game states seen";
    EXPECT_GT(messagesAnswered, 0);
    EXPECT_GT(printAsked, 0);
    EXPECT_GT(dialogsAnswered, 0) << "the music import dialog";
    EXPECT_GT(reopened, 0) << "quitting was answered yes at least once";
    std::cout << "answered " << answered << " (message windows " << messagesAnswered
              << ", message boxes " << boxesAnswered << ", dialogs " << dialogsAnswered
              << "), prints " << printAsked << ", reopened " << reopened << ", games won " << scores
              << ", errors " << errorTexts.size() << "\n";
    // A command that throws has its error shown: random play raises none.
    EXPECT_TRUE(errorTexts.isEmpty()) << errorTexts.join(" | ").toStdString();

    // Then a game played correctly from the main menu still ends as won.
    m_answerer.stop();
    if (!w.isVisible())
        w.show();
    // The monkey may have unlocked the forced end, which stays on for every later game: off
    // again, only the correct grid can end this one.
    w.ForceComplete = false;
    w.NomDuJoueur->setText(QStringLiteral("Joueur"));
    if (!w.Panel_MenuPrincipal->isVisible()) {
        MessageAnswers back(w, 1);
        w.MnuQuitClick();
    }
    ASSERT_TRUE(w.Panel_MenuPrincipal->isVisible());
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    w.Timer1.stop();
    ASSERT_EQ(w.GameState, GameStatus::Playing);
    const engine::Board& board = w.GameBoard();
    const engine::Grid solution = board.SolutionGrid;
    const int before = scores;
    MessageAnswers answers(w, 1);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (board.CurrentGrid[x][y] == engine::EmptyCell)
                Play(x, y, solution[x][y]);
        }
    }
    EXPECT_EQ(board.CurrentGrid, solution);
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_EQ(answers.texts.size(), 1) << "the end-of-game message";
    EXPECT_EQ(scores, before + 1);
    EXPECT_TRUE(Unsound(w).empty()) << Unsound(w);
}

} // namespace
