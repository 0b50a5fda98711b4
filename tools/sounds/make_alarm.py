#!/usr/bin/env python3
# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
"""Writes Corvane's default alarm sound: three soft bell tones falling G5, E5, C5.

Each tone is a few partials of a struck bell (the fundamental, an octave and the slightly
sharp "tierce" a bell is known by) under a quick attack and an exponential decay. The end is
padded with silence because Qt's sound effect cuts the last tenth of a second or so.

Usage: make_alarm.py OUTPUT.wav
"""
import math
import struct
import sys
import wave

RATE = 44100
TONES = [(0.00, 783.99), (0.38, 659.25), (0.76, 523.25)]  # start second, frequency
PARTIALS = [(1.0, 1.0), (2.0, 0.35), (2.4, 0.18), (3.0, 0.08)]  # frequency ratio, level
TONE_SECONDS = 0.9
SILENCE_SECONDS = 0.35
PEAK = 0.8  # of full scale: an alarm, but not a shriek


def tone_sample(t, freq):
    if t < 0 or t >= TONE_SECONDS:
        return 0.0
    attack = min(1.0, t / 0.006)
    release = min(1.0, (TONE_SECONDS - t) / 0.05)
    value = 0.0
    for ratio, level in PARTIALS:
        # Higher partials die away faster, which is what makes a bell sound soft.
        decay = math.exp(-t * (3.2 + 2.5 * ratio))
        value += level * decay * math.sin(2 * math.pi * freq * ratio * t)
    return value * attack * release


def samples():
    sound_end = TONES[-1][0] + TONE_SECONDS
    total = int((sound_end + SILENCE_SECONDS) * RATE)
    norm = sum(level for _, level in PARTIALS)
    for n in range(total):
        t = n / RATE
        value = sum(tone_sample(t - start, freq) for start, freq in TONES) / norm
        yield max(-1.0, min(1.0, value * PEAK))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__.strip().splitlines()[-1])
    frames = b"".join(struct.pack("<h", round(v * 32767)) for v in samples())
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
