// The game's sound effects: short WAV files played by name, without waiting.
#pragma once

#include "audio/AudioDevice.h"

#include <memory>

#include <QObject>
#include <QSet>
#include <QString>

namespace audio {

class SoundEffects : public QObject
{
    Q_OBJECT

public:
    // On the real back end, silent when the machine cannot decode audio. The sound folder is
    // "sons/" beside the program until SetSoundFolder changes it.
    explicit SoundEffects(QObject* parent = nullptr);
    // On the given device; a null device is a machine without audio.
    explicit SoundEffects(std::unique_ptr<AudioDevice> device, QObject* parent = nullptr);

    void SetSoundFolder(const QString& folder);
    [[nodiscard]] QString SoundFolder() const { return m_folder; }
    // The file a sound name plays: the sound folder + name + ".wav".
    [[nodiscard]] QString SoundPath(const QString& name) const;

    // Starts the sound name and returns at once; a sound still playing is cut off. A name with
    // no file, or a machine without audio, plays nothing and leaves a playing sound alone; a
    // missing file is told once (StatusMessage).
    void JoueSon(const QString& name);

signals:
    // A sound file that is missing, named the first time it is asked for.
    void StatusMessage(const QString& text);

private:
    std::unique_ptr<AudioDevice> m_device;
    QString m_folder;
    QSet<QString> m_missingTold;
};

} // namespace audio
