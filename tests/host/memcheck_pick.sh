#!/usr/bin/env bash
# Runs the Ruby extension under valgrind memcheck the way a host runs it: the system Ruby
# loads Halvorn.so on Xvfb and calls PickColor twice (tests/host/pick_once.rb: one pick
# cancelled with Escape, one that drags a chip into My Palette and selects it). Any memory
# error that tests/host/memcheck.supp (known false positives of Ruby and X libraries, third-party
# frames only) does not cover fails the run: invalid reads and writes, use of freed memory, bad
# frees, uninitialised values. Leaks are not checked here (tests/host/pick_memory.rb measures
# the growth over many picks).
#   tests/host/memcheck_pick.sh        builds BUILD_DIR (default: build, RelWithDebInfo) first
# Exit status: 0 clean; 1 memory errors (listed, full log in BUILD_DIR/memcheck-pick.log);
# 2 the picks themselves went wrong. Needs valgrind, xvfb-run, xdotool and ruby.
set -euo pipefail
cd "$(dirname "$0")/../.."
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARY_SANITIZE=OFF >/dev/null
cmake --build "$build_dir" --parallel 2 --target Halvorn halvorn

log="$build_dir/memcheck-pick.log"
errors_exit=99
status=0
# Under valgrind the picker takes many seconds to appear: the helpers wait up to two minutes.
TESSARY_WINDOW_WAIT=120 timeout 1200 xvfb-run -a -s "-screen 0 1280x1024x24" \
    valgrind --tool=memcheck --error-exitcode=$errors_exit --leak-check=no \
    --suppressions=tests/host/memcheck.supp --num-callers=40 --max-stackframe=8388608 \
    --fullpath-after="$PWD/" --log-file="$log" \
    ruby tests/host/pick_once.rb "$build_dir/host/Halvorn.so" \
    "$build_dir/tools/halvorn/halvorn" || status=$?

# The forked children (the helpers Ruby spawns) print summaries of their own: take Ruby's.
ruby_pid=$(head -1 "$log" | sed 's/^==\([0-9]*\)==.*/\1/')
grep "^==$ruby_pid== ERROR SUMMARY" "$log" | sed 's/^==[0-9]*== //'
if [ "$status" = "$errors_exit" ]; then
    # Each error with the innermost frame of our own sources (paths relative to the worktree).
    awk '/^==[0-9]+== [A-Z]/ && !/ERROR SUMMARY|HEAP SUMMARY|Warning|Memcheck|Copyright|Using Valgrind|Command|Parent PID|For lists|For a detailed|Rerun|in use at exit|total heap/ {
             if (heading != "") print heading "\n    " (ours != "" ? ours : "(no frame of ours)")
             heading = $0; sub(/^==[0-9]+== /, "", heading); ours = ""; next }
         heading != "" && ours == "" && /\((host|engine|state|widgets|palette|color|style|dnd|resources|tools)\/[^ ]*:[0-9]+\)$/ {
             ours = $0; sub(/^==[0-9]+== +/, "", ours) }
         END { if (heading != "") print heading "\n    " (ours != "" ? ours : "(no frame of ours)") }' "$log"
    echo "memcheck_pick.sh: memory errors; the full log is $log" >&2
    exit 1
fi
if [ "$status" != 0 ]; then
    echo "memcheck_pick.sh: the picks failed (exit status $status); the log is $log" >&2
    exit 2
fi
echo "memcheck_pick.sh: no memory errors in two picks"
