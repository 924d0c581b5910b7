"""Prints the covered lines of each folder of src/ from an llvm-cov export, then the core
functions (every folder but cli and ui) that no input ran, demangled."""
import collections
import json
import subprocess
import sys

export_path, src = sys.argv[1], sys.argv[2]
FRONT_ENDS = ("cli", "ui")

with open(export_path) as f:
    data = json.load(f)["data"][0]

lines = collections.defaultdict(lambda: [0, 0])  # folder: [covered, count]
for entry in data["files"]:
    name = entry["filename"]
    if not name.startswith(src):
        continue
    folder = name[len(src):].split("/")[0]
    summary = entry["summary"]["lines"]
    lines[folder][0] += summary["covered"]
    lines[folder][1] += summary["count"]

print(f"{'folder':<16}{'lines':>8}{'covered':>9}{'share':>8}")
total = [0, 0]
for folder in sorted(lines):
    covered, count = lines[folder]
    total[0] += covered
    total[1] += count
    print(f"src/{folder:<12}{count:>8}{covered:>9}{100 * covered / max(count, 1):>7.1f}%")
print(f"{'all':<16}{total[1]:>8}{total[0]:>9}{100 * total[0] / max(total[1], 1):>7.1f}%")

# A function counts as reached when any of its instantiations ran.
reached = collections.defaultdict(bool)
where = {}
for function in data["functions"]:
    files = [name for name in function["filenames"] if name.startswith(src)]
    if not files or files[0][len(src):].split("/")[0] in FRONT_ENDS:
        continue
    reached[function["name"]] |= function["count"] > 0
    where[function["name"]] = files[0][len(src):]

unreached = sorted(name for name, ran in reached.items() if not ran)
names = subprocess.run(["llvm-cxxfilt-14"], input="\n".join(unreached), capture_output=True, text=True).stdout.split("\n")
print(f"\nCore functions no corpus reaches: {len(unreached)}")
for mangled, readable in sorted(zip(unreached, names), key=lambda pair: (where[pair[0]], pair[1])):
    print(f"  {where[mangled]}: {readable}")
