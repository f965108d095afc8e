// Random presses, moves and key releases on every screen of the window, every question answered
// at random; the game stays sound throughout and can still be won afterwards.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "game/Window.h"

#include <map>
#include <random>
#include <set>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

constexpr int EventCount = 20000;

// Qt's critical and fatal messages; its warnings (offscreen has no opacity) say nothing.
QStringList seriousQtMessages;
void WatchQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        seriousQtMessages.append(text);
}

// Empty when grids hold digits (0..8) or 255, marks 0 or 1, and the state is one the game gives.
std::string Unsound(TfrmMain& w)
{
    const engine::Board& b = w.GameBoard();
    for (int cell = 0; cell < 81; ++cell) {
        const int x = cell % 9, y = cell / 9;
        for (const auto* grid : {&b.StartGrid, &b.SolutionGrid, &b.CurrentGrid, &b.SpareGrid})
            if ((*grid)[x][y] > 8 && (*grid)[x][y] != engine::EmptyCell)
                return "a grid holds " + std::to_string((*grid)[x][y]);
        for (const int mark : b.CandidateMarks[x][y])
            if (mark > 1)
                return "a mark holds " + std::to_string(mark);
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
        // Two titles, a three-line rules file, and the options panel's controls wired.
        QDir(install.Folder()).mkpath("Musique");
        for (const char* name : {"Musique/Aube.mp3", "Musique/Brume.mp3"})
            QFile(install.Folder() + name).open(QIODevice::WriteOnly);
        QFile rules(install.Folder() + "Textes/regles.txt");
        rules.open(QIODevice::WriteOnly) && rules.write("R1\r\nR2\r\nR3\r\n");
        w.UseAudio(player, effects);
        w.AjouteListeDeMusiques();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); // dialogs the answerer sees
        w.AjouteScore = [this] { ++scores, w.AddScore(); };
        w.ShowErrorBox = [this](const QString& text) {
            errorTexts.append(text);
            QMessageBox::warning(&w, "Orvante", text);
        };
        // The print dialog never opens: the printer is set up for a file, or the print refused.
        w.AskForPrinter = [this](QPrinter& printer) {
            ++counts["prints"];
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QDir::home().filePath("print.pdf"));
            return Coin();
        };
        answerer.setInterval(0);
        QObject::connect(&answerer, &QTimer::timeout, [this] { AnswerModal(); });
    }

    int Draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool Coin() { return Draw(2) == 0; }
    template <typename T> T Any(std::initializer_list<T> among)
    {
        return among.begin()[Draw(static_cast<int>(among.size()))];
    }
    Qt::MouseButton AnyButton()
    {
        return Any({Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                    Qt::BackButton, Qt::ForwardButton});
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
        return OnSurface({w.BoardLeft - 40 + Draw(620), w.BoardTop - 40 + Draw(620)});
    }

    // One random action of the player; true for a pointer move.
    bool Act()
    {
        const int kind = Draw(100);
        if (kind < 30) {
            // A button of the window the player can see, enabled or not, or the volume slider.
            std::vector<QWidget*> buttons;
            for (QWidget* widget : w.findChildren<QWidget*>()) {
                if ((qobject_cast<QAbstractButton*>(widget) || widget == w.TrackBarMP3
                     || qobject_cast<presentation::PictureButton*>(widget))
                    && widget->window() == &w && widget->isVisible())
                    buttons.push_back(widget);
            }
            QWidget* target = buttons.at(static_cast<std::size_t>(Draw(int(buttons.size()))));
            // The import dialog takes half a second to build and close: one aim in ten opens it.
            if (target != w.ImageBtImportMP3 || Draw(10) == 0)
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
            QTest::keyRelease(&w,
                              Any({Qt::Key_1, Qt::Key_1, Qt::Key_2, Qt::Key_Escape, Qt::Key_Return,
                                   Qt::Key_Space, Qt::Key_A}),
                              Any<Qt::KeyboardModifiers>(
                                  {Qt::NoModifier, Qt::KeypadModifier, Qt::ShiftModifier}));
        } else if (kind < 98) {
            // Typed in the name box: the name that lets the key "1" end a game, or another.
            w.NomDuJoueur->clear();
            QTest::keyClicks(w.NomDuJoueur, Coin() ? "Malb" : "Joueur");
            if (w.NomDuJoueur->text() == "Malb")
                w.NomDuJoueur->insert("érun"); // QTest types ASCII only
        } else {
            for (int tick = Draw(5); tick >= 0; --tick)
                w.Timer1Timer(); // the clock, which scrambles the board while paused
        }
        return false;
    }

    // A random answer to a modal window, from a one-shot timer: a question it raises gets its own.
    void AnswerModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && !answerPending) {
            answerPending = true;
            QTimer::singleShot(0, modal, [this, modal] { Answer(modal); });
        }
    }
    void Answer(QWidget* modal)
    {
        answerPending = false;
        if (modal == w.FormFenetre) {
            ++counts["message windows"];
            TFormFenetre& message = *w.FormFenetre;
            QListWidget& list = *message.ListBox1;
            if (list.isVisible() && list.count() > 0 && Draw(4) != 0) {
                list.setCurrentRow(Draw(list.count()));
                if (Draw(6) == 0)
                    message.Effacer->trigger(); // the selected line deleted from its file
            }
            if (Draw(10) == 0) // leaves a one-button window open: answered again next time
                return QTest::keyClick(&message, Qt::Key_Escape);
            const bool second
                = !message.ToolButton2->isHidden() && (Coin() || !message.ToolButton1->isEnabled());
            QTest::mouseClick(second ? message.ToolButton2 : message.ToolButton1, Qt::LeftButton);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const QList<QAbstractButton*> buttons = box->buttons();
            buttons.at(Draw(int(buttons.size())))->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++counts["dialogs"];
            // The import dialog: a title of the music folder, or cancelled.
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                files->selectFile(install.Folder() + "Musique/Brume.mp3");
            Coin() ? dialog->accept() : dialog->reject();
        } else {
            modal->close();
        }
    }

    std::mt19937 random{20240917};
    QTimer answerer;
    bool answerPending = false;
    QStringList errorTexts;
    std::map<std::string, int> counts;
};

TEST_F(Monkey, RandomInputEverywhereKeepsTheGameSoundAndWinnable)
{
    // The scores and saved games go to the temporary home.
    ASSERT_TRUE(w.GameFolder().startsWith(QDir::homePath())) << w.GameFolder().toStdString();
    const QtMessageHandler previous = qInstallMessageHandler(&WatchQtMessage);
    answerer.start();
    std::set<int> states;
    std::set<QWidget*> screens;
    std::string fault;
    int event = 0;
    for (; event < EventCount && fault.empty(); ++event) {
        counts["reopened"] += w.isVisible() ? 0 : 1; // a player who quit starts the game again
        w.show();
        const bool moved = Act();
        // The clock and the redraws by hand: after every move (a ring choice may get hovered)
        // and every few events besides.
        w.Timer1.stop();
        w.Timer2.stop();
        if (moved || event % 4 == 0)
            w.DessineGrille();
        // From half-way on, a game in play that was never paused is paused by its handler.
        if (event > EventCount / 2 && event % 250 == 0 && states.count(int(GameStatus::Paused)) == 0
            && w.GameState == GameStatus::Playing)
            w.tbPlayClick();
        states.insert(static_cast<int>(w.GameState));
        for (QWidget* screen : {w.Panel_MenuPrincipal, w.Panel_MenuJeu, w.Panel_Options})
            if (screen->isVisible())
                screens.insert(screen);
        if (w.PickerOpen)
            screens.insert(w.Image32View); // the ring counts as a screen of its own
        fault = seriousQtMessages.isEmpty() ? Unsound(w)
                                            : "Qt: " + seriousQtMessages.join(" | ").toStdString();
    }
    qInstallMessageHandler(previous);
    ASSERT_TRUE(fault.empty()) << "after event " << event << ": " << fault;

    // The monkey went everywhere: every screen and state, the ring, every kind of question.
    EXPECT_EQ(screens.size(), 4u);
    EXPECT_EQ(states, (std::set<int>{0, 1, 2, 3, 4}));
    for (const char* seen : {"message windows", "dialogs", "prints", "reopened"})
        EXPECT_GT(counts[seen], 0) << seen;
    // A command that throws has its error shown: random play raises none.
    EXPECT_TRUE(errorTexts.isEmpty()) << errorTexts.join(" | ").toStdString();

    // Then a game played correctly still ends as won; the forced end the monkey may have
    // unlocked is off again, so that only the correct grid can end it.
    answerer.stop();
    w.show();
    w.ForceComplete = false;
    if (!w.Panel_MenuPrincipal->isVisible()) {
        game_testing::MessageAnswers back(w, 1);
        w.MnuQuitClick();
    }
    ASSERT_TRUE(w.Panel_MenuPrincipal->isVisible());
    QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
    w.Timer1.stop();
    ASSERT_EQ(w.GameState, GameStatus::Playing);
    const engine::Board& board = w.GameBoard();
    const engine::Grid solution = board.SolutionGrid;
    scores = 0;
    game_testing::MessageAnswers answers(w, 1);
    for (int cell = 0; cell < 81; ++cell) {
        if (board.CurrentGrid[cell % 9][cell / 9] == engine::EmptyCell)
            Play(cell % 9, cell / 9, solution[cell % 9][cell / 9]);
    }
    EXPECT_EQ(board.CurrentGrid, solution);
    EXPECT_EQ(w.GameState, GameStatus::Finished);
    EXPECT_EQ(answers.texts.size(), 1) << "the end-of-game message";
    EXPECT_EQ(scores, 1);
    EXPECT_EQ(Unsound(w), "");
}

} // namespace
