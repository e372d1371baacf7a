#!/bin/sh
# Renders the pictures in docs/screenshots offscreen, from a build of the
# tarniw-screenshots target. Usage: docs/make-screenshots.sh [build-dir] [shot.png...]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ $# -gt 0 ] && shift
cmake --build "$build" --target tarniw-screenshots
QT_QPA_PLATFORM=offscreen "$build/demo/tarniw-screenshots" "$root/docs/screenshots" "$@"
