// The real audio device: Qt Multimedia on its GStreamer back end.
#pragma once

#include "audio/AudioDevice.h"

#include <memory>

#include <QMediaPlayer>

namespace audio {

// True when the media back end can decode both MP3 and WAV. Selects the GStreamer back end
// first, so it must run before anything else in the program touches Qt Multimedia. Without
// GStreamer's decoders a media player crashes on first use: nothing may create one then.
[[nodiscard]] bool AudioAvailable();

// The one message that tells the player why the game is silent.
[[nodiscard]] QString NoAudioText();

// A device on the real back end, or null when AudioAvailable is false.
[[nodiscard]] std::unique_ptr<AudioDevice> MakeAudioDevice();

class QtAudioDevice final : public AudioDevice
{
    Q_OBJECT

public:
    // Only when AudioAvailable() is true.
    QtAudioDevice();
    ~QtAudioDevice() override;

    void Open(const QString& path) override;
    void Play() override;
    void Pause() override;
    void Close() override;
    [[nodiscard]] qint64 Length() const override { return m_length; }
    [[nodiscard]] qint64 Position() const override;
    void SetVolume(int volume) override;
    [[nodiscard]] bool AtEnd() const override;

private:
    void DurationChanged(qint64 duration);
    void MediaStatusChanged(QMediaPlayer::MediaStatus status);
    void ReportFailure(const QString& reason);

    // A new media player for every file: one that reached the end of a file can report the end
    // of the next file as soon as it starts it. Its audio output is its child.
    QMediaPlayer* m_player = nullptr;
    int m_volume = 1000;
    qint64 m_length = -1;
    bool m_failed = false;
};

} // namespace audio
