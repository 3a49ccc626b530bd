# Shared set-up of the run and test scripts: install the Debian packages that are missing,
# then configure and build. Sourced, not run.
set -euo pipefail

TINTARA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TINTARA_BUILD="${TINTARA_BUILD:-$TINTARA_ROOT/build}"

TINTARA_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-webengine-dev libgl-dev
    libbenchmark-dev libxcb1-dev xvfb xauth fonts-dejavu-core fonts-liberation libxtst-dev
    dbus-daemon librsvg2-bin)

# What the check of the installed files needs: the validators of the desktop entry and the
# AppStream data, the MIME database's tools and gio to ask it, and xwininfo to see the installed
# program's window.
INSTALL_CHECK_PACKAGES=(desktop-file-utils appstream shared-mime-info libglib2.0-bin x11-utils)

# What the Debian package needs: dpkg-shlibdeps and dpkg-buildflags, file (which CPack uses to
# find the binaries to strip and scan), and lintian.
PACKAGE_PACKAGES=(dpkg-dev file lintian)

# What the fuzz script needs: the core library's build and clang with libFuzzer and the
# sanitizer runtimes.
FUZZ_PACKAGES=(cmake ninja-build qt6-base-dev libgl-dev clang libclang-rt-14-dev)

install_missing_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
    local build="$1"
    shift
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$TINTARA_ROOT" -B "$build" -G Ninja "$@"
    fi
    cmake --build "$build" --parallel "$(nproc)"
}
