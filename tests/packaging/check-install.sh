#!/bin/sh
# Installs the build into a scratch folder and builds the Debian package, then checks that
# each puts the program, its menu entry, icon and AppStream description where a desktop
# looks for them, and that the package depends on what the program links.
#   check-install.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
src=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected="usr/bin/tarvello
usr/share/applications/org.example.Tarvello.desktop
usr/share/applications/org.example.Tarvello.Registro.desktop
usr/share/icons/hicolor/scalable/apps/org.example.Tarvello.svg
usr/share/metainfo/org.example.Tarvello.metainfo.xml"

cmake --install "$build" --prefix "$scratch/root/usr" >/dev/null
for f in $expected; do
    [ -s "$scratch/root/$f" ] || fail "cmake --install did not put $f"
done
[ -x "$scratch/root/usr/bin/tarvello" ] || fail "the installed program is not executable"
desktop-file-validate "$scratch/root/usr/share/applications/org.example.Tarvello.desktop" ||
    fail "the installed desktop entry is not valid"
appstreamcli validate --no-net --pedantic "$scratch/root/usr/share/metainfo/org.example.Tarvello.metainfo.xml" ||
    fail "the installed AppStream description is not valid"
grep -q '^Categories=.*Education' "$scratch/root/usr/share/applications/org.example.Tarvello.desktop" ||
    fail "the desktop entry is not in Education"
desktop-file-validate "$scratch/root/usr/share/applications/org.example.Tarvello.Registro.desktop" ||
    fail "the installed register's desktop entry is not valid"
grep -qx 'Exec=tarvello --registro-insegnante' "$scratch/root/usr/share/applications/org.example.Tarvello.Registro.desktop" ||
    fail "the register's desktop entry does not open the register"
grep -q '^Name\[it\]=' "$scratch/root/usr/share/applications/org.example.Tarvello.desktop" ||
    fail "the desktop entry has no Italian name"
grep -q '^Comment\[it\]=' "$scratch/root/usr/share/applications/org.example.Tarvello.desktop" ||
    fail "the desktop entry has no Italian comment"

(cd "$build" && cpack -B "$scratch/pkg" >/dev/null) || fail "cpack could not build the package"
deb=$(ls "$scratch"/pkg/tarvello_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
for f in $expected; do
    echo "$contents" | grep -qx "$f" || fail "the package lacks $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
# Read off the binary: the Qt libraries it links and the C library, with versions.
for lib in libqt6widgets6 libcups2 libqt6svg6 libc6 libstdc++6; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
echo "$depends" | grep -q 'libc6 (>= ' || fail "Depends does not come from the binary: $depends"
echo "install and package: ok"
