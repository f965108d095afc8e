"""The seven sound effects, synthesized: short, soft-edged and at a moderate level."""
import os

import numpy as np

from audio import RATE, adsr, bandpassed_noise, bell, epiano, fade, hz, normalise, reverb, t_axis, tail, write_wav

# Peak level of the effects, about -8 dBFS: audible over the music without startling.
PEAK = 0.4


def impossible(rng):
    """Refused move: two low, muffled notes going down."""
    out = np.zeros(int(0.42 * RATE))
    for start, note in ((0.0, 52), (0.13, 47)):
        t = t_axis(0.28)
        f = hz(note)
        tone = np.sin(2 * np.pi * f * t) + 0.3 * np.sin(2 * np.pi * 2 * f * t) + 0.1 * np.sin(2 * np.pi * 3 * f * t)
        tone = tail(tone * np.exp(-t / 0.09) * np.minimum(1, t / 0.005), 0.4)
        i = int(start * RATE)
        out[i : i + len(t)] += tone
    return out


def loud(rng):
    """A piece put down: a short wooden knock with a bright tick on top."""
    t = t_axis(0.22)
    body = np.sin(2 * np.pi * 190 * t) * np.exp(-t / 0.035)
    body += 0.6 * np.sin(2 * np.pi * 420 * t) * np.exp(-t / 0.025)
    tick = bandpassed_noise(len(t), rng, 1800, 5000) * np.exp(-t / 0.006)
    ring = 0.25 * np.sin(2 * np.pi * 1046 * t) * np.exp(-t / 0.06)
    return body + 0.5 * tick + ring


def erase(rng):
    """A piece taken away: a soft brush stroke, falling in pitch."""
    n = int(0.34 * RATE)
    t = np.arange(n) / RATE
    noise = bandpassed_noise(n, rng, 500, 6000)
    # a moving band: mix of a high band fading into a low band
    high = bandpassed_noise(n, rng, 2500, 7000)
    swept = noise * (t / t[-1]) + high * (1 - t / t[-1])
    env = np.sin(np.pi * np.clip(t / t[-1], 0, 1)) ** 1.5
    return swept * env


def applause(rng):
    """A small crowd clapping for about three seconds, swelling in and dying away."""
    seconds = 3.2
    n = int(seconds * RATE)
    out = np.zeros(n)
    clap_len = int(0.025 * RATE)
    tc = np.arange(clap_len) / RATE
    shapes = []
    for _ in range(24):
        lo = rng.uniform(700, 1400)
        c = bandpassed_noise(clap_len, rng, lo, lo * rng.uniform(2.5, 4.0))
        shapes.append(c * np.exp(-tc / rng.uniform(0.005, 0.01)))
    # each clapper keeps their own pace
    for person in range(18):
        period = rng.uniform(0.17, 0.26)
        t0 = rng.uniform(0.0, 0.35)
        gain = rng.uniform(0.5, 1.0)
        shape = shapes[person % len(shapes)]
        t = t0
        while t < seconds - 0.05:
            i = int(t * RATE)
            seg = shape[: n - i]
            out[i : i + len(seg)] += gain * seg
            t += period * rng.uniform(0.9, 1.1)
    t = np.arange(n) / RATE
    env = np.minimum(1, t / 0.35) * np.where(t > 2.0, np.exp(-(t - 2.0) / 0.45), 1)
    out *= env
    # claps are sharp by nature; taking the top off keeps them from sounding like static
    spec = np.fft.rfft(out)
    f = np.fft.rfftfreq(n, 1 / RATE)
    out = np.fft.irfft(spec / (1 + (f / 4500) ** 2), n)
    wet = reverb(out, rng, seconds=0.8, mix=0.2, stereo=False)[:, 0]
    return wet[:n]


def help_(rng):
    """A hint: a bright rising arpeggio of bells."""
    out = np.zeros(int(1.1 * RATE))
    for i, note in enumerate((72, 76, 79, 84)):
        b = bell(hz(note), 0.8, brightness=1.2, ratio=3.0, decay=0.35) * (0.9 - 0.1 * i)
        s = int(i * 0.075 * RATE)
        out[s : s + len(b)] += b
    return out


def message(rng):
    """A status message: a gentle two-note chime."""
    out = np.zeros(int(0.7 * RATE))
    for start, note in ((0.0, 79), (0.12, 84)):
        b = epiano(hz(note), 0.55, decay=0.25)
        s = int(start * RATE)
        out[s : s + len(b)] += b
    return out


def ring_open(rng):
    """The piece ring opening: a quick upward swish ending on a soft pop."""
    t = t_axis(0.16)
    f = 500 + 900 * (t / t[-1]) ** 0.7
    phase = 2 * np.pi * np.cumsum(f) / RATE
    sweep = np.sin(phase) * adsr(len(t), 0.01, 0.05, 0.3, 0.04)
    air = bandpassed_noise(len(t), rng, 3000, 8000) * np.exp(-t / 0.03) * 0.15
    return sweep + air


EFFECTS = [
    ("Impossible", impossible, 11),
    ("Loud", loud, 12),
    ("erase", erase, 13),
    ("applause", applause, 14),
    ("help", help_, 15),
    ("Message", message, 16),
    ("7", ring_open, 17),
]


def make_all(folder):
    os.makedirs(folder, exist_ok=True)
    for name, fn, seed in EFFECTS:
        x = fn(np.random.default_rng(seed))
        x = fade(normalise(x, PEAK), 0.002, 0.02)
        write_wav(os.path.join(folder, name + ".wav"), x)
