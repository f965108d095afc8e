// Random presses, moves and key releases on every screen of the window, every question answered
// at random; the game stays sound throughout and can still be won afterwards.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "game/Window.h"

#include <algorithm>
#include <map>
#include <random>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>

#include <gtest/gtest.h>

namespace {

QStringList seriousQtMessages; // Qt's warnings (offscreen has no opacity) say nothing

// Empty when grids hold digits (0..8) or 255, marks 0 or 1, and the state is one the game gives.
std::string Unsound(TfrmMain& w)
{
    const engine::Board& b = w.GameBoard();
    for (int cell = 0; cell < 81; ++cell) {
        for (const auto* grid : {&b.StartGrid, &b.SolutionGrid, &b.CurrentGrid, &b.SpareGrid})
            if (const int v = (*grid)[cell % 9][cell / 9]; v > 8 && v != engine::EmptyCell)
                return "a grid holds " + std::to_string(v);
        if (std::ranges::any_of(b.CandidateMarks[cell % 9][cell / 9], [](int m) { return m > 1; }))
            return "a mark holds more than 1";
    }
    if (w.GameState > GameStatus::Finished || w.PickedX < 0 || w.PickedX > 8 || w.PickedY < 0
        || w.PickedY > 8 || !(w.ElapsedSeconds >= 0))
        return "the game state, the picked cell or the clock is out of range";
    return {};
}

// Music and sounds without a device; a base class before the window's, so that both outlive it.
struct SilentAudio
{
    audio::TFormLecteurMP3 player{std::unique_ptr<audio::AudioDevice>()};
    audio::SoundEffects effects{std::unique_ptr<audio::AudioDevice>()};
};

class Monkey : private SilentAudio, public game_testing::PlayedWindow
{
protected:
    Monkey()
    {
        QDir(install.Folder()).mkpath("Musique");
        QFile(install.Folder() + "Musique/Aube.mp3").open(QIODevice::WriteOnly);
        QFile rules(install.Folder() + "Textes/regles.txt");
        rules.open(QIODevice::WriteOnly) && rules.write("R1\r\nR2\r\nR3\r\n");
        w.UseAudio(player, effects);
        w.AjouteListeDeMusiques();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); // seen by the answerer
        w.AjouteScore = [this] { ++scores, w.AddScore(); };
        w.ShowErrorBox = [this](const QString& text) {
            test.errors.append(text);
            QMessageBox::warning(&w, "Orvante", text);
        };
        // The print dialog never opens: the printer is set up for a file, or the print refused.
        w.AskForPrinter = [this](QPrinter& printer) {
            ++counts["prints"];
            printer.setOutputFileName(QDir::home().filePath("print.pdf")); // PDF, from the suffix
            return Coin();
        };
        // A random answer to each modal window, from a one-shot timer: a question it raises gets
        // its own.
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && !answerPending) {
                answerPending = true;
                QTimer::singleShot(0, modal, [this, modal] { Answer(modal); });
            }
        });
        answerer.start(0);
    }

    int Draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool Coin() { return Draw(2) == 0; }
    template <typename T, int N> T Any(const T (&among)[N]) { return among[Draw(N)]; }
    QPoint AnyPointIn(const QWidget* widget)
    {
        return {Draw(std::max(widget->width(), 1)), Draw(std::max(widget->height(), 1))};
    }

    // One random action of the player, and a redraw after a pointer move (it may hover a choice).
    void Act()
    {
        const int kind = Draw(100);
        const Qt::MouseButton button = Any({Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                            Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton});
        // A point of the board's surroundings in surface coordinates, or anywhere on the surface.
        QPoint point = Draw(5) == 0
            ? AnyPointIn(w.Image32View)
            : OnSurface({w.BoardLeft - 40 + Draw(620), w.BoardTop - 40 + Draw(620)});
        if (kind < 30) {
            // A visible button, enabled or not, or the volume slider; in full screen the game's
            // area is shown through a view, as a window of its own.
            QList<QWidget*> buttons;
            for (QWidget* widget : w.GameArea->findChildren<QWidget*>())
                if ((qobject_cast<QAbstractButton*>(widget) || widget == w.TrackBarMP3
                     || qobject_cast<presentation::PictureButton*>(widget))
                    && widget->window() == w.GameArea->window() && widget->isVisible())
                    buttons.append(widget);
            QWidget* target = buttons.at(Draw(int(buttons.size())));
            // The import dialog takes half a second to build and close: one aim in ten opens it.
            if (target != w.ImageBtImportMP3 || Draw(10) == 0)
                QTest::mouseClick(target, button, {}, AnyPointIn(target));
        } else if (kind < 60) {
            QTest::mouseClick(w.Image32View, button, {}, point);
        } else if (kind < 86) {
            // Half the moves go to a ring choice, which a following press then takes.
            if (w.PickerOpen && Coin())
                point = presentation::PickerChoiceCorner(1 + Draw(10), w.PickerSpin, w.PickerLeft,
                                                         w.PickerTop)
                    + QPoint(1 + Draw(39), 1 + Draw(39));
            QTest::mouseMove(w.Image32View, point);
            w.DessineGrille();
        } else if (kind < 95) {
            const Qt::Key keys[]{Qt::Key_1,      Qt::Key_1,     Qt::Key_2, Qt::Key_Escape,
                                 Qt::Key_Return, Qt::Key_Space, Qt::Key_A};
            QTest::keyRelease(&w, Any(keys),
                              Any<Qt::KeyboardModifiers>(
                                  {Qt::NoModifier, Qt::KeypadModifier, Qt::ShiftModifier}));
        } else if (kind < 98) {
            w.NomDuJoueur->clear(); // a name typed: the one that lets "1" end a game, or another
            QTest::keyClicks(w.NomDuJoueur, Coin() ? "Malb" : "Joueur");
            if (w.NomDuJoueur->text() == "Malb")
                w.NomDuJoueur->insert("érun"); // QTest types ASCII only
        } else {
            for (int tick = Draw(5); tick >= 0; --tick)
                w.Timer1Timer(); // the clock, which scrambles the board while paused
        }
    }

    void Answer(QWidget* modal)
    {
        answerPending = false;
        if (modal == w.FormFenetre) {
            ++counts["message windows"];
            TFormFenetre& message = *w.FormFenetre;
            if (message.ListBox1->isVisible() && message.ListBox1->count() > 0 && Draw(4) != 0) {
                message.ListBox1->setCurrentRow(Draw(message.ListBox1->count()));
                if (Draw(6) == 0)
                    message.Effacer->trigger(); // the selected line deleted from its file
            }
            if (Draw(10) == 0) // leaves a one-button window open: answered again next time
                return QTest::keyClick(&message, Qt::Key_Escape);
            const bool second
                = !message.ToolButton2->isHidden() && (Coin() || !message.ToolButton1->isEnabled());
            QTest::mouseClick(second ? message.ToolButton2 : message.ToolButton1, Qt::LeftButton);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            // The import dialog with the title of the music folder chosen, or an error box.
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                ++counts["dialogs"];
                files->selectFile(install.Folder() + "Musique/Aube.mp3");
            }
            Coin() ? dialog->accept() : dialog->reject();
        }
    }

    std::mt19937 random{20240917};
    QTimer answerer;
    bool answerPending = false;
    std::map<std::string, int> counts;
};

TEST_F(Monkey, RandomInputEverywhereKeepsTheGameSoundAndWinnable)
{
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                seriousQtMessages.append(text);
        });
    std::string fault;
    int event = 0;
    for (; event < 20000 && fault.empty(); ++event) {
        counts["reopened"] += w.isVisible() ? 0 : 1; // a player who quit starts the game again
        w.show();
        Act();
        w.Timer1.stop(), w.Timer2.stop(); // the clock and redraws by hand
        if (event % 4 == 0)
            w.DessineGrille();
        // From half-way on, a game in play that was never paused is paused by its handler.
        if (event > 10000 && event % 250 == 0 && counts["state 3"] == 0
            && w.GameState == GameStatus::Playing)
            w.tbPlayClick();
        ++counts["state " + std::to_string(int(w.GameState))];
        counts["main menu"] += w.Panel_MenuPrincipal->isVisible(), counts["ring"] += w.PickerOpen;
        counts["game menu"] += w.Panel_MenuJeu->isVisible(),
            counts["options"] += w.Panel_Options->isVisible();
        fault = seriousQtMessages.isEmpty() ? Unsound(w)
                                            : "Qt: " + seriousQtMessages.join(" | ").toStdString();
    }
    qInstallMessageHandler(previous);
    ASSERT_TRUE(fault.empty()) << "after event " << event << ": " << fault;
    // The monkey went everywhere: every screen and state, the ring, every kind of question. A
    // command that throws has its error shown: random play raises none.
    for (const char* seen :
         {"main menu", "game menu", "options", "ring", "state 0", "state 1", "state 2", "state 3",
          "state 4", "message windows", "dialogs", "prints", "reopened"})
        EXPECT_GT(counts[seen], 0) << seen;
    EXPECT_TRUE(test.errors.isEmpty()) << test.errors.join(" | ").toStdString();

    // Then a game played correctly still ends as won, not by the forced end the monkey may have
    // unlocked.
    answerer.stop();
    w.show();
    w.ForceComplete = false;
    game_testing::MessageAnswers answers(w, 1);
    if (!w.Panel_MenuPrincipal->isVisible())
        w.MnuQuitClick();
    answers.texts.clear();
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    const engine::Board& board = w.GameBoard();
    scores = 0;
    for (int cell = 0; cell < 81; ++cell)
        if (board.CurrentGrid[cell % 9][cell / 9] == engine::EmptyCell)
            Play(cell % 9, cell / 9, board.SolutionGrid[cell % 9][cell / 9]);
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_EQ(answers.texts.size(), 1) << "the end-of-game message";
    EXPECT_EQ(scores, 1);
    EXPECT_EQ(Unsound(w), "");
}

} // namespace
