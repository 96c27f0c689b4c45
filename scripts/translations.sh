#!/bin/sh
# The program's translations, translations/orvi_<language>.ts.
#   update  brings every .ts file up to date with the texts in the sources
#   check   fails when a .ts file is not what "update" would make of it (a
#           text left out of translation), or when a language has an
#           unfinished or untranslated entry
# LUPDATE and LRELEASE name Qt's tools; the build passes them.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
LRELEASE=${LRELEASE:-/usr/lib/qt6/bin/lrelease}
# Every folder whose code shows texts to the user.
folders="app base classroom games help practice progress report rules session worksheet"

# lupdate over the sources into the given .ts file; no line numbers, so a
# moved line changes nothing. English is the sources' own language: its file
# holds only the texts with a count, for their singular.
run_lupdate() {
    only=
    case "$1" in
    *_en.ts) only=-pluralonly ;;
    esac
    (cd "$root" && "$LUPDATE" -silent -locations none -no-obsolete $only -extensions cpp,h \
        -I "$root" $folders -ts "$1")
}

mode=${1:-}
case "$mode" in
update)
    for ts in "$root"/translations/orvi_*.ts; do
        run_lupdate "$ts"
    done
    ;;
check)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    status=0
    for ts in "$root"/translations/orvi_*.ts; do
        name=$(basename "$ts")
        cp "$ts" "$work/$name"
        run_lupdate "$work/$name"
        if ! cmp -s "$ts" "$work/$name"; then
            echo "translations/$name is not up to date with the sources; run: make translations" >&2
            diff -u "$ts" "$work/$name" | head -40 >&2 || true
            status=1
        fi
        report=$("$LRELEASE" "$ts" -qm "$work/${name%.ts}.qm" 2>&1)
        unfinished=$(printf '%s\n' "$report" | sed -n 's/.*(\([0-9]*\) finished and \([0-9]*\) unfinished).*/\2/p')
        untranslated=$(printf '%s\n' "$report" | sed -n 's/.*Ignored \([0-9]*\) untranslated.*/\1/p')
        if [ "${unfinished:-0}" != 0 ] || [ "${untranslated:-0}" != 0 ]; then
            echo "translations/$name: ${unfinished:-0} unfinished and ${untranslated:-0} untranslated entries" >&2
            status=1
        fi
    done
    exit $status
    ;;
*)
    echo "usage: $0 update|check" >&2
    exit 2
    ;;
esac
