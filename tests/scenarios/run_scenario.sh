#!/usr/bin/env bash
# Runs one scenario folder against varnet-cli: copies its files/ into a fresh program
# folder, runs its script and compares the output with its expected file.
set -u
cli=$1
scenario=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
[ -d "$scenario/files" ] && cp -r "$scenario/files/." "$folder/"
actual=$("$cli" --dir "$folder" "$scenario/script"; echo "exit $?")
if ! diff -u "$scenario/expected" <(printf '%s\n' "$actual"); then
  echo "scenario $(basename "$scenario") differs (- expected, + actual)"
  exit 1
fi
