// The game's sound effects: short WAV files played by name, without waiting.
#include "audio/SoundEffects.h"

#include "audio/MusicList.h"
#include "audio/QtAudioDevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace audio {

SoundEffects::SoundEffects(QObject* parent)
    : SoundEffects(MakeAudioDevice(), parent)
{}

SoundEffects::SoundEffects(std::unique_ptr<AudioDevice> device, QObject* parent)
    : QObject(parent)
    , m_device(std::move(device))
    , m_folder(QCoreApplication::applicationDirPath() + QStringLiteral("/sons/"))
{
    if (m_device)
        m_device->SetVolume(EffectVolume);
}

void SoundEffects::SetSoundFolder(const QString& folder)
{
    m_folder = folder;
}

QString SoundEffects::SoundPath(const QString& name) const
{
    return QDir(m_folder).filePath(name + QStringLiteral(".wav"));
}

void SoundEffects::JoueSon(const QString& name)
{
    if (!m_device)
        return;
    const QString path = SoundPath(name);
    if (!QFileInfo(path).isFile()) {
        if (!m_missingTold.contains(path)) {
            m_missingTold.insert(path);
            emit StatusMessage(QStringLiteral("Son introuvable : ")
                               + QDir::toNativeSeparators(path));
        }
        return;
    }
    // One device for every effect: opening the new sound stops the one still playing.
    m_device->Open(path);
    m_device->Play();
}

} // namespace audio
