# SPDX-License-Identifier: GPL-3.0-or-later
"""Analysis of the game's sound output as written by SDL's disk driver.

The output is raw 44100 Hz stereo signed 16-bit little-endian. Recordings are found in it by
normalised cross-correlation on a band-limited mono copy; notes by the peak of the spectrum.
"""

import wave

import numpy as np

OUTPUT_RATE = 44100
FRAME_BYTES = 4  # stereo, 16 bit
ANALYSIS_RATE = 11025  # plenty for speech and applause, and four times less work than 44100


def _fast_length(n):
    """A length >= n whose FFT is fast (only factors 2, 3 and 5)."""
    best = 1 << (int(n - 1).bit_length())
    p5 = 1
    while p5 < best:
        p35 = p5
        while p35 < best:
            m = p35
            while m < n:
                m *= 2
            best = min(best, m)
            p35 *= 3
        p5 *= 5
    return best


def resample(x, rate_in, rate_out, band=(0.0, None)):
    """Resamples a mono signal through its spectrum, keeping only the band (lo, hi) in Hz.

    The same brick-wall filter on output and recordings makes their correlation independent of
    how the game converted the recording's rate.
    """
    x = np.asarray(x, dtype=np.float64)
    n = len(x)
    if n == 0:
        return np.zeros(0)
    n_pad = _fast_length(n)
    spectrum = np.fft.rfft(x, n_pad)
    n_out_pad = int(round(n_pad * rate_out / rate_in))
    keep = n_out_pad // 2 + 1
    freqs = np.fft.rfftfreq(n_pad, 1.0 / rate_in)
    lo, hi = band
    hi = min(hi if hi is not None else rate_out / 2, rate_out / 2 * 0.98)
    spectrum[(freqs < lo) | (freqs > hi)] = 0
    if keep <= len(spectrum):
        spectrum = spectrum[:keep]
    else:
        spectrum = np.concatenate([spectrum, np.zeros(keep - len(spectrum), complex)])
    y = np.fft.irfft(spectrum, n_out_pad) * (n_out_pad / n_pad)
    return y[: int(round(n * rate_out / rate_in))]


def load_raw(path):
    """The disk driver's output as float stereo frames in [-1, 1), shape (n, 2)."""
    data = np.fromfile(path, dtype="<i2")
    data = data[: len(data) // 2 * 2]
    return data.reshape(-1, 2).astype(np.float32) / 32768.0


def load_wav(path, rate=OUTPUT_RATE):
    """A PCM WAV recording as float stereo frames at `rate`, shape (n, 2)."""
    with wave.open(str(path), "rb") as w:
        channels, width, src_rate = w.getnchannels(), w.getsampwidth(), w.getframerate()
        raw = w.readframes(w.getnframes())
    if width == 1:
        samples = (np.frombuffer(raw, np.uint8).astype(np.float32) - 128) / 128.0
    elif width == 2:
        samples = np.frombuffer(raw, "<i2").astype(np.float32) / 32768.0
    elif width == 4:
        samples = np.frombuffer(raw, "<i4").astype(np.float32) / 2147483648.0
    else:
        raise ValueError(f"{path}: unsupported sample width {width}")
    samples = samples.reshape(-1, channels)
    if channels == 1:
        samples = np.repeat(samples, 2, axis=1)
    else:
        samples = samples[:, :2]
    if src_rate != rate:
        samples = np.stack([resample(samples[:, c], src_rate, rate) for c in range(2)], axis=1)
    return samples.astype(np.float32)


class Occurrence:
    def __init__(self, time, score):
        self.time = time
        self.score = score

    def __repr__(self):
        return f"{self.time:.3f}s ({self.score:.2f})"


class Output:
    """The whole recorded output of one run, ready for searching."""

    def __init__(self, frames):
        self.frames = frames
        self.mono = frames.mean(axis=1) if len(frames) else np.zeros(0, np.float32)
        self.duration = len(self.mono) / OUTPUT_RATE
        self._bands = {}

    @classmethod
    def from_file(cls, path):
        return cls(load_raw(path))

    def _band(self, band):
        if band not in self._bands:
            self._bands[band] = resample(self.mono, OUTPUT_RATE, ANALYSIS_RATE, band)
        return self._bands[band]

    def find(self, recording, min_score=0.6, band=(100.0, 4000.0), start=0.0, end=None,
             max_count=50):
        """Where `recording` (stereo frames at 44100 Hz) starts in the output, best first.

        The score is the normalised cross-correlation of the band-limited mono signals: 1.0 for
        an exact copy at any loudness, near 0 for unrelated sound. Occurrences at least half the
        recording's length apart are reported separately.
        """
        band = (float(band[0]), float(band[1]))
        x = self._band(band)
        t = resample(recording.mean(axis=1), OUTPUT_RATE, ANALYSIS_RATE, band)
        m = len(t)
        i0 = max(0, int(start * ANALYSIS_RATE))
        i1 = len(x) if end is None else min(len(x), int(end * ANALYSIS_RATE) + m)
        x = x[i0:i1]
        if m == 0 or len(x) < m:
            return []
        n_fft = _fast_length(len(x) + m)
        corr = np.fft.irfft(np.fft.rfft(x, n_fft) * np.conj(np.fft.rfft(t, n_fft)), n_fft)
        corr = corr[: len(x) - m + 1]
        energy = np.concatenate([[0.0], np.cumsum(x.astype(np.float64) ** 2)])
        window = energy[m:] - energy[:-m]
        t_norm = np.sqrt(np.sum(t**2))
        floor = 1e-7 * m  # windows of (near) silence match nothing
        score = np.where(window > floor, corr / (t_norm * np.sqrt(np.maximum(window, floor))), 0.0)
        found = []
        half = max(1, m // 2)
        while len(found) < max_count:
            k = int(np.argmax(score))
            if score[k] < min_score:
                break
            found.append(Occurrence((i0 + k) / ANALYSIS_RATE, float(score[k])))
            score[max(0, k - half): k + half] = -1.0
        return found

    def slice(self, t0, t1):
        a = max(0, int(t0 * OUTPUT_RATE))
        b = min(len(self.mono), max(a, int(t1 * OUTPUT_RATE)))
        return self.mono[a:b]

    def rms(self, t0, t1):
        s = self.slice(t0, t1)
        return float(np.sqrt(np.mean(s.astype(np.float64) ** 2))) if len(s) else 0.0

    def peak(self, t0, t1):
        s = self.slice(t0, t1)
        return float(np.max(np.abs(s))) if len(s) else 0.0

    def loudness(self, t0, t1):
        """Integrated loudness of [t0, t1) in LUFS (mono): K-weighted mean square over 400 ms
        blocks with 75 % overlap, gated at -70 LUFS and 10 LU below the ungated level, so that
        pauses do not count. Shorter spans are measured as one block."""
        s = self.slice(t0, t1).astype(np.float64)
        if len(s) == 0:
            return -np.inf
        f = np.fft.rfftfreq(len(s), 1.0 / OUTPUT_RATE)
        weighted = np.fft.irfft(np.fft.rfft(s) * np.sqrt(k_weighting(f)), len(s))
        block = min(int(0.4 * OUTPUT_RATE), len(s))
        step = max(1, block // 4)
        powers = np.array([np.mean(weighted[i:i + block] ** 2) for i in range(0, len(s) - block + 1, step)])
        powers = powers[-0.691 + 10 * np.log10(powers + 1e-20) > -70]
        if len(powers) == 0:
            return -np.inf
        relative = -0.691 + 10 * np.log10(np.mean(powers)) - 10
        powers = powers[-0.691 + 10 * np.log10(powers) > relative]
        return float(-0.691 + 10 * np.log10(np.mean(powers)))

    def full_scale_samples(self):
        """How many samples reached full scale (a clipped or wrapped mix gives many)."""
        return int(np.count_nonzero(np.abs(self.frames) >= 32767 / 32768.0))

    def spectrum(self, t0, t1):
        s = self.slice(t0, t1).astype(np.float64)
        if len(s) < 256:
            return None, None
        s = s * np.hanning(len(s))
        n_fft = _fast_length(max(len(s), 2 * OUTPUT_RATE))  # resolution of 0.5 Hz or better
        return np.fft.rfftfreq(n_fft, 1.0 / OUTPUT_RATE), np.abs(np.fft.rfft(s, n_fft))

    def pitch_problem(self, t0, t1, f0, fmax=2000.0, tolerance=0.02):
        """None when a tone with fundamental f0 dominates [t0, t1); else what is wrong.

        A piano's second harmonic is often stronger than its fundamental, so the test is not
        "the strongest peak is f0" but: the strongest peak is a harmonic of f0, f0 itself is
        clearly there, and nothing sounds an octave (or a fifth) below it.
        """
        freqs, mag = self.spectrum(t0, t1)
        if freqs is None:
            return "no sound"
        band = (freqs >= 60.0) & (freqs <= fmax)
        strongest = float(freqs[band][np.argmax(mag[band])])
        top = float(mag[band].max())
        if top <= 0:
            return "silence"

        def level(f):
            sel = np.abs(freqs - f) <= f * tolerance
            return float(mag[sel].max()) / top

        ratio = strongest / f0
        if abs(ratio - round(ratio)) > tolerance * round(ratio) or round(ratio) == 0:
            return f"the strongest tone, {strongest:.1f} Hz, is no harmonic of {f0:.1f} Hz"
        if level(f0) < 0.25:
            return f"{f0:.1f} Hz is weak ({level(f0):.2f} of the strongest, {strongest:.1f} Hz)"
        for below in (f0 / 2, f0 / 3, f0 * 2 / 3):
            if level(below) > 0.15:
                return (f"{below:.1f} Hz sounds too ({level(below):.2f} of the strongest): "
                        f"the tone is lower than {f0:.1f} Hz")
        return None

    def tone_envelope(self, frequency, t0, t1, hop=0.01, width=0.05, rel_band=0.03):
        """Times and energy of the output in a narrow band around `frequency`, frame by frame."""
        frame = int(width * OUTPUT_RATE)
        step = int(hop * OUTPUT_RATE)
        s = self.slice(t0, t1).astype(np.float64)
        if len(s) < frame:
            return np.zeros(0), np.zeros(0)
        n_frames = 1 + (len(s) - frame) // step
        idx = np.arange(frame)[None, :] + step * np.arange(n_frames)[:, None]
        frames = s[idx] * np.hanning(frame)[None, :]
        n_fft = _fast_length(4 * frame)
        mag = np.abs(np.fft.rfft(frames, n_fft, axis=1)) ** 2
        freqs = np.fft.rfftfreq(n_fft, 1.0 / OUTPUT_RATE)
        sel = np.abs(freqs - frequency) <= frequency * rel_band
        times = t0 + (np.arange(n_frames) * step + frame / 2) / OUTPUT_RATE
        return times, mag[:, sel].sum(axis=1)

    def tone_onset(self, frequency, t0, t1, fraction=0.25):
        """The first time in [t0, t1) at which the band around `frequency` reaches `fraction`
        of its strongest level in that span (None when the span is silent there)."""
        times, energy = self.tone_envelope(frequency, t0, t1)
        if len(energy) == 0 or energy.max() <= 0:
            return None
        above = np.nonzero(energy >= fraction * energy.max())[0]
        return float(times[above[0]])


# Every recording is made at this integrated loudness, and the synthesizer's notes are balanced
# against it; what the game plays should stay near it.
RECORDING_LUFS = -20.0
APPLAUSE_HEARD = 1.3  # seconds of applause measured: what is heard before the next question


def k_weighting(f):
    """Power response of the loudness weighting at frequencies f: a high shelf of about +4 dB
    above 2 kHz and a high-pass near 60 Hz, from their 48 kHz filter coefficients."""
    z = np.exp(-2j * np.pi * np.asarray(f) / 48000.0)

    def response(b, a):
        return np.polyval(b[::-1], z) / np.polyval(a[::-1], z)

    shelf = response([1.53512485958697, -2.69169618940638, 1.19839281085285],
                     [1.0, -1.69065929318241, 0.73248077421585])
    high = response([1.0, -2.0, 1.0], [1.0, -1.99004745483398, 0.99007225036621])
    return np.abs(shelf * high) ** 2


def key_frequency(key):
    """Equal temperament, key 69 = A at 440 Hz (so key 60 = middle C, 261.6 Hz)."""
    return 440.0 * 2.0 ** ((key - 69) / 12.0)


# The generator plays key 12 x octave + note: the asked notes E to B in octave 4 are keys 52 to
# 59, C and D in octave 5 are keys 60 and 62.
NOTE_KEYS = {"E": 52, "F": 53, "G": 55, "A": 57, "B": 59, "C": 60, "D": 62}
