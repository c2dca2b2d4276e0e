#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the game's seventeen recordings in sounds/: the spoken prompts and note names (Festival
with the US English HTS voice cmu_us_slt_arctic_hts) and the applause (a small audience of
clappers, synthesised clap by clap). All are 22050 Hz mono 16-bit PCM WAV files, brought to one
loudness, each starting within a few milliseconds of its first sample.

Usage: tools/make_sounds.py [repository root]
       tools/make_sounds.py --check [repository root]   (lengths, onsets, pitch, loudness)

Needs festival, festvox-us-slt-hts and python3-numpy."""

import pathlib
import subprocess
import sys
import tempfile
import wave

import numpy as np

RATE = 22050
VOICE = "cmu_us_slt_arctic_hts"
# Speaking rate of the voice's engine (1 = its reading pace): slower, so that a three-year-old
# can follow.
PROMPT_RATE = 0.78
LETTER_RATE = 0.65
# Played back this much faster than synthesised: about one semitone higher, a brighter and
# younger voice, at no cost in clarity (formants and pitch move together, nothing is stretched).
BRIGHTER = 1.08
# Integrated loudness (K-weighted, gated, in LUFS) of every recording; with it the loudest
# recording still peaks below -3 dBFS.
LOUDNESS = -20.0
HEARD_APPLAUSE = 1.5  # seconds: the show transition that ends with the next question
LEAD_IN = 0.008  # seconds before the first sound
TAIL = 0.12  # seconds after the last sound, the last of them fading out

SPOKEN = {
    "black": "Click the black color.",
    "white": "Click the white color.",
    "blue": "Click the blue color.",
    "red": "Click the red color.",
    "yellow": "Click the yellow color.",
    "green": "Click the green color.",
    "circle": "Click the circle.",
    "triangle": "Click the triangle.",
    "square": "Click the square.",
}
# The note names, each the letter's own name: spelled as words with pinned pronunciations, since
# a bare "A." is read as the article.
LETTERS = {
    "E": ("ee", "iy"), "F": ("eff", "eh f"), "G": ("gee", "jh iy"), "A": ("ay", "ey"),
    "B": ("bee", "b iy"), "C": ("see", "s iy"), "D": ("dee", "d iy"),
}


def festival_script(items, work):
    """One Festival run for all speech: loads the voice once, proves it is the HTS one."""
    lines = [f"(voice_{VOICE})",
             "(print (list 'voice current-voice 'method (Parameter.get 'Synth_Method)))"]
    for word, phones in LETTERS.values():
        lines.append(f"(lex.add.entry '(\"{word}\" nil ((({phones}) 1))))")
    lines.append("(set! voice_params hts_engine_params)")
    for name, text, rate in items:
        lines.append(f"(set! hts_engine_params (append voice_params '((\"-r\" {rate}))))")
        lines.append(f"(utt.save.wave (SynthText \"{text}\") \"{work / (name + '.raw.wav')}\" 'riff)")
    return "\n".join(lines) + "\n"


def synthesise(work):
    items = [(name, text, PROMPT_RATE) for name, text in SPOKEN.items()]
    items += [(name, word.capitalize() + ".", LETTER_RATE) for name, (word, _) in LETTERS.items()]
    script = work / "speak.scm"
    script.write_text(festival_script(items, work))
    log = subprocess.run(["festival", "--batch", str(script)], check=True, capture_output=True, text=True)
    if f"(voice {VOICE} method HTS)" not in log.stdout:
        sys.exit(f"festival did not speak with the HTS voice {VOICE}:\n{log.stdout}{log.stderr}")
    return {name: read_wav(work / (name + ".raw.wav")) for name, _, _ in items}


# ---------------------------------------------------------------------------------------------
# Signals


def read_wav(path):
    with wave.open(str(path), "rb") as w:
        rate, channels = w.getframerate(), w.getnchannels()
        data = np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(np.float64) / 32768.0
    return data.reshape(-1, channels).mean(axis=1), rate


def write_wav(path, x):
    pcm = np.clip(np.round(x * 32767.0), -32767, 32767).astype("<i2")
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def resample(x, rate_in, rate_out):
    """Band-limited resampling through the spectrum."""
    n_out = int(round(len(x) * rate_out / rate_in))
    spectrum = np.fft.rfft(x)
    keep = n_out // 2 + 1
    spectrum = spectrum[:keep] if keep <= len(spectrum) else np.pad(spectrum, (0, keep - len(spectrum)))
    return np.fft.irfft(spectrum, n_out) * (n_out / len(x))


def highpass(x, rate, corner=70.0):
    spectrum = np.fft.rfft(x)
    f = np.fft.rfftfreq(len(x), 1.0 / rate)
    spectrum *= 1.0 / np.sqrt(1.0 + (corner / np.maximum(f, 1e-3)) ** 8)
    return np.fft.irfft(spectrum, len(x))


def frame_levels(x, rate, width=0.01):
    n = max(1, int(width * rate))
    frames = len(x) // n
    return np.sqrt(np.mean(x[: frames * n].reshape(frames, n) ** 2, axis=1) + 1e-20), n


def tidy(x, rate):
    """Cuts the synthesiser's leading and trailing quiet: the sound starts LEAD_IN after the
    file's start; after the last audible frame the tail keeps its natural decay and fades out."""
    levels, n = frame_levels(x, rate)
    loud = np.nonzero(levels > levels.max() * 10 ** (-45 / 20))[0]
    start = max(0, loud[0] * n - int(LEAD_IN * rate))
    end = min(len(x), (loud[-1] + 1) * n + int(TAIL * rate))
    x = x[start:end].copy()
    fade_in = int(0.003 * rate)
    x[:fade_in] *= np.linspace(0.0, 1.0, fade_in)
    fade_out = int(0.06 * rate)
    x[-fade_out:] *= np.cos(np.linspace(0.0, np.pi / 2, fade_out)) ** 2
    return x


def k_weighting_gain(f):
    """Power response of the loudness weighting (a high shelf of about +4 dB above 2 kHz and a
    high-pass near 60 Hz), its two filters evaluated from their 48 kHz coefficients."""
    z = np.exp(-2j * np.pi * f / 48000.0)
    shelf = np.polyval([1.53512485958697, -2.69169618940638, 1.19839281085285][::-1], z) / np.polyval(
        [1.0, -1.69065929318241, 0.73248077421585][::-1], z)
    high = np.polyval([1.0, -2.0, 1.0][::-1], z) / np.polyval([1.0, -1.99004745483398, 0.99007225036621][::-1], z)
    return np.abs(shelf * high) ** 2


def loudness(x, rate):
    """Integrated loudness in LUFS: K-weighted mean square over 400 ms blocks (75 % overlap),
    gated absolutely at -70 LUFS and relatively 10 LU below the ungated level, so that pauses
    do not count."""
    block = min(int(0.4 * rate), len(x))
    spectrum = np.fft.rfft(x)
    weighted = np.fft.irfft(spectrum * np.sqrt(k_weighting_gain(np.fft.rfftfreq(len(x), 1.0 / rate))), len(x))
    step = block // 4
    powers = np.array([np.mean(weighted[i:i + block] ** 2) for i in range(0, len(x) - block + 1, step)])
    level = -0.691 + 10 * np.log10(powers + 1e-20)
    powers = powers[level > -70]
    relative = -0.691 + 10 * np.log10(np.mean(powers)) - 10
    powers = powers[-0.691 + 10 * np.log10(powers) > relative]
    return -0.691 + 10 * np.log10(np.mean(powers))


def to_loudness(x, rate, target=LOUDNESS):
    return x * 10 ** ((target - loudness(x, rate)) / 20)


def speech(x, rate):
    x = resample(x, rate * BRIGHTER, RATE)
    return to_loudness(tidy(highpass(x, RATE), RATE), RATE)


# ---------------------------------------------------------------------------------------------
# Applause


def clap_sound(rng, centre, length=0.06):
    """One clap: a burst of noise with a sharp attack and a fast decay, coloured by the
    resonance of the cupped hands (a band around `centre`) over a little broadband click."""
    n = int(length * RATE)
    t = np.arange(n) / RATE
    envelope = np.minimum(t / 0.0015, 1.0) * np.exp(-t / rng.uniform(0.007, 0.014))
    noise = rng.standard_normal(n) * envelope
    spectrum = np.fft.rfft(noise)
    f = np.fft.rfftfreq(n, 1.0 / RATE)
    q = rng.uniform(1.5, 3.5)
    resonance = 1.0 / np.sqrt(1.0 + (q * (f / centre - centre / np.maximum(f, 1.0))) ** 2)
    click = 0.15 / (1.0 + (f / 3000.0) ** 2)
    body = np.fft.irfft(spectrum * (resonance + click) * (f > 250), n)
    return body / np.max(np.abs(body))


def applause(seed=7, clappers=14, length=3.0):
    """A small audience: every clapper keeps a pace and a hand shape of their own, with a
    little jitter from clap to clap; they join within the first quarter second, clap a little
    louder at first and stop one by one near the end. A short room echo ties them together."""
    rng = np.random.default_rng(seed)
    out = np.zeros(int((length + 0.4) * RATE))
    for _ in range(clappers):
        centre = rng.uniform(700.0, 2400.0)
        pace = rng.uniform(3.8, 5.6)
        level = 10 ** (rng.uniform(-7.0, 0.0) / 20)
        stop = length - rng.uniform(0.0, 0.9)
        t = rng.uniform(0.0, 0.25)
        while t < stop:
            clap = clap_sound(rng, centre * rng.uniform(0.92, 1.08))
            swell = 1.0 - 0.35 * t / length
            at = int(t * RATE)
            out[at:at + len(clap)] += clap * level * swell * rng.uniform(0.7, 1.0)
            t += rng.normal(1.0 / pace, 0.012)
    room = rng.standard_normal(int(0.35 * RATE)) * np.exp(-np.arange(int(0.35 * RATE)) / (0.07 * RATE))
    room[0] = 0.0
    wet = np.fft.irfft(np.fft.rfft(out, 2 * len(out)) * np.fft.rfft(room, 2 * len(out)), 2 * len(out))[: len(out)]
    out = tidy(out + 0.12 * wet / np.sqrt(np.sum(room**2)), RATE)
    # Measured over what is heard after every answer, before the next question cuts it off; the
    # reward lets it thin out to the end.
    heard = out[: int(HEARD_APPLAUSE * RATE)]
    return out * 10 ** ((LOUDNESS - loudness(heard, RATE)) / 20)


# ---------------------------------------------------------------------------------------------
# Check


def pitch(x, rate):
    """Median fundamental of the voiced 40 ms frames (autocorrelation), 0 when none."""
    n, hop = int(0.04 * rate), int(0.01 * rate)
    found = []
    for i in range(0, len(x) - n, hop):
        s = x[i:i + n] - x[i:i + n].mean()
        if np.sqrt(np.mean(s**2)) < 0.02:
            continue
        c = np.correlate(s, s, "full")[n - 1:]
        lo, hi = int(rate / 500), int(rate / 70)
        k = lo + int(np.argmax(c[lo:hi]))
        if c[k] > 0.5 * c[0]:
            found.append(rate / k)
    return float(np.median(found)) if found else 0.0


def check(sounds):
    """One line per recording: length, where the sound starts and ends, pitch, spectral
    centroid, loudness and peak."""
    print(f"{'file':10s} {'length':>7s} {'onset':>6s} {'quiet end':>9s} {'f0':>5s} {'centroid':>8s} "
          f"{'LUFS':>6s} {'peak dBFS':>9s}")
    for path in sorted(sounds.glob("*.wav")):
        x, rate = read_wav(path)
        levels, n = frame_levels(x, rate, 0.005)
        loud = np.nonzero(levels > 10 ** (-50 / 20))[0]
        onset = loud[0] * n / rate
        end_quiet = levels[-int(0.03 * rate / n):].max() < 10 ** (-50 / 20)
        spectrum = np.abs(np.fft.rfft(x))
        f = np.fft.rfftfreq(len(x), 1.0 / rate)
        centroid = float(np.sum(f * spectrum) / np.sum(spectrum))
        print(f"{path.stem:10s} {len(x) / rate:7.3f} {onset * 1000:4.0f}ms {str(end_quiet):>9s} "
              f"{pitch(x, rate):5.0f} {centroid:8.0f} {loudness(x, rate):6.1f} "
              f"{20 * np.log10(np.max(np.abs(x))):9.1f}")


def main():
    args = sys.argv[1:]
    checking = "--check" in args
    args = [a for a in args if a != "--check"]
    root = pathlib.Path(args[0] if args else pathlib.Path(__file__).resolve().parent.parent)
    sounds = root / "sounds"
    if checking:
        check(sounds)
        return
    sounds.mkdir(exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        for name, (x, rate) in synthesise(pathlib.Path(temp)).items():
            write_wav(sounds / f"{name}.wav", speech(x, rate))
    write_wav(sounds / "clap.wav", applause())


if __name__ == "__main__":
    main()
