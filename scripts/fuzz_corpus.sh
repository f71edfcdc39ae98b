#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets from files the program itself writes:
# varnet-cli plays a game in a fresh folder, saving settings and slots on the way, and
# the files it leaves are laid out as each target reads its input.
# Usage: scripts/fuzz_corpus.sh VARNET_CLI OUT_DIR
set -euo pipefail
cli=$1
out=$2
here=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
files=$folder/Data/Files
rm -rf "$out"
for t in codec layouts settings undo slot_load script resume; do mkdir -p "$out/$t"; done

# Spins of every number, in an order that walks the table, with predictions once a
# round is full.
spins() {
  local from=$1 count=$2 i
  for ((i = 0; i < count; i++)); do
    echo "click Main_F.Count_P($(((from + i * 7) % 38)))"
  done
}

# One stage of the game; the files it leaves go into the corpora under the stage's name.
stage() {
  local name=$1
  "$cli" --dir "$folder" - >/dev/null || true
  local f
  for f in "$files"/*; do cp "$f" "$out/codec/$name-$(basename "$f")"; done
  for f in "$files"/REAL_SAVE.FIL "$files"/Save*.FIL "$files"/USER3_*.FIL; do
    [ -f "$f" ] && cp "$f" "$out/layouts/$name-$(basename "$f")"
  done
  [ -f "$files/REAL_SAVE.FIL" ] && cp "$files/REAL_SAVE.FIL" "$out/undo/$name"
  [ -f "$files/RESUME.FIL" ] && cp "$files/RESUME.FIL" "$out/resume/$name"
  { cat "$files/USER.FIL" 2>/dev/null || true; printf '\0'; cat "$files/USER2.FIL" 2>/dev/null || true; } \
    >"$out/settings/$name"
  local n
  for n in 1 2 3; do
    [ -f "$files/Save$n.FIL" ] || continue
    { cat "$files/Save$n.FIL"; printf '\0'; cat "$files/USER3_$n.FIL"; } >"$out/slot_load/$name-$n"
  done
}

{ echo "click Main_F.BGM_Check"; spins 6 5; echo "click Main_F.Count_M(34)"; } | stage start

{
  echo "click Main_F.Area"
  echo "click Main_F.Point_C"
  echo "click Point_F.UP_1"
  echo "click Point_F.Mode2"
  echo "click Main_F.Total_C"
  echo "click Main_F.OR"
  echo "click Main_F.Save_Load"
  echo "now 2026/01/01 09:00:00"
  echo "type Save_Load_F.Comment(1) 赤黒, \"テスト\""
  echo "answer yes"
  echo "click Save_Load_F.Save(1)"
  echo "click Save_Load_F.Command1"
} | stage settings

{
  echo "random 0.1 0.5 0.9 0.3 0.7 0.2 0.8 0.4 0.6 0.05 0.95 0.15 0.55 0.85 0.35 0.65"
  spins 11 40
  echo "click Main_F.Expect"
  echo "tick 400"
  echo "click Main_F.Count_P(17)"
  echo "click Main_F.Quick_Expect"
  echo "click Main_F.Expect"
  echo "click Main_F.Count_P(0)"
} | stage round

{
  echo "click Main_F.Save_Load"
  echo "now 2026/02/03 21:15:00"
  echo "answer yes"
  echo "click Save_Load_F.Save(2)"
  echo "click Save_Load_F.Command1"
  spins 3 60
  echo "click Main_F.Save_Load"
  echo "now 2026/02/03 22:00:00"
  echo "type Save_Load_F.Comment(3) 長い対局"
  echo "answer yes"
  echo "click Save_Load_F.Save(3)"
} | stage long

# Scripts: the scenarios of the suite.
for s in "$here"/tests/scenarios/*/script; do
  cp "$s" "$out/script/$(basename "$(dirname "$s")")"
done
