#!/usr/bin/env bash
# The every-format report of a few keys against the full report: 100,000 random decimal texts (up
# to 17 significant digits, decimal exponents from -320 to 300, half of them negative; the fixed
# seed of bench/random_texts.py) through `pexabit-cli --format double --json`, once with every key
# and once with `--keys pattern`, which computes no exact expansion, text form, neighbour or
# error. Each run reads the texts from a file and writes a file of its own; the runs alternate
# (full, keys, full, ...) and each side's median wall and CPU time is printed with the ratios; the
# goal is a ratio of at least 10.
# Usage: bench/keys_vs_full.sh [path/to/pexabit-cli] [count] [runs] [keys]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/pexabit-cli}
count=${2:-100000}
runs=${3:-10}
keys=${4:-pattern}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 bench/random_texts.py "$count" > "$work/texts.txt"

python3 - "$cli" "$work" "$count" "$runs" "$keys" <<'PY'
import os, statistics, subprocess, sys, time
cli, work, count, runs, keys = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]
commands = {"full": [cli, "--format", "double", "--json"],
            "keys": [cli, "--format", "double", "--json", "--keys", keys]}
wall = {name: [] for name in commands}
cpu = {name: [] for name in commands}  # user + system: what a busy machine's waiting leaves out
for _ in range(runs):
    for name, command in commands.items():
        with open(f"{work}/texts.txt", "rb") as stdin, open(f"{work}/{name}.out", "wb") as stdout:
            start = time.perf_counter()
            child = subprocess.Popen(command, stdin=stdin, stdout=stdout)
            _, status, usage = os.wait4(child.pid, 0)
            wall[name].append(time.perf_counter() - start)
            cpu[name].append(usage.ru_utime + usage.ru_stime)
            if status != 0:
                sys.exit(f"{' '.join(command)} failed: status {status}")
full, chosen = statistics.median(wall["full"]), statistics.median(wall["keys"])
full_cpu, chosen_cpu = statistics.median(cpu["full"]), statistics.median(cpu["keys"])
print(f"texts: {count}, runs: {runs}, load: {os.getloadavg()[0]:.2f}")
print(f"pexabit-cli --format double --json: {full:.3f} s (CPU {full_cpu:.3f} s)")
print(f"pexabit-cli --format double --json --keys {keys}: {chosen:.3f} s (CPU {chosen_cpu:.3f} s)")
print(f"ratio (full / keys): {full / chosen:.1f}, CPU {full_cpu / chosen_cpu:.1f} (goal >= 10)")
PY
