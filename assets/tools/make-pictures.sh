#!/bin/sh
# SPDX-License-Identifier: MIT
# Rebuilds the generated pictures in assets/ (pictures/start.png, velkaro.ico, linux/icons/*.png)
# with velkaro-draw-pictures. Run it after editing assets/tools/draw_pictures.cpp or
# assets/pictures/icon32.xpm / icon16.xpm, look at the results, and commit them.
set -eu
assets=$(cd "$(dirname "$0")/.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$assets/tools" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/velkaro-draw-pictures" "$assets"
echo "Pictures written to $assets"
