# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the game speaks the child's language, and a parent's own voice. Started with
LANGUAGE=de, Colors level 1 asks with the German recording; with LANGUAGE=fr, Music level 1 says
"Fa". In the settings, "Record the voice" takes the microphone through SDL's disk capture driver
(a prepared file stands in for it): a capture of nothing but quiet is refused and nothing is
kept; a spoken one is trimmed, levelled, kept in the voice folder and played by the same lookup
the levels use; Remove brings the game's own recording back.

    python3 tests/e2e/test_voices.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
import wave
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))

import harness  # noqa: E402  (first: it finds a Python with numpy)
import audio  # noqa: E402
import make_sounds  # noqa: E402
import numpy as np  # noqa: E402

SETTINGS_RECORD_VOICE = (15 + 125, 456 + 40)
# Client coordinates of the voice window's first row ("black"): Record, Stop, Play, Remove.
ROW_TOP = 64 + 13
RECORD, STOP, PLAY, REMOVE = ((16 + 330 + i * 90 + 42, ROW_TOP) for i in range(4))
CAPTURE_RATE = 44100
QUIET_BEFORE = 2.0  # seconds of quiet at the start of the prepared microphone
VOICE = 1.0


def built_in(language, name):
    return audio.load_wav(harness.SOUNDS / language / f"{name}.wav")


def best_score(output, recording, start):
    found = output.find(recording, min_score=0.3, start=start)
    return found[0].score if found else 0.0


class LanguageSession(harness.GameTest):
    LANGUAGE = None
    ARGS = ()

    @classmethod
    def setUpClass(cls):
        cls.session = harness.Session(name=cls.__name__, start_program=False, args=cls.ARGS,
                                      language=cls.LANGUAGE)
        cls.data_home = cls.session.dir / "data"
        cls.session.env.update(LC_ALL="", XDG_DATA_HOME=str(cls.data_home))
        cls.prepare()
        cls.session.start_program()
        cls.main_window = cls.session.find_window("Tovimar Plumkin 0.1.0.0")
        cls.main_window.wait_stable()

    @classmethod
    def prepare(cls):
        pass

    def expect_spoken(self, language, name, since):
        self.session.wait_sound(since=since)
        self.session.wait_quiet(quiet=0.6)
        output = self.session.output()
        own = best_score(output, built_in(language, name), since)
        english = best_score(output, harness.recording(name), since)
        self.assertGreater(own, 0.9, f"the {language} recording of {name} was not played")
        self.assertLess(english, 0.6, f"the English recording of {name} was played")


class TestGermanColors(LanguageSession):
    LANGUAGE = "de"

    def test_colors_level_1_asks_in_german(self):
        self.open_level("Colors", 1, "Farben: Schwarz-Weiß")
        self.expect_spoken("de", "black", self.opened_at)


class TestFrenchMusic(LanguageSession):
    LANGUAGE = "fr"

    def test_music_level_1_says_fa(self):
        self.open_level("Music", 1, "Musique : Fa-Do")
        self.session.wait_sound(since=self.opened_at)  # the note, then a second, then its name
        time.sleep(1.5)
        self.expect_spoken("fr", "F", self.opened_at)


class TestParentVoice(LanguageSession):
    LANGUAGE = "de"
    ARGS = ("--settings",)

    @classmethod
    def prepare(cls):
        # The microphone: quiet, a second of a voice-like sound (a 180 Hz tone with its harmonics,
        # gliding a little), quiet again; read by SDL's disk capture driver as float samples.
        t = np.arange(int(VOICE * CAPTURE_RATE)) / CAPTURE_RATE
        phase = 2 * np.pi * np.cumsum(180 + 40 * np.sin(2 * np.pi * 1.5 * t)) / CAPTURE_RATE
        voice = sum(0.08 / k * np.sin(k * phase) for k in range(1, 8)) * np.hanning(len(t)) ** 0.2
        rng = np.random.default_rng(3)
        quiet = lambda seconds: rng.normal(0, 1e-4, int(seconds * CAPTURE_RATE))  # noqa: E731
        cls.capture = np.concatenate([quiet(QUIET_BEFORE), voice, quiet(3.0)]).astype("<f4")
        path = cls.session.dir / "microphone.raw"
        cls.capture.tofile(path)
        cls.session.env["SDL_DISKAUDIOFILEIN"] = str(path)

    def test_recorded_kept_played_and_removed(self):
        session = self.session
        settings = session.find_window("Tovimar Plumkin: Einstellungen für Eltern")
        settings.wait_stable()
        settings.click(*SETTINGS_RECORD_VOICE)
        voices = session.find_window("Tovimar Plumkin: Stimme aufnehmen")
        voices.wait_stable()
        kept = self.data_home / "tovimar-plumkin" / "voices" / "de" / "black.wav"

        # Stopped while the microphone still hears only quiet: refused, nothing kept.
        before = voices.grab()
        voices.click(*RECORD)
        time.sleep(0.4)
        voices.click(*STOP)
        time.sleep(0.5)
        session.save("silent-capture", voices.wait_stable())
        self.assertFalse(kept.exists(), "a silent capture was kept")
        self.assertFalse(np.array_equal(before, voices.grab()), "the window said nothing")

        voices.click(*RECORD)
        time.sleep(QUIET_BEFORE + VOICE + 1.0)
        voices.click(*STOP)
        harness.wait_until(kept.exists, what="the recording to be kept")
        session.save("kept", voices.wait_stable())
        x, rate = make_sounds.read_wav(kept)
        self.assertLess(len(x) / rate, VOICE + 0.3, "the quiet around the voice was not trimmed")
        self.assertGreater(len(x) / rate, VOICE * 0.8, "the voice itself was cut")
        self.assertAlmostEqual(make_sounds.loudness(x, rate), make_sounds.LOUDNESS, delta=1.0)

        # Play goes through the lookup every level uses: the parent's recording wins.
        since = session.mark("play own")
        voices.click(*PLAY)
        session.wait_sound(since=since)
        session.wait_quiet()
        own = best_score(session.output(), audio.load_wav(kept), since)
        self.assertGreater(own, 0.9, "the parent's recording was not played")

        voices.click(*REMOVE)
        harness.wait_until(lambda: not kept.exists(), what="the recording to be removed")
        since = session.mark("play built-in")
        voices.click(*PLAY)
        session.wait_sound(since=since)
        session.wait_quiet()
        self.assertGreater(best_score(session.output(), built_in("de", "black"), since), 0.9,
                           "after Remove the game's German recording did not come back")


if __name__ == "__main__":
    harness.main()
