#!/usr/bin/env bash
# check-format-names.sh PEXABIT_CLI COMPLETION SCHEMA: the words the bash completion offers after
# --format ("all" too) and the enum of "format" in the every-format schema are the descriptors'
# names, which `pexabit-cli --format all --json 0` writes. A difference is shown and fails.
names=$("$1" --format all --json 0 | grep -o '"format":"[^"]*"' | cut -d'"' -f4 | sort)
offered=$(source "$2" && COMP_WORDS=(pexabit-cli --format '') COMP_CWORD=2 && _pexabit_cli && printf '%s\n' "${COMPREPLY[@]}")
enum=$(python3 -c 'import json, sys; print(*json.load(sys.stdin)["$defs"]["format"]["properties"]["format"]["enum"])' < "$3")
diff <(printf '%s\nall\n' "$names" | sort) <(sort <<< "$offered") || { echo "$2 offers other words after --format"; exit 1; }
diff <(echo "$names") <(tr ' ' '\n' <<< "$enum" | sort) || { echo "$3 names other formats than the descriptors"; exit 1; }
echo "format names: the completion and the schema name the $(wc -l <<< "$names") formats"
