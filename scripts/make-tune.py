#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes resources/Internet.mid, the closing-screen tune of Fenoverra.

A short original piece in C major (12 bars, 96 beats per minute, about 31
seconds): vibraphone melody, electric-piano chords, bass and light drums.
Standard library only; the output is the same byte for byte on every run.

    python3 scripts/make-tune.py [output.mid]
"""

import os
import struct
import sys

TICKS = 480  # per quarter note
TEMPO_BPM = 96

# (chord name, melody as (MIDI note, beats)) for each 4/4 bar.
BARS = [
    ("C",  [(76, 1.5), (74, 0.5), (72, 1), (76, 1)]),
    ("Am", [(81, 1.5), (79, 0.5), (76, 2)]),
    ("F",  [(77, 1), (81, 1), (84, 1), (81, 1)]),
    ("G",  [(79, 2), (77, 1), (74, 1)]),
    ("C",  [(76, 1.5), (79, 0.5), (84, 1), (83, 1)]),
    ("Em", [(83, 1), (79, 1), (76, 2)]),
    ("F",  [(81, 1), (84, 1), (81, 1), (77, 1)]),
    ("G",  [(79, 2.5), (81, 0.5), (83, 1)]),
    ("Am", [(84, 1.5), (83, 0.5), (81, 1), (76, 1)]),
    ("F",  [(77, 1), (81, 1), (79, 1), (77, 1)]),
    ("G",  [(74, 1), (79, 1), (77, 1), (74, 1)]),
    ("C",  [(72, 4)]),
]

CHORDS = {  # voicing around middle C, bass root, bass fifth
    "C":  ([60, 64, 67], 36, 43),
    "Am": ([57, 60, 64], 33, 40),
    "F":  ([57, 60, 65], 29, 36),
    "G":  ([55, 59, 62], 31, 38),
    "Em": ([55, 59, 64], 28, 35),
}

MELODY, CHORD, BASS, DRUMS = 0, 1, 2, 9
PROGRAMS = {MELODY: 11, CHORD: 4, BASS: 32}  # vibraphone, electric piano, acoustic bass
KICK, SIDE_STICK, CLOSED_HAT, CRASH = 36, 37, 42, 49


def ticks(beats):
    return int(round(beats * TICKS))


def vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(out))


def track_chunk(events):
    """events: (absolute tick, order, bytes); note-offs sort before note-ons at the same tick."""
    data = bytearray()
    now = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += vlq(tick - now) + message
        now = tick
    data += vlq(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def note(events, channel, pitch, start, beats, velocity, gate=0.92):
    on, off = ticks(start), ticks(start + beats * gate)
    events.append((on, 1, bytes([0x90 | channel, pitch, velocity])))
    events.append((off, 0, bytes([0x80 | channel, pitch, 0])))


def conductor_track():
    tempo = 60_000_000 // TEMPO_BPM
    name = b"Fenoverra - Internet"
    return track_chunk([
        (0, 0, b"\xff\x03" + vlq(len(name)) + name),
        (0, 0, b"\xff\x58\x04\x04\x02\x18\x08"),
        (0, 0, b"\xff\x51\x03" + tempo.to_bytes(3, "big")),
    ])


def instrument_track(channel, build):
    events = []
    if channel in PROGRAMS:
        events.append((0, 0, bytes([0xC0 | channel, PROGRAMS[channel]])))
    events.append((0, 0, bytes([0xB0 | channel, 7, 100])))   # volume
    events.append((0, 0, bytes([0xB0 | channel, 91, 45])))   # reverb
    build(events)
    return track_chunk(events)


def melody(events):
    for bar, (_, notes) in enumerate(BARS):
        beat = bar * 4
        for pitch, beats in notes:
            last = bar == len(BARS) - 1
            note(events, MELODY, pitch, beat, beats + (1 if last else 0), 92 if beat % 4 == 0 else 84)
            beat += beats


def chords(events):
    for bar, (name, _) in enumerate(BARS):
        voicing = CHORDS[name][0]
        halves = [(0, 5)] if bar == len(BARS) - 1 else [(0, 2), (2, 2)]
        for offset, beats in halves:
            for pitch in voicing:
                note(events, CHORD, pitch, bar * 4 + offset, beats, 58, gate=0.85)


def bass(events):
    for bar, (name, _) in enumerate(BARS):
        _, root, fifth = CHORDS[name]
        start = bar * 4
        if bar == len(BARS) - 1:
            note(events, BASS, root, start, 5, 84)
            continue
        for offset, pitch, beats in ((0, root, 1.5), (1.5, root, 0.5), (2, fifth, 1), (3, root, 1)):
            note(events, BASS, pitch, start + offset, beats, 80, gate=0.8)


def drums(events):
    for bar in range(len(BARS)):
        start = bar * 4
        if bar == len(BARS) - 1:
            note(events, DRUMS, CRASH, start, 1, 60)
            note(events, DRUMS, KICK, start, 1, 70)
            continue
        for eighth in range(8):
            note(events, DRUMS, CLOSED_HAT, start + eighth / 2, 0.25, 52 if eighth % 2 == 0 else 38)
        if bar >= 2:
            for beat in (0, 2):
                note(events, DRUMS, KICK, start + beat, 0.5, 72)
            for beat in (1, 3):
                note(events, DRUMS, SIDE_STICK, start + beat, 0.5, 50)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "Internet.mid")
    tracks = [conductor_track(),
              instrument_track(MELODY, melody),
              instrument_track(CHORD, chords),
              instrument_track(BASS, bass),
              instrument_track(DRUMS, drums)]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS)
    with open(out, "wb") as f:
        f.write(header + b"".join(tracks))
    seconds = (len(BARS) * 4 + 1) * 60 / TEMPO_BPM
    print(f"{os.path.normpath(out)}: {len(tracks)} tracks, about {seconds:.0f} s")


if __name__ == "__main__":
    main()
