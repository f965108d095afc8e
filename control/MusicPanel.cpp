// The options panel's music controls and the music player.
#include "control/MusicPanel.h"

#include "audio/MusicControls.h"
#include "presentation/MainScreens.h"

#include <utility>

namespace control {

void ConnectMusicPanel(presentation::MainScreens& form, audio::TFormLecteurMP3& player)
{
    audio::ConnectMusicBox(*form.ComboBox3, player);
    audio::ConnectVolumeSlider(*form.TrackBarMP3, player);
    QObject::connect(&player, &audio::TFormLecteurMP3::ScrollTextShown, form.LabelDefilement,
                     &QLabel::setText);
    for (auto [picture, command] : {std::pair{form.ImageLecture, &audio::TFormLecteurMP3::Play},
                                    std::pair{form.ImagePause, &audio::TFormLecteurMP3::Pause},
                                    std::pair{form.ImageArret, &audio::TFormLecteurMP3::Stop}})
        QObject::connect(picture, &presentation::PictureButton::clicked, &player, command);
}

} // namespace control
