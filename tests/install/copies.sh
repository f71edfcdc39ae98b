#!/usr/bin/env bash
# Runs varnet-cli as a new user would, with a fresh HOME, from one of the two kinds of copy:
#   copies.sh installed BUILD   installs BUILD into a temporary root (DESTDIR) nobody may
#                               write; the data files must land in the user's data folder
#                               and nothing of the installation may change.
#   copies.sh portable BUILD ASSETS
#                               varnet-cli with the shipped files in a folder of its own; the
#                               data files must land beside it and nothing in HOME.
set -euo pipefail
kind=$1
build=$2
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

export HOME=$tmp/home
mkdir "$HOME"
unset XDG_DATA_HOME

if [ "$kind" = installed ]; then
  root=$tmp/root
  DESTDIR=$root "${CMAKE:-cmake}" --install "$build" --prefix /usr >/dev/null
  chmod -R a-w "$root"
  cli=$root/usr/bin/varnet-cli
  data=$HOME/.local/share/00-varnet
  assets=$root/usr/share/00-varnet
  untouched=$root
else
  folder=$tmp/portable
  mkdir "$folder"
  cp "$build/varnet-cli" "$folder/"
  cp -r "$3/." "$folder/"
  cli=$folder/varnet-cli
  data=$folder
  assets=$folder
  untouched=$HOME
fi
listing() { find "$untouched" -printf '%p %s %T@\n' | sort; }
before=$(listing)

# Checks one line of `varnet-cli --version`: LINE EXPECTED [ARGS...].
expect_version() {
  local line=$1 expected=$2
  shift 2
  local actual
  actual=$("$cli" "$@" --version | sed -n "${line}p")
  [ "$actual" = "$expected" ] || fail "--version $* line $line: '$actual', expected '$expected'"
}
expect_version 2 "data folder: $data/Data/Files"
expect_version 3 "sounds and help: $assets"
[ -f "$assets/Data/Sound/Count.wav" ] && [ -f "$assets/00 VARNET HELP.html" ] ||
  fail "no sounds or help in $assets"

# Three spins saved into slot 1 and a clean exit; a second start loads them back from the
# same folder.
"$cli" >"$tmp/first" <<'SCRIPT' || { cat "$tmp/first"; fail "first run"; }
click Main_F.Count_P(6)
click Main_F.Count_P(13)
click Main_F.Count_P(36)
click Main_F.Save_Load
now 2026/05/04 18:30:00
answer yes
click Save_Load_F.Save(1)
click Save_Load_F.Command1
click Main_F.Exit
SCRIPT
grep -qx "sound Data/Sound/Expect_END.wav" "$tmp/first" || { cat "$tmp/first"; fail "slot 1 not saved"; }
for file in REAL_SAVE.FIL Save1.FIL USER3_1.FIL; do
  [ -f "$data/Data/Files/$file" ] || fail "$file is not in $data/Data/Files"
done
second=$(printf 'click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Load(1)\nget Main_F.Total.text\n' |
  "$cli") || fail "second run: $second"
grep -qx "Main_F.Total.text=3" <<<"$second" || fail "slot 1 did not load back: $second"
[ "$(listing)" = "$before" ] || fail "$untouched changed: $(diff <(echo "$before") <(listing))"

if [ "$kind" = installed ]; then
  # The user's files are the user's alone.
  mode=$(stat -c %a "$data")
  [ "$mode" = 700 ] || fail "$data has mode $mode"
  # XDG_DATA_HOME moves them, unless it is not an absolute path; --dir still names one
  # folder for everything.
  XDG_DATA_HOME=$tmp/xdg expect_version 2 "data folder: $tmp/xdg/00-varnet/Data/Files"
  echo "click Main_F.Count_P(1)" | XDG_DATA_HOME=$tmp/xdg "$cli" >/dev/null
  [ -f "$tmp/xdg/00-varnet/Data/Files/REAL_SAVE.FIL" ] || fail "nothing written below XDG_DATA_HOME"
  XDG_DATA_HOME=relative expect_version 2 "data folder: $data/Data/Files"
  expect_version 2 "data folder: $tmp/mine/Data/Files" --dir "$tmp/mine"
  expect_version 3 "sounds and help: $tmp/mine" --dir "$tmp/mine"
fi
echo "ok: $kind copy keeps its data in $data/Data/Files"
