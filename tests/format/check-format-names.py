#!/usr/bin/env python3
"""The format names kept in files beside the code must be the format descriptors' names.

    check-format-names.py FORMAT_NAMES COMPLETION SCHEMA

FORMAT_NAMES is the program that prints each descriptor's name and aliases, a line each.
COMPLETION (the bash completion) must offer for --format every name and alias and "all", and
nothing else; the "format" enum of SCHEMA (the every-format report's JSON Schema) must hold every
name, the one a report writes, and nothing else. Exit status 1 names each file and what differs.
"""
import json
import re
import subprocess
import sys


def differences(path, what, found, expected):
    """The lines that say which names `found` (from `path`) lacks and which it has beyond `expected`."""
    lacks = [n for n in expected if n not in found]
    extra = [n for n in found if n not in expected]
    return ([f"{path}: {what} lacks {', '.join(lacks)}"] if lacks else []) + \
           ([f"{path}: {what} has {', '.join(extra)}, which no format descriptor names"] if extra else [])


def main():
    program, completion, schema = sys.argv[1:4]
    lines = subprocess.run([program], check=True, capture_output=True, text=True).stdout.splitlines()
    names = [line.split()[0] for line in lines]
    offered = re.search(r'--format\).*?-W "([^"]*)"', open(completion, encoding="utf-8").read(), re.S)
    enum = json.load(open(schema, encoding="utf-8"))["$defs"]["format"]["properties"]["format"]["enum"]
    problems = differences(completion, "the words offered after --format",
                           offered.group(1).split() if offered else [], " ".join(lines).split() + ["all"])
    problems += differences(schema, 'the enum of "format"', enum, names)
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print(f"format names: the completion and the schema name the {len(names)} formats")
    return 0


if __name__ == "__main__":
    sys.exit(main())
