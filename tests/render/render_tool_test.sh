#!/usr/bin/env bash
# The render tool as a user meets it: each malformed option and each WAV
# problem is refused with a message naming it, before anything is written;
# an unwritable output is reported before rendering; out-of-range settings
# are rendered clamped and said so; a file cut short, non-finite and
# out-of-range samples and a folder as input are said; files as recorders
# leave them (data size never written, chunks without their pad byte) are
# read; progress appears only on a terminal, the plug-in's console lines
# only when asked for; --help lists the plug-in's parameters; the output
# replaces an earlier file only when complete.
#
#   render_tool_test.sh [emulator] vo_render
# Runs in the current directory (its files go to ./render_tool_test).
set -uo pipefail
tool=("$@")
mkdir -p render_tool_test && cd render_tool_test || exit 1
failures=0

# Runs the tool; checks its exit status and that standard error (or the
# file named by $stream) holds text.
expect() {
  local status=$1 text=$2 got=0 file=${stream:-stderr.txt}
  shift 2
  "${tool[@]}" "$@" >stdout.txt 2>stderr.txt || got=$?
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$text" "$file"; then
    echo "FAILED: vo_render $* -> exit $got (wanted $status with \"$text\"); $file:"
    cat "$file"
    failures=$((failures + 1))
  fi
}

# Fails unless the file holds the text.
has() { grep -qF -- "$2" "$1" || { echo "FAILED: $1 lacks \"$2\":"; cat "$1"; failures=$((failures + 1)); }; }

# Little-endian bytes of a value.
le() {
  local value=$1 bytes=$2 i
  for ((i = 0; i < bytes; i++)); do printf "\\x$(printf %02x $(((value >> (8 * i)) & 255)))"; done
}

# header TAG CHANNELS RATE BITS DATA_BYTES: a canonical WAV header declaring
# that much data.
header() {
  local tag=$1 channels=$2 rate=$3 bits=$4 bytes=$5
  printf RIFF; le $((36 + bytes)) 4; printf 'WAVEfmt '; le 16 4
  le "$tag" 2; le "$channels" 2; le "$rate" 4; le $((rate * channels * bits / 8)) 4
  le $((channels * bits / 8)) 2; le "$bits" 2
  printf data; le "$bytes" 4
}

# wav FILE TAG CHANNELS RATE BITS DATA_BYTES: a canonical WAV file of silence.
wav() {
  { header "${@:2}"; head -c "$6" /dev/zero; } >"$1"
}

# Whole-file output size in bytes; the header the tool writes before the
# samples.
size() { wc -c <"$1" | tr -d ' '; }
hdr=58

echo "== malformed options"
expect 2 '--block "1e3" is not a whole number of frames from 1 to 65536' --block 1e3
expect 2 '--block "1x"' --block 1x
expect 2 '--block "99999999999"' --block 99999999999
expect 2 '--block "0"' --block 0
expect 2 '--block "-512"' --block -512
expect 2 '--block "65537"' --block 65537
expect 2 '--block needs a value' --block
expect 2 '--tolerance "nan" is not a finite number of 0 or more' --tolerance nan
expect 2 '--tolerance "inf"' --tolerance inf
expect 2 '--tolerance "-1"' --tolerance -1
expect 2 '--tolerance "0x10"' --tolerance 0x10
expect 2 '--set "Dry/Wet=nan": "nan" is not a finite number' --set "Dry/Wet=nan"
expect 2 '--set "Input=-inf": "-inf" is not a finite number' --set "Input=-inf"
expect 2 '--set "Input=1e999": "1e999" is not a finite number' --set "Input=1e999"
expect 2 '--set "Dry/Wet= 70": " 70" is not a finite number' --set "Dry/Wet= 70"
expect 2 '--set "Dry/Wet=" is not of the form "Name=value"' --set "Dry/Wet="
expect 2 '--set "Depth=5": the plug-in has no parameter "Depth"; its parameters are "Oversample", "Input", "Output", "Dry/Wet", "Mode I", "Mode II", "Mode I Rate", "Mode II Rate", "Mode I+II Rate", "Wide", "Analog Emu.", "Analog Hiss"' \
  --set "Depth=5"
expect 2 'unknown option "--speed"' --speed 2
[ -e render.wav ] && { echo "FAILED: a refused command wrote render.wav"; failures=$((failures + 1)); }

echo "== help: the options and every parameter from the plug-in's own list"
for option in --help -h; do
  stream=stdout.txt expect 0 '  Dry/Wet           0 to 100 %, default 50 %' $option
  for line in '  Input             -30 to 12 dB, default 0 dB' '  Mode I+II Rate    1 to 20 Hz, default 8 Hz' \
    '  Analog Emu.       switch, 0 (off) or 1 (on), default 1' '  --plugin-output' 'set "Analog Hiss=0" for'; do
    has stdout.txt "$line"
  done
done

echo "== a switch given other than 0 or 1 says how it was taken, and renders so"
quiet=(--set "Analog Hiss=0" --block 4096)
expect 0 rendered --out switch-off.wav --set "Mode II=0" "${quiet[@]}"
expect 0 rendered --out switch-on.wav --set "Mode II=1" "${quiet[@]}"
while read -r value taken; do
  expect 0 "--set \"Mode II=$value\": \"Mode II\" is a switch (0 = off, 1 = on); $value is taken as $taken" \
    --out switch.wav --set "Mode II=$value" "${quiet[@]}" --compare "switch-$taken.wav" --tolerance 0
done <<'END'
0.5 on
0.49 off
5 on
END

echo "== the plug-in's console lines only when asked for"
expect 0 rendered --out console.wav --block 4096
[ -s stdout.txt ] && { echo "FAILED: the plug-in's lines on standard output"; failures=$((failures + 1)); }
stream=stdout.txt expect 0 'attaching channel 1 ...done' --out console.wav --block 4096 --plugin-output

echo "== settings outside a parameter's range are clamped, and said so"
expect 0 '--set "Input=40": 40 is outside "Input"'"'"'s range -30 to 12; 12 is used' \
  --out clamped.wav --set "Input=40" --set "Dry/Wet=-5" --set "Analog Hiss=0" --block 4096
grep -qF '"Dry/Wet"'"'"'s range 0 to 100; 0 is used' stderr.txt ||
  { echo "FAILED: no word of Dry/Wet being clamped"; failures=$((failures + 1)); }
expect 0 'rendered' --out clamped-again.wav --set "Input=12" --set "Dry/Wet=0" --set "Analog Hiss=0" --block 4096 \
  --compare clamped.wav --tolerance 0
grep -q 'outside' stderr.txt && { echo "FAILED: in-range values reported as clamped"; failures=$((failures + 1)); }
grep -qF 'largest difference from clamped.wav: 0 ' stderr.txt ||
  { echo "FAILED: the clamped render differs from one at the limits"; failures=$((failures + 1)); }

echo "== the output is opened before rendering"
expect 1 'cannot write no-such-folder/out.wav' --out no-such-folder/out.wav
grep -q '^rendered' stderr.txt && { echo "FAILED: rendered before finding the output unwritable"; failures=$((failures + 1)); }
if [ ${#tool[@]} -eq 1 ] && [ -c /dev/full ]; then
  # A write that fails part way is named; the device named as output stays.
  expect 1 'cannot write /dev/full: No space left on device' --out /dev/full
  grep -q '^rendered' stderr.txt && { echo "FAILED: a failed write reported as rendered"; failures=$((failures + 1)); }
  [ -c /dev/full ] || { echo "FAILED: /dev/full was removed"; failures=$((failures + 1)); }
fi
wav in.wav 1 2 44100 16 4000
expect 2 '--out "in.wav" is the input file' --in in.wav --out in.wav
[ "$(size in.wav)" -eq 4044 ] || { echo "FAILED: the input was overwritten"; failures=$((failures + 1)); }

echo "== each WAV problem named"
wav pcm8.wav 1 2 44100 8 1000
expect 1 'pcm8.wav: 8-bit PCM is not supported' --in pcm8.wav --out x.wav
wav pcm12.wav 1 2 44100 12 1000
expect 1 'pcm12.wav: 12-bit PCM is not supported' --in pcm12.wav --out x.wav
wav adpcm.wav 2 2 44100 16 1000
expect 1 'adpcm.wav: sample format 2 is not supported' --in adpcm.wav --out x.wav
wav nochannels.wav 1 0 44100 16 1000
expect 1 'nochannels.wav has 0 channels' --in nochannels.wav --out x.wav
wav rate0.wav 1 2 0 16 1000
expect 1 'rate0.wav has a sample rate of 0 Hz' --in rate0.wav --out x.wav
wav hugerate.wav 3 2 4294967295 32 1000
expect 1 'hugerate.wav has a sample rate of 4294967295 Hz, beyond 2147483647 Hz' --in hugerate.wav --out x.wav
head -c 30 in.wav >cutfmt.wav
expect 1 'cutfmt.wav: the WAV header is truncated (its format chunk is cut short)' --in cutfmt.wav --out x.wav
{ printf RF64; le $((0xFFFFFFFF)) 4; printf WAVEds64; } >rf64.wav
expect 1 'rf64.wav is an RF64 file, which is not read (WAV files up to 4 GB are)' --in rf64.wav --out x.wav
head -c 8 in.wav >cutriff.wav
expect 1 'cutriff.wav: the WAV header is truncated' --in cutriff.wav --out x.wav
head -c 36 in.wav >nodata.wav
expect 1 'nodata.wav has no data chunk' --in nodata.wav --out x.wav
{ head -c 12 in.wav; printf 'data'; le 0 4; } >nofmt.wav
expect 1 'nofmt.wav: the WAV header is truncated (it has no format chunk)' --in nofmt.wav --out x.wav
wav empty.wav 1 2 44100 16 0
expect 1 'empty.wav has no audio frames' --in empty.wav --out x.wav
wav onebyte.wav 1 2 44100 16 3
expect 1 'onebyte.wav has no audio frames' --in onebyte.wav --out x.wav
printf 'not audio at all' >text.wav
expect 1 'text.wav is not a WAV file' --in text.wav --out x.wav
expect 1 'cannot open missing.wav' --in missing.wav --out x.wav
[ -e x.wav ] && { echo "FAILED: a refused input left x.wav behind"; failures=$((failures + 1)); }

echo "== readable inputs stream through whole"
wav mono24.wav 1 1 48000 24 $((3 * 100003))
expect 0 'rendered 2.08 s of audio to mono24.wav.out' --in mono24.wav --out mono24.wav.out --block 333
[ "$(size mono24.wav.out)" -eq $((hdr + 8 * 100003)) ] ||
  { echo "FAILED: mono24.wav.out has $(size mono24.wav.out) bytes"; failures=$((failures + 1)); }
wav wide.wav 3 6 22050 64 $((48 * 5000))
expect 0 'wide.wav has 6 channels: the first two are rendered, the other 4 dropped' --in wide.wav --out wide.wav.out
[ "$(grep -c 'dropped' stderr.txt)" -eq 1 ] || { echo "FAILED: dropped channels not said once"; failures=$((failures + 1)); }
[ "$(size wide.wav.out)" -eq $((hdr + 8 * 5000)) ] ||
  { echo "FAILED: wide.wav.out has $(size wide.wav.out) bytes"; failures=$((failures + 1)); }

echo "== warnings: the render goes on and exits 0"
# A file that ends before its declared data renders the frames it holds.
{ header 1 2 44100 16 4000; head -c 1001 /dev/zero; } >short.wav
expect 0 'short.wav ends before its declared data: it holds 250 of 1000 frames' --in short.wav --out short.wav.out
[ "$(size short.wav.out)" -eq $((hdr + 8 * 250)) ] ||
  { echo "FAILED: short.wav.out has $(size short.wav.out) bytes"; failures=$((failures + 1)); }
# Stereo 32-bit float: NaN and +inf on the left, -inf on the right, in frames
# far apart, so that blocks of 7 meet them in different blocks.
{
  header 3 2 44100 32 800
  for ((i = 0; i < 100; i++)); do
    case $i in
      3) le $((0x7FC00000)) 4; le 0 4 ;;
      50) le $((0x7F800000)) 4; le $((0xFF800000)) 4 ;;
      *) le 0 8 ;;
    esac
  done
} >nonfinite.wav
expect 0 'nonfinite.wav holds 3 input samples that are NaN or infinite' --in nonfinite.wav --out nf.wav.out --block 7
[ "$(grep -c 'NaN or infinite' stderr.txt)" -eq 1 ] ||
  { echo "FAILED: non-finite samples not said exactly once"; failures=$((failures + 1)); }
# Mono 64-bit float: NaN, -inf and the finite 1e300 (infinite as the
# plug-in's 32-bit input, so out of range, not NaN or infinite); mono feeds
# both channels, yet each sample counts once.
{
  header 3 1 44100 64 32
  le $((0x7FF8000000000000)) 8; le $((0xFFF0000000000000)) 8; le $((0x7E37E43C8800759C)) 8; le 0 8
} >nonfinite64.wav
expect 0 'nonfinite64.wav holds 2 input samples that are NaN or infinite; the plug-in takes them as silence' \
  --in nonfinite64.wav --out nf64.wav.out
grep -qF 'nonfinite64.wav holds 1 input sample beyond the 32-bit float range (3.4e38); it was clamped to it' stderr.txt ||
  { echo "FAILED: 1e300 not named as out of range"; failures=$((failures + 1)); }
[ "$(size nf64.wav.out)" -eq $((hdr + 8 * 4)) ] ||
  { echo "FAILED: nf64.wav.out has $(size nf64.wav.out) bytes"; failures=$((failures + 1)); }
# The largest float and the next double beyond it, each sign: two within,
# two beyond.
{
  header 3 1 44100 64 32
  le $((0x47EFFFFFE0000001)) 8; le $((0x47EFFFFFE0000000)) 8
  le $((0xC7EFFFFFE0000001)) 8; le $((0xC7EFFFFFE0000000)) 8
} >range64.wav
expect 0 'range64.wav holds 2 input samples beyond the 32-bit float range (3.4e38); they were clamped to it' \
  --in range64.wav --out range64.wav.out
grep -q 'NaN' stderr.txt && { echo "FAILED: finite samples named NaN or infinite"; failures=$((failures + 1)); }
# One sample is one sample.
{ header 3 1 44100 32 8; le $((0x7FC00000)) 4; le 0 4; } >onenan.wav
expect 0 'onenan.wav holds 1 input sample that is NaN or infinite; the plug-in takes it as silence' --in onenan.wav \
  --out onenan.wav.out
# A reference for --compare that ends before its declared data is compared
# as far as it goes, and said so as for --in: the render's own output with
# 2000 more frames declared than it holds.
quiet=(--set "Analog Hiss=0" --block 4096)
expect 0 'rendered' --in in.wav --out ref.wav "${quiet[@]}"
{ head -c 54 ref.wav; le $((8 * 3000)) 4; tail -c +59 ref.wav; } >shortref.wav
expect 0 'shortref.wav ends before its declared data: it holds 1000 of 3000 frames' --in in.wav \
  --out compared.wav.out --compare shortref.wav --tolerance 0 "${quiet[@]}"
[ "$(grep -c 'ends before' stderr.txt)" -eq 1 ] ||
  { echo "FAILED: the short reference not said exactly once"; failures=$((failures + 1)); }
grep -qF 'largest difference from shortref.wav: 0 ' stderr.txt ||
  { echo "FAILED: the short reference was not compared whole"; failures=$((failures + 1)); }
[ "$(size compared.wav.out)" -eq $((hdr + 8 * 1000)) ] ||
  { echo "FAILED: compared.wav.out has $(size compared.wav.out) bytes"; failures=$((failures + 1)); }
# A reference at another rate is a mismatch, named.
expect 1 'reference ref.wav is at 44100 Hz, the output at 48000 Hz' --in mono24.wav --out rate.wav.out --compare ref.wav
# A whole, finite file says neither.
expect 0 'rendered' --in in.wav --out whole.wav.out
grep -qE 'declared|NaN' stderr.txt && { echo "FAILED: a whole, finite file warned about"; failures=$((failures + 1)); }
# A folder as input is named as a folder.
mkdir -p folder.wav
expect 1 'folder.wav is a folder, not a WAV file' --in folder.wav --out x.wav
[ -e x.wav ] && { echo "FAILED: a folder as input left x.wav behind"; failures=$((failures + 1)); }

echo "== files as recorders leave them"
# A data size never filled in (0, or 0xFFFFFFFF from a streaming writer):
# the frames to the end of the file are rendered, and that is said once.
{ header 1 2 44100 16 0; head -c 8000 /dev/zero; } >size0.wav
expect 0 'size0.wav: the data chunk'"'"'s size was never written (it states 0); the 2000 frames to the end of the file are read' \
  --in size0.wav --out size0.wav.out
[ "$(grep -c 'never written' stderr.txt)" -eq 1 ] ||
  { echo "FAILED: the unwritten size not said exactly once"; failures=$((failures + 1)); }
[ "$(size size0.wav.out)" -eq $((hdr + 8 * 2000)) ] ||
  { echo "FAILED: size0.wav.out has $(size size0.wav.out) bytes"; failures=$((failures + 1)); }
for declared in 0xFFFFFFFF 0x7FFFF000; do
  { header 1 1 48000 24 $((declared)); head -c $((3 * 2000)) /dev/zero; } >streamed.wav
  expect 0 "streamed.wav: the data chunk's size was never written (it states $declared); the 2000 frames" \
    --in streamed.wav --out streamed.wav.out
  [ "$(size streamed.wav.out)" -eq $((hdr + 8 * 2000)) ] ||
    { echo "FAILED: streamed.wav.out has $(size streamed.wav.out) bytes"; failures=$((failures + 1)); }
done
# An odd-sized LIST chunk written without its pad byte, before the format:
# read as the writer meant it, with nothing to say.
canonical() { header 1 2 44100 16 8000 | tail -c +13; head -c 8000 /dev/zero; }
{ printf 'RIFFxxxxWAVELIST'; le 37 4; printf '%037d' 0; canonical; } >oddlist.wav
expect 0 'rendered 0.05 s' --in oddlist.wav --out oddlist.wav.out
grep -qE 'chunk|declared|never' stderr.txt && { echo "FAILED: the unpadded chunk warned about"; failures=$((failures + 1)); }
[ "$(size oddlist.wav.out)" -eq $((hdr + 8 * 2000)) ] ||
  { echo "FAILED: oddlist.wav.out has $(size oddlist.wav.out) bytes"; failures=$((failures + 1)); }
# Neither right after it nor one byte on does a chunk id read: refused,
# naming the chunk.
{ printf 'RIFFxxxxWAVELIST'; le 37 4; printf '%037d' 0; printf '\x01\x02\x03\x04\x05'; canonical; } >oddbad.wav
expect 1 'oddbad.wav: no chunk id follows the "LIST" chunk of odd size 37, with or without a pad byte' \
  --in oddbad.wav --out x.wav
[ -e x.wav ] && { echo "FAILED: a refused odd chunk left x.wav behind"; failures=$((failures + 1)); }

echo "== float output with its format's extension size and frame count"
{
  printf RIFF; le $((50 + 8 * 250)) 4; printf 'WAVEfmt '; le 18 4; le 3 2; le 2 2; le 44100 4; le $((8 * 44100)) 4
  le 8 2; le 32 2; le 0 2; printf fact; le 4 4; le 250 4; printf data; le $((8 * 250)) 4
} | cmp -s - <(head -c $hdr short.wav.out) || { echo "FAILED: short.wav.out's header"; failures=$((failures + 1)); }

echo "== the output replaces an earlier file only when complete"
printf earlier >earlier.wav
expect 0 rendered --in in.wav --out earlier.wav
[ "$(size earlier.wav)" -eq $((hdr + 8 * 1000)) ] || { echo "FAILED: earlier.wav not replaced"; failures=$((failures + 1)); }
# Through a symbolic link the file it names is replaced, keeping its
# permissions (a POSIX file system only: not under Wine).
if [ ${#tool[@]} -eq 1 ]; then
  printf earlier >linked.wav && chmod 640 linked.wav && ln -sf linked.wav link.wav
  expect 0 rendered --in in.wav --out link.wav
  [ -L link.wav ] && [ "$(size linked.wav)" -eq $((hdr + 8 * 1000)) ] && [ "$(stat -c %a linked.wav)" = 640 ] ||
    { echo "FAILED: link.wav not written through"; failures=$((failures + 1)); }
fi

echo "== progress only on a terminal"
# Three minutes of audio, oversampled, usually take more than the few seconds
# after which progress is shown; the checks that need that look at the time.
wav long.wav 1 2 44100 16 $((4 * 44100 * 180))
now_ms() { date +%s%3N; }
settings=(--set "Oversample=1" --set "Mode II=1")
start=$(now_ms)
expect 0 'rendered 180.00 s' --in long.wav --out long.wav.out "${settings[@]}"
grep -q 'rendering' stderr.txt && { echo "FAILED: progress written to a file"; failures=$((failures + 1)); }
echo "(a render of $(($(now_ms) - start)) ms with standard error in a file)"
if [ ${#tool[@]} -eq 1 ] && command -v script >/dev/null; then
  # Standard output and error on a pseudo-terminal: the progress shows, the
  # plug-in's lines do not.
  start=$(now_ms)
  script -qec "$(printf '%q ' "${tool[@]}" --in long.wav --out long-tty.wav "${settings[@]}")" \
    /dev/null >tty.txt 2>&1 </dev/null
  took=$(($(now_ms) - start))
  echo "(a render of $took ms on a terminal)"
  if [ "$took" -ge 4000 ] && ! grep -q 'rendering' tty.txt; then
    echo "FAILED: no progress on a terminal in $took ms"; failures=$((failures + 1))
  fi
  grep -q 'attaching' tty.txt && { echo "FAILED: the plug-in's lines on the terminal"; failures=$((failures + 1)); }
  if grep -q 'rendering' tty.txt && ! grep -qE 'rendering [0-9]+:[0-9]{2} of 3:00 \([0-9]+%\)' tty.txt; then
    echo "FAILED: malformed progress line"; cat -v tty.txt; failures=$((failures + 1))
  fi
  if grep -q 'rendering' tty.txt && ! grep -qP '\r {20,}\rrendered 180\.00 s' tty.txt; then
    echo "FAILED: the progress line is not cleared for the summary"; cat -v tty.txt; failures=$((failures + 1))
  fi
fi
# Stopped after a second: the earlier file stays byte for byte.
if [ ${#tool[@]} -eq 1 ]; then
  for stop in TERM:143 INT:130; do
    cp earlier.wav before.wav
    set -m  # job control: a background render that does not ignore SIGINT
    "${tool[@]}" --in long.wav --out earlier.wav "${settings[@]}" 2>stderr.txt &
    set +m
    sleep 1
    kill -"${stop%:*}" $! 2>/dev/null || echo "(the render ended within a second: not stopped)"
    wait $! && continue
    status=$?
    [ $status -eq "${stop#*:}" ] || { echo "FAILED: SIG${stop%:*} -> exit $status"; failures=$((failures + 1)); }
    has stderr.txt "render stopped by SIG${stop%:*}: earlier.wav is left as it was"
    cmp -s earlier.wav before.wav || { echo "FAILED: earlier.wav changed"; failures=$((failures + 1)); }
  done
fi
ls -A | grep '\.part$' && { echo "FAILED: temporary files left"; failures=$((failures + 1)); }
rm -f long.wav long.wav.out long-tty.wav

[ "$failures" -eq 0 ] && echo "all render tool checks passed"
exit $((failures > 0))
