#!/usr/bin/env bash
# The Debian packages as `cpack -G DEB` makes them: their names, the
# dependencies computed from the libraries the files link, their contents, and
# the program of the unpacked package finding every library it needs.
#
#   PackageTest.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}
program=$work/quillory_${version}_amd64.deb
development=$work/libtessaly-dev_${version}_amd64.deb
[[ -f $program && -f $development ]] || { ls "$work" >&2; fail "the packages are not named <name>_${version}_amd64.deb"; exit 1; }

depends=$(dpkg-deb -f "$program" Depends)
echo "quillory depends on: $depends"
for library in libwxgtk3.2-1 libwxbase3.2-1 libwxgtk-webview3.2-1 libcurl4 libxml2 libxslt1.1 \
               libjpeg62-turbo libstdc++6 wx3.2-i18n; do
  grep -q "\\b$library\\b" <<<"$depends" || fail "quillory does not depend on $library"
done
grep -qi tessaly <<<"$depends" && fail "quillory depends on Tessaly, which it carries"
[[ $(dpkg-deb -f "$development" Depends) == "quillory (= $version)" ]] ||
  fail "libtessaly-dev depends on '$(dpkg-deb -f "$development" Depends)'"

contents=$(dpkg-deb -c "$program" | awk '{ print $6 }')
for file in ./usr/bin/quillory ./usr/lib/libTessaly.so.1 ./usr/lib/quillory/libQuilloryWebView.so \
            ./usr/lib/quillory/libQuilloryWebTools.so ./usr/share/quillory/Quillory.xsl \
            ./usr/share/applications/org.quillory.Quillory.desktop \
            ./usr/share/metainfo/org.quillory.Quillory.metainfo.xml \
            ./usr/share/icons/hicolor/256x256/apps/org.quillory.Quillory.png; do
  grep -qx "$file" <<<"$contents" || fail "quillory lacks $file"
done
grep -q include <<<"$contents" && fail "quillory carries development files"
contents=$(dpkg-deb -c "$development" | awk '{ print $6 }')
for file in ./usr/include/tessaly/VantorelTessaly.h ./usr/lib/libTessaly.so ./usr/lib/pkgconfig/tessaly.pc \
            ./usr/lib/cmake/Tessaly/TessalyConfig.cmake; do
  grep -qx "$file" <<<"$contents" || fail "libtessaly-dev lacks $file"
done

# Unpacked anywhere, the program finds Tessaly beside it and the rest on the system.
dpkg-deb -x "$program" "$work/root"
libs=$(ldd "$work/root/usr/bin/quillory")
grep -q "not found" <<<"$libs" && fail "the packaged program misses: $(grep 'not found' <<<"$libs")"
grep -q "libTessaly.so.1 => $work/root/usr/" <<<"$libs" || fail "the packaged program does not take its Tessaly"

((failures == 0)) || exit 1
echo "packages in order: $(basename "$program") $(basename "$development")"
