#!/usr/bin/env bash
# The installed program: installed into a temporary prefix, its tree made read-only, it lists its
# templates and makes a small album from there, and leaves the installed tree exactly as it was.
# Usage: installed_program_test.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/xiangce bin/xiangce-cli share/applications/xiangce.desktop share/icons/hicolor/256x256/apps/xiangce.png \
         share/xiangce/smxcwjj/wj_0_or_1/wj_1.rar share/xiangce/smxcwjj/pictures/start.jpg share/xiangce/smxcwjj/web/index.html; do
  [ -e "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
chmod -R a-w "$prefix"
before="$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)"

export XDG_RUNTIME_DIR="$work/runtime"; mkdir -m 700 "$XDG_RUNTIME_DIR"
catalogue="$("$prefix/bin/xiangce-cli" templates)"
grep -Eq "^Catalogue \([1-9][0-9]*\)" <<<"$catalogue" || { echo "no templates listed"; exit 1; }
"$prefix/bin/xiangce-cli" make --photos "$prefix/share/xiangce/smxcwjj/samples/landscape_mountain_lake.jpg" \
  --music "$prefix/share/xiangce/yinyuegeci/甜蜜蜜.mp3" --kind AVI --size 320x176 --seed 1 -o "$work/out/album" 2>/dev/null
[ -s "$work/out/album.avi" ] || { echo "no album made"; exit 1; }
frames="$(ffprobe -v error -select_streams v:0 -count_frames -show_entries stream=nb_read_frames -of csv=p=0 "$work/out/album.avi")"
[ "$frames" -gt 100 ] || { echo "album has $frames frames"; exit 1; }

after="$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)"
[ "$before" = "$after" ] || { echo "the installed tree changed:"; diff <(echo "$before") <(echo "$after") | head; exit 1; }
# Each run's working folder went with it.
[ -z "$(ls -A "$XDG_RUNTIME_DIR/xiangce" 2>/dev/null)" ] || { echo "working folders left: $(ls "$XDG_RUNTIME_DIR/xiangce")"; exit 1; }
echo "installed program: templates listed, album of $frames frames, installed tree unchanged"
