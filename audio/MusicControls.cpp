// Ties the options panel's music box and volume slider to the music player.
#include "audio/MusicControls.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QValidator>

namespace audio {

namespace {

// Refuses typing that would make the box's text longer than a typed title may be. Texts set by
// the program are not validated, so a long title from the list still shows whole.
class TypingLimit final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        return input.size() > TypedTitleLimit ? Invalid : Acceptable;
    }
};

void ShowTitle(QComboBox& box, const QString& title)
{
    const QSignalBlocker quiet(box);
    const int index = box.findText(title, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box.setCurrentIndex(index);
    box.setEditText(title);
    // A title wider than the box shows from its first letter, not scrolled to its end.
    box.lineEdit()->setCursorPosition(0);
}

void ShowTitles(QComboBox& box, const QStringList& titles, const QString& current)
{
    {
        const QSignalBlocker quiet(box);
        box.clear();
        box.addItems(titles);
    }
    ShowTitle(box, current);
}

} // namespace

void ConnectMusicBox(QComboBox& box, TFormLecteurMP3& player)
{
    box.setEditable(true);
    box.setInsertPolicy(QComboBox::NoInsert);
    QLineEdit& edit = *box.lineEdit();
    edit.setMaxLength(32767); // the limit is the validator's: a maximum length cuts set texts too
    edit.setValidator(new TypingLimit(&edit));
    if (QCompleter* completer = box.completer())
        completer->setCompletionMode(QCompleter::PopupCompletion);
    ShowTitles(box, player.Titles().titles, player.CurrentTitle());

    QObject::connect(&player, &TFormLecteurMP3::TitlesChanged, &box,
                     [&box](const QStringList& titles, const QString& current) {
                         ShowTitles(box, titles, current);
                     });
    QObject::connect(&player, &TFormLecteurMP3::CurrentTitleChanged, &box,
                     [&box](const QString& title) { ShowTitle(box, title); });
    // Only the player's own changes: a title picked from the list, and each keystroke.
    QObject::connect(&box, &QComboBox::textActivated, &player, &TFormLecteurMP3::ChooseTitle);
    QObject::connect(&box, &QComboBox::textActivated, &edit,
                     [&edit] { edit.setCursorPosition(0); });
    QObject::connect(&edit, &QLineEdit::textEdited, &player,
                     [&player](const QString& text) { player.ChooseTitle(TypedTitle(text)); });
}

void ConnectVolumeSlider(QSlider& slider, TFormLecteurMP3& player)
{
    slider.setRange(0, 1000);
    slider.setInvertedAppearance(true); // position 0 at the top
    slider.setInvertedControls(true); // the Up key moves the handle up, louder
    QObject::connect(&slider, &QSlider::valueChanged, &player,
                     [&player](int position) { player.SetVolume(VolumeFromSlider(position)); });
    player.SetVolume(VolumeFromSlider(slider.value()));
}

} // namespace audio
