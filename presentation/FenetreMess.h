// The message window: a title, one or two face buttons and an optional list.
#pragma once

#include "presentation/Widgets.h"

#include <cstdint>
#include <functional>
#include <optional>

#include <QDialog>

class QAction;
class QListWidget;
class QMenu;

// Its caption (never displayed: the window has no caption bar) names what the list holds:
// "scores", "charge" or "regle".
class TFormFenetre : public QDialog
{
    Q_OBJECT

public:
    explicit TFormFenetre(QWidget* parent = nullptr);

    // Shows the window modally: first enables the first button (disabled when empty), second
    // shows the second button (hidden when empty). Returns the button pressed, 1 or 2. The list
    // is left as the caller set it.
    int ShowFenetre(const QString& question, const QString& first, const QString& second);

    // The faces of the first and second buttons: normal, hot, disabled.
    void SetButtonFaces(const std::array<QImage, 3>& first, const std::array<QImage, 3>& second);
    void SetPicture(const QImage& picture);
    // The title labels' font family, once the game's font is installed.
    void SetTitleFont(const QString& family);
    // Installs the game's font file, graphisme/CHOWFUN_.TTF, and gives its family to the titles.
    // Answers the error box's text when the file is missing or unreadable (the titles then show
    // the default font), else nothing.
    [[nodiscard]] QString UseTitleFont(const QString& path);

    // The delete command exists only for the lists backed by a file of the player's.
    [[nodiscard]] static bool DeleteOffered(const QString& kind);

    // Titles the window with kind ("scores", "charge" or "regle") and shows its list, emptied.
    void ShowList(const QString& kind);
    // Shows the window with its list: the line of the selected entry when the first button is
    // pressed, nothing when the second is or no entry is selected.
    [[nodiscard]] std::optional<QString> ChooseLine(const QString& question,
                                                    const QString& first,
                                                    const QString& second);

    // Shows a new title while the window is open.
    void SetQuestion(const QString& question);

    // Adds a list entry showing text for a line of the file behind the list; line defaults to
    // the text. LineOf gives the line back: what a command finds the file's line by.
    void AddListEntry(const QString& text, const QString& line);
    [[nodiscard]] QString LineOf(int row) const;

    // Pop-up "Effacer": deletes the selected line from the file behind the list, then the entry.
    void EffacerClick();
    void SpeedButton1Click();
    void SpeedButton2Click();

    // Deletes the line of the file of that kind ("scores" or "charge") and answers whether it
    // went; the list entry is removed only then. Without it the entry alone is removed.
    std::function<bool(const QString& kind, const QString& line)> EnleveLigne;

    std::uint8_t BoutonChoisi = 0; // 0 none, 1 first button, 2 second button

    QFrame* Panel = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr; // the title's black shadow
    QLabel* Label2 = nullptr; // the title in red
    QFrame* ListWell = nullptr; // the list's frame, shown with the list only
    QListWidget* ListBox1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Effacer = nullptr;
    presentation::FaceButton* ToolButton1 = nullptr;
    presentation::FaceButton* ToolButton2 = nullptr;

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The title and its shadow, the list in its well with the pop-up menu, the two buttons.
    void BuildTitle();
    void BuildList();
    void BuildButtons();
    void ShowListMenu(const QPoint& position);
};
