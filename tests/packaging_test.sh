#!/bin/sh
# Checks the installed layout and the Debian package against one list of
# files. Usage: packaging_test.sh install|package BUILD_DIR APPLICATION_ID
#   install  installs with DESTDIR under /usr, compares the files and starts
#            the installed program headless;
#   package  builds the .deb with CPack, compares its files and Depends.
set -eu

mode=$1
build=$2
id=$3

work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every language with pages of its own has a folder of them here.
languages=$(cd "$(dirname "$0")/../resources/languages" 2>/dev/null && pwd || echo /nonexistent)

# The pages and texts, in English and in each language with pages of its own.
shipped_pages() {
    cat <<LIST
ReadMe.txt
Support.txt
html/mbrows.html
help/choose_pupil.html
help/class_overview.html
help/language.html
help/mhelp.html
help/missing_number.html
help/missing_operation.html
help/my_facts.html
help/my_progress.html
help/practice.html
help/report.html
help/restore_backup.html
help/settings.html
help/time_trial.html
help/worksheet.html
worksheets/worktutorial.html
LIST
}

expected_files() {
    share=usr/share/$id
    {
        shipped_pages | sed "s|^|$share/|"
        for folder in "$languages"/*/; do
            [ -d "$folder" ] || continue
            shipped_pages | sed "s|^|$share/languages/$(basename "$folder")/|"
        done
        cat <<LIST
usr/bin/orvi-class-server
usr/bin/orvi-math-tutor
usr/share/applications/$id.desktop
usr/share/metainfo/$id.metainfo.xml
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/doc/orvi-math-tutor/copyright
LIST
        for size in 16 22 24 32 48 64 128 256; do
            echo "usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
        done
    } | LC_ALL=C sort
}

# compare_files WHAT ACTUAL_LIST
compare_files() {
    expected_files >"$work/expected"
    if ! diff -u "$work/expected" "$2" >&2; then
        fail "$1 differ from the expected list (- missing, + not expected)"
    fi
}

list_tree() {
    (cd "$1" && find . ! -type d) | sed 's|^\./||' | LC_ALL=C sort
}

run_log() {
    cat "$1" >&2
    shift
    fail "$@"
}

case "$mode" in
install)
    root=$work/root
    DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
        run_log "$work/install.log" "cmake --install failed"
    list_tree "$root" >"$work/installed"
    compare_files "installed files" "$work/installed"

    # The splash shows for 3 s, then the main window: 4 s covers both.
    home=$work/home
    mkdir -p "$home"
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        XDG_CACHE_HOME=$home/.cache XDG_STATE_HOME=$home/.local/state \
        QT_QPA_PLATFORM=offscreen "$root/usr/bin/orvi-math-tutor" >"$work/run.log" 2>&1 &
    pid=$!
    sleep 4
    if ! kill -0 "$pid" 2>/dev/null; then
        status=0
        wait "$pid" || status=$?
        pid=""
        run_log "$work/run.log" "the installed program ended within 4 s (exit status $status)"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""

    # A run must not write into the installed tree.
    list_tree "$root" >"$work/after-run"
    compare_files "files after a run" "$work/after-run"
    ;;
package)
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
        run_log "$work/cpack.log" "cpack failed"
    set -- "$work"/out/orvi-math-tutor_*.deb
    if [ $# -ne 1 ] || [ ! -f "$1" ]; then
        run_log "$work/cpack.log" "no single orvi-math-tutor_*.deb was made"
    fi
    deb=$1

    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./||' | LC_ALL=C sort >"$work/packaged"
    compare_files "packaged files" "$work/packaged"

    [ "$(dpkg-deb -f "$deb" Package)" = orvi-math-tutor ] || fail "the package is not named orvi-math-tutor"
    depends=$(dpkg-deb -f "$deb" Depends)
    names=$(echo "$depends" | tr ',|' '\n' | sed 's/(.*//; s/[[:space:]]//g')
    for pkg in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
        qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n fonts-liberation2 fonts-comic-neue; do
        echo "$names" | grep -qxF "$pkg" || fail "Depends does not name $pkg: $depends"
    done
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: $mode"
