#!/usr/bin/python3
"""Makes the game's seventeen recordings in sounds/: the spoken prompts and
note names (espeak-ng) and the applause (synthesised with sox from noise
bursts). All are 22050 Hz mono 16-bit PCM WAV files.

Usage: tools/make_sounds.py [repository root]"""

import pathlib
import random
import subprocess
import sys
import tempfile

RATE = 22050
# Repeatable noise and dither, so that the same script makes the same files.
SOX = ["sox", "-R"]
VOICE = ["-v", "en-us+f3", "-s", "135", "-p", "58"]

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
    "E": "E.", "F": "F.", "G": "G.", "A": "A.", "B": "B.", "C": "C.", "D": "D.",
}

PCM = ["-r", str(RATE), "-c", "1", "-b", "16", "-e", "signed-integer", "-t", "wavpcm"]

# Trim the synthesiser's leading and trailing quiet, leave a short breath
# before and after, and bring every recording to the same peak level.
TIDY = ["silence", "1", "0.01", "0.3%", "reverse", "silence", "1", "0.01", "0.3%", "fade", "q", "0.02",
        "reverse", "fade", "q", "0.005", "highpass", "70", "pad", "0.04", "0.12", "norm", "-1"]


def run(*command):
    subprocess.run(command, check=True)


def speak(text, target, work):
    raw = work / (target.stem + ".raw.wav")
    run("espeak-ng", *VOICE, "-w", str(raw), text)
    run(*SOX, str(raw), *PCM, str(target), *TIDY)


def applause(target, work, seed=7, clappers=24, length=3.0):
    """A crowd of clappers: each clap is a short band-passed burst cut from
    one long noise recording, so no two claps are alike; each clapper keeps
    its own pace and pitch. The crowd swells in and dies away."""
    rng = random.Random(seed)
    noise = work / "noise.wav"
    run(*SOX, "-n", *PCM, str(noise), "synth", str(length + 1), "whitenoise")
    claps = []
    for clapper in range(clappers):
        centre = rng.uniform(700, 2600)
        pace = rng.uniform(3.6, 5.2)
        loudness = rng.uniform(-6, 0)
        t = rng.uniform(0, 0.25)
        while t < length - 0.6 * rng.random():
            burst = rng.uniform(0.022, 0.040)
            clap = work / f"clap{len(claps):03d}.wav"
            run(*SOX, str(noise), *PCM, str(clap), "trim", f"{rng.uniform(0, length):.4f}", f"{burst:.4f}",
                "bandpass", f"{centre * rng.uniform(0.9, 1.1):.0f}", "1.2q",
                "fade", "l", "0.002", "-0", f"{burst - 0.003:.4f}",
                "gain", f"{loudness:.1f}", "pad", f"{t:.4f}")
            claps.append(str(clap))
            t += rng.gauss(1 / pace, 0.02)
    crowd = work / "crowd.wav"
    run(*SOX, "-m", *claps, *PCM, str(crowd))
    run(*SOX, str(crowd), *PCM, str(target), "reverb", "30", "50", "60", "0", "0", "0", "channels", "1",
        "fade", "q", "0.12", "-0", "1.1", "norm", "-3")


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    sounds = root / "sounds"
    sounds.mkdir(exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        work = pathlib.Path(temp)
        for name, text in SPOKEN.items():
            speak(text, sounds / f"{name}.wav", work)
        applause(sounds / "clap.wav", work)


if __name__ == "__main__":
    main()
