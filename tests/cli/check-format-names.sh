#!/usr/bin/env bash
# check-format-names.sh PEXABIT_CLI COMPLETION SCHEMA DOC: the names of formats and rounding
# modes outside the program are the program's own.
# - The formats' names are those `pexabit-cli --format all --json 0` writes; their other names
#   are the lines of --help under --format, each of which --format takes as the format the line
#   names.
# - The bash completion offers exactly those names, the other names and "all" after "--format ",
#   after "--format=" and after "--format=half,"; the same but "all" after "--from "; exactly the
#   modes after "--round "; and exactly the keys an unknown key's message lists after "--keys " and
#   after "--keys=pattern,".
# - The schema's enums of "format" and "round" are the names and the modes; the table of formats
#   in DOC (format-report.md) gives each format the other names of --help.
# A difference is shown and fails.
cli=$1 completion=$2 schema=$3 doc=$4
fail() { echo "$*"; exit 1; }
lines() { tr ' ,' '\n\n' | grep . | sort; }
names=$("$cli" --format all --json 0 | grep -o '"format":"[^"]*"' | cut -d'"' -f4 | sort)
# "                      half      binary16, fp16, f16, float16": a name, its other names.
aliases=$("$cli" --help | grep -E '^ {22}[^ ]+ {2,}[^ ]')
[[ -n $aliases && -z $(comm -23 <(awk '{print $1}' <<< "$aliases" | sort) <(echo "$names")) ]] ||
    fail "--help lists no other names, or gives them to no format of the descriptors: $aliases"
others_in_order=$(awk '{$1 = ""; print}' <<< "$aliases" | tr ' ,' '\n\n' | grep .)
others=$(sort <<< "$others_in_order")
read_back() {  # the formats --format writes for the other names, one per name, as --help pairs them
    "$cli" --format "$(awk '{$1 = ""; print}' <<< "$aliases" | tr -d ' ' | paste -sd,)" --json 0 |
        grep -o '"format":"[^"]*"' | cut -d'"' -f4
}
paired=$(awk '{for (i = 2; i <= NF; i++) print $1}' <<< "$aliases")
diff <(echo "$paired") <(read_back) || fail "--format takes the other names of --help as other formats"

offered() { (source "$completion" && COMP_WORDS=(pexabit-cli "$@") && COMP_CWORD=$# && _pexabit_cli &&
             printf '%s\n' "${COMPREPLY[@]}" | sort); }
words=$(printf '%s\nall\n%s\n' "$names" "$others" | sort)
diff <(echo "$words") <(offered --format '') || fail "$completion offers other words after --format"
diff <(echo "$words") <(offered --format =) || fail "$completion offers other words after --format="
diff <(sed 's/^/half,/' <<< "$words") <(offered --format = half,) ||
    fail "$completion offers other words after --format=half,"
diff <(grep -vx all <<< "$words") <(offered --from '') || fail "$completion offers other words after --from"
modes=$("$cli" --format half --round '?' 0 2>&1 | sed -n "s/.*unknown rounding mode '?' for --round (\(.*\))$/\1/p" | lines)
[[ -n $modes ]] || fail "pexabit-cli names no rounding modes for an unknown one"
diff <(echo "$modes") <(offered --round '') || fail "$completion offers other words after --round"
keys=$("$cli" --format half --keys '?' 0 2>&1 | sed -n "s/.*unknown key '?' in --keys (\(.*\))$/\1/p" | lines)
[[ -n $keys ]] || fail "pexabit-cli names no keys for an unknown one"
diff <(echo "$keys") <(offered --keys '') || fail "$completion offers other words after --keys"
diff <(sed 's/^/pattern,/' <<< "$keys") <(offered --keys = pattern,) || fail "$completion offers other words after --keys=pattern,"

enums=$(python3 -c 'import json, sys; d = json.load(sys.stdin)["$defs"]
print(*d["format"]["properties"]["format"]["enum"]); print(*d["report"]["properties"]["round"]["enum"])' < "$schema")
diff <(echo "$names") <(head -1 <<< "$enums" | lines) || fail "$schema names other formats than the descriptors"
diff <(echo "$modes") <(tail -1 <<< "$enums" | lines) || fail "$schema names other rounding modes than pexabit-cli"
# "| `half` | `binary16`, `fp16`, `f16`, `float16` | ...": the name and the other names of each row.
documented=$(awk -F'|' '$2 ~ /^ `[^`]+` $/ && $3 ~ /`/ {gsub(/[` ]/, "", $2); n = split($3, a, ","); for (i = 1; i <= n; i++) {gsub(/[` ]/, "", a[i]); print $2, a[i]}}' "$doc" | sort)
diff <(paste -d' ' <(echo "$paired") <(echo "$others_in_order") | sort) <(echo "$documented") ||
    fail "$doc gives the formats other names than --help"
echo "format names: the completion, the schema and the documentation name the $(wc -l <<< "$names") formats," \
     "$(wc -l <<< "$others") other names, $(wc -l <<< "$modes") modes and $(wc -l <<< "$keys") keys"
