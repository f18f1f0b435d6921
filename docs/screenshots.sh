#!/usr/bin/env bash
# Takes the window's pictures in docs/: the real program under a window manager
# (openbox) on a virtual X screen, on stand-in serial ports 1 and 2.
#   docs/screenshots.sh VIRTUAL_PORTS_TOOL [PROGRAM]
# VIRTUAL_PORTS_TOOL runs a command with pseudo-terminals at the serial device
# paths, so that no real port is opened. Needs xvfb, openbox, xdotool,
# imagemagick and qt6ct (for the dark palette and the 12 pt desktop font, set
# the way a desktop sets them: through the platform theme).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inside ]; then
    tool=${1:?the virtual ports tool}
    program=$(realpath "${2:-build/scoreboard}")
    exec "$tool" --present 1,2 -- xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$program"
fi
program=$2

openbox >/dev/null 2>&1 &
openbox_pid=$!
trap 'kill $openbox_pid 2>/dev/null || true' EXIT
sleep 1

themes=$(mktemp -d)
mkdir -p "$themes/dark/qt6ct" "$themes/font12/qt6ct"
cat >"$themes/dark/qt6ct/qt6ct.conf" <<EOF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
EOF
cat >"$themes/font12/qt6ct/qt6ct.conf" <<EOF
[Appearance]
custom_palette=false
style=Fusion
[Fonts]
general="DejaVu Sans,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="DejaVu Sans Mono,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
EOF

# shoot NAME ACTION [VARIABLE=VALUE ...]: start the program, act, take the
# window with its frame, close it.
shoot() {
    local name=$1 action=$2
    shift 2
    env "$@" "$program" &
    local pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --name '^Scoreboard$' | head -1)
    sleep 1
    case $action in
    plus) # "+" under the left score: the board is behind
        xdotool key --window "$window" Tab Tab space ;;
    port7) # a port with no device: a failure in the status line
        xdotool type --window "$window" 7 ;;
    esac
    sleep 1
    import -window root -trim "docs/$name.png"
    kill "$pid"
    wait "$pid" || true
    echo "docs/$name.png: $(identify -format '%wx%h' "docs/$name.png") with frame"
}

shoot screenshot none QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
shoot screenshot-120dpi plus QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=120
shoot screenshot-144dpi none QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144
shoot screenshot-scale2 none QT_SCALE_FACTOR=2
shoot screenshot-dark port7 QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$themes/dark"
shoot screenshot-font12pt none QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$themes/font12"
rm -r "$themes"
