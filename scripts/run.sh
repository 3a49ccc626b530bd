#!/usr/bin/env bash
# Installs what is missing, builds Tintara and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages "${TINTARA_PACKAGES[@]}"
configure_and_build "$TINTARA_BUILD"
exec "$TINTARA_BUILD/tintara"
