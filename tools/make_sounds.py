#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the game's seventeen recordings in sounds/: the spoken prompts and note names (Festival
with the US English HTS voice cmu_us_slt_arctic_hts) and the applause (a small audience of
clappers, synthesised clap by clap), and the sixteen spoken ones of every other language in
sounds/<language>/, from the sentences of sounds/prompts.tsv (Festival where Debian has a voice
for the language, eSpeak NG otherwise). All are 22050 Hz mono 16-bit PCM WAV files, brought to
one loudness, each starting within a few milliseconds of its first sample.

Usage: tools/make_sounds.py [--language de,fr,...] [repository root]
       tools/make_sounds.py --check [repository root]
The check measures every recording of every language (length, onset, where its words begin and
end, pitch, loudness, peak), holds the settings' kind of each language's voice to the voice
that made it, and exits with status 1 when a recording is missing or anything breaks a rule.

Needs festival, festvox-us-slt-hts, festvox-ca-ona-hts, festvox-czech-dita, festvox-suopuhe-lj,
festvox-italp16k, festvox-ru, espeak-ng and python3-numpy; the check needs only python3-numpy."""

import pathlib
import re
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

# Every recording meets these: its sound starts within MAX_ONSET of the file's start, it ends in
# quiet, its loudness is within LOUDNESS_TOLERANCE of LOUDNESS and its peak below MAX_PEAK.
MAX_ONSET = 0.03
# ... and its words, the sound within 30 dB of its loudest, begin within MAX_LEAD and end within
# MAX_TRAIL of the file's ends: a breath or hiss kept as room around a word is heard as a delay.
MAX_LEAD = 0.2
MAX_TRAIL = 0.5
# A note's name is one short syllable; longer, the voice spelled something else out.
MAX_NAME_LENGTH = 0.8
LOUDNESS_TOLERANCE = 0.5
MAX_PEAK = -1.0

# eSpeak's own voices are a man's at about 125 Hz, too low and stern for a small child. Its second
# woman's voice, at its own pitch, is about 210 Hz as heard (a little above the English voice),
# with clean harmonics up high and hardly more creak than his. Of the others, the fifth is
# brighter and hissier, the first and third creakier, and the fourth's room echo draws out every
# word past the length a note's name may have.
ESPEAK_VARIANT = "f2"
ESPEAK_PITCH = 50  # 0-99, the variant's own

# The voice of each language other than English: Festival's where Debian main has one (the HTS
# voice for Catalan, unit selection for Russian, diphones for Czech, Finnish and Italian, each
# clearer than eSpeak's formants), eSpeak NG otherwise. Festival voices read their own 8-bit
# encodings. `slower`: a voice that reads faster than the others at the same stretch is slowed
# down this much more. `lexicon`: words the voice would say otherwise, with their phones (the
# Russian voice reads the note "До" as the unstressed preposition, "да").
VOICES = {
    "de": {"engine": "espeak", "voice": "de+" + ESPEAK_VARIANT},
    "fr": {"engine": "espeak", "voice": "fr+" + ESPEAK_VARIANT},
    "es": {"engine": "espeak", "voice": "es+" + ESPEAK_VARIANT},
    "it": {"engine": "festival", "voice": "lp_diphone", "encoding": "iso-8859-1",
           "slower": 1.12},
    "pt": {"engine": "espeak", "voice": "pt+" + ESPEAK_VARIANT},
    "nl": {"engine": "espeak", "voice": "nl+" + ESPEAK_VARIANT},
    "pl": {"engine": "espeak", "voice": "pl+" + ESPEAK_VARIANT},
    "ca": {"engine": "festival", "voice": "upc_ca_ona_hts", "encoding": "utf-8"},
    "cs": {"engine": "festival", "voice": "czech_dita", "encoding": "iso-8859-2"},
    "fi": {"engine": "festival", "voice": "suo_fi_lj_diphone", "encoding": "iso-8859-1"},
    "ru": {"engine": "festival", "voice": "msu_ru_nsh_clunits", "encoding": "utf-8",
           "lexicon": {"до": "d oo"}},
}
# Festival's HTS and unit-selection voices are made from a speaker's recordings and sound like
# one; its diphone voices and eSpeak's formants sound plainly synthetic. The settings tell parents
# which kind a language has (platform/Voices.cpp), and the check holds that table to this one.
NATURAL_VOICES = ("_hts", "_clunits")


def voice_kind(language):
    voice = VOICES[language] if language != "en" else {"engine": "festival", "voice": VOICE}
    natural = voice["engine"] == "festival" and voice["voice"].endswith(NATURAL_VOICES)
    return "Recorded" if natural else "Computer"


# How much slower than each engine's reading pace: a sentence for a three-year-old, and a note
# name said slower still, as the English ones are.
SENTENCE_STRETCH = 1.28
NAME_STRETCH = 1.55
ESPEAK_WORDS_PER_MINUTE = 175  # eSpeak's own pace, stretched as above
# Note names spelled as the language says them, since a lone letter is read as anything from an
# article to a sound.
SPEAK_AS = {
    "de": {"C": "Zeh", "D": "Deh", "E": "Eh", "F": "Eff", "G": "Geh", "A": "Ah", "B": "Hah"},
    "nl": {"C": "See", "D": "Dee", "E": "Ee", "F": "Ef", "G": "Gee", "A": "Aa", "B": "Bee"},
    "pl": {"C": "Ce", "D": "De", "E": "E", "F": "Ef", "G": "Gie", "A": "A", "B": "Ha"},
    # The Czech voice reads a lone capital "É" as "dlouhé é" and a plain "E" as the letter's name.
    "cs": {"C": "Cé", "D": "Dé", "E": "E", "F": "Ef", "G": "Gé", "A": "A", "B": "Há"},
    # The Italian voice's lexicon fails on a lone "Mi"; the accent gives the same sound.
    "it": {"E": "Mì"},
    # eSpeak takes a lone "Do" for the English word; the Catalan voice reads "La" as the article.
    "fr": {"C": "Dau"},
    "ca": {"A": "Lah"},
    "fi": {"C": "See", "D": "Dee", "E": "Ee", "F": "Äf", "G": "Gee", "A": "Aa", "B": "Hoo"},
}
# Festival's names for a pause, and how much of the pause around the spoken segments is kept:
# room for a burst a little ahead of its segment and for the last sound's decay.
SILENCES = {"pau", "#", "_", "sil", "h#"}
SPAN_MARGIN = 0.04
NOTE_NAMES = ("C", "D", "E", "F", "G", "A", "B")

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


def prompts(root):
    """The table of what each recording says: {language: {name: text}}."""
    lines = [line for line in (root / "sounds" / "prompts.tsv").read_text(encoding="utf-8").splitlines()
             if line and not line.startswith("#")]
    header = lines[0].split("\t")
    table = {language: {} for language in header[1:]}
    for line in lines[1:]:
        cells = line.split("\t")
        for language, text in zip(header[1:], cells[1:]):
            table[language][cells[0]] = text
    return table


def spoken_items(language, texts):
    """(name, what the engine reads, stretch) for every recording of a language."""
    items = []
    for name, text in texts.items():
        if name in NOTE_NAMES:
            items.append((name, SPEAK_AS.get(language, {}).get(name, text) + ".", NAME_STRETCH))
        else:
            items.append((name, text, SENTENCE_STRETCH))
    return items


def festival_language(voice, items, work):
    """One Festival run for a language; HTS voices take their pace as a rate, the others as a
    stretch of every duration. Proves the voice is the one asked for; returns where each
    recording is spoken."""
    hts = voice["voice"].endswith("_hts")
    lines = [f"(voice_{voice['voice']})", "(print (list 'voice current-voice))"]
    if hts:
        lines.append("(set! voice_params hts_engine_params)")
    for word, phones in voice.get("lexicon", {}).items():
        lines.append(f"(lex.add.entry '(\"{word}\" nil ((({phones}) 1))))")
    for name, text, stretch in items:
        if hts:
            lines.append(f"(set! hts_engine_params (append voice_params '((\"-r\" {1 / stretch:.3f}))))")
        else:
            lines.append(f"(Parameter.set 'Duration_Stretch {stretch})")
        lines.append(f"(set! utt (SynthText \"{text}\"))")
        lines.append(f"(utt.save.wave utt \"{work / (name + '.raw.wav')}\" 'riff)")
        lines.append(f"(print (list 'segments \"{name}\" (mapcar (lambda (s) (list (item.name s) "
                     "(item.feat s 'segment_start) (item.feat s 'end))) (utt.relation.items utt 'Segment))))")
    script = work / "speak.scm"
    script.write_bytes(("\n".join(lines) + "\n").encode(voice["encoding"]))
    log = subprocess.run(["festival", "--batch", str(script)], check=True, capture_output=True)
    if f"(voice {voice['voice']})".encode() not in log.stdout:
        sys.exit(f"festival did not speak with {voice['voice']}:\n{log.stdout!r}{log.stderr!r}")
    return spoken_spans(log.stdout.decode("utf-8", "replace"))


def spoken_spans(log):
    """{name: (start, end)} in seconds: from the first sound to the end of the last one, by the
    segments Festival printed. The pauses around them are left out, since some voices breathe or
    hiss there loud enough to count as sound once the word is levelled."""
    spans = {}
    for name, segments in re.findall(r'\(segments "([^"]+)" \((.*)\)\)', log):
        timed = re.findall(r'\("([^"]*)" ([0-9.]+) ([0-9.]+)\)', segments)
        sounds = [(float(start), float(end)) for phone, start, end in timed if phone not in SILENCES]
        if sounds:
            spans[name] = (sounds[0][0], sounds[-1][1])
    return spans


def espeak_language(voice, items, work):
    for name, text, stretch in items:
        subprocess.run(["espeak-ng", "-v", voice["voice"], "-s", str(round(ESPEAK_WORDS_PER_MINUTE / stretch)),
                        "-p", str(ESPEAK_PITCH), "-w", str(work / (name + ".raw.wav")), text], check=True)
    return {}


def synthesise_language(language, texts, work):
    voice = VOICES[language]
    slower = voice.get("slower", 1.0)
    items = [(name, text, stretch * slower) for name, text, stretch in spoken_items(language, texts)]
    spans = (festival_language if voice["engine"] == "festival" else espeak_language)(voice, items, work)
    sounds = {}
    for name, _, _ in items:
        x, rate = read_wav(work / (name + ".raw.wav"))
        if name in spans:
            start, end = spans[name]
            x = x[max(0, int((start - SPAN_MARGIN) * rate)):int((end + SPAN_MARGIN) * rate)]
        sounds[name] = (x, rate)
    return sounds


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


def limit_peaks(x, ceiling=10 ** ((MAX_PEAK - 0.5) / 20)):
    """Holds every peak below `ceiling` with a gain that dips smoothly around it (5 ms either
    side), leaving the rest untouched."""
    need = np.minimum(1.0, ceiling / np.maximum(np.abs(x), 1e-9))
    half = int(0.005 * RATE)
    padded = np.pad(need, half, constant_values=1.0)
    lowest = np.lib.stride_tricks.sliding_window_view(padded, 2 * half + 1).min(axis=1)
    window = np.hanning(half + 2)[1:-1]
    gain = np.convolve(np.pad(lowest, half, constant_values=1.0), window / window.sum(), "same")[half:-half]
    return x * np.minimum(gain, lowest)


def speech_in_language(x, rate):
    """Like speech, for voices that leave clicks, breaths or no room at the ends: levelled first,
    so the cut follows the same threshold the check measures the onset with; a sound starts where
    30 ms in a row are heard, so a click before it does not count. Peaks are held below MAX_PEAK."""
    x = resample(x, rate * BRIGHTER, RATE)
    x = to_loudness(highpass(np.concatenate([x, np.zeros(int(0.3 * RATE))]), RATE), RATE)
    levels, n = frame_levels(x, RATE)
    heard = levels > 10 ** (-50 / 20)
    run = heard[:-2] & heard[1:-1] & heard[2:]
    start = max(0, int(np.argmax(run)) * n - int(LEAD_IN * RATE))
    end = min(len(x), (int(np.nonzero(heard)[0][-1]) + 1) * n + int(TAIL * RATE))
    x = x[start:end].copy()
    fade_in = int(0.003 * RATE)
    x[:fade_in] *= np.linspace(0.0, 1.0, fade_in)
    fade_out = int(0.06 * RATE)
    x[-fade_out:] *= np.cos(np.linspace(0.0, np.pi / 2, fade_out)) ** 2
    for _ in range(3):
        x = limit_peaks(to_loudness(x, RATE))
    return x


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


def measure(path):
    x, rate = read_wav(path)
    levels, n = frame_levels(x, rate, 0.005)
    loud = np.nonzero(levels > 10 ** (-50 / 20))[0]
    spectrum = np.abs(np.fft.rfft(x))
    f = np.fft.rfftfreq(len(x), 1.0 / rate)
    # The applause is levelled over what is heard before the next question cuts it off.
    heard = x[: int(HEARD_APPLAUSE * rate)] if path.stem == "clap" else x
    return {
        "length": len(x) / rate,
        "onset": loud[0] * n / rate if len(loud) else float("inf"),
        "quiet end": bool(levels[-int(0.03 * rate / n):].max() < 10 ** (-50 / 20)),
        "f0": pitch(x, rate),
        "centroid": float(np.sum(f * spectrum) / np.sum(spectrum)),
        "LUFS": loudness(heard, rate),
        "peak": 20 * np.log10(max(np.max(np.abs(x)), 1e-9)),
        **word_edges(x, rate),
    }


def word_edges(x, rate):
    levels, n = frame_levels(x, rate)
    words = np.nonzero(levels > levels.max() * 10 ** (-30 / 20))[0]
    return {"lead": words[0] * n / rate, "trail": len(x) / rate - (words[-1] + 1) * n / rate}


def problems(m):
    found = []
    if m["onset"] > MAX_ONSET:
        found.append(f"starts after {m['onset'] * 1000:.0f} ms")
    if m["lead"] > MAX_LEAD:
        found.append(f"words start after {m['lead'] * 1000:.0f} ms")
    if m["trail"] > MAX_TRAIL:
        found.append(f"{m['trail'] * 1000:.0f} ms after the words")
    if not m["quiet end"]:
        found.append("does not end in quiet")
    if abs(m["LUFS"] - LOUDNESS) > LOUDNESS_TOLERANCE:
        found.append(f"loudness {m['LUFS']:.1f} LUFS")
    if m["peak"] > MAX_PEAK:
        found.append(f"peak {m['peak']:.1f} dBFS")
    return found


def check(root):
    """One line per recording of every language: length, onset, whether it ends in quiet, pitch,
    spectral centroid, loudness and peak; then what is missing or breaks a rule. True when all
    is well."""
    table = prompts(root)
    print(f"{'file':14s} {'length':>7s} {'onset':>6s} {'quiet end':>9s} {'f0':>5s} {'centroid':>8s} "
          f"{'LUFS':>6s} {'peak dBFS':>9s}")
    failures = []
    for language, texts in table.items():
        folder = root / "sounds" if language == "en" else root / "sounds" / language
        names = list(texts) + (["clap"] if language == "en" else [])
        for name in names:
            path = folder / f"{name}.wav"
            label = f"{language}/{name}"
            if not path.is_file():
                failures.append(f"{label}: missing")
                continue
            m = measure(path)
            print(f"{label:14s} {m['length']:7.3f} {m['onset'] * 1000:4.0f}ms {str(m['quiet end']):>9s} "
                  f"{m['f0']:5.0f} {m['centroid']:8.0f} {m['LUFS']:6.1f} {m['peak']:9.1f}")
            failures += [f"{label}: {p}" for p in problems(m)]
            if name in NOTE_NAMES and m["length"] > MAX_NAME_LENGTH:
                failures.append(f"{label}: {m['length']:.2f} s for a note's name")
    failures += kinds_told_wrongly(root, table)
    for failure in failures:
        print(failure, file=sys.stderr)
    return not failures


def kinds_told_wrongly(root, table):
    """Languages whose kind of voice the game tells parents otherwise than its voice is."""
    source = (root / "platform" / "Voices.cpp").read_text(encoding="utf-8")
    told = dict(re.findall(r'\{"(\w+)", TVoiceKind::(\w+)\}', source))
    return [f"{language}: the settings call its voice {told.get(language, 'nothing')}, "
            f"it is {voice_kind(language)}" for language in table if told.get(language) != voice_kind(language)]


def make_language(root, language, texts):
    folder = root / "sounds" / language
    folder.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        for name, (x, rate) in synthesise_language(language, texts, pathlib.Path(temp)).items():
            write_wav(folder / f"{name}.wav", speech_in_language(x, rate))


def make_english(root):
    sounds = root / "sounds"
    sounds.mkdir(exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        for name, (x, rate) in synthesise(pathlib.Path(temp)).items():
            write_wav(sounds / f"{name}.wav", speech(x, rate))
    write_wav(sounds / "clap.wav", applause())


def main():
    args = sys.argv[1:]
    checking = "--check" in args
    languages = None
    if "--language" in args:
        at = args.index("--language")
        languages = args[at + 1].split(",")
        del args[at:at + 2]
    args = [a for a in args if a != "--check"]
    root = pathlib.Path(args[0] if args else pathlib.Path(__file__).resolve().parent.parent)
    if checking:
        sys.exit(0 if check(root) else 1)
    table = prompts(root)
    for language in languages or table:
        if language == "en":
            make_english(root)
        else:
            make_language(root, language, table[language])


if __name__ == "__main__":
    main()
