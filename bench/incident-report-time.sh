#!/usr/bin/env bash
# Wall time of a whole incident report of a one-minute front/rear MP4 pair: conversion (in a fresh
# working folder), the two clips, the picture, the track files, the page and the JSON. The pair is
# the demo card's 15-second pair played four times over (stream copies, subtitle sensor data kept).
# Prints the seconds of each run; run as
#   bench/incident-report-time.sh build/release
set -euo pipefail
build=${1:-build/debug}
cli="$build/src/cli/velmora-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" democard "$work/card" >/dev/null
for camera in F R; do
  part="$work/card/cont_rec/20261207_081500_$camera.mp4"
  printf "file '%s'\n" "$part" "$part" "$part" "$part" >"$work/list-$camera.txt"
  ffmpeg -v error -f concat -safe 0 -i "$work/list-$camera.txt" -map 0 -c copy "$work/20261207_090000_$camera.mp4"
done
for run in 1 2 3; do
  start=$(date +%s.%N)
  "$cli" incident "$work/20261207_090000_F.mp4" --at 30 -o "$work/report-$run" \
    --working-folder "$work/converted-$run" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "run $run: $(echo "$end - $start" | bc) s (window 15-45 s, conversion included)"
done
start=$(date +%s.%N)
"$cli" incident "$work/20261207_090000_F.mp4" --at 30 --before 30 --after 30 -o "$work/report-whole" \
  --working-folder "$work/converted-1" >/dev/null 2>&1
end=$(date +%s.%N)
echo "whole minute, conversion reused: $(echo "$end - $start" | bc) s"
python3 - "$work/report-1/report.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))
print("checked:", r["recording"], "duration", r["duration"], "samples", r["samples"], "files", len(r["files"]))
PY
