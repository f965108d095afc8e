// A short random run of presses, moves and key releases on every screen of the window, every
// question answered at random: it finds the crashes and corrupt states no planned test thinks of.
#include "audio/SoundEffects.h"
#include "audio/mp3.h"
#include "game/Window.h"

#include <algorithm>
#include <random>
#include <set>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>

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
        rules.open(QIODevice::WriteOnly) && rules.write("R1\r\nR2\r\n");
        w.UseAudio(player, effects);
        w.AjouteListeDeMusiques();
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); // seen by the answerer
        w.AjouteScore = [this] { w.AddScore(); };
        // The print dialog never opens: the printer is set up for a PDF file, or the print refused.
        w.AskForPrinter = [this](QPrinter& printer) {
            printer.setOutputFileName(QDir::home().filePath("print.pdf"));
            return Draw(2) == 0;
        };
        // A random answer to each modal window, from a one-shot timer: a question it raises gets
        // its own.
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && !answerPending) {
                answerPending = true;
                QTimer::singleShot(0, modal, [this, modal] { Answer(modal); });
            }
        });
        answerer.start(0);
    }
    int Draw(int n) { return std::uniform_int_distribution<int>(0, std::max(n, 1) - 1)(random); }
    QPoint AnyPointIn(const QWidget* area) { return {Draw(area->width()), Draw(area->height())}; }
    // One random action of the player, and a redraw after a pointer move (it may hover a choice).
    void Act()
    {
        const int kind = Draw(100);
        const Qt::MouseButton button = Draw(3) ? Qt::LeftButton : Qt::RightButton;
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
            if (w.PickerOpen && Draw(2) == 0)
                point = presentation::PickerChoiceCorner(1 + Draw(10), w.PickerSpin, w.PickerLeft,
                                                         w.PickerTop)
                    + QPoint(1 + Draw(39), 1 + Draw(39));
            QTest::mouseMove(w.Image32View, point);
            w.DessineGrille();
        } else if (kind < 96) {
            // With the name that lets "1" end a game, or another.
            w.NomDuJoueur->setText(Draw(4) ? "Joueur" : "Malbérun");
            const Qt::Key keys[]{Qt::Key_1, Qt::Key_2, Qt::Key_Escape, Qt::Key_Return};
            QTest::keyRelease(&w, keys[Draw(4)], Draw(2) ? Qt::NoModifier : Qt::KeypadModifier);
        } else {
            for (int tick = Draw(5); tick >= 0; --tick)
                w.Timer1Timer(); // the clock, which scrambles the board while paused
        }
    }
    void Answer(QWidget* modal)
    {
        answerPending = false;
        seen.insert("question");
        if (modal == w.FormFenetre) {
            TFormFenetre& message = *w.FormFenetre;
            if (message.ListBox1->isVisible() && message.ListBox1->count() > 0 && Draw(4) != 0) {
                message.ListBox1->setCurrentRow(Draw(message.ListBox1->count()));
                if (Draw(6) == 0)
                    message.Effacer->trigger(); // the selected line deleted from its file
            }
            if (Draw(10) == 0) // leaves a one-button window open: answered again next time
                return QTest::keyClick(&message, Qt::Key_Escape);
            const bool second = !message.ToolButton2->isHidden()
                && (Draw(2) == 0 || !message.ToolButton1->isEnabled());
            QTest::mouseClick(second ? message.ToolButton2 : message.ToolButton1, Qt::LeftButton);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            // The import dialog with the title of the music folder chosen, or an error box.
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                files->selectFile(install.Folder() + "Musique/Aube.mp3");
            Draw(2) ? dialog->accept() : dialog->reject();
        }
    }
    std::mt19937 random{20240917};
    QTimer answerer;
    bool answerPending = false;
    std::set<std::string> seen;
};

TEST_F(Monkey, RandomInputEverywhereKeepsTheGameSound)
{
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                seriousQtMessages.append(text);
        });
    std::string fault;
    int event = 0;
    bool pauseDue = false;
    for (; event < 1500 && fault.empty(); ++event) {
        w.show(); // a player who quit starts the game again
        Act();
        w.Timer1.stop(), w.Timer2.stop(); // the clock and redraws by hand
        if (event % 4 == 0)
            w.DessineGrille();
        // Every 200 events the next game in play is paused by its handler, so that paused play
        // is tried whatever puzzles the clock-seeded generator gave.
        pauseDue = pauseDue || event % 200 == 100;
        if (pauseDue && w.GameState == GameStatus::Playing)
            w.tbPlayClick(), pauseDue = false;
        seen.insert("state " + std::to_string(int(w.GameState)));
        if (w.PickerOpen)
            seen.insert("ring");
        fault = seriousQtMessages.isEmpty() ? Unsound(w)
                                            : "Qt: " + seriousQtMessages.join(" | ").toStdString();
    }
    qInstallMessageHandler(previous);
    ASSERT_TRUE(fault.empty()) << "after event " << event << ": " << fault;
    // The run went everywhere: every state, the ring, questions. A command that throws has its
    // error shown: random play raises none.
    EXPECT_EQ(seen,
              (std::set<std::string>{"question", "ring", "state 0", "state 1", "state 2", "state 3",
                                     "state 4"}));
    EXPECT_TRUE(test.errors.isEmpty()) << test.errors.join(" | ").toStdString();
}

} // namespace
