"""Small synthesis kit shared by the sound effects and the music: oscillators, envelopes, WAV output."""
import wave

import numpy as np

RATE = 44100


def t_axis(seconds):
    return np.arange(int(round(seconds * RATE))) / RATE


def hz(note):
    """Frequency of a MIDI note number."""
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def adsr(n, attack, decay, sustain, release):
    """An envelope of n samples: linear attack, exponential decay to sustain, linear release."""
    t = np.arange(n) / RATE
    env = np.where(t < attack, t / max(attack, 1e-9), sustain + (1 - sustain) * np.exp(-(t - attack) / max(decay, 1e-9)))
    r = int(release * RATE)
    if r > 0 and r < n:
        env[-r:] *= np.linspace(1, 0, r)
    return env


def fade(x, start=0.004, end=0.01):
    """Short fades at both ends so that no sound starts or stops with a click."""
    x = x.copy()
    a, b = int(start * RATE), int(end * RATE)
    if a:
        x[:a] *= np.linspace(0, 1, a)[(...,) + (None,) * (x.ndim - 1)]
    if b:
        x[-b:] *= np.linspace(1, 0, b)[(...,) + (None,) * (x.ndim - 1)]
    return x


def tail(x, share=0.25):
    """Fades the last share of a note out, so that a cut-off note never clicks."""
    n = int(len(x) * share)
    if n:
        x[-n:] *= np.linspace(1, 0, n) ** 2
    return x


def bell(freq, seconds, brightness=2.0, ratio=3.5, decay=1.2):
    """FM bell: the modulation index fades faster than the tone, so it rings pure at the end."""
    t = t_axis(seconds)
    index = brightness * np.exp(-t / (decay * 0.25))
    sig = np.sin(2 * np.pi * freq * t + index * np.sin(2 * np.pi * freq * ratio * t))
    return tail(sig * np.exp(-t / decay) * np.minimum(1, t / 0.002))


def epiano(freq, seconds, decay=1.4):
    """A soft electric-piano tone: FM with a 1:1 ratio and a gentle bite at the start."""
    t = t_axis(seconds)
    index = 1.2 * np.exp(-t / 0.35) + 0.2
    sig = np.sin(2 * np.pi * freq * t + index * np.sin(2 * np.pi * freq * t))
    sig += 0.15 * np.sin(2 * np.pi * freq * 2 * t) * np.exp(-t / 0.3)
    env = np.exp(-t / decay) * np.minimum(1, t / 0.004)
    return tail(sig * env)


def pad(freq, seconds, attack=1.5, release=1.5, detune=0.18):
    """A slow, warm chord voice: three slightly detuned triangle-ish tones."""
    t = t_axis(seconds)
    sig = np.zeros_like(t)
    for d in (-detune, 0.0, detune):
        f = freq * 2 ** (d / 12)
        ph = 2 * np.pi * f * t
        sig += np.sin(ph) + 0.12 * np.sin(3 * ph) + 0.04 * np.sin(5 * ph)
    env = adsr(len(t), attack, 1.0, 1.0, release)
    return sig / 3 * env


def bandpassed_noise(n, rng, low, high):
    """White noise limited to a band, by cutting its spectrum."""
    spec = np.fft.rfft(rng.standard_normal(n))
    f = np.fft.rfftfreq(n, 1 / RATE)
    spec[(f < low) | (f > high)] = 0
    out = np.fft.irfft(spec, n)
    return out / (np.max(np.abs(out)) + 1e-12)


def reverb(x, rng, seconds=2.4, mix=0.25, stereo=True):
    """Convolution with decaying noise: a soft room. x is (n,) or (n, 2); the result has a tail of
    the given length and two channels when stereo, one otherwise."""
    x = np.asarray(x, dtype=np.float64)
    chans = [x[:, 0], x[:, 1]] if x.ndim == 2 else [x, x]
    if not stereo:
        chans = chans[:1]
    n_ir = int(seconds * RATE)
    t = np.arange(n_ir) / RATE
    size = 1
    while size < len(chans[0]) + n_ir:
        size *= 2
    outs = []
    for c in chans:
        ir = rng.standard_normal(n_ir) * np.exp(-t / (seconds / 6.0))
        ir = np.convolve(ir, np.ones(8) / 8, mode="same")  # a darker tail
        ir[: int(0.012 * RATE)] = 0
        ir /= np.sqrt(np.sum(ir**2))
        wet = np.fft.irfft(np.fft.rfft(c, size) * np.fft.rfft(ir, size), size)[: len(c) + n_ir]
        dry = np.concatenate([c, np.zeros(n_ir)])
        outs.append(dry * (1 - mix) + wet * mix)
    return np.stack(outs, axis=1)


def normalise(x, peak):
    return x * (peak / (np.max(np.abs(x)) + 1e-12))


def write_wav(path, x, channels=1):
    """16-bit PCM at RATE; x is (n,) or (n, channels) in -1..1."""
    data = np.clip(np.rint(np.asarray(x) * 32767), -32768, 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())
