#!/usr/bin/env bash
# Installs what is missing, builds Tintara and runs every benchmark: the logic benchmarks, the
# interactive paths of the real main window (offscreen), the page previews and the start-up
# time and memory of the whole program, measured from outside on Xvfb beside a bare Qt window,
# the command line's check of one scheme file, without a display, and every colour through its
# oklch() text and back.
# Ends with a table of the figures. TINTARA_BENCH_COMPARE may name the tintara of another build
# (the one before a change, say), whose start-up is then measured in the same run.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages "${TINTARA_PACKAGES[@]}"
configure_and_build "$TINTARA_BUILD"
cd "$TINTARA_BUILD"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
screen=(-s "-screen 0 1280x1024x24")

echo "== Logic (Google Benchmark)"
bench/bench_logic --benchmark_min_time=0.2 | tee logic.txt

echo
echo "== Every colour through its oklch() text and back"
bench/check_oklch_roundtrip | tee roundtrip.txt

echo
echo "== Interactive paths of the main window (offscreen)"
QT_QPA_PLATFORM=offscreen bench/bench_interactive 2>/dev/null | tee interactive.txt

echo
echo "== Page preview (Xvfb)"
xvfb-run -a "${screen[@]}" env QT_QPA_PLATFORM=xcb bench/bench_interactive --preview 2>/dev/null \
    | grep '^|' | tee preview.txt

echo
echo "== Start-up and memory of the whole program (Xvfb)"
xvfb-run -a "${screen[@]}" bench/bench_startup 15 2>/dev/null | tee startup.txt
xvfb-run -a "${screen[@]}" bench/bench_startup 15 bench/bare_window " (bare Qt window, 200 labels)" \
    2>/dev/null | tee bare.txt
rm -f compare.txt
if [ -n "${TINTARA_BENCH_COMPARE:-}" ]; then
    xvfb-run -a "${screen[@]}" bench/bench_startup 15 "$TINTARA_BENCH_COMPARE" " (compared build)" \
        2>/dev/null | tee compare.txt
fi

echo
echo "== The command line: --check of one scheme file, without a display"
# The median of 31 runs, each timed by the shell around the process (start to exit).
check_ms() {
    local program="$1" sample="$2" t0 t1 times=()
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    "$program" --check "$sample" >/dev/null || true # warm-up
    for _ in $(seq 31); do
        t0=${EPOCHREALTIME//[.,]/}
        "$program" --check "$sample" >/dev/null || true
        t1=${EPOCHREALTIME//[.,]/}
        times+=($((t1 - t0)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 16p | awk '{ printf "%.1f ms\n", $1 / 1000 }'
}
sample="$TINTARA_ROOT/data/Templates/Ocean.tnx"
check=$(check_ms ./tintara "$sample")
echo "tintara --check $(basename "$sample"): median $check"

sort_ms() {
    awk '$1 == "BM_SortStrings/'"$1"'" { print $2 " " $3 }' logic.txt
}

echo
echo "== Summary"
echo "| figure | target | measured |"
echo "|---|---|---|"
awk -F'|' '/process start/ { printf "| start-up to the main window\047s first map | 45 ms or less | %s |\n", $3 }' startup.txt
awk -F'|' '/process start/ { printf "| (bare Qt window, 200 labels, same run) | | %s |\n", $3 }' bare.txt
awk -F'|' '/resident memory/ { printf "| resident memory after start-up | 40 MiB or less | %s |\n", $3 }' startup.txt
awk -F'|' '/resident memory/ { printf "| (bare Qt window, 200 labels, same run) | | %s |\n", $3 }' bare.txt
if [ -f compare.txt ]; then
    awk -F'|' '/process start/ { printf "| (compared build, same run) | | %s |\n", $3 }' compare.txt
    awk -F'|' '/resident memory/ { printf "| (compared build, same run) | | %s |\n", $3 }' compare.txt
fi
awk -F'|' '/strip drag/ { printf "| %s | median 100 us, p99 1 ms | median %s, p99 %s |\n", $2, $3, $4 }' interactive.txt
awk -F'|' '/palette click|palette key|strip key|key release|target chosen|Copy |Paste / { printf "| %s | median 200 us | median %s, p99 %s |\n", $2, $3, $4 }' interactive.txt
awk -F'|' '/contrast readouts update/ { printf "| %s | | median %s, p99 %s |\n", $2, $3, $4 }' interactive.txt
echo "| \`tintara --check\` of one scheme file, process start to exit | 50 ms or less | median $check |"
echo "| SortStrings of 10,000 names | 20 ms or less | $(sort_ms 10000) |"
awk -F'|' '/first preview/ { printf "| first preview | 350 ms or less | %s |\n", $3 }' preview.txt
awk -F'|' '/later preview/ { printf "| later preview | 60 ms or less | median %s |\n", $3 }' preview.txt
awk -F'|' '/preview follows/ { printf "| %s | median 50 ms, p99 200 ms | median %s, p99 %s |\n", $2, $3, $4 }' preview.txt
awk -F'|' '/preview following/ { printf "| %s | median 100 us, p99 1 ms | median %s, p99 %s |\n", $2, $3, $4 }' preview.txt
awk -F'|' '/opening a scheme/ { printf "| opening a scheme file | 2 ms or less | median %s, p99 %s |\n", $3, $4 }' interactive.txt
awk '$1 ~ /^BM_DarkVariant/ { printf "| %s | 50 us or less | %s %s |\n", $1, $2, $3 }' logic.txt
echo "| the 16,777,216 colours through oklch() and back | none lost | $(cat roundtrip.txt) |"
