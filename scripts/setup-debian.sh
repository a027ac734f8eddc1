#!/usr/bin/env bash
# Installs the Debian 12 packages Rivet Tool needs to build, test and run, when missing.
set -euo pipefail

# fonts-ipafont-gothic: the windows' Japanese monospaced font; qt6-translations-l10n: Qt's own
# texts (file dialogs, standard buttons) in Japanese; shared-mime-info and desktop-file-utils:
# the caches "関連付け" rebuilds. nlohmann-json3-dev and libcli11-dev: rivet-cli's JSON and
# arguments (header-only, needed to build only); qt6-svg-dev: the application icon, drawn from
# its SVG (the package then depends on libqt6svg6 through dpkg-shlibdeps). qt6-charts-dev: the
# optimiser's trade-off plot; Debian 12 keeps the CMake files of Qt OpenGL, which Qt Charts
# needs, in libqt6opengl6-dev.
packages=(build-essential cmake pkg-config qt6-base-dev libgtest-dev googletest libbenchmark-dev
          nlohmann-json3-dev libcli11-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
          fonts-ipafont-gothic qt6-translations-l10n bash-completion
          # The Debian package and the checks a distribution runs on it (scripts/check-package.sh)
          dpkg-dev file lintian desktop-file-utils appstream libxml2-utils shared-mime-info man-db)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
