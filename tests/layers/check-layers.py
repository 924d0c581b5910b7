#!/usr/bin/env python3
"""The layers of src/: every folder may use only the folders below it.

    check-layers.py SRC_DIR

Reads every #include "..." of every source file and every target_link_libraries of every
CMakeLists.txt under SRC_DIR, and fails (status 1) on one that points up a layer or sideways
between two folders of the same layer (the two reports; the two front ends), naming the file and
line. Exit status 0 when every dependency points down.
"""
import pathlib
import re
import sys

# Folder -> layer. A folder uses only folders of a lower layer.
LAYERS = {
    "text": 0,
    "arith": 1,
    "format": 2,
    "report": 3,
    "window_report": 3,
    "cli": 4,
    "ui": 4,
}
# Generated headers (the version) belong to the front ends.
GENERATED = {"pexabit": 4}
# CMake library -> the folder that defines it.
LIBRARIES = {
    "pexabit_text": "text",
    "pexabit_arith": "arith",
    "pexabit_format": "format",
    "pexabit_report": "report",
    "pexabit_window_report": "window_report",
    "pexabit_cli_reports": "cli",
    "pexabit_cli_options": "cli",
    "pexabit_settings": "ui",
    "pexabit_window": "ui",
    "pexabit_formats_window": "ui",
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
LINK = re.compile(r"target_link_libraries\(\s*(\S+)([^)]*)\)", re.S)


def allowed(user, used):
    """Whether folder `user` may depend on folder `used` (its own folder always)."""
    if user == used:
        return True
    return LAYERS[used] < LAYERS[user]


def check_includes(src):
    problems = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp", ".in") or not path.is_file():
            continue
        user = path.relative_to(src).parts[0]
        if user not in LAYERS:
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            target = m.group(1).split("/")
            if len(target) == 1:
                problems.append(f"{path}:{number}: \"{m.group(1)}\" names no folder (write it from src/)")
                continue
            used = target[0]
            if used in GENERATED:
                if LAYERS[user] >= GENERATED[used]:
                    continue
            elif used not in LAYERS:
                problems.append(f"{path}:{number}: \"{m.group(1)}\" is in no layer of src/")
                continue
            elif allowed(user, used):
                continue
            problems.append(f"{path}:{number}: {user}/ must not include \"{m.group(1)}\" "
                            f"(layer {LAYERS[user]} may use only lower layers)")
    return problems


def check_links(src):
    problems = []
    for path in sorted(src.rglob("CMakeLists.txt")):
        text = path.read_text(encoding="utf-8")
        for m in LINK.finditer(text):
            target = m.group(1)
            if target not in LIBRARIES:
                continue
            user = LIBRARIES[target]
            number = text.count("\n", 0, m.start()) + 1
            for word in m.group(2).split():
                if word in LIBRARIES and not allowed(user, LIBRARIES[word]):
                    problems.append(f"{path}:{number}: {target} ({user}/) must not link {word} "
                                    f"({LIBRARIES[word]}/)")
    return problems


def main():
    src = pathlib.Path(sys.argv[1])
    missing = [folder for folder in LAYERS if not (src / folder).is_dir()]
    problems = [f"{src}/{folder}: a layer's folder is missing" for folder in missing]
    problems += check_includes(src) + check_links(src)
    for problem in problems:
        print(problem)
    if problems:
        print(f"layers: {len(problems)} dependencies point up or sideways", file=sys.stderr)
        return 1
    print("layers: every include and every link points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
