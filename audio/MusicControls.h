// Ties the options panel's music box and volume slider to the music player.
#pragma once

#include "audio/mp3.h"

class QComboBox;
class QSlider;

namespace audio {

// Makes box the music list: editable, typing kept to TypedTitleLimit characters while longer
// titles still show whole, typed text never added as an item, matching titles offered while
// typing. Choosing a title or typing starts it through the player (ChooseTitle); the player's
// list and its next titles show in the box without counting as the player's choice.
void ConnectMusicBox(QComboBox& box, TFormLecteurMP3& player);

// Makes slider the volume: 0 to 1000 with position 0 at the top and loudest. The player takes
// the slider's volume at once and at every move, so a position restored from the settings
// reaches the music even when it equals the slider's previous value.
void ConnectVolumeSlider(QSlider& slider, TFormLecteurMP3& player);

} // namespace audio
