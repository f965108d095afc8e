// The options panel's music controls and the music player.
#pragma once

namespace audio {
class TFormLecteurMP3;
} // namespace audio
namespace presentation {
class MainScreens;
} // namespace presentation

namespace control {

// Ties the panel's music controls to the player: the music box, the volume slider, the scrolling
// title and the play, pause and stop pictures. The player must outlive the controls.
void ConnectMusicPanel(presentation::MainScreens& form, audio::TFormLecteurMP3& player);

} // namespace control
