#!/usr/bin/env bash
# package.sh CPACK BUILD_DIR
# Builds the Debian package from the build folder and checks what it holds: the program, its
# data and desktop files, no test or benchmark programs, dependencies read from the binary,
# and one version everywhere. Exits 77 (skipped) without dpkg-deb and dpkg-shlibdeps.
set -euo pipefail
cpack=$1
build=$(cd "$2" && pwd)
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

out=$build/package-test
rm -rf "$out"
(cd "$build" && "$cpack" -G DEB -B "$out" >"$build/package-test.log" 2>&1) ||
    { cat "$build/package-test.log"; exit 1; }
version=$("$build/bin/tessel" --version | sed 's/^Tessel //')
deb=$out/tessel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $deb; made: $(ls "$out")"; exit 1; }

failed=0
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in \
    usr/bin/tessel \
    usr/share/tessel/Configs/Quake2/q2keys.txt \
    usr/share/tessel/Configs/Quake3/q3cvars.txt \
    usr/share/tessel/Configs/Quake3/q3cvars.tsv \
    usr/share/tessel/Help/Introduction.htm \
    usr/share/applications/tessel.desktop \
    usr/share/metainfo/io.github.tessel.Tessel.metainfo.xml \
    usr/share/mime/packages/tessel.xml \
    usr/share/man/man1/tessel.1.gz \
    usr/share/bash-completion/completions/tessel \
    usr/share/icons/hicolor/scalable/apps/tessel.svg \
    usr/share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/tessel.png; do
    grep -qx "\./$path" <<<"$contents" || { echo "missing: /$path"; failed=1; }
done
if grep -E '/(tst_|bench_)[^/]*$' <<<"$contents"; then
    echo "test or benchmark programs are packaged"
    failed=1
fi

field() { dpkg-deb -f "$deb" "$1"; }
check() { [ "$2" = "$3" ] || { echo "$1: '$3', expected '$2'"; failed=1; }; }
check Package tessel "$(field Package)"
check Version "$version" "$(field Version)"
check Section games "$(field Section)"
grep -q 'libqt6widgets6' <<<"$(field Depends)" || { echo "Depends lacks Qt: $(field Depends)"; failed=1; }
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || { echo "no maintainer or description"; failed=1; }

packaged() { dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./$1"; }
metainfo=$(packaged usr/share/metainfo/io.github.tessel.Tessel.metainfo.xml)
grep -q "<release version=\"$version\"" <<<"$metainfo" || { echo "metainfo has no release $version"; failed=1; }
launchable=$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<.*/\1/p' <<<"$metainfo")
grep -qx "\./usr/share/applications/$launchable" <<<"$contents" ||
    { echo "metainfo launches '$launchable', which is not packaged"; failed=1; }
grep -q "\"Tessel $version\"" <<<"$(packaged usr/share/man/man1/tessel.1.gz | gzip -dc)" ||
    { echo "manual page is not of version $version"; failed=1; }
exit $failed
