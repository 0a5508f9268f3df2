#!/usr/bin/env bash
# Makes the Debian package of a build with cpack, in a folder of its own, and checks it: exactly the
# files expected, the version, dependencies found by dpkg-shlibdeps, and a desktop entry and an AppStream
# description that the desktop's own validators accept and that name the program and icon shipped.
# Usage: verifier_paquet.sh BUILD-FOLDER EXPECTED-FILES VERSION
set -euo pipefail

build=$1 expected=$2 version=$3
id=io.github.pensoir.Pensoir
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
packages=("$work"/pensoir_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "no single pensoir_*.deb in: $(ls "$work")"
deb=${packages[0]}
[ "$(basename "$deb")" = "pensoir_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "unexpected package name $(basename "$deb")"

# Files and links, not folders: nothing missing, nothing more (a test program or a header would show).
diff -u "$expected" <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort) ||
    fail "the package's files differ from $expected"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = pensoir ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version: $(field Version)"
depends=$(field Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libcanberra0; do
    grep -qE "(^|, )$library( |,|$)" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$work/root
dpkg-deb --extract "$deb" "$root"
[ -x "$root/usr/bin/pensoir" ] || fail "the program is not executable"
# Only the system's libraries: a search path would point into the build machine's folders.
! grep -qE 'RPATH|RUNPATH' <<<"$(readelf -d "$root/usr/bin/pensoir")" || fail "the program carries a search path"
entry=$root/usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli refused the metainfo"

# What the menu entry starts and shows is in the package.
grep -qx 'Exec=pensoir' "$entry" || fail "the entry does not start pensoir: $(grep '^Exec=' "$entry")"
grep -qx "Icon=$id" "$entry" || fail "the entry's icon is not $id"
grep -qx 'Categories=Utility;' "$entry" || fail "the entry is not in the Utility category"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"
grep -q '^[[:space:]]*<svg' "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "the icon is not SVG"
echo "ok: $(basename "$deb"), Depends: $depends"
