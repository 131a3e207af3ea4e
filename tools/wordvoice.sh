#!/usr/bin/env bash
# wordvoice.sh WORDLIST OUTDIR: speaks the reading of every word of a Shift-JIS word list into
# OUTDIR/<kanji>.wav (UTF-8 file names), ready for the game's sound service: 16-bit mono PCM at
# 22,050 Hz, silence trimmed, peak-normalised to -3 dBFS, with short fades so nothing clicks.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: wordvoice.sh WORDLIST OUTDIR" >&2
  exit 2
fi
words=$1
out=$2
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A little slower and higher than espeak-ng's default: the listener is a small child.
speak() {
  espeak-ng -v ja -s 120 -p 60 -w "$work/raw.wav" -- "$1"
}

# Trims silence at both ends (espeak-ng pads each utterance), then pads a little back. The fade
# out is a fade in of the reversed sound: after trimming, sox no longer knows the length.
finish() {
  sox "$work/raw.wav" -r 22050 -c 1 -b 16 -e signed-integer "$1" \
    silence 1 0.02 0.5% reverse silence 1 0.02 0.5% fade t 0.05 reverse fade t 0.01 \
    gain -n -3 pad 0.05 0.1
}

# Each word is three lines: kanji, reading, English gloss. The list is Shift-JIS.
iconv -f CP932 -t UTF-8 "$words" | tr -d '\r' | paste - - - |
  while IFS=$'\t' read -r kanji reading _; do
    [ -n "$kanji" ] && [ -n "$reading" ] || continue
    speak "$reading"
    finish "$out/$kanji.wav"
  done
