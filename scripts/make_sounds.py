#!/usr/bin/env python3
"""Writes the program's five sounds into assets/Data/Sound (16-bit mono PCM).

Each sound is a few short sine notes with a soft attack and decay, so that it is heard
clearly but never overlaps the next click for long."""
import math
import struct
import wave
from pathlib import Path

RATE = 22050


def notes(parts):
    """parts: list of (frequency Hz, seconds, volume 0..1)."""
    samples = []
    for freq, seconds, volume in parts:
        count = int(RATE * seconds)
        for n in range(count):
            t = n / RATE
            envelope = min(1.0, n / (RATE * 0.004)) * math.exp(-4.0 * n / count)
            value = math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(4 * math.pi * freq * t)
            samples.append(volume * envelope * value / 1.3)
    return samples


SOUNDS = {
    "Count.wav": [(1046.5, 0.07, 0.6)],
    "BGM1.wav": [(659.3, 0.08, 0.5), (987.8, 0.12, 0.5)],
    "Expect.wav": [(523.3, 0.07, 0.5), (659.3, 0.07, 0.5), (784.0, 0.07, 0.5), (1046.5, 0.12, 0.5)],
    "Expect_END.wav": [(784.0, 0.1, 0.5), (1046.5, 0.1, 0.5), (1568.0, 0.25, 0.5)],
    "Menu.wav": [(1318.5, 0.05, 0.45)],
}


def main():
    folder = Path(__file__).resolve().parent.parent / "assets" / "Data" / "Sound"
    folder.mkdir(parents=True, exist_ok=True)
    for name, parts in SOUNDS.items():
        with wave.open(str(folder / name), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(b"".join(struct.pack("<h", int(s * 32000)) for s in notes(parts)))


if __name__ == "__main__":
    main()
