#!/usr/bin/env bash
# The output guard: pexabit-cli's standard output and exit status over the fixed corpus of
# corpus.py (decimal texts, Single and Double patterns), in the readable and the --json report,
# compared with the SHA-256 sums and statuses recorded in expected.txt.
#
#   tests/guard/guard.sh path/to/pexabit-cli            # compare; status 1 on any difference
#   tests/guard/guard.sh path/to/pexabit-cli --record   # print the lines of a new expected.txt
#
# Standard error is not compared: only what the user reads and scripts rely on.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for corpus in decimal single double; do
  python3 "$here/corpus.py" "$corpus" > "$work/$corpus" || { echo "guard: corpus.py failed" >&2; exit 2; }
  case $corpus in
    decimal) format=() accepted='^[-+]?[0-9]+([.,][0-9]+)?$' ;;
    single) format=(--single-hex) accepted='^[0-9A-Fa-f]{8}$' ;;
    double) format=(--double-hex) accepted='^[0-9A-Fa-f]{16}$' ;;
  esac
  for report in text json; do
    options=("${format[@]}")
    [[ $report == json ]] && options+=(--json)
    sum=$(LC_ALL=C.UTF-8 "$cli" "${options[@]}" < "$work/$corpus" 2>/dev/null | sha256sum)
    status=${PIPESTATUS[0]}
    echo "$corpus $report ${sum%% *} $status $(wc -l < "$work/$corpus")"
  done
  # Only inputs that are surely accepted: the exit status must then say "every input converted".
  grep -aE "$accepted" "$work/$corpus" | head -n 20000 > "$work/$corpus.accepted"
  sum=$(LC_ALL=C.UTF-8 "$cli" "${format[@]}" --json < "$work/$corpus.accepted" 2>/dev/null | sha256sum)
  status=${PIPESTATUS[0]}
  echo "$corpus accepted ${sum%% *} $status $(wc -l < "$work/$corpus.accepted")"
done > "$work/actual"

if [[ ${2:-} == --record ]]; then
  cat "$work/actual"
  exit 0
fi
if ! diff <(grep -v '^#' "$here/expected.txt") "$work/actual"; then
  echo "guard: pexabit-cli's output differs from the recorded one (lines: corpus report sha256 status inputs)" >&2
  exit 1
fi
echo "guard: $(awk '$2 == "text" {n += $5} END {print n}' "$work/actual") inputs, every output as recorded"
