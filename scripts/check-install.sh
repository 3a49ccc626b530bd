#!/usr/bin/env bash
# Checks the install rules on a temporary prefix, as a package would lay them out:
#
#   scripts/check-install.sh [BUILD]        (default: build/, already built)
#
# 1. DESTDIR=... cmake --install BUILD --prefix /usr --strip, then every file is where it
#    belongs, the icons have their sizes, no build path is left in the program, and the
#    versions of the AppStream data and the change log are the project's.
# 2. desktop-file-validate and appstreamcli validate --no-net pass without a hint; with the MIME
#    and desktop databases of the prefix updated (as the system's triggers do when a package
#    installs), a scheme file has the program's MIME type and opens with the program.
# 3. The installed program, started from its desktop entry's Exec line under Xvfb from a
#    read-only prefix with a temporary home (HOME and XDG_* pointing into it), shows its window,
#    seeds the user's Templates with the sample schemes, reopens a sample scheme named in its
#    settings, opens a scheme file that the Exec line's %f names (relative to the current
#    folder) or says that it cannot, and writes its settings into the home's config folder when
#    it is closed.
#
# Root may write anywhere, so for root "chmod -R a-w" would not make the prefix read-only. When
# run as root (as CI is), the program therefore runs as the unprivileged user nobody, for whom
# the prefix is read-only for real, with a home that nobody owns. The program is closed with
# SIGTERM, which it answers by closing its windows as the user would (no window manager needed).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

APP_ID=org.tintara.Tintara
STARTUP_WAIT=30 # seconds for the window to appear

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# ---- the part run under Xvfb, as the user who owns the temporary home
if [ "${1:-}" = "--run-installed" ]; then
    : "${PREFIX:?}" "${HOME:?}"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    touch "$HOME/before-run"
    if touch "$PREFIX/bin/probe" 2>/dev/null; then
        fail "the prefix can be written by $(id -un)"
    fi
    echo "running as $(id -un), who cannot write the prefix"
    exec_line=$(sed -n 's/^Exec=//p' "$PREFIX/share/applications/$APP_ID.desktop")
    settings="$XDG_CONFIG_HOME/Tintara/Config.ini"
    templates="$XDG_DATA_HOME/Tintara/Templates"

    # Starts the desktop entry's command, with its %f standing for the file given (or dropped
    # without one), waits for a window with the given title, runs the given command while it is
    # open, then closes it with SIGTERM and checks that it ended normally.
    run_program() {
        local title="$1" during="$2" file="${3:-}" pid id found="" word words=() command=()
        # The Exec line is split into words, as a desktop does.
        read -ra words <<<"$exec_line"
        for word in "${words[@]}"; do
            if [ "$word" = %f ]; then
                if [ -n "$file" ]; then command+=("$file"); fi
            else
                command+=("$word")
            fi
        done
        PATH="$PREFIX/bin:$PATH" "${command[@]}" &
        pid=$!
        for _ in $(seq $((STARTUP_WAIT * 5))); do
            # The program's top-level window of that title (class "tintara"), mapped.
            id=$(xwininfo -root -tree | grep -F "\"$title\": (\"tintara\"" | awk '{ print $1 }' || true)
            if [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then
                found=yes
                break
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.2
        done
        if [ -z "$found" ]; then
            kill "$pid" 2>/dev/null || true
            echo "Windows shown:" >&2
            xwininfo -root -tree | grep '"' >&2 || true
            fail "no window titled \"$title\""
        fi
        echo "window shown: \"$title\""
        $during
        kill -TERM "$pid"
        for _ in $(seq $((STARTUP_WAIT * 5))); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.2
        done
        if kill -0 "$pid" 2>/dev/null; then
            kill -KILL "$pid"
            fail "the program did not end after SIGTERM"
        fi
        wait "$pid" || fail "the program ended with status $? after SIGTERM"
    }

    # First start: no settings yet. The user's Templates receive the sample schemes.
    run_program "Tintara" true
    for sample in "$PREFIX"/share/tintara/Templates/*.tnx; do
        cmp -s "$sample" "$templates/$(basename "$sample")" ||
            fail "$(basename "$sample") was not seeded into $templates"
    done
    [ -d "$XDG_DATA_HOME/Tintara/HTMLDocs" ] || fail "no HTMLDocs in the user's data folder"
    grep -q "^LastFile=File Doesn't Exist" "$settings" || fail "the first close wrote no settings"
    echo "settings written on close: $settings"

    # Second start: the settings name a sample scheme, which is reopened. The settings file is
    # removed while the program runs (it is read once, at the start) and must be back after
    # the close.
    sample=$(basename "$(ls "$PREFIX"/share/tintara/Templates/*.tnx | head -n 1)")
    printf '[Settings]\r\nLastFile=%s\r\n' "$sample" >"$settings"
    remove_settings() { rm "$settings"; }
    run_program "Tintara - [$sample]" remove_settings
    grep -q "^LastFile=$sample" "$settings" || fail "the second close did not write the settings"
    echo "scheme reopened and settings written again: $sample"

    # Third start: a scheme file opened from the desktop, named relative to the current folder.
    # It opens as the Open command opens it and becomes the scheme remembered.
    mkdir "$HOME/site"
    cp "$PREFIX/share/tintara/Templates/$sample" "$HOME/site/site.tnx"
    cd "$HOME/site"
    run_program "Tintara - [site.tnx]" true site.tnx
    cd "$HOME"
    grep -q "^LastFile=site.tnx" "$settings" || fail "the opened file is not the one remembered"
    echo "scheme file opened through the Exec line and remembered: site.tnx"

    # Fourth start: a file that is not there. A message box says so over the window (which
    # starts without a scheme: the one remembered is not in the Templates folder), and SIGTERM,
    # which closes both, ends the program.
    message_shown() {
        for _ in $(seq $((STARTUP_WAIT * 5))); do
            [ "$(xwininfo -root -tree | grep -cF '"Tintara": ("tintara"')" -ge 2 ] && return 0
            sleep 0.2
        done
        fail "no message box over the window"
    }
    run_program "Tintara" message_shown gone.tnx
    echo "a file that is not there: the message shown over the window"

    [ ! -e "$XDG_RUNTIME_DIR/Tintara/Temp" ] || fail "the preview folder was left behind"
    changed=$(find "$PREFIX" -newer "$HOME/before-run" | head -n 5)
    [ -z "$changed" ] || fail "the program changed the prefix: $changed"
    exit 0
fi

# ---- the checks of the installed files
install_missing_packages "${INSTALL_CHECK_PACKAGES[@]}"
build="$(cd "${1:-$TINTARA_BUILD}" && pwd)"
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
root="$work/root"
prefix="$root/usr"

echo "== Install into a temporary prefix"
DESTDIR="$root" cmake --install "$build" --prefix /usr --strip >/dev/null
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
libdir=$(cache_value CMAKE_INSTALL_LIBDIR)
version=$(cache_value CMAKE_PROJECT_VERSION)

for file in bin/tintara "$libdir/tintara/libtintara_preview.so" \
    "share/applications/$APP_ID.desktop" \
    "share/icons/hicolor/scalable/apps/$APP_ID.svg" \
    "share/icons/hicolor/48x48/apps/$APP_ID.png" \
    "share/icons/hicolor/256x256/apps/$APP_ID.png" \
    "share/metainfo/$APP_ID.metainfo.xml" "share/mime/packages/$APP_ID.xml" \
    share/man/man1/tintara.1.gz share/doc/tintara/copyright share/doc/tintara/changelog.gz; do
    [ -f "$prefix/$file" ] || fail "missing: /usr/$file"
    echo "/usr/$file"
done
[ -x "$prefix/bin/tintara" ] || fail "the program is not executable"

samples=$(find "$prefix/share/tintara/Templates" -name '*.tnx' | wc -l)
[ "$samples" -ge 3 ] && [ "$samples" -le 5 ] || fail "$samples sample schemes, not 3 to 5"
echo "/usr/share/tintara/Templates: $samples sample schemes"

png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 48 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
done

for binary in "$prefix/bin/tintara" "$prefix/$libdir/tintara/libtintara_preview.so"; do
    if grep -qF "$build" "$binary" || grep -qF "$TINTARA_ROOT" "$binary"; then
        fail "$binary still names the build folder"
    fi
done

grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$APP_ID.metainfo.xml" ||
    fail "the AppStream data has no release $version"
zcat "$prefix/share/doc/tintara/changelog.gz" | head -n 1 | grep -qF "tintara ($version)" ||
    fail "the change log does not start with version $version"

echo
echo "== Desktop entry and AppStream data"
# Clean: not even a hint (one that says the program might appear twice in the menus is
# still a fault).
report=$(desktop-file-validate "$prefix/share/applications/$APP_ID.desktop" 2>&1) ||
    fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$APP_ID.metainfo.xml" 2>&1) ||
    fail "appstreamcli: $report"
! grep -E '^[EWI]:' <<<"$report" || fail "appstreamcli: $report"
echo "both clean"

echo
echo "== The scheme files' type"
# Only the prefix's data, as a desktop that has it installed would see it.
in_prefix=(env XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$work/none"
    XDG_CONFIG_HOME="$work/none" XDG_CONFIG_DIRS="$work/none" PATH="$prefix/bin:$PATH")
"${in_prefix[@]}" update-mime-database "$prefix/share/mime"
"${in_prefix[@]}" update-desktop-database "$prefix/share/applications"
scheme=$(ls "$prefix"/share/tintara/Templates/*.tnx | head -n 1)
type=$("${in_prefix[@]}" gio info -a standard::content-type "$scheme" |
    sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-tintara-scheme ] || fail "$(basename "$scheme") is of the type $type"
opener=$("${in_prefix[@]}" gio mime application/x-tintara-scheme)
grep -q "^Default application.*$APP_ID.desktop" <<<"$opener" || fail "$opener"
echo "$(basename "$scheme"): $type, opened by $APP_ID.desktop"

echo
echo "== The installed program from a read-only prefix, with a temporary home"
chmod -R a-w "$root"
home="$work/home"
mkdir "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
"${as_user[@]}" env PREFIX="$prefix" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
    XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_DIRS=/etc/xdg XDG_DATA_DIRS=/usr/share \
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" --run-installed
echo "The installed program keeps its files in the user's folders."
