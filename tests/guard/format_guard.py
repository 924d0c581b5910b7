#!/usr/bin/env python3
"""The every-format report's output guard: pexabit-cli --format over the fixed corpora of
format_corpus.py, in blocks of 1,000 inputs, each block one run of pexabit-cli with the block
on standard input (LC_ALL=C.UTF-8). The SHA-256 of each run's standard output and its exit
status must be those recorded in format-expected.txt.

    format_guard.py path/to/pexabit-cli                # compare; status 1 on any difference
    format_guard.py path/to/pexabit-cli --record       # print the lines of a new format-expected.txt
    format_guard.py path/to/pexabit-cli --show BLOCK   # print BLOCK's inputs, one per line

A block is named CORPUS/LIST/HOW/REPORT/NUMBER: typed/all/up/json/003 holds inputs 2001 to 3000
of the corpus "typed", run with --format all --round up --json; patterns-half/half/
pattern-bytes-le/text/012 inputs 11001 to 12000 of "patterns-half" as written for the reversed
byte order, run with --format half --pattern --bytes-le. After a deliberate change of the
report, the blocks named as differing are the ones to look at, and their inputs are at hand:

    tests/guard/format_guard.py build/pexabit-cli --show typed/all/up/json/003 |
        build/pexabit-cli --format all --round up --json

Every corpus of typed texts runs in each rounding mode, every corpus of patterns in both byte
orders, each in the readable report and in --json. Standard error is not compared: only what
the user reads and scripts rely on. PEXABIT_GUARD_JOBS (default 2) runs that many blocks at once.

The blocks are run from here rather than from a shell script: one shell, sha256sum and wc for
each of some thousand blocks cost more time than pexabit-cli itself.
"""
import hashlib
import os
import signal
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import format_corpus  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
EXPECTED = os.path.join(HERE, "format-expected.txt")
BLOCK_SIZE = 1000
MODES = ["nearest-even", "nearest-away", "toward-zero", "up", "down"]
FORMATS = ["half", "bfloat16", "single", "double", "extended", "quad", "e5m2", "e4m3"]
# Payloads of every width, each format of a list that cannot hold one saying so while the others
# answer: for all (e4m3 holds none), for a list without e4m3 (widest first, so that the first
# format to refuse is the narrowest that does), and for the two wide formats alone (refused
# whole only when neither holds it).
PAYLOAD_LISTS = ["all", "quad,extended,double,single,bfloat16,half,e5m2", "extended,quad"]


def usage_error(message):
    sys.stderr.write(message + "\n")
    sys.exit(2)


def plan():
    """The option sets: (corpus, format list, rounding mode or pattern[-bytes-le], report)."""
    sets = []
    for report in ("text", "json"):
        for mode in MODES:
            sets.append(("typed", "all", mode, report))
            sets += [("payloads", formats, mode, report) for formats in PAYLOAD_LISTS]
            for f in FORMATS:
                sets += [("near-" + f, f, mode, report), ("edge-" + f, f, mode, report)]
        for f in FORMATS:
            sets += [("patterns-" + f, f, "pattern", report), ("patterns-" + f, f, "pattern-bytes-le", report)]
    return sets


def options(formats, how, report):
    out = ["--format", formats]
    if how == "pattern":
        out.append("--pattern")
    elif how == "pattern-bytes-le":
        out += ["--pattern", "--bytes-le"]
    else:
        out += ["--round", how]
    return out + (["--json"] if report == "json" else [])


def corpus_lines(name, how):
    """The corpus as bytes, one input per line, as written for that run."""
    lines = format_corpus.corpus(name, how == "pattern-bytes-le")
    return [line if isinstance(line, bytes) else line.encode("utf-8") for line in lines]


def run_block(cli, name, opts, lines):
    process = subprocess.run([cli] + opts, input=b"".join(line + b"\n" for line in lines), stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, env=dict(os.environ, LC_ALL="C.UTF-8"))
    status = process.returncode if process.returncode >= 0 else 128 - process.returncode  # as a shell says it
    return "%s %s %d %d" % (name, hashlib.sha256(process.stdout).hexdigest(), status, len(lines))


def run_all(cli, jobs):
    """Every block's line, in the order of the plan. Each corpus is written once, while the
    blocks of those before it run."""
    corpora = {}
    futures = []
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        for corpus, formats, how, report in plan():
            key = (corpus, how == "pattern-bytes-le")
            if key not in corpora:
                corpora[key] = corpus_lines(corpus, how)
            lines = corpora[key]
            for start in range(0, len(lines), BLOCK_SIZE):
                name = "%s/%s/%s/%s/%03d" % (corpus, formats, how, report, start // BLOCK_SIZE + 1)
                futures.append(pool.submit(run_block, cli, name, options(formats, how, report),
                                           lines[start:start + BLOCK_SIZE]))
        return [future.result() for future in futures]


def show(block):
    fields = block.split("/")
    sets = plan()
    if len(fields) != 5 or tuple(fields[:4]) not in sets or not fields[4].isdigit() or int(fields[4]) < 1:
        usage_error("format_guard: no block %s (names: CORPUS/LIST/HOW/REPORT/NUMBER, as in format-expected.txt)"
                    % block)
    corpus, formats, how, report, number = fields
    first = (int(number) - 1) * BLOCK_SIZE
    lines = corpus_lines(corpus, how)[first:first + BLOCK_SIZE]
    if not lines:
        usage_error("format_guard: %s has %d inputs, no block %s" % (corpus, len(corpus_lines(corpus, how)), number))
    sys.stderr.write("format_guard: inputs %d to %d of %s%s, run as: pexabit-cli %s\n" % (
        first + 1, first + len(lines), corpus, " (bytes reversed)" if how == "pattern-bytes-le" else "",
        " ".join(options(formats, how, report))))
    sys.stdout.buffer.write(b"".join(line + b"\n" for line in lines))


def main():
    args = sys.argv[1:]
    if not (len(args) == 1 or (len(args) == 2 and args[1] == "--record") or (len(args) == 3 and args[1] == "--show")):
        usage_error("usage: format_guard.py PEXABIT-CLI [--record | --show BLOCK]")
    if len(args) == 3:
        signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # piped into head: no complaint
        show(args[2])
        return
    cli = args[0]
    if os.sep not in cli:
        cli = os.path.join(".", cli)
    if not os.access(cli, os.X_OK):
        usage_error("format_guard: %s is not a program that can be run" % cli)
    actual = run_all(cli, int(os.environ.get("PEXABIT_GUARD_JOBS", "2")))
    if args[1:] == ["--record"]:
        print("\n".join(actual))
        return
    with open(EXPECTED, encoding="utf-8") as f:
        expected = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    if expected == actual:
        print("format_guard: %d inputs in %d blocks, every output as recorded" % (
            sum(int(line.split()[3]) for line in actual), len(actual)))
        return
    # Each block that moved, is new or is gone, by name: status and inputs as recorded and as now.
    recorded = {line.split()[0]: line.split() for line in expected}
    now = {line.split()[0]: line.split() for line in actual}
    for name, fields in now.items():
        if name not in recorded:
            print("new block: %s (status %s, %s inputs)" % (name, fields[2], fields[3]), file=sys.stderr)
        elif recorded[name] != fields:
            print("differs: %s (status %s -> %s, inputs %s -> %s)" % (
                name, recorded[name][2], fields[2], recorded[name][3], fields[3]), file=sys.stderr)
    for name in recorded:
        if name not in now:
            print("missing block: %s" % name, file=sys.stderr)
    print("format_guard: pexabit-cli --format's output differs from the recorded one in the blocks above; "
          "see a block's inputs with: %s %s --show BLOCK" % (sys.argv[0], args[0]), file=sys.stderr)
    sys.exit(1)


if __name__ == "__main__":
    main()
