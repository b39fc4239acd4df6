#!/usr/bin/env bash
# Compiles the help file. The help compiler writes next to its project and
# stores the folder it ran in, so it runs in a fresh neutral folder; the
# result is checked, its header mended, and moved into place only when sound.
#
#   build-chm.sh SOURCE_DIR GENERATED_DIR OUTPUT
set -euo pipefail
src=$1 generated=$2 out=$3
project=BV_Tablewise.hhp
compiled=BV_Tablewise.chm

work=$(mktemp -d /tmp/bvhelp.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp -R "$src"/. "$work"/
cp -R "$generated"/. "$work"/
rm -f "$work"/topics/*.in

log=$work/chmcmd.log
if ! (cd "$work" && chmcmd "$project") >"$log" 2>&1; then
  echo "build-chm: the help compiler failed:" >&2
  cat "$log" >&2
  exit 1
fi
# It also reports "Anchor ... undefined" for every "#anchor" that the index
# uses, whether the page has it or not; the help file's tests check anchors.
if grep -v -E '^Error: Anchor .* undefined' "$log" | grep -q -i -E 'error|corrupt|not found'; then
  echo "build-chm: the help compiler reported a problem:" >&2
  cat "$log" >&2
  exit 1
fi
chm=$work/$compiled
[[ -s $chm ]] || { echo "build-chm: no $compiled written" >&2; exit 1; }
[[ $(head -c 4 "$chm") == ITSF ]] || { echo "build-chm: $compiled is not a compiled help file" >&2; exit 1; }

# The compiler writes the second header GUID with its first byte one too
# low (10 fd 01 7c instead of 11 fd 01 7c); strict readers refuse that.
guid=$(od -A n -t x1 -j 40 -N 4 "$chm" | tr -d ' \n')
case $guid in
  10fd017c) printf '\x11' | dd of="$chm" bs=1 seek=40 conv=notrunc status=none ;;
  11fd017c) ;;
  *) echo "build-chm: unexpected header GUID bytes $guid" >&2; exit 1 ;;
esac

# Every file of the project must be in the result.
missing=0
listing=$(enum_chmLib "$chm" 2>/dev/null || true)
if [[ -n $listing ]]; then
  while IFS= read -r file; do
    file=${file%$'\r'}
    [[ -z $file ]] && continue
    awk -v f="/$file" '$NF == f { found = 1 } END { exit !found }' <<<"$listing" || { echo "build-chm: $file is missing from the help file" >&2; missing=1; }
  done < <(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;p}' "$work/$project")
fi
((missing == 0)) || exit 1

mkdir -p "$(dirname "$out")"
cp "$chm" "$out.tmp"
mv -f "$out.tmp" "$out"
