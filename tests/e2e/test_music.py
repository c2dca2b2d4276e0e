# SPDX-License-Identifier: GPL-3.0-or-later
"""End to end: the four Music levels played to the end by clicking the asked note's label on the
staff. Every question must sound its note (checked by its frequency in the sound output) and
about one second later the spoken note name; wrong labels (another note, the clef, the end bar)
answer nothing.

    python3 tests/e2e/test_music.py --exe build/tovimar-plumkin [--keep]
"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import harness  # noqa: E402  (first: it finds a Python with numpy)
import numpy as np  # noqa: E402
from activity import check_levels  # noqa: E402
from audio import APPLAUSE_HEARD, NOTE_KEYS, OUTPUT_RATE, key_frequency  # noqa: E402

STAFF_TOP = 86  # the staff panel starts below the 86-pixel top bar
TOP_BAR = (0, 0, 767, 86)
MIN_SCORE = 0.7
CLAP_PREFIX = 0.4
NAME_BAND = (1000.0, 4000.0)  # above most of the piano, where the speech is clear
NAME_AFTER_NOTE = (0.8, 1.6)  # one second; room for the disk driver's pace and a busy machine
PROMPT_DELAY = 6.0  # from the click that asks a question to its spoken note name


class MusicLevel(harness.GameTest):
    LEVEL = TITLE = None
    LABEL_TOP = LABEL_HEIGHT = None
    LABELS = {}  # label -> (left, width) in the staff panel
    NOTES = ""  # the asked notes, in order
    TOP_COLOURS = {}  # step -> RGB of the top bar

    def label_centre(self, label):
        left, width = self.LABELS[label]
        return left + width / 2, STAFF_TOP + self.LABEL_TOP + self.LABEL_HEIGHT / 2

    def play_level(self):
        session = self.session
        window = self.open_level("Music", self.LEVEL, self.TITLE)
        steps = []
        previous_top = None
        asked_at = self.opened_at
        for step, note in enumerate(self.NOTES, 1):
            last = step == len(self.NOTES)
            # Applause, the note, a second later its name; then the note fades out.
            img = self.wait_question(window, TOP_BAR, previous_top, asked_at)
            session.mark(f"step {step} asked")
            session.save(f"music{self.LEVEL}-step{step}-{note}", img)
            if step in self.TOP_COLOURS:
                bar = harness.crop(img, TOP_BAR)
                share = harness.colour_mask(bar, self.TOP_COLOURS[step], 6).mean()
                self.assertGreater(share, 0.3, f"step {step}: the top bar is not coloured "
                                   f"{self.TOP_COLOURS[step]}")
            top_before = harness.crop(img, TOP_BAR).copy()
            geometry = window.geometry()

            other_notes = [n for n in self.LABELS if n not in (note, "clef", "end")]
            wrong = [other_notes[step % len(other_notes)], "end" if last else "clef"]
            wrong_at = session.mark(f"step {step} wrong clicks {wrong}")
            for label in wrong:
                window.click(*self.label_centre(label))
            time.sleep(0.6)
            self.assertTrue(window.mapped(), f"step {step}: a wrong click closed the window")
            self.assertEqual(window.geometry(), geometry)
            self.assertTrue(np.array_equal(window.grab(TOP_BAR), top_before),
                            f"step {step}: a wrong click changed the question")
            self.assertEqual(session.visible_windows("Bravo"), [], "a wrong click showed the reward")

            answer_at = asked_at = session.mark(f"step {step} answer {note}")
            window.click(*self.label_centre(note))
            steps.append(dict(note=note, wrong=wrong_at, answer=answer_at))
            previous_top = top_before

        self.finish_with_reward(window)
        self.check_sound(steps)
        self.assert_no_problems()

    def check_sound(self, steps):
        """Per question: the note, its name about a second later, nothing new after the wrong
        clicks, and applause right after the answer."""
        out = self.session.output()
        clap = harness.recording("clap")
        clap_prefix = clap[: int(CLAP_PREFIX * harness.audio.OUTPUT_RATE)]
        asked_by = self.opened_at
        levels = []  # (what, LUFS)
        for step, s in enumerate(steps, 1):
            note, last = s["note"], step == len(steps)
            found = out.find(harness.recording(note), 0.4, NAME_BAND, start=asked_by - 0.1,
                             end=s["wrong"])
            heard = [f for f in found if f.score >= MIN_SCORE]
            self.expect(len(heard) == 1,
                        f"step {step}: the name {note}.wav heard {len(heard)} times between "
                        f"{asked_by:.2f} s and {s['wrong']:.2f} s, expected once (found {found})")
            if heard:
                name = heard[0].time
                self.expect(name - asked_by < PROMPT_DELAY,
                            f"step {step}: the name came {name - asked_by:.2f} s after the click")
                expected = key_frequency(NOTE_KEYS[note])
                problem = out.pitch_problem(name - 0.85, name - 0.1, expected)
                self.expect(problem is None, f"step {step}: in the second before the name, "
                                             f"expected the {note} (key {NOTE_KEYS[note]}): {problem}")
                onset = out.tone_onset(expected, max(asked_by, name - 3.0), name)
                gap = None if onset is None else name - onset
                self.expect(gap is not None and NAME_AFTER_NOTE[0] <= gap <= NAME_AFTER_NOTE[1],
                            f"step {step}: the name came {gap} s after the start of the note, "
                            f"expected about one second")
                # The note alone from its start until its name; the name over the note's tail.
                start = name - 0.95 if onset is None else onset
                levels.append((f"piano {note}", out.loudness(start, name - 0.05)))
                length = len(harness.recording(note)) / OUTPUT_RATE
                levels.append((f"name {note}", out.loudness(name, name + length)))

            # After the wrong clicks only the fading note: nothing starts, nothing gets louder.
            before = out.peak(s["wrong"] - 0.2, s["wrong"])
            after = out.peak(s["wrong"] + 0.05, s["answer"] - 0.03)
            self.expect(after <= max(before * 1.2, 0.01),
                        f"step {step}: sound started after a wrong click (peak {after:.3f}, "
                        f"before it {before:.3f})")

            template = clap if last else clap_prefix
            found = out.find(template, 0.5, start=s["answer"] - 0.1, end=s["answer"] + 0.8)
            self.expect(found and found[0].score >= MIN_SCORE,
                        f"step {step}: no applause after the answer at {s['answer']:.2f} s "
                        f"(found {found})")
            if found:
                levels.append((f"applause {step}", out.loudness(found[0].time, found[0].time + APPLAUSE_HEARD)))
            asked_by = s["answer"]
        check_levels(self, out, levels)


class TestMusicFC(MusicLevel):
    LEVEL, TITLE = 1, "Music: F-C"
    LABEL_TOP, LABEL_HEIGHT = 9, 286
    LABELS = {"clef": (50, 233), "F": (283, 186), "C": (469, 155), "end": (624, 93)}
    NOTES = "FC"

    def test_level_played_to_the_end(self):
        self.play_level()


class TestMusicFAC(MusicLevel):
    LEVEL, TITLE = 2, "Music: F-A-C"
    LABEL_TOP, LABEL_HEIGHT = 20, 265
    LABELS = {"clef": (28, 217), "F": (245, 116), "A": (361, 145), "C": (506, 145), "end": (651, 87)}
    NOTES = "FAC"

    def test_level_played_to_the_end(self):
        self.play_level()


class TestMusicFGABC(MusicLevel):
    LEVEL, TITLE = 3, "Music: F-G-A-B-C"
    LABEL_TOP, LABEL_HEIGHT = 32, 240
    LABELS = {"clef": (26, 143), "F": (169, 104), "G": (273, 104), "A": (377, 104),
              "B": (481, 104), "C": (585, 104), "end": (689, 52)}
    NOTES = "FGABC"

    def test_level_played_to_the_end(self):
        self.play_level()


class TestMusicEFGABCD(MusicLevel):
    LEVEL, TITLE = 4, "Music: E-F-G-A-B-C-D"
    LABEL_TOP, LABEL_HEIGHT = 38, 229
    LABELS = {"clef": (27, 137), "E": (164, 75), "F": (239, 75), "G": (314, 75), "A": (389, 75),
              "B": (464, 75), "C": (539, 75), "D": (614, 75), "end": (689, 50)}
    NOTES = "EFGABCD"
    # The first three questions colour the top bar red, orange and green.
    TOP_COLOURS = {1: (255, 0, 0), 2: (252, 202, 1), 3: (0, 204, 0)}

    def test_level_played_to_the_end(self):
        self.play_level()


if __name__ == "__main__":
    harness.main()
