#!/usr/bin/env bash
# Builds the Debian package of Tintara with CPack from the install rules and checks it with
# lintian:
#
#   scripts/package.sh        ->  build-package/tintara_<version>_<arch>.deb
#
# The build goes to build-package/ (or $TINTARA_PACKAGE_BUILD), configured for the prefix /usr
# with all the hardening flags of dpkg-buildflags. Only the program, its
# browser library and the installed data are built, not the tests. Depends come from the
# shared libraries that the program and its browser library link (dpkg-shlibdeps). Install the
# package with
#
#   sudo apt install ./build-package/tintara_<version>_<arch>.deb
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages "${TINTARA_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

build="${TINTARA_PACKAGE_BUILD:-$TINTARA_ROOT/build-package}"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$TINTARA_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None \
        -DCMAKE_INSTALL_PREFIX=/usr -DTINTARA_BENCHMARKS=OFF -DBUILD_TESTING=OFF \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
fi
cmake --build "$build" --target tintara tintara_preview tintara_data --parallel "$(nproc)"
rm -f "$build"/tintara_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/tintara_*.deb)

echo
echo "== $(basename "$deb")"
dpkg-deb --field "$deb"
dpkg-deb --contents "$deb" | awk '{ print $1, $6 }'

echo
echo "== lintian"
# Errors fail the package; warnings are shown.
lintian --fail-on error --display-info "$deb"
echo "lintian: no errors"
echo
echo "Package: $deb"
echo "Install it with: sudo apt install $deb"
