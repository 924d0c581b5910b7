#!/usr/bin/env bash
# check-window-start.sh PEXABIT VERSION: the window's start in a cleared environment (no DISPLAY,
# no WAYLAND_DISPLAY, no QT_QPA_PLATFORM unless a row sets them), one row per argument vector:
# its exit status and what its output holds. Status "open" means the window opened and was still
# open after a few seconds (it is then stopped); each other row must end by itself.
pexabit=$1 version=$2
home=$(mktemp -d) && trap 'rm -rf "$home"' EXIT
failed=0
# status | environment | arguments | extended regular expression the output matches | the fault it guards
while IFS='|' read -r status environment arguments expected reason; do
    [[ -z $status || $status == \#* ]] && continue
    seconds=60 && [[ $status == open ]] && seconds=3
    # The words of the environment and arguments columns split on blanks, as written.
    # shellcheck disable=SC2086
    output=$(env -i HOME="$home" XDG_RUNTIME_DIR="$home" PATH=/usr/bin:/bin $environment timeout "$seconds" "$pexabit" $arguments 2>&1)
    got=$?
    [[ $got == 124 && $status == open ]] && got=open
    if [[ $got != "$status" ]] || ! grep -Eq -- "$expected" <<< "$output"; then
        echo "pexabit $arguments (${environment:-no environment}): status $got, wanted $status ($reason)"
        echo "$output" | head -5
        failed=1
    fi
done <<EOF_ROWS
0||--version|^pexabit ${version}$|the version needs no display
0||-V|^pexabit ${version}$|-V as pexabit-cli has it (it reached QApplication, which aborted)
0||-v|^pexabit |-v as Qt programs have it
0||--help --bogus|--formats +Open the formats window|the help needs no display and answers whatever else is given
2|||^pexabit-cli is the command-line front end|a plain start without a display aborted (status 134)
2||--formats|^pexabit: no display|the formats window alike
2|DISPLAY= WAYLAND_DISPLAY=||^pexabit: no display|empty variables are no display
2||--bogus|^pexabit: unknown option '--bogus'$|an unknown option without a display aborted
2|QT_QPA_PLATFORM=offscreen|-x=1|^pexabit: unknown option '-x'$|an unknown option is named as typed
2||-style|Missing value after '-style'|a Qt option without its value
2||-platform xcb|^pexabit: no display|xcb needs a display
2|QT_QPA_PLATFORM=offscreen|-platform xcb|^pexabit: no display|-platform chooses over QT_QPA_PLATFORM
open|QT_QPA_PLATFORM=offscreen||.*|offscreen needs no display
open||-platform offscreen --formats -style Fusion -reverse|.*|the -platform argument, Qt's options with and without a value
open|QT_QPA_PLATFORM=xcb;minimal:enable_fonts||.*|a list of platforms Qt tries in turn, one of them without a display
EOF_ROWS
exit $failed
