#!/usr/bin/env bash
# Writes the figures of every preset, drive, chamber and element size, a few sweeps
# (with their CSV files) and the SVG templates into a folder, one file each, so that
# two builds can be compared byte for byte:
#   scripts/figures-reference.sh build/brisko-figures /tmp/before
#   scripts/figures-reference.sh build/brisko-figures /tmp/after
#   diff -r /tmp/before /tmp/after
set -euo pipefail
tool=${1:?usage: figures-reference.sh FIGURES-TOOL OUT-DIR}
out=${2:?usage: figures-reference.sh FIGURES-TOOL OUT-DIR}
mkdir -p "$out"
presets=("Default Design" "Racer" "Pickup" "Tow Truck" "Wheelie")
for p in "${presets[@]}"; do
  tag=${p// /_}
  for d in RWD FWD AWD; do
    for c in circular octagonal; do
      for e in 2 3 4 5 7 9 12 18 27 36 50 72; do
        "$tool" --preset "$p" --drive "$d" --chamber "$c" --element "$e" \
          > "$out/fig-$tag-$d-$c-$e.txt"
      done
    done
  done
  "$tool" --preset "$p" --sweep --csv "$out/sweep-$tag.csv" > "$out/sweep-$tag.txt"
  "$tool" --preset "$p" --sweep --sw 0.5,2.5,0.5 --sl 12,60,6 --dw 2,7.5,0.5 \
    --csv "$out/sweepwide-$tag.csv" > "$out/sweepwide-$tag.txt"
  mkdir -p "$out/svg-$tag"
  "$tool" --preset "$p" --drive AWD --export-svg "$out/svg-$tag" > /dev/null
done
