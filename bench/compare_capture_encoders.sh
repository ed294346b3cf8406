#!/usr/bin/env bash
# Encodes the same full-HD capture picture with the program's encoders and with ImageMagick's
# convert, PNG and JPEG (quality 75 and 0), and prints the times and sizes side by side.
# usage: bench/compare_capture_encoders.sh [build-bench]   (needs a display: run under Xvfb)
set -euo pipefail
dir=${1:-build-bench}
bench="$dir/bench_capture"
# The real ImageMagick, not a wrapper that may sit earlier on the PATH.
magick=/usr/bin/convert
[ -x "$magick" ] || magick=$(command -v convert)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bench" --write-picture "$work/picture.bmp"

ours=$("$bench" --benchmark_filter='encode/(PNG|JPG75|JPG0)$' --benchmark_min_time=0.5 --benchmark_format=csv 2>/dev/null)

median_ms() { # command...: median wall time of 7 runs, in ms
    local t=()
    for _ in 1 2 3 4 5 6 7; do
        local s=$(date +%s%N); "$@" >/dev/null 2>&1; local e=$(date +%s%N)
        t+=($(( (e - s) / 1000 )))
    done
    printf '%s\n' "${t[@]}" | sort -n | sed -n 4p | awk '{printf "%.1f", $1 / 1000}'
}
decode_ms=$(median_ms "$magick" "$work/picture.bmp" "$work/null.ppm")

printf '%-10s %14s %10s %16s %10s\n' format "tintavo ms" "KiB" "convert ms" "KiB"
compare() { # name extension convert-options...
    local name=$1 ext=$2; shift 2
    local line our_ms our_kib conv_ms conv_kib
    line=$(echo "$ours" | grep "\"encode/$name\"")
    our_ms=$(echo "$line" | cut -d, -f3)
    our_kib=$(echo "$line" | awk -F, '{print $NF}')
    conv_ms=$(median_ms "$magick" "$work/picture.bmp" "$@" "$work/out.$ext")
    "$magick" "$work/picture.bmp" "$@" "$work/out.$ext"
    conv_kib=$(( $(stat -c %s "$work/out.$ext") / 1024 ))
    printf '%-10s %14.1f %10.0f %16s %10s\n' "$name" "$our_ms" "$our_kib" "$conv_ms" "$conv_kib"
}
compare PNG png
compare JPG75 jpg -quality 75
compare JPG0 jpg -quality 0
echo "(convert times include starting the process and reading the BMP: ${decode_ms} ms for BMP -> PPM alone)"
