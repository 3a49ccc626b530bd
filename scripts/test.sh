#!/usr/bin/env bash
# Installs what is missing, builds Tintara and runs every test headless: the window tests on
# Qt's offscreen platform, the browser tests under Xvfb.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages "${TINTARA_PACKAGES[@]}"
configure_and_build "$TINTARA_BUILD"
cd "$TINTARA_BUILD"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --parallel "$(nproc)"
