// The music box and the volume slider tied to a player on a fake device, driven as a player
// would drive them: typing, picking from the list, moving the slider.
#include "audio/MusicControls.h"

#include "tests/audio/FakeDevice.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MusicControls : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"Brise.mp3", "Nuit calme.mp3", "Une tres longue nuit calme.mp3"}) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        auto fake = std::make_unique<FakeDevice>();
        device = fake.get();
        player = std::make_unique<audio::TFormLecteurMP3>(std::move(fake));
        player->AjouteListeDeMusiques(dir.path(), QString());
        audio::ConnectMusicBox(box, *player);
        device->calls.clear();
    }

    QTemporaryDir dir;
    FakeDevice* device = nullptr; // owned by the player
    std::unique_ptr<audio::TFormLecteurMP3> player;
    QComboBox box;
};

// A slider that lets the test ask the style where its handle is.
class ProbedSlider : public QSlider
{
public:
    ProbedSlider()
        : QSlider(Qt::Vertical)
    {
        setGeometry(0, 0, 20, 200);
    }
    int HandleTop()
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this)
            .top();
    }
};

} // namespace

TEST_F(MusicControls, TypingStartsTheTitleOnceItsNameIsComplete)
{
    ASSERT_EQ(box.count(), 3);
    EXPECT_EQ(box.currentText(), QStringLiteral("Brise.mp3")); // shown, not started
    EXPECT_TRUE(device->calls.isEmpty());
    box.lineEdit()->clear();
    QTest::keyClicks(box.lineEdit(), QStringLiteral("Nuit calme.mp"));
    EXPECT_TRUE(device->calls.isEmpty());
    QTest::keyClicks(box.lineEdit(), QStringLiteral("3"));
    EXPECT_EQ(device->calls.value(0), QStringLiteral("open Nuit calme.mp3"));
    EXPECT_EQ(box.count(), 3); // typed text is never added to the list
}

TEST_F(MusicControls, TypingStopsAtTwentyCharactersButLongTitlesShowWhole)
{
    box.lineEdit()->clear();
    QTest::keyClicks(box.lineEdit(), QStringLiteral("Une tres longue nuit calme.mp3"));
    EXPECT_EQ(box.currentText(), QStringLiteral("Une tres longue nuit"));
    EXPECT_TRUE(device->calls.isEmpty());

    box.setCurrentIndex(2); // picked from the list: the box selects it, then tells
    emit box.textActivated(box.currentText());
    EXPECT_EQ(device->calls.value(0), QStringLiteral("open Une tres longue nuit calme.mp3"));
    EXPECT_EQ(box.currentText(), QStringLiteral("Une tres longue nuit calme.mp3"));
}

TEST_F(MusicControls, TheNextTitleShowsInTheBoxWithoutStartingTwice)
{
    player->SetRandomIndex([](int) { return 1; });
    player->PlayCurrentTitle();
    device->ReportLength(1'000);
    device->PlayToEnd();
    device->calls.clear();
    player->TimerMP3Timer();
    EXPECT_EQ(box.currentText(), QStringLiteral("Nuit calme.mp3"));
    EXPECT_EQ(device->calls.filter(QStringLiteral("open")).size(), 1);
}

TEST(VolumeSlider, TheTopIsLoudestAndTheSavedPositionReachesThePlayerAtOnce)
{
    auto fake = std::make_unique<FakeDevice>();
    FakeDevice* device = fake.get();
    audio::TFormLecteurMP3 player(std::move(fake));
    ProbedSlider slider;
    slider.setRange(0, 1000);
    slider.setValue(800); // restored from the settings before the slider is tied
    audio::ConnectVolumeSlider(slider, player);
    EXPECT_EQ(player.Volume(), 200);
    EXPECT_EQ(device->volume, 200);

    slider.setValue(0);
    EXPECT_EQ(player.Volume(), 1000);
    const int top = slider.HandleTop();
    slider.setValue(1000);
    EXPECT_EQ(player.Volume(), 0);
    EXPECT_LT(top, slider.HandleTop()); // loudest with the handle at the top
    slider.setValue(500);
    EXPECT_EQ(player.Volume(), 500);
}
