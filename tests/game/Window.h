// A main window on a test installation, played through its widgets.
#pragma once

#include "Grids.h"
#include "presentation/BoardPainter.h"
#include "presentation/FenetreMess.h"
#include "ui/Support.h"

#include <functional>

#include <QListWidget>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace game_testing {

// Answers each message window opened while it lives with `button`, and keeps their texts.
struct MessageAnswers
{
    MessageAnswers(TfrmMain& w, int answer)
        : button(answer)
    {
        QObject::connect(&timer, &QTimer::timeout, [&w, this] {
            if (w.FormFenetre->isVisible()) {
                texts.append(w.FormFenetre->Label2->text());
                QTest::mouseClick(button == 1 ? w.FormFenetre->ToolButton1
                                              : w.FormFenetre->ToolButton2,
                                  Qt::LeftButton);
            }
        });
        timer.start(0);
    }
    int button;
    QStringList texts;
    QTimer timer;
};

// Clicks the button and answers the message window it opens: selects a row of its list first
// (-1: none), then presses answer 1 or 2. Returns the entries the list showed.
inline QStringList ClickAndChoose(TfrmMain& w, QWidget* button, int row, int answer)
{
    QStringList entries;
    const QObject scope; // the answer is dropped if no window opened
    QTimer::singleShot(0, &scope, [&] {
        QListWidget& list = *w.FormFenetre->ListBox1;
        for (int i = 0; i < list.count(); ++i)
            entries.append(list.item(i)->text());
        row >= 0 ? list.setCurrentRow(row) : list.clearSelection();
        QTest::mouseClick(answer == 1 ? w.FormFenetre->ToolButton1 : w.FormFenetre->ToolButton2,
                          Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return entries;
}

class PlayedWindow : public testing::Test
{
protected:
    PlayedWindow()
        : test(install)
        , w(*test.window)
    {
        w.JoueSon = [this](const QString& name) { sounds.append(name); };
        w.AjouteScore = [this] { ++scores; };
        test.StartUp();
        w.Timer2.stop(); // the tests redraw by hand
    }
    // The board surface lies one pixel into the window.
    [[nodiscard]] QPoint OnSurface(QPoint window) const { return window - w.Image32View->pos(); }
    [[nodiscard]] QPoint CellCentre(int x, int y) const
    {
        return {w.BoardLeft + x * w.CellWidth + w.CellWidth / 2,
                w.BoardTop + y * w.CellHeight + w.CellHeight / 2};
    }
    void ClickAt(QPoint window, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(w.Image32View, button, {}, OnSurface(window));
    }
    // Lets the opening spin end, then moves to choice (1 erase, 2..10 the digits) in `steps`
    // moves with a redraw after each and clicks it: a jump off the board with nothing hovered yet
    // would close the ring. `shown` maps a point of the window to one of `surface`.
    void ClickChoice(int choice,
                     Qt::MouseButton button = Qt::LeftButton,
                     int steps = 10,
                     QWidget* surface = nullptr,
                     std::function<QPoint(QPoint)> shown = {})
    {
        if (surface == nullptr)
            surface = w.Image32View, shown = [this](QPoint p) { return OnSurface(p); };
        for (int redraw = 0; redraw < 4; ++redraw)
            w.DessineGrille();
        ASSERT_EQ(w.PickerSpin, 0);
        const QPoint middle = presentation::PickerChoiceCorner(choice, 0, w.PickerLeft, w.PickerTop)
            + QPoint(20, 20) + w.Image32View->pos();
        const QPoint from = CellCentre(w.PickedX, w.PickedY);
        for (int step = 1; step <= steps; ++step) {
            QTest::mouseMove(surface, shown(from + (middle - from) * step / steps));
            w.DessineGrille();
        }
        ASSERT_TRUE(w.PickerOpen && w.PickerChoice == choice) << w.PickerChoice;
        QTest::mouseClick(surface, button, {}, shown(middle));
    }
    // Opens the ring on a cell and clicks a digit (0..8) or erase (-1) on it.
    void Play(int x, int y, int value, Qt::MouseButton button = Qt::LeftButton)
    {
        ClickAt(CellCentre(x, y));
        ASSERT_TRUE(w.PickerOpen) << x << "," << y;
        ClickChoice(value + 2, button);
        ASSERT_FALSE(w.PickerOpen);
    }
    // A new first-level game with these givens and the solution Solved; the clock ticks by hand.
    void StartKnownGame(const engine::Grid& givens)
    {
        QTest::mouseClick(w.Nouvelle_Partie, Qt::LeftButton);
        engine::Board& board = w.GameBoard();
        board.StartGrid = board.CurrentGrid = givens;
        board.SolutionGrid = GridOf(Solved);
        w.Timer1.stop(), w.DessineGrille();
    }
    [[nodiscard]] QString Panel(int n) const { return w.StatusBar1->PanelText(n); }
    testing_support::TestInstall install;
    testing_support::TestWindow test;
    TfrmMain& w;
    QStringList sounds;
    int scores = 0;
};

} // namespace game_testing
