#!/usr/bin/env python3
"""Checks a report's JSON contract on real output: every answer line valid against the schema.

    check-json-lines.py --schema SCHEMA [--input FILE ...] [--random CHARS MIN MAX COUNT ...]
                        -- COMMAND [ARG ...]

Feeds the lines of the --input files and COUNT random lines (MIN to MAX of CHARS, from a fixed
seed) to COMMAND's standard input, and fails (status 1, naming the input and the violated rule)
unless COMMAND answers each input with exactly one line, a JSON object valid against SCHEMA, and
exits with status 0 or 1.
"""
import argparse
import json
import random
import subprocess
import sys

import jsonschema

SHOWN = 10  # failures listed in full


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--schema", required=True)
    parser.add_argument("--input", action="append", default=[])
    parser.add_argument("--random", nargs=4, action="append", default=[])
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    inputs = []
    for path in args.input:
        with open(path, encoding="utf-8") as f:
            inputs += f.read().splitlines()
    generator = random.Random(9)
    for characters, low, high, count in args.random:
        for _ in range(int(count)):
            length = generator.randint(int(low), int(high))
            inputs.append("".join(generator.choice(characters) for _ in range(length)))

    with open(args.schema, encoding="utf-8") as f:
        schema = json.load(f)
    validator_class = jsonschema.validators.validator_for(schema)
    validator_class.check_schema(schema)
    validator = validator_class(schema)

    run = subprocess.run(command, input="".join(line + "\n" for line in inputs).encode("utf-8"),
                         stdout=subprocess.PIPE, check=False)
    answers = run.stdout.decode("utf-8").splitlines()
    failures = []
    if run.returncode not in (0, 1):
        failures.append(f"exit status {run.returncode}")
    if len(answers) != len(inputs):
        failures.append(f"{len(answers)} answer lines for {len(inputs)} inputs")
    for text, line in zip(inputs, answers):
        try:
            value = json.loads(line)
        except json.JSONDecodeError as error:
            failures.append(f"input {text!r}: not JSON ({error})")
            continue
        error = jsonschema.exceptions.best_match(validator.iter_errors(value))
        if error is not None:
            path = "/".join(str(p) for p in error.absolute_path)
            failures.append(f"input {text!r} at /{path}: {error.message[:300]}")
    for failure in failures[:SHOWN]:
        print(failure)
    print(f"{len(inputs)} inputs checked against {args.schema}: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
