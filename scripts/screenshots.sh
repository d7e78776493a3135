#!/usr/bin/env bash
# Screenshots of the desktop program as a person sees it, on a virtual 1366 × 768 screen:
# the start layout, a board of a dozen photos, a dialog and the template preview.
# Then the windows of making an album: the other settings, the output size, the render window and
# the text-effect editor; then a song with its lyrics and karaoke script; then the tools.
# Usage: scripts/screenshots.sh [OUTDIR]   (default docs/screenshots; needs a built build/bin/xiangce)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
bin="$PWD/build/bin/xiangce"
[ -x "$bin" ] || { echo "Build first: ./run.sh or ./test.sh" >&2; exit 1; }

missing=()
for p in xvfb xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

mkdir -p "$out"
work="$(mktemp -d)"
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A virtual screen on a free display; Xvfb writes the display number to the pipe.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display_number < "$work/display"
export DISPLAY=":$display_number"
# A private runtime folder: the single-instance lock of a copy already running elsewhere does
# not stop this one.
export XDG_RUNTIME_DIR="$work/runtime"; mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

# import reads what is on screen; xwd -root misses windows the server keeps off-screen (Composite).
shot() { sleep "${2:-1}"; import -window root "$out/$1.png"; echo "$out/$1.png"; }
window_origin() {
  local id; id="$(xdotool search --sync --onlyvisible --pid "$app_pid" --name '相册工坊' | head -1)"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y"
}
start_app() {
  "$bin" "$@" >/dev/null 2>&1 &
  app_pid=$!
  read -r wx wy < <(window_origin)
}
stop_app() { kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; app_pid=""; }

# 1. The start layout with its empty board.
start_app
shot start_layout 2

# 2. A dozen photos, named on the command line as a file manager would pass them.
stop_app
samples=(build/bin/smxcwjj/samples/*.jpg)
photos=("${samples[@]}" "${samples[@]:0:5}")
start_app "${photos[@]/#/$PWD/}"
shot photo_board 8
# Rest the pointer on a tile to bring up its hint, and select it.
xdotool mousemove $((wx + 280)) $((wy + 200)) click 1
xdotool mousemove $((wx + 282)) $((wy + 202))
shot photo_hint 3

# 3. A dialog: the delete confirmation of the selected photo.
xdotool key Delete
shot dialog_delete 1
xdotool key Escape

# 4. The template preview of the selected photo, a moment into its movie.
xdotool mousemove $((wx + 280)) $((wy + 200)) click --repeat 2 --delay 80 1
shot template_preview 4
xdotool key Escape
sleep 1

# 5. The other settings, then a DVD: its output size, the save dialog, the render window at work.
command_y() { echo $((wy + 60 + $1 * 26 + 12)); }  # the command column, 0-based
xdotool mousemove $((wx + 80)) "$(command_y 6)" click 1
shot other_settings 1
xdotool key Return
xdotool mousemove $((wx + 80)) "$(command_y 9)" click 1
shot output_size 1
xdotool key Return
sleep 1.5
xdotool type --delay 20 "$work/album"
xdotool key Return
shot render_window 6
xdotool key Escape  # stops the render; the unfinished file is removed
sleep 2

# 6. The text-effect editor with a caption moving in its preview.
xdotool mousemove $((wx + 80)) "$(command_y 4)" click 1
sleep 1
editor="$(xdotool search --sync --onlyvisible --name '文字特效' | head -1)"
eval "$(xdotool getwindowgeometry --shell "$editor")"
xdotool key ctrl+a
xdotool type --delay 30 "Happy Wedding Day"
xdotool mousemove $((X + 60)) $((Y + HEIGHT - 30)) click 1  # 添加特效
sleep 0.5
xdotool mousemove $((X + WIDTH - 370)) $((Y + HEIGHT - 30)) click 1  # 全部预览
shot text_effects 2

# 7. The sample song and its lyrics, named on the command line: the lyrics board, then the lyrics
#    preview a few seconds into the song.
stop_app
start_app "$PWD/build/bin/yinyuegeci/甜蜜蜜.mp3" "$PWD/build/bin/yinyuegeci/甜蜜蜜.lrc" "$PWD/build/bin/yinyuegeci/甜蜜蜜.ksc"
sleep 4
xdotool mousemove $((wx + 333)) $((wy + 658)) click 1  # 音乐区域: the song, bound to its lyrics
xdotool mousemove $((wx + 175 + 85)) $((wy + 60 + 32 + 85)) click 1
xdotool mousemove $((wx + 263)) $((wy + 77)) click 1  # 列表: the binding in the list
shot music_board 1
xdotool mousemove $((wx + 203)) $((wy + 77)) click 1  # 图标
xdotool mousemove $((wx + 440)) $((wy + 658)) click 1  # 歌词区域
xdotool mousemove $((wx + 175 + 85)) $((wy + 60 + 32 + 85)) click 1
shot lyrics_board 1
xdotool click --repeat 2 --delay 80 1
sleep 1
preview="$(xdotool search --sync --onlyvisible --name '歌词预览' | head -1)"
eval "$(xdotool getwindowgeometry --shell "$preview")"
xdotool mousemove $((X + WIDTH - 272)) $((Y + HEIGHT - 30)) click 1  # 预览歌词
shot lyrics_preview 7
xdotool key Escape
sleep 1
xdotool mousemove $((wx + 175 + 85)) $((wy + 60 + 32 + 85)) click 1
xdotool mousemove $((wx + 722)) $((wy + 60 + 17)) click 1  # 歌词设置
shot lyric_settings 1
xdotool key Escape
sleep 1

# 8. The karaoke manager, its preview a few seconds into the song.
xdotool mousemove $((wx + 80)) "$(command_y 5)" click 1
sleep 1.5
xdotool key Return  # 播放
shot karaoke_manager 7

# 9. The tools: cropping a photo, the template manager, a picture over the album, an intro video
#    (made here from a sample photo with ffmpeg) and timing lyrics to the song.
[ -n "${app_pid:-}" ] && stop_app
samples=(build/bin/smxcwjj/samples/*.jpg)
tool_window() {  # the window captioned $1: sets X Y WIDTH HEIGHT
  local id; id="$(xdotool search --sync --onlyvisible --name "$1" | head -1)"
  eval "$(xdotool getwindowgeometry --shell "$id")"
}
start_app "${samples[@]/#/$PWD/}" "$PWD/build/bin/yinyuegeci/甜蜜蜜.mp3"
sleep 5
xdotool mousemove $((wx + 80)) "$(command_y 14)" click 1  # 相片剪裁
sleep 1.5
tool_window '相片剪裁'
xdotool mousemove $((X + 300)) $((Y + 300))
xdotool key minus minus minus minus minus minus Right Right Right Up Up
shot photo_crop 1
xdotool key Escape; sleep 1
xdotool mousemove $((wx + 80)) "$(command_y 15)" click 1  # 模板管理
shot template_manager 4
xdotool key Escape; sleep 1
xdotool mousemove $((wx + 80)) "$(command_y 13)" click 1  # 画面特效
sleep 1
tool_window '画面特效'
xdotool mousemove $((X + 860)) $((Y + 90)) click 1  # 选择图片
sleep 1.5
xdotool type --delay 20 "$PWD/${samples[3]}"
xdotool key Return
sleep 1
xdotool mousemove $((X + 740)) $((Y + 357)) click 1  # 添加特效
xdotool mousemove $((X + 63)) $((Y + 585)) click 1   # 预览
shot picture_effects 2
xdotool key Escape; sleep 1
ffmpeg -v error -y -loop 1 -i "${samples[2]}" -vf "scale=1280:-2,zoompan=z='1+0.002*on':d=100:s=1280x720:fps=25,fade=in:0:20" \
  -frames:v 100 -pix_fmt yuv420p "$work/intro.mp4"
xdotool mousemove $((wx + 80)) "$(command_y 16)" click 1  # 片头视频
sleep 1
tool_window '片头视频'
xdotool mousemove $((X + 558)) $((Y + 303)) click 1  # 选择视频
sleep 1.5
xdotool type --delay 20 "$work/intro.mp4"
xdotool key Return
shot intro_video 2
xdotool key Escape; sleep 1
xdotool mousemove $((wx + 80)) "$(command_y 17)" click 1  # 歌词制作
sleep 1
tool_window '歌词制作'
xdotool mousemove $((X + 161)) $((Y + 63)) click 1  # 导入歌词
sleep 1.5
xdotool type --delay 20 "$PWD/build/bin/yinyuegeci/甜蜜蜜.lrc"
xdotool key Return
sleep 1
xdotool mousemove $((X + 709)) $((Y + 63)) click 1  # 播放
sleep 5.2; xdotool key space
sleep 5; xdotool key space
shot lrc_maker 2
xdotool key Escape; sleep 1
