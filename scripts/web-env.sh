# SPDX-License-Identifier: MIT
# What the web edition's build needs around Debian's Emscripten. Sourced by scripts/build-web,
# scripts/test-web and bench/web/run after scripts/packages.sh.

# npm: Debian's package, unless the installed Node.js brings its own.
command -v npm >/dev/null 2>&1 || velkaro_need_packages npm
# Emscripten builds its system libraries on first use into its cache, which Debian keeps under
# /usr/share. Where this user may not write there and the libraries the game links are not there
# yet, the user gets a cache of their own in the build tree (built once, in some minutes).
velkaro_emscripten_cache() {
    [ -n "${EM_CACHE:-}" ] && return 0
    [ -w "$(em-config CACHE 2>/dev/null || echo /)" ] && return 0
    local probe
    probe=$(mktemp -d)
    echo 'int main() { return 0; }' >"$probe/probe.cpp"
    if ! NODE_PATH=/usr/share/nodejs em++ -std=c++20 -Os -sFILESYSTEM=0 -sMALLOC=emmalloc \
        -sENVIRONMENT=web "$probe/probe.cpp" -o "$probe/probe.js" >/dev/null 2>&1; then
        export EM_CACHE="$PWD/build/emscripten-cache"
        mkdir -p "$EM_CACHE"
    fi
    rm -rf "$probe"
}
velkaro_emscripten_cache
