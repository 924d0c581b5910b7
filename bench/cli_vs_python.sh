#!/usr/bin/env bash
# pexabit-cli against Python on the same stream: 50,000 random finite Double patterns (fixed
# seed) through `pexabit-cli --json --double-hex`, and a Python script that prints only
# str(decimal.Decimal(x)) for the same values. Each program reads the patterns from a file and
# writes its output to a file of its own, as a user's pipeline would; nothing drains a pipe
# meanwhile. Prints both times (median of 10 runs) and the ratio; the goal is a ratio of at
# least 2.
# Usage: bench/cli_vs_python.sh [path/to/pexabit-cli] [count]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/pexabit-cli}
count=${2:-50000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$count" > "$work/patterns.txt" <<'PY'
import random, sys
r = random.Random(20240601)
n, out = int(sys.argv[1]), []
while len(out) < n:
    x = r.getrandbits(64)
    if (x >> 52) & 0x7FF != 0x7FF:  # finite patterns only
        out.append('%016X' % x)
print('\n'.join(out))
PY

cat > "$work/exact.py" <<'PY'
import struct, sys
from decimal import Decimal
write = sys.stdout.write
for line in sys.stdin:
    write(str(Decimal(struct.unpack('>d', bytes.fromhex(line.strip()))[0])) + '\n')
PY

# Timing in Python itself: the median wall time of 10 runs of each, each run reading the
# patterns file and writing its own output file.
python3 - "$cli" "$work" "$count" <<'PY'
import statistics, subprocess, sys, time
cli, work, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
def median(command, name):
    times = []
    for _ in range(10):
        with open(f"{work}/patterns.txt", "rb") as stdin, open(f"{work}/{name}.out", "wb") as stdout:
            start = time.perf_counter()
            subprocess.run(command, stdin=stdin, stdout=stdout, check=False)
            times.append(time.perf_counter() - start)
    return statistics.median(times)
cli_time = median([cli, "--json", "--double-hex"], "cli")
py_time = median([sys.executable, f"{work}/exact.py"], "python")
print(f"patterns: {count}")
print(f"pexabit-cli --json --double-hex: {cli_time:.3f} s")
print(f"python3 Decimal: {py_time:.3f} s")
print(f"ratio (python / cli): {py_time / cli_time:.2f} (goal >= 2)")
PY
