#!/usr/bin/env python3
"""Checks the JSON contract of a report against its JSON Schema, on real output.

Runs COMMAND with the lines of the --input files (and --random lines) on standard input, and
checks that it answers with exactly one line per input, each a JSON object valid against
--schema, and exits with status 0 or 1. Any report that writes one JSON object per input line
can use it:

    check-json-lines.py --schema docs/seed-report.schema.json --input cases.txt \
        --random 0123456789ABCDEF 8 8 2000 -- build/pexabit-cli --json --single-hex
"""
import argparse
import json
import random
import subprocess
import sys

try:
    import jsonschema
except ImportError:
    sys.exit("python3-jsonschema is missing: scripts/install-deps installs it")

MAX_SHOWN = 10  # failures listed before giving up the list


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--schema", required=True, help="the JSON Schema file")
    parser.add_argument("--input", action="append", default=[], help="a file of input lines (repeatable)")
    parser.add_argument("--random", nargs=4, action="append", default=[],
                        metavar=("CHARACTERS", "MIN", "MAX", "COUNT"),
                        help="COUNT random lines of MIN to MAX of CHARACTERS, from a fixed seed")
    parser.add_argument("command", nargs=argparse.REMAINDER, help="-- COMMAND [ARGUMENT ...]")
    args = parser.parse_args()
    if args.command[:1] == ["--"]:
        args.command = args.command[1:]
    if not args.command:
        parser.error("no COMMAND after --")
    return args


def input_lines(args):
    lines = []
    for name in args.input:
        with open(name, encoding="utf-8") as file:
            text = file.read()
        # Every line is an input (an empty one too), except the comments starting with "#".
        lines += [line for line in text.removesuffix("\n").split("\n") if not line.startswith("#")]
    generator = random.Random(1)  # the same lines on every run
    for characters, low, high, count in args.random:
        for _ in range(int(count)):
            length = generator.randint(int(low), int(high))
            lines.append("".join(generator.choice(characters) for _ in range(length)))
    return lines


def main():
    args = arguments()
    with open(args.schema, encoding="utf-8") as file:
        schema = json.load(file)
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)

    lines = input_lines(args)
    stdin = "".join(line + "\n" for line in lines)  # a last empty line is an input too
    run = subprocess.run(args.command, input=stdin.encode(), capture_output=True)
    answers = run.stdout.decode("utf-8").split("\n")
    if answers[-1] == "":
        answers.pop()
    failures = []
    if run.returncode not in (0, 1):
        failures.append(f"exit status {run.returncode}: {run.stderr.decode(errors='replace')}")
    if len(answers) != len(lines):
        failures.append(f"{len(answers)} answers to {len(lines)} inputs")
    for number, (line, answer) in enumerate(zip(lines, answers), 1):
        try:
            error = jsonschema.exceptions.best_match(validator.iter_errors(json.loads(answer)))
            problem = error and f"{'/'.join(map(str, error.absolute_path))}: {error.message[:200]}"
        except json.JSONDecodeError as error:
            problem = f"not JSON: {error}"
        if problem:
            failures.append(f"input {number} {line[:60]!r}: {problem}")
    for failure in failures[:MAX_SHOWN]:
        print(failure)
    print(f"{len(lines)} inputs, {len(failures)} failures against {args.schema}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
