# SPDX-License-Identifier: MIT
# Installs the Debian packages named as arguments that are not installed yet.
# Quiet when everything is there. Sourced by the play and test scripts, with
# the helpers of scripts/lib.sh they use besides.

# shellcheck source=scripts/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

velkaro_need_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "velkaro: these packages are missing, install them as root: ${missing[*]}" >&2
            return 1
        fi
    fi
    echo "velkaro: installing ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -qq >/dev/null &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
            --no-install-recommends "${missing[@]}" >/dev/null
}

# What building and playing needs: compiler, CMake, Qt 6 Widgets, the X11
# client library (to ask the window manager for its frame), an Arabic Naskh
# face (Amiri) to stand in for Traditional Arabic.
VELKARO_BUILD_PACKAGES=(g++ make cmake qt6-base-dev libgl-dev libxcb1-dev fonts-hosny-amiri)
# What the tests need besides: the Windows resource compiler, the desktop
# metadata checkers, and an X server with xwininfo for one start-up on X.
VELKARO_TEST_PACKAGES=(binutils-mingw-w64-x86-64 appstream desktop-file-utils fonts-dejavu-core
    xvfb x11-utils xauth openbox qt6-base-private-dev doctest-dev)
# What building the Debian package needs besides (scripts/package): Debian's packaging tools,
# the metadata checkers its tests use, and lintian to check the result.
VELKARO_PACKAGE_PACKAGES=(dpkg-dev debhelper appstream desktop-file-utils xvfb openbox lintian)
# What cross-building the Windows program needs (scripts/build-windows): Debian's MinGW-w64 with
# posix threads, and CMake.
VELKARO_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 make cmake)
# What its tests need besides (scripts/test-windows): Wine and its own fonts, a virtual X screen,
# doctest, the Arabic faces that stand in for Traditional Arabic, and ImageMagick for the
# screenshots.
VELKARO_WINDOWS_TEST_PACKAGES=(wine wine64 fonts-wine xvfb x11-utils doctest-dev fonts-hosny-amiri
    fonts-dejavu-core imagemagick)
# What making the Windows zip and setup program needs besides (scripts/package-windows).
VELKARO_WINDOWS_PACKAGE_PACKAGES=(nsis zip)
# What their tests need besides (the CTest label "installer"): Wine (64-bit only on Debian), Xvfb,
# the MinGW-w64 compiler for the tests' two small Windows programs, and the tools that read the
# zip, the windows and the setup's resources.
VELKARO_INSTALLER_TEST_PACKAGES=(nsis zip unzip wine wine64 xvfb x11-utils icoutils
    g++-mingw-w64-x86-64-posix)
# What building the web edition needs (scripts/build-web): Debian's Emscripten and Node.js,
# CMake, fonttools with Brotli for the WOFF2 subset of Amiri, and Amiri itself. npm comes with
# Debian's package npm or with another build of Node.js (see scripts/web-env.sh).
VELKARO_WEB_PACKAGES=(emscripten nodejs cmake make python3 fonttools python3-brotli fonts-hosny-amiri)
# What its tests need besides (scripts/test-web): Chromium, run headless.
VELKARO_WEB_TEST_PACKAGES=(chromium)
