#!/usr/bin/env python3
"""Writes the seed inputs of the session fuzz target into fuzz/corpus/session/.

Each seed is a start-up settings byte followed by calls, encoded the way
fuzz/session_fuzz.cpp reads them (one byte picks the call, the bytes after it its
arguments). Run it again after changing that encoding.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "fuzz", "corpus", "session")

BEACON_TYPES = [8, 100, 102, 105, 106, 107, 108, 109, 110, 111, 113, 114, 120, 121, 122, 123,
                124, 125, 130, 131, 132, 133, 134, 135, 140, 141, 142, 143, 144, 145, 150, 151,
                152, 153, 154, 155, 160, 161, 162, 163, 164, 165, 170, 171, 172, 173, 174, 175,
                0, -1, 101, 112, 115, 119, 126, 129, 176, 999, 1000, 1001, 1002, 1003]
# Settings bits: 1 legacy layout, 2 five-row family, 4 unit lamps, 8 three rows,
# 16 next-stop type 7, 32 no settings file.
# Cards of the card beacon call, by position.
RUN, LONG_RUN, EMPTY, JUNK, HEADER_ONLY, ONE_STOP, FOLDER, MISSING, ABSOLUTE_RUN = range(9)


def word(v):
    return struct.pack("<i", v)


def data(v):
    """An int argument given as a whole word."""
    return bytes([7]) + word(v)


def int_min():
    return bytes([0])


def int_max():
    return bytes([1])


def frame(step=16, speed=None, traction=None, inputs=0, time=None):
    """One frame: `time` is "same", "back", "max", "min" or a word; else a step in ms."""
    if time == "same":
        t = bytes([1])
    elif time == "back":
        t = bytes([2]) + word(600000)
    elif time == "max":
        t = bytes([3])
    elif time == "min":
        t = bytes([4])
    elif time is not None:
        t = bytes([5]) + word(time)
    elif step == 16:
        t = bytes([6])
    else:
        t = bytes([0, step // 4])
    return bytes([0]) + t + (speed or bytes([6])) + (traction or bytes([6])) + bytes([inputs])


NAN, INF, NEG_INF, HUGE, ZERO, TINY = (bytes([0]), bytes([1]), bytes([2]), bytes([4]), bytes([6]),
                                       bytes([7]))


def neg(v):
    return bytes([3, v])


def kmh(v):
    """A plain speed or traction: v × 0.75."""
    return bytes([8, int(v / 0.75)])


def drive(frames, speed, traction=0, step=16):
    return bytes([1, frames - 1, step - 10, speed, traction & 0xFF])


def coded(type_code, value):
    return bytes([2, BEACON_TYPES.index(type_code)]) + data(value)


def card(which):
    return bytes([3, which])


def select(index):
    return bytes([4, 0, index])


def leave_card(value=0):
    return bytes([5]) + data(value)


DOOR = bytes([6])


def handles(power, brake, reverser):
    return bytes([7]) + data(power) + data(brake) + data(reverser)


def initialize(settings, argument=0):
    return bytes([8, settings]) + word(argument)


def written_card(text):
    text = text + b" " * (-len(text) % 8)
    return bytes([9, len(text) // 8]) + text


IGNORED = bytes([10]) + word(1) + word(2) + word(3) + word(4)


def run_to_stops(stops, speed=120, drives_per_leg=2):
    """Drives of 100 frames of 250 ms, then a stand with the doors open."""
    legs = b""
    for _ in range(stops):
        legs += drive(100, speed, 60, 250) * drives_per_leg + drive(20, 0) + DOOR + drive(20, 0)
    return legs


SEEDS = {
    "card_run_five_rows": bytes([2 | 4]) + frame() + card(RUN) + drive(50, 0) + run_to_stops(4),
    "long_run_legacy_three_rows": bytes([1 | 8]) + card(LONG_RUN) + run_to_stops(6, 150, 1),
    "absolute_card_folder": bytes([0]) + card(ABSOLUTE_RUN) + run_to_stops(2),
    "beacon_run": bytes([4]) + coded(111, 1230042) + coded(121, 7) + coded(131, 123456)
    + coded(102, 12345) + coded(102, 83015) + coded(113, -250) + coded(100, 300)
    + drive(255, 60, 40) + drive(100, 0) + DOOR + drive(50, 0) + coded(100, -500)
    + drive(255, 90, 20),
    "edge_frames": bytes([2]) + card(RUN) + frame(speed=NAN, traction=INF)
    + frame(speed=INF, traction=NAN) + frame(speed=NEG_INF, traction=NEG_INF)
    + frame(speed=HUGE, time="max") + frame(time="min") + frame(time="back")
    + frame(time="same", inputs=3) + frame(speed=TINY) + frame(speed=neg(30), traction=neg(90))
    + drive(100, 40),
    "hostile_frames_and_doors": bytes([2]) + DOOR + drive(20, 0) + card(RUN) + drive(10, 0)
    + frame(time="same", speed=INF) + frame(speed=NAN) + drive(100, 90) + DOOR
    + leave_card() + DOOR + drive(10, 0) + coded(121, 7) + coded(100, 500) + drive(10, 0)
    + written_card(b"3,1234A\n7,0,A,83000,83030,1,0,0,nan,0,inf\n7,0,B,84000,0,1,0,0,1e308,0,"
                   b"--5\n") + drive(50, 80),
    "extreme_beacons": bytes([0]) + coded(105, -2147483648) + coded(120, 2147483647)
    + coded(130, -2147483648) + coded(154, 2147483647) + coded(165, -1) + coded(175, 2147483647)
    + coded(111, -2147483648) + coded(113, -2147483648) + coded(8, -2147483648) + drive(20, 50)
    + bytes([2, BEACON_TYPES.index(1000)]) + int_min()
    + bytes([2, BEACON_TYPES.index(1001)]) + int_max() + drive(20, 0),
    "broken_cards": bytes([1 | 2]) + card(EMPTY) + drive(10, 30) + card(JUNK) + drive(10, 30)
    + card(HEADER_ONLY) + drive(10, 30) + card(FOLDER) + drive(10, 30) + card(MISSING)
    + card(ONE_STOP) + drive(200, 100) + card(MISSING) + drive(10, 0),
    "restart_mid_run": bytes([4 | 16]) + card(RUN) + run_to_stops(1) + initialize(1 | 2, 7)
    + drive(30, 50) + card(LONG_RUN) + run_to_stops(1) + initialize(32) + drive(30, 0)
    + handles(-3, 99, 2) + drive(5, 0) + IGNORED,
    "standstill_card_beacons": bytes([2]) + card(RUN) + drive(20, 0) + select(5) + drive(20, 0)
    + select(11) + drive(20, 0) + select(40) + leave_card() + drive(20, 0) + card(RUN)
    + drive(255, 0, 0, 100),
    "written_card": bytes([0]) + written_card(
        b"3,\x89\xf11234M\n8,1\n5,0,0.2,0.6,0\n5,0,0.1,0.5,2\n6,0,10.1,10.4,0.6,1\n"
        b"7,30,A,83000,83030,1,/30,150,10.0,0,1.0,1,0,0,3,x,0,1,2,,A1,5\n"
        b"7,30,B,\x81\xab,pass,1,0,0,11.0,1,1.0,2\n7,30,C,83500,246060,1,0,0,12.0,0,1.0,1\n")
    + run_to_stops(3, 90),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, seed in SEEDS.items():
        with open(os.path.join(OUT, name + ".bin"), "wb") as f:
            f.write(seed)


if __name__ == "__main__":
    main()
