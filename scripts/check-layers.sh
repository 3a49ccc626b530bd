#!/usr/bin/env bash
# Checks that the folders of src/ include one another in one direction only, from the top down:
#
#   main.cpp CommandLine.*          the entry point and its command line (the top of src/)
#   mainwindow/                     the main window
#   picker/ page/ files/ windows/   widgets and logic of one subject each
#   platform/                       the platform's services, backed by Qt
#   colour/                         the colour model, the colour texts, the page scheme
#
# A file may include headers of its own folder and of the layers below its own; never of a
# layer above, nor of another folder of its own layer. Fails with the offending lines.
#
#   scripts/check-layers.sh            the check
#   scripts/check-layers.sh --graph    the includes between folders, counted: "from -> to count"
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

rank() {
    case "$1" in
    main.cpp) echo 5 ;;
    mainwindow) echo 4 ;;
    picker | page | files | windows) echo 3 ;;
    platform) echo 2 ;;
    colour) echo 1 ;;
    *) echo 0 ;;
    esac
}

# "file folder included-header" for every include of a header in a folder of src/.
includes() {
    grep -rnoE '^#include "[a-z]+/[^"]+"' --include='*.cpp' --include='*.h' . |
        sed -E 's#^\./##; s#^([^:]+):([0-9]+):\#include "([a-z]+)/.*"$#\1:\2 \3#'
    # A header at the top of src/ is the entry point's.
    grep -rnoE '^#include "[A-Za-z]+\.h"' --include='*.cpp' --include='*.h' . |
        sed -E 's#^\./##; s#^([^:]+):([0-9]+):\#include "(.*)"$#\1:\2 \3#' |
        while read -r place header; do
            if [ -f "$header" ]; then echo "$place main.cpp"; fi
        done
}

if [ "${1:-}" = "--graph" ]; then
    includes | awk '{ split($1, p, "/"); from = (p[2] == "" ? "main.cpp" : p[1]);
                      sub(/:.*/, "", from); if (from != $2) print from " -> " $2 }' |
        sort | uniq -c | awk '{ print $2, $3, $4, $1 }'
    exit 0
fi

layers="main.cpp > mainwindow/ > picker/ page/ files/ windows/ > platform/ > colour/"
bad=0
while read -r place to; do
    file=${place%%:*}
    from=${file%%/*}
    [ "$from" = "$file" ] && from=main.cpp # a file at the top of src/: the entry point's layer
    [ "$from" = "$to" ] && continue
    r_from=$(rank "$from")
    r_to=$(rank "$to")
    if [ "$r_from" -eq 0 ] || [ "$r_to" -eq 0 ]; then
        echo "src/$place: include of $to/ from $from: a folder the layering does not know" >&2
        bad=1
    elif [ "$r_to" -ge "$r_from" ]; then
        echo "src/$place: $from/ includes $to/, which does not lie below it" >&2
        bad=1
    fi
done < <(includes)
if [ "$bad" -ne 0 ]; then
    echo "Includes run only downwards: $layers" >&2
    exit 1
fi
echo "Includes run one way: $layers"
