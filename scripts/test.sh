#!/usr/bin/env bash
# Installs what is missing, checks that every tracked C++ file is formatted as .clang-format
# says and that the folders of src/ include one another one way only (scripts/check-layers.sh),
# builds Tintara and runs every test headless: the window tests on
# Qt's offscreen platform, the browser tests under Xvfb. Then scripts/check-install.sh installs
# the build into a temporary prefix and checks the installed files and the installed program.
#
# When they pass, the suite is built a second time with AddressSanitizer and
# UndefinedBehaviorSanitizer in "$TINTARA_BUILD-asan" (or $TINTARA_ASAN_BUILD), without the
# browser library, which does not run under the sanitizers, and every test but the browser
# tests (*_x11) runs there; any report of either sanitizer, leaks included, fails the run.
# Leaks that a system library under Qt keeps for good would be suppressed in tests/lsan.supp.
# TINTARA_SANITIZE_STAGE=0 leaves this second stage out.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages "${TINTARA_PACKAGES[@]}" "${INSTALL_CHECK_PACKAGES[@]}" clang-format

echo "== Format"
cd "$TINTARA_ROOT"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "== Layers"
scripts/check-layers.sh
configure_and_build "$TINTARA_BUILD"
cd "$TINTARA_BUILD"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --parallel "$(nproc)"

echo
echo "== The installation"
"$TINTARA_ROOT/scripts/check-install.sh" "$TINTARA_BUILD"

[ "${TINTARA_SANITIZE_STAGE:-1}" = "0" ] && exit 0

echo
echo "== The suite under AddressSanitizer and UndefinedBehaviorSanitizer"
stage_start=$SECONDS
asan_build="${TINTARA_ASAN_BUILD:-${TINTARA_BUILD%/}-asan}"
configure_and_build "$asan_build" -DTINTARA_SANITIZE=ON -DTINTARA_PREVIEW=OFF \
    -DTINTARA_BENCHMARKS=OFF
cd "$asan_build"
export ASAN_OPTIONS="halt_on_error=1:print_stacktrace=1:detect_leaks=1:check_initialization_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$TINTARA_ROOT/tests/lsan.supp:print_suppressions=0"
echo "Sanitizer build: $((SECONDS - stage_start)) s"
# Last, so that the run ends with CTest's summary.
ctest --output-on-failure --parallel "$(nproc)" -E '_x11$'
