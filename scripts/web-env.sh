# SPDX-License-Identifier: MIT
# What the web edition's build needs around Debian's Emscripten. Sourced by scripts/build-web and
# scripts/test-web after scripts/packages.sh.

# npm: Debian's package, unless the installed Node.js brings its own.
command -v npm >/dev/null 2>&1 || velkaro_need_packages npm
# Emscripten builds its system libraries on first use into its cache, which Debian keeps under
# /usr/share: a user who may not write there gets a cache of their own in the build tree.
if [ -z "${EM_CACHE:-}" ] && [ ! -w "$(em-config CACHE 2>/dev/null || echo /)" ]; then
    export EM_CACHE="$PWD/build/emscripten-cache"
    mkdir -p "$EM_CACHE"
fi
