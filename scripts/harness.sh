#!/usr/bin/env bash
# The one harness of Zentavio: installs what the build and Wine need, builds,
# and runs Windows programs under Wine on a private Xvfb display.
#
#   harness.sh run [media file]   build and start the player (a generated
#                                 sample clip when no file is named)
#   harness.sh test [ctest args]  build and run every test
#   harness.sh exec program args  run one Windows program in the harness's
#                                 Wine environment (CTest's emulator)
#   harness.sh bench              build in Release and run every benchmark
#   harness.sh deps               install missing packages only
#
# ZV_BUILD names the build folder (default: build beside this script's folder).
set -euo pipefail

ZV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZV_BUILD=${ZV_BUILD:-$ZV_ROOT/build}
ZV_BUILD_TYPE=${ZV_BUILD_TYPE:-Check}

# gstreamer1.0-plugins-bad gives Wine's GStreamer splitter the MPEG
# program-stream demuxer (.mpg); gstreamer1.0-libav decodes its MPEG-2 video.
ZV_PACKAGES=(
  cmake make python3 mingw-w64 wine wine64 xvfb xauth openbox x11-utils
  pulseaudio pulseaudio-utils gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  gstreamer1.0-libav gstreamer1.0-plugins-bad ffmpeg libimage-exiftool-perl hyperfine fonts-ipafont
  doctest-dev xdotool xclip imagemagick mkvtoolnix python3-xlib
)

log() { printf 'harness: %s\n' "$*" >&2; }

# ---- packages --------------------------------------------------------------

deps() {
  local missing=() p
  for p in "${ZV_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    --no-install-recommends "${missing[@]}" >/dev/null
}

# ---- build -----------------------------------------------------------------

build() {
  if [ ! -f "$ZV_BUILD/CMakeCache.txt" ]; then
    cmake -S "$ZV_ROOT" -B "$ZV_BUILD" -DCMAKE_BUILD_TYPE="$ZV_BUILD_TYPE" "$@" >/dev/null
  fi
  cmake --build "$ZV_BUILD" -j "$(nproc)" -- --no-print-directory
}

# ---- Wine environment ------------------------------------------------------

wine_env() {
  take_desktop
  export WINEPREFIX=${WINEPREFIX:-$ZV_BUILD/wineprefix}
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  export WINEARCH=win64
  # A display started by "up" in this build folder serves exec too.
  if [ -z "${DISPLAY:-}" ] && [ -f "$ZV_BUILD/harness.display" ]; then
    export DISPLAY=$(cat "$ZV_BUILD/harness.display")
  fi
}

wine_bin() {
  if command -v wine >/dev/null; then echo wine; else echo /usr/lib/wine/wine64; fi
}

prefix() {
  wine_env
  if [ ! -f "$WINEPREFIX/.zv-ready" ]; then
    log "making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$(wine_bin)" wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.zv-ready"
  fi
  font_link
}

# Wine draws a character its font lacks as a box: it looks no further than
# the font's SystemLink list, and wine.inf lists only Windows' own CJK files
# there (MSGOTHIC.TTC and the like), which a Linux prefix does not have. The
# Japanese fallback of the system UI face (Tahoma, also behind "MS Shell
# Dlg") becomes IPA P Gothic from fonts-ipafont-gothic, which Wine finds
# through fontconfig. Windows has its own links and is left alone.
font_link() {
  [ -f "$WINEPREFIX/.zv-fontlink" ] && return 0
  [ -f /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf ] || return 0
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' face
  for face in Tahoma "Microsoft Sans Serif"; do
    "$(wine_bin)" reg add "$key" /v "$face" /t REG_MULTI_SZ /d "ipagp.ttf,IPAPGothic" /f \
      >/dev/null 2>&1 || { log "could not link a Japanese font to $face"; return 0; }
  done
  # The registry reaches the prefix's files when the server ends.
  wineserver -w
  touch "$WINEPREFIX/.zv-fontlink"
}

STARTED_PIDS=()
STARTED_SERVERS=()

free_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  echo ":$n"
}

# Starts Xvfb with openbox (windows appear in a fifth of the time they take on
# a bare server) and sets DISPLAY to it.
start_display() {
  local display pid i attempt
  for attempt in 1 2 3 4 5; do
    display=$(free_display)
    Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp -ac >/dev/null 2>&1 &
    pid=$!
    for i in $(seq 100); do
      [ -e "/tmp/.X11-unix/X${display#:}" ] && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    # Another harness may have taken the same number at the same moment.
    kill -0 "$pid" 2>/dev/null && break
  done
  STARTED_PIDS+=("$pid")
  export DISPLAY=$display
  openbox >/dev/null 2>&1 &
  STARTED_PIDS+=($!)
}

# A persistent wineserver saves its start-up in every test. Wine's helper
# processes (services, explorer) start with the first program and inherit
# its output: start them here, away from the pipes CTest waits on.
# A server already running (another harness on this prefix) is left alone.
start_wine() {
  if wineserver -p >/dev/null 2>&1; then STARTED_SERVERS+=("$WINEPREFIX"); fi
  "$(wine_bin)" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

# A display with openbox, the PulseAudio null sink when none runs, and the
# prefix's server.
up() {
  wine_env
  start_display
  echo "$DISPLAY" > "$ZV_BUILD/harness.display"
  audio_up
  start_wine
}

# Wine ends a prefix's desktop process when no program has used the prefix
# for a moment; the next program to start brings it back with that program's
# output inherited, and a test reading that output through a pipe would wait
# for it for good. One program holding the desktop keeps it for the run.
hold_desktop() {
  local probe=$ZV_BUILD/bin/WinProbe.exe
  [ -f "$probe" ] || return 0
  "$(wine_bin)" "$probe" hold </dev/null >/dev/null 2>&1 &
  STARTED_PIDS+=($!)
}

# ---- desktops ---------------------------------------------------------------

# Tests that show windows, take the focus or move the pointer each take one
# desktop of CTest's resource "desktop": an Xvfb display with openbox and a
# copy of the Wine prefix, so that they run side by side and a window search
# finds only its own desktop's windows. The other tests share the first
# display. ZV_DESKTOPS sets how many (default: the processors, at most 4).
desktop_count() {
  local n=${ZV_DESKTOPS:-$(nproc)}
  if [ -z "${ZV_DESKTOPS:-}" ] && [ "$n" -gt 4 ]; then n=4; fi
  [ "$n" -ge 1 ] || n=1
  echo "$n"
}

desktops() {
  local n i dir main=$WINEPREFIX saved_display=$DISPLAY
  n=$(desktop_count)
  local spec='{"version":{"major":1,"minor":0},"local":[{"desktop":['
  for i in $(seq "$n"); do
    dir=$ZV_BUILD/desktops/$i
    start_display
    export WINEPREFIX=$dir/prefix
    start_wine
    hold_desktop
    printf 'DISPLAY=%s\nWINEPREFIX=%s\n' "$DISPLAY" "$WINEPREFIX" > "$dir/env"
    [ "$i" -eq 1 ] || spec+=','
    spec+="{\"id\":\"$i\",\"slots\":1}"
  done
  printf '%s]}]}\n' "$spec" > "$ZV_BUILD/desktops/spec.json"
  export WINEPREFIX=$main DISPLAY=$saved_display
}

# A copy of the prefix, made while no server runs on it. Wine only reads its
# libraries (system32, syswow64, winsxs: some 650 MB): the copy shares them
# with the original through hard links. What Wine writes, the registry hives
# and the user and Windows folders, is copied.
copy_prefix() {
  local from=$1 to=$2 file
  [ -f "$to/.zv-ready" ] && return 0
  rm -rf "$to"
  mkdir -p "$(dirname "$to")"
  if ! cp -al "$from" "$to" 2>/dev/null; then
    rm -rf "$to"
    cp -a "$from" "$to"
    return 0
  fi
  (cd "$from" && find . -type f ! -path './drive_c/windows/system32/*' \
      ! -path './drive_c/windows/syswow64/*' ! -path './drive_c/windows/winsxs/*' -print0) |
    while IFS= read -r -d '' file; do
      cp -p --remove-destination "$from/$file" "$to/$file"
    done
}

# Copies of the prefix for the desktops, and one for the tests that start an
# X server of their own.
desktop_prefixes() {
  wine_env
  local i dir
  for i in $(seq "$(desktop_count)"); do
    dir=$ZV_BUILD/desktops/$i
    copy_prefix "$WINEPREFIX" "$dir/prefix"
    # A copy older than a later step of the prefix gets that step too.
    (WINEPREFIX=$dir/prefix font_link)
  done
  copy_prefix "$WINEPREFIX" "$ZV_BUILD/wineprefix-2mon"
  (WINEPREFIX=$ZV_BUILD/wineprefix-2mon font_link)
}

# Inside a test that took a desktop (CTest names it in the environment):
# that desktop's display and prefix, once; the programs it starts inherit them.
take_desktop() {
  local slot=${CTEST_RESOURCE_GROUP_0_DESKTOP:-} key value
  [ -n "$slot" ] || return 0
  slot=${slot#id:}
  slot=${slot%%,*}
  while IFS='=' read -r key value; do
    export "$key=$value"
  done < "$ZV_BUILD/desktops/$slot/env"
  unset CTEST_RESOURCE_GROUP_0_DESKTOP
}

# A PulseAudio null sink of this build's own: without an audio device
# DirectShow cannot render audio streams. A private runtime folder keeps two
# harnesses (two worktrees) from sharing one server and stopping it under
# each other's tests. On a person's desktop ("shared") their own server plays.
audio_up() {
  if [ "${1:-}" = shared ] && pactl info >/dev/null 2>&1; then return 0; fi
  export PULSE_RUNTIME_PATH=$ZV_BUILD/pulse
  mkdir -p "$PULSE_RUNTIME_PATH"
  if ! pactl info >/dev/null 2>&1; then
    pulseaudio --start --exit-idle-time=-1 --disallow-exit >/dev/null 2>&1 || true
    STARTED_PULSE=1
  fi
}

down() {
  wine_env
  local prefix
  for prefix in "${STARTED_SERVERS[@]}"; do
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  done
  local pid
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [ -n "${STARTED_PULSE:-}" ]; then pulseaudio --kill >/dev/null 2>&1 || true; fi
  if [ ${#STARTED_PIDS[@]} -gt 0 ]; then rm -f "$ZV_BUILD/harness.display"; fi
}

# ---- media -----------------------------------------------------------------

# A short test-pattern clip with a tone: MJPEG video and PCM audio in an AVI.
sample_clip() {
  local out=$ZV_BUILD/media/sample.avi
  if [ ! -f "$out" ]; then
    mkdir -p "$(dirname "$out")"
    ffmpeg -loglevel error -y -f lavfi -i testsrc=size=640x360:rate=30:duration=10 \
      -f lavfi -i sine=frequency=440:sample_rate=44100:duration=10 \
      -c:v mjpeg -q:v 4 -c:a pcm_s16le -shortest "$out"
  fi
  echo "$out"
}

# ---- commands --------------------------------------------------------------

cmd_test() {
  deps
  build
  prefix
  desktop_prefixes
  trap down EXIT
  up
  hold_desktop
  desktops
  local rc=0
  (cd "$ZV_BUILD" && ctest --output-on-failure -j "$(nproc)" \
    --resource-spec-file "$ZV_BUILD/desktops/spec.json" "$@") || rc=$?
  return $rc
}

cmd_run() {
  # A display already set is a person's desktop: the player shows there.
  local desktop=${DISPLAY:-}
  deps
  build
  prefix
  local media=${1:-}
  [ -n "$media" ] || media=$(sample_clip)
  trap down EXIT
  if [ -n "$desktop" ] && xdpyinfo -display "$desktop" >/dev/null 2>&1; then
    export DISPLAY=$desktop
    audio_up shared
    log "Zentavio is running on your display $DISPLAY; close its window to end"
  else
    [ -n "$desktop" ] && log "the display $desktop does not answer"
    up
    log "no X display is set: Zentavio is running on a private Xvfb display $DISPLAY" \
      "(watch it with a VNC server such as x11vnc); close its window or press Ctrl+C to end"
  fi
  "$(wine_bin)" "$ZV_BUILD/bin/Zentavio.exe" "$(winepath_of "$media")"
}

winepath_of() {
  case "$1" in
    /*) echo "Z:${1//\//\\}" ;;
    *) echo "$1" ;;
  esac
}

# Benchmarks build into their own Release folder and may need a display.
cmd_bench() {
  deps
  ZV_BUILD=${ZV_BENCH_BUILD:-$ZV_ROOT/build-bench}
  ZV_BUILD_TYPE=Release
  build -DZV_BUILD_BENCH=ON -DZV_BUILD_TESTS=OFF
  # The media benchmarks open a generated clip: 10 s of 640x360 MJPEG video
  # with PCM audio in an AVI.
  local clip=$ZV_BUILD/media/bench-640x360.avi
  if [ ! -f "$clip" ]; then
    mkdir -p "$(dirname "$clip")"
    ffmpeg -loglevel error -y -f lavfi -i testsrc=size=640x360:rate=30:duration=10 \
      -f lavfi -i sine=frequency=440:sample_rate=44100:duration=10 \
      -c:v mjpeg -q:v 4 -c:a pcm_s16le -ac 2 -shortest "$clip"
  fi
  export ZV_BENCH_CLIP
  ZV_BENCH_CLIP=$(winepath_of "$clip")
  prefix
  trap down EXIT
  up
  local exe rc=0
  for exe in "$ZV_BUILD"/bin/bench_*.exe; do
    [ -e "$exe" ] || continue
    "$(wine_bin)" "$exe" </dev/null || rc=1
  done
  # Benchmarks that drive the player from outside, as X clients.
  local script
  for script in "$ZV_ROOT"/bench/bench_*.py; do
    [ -e "$script" ] || continue
    ZV_BUILD=$ZV_BUILD /usr/bin/python3 "$script" </dev/null || rc=1
  done
  return $rc
}

cmd_exec() {
  wine_env
  exec "$(wine_bin)" "$@"
}

case "${1:-}" in
  run) shift; cmd_run "$@" ;;
  test) shift; cmd_test "$@" ;;
  exec) shift; cmd_exec "$@" ;;
  bench) cmd_bench ;;
  deps) deps ;;
  *) sed -n '2,12p' "$0" >&2; exit 2 ;;
esac
