"""Three calm background titles, composed by rule from a chord progression and a seeded random
melody, rendered to WAV and encoded to MP3 with lame."""
import os
import subprocess
import tempfile

import numpy as np

from audio import RATE, bell, epiano, fade, hz, normalise, pad, reverb, write_wav

TRACKS = [
    {
        "file": "Brise du matin.mp3",
        "title": "Brise du matin",
        "seed": 1001,
        "bpm": 76,
        # C major: Cmaj7, Am7, Fmaj7, G6
        "chords": [[48, 55, 59, 64], [45, 52, 55, 60], [41, 48, 52, 57], [43, 50, 55, 59]],
        "scale": [60, 62, 64, 67, 69, 72, 74, 76, 79],
        "arp": "epiano",
        "lead": "bell",
        "pattern": [0, 1, 2, 3, 2, 1, 2, 3],
    },
    {
        "file": "Jardin de pierre.mp3",
        "title": "Jardin de pierre",
        "seed": 2002,
        "bpm": 62,
        # D minor: Dm9, Bbmaj7, Fmaj7, Cadd9
        "chords": [[50, 57, 60, 64, 65], [46, 53, 57, 62], [41, 48, 52, 57, 60], [48, 55, 62, 64]],
        "scale": [62, 65, 67, 69, 72, 74, 77, 79],
        "arp": "bell",
        "lead": "epiano",
        "pattern": [0, None, 2, 1, None, 3, 2, None],
    },
    {
        "file": "Nuit calme.mp3",
        "title": "Nuit calme",
        "seed": 3003,
        "bpm": 66,
        # A minor: Am9, Fmaj7, Cmaj7, Em7
        "chords": [[45, 52, 55, 59, 60], [41, 48, 52, 55, 57], [48, 55, 59, 64], [40, 47, 50, 55, 59]],
        "scale": [57, 60, 62, 64, 67, 69, 72, 74, 76],
        "arp": "celesta",
        "lead": "epiano",
        "pattern": [0, 2, 1, 3, 0, 2, 1, 3],
    },
]

# Intro, theme, a quieter middle, theme again, ending: 32 bars, a little under two minutes.
SECTIONS = [("intro", 4), ("a", 8), ("b", 8), ("a", 8), ("outro", 4)]


def voice(kind, freq, seconds):
    if kind == "epiano":
        return epiano(freq, seconds, decay=1.1)
    if kind == "celesta":
        return bell(freq, seconds, brightness=0.8, ratio=4.0, decay=0.9)
    return bell(freq, seconds, brightness=1.1, ratio=3.5, decay=1.3)


class Mix:
    """Two channels to which notes are added with a pan position."""

    def __init__(self, seconds):
        self.buf = np.zeros((int(seconds * RATE), 2))

    def add(self, start, sig, gain, pan=0.0):
        i = int(round(start * RATE))
        sig = sig[: len(self.buf) - i]
        left = np.cos((pan + 1) * np.pi / 4)
        right = np.sin((pan + 1) * np.pi / 4)
        self.buf[i : i + len(sig), 0] += sig * gain * left
        self.buf[i : i + len(sig), 1] += sig * gain * right


def phrase(rng, scale, beats, chord):
    """A two-bar phrase: (beat, length, note) moving mostly by step, starting and ending on chord tones."""
    rhythms = [
        [(0, 1.5), (1.5, 0.5), (2, 2), (4, 1), (5, 1), (6, 2)],
        [(0, 1), (1, 1), (2, 1), (3, 1), (4, 3), (7, 1)],
        [(0, 2), (2, 1), (3, 1), (4, 2), (6, 2)],
        [(0.5, 1.5), (2, 1), (3, 1.5), (4.5, 1.5), (6, 2)],
    ]
    rhythm = rhythms[rng.integers(len(rhythms))]
    tones = [i for i, n in enumerate(scale) if n % 12 in {c % 12 for c in chord}]
    pos = int(rng.choice(tones)) if tones else len(scale) // 2
    notes = []
    for k, (b, length) in enumerate(rhythm):
        if b >= beats:
            break
        if k:
            step = int(rng.choice([-2, -1, -1, 1, 1, 2, 0]))
            pos = int(np.clip(pos + step, 0, len(scale) - 1))
        notes.append((b, length, scale[pos]))
    return notes


def render(track):
    rng = np.random.default_rng(track["seed"])
    beat = 60.0 / track["bpm"]
    bar = 4 * beat
    bars = sum(n for _, n in SECTIONS)
    mix = Mix(bars * bar + 6)
    chords = track["chords"]
    themes = {}
    b = 0
    for name, count in SECTIONS:
        for k in range(count):
            chord = chords[b % len(chords)]
            t0 = b * bar
            # pad under everything, the root doubled an octave down in the fuller parts
            for n in chord[1:]:
                mix.add(t0, pad(hz(n), bar + 1.2, attack=1.2, release=1.2), 0.055, pan=(n % 5 - 2) * 0.15)
            if name in ("a", "b"):
                bass = epiano(hz(chord[0] - 12), bar * 0.9, decay=1.6)
                mix.add(t0, bass, 0.22)
                if name == "a":
                    mix.add(t0 + 2.5 * beat, epiano(hz(chord[0] - 12), beat * 1.4, decay=0.8), 0.12)
            if name != "outro" or k < 2:
                upper = [n + 12 for n in chord[1:]] + [chord[1] + 24]
                for i, idx in enumerate(track["pattern"]):
                    if idx is None:
                        continue
                    note = upper[idx % len(upper)]
                    vel = 0.11 if i % 2 == 0 else 0.08
                    if name == "b":
                        vel *= 0.75
                    mix.add(t0 + i * beat / 2, voice(track["arp"], hz(note), beat * 3), vel, pan=0.35)
            # the melody: the same phrases in both theme sections, new ones in the middle
            if name in ("a", "b") and k % 2 == 0:
                key = (name, k)
                if key not in themes:
                    themes[key] = phrase(rng, track["scale"], 8, chord)
                for nb, length, note in themes[key]:
                    gain = 0.16 if name == "a" else 0.12
                    mix.add(t0 + nb * beat, voice(track["lead"], hz(note + 12), length * beat + 1.0), gain, pan=-0.3)
            b += 1
    # a last chord rings out
    for n in chords[0]:
        mix.add(bars * bar, pad(hz(n), 4.0, attack=0.3, release=3.5), 0.06)
    wet = reverb(mix.buf, rng, seconds=3.0, mix=0.32)
    n = int((bars * bar + 5.5) * RATE)
    wet = wet[:n]
    wet = fade(wet, 1.5, 4.0)
    return normalise(wet, 0.6)


def make_all(folder):
    os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        for track in TRACKS:
            wav = os.path.join(tmp, "title.wav")
            write_wav(wav, render(track), channels=2)
            # constant bit rate, no replay-gain analysis, fixed tags: the same input gives the same file
            subprocess.run(
                ["lame", "--quiet", "--noreplaygain", "-m", "j", "-b", "128", "-q", "2",
                 "--tt", track["title"], "--ta", "Orvante", "--tl", "Orvante", "--id3v2-only",
                 wav, os.path.join(folder, track["file"])],
                check=True,
            )
