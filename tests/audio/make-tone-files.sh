#!/bin/sh
# Makes the stream player's test sounds: tones made with sox, encoded with lame and oggenc.
#   make-tone-files.sh FOLDER SECONDS
# tone-stereo.mp3  44100 Hz, left 440 Hz, right 660 Hz, 128 kbit/s, ID3 tags
# tone-mono.mp3    22050 Hz, 1000 Hz, 64 kbit/s, no tags
# tone-stereo.ogg  48000 Hz, left 880 Hz, right 550 Hz, Vorbis comments
# tone-mono.ogg    22050 Hz, 1000 Hz, no comments
set -e
out=$1
seconds=${2:-3}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sox -n -r 44100 -c 2 -b 16 "$work/stereo44.wav" synth "$seconds" sine 440 sine 660 vol 0.5
sox -n -r 22050 -c 1 -b 16 "$work/mono22.wav" synth "$seconds" sine 1000 vol 0.5
sox -n -r 48000 -c 2 -b 16 "$work/stereo48.wav" synth "$seconds" sine 880 sine 550 vol 0.5

lame --quiet -b 128 --tt "Morning Tone" --ta "Test Choir" --tl "Tones" --ty 2024 --tn 3 --tg Ambient \
    --tc "made with sox" --add-id3v2 "$work/stereo44.wav" "$work/tone-stereo.mp3"
lame --quiet -b 64 "$work/mono22.wav" "$work/tone-mono.mp3"
oggenc --quiet -q 3 -t "Evening Tone" -a "Test Choir" -l "Tones" -G "Test" -d 2024 -N 7 \
    -c "COMMENT=made with sox" -o "$work/tone-stereo.ogg" "$work/stereo48.wav"
oggenc --quiet -q 1 -o "$work/tone-mono.ogg" "$work/mono22.wav"

# Moved in whole, so that a build stopped half-way leaves no half-written sound behind.
for name in tone-stereo.mp3 tone-mono.mp3 tone-stereo.ogg tone-mono.ogg; do
    mv "$work/$name" "$out/$name"
done
