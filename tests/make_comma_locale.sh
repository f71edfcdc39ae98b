#!/usr/bin/env bash
# Makes de_DE.UTF-8 (decimal comma) in the given folder, for use through LOCPATH, and
# checks that programs see its comma.
set -eu
folder=$1
mkdir -p "$folder"
[ -d "$folder/de_DE.UTF-8" ] || localedef -i de_DE -f UTF-8 "$folder/de_DE.UTF-8"
point=$(LOCPATH="$folder" LC_ALL=de_DE.UTF-8 locale decimal_point)
if [ "$point" != "," ]; then
  echo "de_DE.UTF-8 in $folder has the decimal point \"$point\", not a comma" >&2
  exit 1
fi
