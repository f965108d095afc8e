// Sound effects by name on a fake device: the file a name plays, replacing, missing files.
#include "audio/SoundEffects.h"

#include "tests/audio/FakeDevice.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

struct Effects
{
    Effects()
    {
        auto fake = std::make_unique<FakeDevice>();
        device = fake.get();
        effects = std::make_unique<audio::SoundEffects>(std::move(fake));
        effects->SetSoundFolder(QStringLiteral(ORVANTE_DATA_DIR "sons/"));
        device->calls.clear();
    }

    FakeDevice* device = nullptr; // owned by effects
    std::unique_ptr<audio::SoundEffects> effects;
};

} // namespace

TEST(JoueSon, PlaysTheWavFileOfThatNameFromTheSoundFolder)
{
    Effects sound;
    sound.effects->JoueSon(QStringLiteral("erase"));
    EXPECT_EQ(sound.device->calls,
              QStringList({QStringLiteral("open erase.wav"), QStringLiteral("play")}));
    EXPECT_EQ(QDir::cleanPath(sound.device->openPath),
              QDir::cleanPath(QStringLiteral(ORVANTE_DATA_DIR "sons/erase.wav")));
}

TEST(JoueSon, ANewSoundReplacesTheOnePlaying)
{
    Effects sound;
    sound.effects->JoueSon(QStringLiteral("applause"));
    sound.effects->JoueSon(QStringLiteral("7"));
    sound.effects->JoueSon(QStringLiteral("7"));
    EXPECT_EQ(sound.device->calls,
              QStringList({QStringLiteral("open applause.wav"), QStringLiteral("play"),
                           QStringLiteral("open 7.wav"), QStringLiteral("play"),
                           QStringLiteral("open 7.wav"), QStringLiteral("play")}));
}

TEST(JoueSon, ANameWithoutAFileLeavesThePlayingSoundAloneAndIsNamedOnce)
{
    Effects sound;
    QStringList told;
    QObject::connect(sound.effects.get(), &audio::SoundEffects::StatusMessage,
                     [&told](const QString& text) { told.append(text); });
    sound.effects->JoueSon(QStringLiteral("help"));
    sound.effects->JoueSon(QStringLiteral("absent"));
    sound.effects->JoueSon(QStringLiteral("absent"));
    EXPECT_EQ(sound.device->calls,
              QStringList({QStringLiteral("open help.wav"), QStringLiteral("play")}));
    EXPECT_TRUE(sound.device->playing);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].endsWith(QStringLiteral("absent.wav"))) << told[0].toStdString();
}
