# Installs the build into a fresh temporary prefix and checks what lands there: exactly the
# expected files, the man pages compressed, the installed command line working from there, and
# the bash completion offering the options and the values of --round.
# cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED="bin/a;share/b" -P check-install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT EXPECTED)
if(NOT installed STREQUAL EXPECTED)
  string(REPLACE ";" "\n  " installed "${installed}")
  string(REPLACE ";" "\n  " EXPECTED "${EXPECTED}")
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${EXPECTED}")
endif()

foreach(file IN LISTS installed)
  if(file MATCHES "\\.gz$")
    file(READ ${PREFIX}/${file} magic LIMIT 2 HEX)
    if(NOT magic STREQUAL "1f8b")
      message(FATAL_ERROR "${file} is not compressed with gzip")
    endif()
  endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/pexabit-cli --single-hex 3F800000 OUTPUT_VARIABLE report RESULT_VARIABLE failed)
if(failed OR NOT report MATCHES "\\+1,0")
  message(FATAL_ERROR "the installed pexabit-cli does not convert 3F800000: ${failed}\n${report}")
endif()

# Completion as bash runs it: the words so far, the index of the one being completed.
set(complete "source ${PREFIX}/share/bash-completion/completions/pexabit-cli
complete -p pexabit-cli >/dev/null || exit 1
COMP_WORDS=(pexabit-cli --format single --round n); COMP_CWORD=4; COMPREPLY=(); _pexabit_cli; echo \"\${COMPREPLY[*]}\"
COMP_WORDS=(pexabit-cli --format half,bf); COMP_CWORD=2; COMPREPLY=(); _pexabit_cli; echo \"\${COMPREPLY[*]}\"
COMP_WORDS=(pexabit-cli --st); COMP_CWORD=1; COMPREPLY=(); _pexabit_cli; echo \"\${COMPREPLY[*]}\"
COMP_WORDS=(pexabit-cli -- --st); COMP_CWORD=2; COMPREPLY=(); _pexabit_cli; echo \"\${COMPREPLY[*]}\"")
execute_process(COMMAND bash -c "${complete}" OUTPUT_VARIABLE offered RESULT_VARIABLE failed)
set(wanted "nearest-even nearest-away\nhalf,bfloat16 half,bf16\n--strict --stride\n\n")
if(failed OR NOT offered STREQUAL wanted)
  message(FATAL_ERROR "bash completion offered:\n${offered}\nwanted:\n${wanted}")
endif()
