#!/usr/bin/env bash
# Starts the built program from `make run`.
#
#     tools/run-protoscribe.sh [build-folder]
#
# The program finds HELP.TXT, the list background and the schema beside itself,
# so it runs in the caller's folder. Without a display it runs under a virtual X
# server; as root, Qt WebEngine (the help window) only starts with its sandbox
# off. On a first start, when no last file is stored, it opens the sample
# collection.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-build}
case "$build" in
  /*) ;;
  *) build="$root/$build" ;;
esac
program="$build/src/app/protoscribe"
if [ ! -x "$program" ]; then
  echo "run-protoscribe: $program is missing; build it first (make run does)" >&2
  exit 1
fi

args=()
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Protoscribe/Protoscribe.ini"
sample="$root/examples/sample-collection.xml"
if ! grep -qs '^m_XMLPath=.' "$settings" && [ -f "$sample" ]; then
  echo "run-protoscribe: first start, opening $sample"
  args+=("$sample")
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "run-protoscribe: running as root, so Qt WebEngine's sandbox is turned off"
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run-protoscribe: neither DISPLAY nor WAYLAND_DISPLAY is set;" \
       "starting Protoscribe under xvfb-run (a virtual screen nobody sees)"
  exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    "$program" "${args[@]}"
fi
exec "$program" "${args[@]}"
