#!/usr/bin/env bash
# The installed program and library as a packager and a programmer using
# Tessaly meet them: `cmake --install` into a fresh prefix, what the desktop's
# own validators say of it, and a small program built against the installed
# Tessaly with pkg-config and with find_package, then run.
#
#   InstallTest.sh BUILD_DIR CXX_COMPILER
set -euo pipefail
build=$1
cxx=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

# ---- the program, its private modules and shipped data
for file in bin/quillory lib/quillory/libQuilloryWebView.so lib/quillory/libQuilloryWebTools.so \
            share/quillory/Quillory.xsl share/quillory/quilloryNews.xsl share/quillory/AddPicture.bmp; do
  [[ -f $prefix/$file ]] || fail "$file is not installed"
done
[[ -x $prefix/bin/quillory ]] || fail "bin/quillory cannot be run"
cmp -s "$here/../../resources/data/Quillory.xsl" "$prefix/share/quillory/Quillory.xsl" ||
  fail "share/quillory/Quillory.xsl is not the shipped stylesheet"
# Every library the program needs is found, Tessaly in the prefix, not in the build.
libs=$(ldd "$prefix/bin/quillory")
grep -q "not found" <<<"$libs" && fail "the program misses libraries: $(grep 'not found' <<<"$libs")"
grep -q "libTessaly.so.1 => $prefix/" <<<"$libs" || fail "the program does not take Tessaly from the prefix"

# ---- desktop entry, software centre entry, icons
desktop=$prefix/share/applications/org.quillory.Quillory.desktop
metainfo=$prefix/share/metainfo/org.quillory.Quillory.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the desktop entry"
appstreamcli validate --no-net "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo" >&2
  fail "appstreamcli refuses the metainfo file"
}
grep -qx 'Exec=quillory' "$desktop" || fail "the desktop entry does not start bin/quillory"
grep -qx 'Name=Quillory' "$desktop" || fail "the desktop entry has no name"
grep -q '<launchable type="desktop-id">org.quillory.Quillory.desktop</launchable>' "$metainfo" ||
  fail "the metainfo file does not launch the desktop entry"
png_size() {  # width x height from a PNG's header
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/org.quillory.Quillory.png
  if [[ ! -f $icon ]]; then fail "no ${size}x${size} icon"; continue; fi
  [[ $(head -c 8 "$icon" | od -An -tx1 | tr -d ' ') == 89504e470d0a1a0a ]] || fail "the ${size} icon is no PNG"
  [[ $(png_size "$icon") == "${size}x${size}" ]] || fail "the ${size} icon is $(png_size "$icon")"
done

# ---- Tessaly for other programs
pc=$(find "$prefix" -name tessaly.pc)
[[ -n $pc ]] || fail "no tessaly.pc"
libdir=$(dirname "$(dirname "$pc")")
[[ -f $prefix/include/tessaly/VantorelTessaly.h ]] || fail "the header is not in include/tessaly/"
soname=$(objdump -p "$libdir/libTessaly.so" | awk '/SONAME/ { print $2 }')
[[ $soname == libTessaly.so.1 && -f $libdir/libTessaly.so.1 ]] || fail "Tessaly's soname is '$soname'"

expected="Les Brumes de Kerlann 4"
export PKG_CONFIG_PATH=$(dirname "$pc")
"$cxx" -std=c++17 -o "$work/user-pc" "$here/TessalyUser.cpp" $(pkg-config --cflags --libs tessaly) ||
  fail "a program does not build with pkg-config's flags"
out=$(LD_LIBRARY_PATH=$(pkg-config --variable=libdir tessaly) "$work/user-pc" "$work/pc.xml") ||
  fail "the pkg-config program fails"
[[ $out == "$expected" ]] || fail "the pkg-config program printed '$out'"

cmake -S "$here/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_COMPILER="$cxx" >/dev/null || fail "find_package(Tessaly) fails"
cmake --build "$work/consumer" >/dev/null || fail "a program does not build with Tessaly::Tessaly"
out=$("$work/consumer/tessaly_user" "$work/cmake.xml") || fail "the find_package program fails"
[[ $out == "$expected" ]] || fail "the find_package program printed '$out'"
ldd "$work/consumer/tessaly_user" | grep -q "libTessaly.so.1 => $libdir/" ||
  fail "the find_package program does not use the installed Tessaly"

((failures == 0)) || exit 1
echo "installed in $prefix: all checks passed"
