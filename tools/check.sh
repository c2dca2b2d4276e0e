#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The checks beyond the tests, each step timed:
# - the unit tests built with AddressSanitizer and UndefinedBehaviorSanitizer (build-check/),
# - the sound, platform, transition and picture tests built with ThreadSanitizer (build-tsan/),
# - every fuzz target run for a fixed time on its seed corpus (built in build-check/ as well),
# - the source format: every C++ file as .clang-format has it,
# - the window layouts: regenerating them with tools/make_layouts.py changes nothing.
# The sanitizers' suppressions (tests/sanitizers/) name only code outside this project.
#   TP_FUZZ_SECONDS  seconds per fuzz target (default 20)
#   TP_CHECK_STEPS   steps to run, default "format layouts asan tsan fuzz"; "asan-quit" runs the
#                    quit test on the game built with the sanitizers (see asan_quit)
set -e
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
fuzz_seconds=${TP_FUZZ_SECONDS:-20}
steps=${TP_CHECK_STEPS:-"format layouts asan tsan fuzz"}
supp=$root/tests/sanitizers
tools/setup.sh

export CC=clang CXX=clang++
# Optimised a little, with line tables for the reports: builds and runs fastest under the sanitizers.
flags="-O1 -gline-tables-only"
. tools/ccache.sh

export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$supp/ubsan.supp"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp"

step_started=0
cpu_times=$(mktemp)
trap 'rm -f "$cpu_times"' EXIT
begin() {
    step_started=$(date +%s)
    echo "== $1"
}
end() {
    # The processor time of every step so far (user, system) tells more than the wall time on
    # a shared machine.
    times >"$cpu_times"
    echo "== $1: done in $(($(date +%s) - step_started)) s; processor time so far: $(tail -n 1 "$cpu_times")"
}

configure() { # build dir, sanitizers, extra options
    # shellcheck disable=SC2086
    cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" -DTP_TESTS=ON -DTP_SANITIZE="$2" $3 $launcher >/dev/null
}

format_check() {
    begin format
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    end format
}

# Every layout tools/make_layouts.py writes is committed as it writes it. The parents' windows
# (settings, quit question) carry no pictures and are written by hand, so they are not compared.
layouts_check() {
    begin layouts
    generated=$(mktemp -d)
    python3 tools/make_layouts.py "$generated"
    differing=0
    for file in "$generated"/*; do
        committed=resources/layouts/$(basename "$file")
        if ! cmp -s "$committed" "$file"; then
            diff -u "$committed" "$file" | head -n 40
            differing=1
        fi
    done
    rm -rf "$generated"
    if [ "$differing" -ne 0 ]; then
        echo "resources/layouts/ differs from what tools/make_layouts.py writes" >&2
        return 1
    fi
    end layouts
}

asan() {
    begin "ASan + UBSan build"
    configure build-check address,undefined -DTP_FUZZ=ON
    # The unit tests and the fuzz targets; the program itself is not needed here.
    targets=$(cmake --build build-check --target help | sed -n 's/^\.\.\. \(\(test\|fuzz\)_[a-z_]*\)$/\1/p' |
        grep -v '_autogen$')
    # shellcheck disable=SC2086
    cmake --build build-check -j"$jobs" --target $targets
    end "ASan + UBSan build"
    begin "ASan + UBSan unit tests"
    ctest --test-dir build-check --output-on-failure -j"$jobs" -LE e2e
    end "ASan + UBSan unit tests"
}

# Not run by default (about two minutes): the game itself under the sanitizers, closed at random
# moments of its first second, twenty times; every run must end with status 0 and no report.
asan_quit() {
    begin "ASan + UBSan: the game closed in its first second"
    configure build-check address,undefined -DTP_FUZZ=ON
    cmake --build build-check -j"$jobs" --target tovimar-plumkin
    python3 tests/e2e/test_quit.py --exe build-check/tovimar-plumkin
    end "ASan + UBSan: the game closed in its first second"
}

tsan() {
    begin "TSan build"
    configure build-tsan thread
    folders=""
    for folder in sound platform transitions pictures; do
        if ls tests/$folder/*.cpp >/dev/null 2>&1; then
            folders="$folders $folder"
        fi
    done
    # shellcheck disable=SC2086
    cmake --build build-tsan -j"$jobs" --target $(printf ' test_%s' $folders)
    end "TSan build"
    begin "TSan tests:$folders"
    # The ELF tests start objcopy, and starting a process the way Qt does (clone) trips a check
    # inside clang 14's ThreadSanitizer runtime. They use no threads; the ASan build runs them.
    GTEST_FILTER='-ElfFiles.*' \
        ctest --test-dir build-tsan --output-on-failure -j"$jobs" -R "^($(echo $folders | tr ' ' '|'))\$"
    end "TSan tests"
}

# Runs one fuzz target on its committed seeds (if any); what it finds goes to a scratch folder,
# a crash to fuzz-<target>-crash-*.
fuzz_one() {
    name=$1
    work=$(mktemp -d)
    seeds=""
    [ -d "tests/fuzz/corpus/$name" ] && seeds="tests/fuzz/corpus/$name"
    # shellcheck disable=SC2086
    if build-check/tests/fuzz/fuzz_"$name" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2560 \
        -print_final_stats=1 -artifact_prefix="$root/fuzz-$name-" "$work" $seeds \
        >"build-check/tests/fuzz/fuzz-$name.log" 2>&1; then
        echo "   $name: $(grep -E '^stat::number_of_executed_units' "build-check/tests/fuzz/fuzz-$name.log" | awk '{print $2}') runs," \
            "$(grep -E '^stat::new_units_added' "build-check/tests/fuzz/fuzz-$name.log" | awk '{print $2}') new inputs"
        rm -rf "$work"
    else
        rm -rf "$work"
        tail -n 60 "build-check/tests/fuzz/fuzz-$name.log"
        echo "   $name: FAILED (log: build-check/tests/fuzz/fuzz-$name.log)"
        return 1
    fi
}

fuzz() {
    begin "fuzz targets, $fuzz_seconds s each"
    failed=0
    # Two targets at a time, one a core.
    set -- $(for source in tests/fuzz/*.cpp; do basename "$source" .cpp; done)
    while [ $# -gt 0 ]; do
        first=$1
        shift
        if [ $# -gt 0 ]; then
            second=$1
            shift
            fuzz_one "$second" &
            background=$!
        else
            background=""
        fi
        fuzz_one "$first" || failed=1
        if [ -n "$background" ]; then
            wait "$background" || failed=1
        fi
    done
    end "fuzz targets"
    return $failed
}

for step in $steps; do
    case $step in
    format) format_check ;;
    layouts) layouts_check ;;
    asan) asan ;;
    asan-quit) asan_quit ;;
    tsan) tsan ;;
    fuzz) fuzz ;;
    *)
        echo "unknown step $step" >&2
        exit 2
        ;;
    esac
done
