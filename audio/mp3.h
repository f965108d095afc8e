// The music player: one MP3 title at a time from the music list, a random title after each one
// ends, pause, stop, volume, and the title with its length scrolling through a label.
#pragma once

#include "audio/AudioDevice.h"
#include "audio/MusicList.h"

#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QTimer>

namespace audio {

// A length in milliseconds as "mm:ss", rounded to the nearest second with halves to even; the
// minutes go past 59 ("62:05") and below 10 take a leading zero, as the seconds do.
[[nodiscard]] QString LengthText(qint64 milliseconds);

// The text that scrolls for a title: "title  (mm:ss)  **  ".
[[nodiscard]] QString ScrollText(const QString& title, qint64 milliseconds);

// The scroll label's width in characters.
constexpr int ScrollWidth = 26;

// What the label shows at scroll position p (0 to the text's length; the length shows the same
// as 0): ScrollWidth characters from p on, going round to the text's start, or the whole text
// turned round when it is no longer than ScrollWidth.
[[nodiscard]] QString ScrollWindow(const QString& text, int p);

// The music player. It has no window: it owns the media device and its two timers, and the main
// window's music controls call it. It is active exactly while a title is open, playing or paused,
// which is while TimerMP3 runs. The pause flag is set while the music is paused or switched off.
class TFormLecteurMP3 : public QObject
{
    Q_OBJECT

public:
    // On the real back end; silent, saying why once, when the machine cannot decode MP3.
    explicit TFormLecteurMP3(QObject* parent = nullptr);
    // On the given device; a null device is a machine without audio.
    explicit TFormLecteurMP3(std::unique_ptr<AudioDevice> device, QObject* parent = nullptr);

    // Fills the music list from the MP3 files of folder and makes title current when the folder
    // holds it, else its first file. Plays nothing; sends TitlesChanged.
    void AjouteListeDeMusiques(const QString& folder, const QString& title);
    // A title chosen in the music box, or the box's text after typing: it becomes current and
    // starts from its beginning, whatever the pause flag. Text that names no file of the music
    // folder starts nothing and the music goes on.
    void ChooseTitle(const QString& title);
    // The file the import dialog returned: its folder becomes the music list with the file as
    // current title, which starts unless the pause flag is set. An empty path changes nothing.
    void ImportFile(const QString& path);

    // Starts the current title from its beginning and clears the pause flag. An empty title or a
    // missing file starts nothing and changes nothing. A file that turns out unplayable leaves
    // the player stopped and sends one StatusMessage.
    void PlayCurrentTitle();
    // With the pause flag set, does what Pause does; otherwise PlayCurrentTitle.
    void Play();
    // Toggles the pause flag; while active, also pauses the title or resumes it where it stood.
    void Pause();
    // While active: closes the title and empties the label. The pause flag stays as it is.
    void Stop();
    // The music volume, 0 (silent) to 1000 (full). Kept for every title opened afterwards.
    void SetVolume(int volume);

    [[nodiscard]] bool PauseFlag() const { return m_paused; }
    // The saved flag, restored before the first title starts; changes no sound.
    void SetPauseFlag(bool paused) { m_paused = paused; }
    [[nodiscard]] bool Active() const { return TimerMP3.isActive(); }
    [[nodiscard]] bool AudioAvailable() const { return m_device != nullptr; }
    [[nodiscard]] const MusicList& Titles() const { return m_list; }
    [[nodiscard]] QString CurrentTitle() const { return m_list.current; }
    [[nodiscard]] int Volume() const { return m_volume; }
    // Empty until the open title's length is known, and while stopped.
    [[nodiscard]] QString CurrentScrollText() const { return m_scrollText; }
    // The position the next scroll tick shows.
    [[nodiscard]] int ScrollPosition() const { return m_scrollPosition; }
    // The label's text as the last scroll tick or Stop left it.
    [[nodiscard]] QString ShownText() const { return m_shown; }

    // How the next title is drawn: an index from 0 to n - 1. Evenly at random unless replaced.
    void SetRandomIndex(std::function<int(int n)> randomIndex);

    // The end-of-title test, every second while active.
    void TimerMP3Timer();
    // One scroll step, every 200 ms while active with a known length, paused or not.
    void TimerDefilementTimer();

    QTimer TimerMP3;
    QTimer TimerDefilement;

signals:
    // The music list was filled again: the music box's items and its text.
    void TitlesChanged(const QStringList& titles, const QString& current);
    // The player made another title current after one ended: the music box's new text.
    void CurrentTitleChanged(const QString& title);
    // The scroll label's new text; empty when the music stops.
    void ScrollTextShown(const QString& text);
    // A problem worth a status message: an unplayable title, or no audio on this machine.
    void StatusMessage(const QString& text);

private:
    void LengthKnown(qint64 milliseconds);
    void DeviceFailed();
    void ShowText(const QString& text);
    // True when the player can sound; the first time it cannot, says why.
    bool CanSound();

    std::unique_ptr<AudioDevice> m_device;
    MusicList m_list;
    std::function<int(int)> m_randomIndex;
    bool m_paused = false;
    int m_volume = 500;
    QString m_openTitle;
    QString m_scrollText;
    int m_scrollPosition = 0;
    QString m_shown;
    bool m_noAudioTold = false;
};

} // namespace audio
