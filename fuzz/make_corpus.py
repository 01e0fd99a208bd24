#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/: small valid files with a
pulse of each kind, so the fuzzer starts from inputs that get through the whole reduction."""
import math
import os
import random
import struct

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


def isf(raw, width=2, msb=True, signed=True, extra=""):
    fmt = (">" if msb else "<") + ("h" if width == 2 else "b") * len(raw)
    if not signed:
        fmt = fmt.upper()
    data = struct.pack(fmt, *raw)
    pre = (":WFMPRE:BYT_NR %d;BN_FMT %s;BYT_OR %s;ENCDG BIN;NR_PT %d;WFID \"Ch1; DC\";"
           "XUNIT \"s\";XINCR 4.0E-7;YUNIT \"V\";YMULT 7.8125E-5;YOFF -2.56E+4;YZERO 0.0E+0;%s"
           % (width, "RI" if signed else "RP", "MSB" if msb else "LSB", len(raw), extra))
    return pre.encode() + b":CURVE #%d%d" % (len(str(len(data))), len(data)) + data + b"\n"


def trc(raw, template=b"LECROY_2_3", segments=1, prefix=True, word=True):
    desc = bytearray(346)
    desc[0:8] = b"WAVEDESC"
    desc[16:16 + len(template)] = template
    struct.pack_into("<hhl", desc, 32, 1 if word else 0, 1, 346)
    data = struct.pack("<%d%s" % (len(raw), "h" if word else "b"), *raw)
    trig = b"\0" * (16 * segments if segments > 1 else 0)
    struct.pack_into("<l", desc, 48, len(trig))
    struct.pack_into("<l", desc, 60, len(data))
    struct.pack_into("<l", desc, 116, len(raw))
    struct.pack_into("<l", desc, 144, segments)
    struct.pack_into("<ff", desc, 156, 1e-4, 0.05)
    struct.pack_into("<f", desc, 176, 1e-7)
    desc[196:197] = b"V"
    body = bytes(desc) + trig + data
    return (b"#9%09d" % len(body) if prefix else b"") + body


def rows(cols, sep=",", dec="."):
    return "".join(sep.join(("%.6g" % v).replace(".", dec) if isinstance(v, float) else str(v)
                            for v in r) + "\n" for r in cols)


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
    counts = [round(v / 7.8125e-5) - 25600 for v in inc[:300]]
    write("isf_reader_fuzz", "word_msb", isf(counts))
    write("isf_reader_fuzz", "word_lsb_rp", isf([c + 32768 for c in counts], msb=False, signed=False))
    write("isf_reader_fuzz", "byte", isf([max(-128, min(127, c // 256)) for c in counts], width=1))
    write("isf_reader_fuzz", "two_records", isf(counts[:40]) + isf(counts[40:80]))
    write("isf_reader_fuzz", "ascii_short", ":WFMP:ENC ASC;YMU 1E-3;YOF 0;YZE 0;XIN 1E-6;:CURV " +
          ",".join(str(c) for c in counts[:200]) + "\n")
    raw = [round(v / 1e-4) for v in inc[:400]]
    write("trc_reader_fuzz", "lecroy_2_3", trc(raw))
    write("trc_reader_fuzz", "lecroy_1_0_bytes", trc([max(-128, min(127, r // 64)) for r in raw],
                                                     b"LECROY_1_0", prefix=False, word=False))
    write("trc_reader_fuzz", "sequence", trc(raw, segments=4))
    t = [i * 1e-7 - 2e-5 for i in range(300)]
    legacy = "".join("%s,%s,,%.9g,%.4g,\n" % (a, b, t[i], inc[i]) for i, (a, b) in enumerate(
        [("Record Length", "3.00E+02"), ("Sample Interval", "1.00E-07"), ("Trigger Point", "0"),
         ("", ""), ("Source", "CH1"), ("Vertical Units", "V"), ("Horizontal Units", "s")] +
        [("", "")] * 293))
    write("tek_csv_reader_fuzz", "legacy", legacy)
    write("tek_csv_reader_fuzz", "performance", '"Record Length",300,"Points",%.9g,%.4g\n' % (
        t[0], inc[0]) + "".join('"Sample Interval",1e-07,s,%.9g,%.4g\n' % (t[i], inc[i])
                                if i == 1 else ",,,%.9g,%.4g\n" % (t[i], inc[i])
                                for i in range(1, 300)))
    write("tek_csv_reader_fuzz", "mso", "Model,MSO54\nRecord Length,300\nSample Interval,1e-07\n"
          "Horizontal Units,s\nVertical Units,V\nTIME,CH1,CH2\n" +
          rows([(t[i], inc[i], tr[i]) for i in range(300)]))
    write("tek_csv_reader_fuzz", "bare", rows([(t[i], inc[i]) for i in range(300)]))
    write("delimited_reader_fuzz", "keysight", "x-axis,1,2\nsecond,Volt,Volt\n" +
          rows([("%+.5E" % t[i], "%+.5E" % inc[i], "%+.5E" % tr[i]) for i in range(300)]))
    write("delimited_reader_fuzz", "rigol", "X,CH1,CH2,Start,Increment,\r\n"
          "Sequence,Volt,Volt,-2.0e-05,1.0e-07\r\n" +
          rows([(i, inc[i], tr[i], "") for i in range(300)]).replace("\n", "\r\n"))
    write("delimited_reader_fuzz", "pico_decimal_comma", "Time;Channel A;Channel B\n(ms);(mV);(mV)"
          "\n\n" + rows([(t[i] * 1e3, inc[i] * 1e3, tr[i] * 1e3) for i in range(300)], ";", ","))
    write("delimited_reader_fuzz", "tabs_us", "Time (us)\tCH1 (V)\n" +
          rows([(t[i] * 1e6, inc[i]) for i in range(300)], "\t"))
    write("pipeline_fuzz", "tek_params", bytes([0, 3, 0, 0, 20]) + w +
          (tek(inc) + SPLIT + tek(tr) + SPLIT + PARAMS).encode())


if __name__ == "__main__":
    main()
