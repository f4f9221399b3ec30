#!/usr/bin/env bash
# CPU used while playing the demo card's front/rear MP4 pair: the viewer (with its web engine
# processes) against two bare mpv processes playing the same two converted files. Prints CPU
# ticks over 8 s for each. Needs xdotool and mpv (not installed by the set-up script); run as
#   xvfb-run -a -s "-screen 0 1100x760x24" bench/compare-playback-cpu.sh build/release
set -euo pipefail
build=${1:-build/debug}
card=$(mktemp -d)/card
"$build/src/cli/velmora-cli" democard "$card" >/dev/null
ticks() { awk '{print $14+$15}' "/proc/$1/stat"; }
tree() {
  local total=0 pid
  for pid in "$1" $(pgrep -f QtWebEngineProcess || true); do total=$((total + $(ticks "$pid"))); done
  echo "$total"
}
"$build/src/app/window/velmora" --card "$card" >/dev/null 2>&1 &
viewer=$!
sleep 5
xdotool mousemove 100 170 click --repeat 2 1 # the first rows are the saved copy, then the pair's front
sleep 3
before=$(tree "$viewer"); sleep 8; after=$(tree "$viewer")
echo "viewer: $((after - before)) ticks"
kill "$viewer"
converted=$(ls -d ~/Documents/Velmora/temp_video/*_F_*/ | tail -1)
mpv --no-config --vo=x11 --ao=null --loop=inf "$converted"*_f.mov >/dev/null 2>&1 &
m1=$!
mpv --no-config --vo=x11 --ao=null --loop=inf "$converted"*_r.mov >/dev/null 2>&1 &
m2=$!
sleep 3
before=$(($(ticks $m1) + $(ticks $m2))); sleep 8; after=$(($(ticks $m1) + $(ticks $m2)))
echo "two mpv: $((after - before)) ticks"
kill $m1 $m2
