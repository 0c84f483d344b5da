#!/usr/bin/env bash
# Makes a test image, encodes it with a georeference and checks what
# lumawave-info says about it; then checks the encoder's refusals.
set -euo pipefail
testimage=$1 encode=$2 info=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$testimage" 97 61 "$work/image.ppm"
"$encode" --levels 3 --origin 1000 2000 --resolution 0.5 "$work/image.ppm" "$work/image.lmw"
"$info" "$work/image.lmw" > "$work/info.txt"
for expected in "size: 97 x 61 pixels" "levels: 3 (0: 97 x 61, 1: 49 x 31, 2: 24 x 15, 3: 12 x 8)" \
                "colour scheme: YCOCG" "coding: lossless" "IMAGE::XY_ORIGIN = 1000 2000" \
                "IMAGE::X_RESOLUTION = 0.5" "blocks: 10 (10 per tile)"; do
  grep -qF "$expected" "$work/info.txt" || { echo "missing: $expected"; cat "$work/info.txt"; exit 1; }
done

"$testimage" --grey 40 30 "$work/grey.pgm"
"$encode" --quality 60 "$work/grey.pgm" "$work/grey.lmw"
"$info" "$work/grey.lmw" | grep -qF "coding: lossy" || { echo "grey image not lossy"; exit 1; }

if "$encode" --levels 12 "$work/image.ppm" "$work/x.lmw" 2> "$work/err.txt"; then
  echo "too many levels were accepted"; exit 1
fi
grep -qF "can have 0 to 6 levels" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
if "$encode" "$work/image.ppm" "$work/./image.ppm" 2> "$work/err.txt"; then
  echo "the input was overwritten"; exit 1
fi
grep -qF "would replace the input image" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
if "$info" "$work/image.ppm" 2> "$work/err.txt"; then echo "a PPM was described"; exit 1; fi
grep -qF "Error: stream does not contain a bonafide Lumawave image." "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
echo "tools end to end: all checks passed"
