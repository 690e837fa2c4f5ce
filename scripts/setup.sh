#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing), then
# configures and builds the project in build/. Safe to run again: it is quiet
# when there is nothing to install.
#
#   scripts/setup.sh            normal build in build/
#   scripts/setup.sh --asan     also the clang + AddressSanitizer build of the
#                               toolkit-free code in build-asan/ (used by the tests)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libwxgtk3.2-dev libwxgtk-webview3.2-dev libwebkit2gtk-4.0-dev wx3.2-i18n
  libcurl4-openssl-dev libxml2-dev libxslt1-dev libjpeg-dev
  libx11-dev xvfb xauth xdotool openbox x11-utils fonts-dejavu-core locales poppler-utils
  zlib1g-dev desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""; [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# French dates and stock labels in the GUI need a French locale.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
  sudo=""; [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORY_WITH_GUI=ON \
  -DQUILLORY_BUILD_TESTS=ON -DQUILLORY_BUILD_BENCH=ON >/dev/null
cmake --build build

if [[ "${1:-}" == "--asan" ]]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQUILLORY_WITH_GUI=OFF -DQUILLORY_SANITIZE=ON -DQUILLORY_BUILD_BENCH=OFF \
    -DQUILLORY_FUZZ=ON >/dev/null
  cmake --build build-asan
fi
