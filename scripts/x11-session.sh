# Sourced by scripts/e2e, scripts/screenshots and scripts/package_check: a
# virtual X server without a window manager, the program started through its
# launcher in a new data folder, and the user's hands (xdotool). Windows sit
# where the program places them, since nothing else moves them.

export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE

launcher=$root/build/shell/tarvik-slovnik-start
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvik-x11.XXXXXX")
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb_pid=
home=
data=
app=
main=

# Places in the main window, in its own pixels, below its menu bar.
menu_height=0
grid_left=8
grid_top=0
grid_row=14

stop_program() {
  [ -s "$work/app.pid" ] && kill "$(cat "$work/app.pid")" 2>/dev/null
  rm -f "$work/app.pid"
}

finish_session() {
  stop_program
  # The accessibility bus and its registry end with the session bus.
  [ -s "$work/bus.pid" ] && kill "$(cat "$work/bus.pid")" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish_session EXIT

start_x_server() {
  # Xvfb picks a free display itself and names it once it accepts clients.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=:$(head -1 "$work/display")
}

# A session bus of its own with the accessibility bus on it, as a desktop
# has them: the program then speaks to screen readers (AT-SPI), and
# scripts/accessibility_walk reads its windows as one does. Qt joins the
# accessibility bus only if it runs when the program starts, so it is
# started here, before any program.
#
# The bus starts the program just built for a request when none runs: it
# finds the build tree's service file through XDG_DATA_DIRS, and gives the
# program what the session sets.
start_accessibility_bus() {
  XDG_DATA_DIRS=$root/build/shell/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share} \
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid" ||
    { echo "no session bus" >&2; exit 1; }
  export DBUS_SESSION_BUS_ADDRESS
  DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus")
  dbus-update-activation-environment DISPLAY LC_ALL QT_QPA_PLATFORM XDG_RUNTIME_DIR \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 || { echo "the bus takes no environment" >&2; exit 1; }
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "no accessibility bus" >&2; exit 1; }
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Prints the id of a shown window whose name matches the regular expression
# $1, waiting up to $2 seconds (10 by default). A search gives up when a
# window goes away under it, as the splash does, so it is asked again.
await() {
  local deadline=$((SECONDS + ${2:-10})) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -z "$id" ] || { echo "$id"; return 0; }
    sleep 0.1
  done
  echo "no window '$1'" >&2
  return 1
}

# Waits up to $2 seconds (5 by default) until window $1 is no longer shown.
# Without a window manager nobody gives the focus back: window $3, else the
# main window, takes it again, as it would get it from one.
await_gone() {
  local deadline=$((SECONDS + ${2:-5})) absent=0
  # Twice absent: a search that a vanishing window breaks lists nothing.
  while [ $absent -lt 2 ]; do
    if xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1"; then
      absent=0
      [ $SECONDS -lt $deadline ] || { echo "window $1 stayed" >&2; return 1; }
    else
      absent=$((absent + 1))
    fi
    sleep 0.1
  done
  local back=${3:-$main}
  [ -z "$back" ] || xdotool windowfocus --sync "$back" 2>/dev/null
  return 0
}

key() {
  xdotool key --delay 40 "$@"
  sleep 0.15
}

# A left click at $2, $3 pixels inside window $1.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
}

# Selects the title of the main window's menu number $1 (Soubor is 0) with
# the keyboard, which reaches the menus whatever the fonts; Down then opens
# the menu on its first item.
open_menu() {
  xdotool windowfocus --sync "$main" 2>/dev/null
  local rights=()
  for _ in $(seq "$1"); do rights+=(Right); done
  key alt "${rights[@]}"
}

# A digest of what window $1 shows.
grab() {
  import -window "$1" rgb:- 2>/dev/null | md5sum
}

alive() {
  kill -0 "$app" 2>/dev/null || { echo "the program is gone" >&2; return 1; }
}

# The menu bar's height depends on the fonts at hand; the rest of the main
# window lies below it.
measure_main_window() {
  local height
  height=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  menu_height=$((height - 366))
  grid_top=$((menu_height + 134))
}

# Starts the program through the launcher with a new data folder and
# settings, or those of the last start when $1 is "again", and waits for the
# main window, after the splash.
start_program() {
  [ "${1:-}" = again ] || home=$(mktemp -d "$work/home.XXXXXX")
  data=$home/tarvik-slovnik
  XDG_DATA_HOME=$home XDG_CONFIG_HOME=$home/config "$launcher" >"$work/program.log" 2>&1 &
  app=$!
  echo "$app" >"$work/app.pid"
  main=$(await '^Tarviksko-český slovník' 15) || return 1
  xdotool windowfocus --sync "$main" 2>/dev/null
  measure_main_window
}

# Ends the program by its menu, Soubor > Konec, and checks its exit status.
close_main() {
  open_menu 0
  key Down Down Down Down Return
  local deadline=$((SECONDS + 5)) status
  while kill -0 "$app" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || { echo "the program did not end" >&2; return 1; }
    sleep 0.1
  done
  wait "$app"
  status=$?
  rm -f "$work/app.pid"
  [ "$status" -eq 0 ] || { echo "the program ended with status $status" >&2; return 1; }
}
