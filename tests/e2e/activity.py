# SPDX-License-Identifier: GPL-3.0-or-later
"""What the colour and shape end-to-end tests share: playing a level question by question with a
wrong click before every right one, and checking the sound output against the clicks."""

import time

import harness  # first: it finds a Python with numpy
import numpy as np

TOP_BAR = (0, 0, 642, 86)
FIELD_RECT = (0, 86, 642, 300)  # the play field, client coordinates
RANDOMIZE = (517 + 57, 386 + 10 + 30)
HINT_RECT = (281, 3, 80, 80)

# Sound checks. Scores are normalised correlations (1.0 = exact copy); the disk driver's pace
# differs from the wall clock by a few per cent, so the time windows are wide.
MIN_SCORE = 0.7
CLAP_PREFIX = 0.4  # seconds of applause that are heard before the next question cuts it off
SILENCE_PEAK = 0.01  # -40 dBFS
PROMPT_DELAY = 5.0  # from the click that asks for the next question to its prompt
LOUDNESS_TOLERANCE = 2.0  # LU from the recordings' loudness
# The SoundFont's notes differ among themselves by about 4 LU and from run to run by one or two;
# their average is balanced against the recordings.
NOTE_LOUDNESS_TOLERANCE = 4.0


def rect_distance(x, y, rect):
    """Distance of points (arrays) to a rectangle (x0, y0, x1, y1); 0 inside."""
    x0, y0, x1, y1 = rect
    dx = np.maximum(np.maximum(x0 - x, 0), x - x1)
    dy = np.maximum(np.maximum(y0 - y, 0), y - y1)
    return np.sqrt(dx * dx + dy * dy)


def inside(x, y, rect, margin=0):
    x0, y0, x1, y1 = rect
    return (x >= x0 - margin) & (x < x1 + margin) & (y >= y0 - margin) & (y < y1 + margin)


def safest_point(xs, ys, forbidden, margin, prefer=None):
    """Of the candidate points, the one farthest from every forbidden rectangle, at least
    `margin` from each; None if there is none. Ties go to the point nearest `prefer`."""
    if len(xs) == 0:
        return None
    xs = np.asarray(xs, float)
    ys = np.asarray(ys, float)
    dist = np.full(len(xs), 1e9)
    for rect in forbidden:
        dist = np.minimum(dist, rect_distance(xs, ys, rect))
    ok = dist >= margin
    if not np.any(ok):
        return None
    score = np.minimum(dist, 40.0)  # far enough is far enough; then prefer the centre
    if prefer is not None:
        score = score - 0.01 * np.hypot(xs - prefer[0], ys - prefer[1])
    score[~ok] = -1e9
    k = int(np.argmax(score))
    return float(xs[k]), float(ys[k])


def empty_spot(field_img, forbidden, margin=8):
    """A point of the bare play field (background or grid) away from every rectangle."""
    h, w, _ = field_img.shape
    ys, xs = np.mgrid[margin:h - margin:3, margin:w - margin:3]
    xs, ys = xs.ravel(), ys.ravel()
    bare = harness.colour_mask(field_img, harness.FIELD, 4) | harness.colour_mask(field_img, harness.GRID, 4)
    keep = bare[ys, xs]
    return safest_point(xs[keep], ys[keep], forbidden, margin, prefer=(w / 2, h / 2))


class ActivityTest(harness.GameTest):
    """Plays a colour or shape level. Subclasses say where the answer and the wrong targets are."""

    CATEGORY = LEVEL = TITLE = None
    QUESTIONS = ()  # (sound name, what is asked) per step

    def locate(self, field_img, asked):
        """(answer point, wrong-target point, empty point) in field coordinates, or None when
        the figures lie too close together to click each one for sure."""
        raise NotImplementedError

    def check_question_screen(self, window, img, step, asked):
        """Checks what the window shows for the question (hint)."""

    def play_level(self):
        session = self.session
        window = self.open_level(self.CATEGORY, self.LEVEL, self.TITLE)
        steps = []
        previous_top = None
        asked_at = self.opened_at
        for step, (sound, asked) in enumerate(self.QUESTIONS, 1):
            img = self.wait_question(window, TOP_BAR, previous_top, asked_at)
            session.mark(f"step {step} asked")
            session.save(f"{self.TITLE.split(':')[0].lower()}{self.LEVEL}-step{step}-{sound}", img)
            self.check_question_screen(window, img, step, asked)
            geometry = window.geometry()

            points = None
            for attempt in range(12):
                field = window.grab(FIELD_RECT)
                points = self.locate(field, asked)
                if points:
                    break
                # The figures overlap too much to be sure where a click lands: shuffle them.
                session.mark(f"step {step} randomize")
                window.click(*RANDOMIZE)
                time.sleep(0.3)
                window.wait_stable(FIELD_RECT)
            self.assertIsNotNone(points, f"step {step}: could not find the {sound} target")
            answer, wrong, empty = points
            top_before = window.grab(TOP_BAR)

            wrong_at = session.mark(f"step {step} wrong clicks")
            window.click(wrong[0], wrong[1] + FIELD_RECT[1])
            window.click(empty[0], empty[1] + FIELD_RECT[1])
            time.sleep(0.8)
            self.assertTrue(window.mapped(), f"step {step}: a wrong click closed the window")
            self.assertEqual(window.geometry(), geometry)
            self.assertTrue(np.array_equal(window.grab(TOP_BAR), top_before),
                            f"step {step}: a wrong click changed the question")
            self.assertEqual(session.visible_windows("Bravo"), [], "a wrong click showed the reward")

            answer_at = asked_at = session.mark(f"step {step} answer")
            window.click(answer[0], answer[1] + FIELD_RECT[1])
            steps.append(dict(sound=sound, wrong=wrong_at, answer=answer_at))
            previous_top = top_before

        self.finish_with_reward(window)
        self.check_sound(steps)
        self.assert_no_problems()

    def check_sound(self, steps):
        """Each prompt after the click that asked for it and before the first wrong click;
        silence after the wrong clicks; applause right after every answer."""
        out = self.session.output()
        clap = harness.recording("clap")
        clap_prefix = clap[: int(CLAP_PREFIX * harness.audio.OUTPUT_RATE)]
        asked_by = self.opened_at
        levels = []  # (what, LUFS)
        for step, s in enumerate(steps, 1):
            last = step == len(steps)
            prompt = harness.recording(s["sound"])
            found = out.find(prompt, 0.5, start=asked_by - 0.1, end=s["wrong"])
            heard = [f for f in found if f.score >= MIN_SCORE]
            self.expect(len(heard) == 1,
                        f"step {step}: prompt {s['sound']}.wav heard {len(heard)} times between "
                        f"{asked_by:.2f} s and {s['wrong']:.2f} s, expected once (found {found})")
            if heard:
                delay = heard[0].time - asked_by
                self.expect(-0.05 < delay < PROMPT_DELAY,
                            f"step {step}: prompt {s['sound']}.wav started {delay:.2f} s after the "
                            f"click that asked for it")
                t = heard[0].time
                levels.append((f"prompt {s['sound']}", out.loudness(t, t + len(prompt) / harness.audio.OUTPUT_RATE)))

            peak = out.peak(s["wrong"], s["answer"] - 0.03)
            self.expect(peak < SILENCE_PEAK, f"step {step}: sound (peak {peak:.3f}) after a wrong "
                                             f"click ({s['wrong']:.2f} s .. {s['answer']:.2f} s)")

            # The applause after the last answer is the reward's, heard in full.
            template = clap if last else clap_prefix
            found = out.find(template, 0.5, start=s["answer"] - 0.1, end=s["answer"] + 0.8)
            self.expect(found and found[0].score >= MIN_SCORE,
                        f"step {step}: no applause after the answer at {s['answer']:.2f} s "
                        f"(found {found})")
            if found:
                t = found[0].time
                levels.append((f"applause {step}", out.loudness(t, t + harness.audio.APPLAUSE_HEARD)))
            asked_by = s["answer"]
        check_levels(self, out, levels)


def check_levels(test, out, levels):
    """Everything heard near the recordings' loudness, and no sample at full scale."""
    for what, lufs in levels:
        tolerance = NOTE_LOUDNESS_TOLERANCE if what.startswith("piano") else LOUDNESS_TOLERANCE
        test.expect(abs(lufs - harness.audio.RECORDING_LUFS) <= tolerance,
                    f"{what}: {lufs:.1f} LUFS, expected {harness.audio.RECORDING_LUFS:.0f} +- {tolerance:.0f}")
    clipped = out.full_scale_samples()
    test.expect(clipped == 0, f"{clipped} samples at full scale")
