# Sourced by the screenshot scripts, from the top of the source tree: a fresh program folder
# in $folder, removed when the script ends, holding the built program and what ships beside it.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp build/varnet "$folder/"
cp -r assets/. "$folder/"
mkdir -p "$folder/Data/Files"
