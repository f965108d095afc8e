// The music list (the MP3 files of one folder and the current title) and the small conversions
// between the options panel's music controls and the music player.
#pragma once

#include <QString>
#include <QStringList>

namespace audio {

// The titles a music folder offers, and the one the music box shows.
struct MusicList
{
    QString folder; // ends with "/" once filled
    QStringList titles; // file names, extension included, sorted by name
    QString current; // the current title; empty when the folder has no MP3 file
};

// The MP3 files of folder ("*.mp3" in any case), sorted by name as a file list shows them (case
// ignored). The current title is title when folder holds a file of that name, else the first
// file, else empty. A missing folder gives an empty list.
[[nodiscard]] MusicList ListMusicFolder(const QString& folder, const QString& title);

// The full path of a title of the list.
[[nodiscard]] QString TitlePath(const MusicList& list, const QString& title);

// Typing in the music box keeps at most this many characters.
constexpr int TypedTitleLimit = 20;

// What typing leaves in the music box: the first TypedTitleLimit characters of text.
[[nodiscard]] QString TypedTitle(const QString& text);

// The music folder and the title an imported file gives: the folder holding path, with its
// final "/", and the file name. An empty path (the dialog cancelled) gives two empty texts.
struct ImportedFile
{
    QString folder;
    QString title;
};
[[nodiscard]] ImportedFile SplitImportedPath(const QString& path);

// A file-dialog filter written "Description|pattern;pattern|Description|pattern", turned into
// the form a Qt file dialog takes: "Description (pattern pattern);;Description (pattern)". A
// description that already ends with its patterns in brackets keeps them once.
[[nodiscard]] QString QtFileFilter(const QString& filter);

// The filter of the import dialog.
[[nodiscard]] QString ImportFilter();

// The music volume for a volume-slider position: the top of the slider (position 0) is the
// loudest, 1000; the bottom (1000) is silent. Positions outside the slider are clamped.
[[nodiscard]] int VolumeFromSlider(int position);

// The amplitude factor, 0 to 1, that plays a volume of 0 (silent) to 1000 (full level). The scale
// follows loudness: each halving of the volume halves the loudness a player hears, which takes
// 10 dB off (amplitude = volume^(5/3)), so the default 500 plays music 10 dB under its full level.
[[nodiscard]] double OutputLevel(int volume);

// The fixed volume of the sound effects: 6 dB under full level. Effects and titles are mastered
// about equally loud (near -20 dBFS RMS), so at the default volume the effects sit within a few
// decibels of the music, the ring's click a little above it, instead of drowning it.
constexpr int EffectVolume = 660;

} // namespace audio
