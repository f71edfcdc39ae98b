#!/usr/bin/env bash
# Builds the .deb of a built tree with CPack and checks what it holds and what it asks for:
#   deb_package.sh BUILD APP_ID ICON_SIZE...
set -euo pipefail
build=$1
id=$2
shift 2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

"${CPACK:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; fail "cpack"; }
deb=$(ls "$out"/*.deb)
# dpkg-deb -c: permissions, owner, size, date, time, then the path (which may hold spaces).
contents=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')
expected=(./usr/bin/varnet ./usr/bin/varnet-cli
  "./usr/share/00-varnet/00 VARNET HELP.html"
  ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/man/man1/varnet-cli.1.gz
  ./usr/share/man/man1/varnet.1.gz)
for sound in BGM1 Count Expect Expect_END Menu; do
  expected+=("./usr/share/00-varnet/Data/Sound/$sound.wav")
done
for size in "$@"; do expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$id.png"); done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$contents" || fail "$path is not in $(basename "$deb")"
done
# Nothing of the build's own (tests, benchmarks, tools) goes in.
extra=$(grep -E '^\./usr/bin/.' <<<"$contents" | grep -vxE '\./usr/bin/varnet(-cli)?' || true)
[ -z "$extra" ] || fail "unexpected executables: $extra"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6multimedia6 libstdc++6 fonts-ipafont-gothic; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
# The package carries the version the program shows.
shown=$("$build/varnet-cli" --version | head -1)
version=$(dpkg-deb -f "$deb" Version)
[ "${shown##* Ver }" = "$version" ] || fail "package version $version, program shows '$shown'"
echo "ok: $(basename "$deb"), $(wc -l <<<"$contents") entries, Depends: $depends"
