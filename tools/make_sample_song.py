#!/usr/bin/env python3
"""Writes the sample song of yinyuegeci/ with its LRC lyrics and KSC karaoke script.

The melody, the words and every timing come from the one score below, so the three files agree.
The song is synthesised (melody, soft chord pad, bass, a bell arpeggio) as a WAV file and then
encoded once with the ffmpeg command line:

    python3 tools/make_sample_song.py data/yinyuegeci
"""

import array
import math
import os
import subprocess
import sys
import wave

RATE = 44100
BEAT = 0.625            # 96 beats per minute
BAR = 4 * BEAT
INTRO_BARS = 2
TITLE = "甜蜜蜜"

# One lyric line per two bars: (groups, [(midi note, beats)] one note per group, two chords).
# A group in brackets is sung on one note.
LINES = [
    (["晚", "风", "轻", "轻", "吹", "过", "河", "岸"],
     [(64, 1), (67, .5), (69, .5), (67, 1), (64, 1), (62, 1), (64, 1), (60, 2)], ("C", "Am")),
    (["星", "星", "一", "颗", "一", "颗", "点", "亮"],
     [(67, 1), (69, .5), (72, .5), (69, 1), (67, 1), (64, 1), (67, 1), (62, 2)], ("F", "G")),
    (["我", "们", "坐", "在", "小", "船", "上"],
     [(64, 1), (67, 1), (69, 1), (72, 1), (69, 1), (67, 1), (64, 2)], ("C", "Am")),
    (["听", "水", "声", "慢", "慢", "地", "唱"],
     [(62, 1), (64, 1), (67, 1), (69, 1), (67, 1), (64, 1), (62, 2)], ("F", "G")),
    (["心", "里", "装", "满", "了", "蜂", "糖"],
     [(72, 1), (69, 1), (67, 1), (64, 1), (67, 1), (69, 1), (72, 2)], ("Am", "F")),
    (["一", "路", "甜", "到", "[天亮]"],
     [(67, 1), (64, 1), (62, 1), (64, 1), (60, 4)], ("G", "C")),
]
INTRO_CHORDS = ("C", "G")
OUTRO_CHORDS = ("C",)
CHORDS = {"C": (48, 52, 55), "Am": (45, 48, 52), "F": (41, 45, 48), "G": (43, 47, 50)}


def frequency(note):
    return 440.0 * 2 ** ((note - 69) / 12)


class Track:
    def __init__(self, seconds):
        self.left = array.array("d", bytes(8 * int(seconds * RATE)))
        self.right = array.array("d", bytes(8 * int(seconds * RATE)))

    def add(self, start, length, pan, sample):
        """Adds sample(t) for t in [0, length) seconds at `start`, panned -1 (left) … 1 (right)."""
        first = int(start * RATE)
        count = min(int(length * RATE), len(self.left) - first)
        gain_left = math.cos((pan + 1) * math.pi / 4)
        gain_right = math.sin((pan + 1) * math.pi / 4)
        for i in range(count):
            value = sample(i / RATE)
            self.left[first + i] += value * gain_left
            self.right[first + i] += value * gain_right


def melody_voice(note, length):
    f = frequency(note)
    def sample(t):
        attack = min(1.0, t / 0.025)
        release = min(1.0, max(0.0, (length - t) / 0.12))
        body = 0.75 + 0.25 * math.exp(-t * 3)
        vibrato = 1 + 0.004 * math.sin(2 * math.pi * 5.2 * t) * min(1.0, t / 0.4)
        phase = 2 * math.pi * f * t * vibrato
        tone = math.sin(phase) + 0.45 * math.sin(2 * phase) + 0.18 * math.sin(3 * phase) + 0.06 * math.sin(4 * phase)
        return 0.16 * attack * release * body * tone
    return sample


def pad_voice(note, length):
    f = frequency(note + 12)
    def sample(t):
        envelope = min(1.0, t / 0.35) * min(1.0, max(0.0, (length - t) / 0.4))
        phase = 2 * math.pi * f * t
        return 0.035 * envelope * (math.sin(phase) + 0.3 * math.sin(2 * phase + 0.5 * math.sin(0.7 * t)))
    return sample


def bass_voice(note, length):
    f = frequency(note - 12)
    def sample(t):
        envelope = min(1.0, t / 0.01) * math.exp(-t * 2.2) * min(1.0, max(0.0, (length - t) / 0.05))
        phase = 2 * math.pi * f * t
        return 0.20 * envelope * (math.sin(phase) + 0.25 * math.sin(2 * phase))
    return sample


def bell_voice(note, length):
    f = frequency(note + 24)
    def sample(t):
        envelope = min(1.0, t / 0.004) * math.exp(-t * 6) * min(1.0, max(0.0, (length - t) / 0.05))
        return 0.045 * envelope * (math.sin(2 * math.pi * f * t) + 0.2 * math.sin(2 * math.pi * 2.76 * f * t))
    return sample


def add_bar(track, start, chord):
    notes = CHORDS[chord]
    for note in notes:
        track.add(start, BAR, -0.35, pad_voice(note, BAR))
    track.add(start, 2 * BEAT, 0.0, bass_voice(notes[0], 2 * BEAT))
    track.add(start + 2 * BEAT, 2 * BEAT, 0.0, bass_voice(notes[0] + 7 if notes[0] + 7 <= 52 else notes[0] - 5, 2 * BEAT))
    pattern = [notes[0], notes[1], notes[2], notes[1], notes[0] + 12, notes[2], notes[1], notes[2]]
    for i, note in enumerate(pattern):
        track.add(start + i * BEAT / 2, BEAT / 2 + 0.4, 0.4, bell_voice(note, BEAT / 2 + 0.4))


def timestamp(seconds, decimals):
    minutes = int(seconds // 60)
    rest = seconds - 60 * minutes
    return f"{minutes:02d}:{rest:0{3 + decimals}.{decimals}f}"


def main(folder):
    bars = INTRO_BARS + 2 * len(LINES) + len(OUTRO_CHORDS)
    seconds = bars * BAR + 1.0
    track = Track(seconds)

    chords = list(INTRO_CHORDS) + [c for _, _, pair in LINES for c in pair] + list(OUTRO_CHORDS)
    for bar, chord in enumerate(chords):
        add_bar(track, bar * BAR, chord)

    lrc = [f"[ti:{TITLE}]", "[ar:相册工坊]", "[al:相册工坊示例]", "[by:相册工坊]"]
    ksc = ["karaoke := CreateKaraokeObject;", "karaoke.rows := 2;", "karaoke.clear;",
           f"karaoke.songname := '{TITLE}';", ""]
    for index, (groups, notes, _) in enumerate(LINES):
        line_start = (INTRO_BARS + 2 * index) * BAR
        at = line_start
        timings = []
        for note, beats in notes:
            length = beats * BEAT
            track.add(at, length, 0.0, melody_voice(note, length * 0.96))
            timings.append(round((at + length) * 1000) - round(at * 1000))
            at += length
        text = "".join(groups)
        lrc.append(f"[{timestamp(line_start, 2)}]{text.replace('[', '').replace(']', '')}")
        ksc.append(f"karaoke.add('{timestamp(line_start, 3)}', '{timestamp(at, 3)}', '{text}', "
                   f"'{','.join(str(t) for t in timings)}');")

    # A gentle fade over the last bar and a limiter against clipping.
    fade_start = int((bars - 1) * BAR * RATE)
    peak = max(max(abs(v) for v in track.left), max(abs(v) for v in track.right))
    scale = 0.89 / peak
    frames = bytearray()
    for i in range(len(track.left)):
        fade = 1.0 if i < fade_start else max(0.0, 1 - (i - fade_start) / (len(track.left) - fade_start))
        for channel in (track.left, track.right):
            frames += int(channel[i] * scale * fade * 32767).to_bytes(2, "little", signed=True)

    os.makedirs(folder, exist_ok=True)
    wav_path = os.path.join(folder, "sample.wav")
    with wave.open(wav_path, "wb") as out:
        out.setnchannels(2)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))
    subprocess.run(["ffmpeg", "-v", "error", "-y", "-i", wav_path, "-codec:a", "libmp3lame", "-b:a", "64k",
                    "-metadata", f"title={TITLE}", os.path.join(folder, f"{TITLE}.mp3")], check=True)
    os.remove(wav_path)
    with open(os.path.join(folder, f"{TITLE}.lrc"), "w", encoding="utf-8", newline="\r\n") as out:
        out.write("\n".join(lrc) + "\n")
    with open(os.path.join(folder, f"{TITLE}.ksc"), "w", encoding="utf-8", newline="\r\n") as out:
        out.write("\n".join(ksc) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/yinyuegeci")
