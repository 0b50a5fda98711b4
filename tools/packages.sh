# Corvane — SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages named as arguments that are not installed yet.
# Sourced by start.sh and test.sh; uses sudo when not run as root.
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building Corvane needs.
# qt6-translations-l10n: Qt's own dialogs (colours, files) in the user's language.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev libgl-dev
                fonts-dejavu-core fonts-liberation2 qt6-translations-l10n)
# What the tests need besides.
# xvfb dbus-daemon openbox xdotool x11-utils python3-dbus python3-gi: the tray test runs the
# program on Xvfb beside a stand-in StatusNotifierWatcher on its own session bus.
# appstream, groff-base: the validators of the installed metadata and manual pages;
# dpkg-dev, file: what cpack needs to find the Debian package's library dependencies.
# trayer imagemagick at-spi2-core python3-pyatspi besides: the end-to-end test uses a tray
# host, takes screenshots and reads the accessibility tree (xprop, xwininfo: x11-utils).
TEST_PACKAGES=(libgtest-dev libbenchmark-dev python3 clang-format desktop-file-utils
               xvfb dbus-daemon openbox xdotool x11-utils python3-dbus python3-gi
               appstream groff-base dpkg-dev file
               trayer imagemagick at-spi2-core python3-pyatspi)
