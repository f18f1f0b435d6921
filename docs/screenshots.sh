#!/usr/bin/env bash
# Takes the window's pictures in docs/: the real program under a window manager
# (openbox) on a virtual X screen, on stand-in serial ports 1 and 2.
#   docs/screenshots.sh VIRTUAL_PORTS_TOOL [PROGRAM]
# VIRTUAL_PORTS_TOOL runs a command with pseudo-terminals at the serial device
# paths, so that no real port is opened; port 33 is described as an FTDI
# adapter by a private /sys/class/tty. Needs xvfb, openbox, xdotool,
# imagemagick and qt6ct (for the dark palette and the 12 pt desktop font, set
# the way a desktop sets them: through the platform theme).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inside ]; then
    tool=${1:?the virtual ports tool}
    program=$(realpath "${2:-build/scoreboard}")
    exec "$tool" --present 1,2,33 -- unshare -m xvfb-run -a -s "-ac -screen 0 1024x768x24" "$0" --inside "$program"
fi
program=$2

# What the kernel would say of port 33: an FTDI adapter in USB socket 1-1,
# laid out as the kernel lays it out.
mount -t tmpfs tmpfs /sys/class/tty
usb=/sys/class/tty/.devices/pci0000:00/usb1/1-1
tty=$usb/1-1:1.0/ttyUSB0/tty/ttyUSB0
mkdir -p "$tty"
stat -L -c '%Hr:%Lr' /dev/ttyUSB0 >"$tty/dev"
ln -s "$usb/1-1:1.0/ttyUSB0" "$tty/device"
ln -s "$tty" /sys/class/tty/ttyUSB0
echo 0403 >"$usb/idVendor"
echo 6001 >"$usb/idProduct"
echo A50285BI >"$usb/serial"
echo FTDI >"$usb/manufacturer"
echo "FT232R USB UART" >"$usb/product"

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
    # Settings of its own, unless the shot brings some: no match or port
    # remembered from the shot before, or from the user running this.
    env XDG_CONFIG_HOME="$(mktemp -d)" "$@" $as_user "$program" &
    local pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --class '^scoreboard$' | head -1)
    sleep 1
    case $action in
    plus) # "+" under the left score: the board is behind
        xdotool key --window "$window" Tab Tab space ;;
    port7) # a port with no device: a failure in the status line
        xdotool type --window "$window" 7 ;;
    list) # the list open over the field
        xdotool key --window "$window" F4 ;;
    keys) # the list of keys, over the window: the whole screen
        xdotool key --window "$window" F1 ;;
    esac
    sleep 1
    import -window root -trim "docs/$name.png"
    kill "$pid"
    wait "$pid" || true
    echo "docs/$name.png: $(identify -format '%wx%h' "docs/$name.png") with frame"
}

as_user=""
shoot screenshot none QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
shoot screenshot-120dpi plus QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=120
shoot screenshot-144dpi none QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144
shoot screenshot-scale2 none QT_SCALE_FACTOR=2
shoot screenshot-dark port7 QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$themes/dark"
shoot screenshot-font12pt none QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$themes/font12"
shoot screenshot-list list QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
shoot screenshot-keys keys QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
# In each language, as the desktop's LANG asks for it.
for language in de_DE es_ES fr_FR nl_NL; do
    shoot "screenshot-${language%_*}" plus QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 LANG=$language.UTF-8 LANGUAGE=
done

# The last match offered back: a run sends 08 15 and is closed, the next
# starts.
config=$(mktemp -d)
XDG_CONFIG_HOME=$config "$program" &
pid=$!
window=$(xdotool search --sync --onlyvisible --class '^scoreboard$' | head -1)
sleep 1
xdotool key --window "$window" Tab Tab
for _ in $(seq 8); do xdotool key --window "$window" space; done
xdotool key --window "$window" Tab Tab Tab
for _ in $(seq 15); do xdotool key --window "$window" space; done
xdotool key --window "$window" shift+Tab shift+Tab space
sleep 1
kill "$pid"
wait "$pid" || true
shoot screenshot-restore none QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 XDG_CONFIG_HOME="$config"

# A user outside the dialout group, with nothing at port 2: the commonest
# first-run failure.
chmod 777 "$config"
umount /dev/ttyS1
rm /dev/ttyS1
# As Debian's serial devices are: the dialout group may use them.
chown root:dialout /dev/ttyS0 /dev/ttyUSB0
chmod 660 /dev/ttyS0 /dev/ttyUSB0
as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"
shoot screenshot-no-dialout none QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 XDG_CONFIG_HOME="$config/nobody"
rm -r "$themes" "$config"
