#!/usr/bin/env bash
# Builds the program and starts it with a sample journal beside it.
#   ./run.sh          start on the current display
#   ./run.sh --xvfb   start on a virtual display (for machines without one)
set -euo pipefail
cd "$(dirname "$0")"
source ./tools/setup.sh
ormel_install_packages
ormel_build

bin=build/bin
if [ ! -x "$bin/rostrel" ]; then
  echo "The program rostrel has not been built yet." >&2
  exit 1
fi
if [ ! -f "$bin/ormeldata.txt" ] && [ -x build/tools/make_sample_journal ]; then
  build/tools/make_sample_journal "$bin/ormeldata.txt"
fi

if [ "${1:-}" = "--xvfb" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/rostrel"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show the program on. Start it on a desktop, or run ./run.sh --xvfb" >&2
  echo "to start it on a virtual display." >&2
  exit 1
fi
exec "$bin/rostrel"
