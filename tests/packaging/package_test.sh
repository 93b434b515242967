#!/usr/bin/env bash
# Builds the package of a build folder with cpack, unpacks it and runs the
# quillet-calc inside, as someone installing it would.
# Usage: package_test.sh DEB|ZIP BUILD_DIR [EMULATOR...]
set -euo pipefail
generator=$1
build=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G "$generator" -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
package=$(find "$work/out" -maxdepth 1 -name "*.${generator,,}")
mkdir "$work/root"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

if [[ $generator == DEB ]]; then
    dpkg-deb -x "$package" "$work/root"
    calc=$work/root/usr/bin/quillet-calc
    for file in usr/bin/quillet usr/share/applications/quillet.desktop \
        usr/share/icons/hicolor/48x48/apps/quillet.png usr/share/icons/hicolor/scalable/apps/quillet.svg \
        usr/share/metainfo/app.quillet.Quillet.metainfo.xml usr/share/man/man1/quillet-calc.1.gz \
        usr/share/bash-completion/completions/quillet-calc usr/share/doc/quillet/copyright; do
        [[ -e $work/root/$file ]] || fail "$file is not in the package"
    done
    gzip -t "$work/root/usr/share/man/man1/quillet-calc.1.gz" || fail "the man page is not a gzip file"
    # Dependencies found by dpkg-shlibdeps, not written by hand.
    depends=$(dpkg-deb -f "$package" Depends)
    [[ $depends == *libc6* && $depends == *libqt6widgets6* ]] || fail "Depends: $depends"
    [[ $(dpkg-deb -f "$package" Recommends) == xdg-utils ]] || fail "xdg-utils is not recommended"
    appstreamcli validate --no-net "$work/root/usr/share/metainfo/app.quillet.Quillet.metainfo.xml" >"$work/validate.log" ||
        { cat "$work/validate.log"; fail "the AppStream metadata is not valid"; }
else
    (cd "$work/root" && cmake -E tar xf "$package")
    calc=$work/root/bin/quillet-calc.exe
fi

shown=$("$@" "$calc" convert df real-time 01:00:00.00) || fail "quillet-calc did not run"
[[ $shown == 01:00:00.00 ]] || fail "quillet-calc printed '$shown'"
echo "$failures failed"
exit $((failures > 0))
