#!/usr/bin/env bash
# Builds the libFuzzer targets of the window-free logic with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes for a bounded time.
#
#   scripts/fuzz.sh [TARGET|all] [SECONDS]
#
# TARGET is one of fuzz_scheme, fuzz_settings, fuzz_hex, fuzz_numeric, fuzz_csscolor (default:
# all, one after the other); SECONDS is the time per target (default 60). The build goes to
# build-fuzz/ (or $TINTARA_FUZZ_BUILD). Each target first runs the saved inputs of
# fuzz/regressions/TARGET/, then fuzzes from a working corpus in build-fuzz/corpus/TARGET/ that
# starts as a copy of fuzz/corpus/TARGET/ and keeps what later runs add; the tree is never
# written. An input that breaks a property is saved in build-fuzz/artifacts/TARGET/ and the
# script fails.
# Extra libFuzzer options may be given in $FUZZ_OPTIONS (for example "-max_len=8192").
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

TARGETS=(fuzz_scheme fuzz_settings fuzz_hex fuzz_numeric fuzz_csscolor)
which="${1:-all}"
seconds="${2:-60}"
if [ "$which" = "-h" ] || [ "$which" = "--help" ]; then
    sed -n '2,14p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
    exit 0
fi
if [ "$which" = "all" ]; then
    selected=("${TARGETS[@]}")
elif [[ " ${TARGETS[*]} " == *" $which "* ]]; then
    selected=("$which")
else
    echo "unknown fuzz target: $which (one of: ${TARGETS[*]} all)" >&2
    exit 2
fi
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "the time must be a whole number of seconds: $seconds" >&2
    exit 2
fi

install_missing_packages "${FUZZ_PACKAGES[@]}"

build="${TINTARA_FUZZ_BUILD:-$TINTARA_ROOT/build-fuzz}"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$TINTARA_ROOT" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTINTARA_FUZZ=ON
fi
cmake --build "$build" --target "${selected[@]}" --parallel "$(nproc)"

failed=()
for target in "${selected[@]}"; do
    echo "== $target: ${seconds} s"
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    # Seeds are copied, never linked: libFuzzer adds and removes files in its corpus folder.
    cp -n "$TINTARA_ROOT/fuzz/corpus/$target"/* "$corpus"/ 2>/dev/null || true
    regressions="$TINTARA_ROOT/fuzz/regressions/$target"
    if compgen -G "$regressions/*" >/dev/null; then
        if ! "$build/fuzz/$target" "$regressions"/*; then
            failed+=("$target (saved regression input)")
            continue
        fi
    fi
    # shellcheck disable=SC2086
    if ! "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" ${FUZZ_OPTIONS:-} "$corpus"; then
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found failures in: ${failed[*]} (inputs in $build/artifacts/)" >&2
    exit 1
fi
echo "Fuzzing ended without failures: ${selected[*]}"
