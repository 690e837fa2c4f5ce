#!/usr/bin/env bash
# The installed program and library, as a packager and a programmer using
# Tessaly meet them.
#
#   InstallTest.sh install BUILD_DIR CXX_COMPILER   `cmake --install` into a fresh prefix, the
#       desktop's validators, a program built against Tessaly with pkg-config and find_package
#   InstallTest.sh package BUILD_DIR VERSION        the Debian packages: names, dependencies, contents
# (No `cmd | grep -q` under pipefail: grep leaving early can fail the pipe.)
set -euo pipefail
mode=$1 build=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
app=org.quillory.Quillory

if [[ $mode == install ]]; then
  cxx=$3 prefix=$work/prefix
  cmake --install "$build" --prefix "$prefix" >/dev/null
  for file in bin/quillory lib/quillory/libQuilloryWebView.so lib/quillory/libQuilloryWebTools.so \
              share/quillory/Quillory.xsl share/quillory/quilloryNews.xsl share/quillory/AddPicture.bmp \
              include/tessaly/VantorelTessaly.h; do
    [[ -f $prefix/$file ]] || fail "$file is not installed"
  done
  libs=$(ldd "$prefix/bin/quillory")
  grep -q "not found" <<<"$libs" && fail "the program misses: $(grep 'not found' <<<"$libs")"
  grep -q "libTessaly.so.1 => $prefix/" <<<"$libs" || fail "the program does not take Tessaly from the prefix"

  desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop-file-validate refuses the entry"
  grep -qx 'Exec=quillory' "$prefix/share/applications/$app.desktop" || fail "the entry does not start bin/quillory"
  appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" || fail "appstreamcli refuses the metainfo"
  for size in 16 32 48 64 128 256; do  # width and height from the PNG header
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }') || true
    [[ $dims == "${size}x${size}" ]] || fail "the ${size} pixel icon is '$dims'"
  done

  pc=$(find "$prefix" -name tessaly.pc)
  libdir=$(dirname "$(dirname "$pc")")
  [[ $(objdump -p "$libdir/libTessaly.so" | awk '/SONAME/ { print $2 }') == libTessaly.so.1 ]] || fail "Tessaly's soname"
  export PKG_CONFIG_PATH=$(dirname "$pc")
  "$cxx" -std=c++17 -o "$work/by-pkg-config" "$here/TessalyUser.cpp" $(pkg-config --cflags --libs tessaly) &&
    out=$(LD_LIBRARY_PATH=$(pkg-config --variable=libdir tessaly) "$work/by-pkg-config" "$work/a.xml") &&
    [[ $out == "Les Brumes de Kerlann 4" ]] || fail "the program built with pkg-config: '${out:-}'"
  out=""
  cmake -S "$here/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null &&
    cmake --build "$work/consumer" >/dev/null && out=$("$work/consumer/tessaly_user" "$work/b.xml") &&
    [[ $out == "Les Brumes de Kerlann 4" ]] || fail "the program built with find_package(Tessaly): '$out'"
  grep -q "libTessaly.so.1 => $libdir/" <<<"$(ldd "$work/consumer/tessaly_user")" || fail "find_package gives another Tessaly"
else
  version=$3
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; exit 1; }
  program=$work/quillory_${version}_amd64.deb development=$work/libtessaly-dev_${version}_amd64.deb
  [[ -f $program && -f $development ]] || { ls "$work" >&2; exit 1; }
  depends=$(dpkg-deb -f "$program" Depends)
  echo "quillory depends on: $depends"
  for package in libwxgtk3.2-1 libwxgtk-webview3.2-1 libcurl4 libxml2 libxslt1.1 libjpeg62-turbo wx3.2-i18n; do
    grep -q "\\b$package\\b" <<<"$depends" || fail "quillory does not depend on $package"
  done
  grep -qi tessaly <<<"$depends" && fail "quillory depends on Tessaly, which it carries"
  [[ $(dpkg-deb -f "$development" Depends) == "quillory (= $version)" ]] || fail "libtessaly-dev's dependency"
  contents=$(dpkg-deb -c "$program" | awk '{ print $6 }')
  for file in ./usr/bin/quillory ./usr/lib/libTessaly.so.1 ./usr/lib/quillory/libQuilloryWebView.so \
              ./usr/share/applications/$app.desktop ./usr/share/icons/hicolor/256x256/apps/$app.png; do
    grep -qx "$file" <<<"$contents" || fail "quillory lacks $file"
  done
  grep -q include <<<"$contents" && fail "quillory carries development files"
  grep -q '/usr/lib/pkgconfig/tessaly.pc$' <<<"$(dpkg-deb -c "$development")" || fail "libtessaly-dev lacks tessaly.pc"
  # Unpacked anywhere, the program finds Tessaly beside it and the rest on the system.
  dpkg-deb -x "$program" "$work/root"
  libs=$(ldd "$work/root/usr/bin/quillory")
  grep -q "not found" <<<"$libs" && fail "the packaged program misses: $(grep 'not found' <<<"$libs")"
  grep -q "libTessaly.so.1 => $work/root/usr/" <<<"$libs" || fail "the packaged program does not take its Tessaly"
fi
exit $((failures > 0))
