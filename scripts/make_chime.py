#!/usr/bin/env python3
"""Writes the alarm chime: a soft bell arpeggio of a few seconds that fades
to silence at its end, so that it loops without a click. 16-bit PCM, mono.

    make_chime.py OUTPUT.wav
"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH = 3.0  # seconds, one loop

# (start in seconds, frequency in Hz): C5 E5 G5 C6, then the chord again softer.
NOTES = [(0.00, 523.25), (0.25, 659.25), (0.50, 783.99), (0.75, 1046.50),
         (1.50, 523.25), (1.50, 783.99), (1.50, 1046.50)]
# Bell partials: (frequency ratio, amplitude, decay per second).
PARTIALS = [(1.0, 1.0, 2.2), (2.0, 0.45, 3.5), (3.01, 0.22, 5.0), (4.2, 0.10, 7.0)]


def sample(t):
    value = 0.0
    for start, freq in NOTES:
        dt = t - start
        if dt < 0:
            continue
        attack = min(1.0, dt / 0.005)  # 5 ms, no click at the onset
        for ratio, amp, decay in PARTIALS:
            value += attack * amp * math.exp(-decay * dt) * math.sin(2 * math.pi * freq * ratio * dt)
    # Fade the last half second to silence so the loop joins smoothly.
    fade = min(1.0, (LENGTH - t) / 0.5)
    return value * fade


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    count = int(RATE * LENGTH)
    samples = [sample(i / RATE) for i in range(count)]
    peak = max(abs(s) for s in samples) or 1.0
    scale = 0.6 * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(s * scale))) for s in samples)
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
