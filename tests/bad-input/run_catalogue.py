#!/usr/bin/python3
"""Runs every row of catalogue.tsv through velk-reduce and checks what the program promises for
bad input: no crash, no hang, no sanitizer report; exit 1 with a message in the program's own
words for data that cannot be reduced (or the documented outcome); no existing output file
destroyed by a failed run; no input file ever changed.

  run_catalogue.py VELK_REDUCE [ROW_NAME...]

Columns of catalogue.tsv (tab-separated, '#' starts a comment line):
  name     the row's name
  args     velk-reduce arguments; {f} is tests/bad-input/files, {s} the bundled samples, {g} the
           inputs this script generates (too large to keep in the repository), {o} the row's own
           output folder, which holds out.DT2, out.DT3, out.DT4, out.PAT and out.png from an
           earlier run before every run
  exit     expected exit status (0 done, 1 could not be reduced, 2 usage)
  expect   text that must appear in the messages (exit 1 and 2) or in the output (exit 0); '-'
           for none
  needs    options velk-reduce must offer for the row to run ('-' for none); rows whose options
           have not been built yet are reported as skipped
  note     what the row shows
"""
import hashlib
import os
import shlex
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
FILES = os.path.join(HERE, "files")
SAMPLES = os.path.join(os.path.dirname(os.path.dirname(HERE)), "samples")
OUTPUTS = ["out.DT2", "out.DT3", "out.DT4", "out.PAT", "out.png"]
# Sanitizer builds run many times slower; a hang is a run that never ends.
TIMEOUT = float(os.environ.get("VELK_CATALOGUE_TIMEOUT", "120"))
CRASH_SIGNS = ["AddressSanitizer", "runtime error:", "LeakSanitizer", "terminate called",
               "what():", "Segmentation fault", "core dumped"]


def digest_tree(root):
    out = {}
    for folder, _, names in os.walk(root):
        for n in names:
            p = os.path.join(folder, n)
            with open(p, "rb") as f:
                out[p] = hashlib.sha256(f.read()).hexdigest()
    return out


def generate(folder):
    """Inputs too large to keep: a 4 MB single line, a 1 MB number, a 2-million-sample claim."""
    def pulse_values(n):
        import math
        v = []
        for i in range(n):
            x = 0.01
            if 220 <= i < 340:
                x += 0.5 * math.sqrt(math.sin(math.pi * (i - 220) / 120))
            if 420 <= i < 540:
                x -= 0.3 * math.sqrt(math.sin(math.pi * (i - 420) / 120))
            v.append(x)
        return v
    with open(os.path.join(folder, "long_line.txt"), "w") as f:
        f.write("600 1e-07 0 0 " + " ".join("%.5f" % x for x in pulse_values(600)))
        f.write(" " + "0.1 " * 1_000_000 + "\n")
    with open(os.path.join(folder, "huge_number.txt"), "w") as f:
        f.write("600\n1e-07\n0\n0\n0." + "1" * 1_000_000 + "\n" + "0.01\n" * 599)
    with open(os.path.join(folder, "long_record_line.DAT"), "w") as f:
        f.write("5" * 2_000_000 + "\n" + "512\n" * 999)


def options_offered(binary):
    r = subprocess.run([binary, "--help"], capture_output=True, text=True, timeout=TIMEOUT)
    return r.stdout + r.stderr


def load_rows():
    rows = []
    with open(os.path.join(HERE, "catalogue.tsv"), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            cols = line.split("\t")
            if len(cols) != 6:
                sys.exit("catalogue.tsv line %d: %d columns, 6 wanted" % (number, len(cols)))
            name, args, code, expect, needs, note = cols
            rows.append(dict(name=name, args=args, exit=int(code), expect=expect,
                             needs=[] if needs == "-" else needs.split(","), note=note))
    return rows


def run_row(binary, row, gen, work):
    out = os.path.join(work, row["name"])
    os.makedirs(out)
    for n in OUTPUTS:
        with open(os.path.join(out, n), "wb") as f:
            f.write(("earlier " + n + " that a failed run must keep\n").encode())
    before = {n: open(os.path.join(out, n), "rb").read() for n in OUTPUTS}
    args = [a.format(f=FILES, s=SAMPLES, g=gen, o=out) for a in shlex.split(row["args"])]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    try:
        r = subprocess.run([binary] + args, capture_output=True, timeout=TIMEOUT, env=env)
    except subprocess.TimeoutExpired:
        return ["hung (no end after %g s)" % TIMEOUT], ""
    stdout = r.stdout.decode("utf-8", "replace")
    stderr = r.stderr.decode("utf-8", "replace")
    problems = []
    if r.returncode < 0:
        problems.append("killed by signal %d" % -r.returncode)
    for sign in CRASH_SIGNS:
        if sign in stderr:
            problems.append("crash or sanitizer report: %r" % sign)
    if r.returncode != row["exit"]:
        problems.append("exit %d, expected %d" % (r.returncode, row["exit"]))
    if row["expect"] != "-":
        where = stdout if row["exit"] == 0 else stderr
        if row["expect"] not in where:
            problems.append("%r not in the %s" % (row["expect"], "output" if row["exit"] == 0
                                                  else "messages"))
    if r.returncode == 1 and not any(l.startswith("velk-reduce: ") for l in stderr.splitlines()):
        problems.append("failed without a message")
    if r.returncode != 0:
        for n in OUTPUTS:
            p = os.path.join(out, n)
            if not os.path.exists(p) or open(p, "rb").read() != before[n]:
                problems.append("failed run destroyed the earlier " + n)
    leftovers = [n for n in os.listdir(out) if n not in OUTPUTS and ".velk-" in n]
    if leftovers:
        problems.append("temporary files left behind: %s" % leftovers)
    message = (stderr.strip().splitlines() or [""])[-1] if r.returncode else "exit 0"
    return problems, message


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    binary = sys.argv[1]
    wanted = set(sys.argv[2:])
    offered = options_offered(binary)
    rows = [r for r in load_rows() if not wanted or r["name"] in wanted]
    inputs_before = digest_tree(FILES)
    samples_before = digest_tree(SAMPLES)
    failed = skipped = 0
    with tempfile.TemporaryDirectory() as work:
        gen = os.path.join(work, "_generated")
        os.makedirs(gen)
        generate(gen)
        for row in rows:
            missing = [o for o in row["needs"] if o not in offered]
            if missing:
                skipped += 1
                print("SKIP %-28s (velk-reduce has no %s yet)" % (row["name"], " ".join(missing)))
                continue
            problems, message = run_row(binary, row, gen, work)
            if problems:
                failed += 1
                print("FAIL %-28s %s" % (row["name"], "; ".join(problems)))
            else:
                print("ok   %-28s %s" % (row["name"], message))
    if digest_tree(FILES) != inputs_before or digest_tree(SAMPLES) != samples_before:
        failed += 1
        print("FAIL an input file was changed by a run")
    print("%d rows: %d passed, %d failed, %d skipped" % (len(rows), len(rows) - failed - skipped,
                                                        failed, skipped))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
