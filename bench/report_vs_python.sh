#!/usr/bin/env bash
# The every-format report against a programmer's Python for the same answers: 100,000 random
# decimal texts (up to 17 significant digits, decimal exponents from -320 to 300, half of them
# negative; fixed seed) through `pexabit-cli --format double --json`, and a Python script that
# prints, for each text, repr, float.hex, math.ulp, both math.nextafter neighbours, Decimal(x)
# and the exact error Decimal(text) - Decimal(x). Each program reads the texts from a file and
# writes a file of its own; the runs alternate (cli, python, cli, ...) and each side's median
# wall time is printed with the ratio.
# Usage: bench/report_vs_python.sh [path/to/pexabit-cli] [count] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/pexabit-cli}
count=${2:-100000}
runs=${3:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 bench/random_texts.py "$count" > "$work/texts.txt"

cat > "$work/answers.py" <<'PY'
import math, sys
from decimal import Decimal, Context
# Enough digits for any double's exact value (767 significant) against a 17-digit text, so
# the subtraction is exact.
exact = Context(prec=1200, Emin=-999999, Emax=999999)
write = sys.stdout.write
for line in sys.stdin:
    text = line.strip()
    x = float(text)
    d = Decimal(x)
    write(f"{x!r} {x.hex()} {math.ulp(x)!r} {math.nextafter(x, -math.inf)!r} "
          f"{math.nextafter(x, math.inf)!r} {d} {exact.subtract(Decimal(text), d)}\n")
PY

python3 - "$cli" "$work" "$count" "$runs" <<'PY'
import statistics, subprocess, sys, time
cli, work, count, runs = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
commands = {"cli": [cli, "--format", "double", "--json"],
            "python": [sys.executable, f"{work}/answers.py"]}
times = {name: [] for name in commands}
for _ in range(runs):
    for name, command in commands.items():
        with open(f"{work}/texts.txt", "rb") as stdin, open(f"{work}/{name}.out", "wb") as stdout:
            start = time.perf_counter()
            subprocess.run(command, stdin=stdin, stdout=stdout, check=True)
            times[name].append(time.perf_counter() - start)
cli_time, py_time = statistics.median(times["cli"]), statistics.median(times["python"])
print(f"texts: {count}, runs: {runs}")
print(f"pexabit-cli --format double --json: {cli_time:.3f} s")
print(f"python3 (repr, hex, ulp, nextafter, Decimal, exact error): {py_time:.3f} s")
print(f"ratio (python / cli): {py_time / cli_time:.2f}")
PY
