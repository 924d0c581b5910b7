#!/usr/bin/env bash
# pexabit-cli against Python on the same stream: 50,000 random finite Double patterns (fixed
# seed) through `pexabit-cli --json --double-hex` on stdin, and a Python script that prints only
# str(decimal.Decimal(x)) for the same values. Prints both times (best of 3) and the ratio; the
# goal is a ratio of at least 2.
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

# Timing in Python itself: best wall time of 3 runs of each, output to /dev/null.
python3 - "$cli" "$work" "$count" <<'PY'
import subprocess, sys, time
cli, work, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
def best(command):
    times = []
    for _ in range(3):
        with open(f"{work}/patterns.txt", "rb") as stdin:
            start = time.perf_counter()
            subprocess.run(command, stdin=stdin, stdout=subprocess.DEVNULL, check=False)
            times.append(time.perf_counter() - start)
    return min(times)
cli_time = best([cli, "--json", "--double-hex"])
py_time = best([sys.executable, f"{work}/exact.py"])
print(f"patterns: {count}")
print(f"pexabit-cli --json --double-hex: {cli_time:.3f} s")
print(f"python3 Decimal: {py_time:.3f} s")
print(f"ratio (python / cli): {py_time / cli_time:.2f} (goal >= 2)")
PY
