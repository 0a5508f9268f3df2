#!/usr/bin/env bash
# Installs the Debian 12 packages Pensoir needs: to build and run it (the alarm's sound comes from the
# desktop's sound theme through libcanberra); with --tests to run every test too (the Debian package's
# check among them); with --fuzz to fuzz its file readers (scripts/fuzz.sh); with --package to make its
# Debian package (scripts/package.sh). As root it installs what is missing with apt-get; otherwise it
# names the missing packages.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libcanberra-dev
    sound-theme-freedesktop)
case "${1:-}" in
--tests)
    packages+=(xvfb xauth x11-utils x11-xserver-utils xdotool openbox trayer imagemagick poppler-utils
        faketime fonts-dejavu-core locales desktop-file-utils appstream dpkg-dev xclip libxcb1-dev
        libxcb-xfixes0-dev libxcb-damage0-dev)
    ;;
--fuzz)
    packages+=(clang libclang-rt-14-dev)
    ;;
--package)
    packages+=(dpkg-dev)
    ;;
esac

# The end-to-end journeys run as a French user.
french_locale() {
    [ "${1:-}" = "--tests" ] || return 0
    locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$' && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "The French locale is missing: add fr_FR.UTF-8 to /etc/locale.gen and run locale-gen" >&2
        return 1
    fi
    sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    french_locale "${1:-}"
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get -o DPkg::Lock::Timeout=300 update -q
apt-get -o DPkg::Lock::Timeout=300 install -y -q "${missing[@]}"
french_locale "${1:-}"
