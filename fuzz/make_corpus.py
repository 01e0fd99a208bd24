#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/: small valid files with a
pulse of each kind, so the fuzzer starts from inputs that get through the whole reduction."""
import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
SPLIT = "\n=====\n"
PARAMS = ("5122.000000 198646.000000 5026.548160 476.190476 476.190476 8.000000 500.000000 "
          "2.100000 1.000000 8.000000 500.000000 2.100000 1.000000 \n"
          "8.000000 4.000000 0.000000 0.000000 0.200000 3.000000 0.000000 \n"
          "210 330 420 540 300 430 \n")


def pulse(i, start, length, amplitude):
    if i < start or i >= start + length:
        return 0.0
    x = (i - start) / length
    return amplitude * math.sin(math.pi * x) ** 0.5


def channels(n, seed):
    rnd = random.Random(seed)
    inc, tr = [], []
    for i in range(n):
        noise = lambda: rnd.uniform(-0.002, 0.002)
        inc.append(0.01 + pulse(i, 220, 120, 0.5) + pulse(i, 420, 120, -0.3) + noise())
        tr.append(-0.005 + pulse(i, 300, 130, 0.2) + noise())
    return inc, tr


def tek(values, declared=None):
    head = [str(len(values) if declared is None else declared), "1.0e-7", "0", "0"]
    return "\n".join(head + ["%.4f" % v for v in values]) + "\n"


def cs(values):
    return "\n".join("%.4f" % v for v in values) + "\n"


def record(inc, tr):
    ints = [round(512 + 400 * v) for v in inc] + [round(512 + 400 * v) for v in tr]
    return "\n".join(str(v) for v in ints) + "\n"


def write(target, name, text):
    d = os.path.join(HERE, "corpus", target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(text if isinstance(text, bytes) else text.encode())


def main():
    inc, tr = channels(640, 1)
    inc2, tr2 = channels(1100, 2)
    zero2 = b"\0\0"
    write("tek_reader_fuzz", "pair", zero2 + (tek(inc) + SPLIT + tek(tr)).encode())
    write("tek_reader_fuzz", "short_data", zero2 + (tek(inc[:50], 600) + SPLIT + tek(tr)).encode())
    write("tek_reader_fuzz", "crlf_start", b"\x05\x05" + (tek(inc2) + SPLIT + tek(tr2)).replace(
        "\n", "\r\n").encode())
    write("cs20000_reader_fuzz", "pair", zero2 + (cs(inc) + SPLIT + cs(tr)).encode())
    write("cs20000_reader_fuzz", "long", b"\x01\x00" + (cs(inc2) + SPLIT + cs(tr2)).encode())
    write("record_file_fuzz", "record", record(inc, tr))
    write("record_file_fuzz", "odd", record(inc2, tr2[:-1]) + "\n" + "999\n")
    write("param_file_fuzz", "default", PARAMS)
    write("param_file_fuzz", "hex_windows", "5065 71420 201.06 4 4 0 0 0 0 0 0 0 0\r\n"
          "8 4 0 0 0.1 0 12.5\r\n0x10 010 -5 7 +3 9\r\n")
    # Pipeline: reader, model, typed windows, zero specimen speed, smoothing points + 8, six
    # two-byte bounds; then the incident, transmitted and parameter files.
    def bounds(*b):
        return bytes(x for v in b for x in ((v + 4096) >> 8 & 0x7F, (v + 4096) & 0xFF))
    w = bounds(215, 335, 420, 540, 300, 430)
    for model in range(5):
        write("pipeline_fuzz", "tek_m%d" % model,
              bytes([0, model, 0, 0, 8 + 5 * model]) + w + (tek(inc) + SPLIT + tek(tr)).encode())
    write("pipeline_fuzz", "cs_typed", bytes([1, 3, 1, 0, 11]) + w + (cs(inc) + SPLIT + cs(tr)).encode())
    write("pipeline_fuzz", "record_params", bytes([2, 0, 1, 1, 9]) + w +
          (record(inc, tr) + SPLIT + SPLIT + PARAMS).encode())
    write("pipeline_fuzz", "tek_params", bytes([0, 3, 0, 0, 20]) + w +
          (tek(inc) + SPLIT + tek(tr) + SPLIT + PARAMS).encode())


if __name__ == "__main__":
    main()
