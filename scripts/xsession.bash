# Helpers for scripted sessions on the running librarian under a private Xvfb, sourced by scripts/compare-session
# and scripts/language-screenshots. They find windows by their names and widgets by the keyboard; where a mouse
# needs a place (a drag), the place is measured on the screen at run time: the entry the keyboard has just lit is
# found by the pixels that took the selection's amber (qss/TSStyle.qss), so a change of layout moves it with them.
# Needs Xvfb, xdotool, ImageMagick and python3 (./scripts/deps installs them). The caller sets $work (a folder of
# its own), $build and $HOME, and calls xs_stop on exit.
# shellcheck shell=bash disable=SC2154

xs_need_tools() {
    local tool
    for tool in Xvfb xdotool import convert python3; do
        command -v "$tool" >/dev/null || { echo "$tool is missing: ./scripts/deps installs it" >&2; exit 1; }
    done
}

# A private X server of the given size ("1280x800"); DISPLAY is set for everything after.
xs_start_x() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "$1x24" 3>"$work/display" >/dev/null 2>&1 &
    xs_xvfb=$!
    local _
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    DISPLAY=":$(head -1 "$work/display")"
    export DISPLAY
    xs_screen="$1"
}

# The librarian on the virtual bus $1, with the environment given after it (VAR=value ...). A desktop's platform
# theme would bring its own file dialog and button order: the session runs with Qt's own.
xs_start_program() {
    local bus="$1"
    shift
    # The program starts its log afresh; the end of its first read is told there (xs_wait_read).
    rm -f "$HOME/Aurivell/Tessitra/Log/ui.log"
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
        -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u WAYLAND_DISPLAY \
        TESSITRA_VIRTUAL_BUS="$bus" QT_QPA_PLATFORM=xcb "$@" "$build/TessitraStageLibrarian" >>"$work/program.log" 2>&1 &
    xs_program=$!
}

xs_stop_program() {
    if [ -n "${xs_program:-}" ]; then
        kill "$xs_program" 2>/dev/null || true
        wait "$xs_program" 2>/dev/null || true
        xs_program=""
    fi
}

xs_stop() {
    xs_stop_program
    if [ -n "${xs_xvfb:-}" ]; then
        kill "$xs_xvfb" 2>/dev/null || true
        wait "$xs_xvfb" 2>/dev/null || true
        xs_xvfb=""
    fi
}

# Says why, keeps a picture of the screen for a look, and stops.
xs_fail() {
    local picture
    picture="${TMPDIR:-/tmp}/$(basename "$0")-failed.png"
    import -window root "$picture" 2>/dev/null && echo "The screen at that moment: $picture" >&2
    echo "$(basename "$0"): $*" >&2
    exit 1
}

# The visible windows, one "id name" a line.
xs_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        printf '%s %s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}

xs_main() {
    xdotool search --onlyvisible --name '^Tessitra Stage Librarian$' 2>/dev/null | tail -1
}

# The id of a visible window whose name matches the pattern, waited for up to $2 seconds (default 30).
xs_wait_window() {
    local id
    for _ in $(seq $((${2:-30} * 4))); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.25
    done
    return 1
}

# The id of a visible window besides the main one and those given, whatever its name (a translated title), waited
# for up to $1 seconds.
xs_wait_other() { # <seconds> [window id to pass over...]
    local id seconds="$1" main
    shift
    for _ in $(seq $((seconds * 4))); do
        main="$(xs_main)"
        for id in $(xs_windows | cut -d' ' -f1); do
            [ "$id" = "$main" ] && continue
            case " $* " in *" $id "*) continue ;; esac
            echo "$id"
            return 0
        done
        sleep 0.25
    done
    return 1
}

xs_wait_gone() { # <window id> [seconds]
    for _ in $(seq $((${2:-30} * 4))); do
        xs_windows | grep -q "^$1 " || return 0
        sleep 0.25
    done
    return 1
}

# Waits until the main window stands alone (no splash, progress box or question) for two seconds in a row.
xs_settle() { # [seconds]
    local calm=0 main
    for _ in $(seq $((${1:-240} * 2))); do
        main="$(xs_main)"
        if [ -n "$main" ] && [ "$(xs_windows | grep -vc "^$main ")" = 0 ]; then
            calm=$((calm + 1))
            [ "$calm" -ge 4 ] && return 0
        else
            calm=0
        fi
        sleep 0.5
    done
    return 1
}

# The first read after start: the unit is found, read under a progress box, and the window is left alone.
xs_wait_read() {
    for _ in $(seq 480); do
        grep -q "SetList Data: D" "$HOME/Aurivell/Tessitra/Log/ui.log" 2>/dev/null && break
        sleep 0.5
    done
    xs_settle 120 || xs_fail "the first read did not end"
}

# Keys into the main window, from the find field (Ctrl+F), which every session can reach the same way.
xs_from_find() {
    local main
    main="$(xs_main)"
    xdotool windowfocus --sync "$main" key ctrl+f
    [ $# -gt 0 ] && xdotool key --delay 60 "$@"
    sleep 0.4
}

# The pointer off the window (bottom right corner of the screen), so that nothing shows its hover look.
xs_pointer_away() {
    xdotool mousemove $((${xs_screen%x*} - 1)) $((${xs_screen#*x} - 1))
    sleep 0.3
}

# A picture for docs/: no metadata, a palette of 256 colours (the text stays sharp, the file a third the size).
xs_save() { # <grabbed picture> <docs picture>
    convert "$1" -strip -dither None -colors 256 "PNG8:$2"
}

# An 8-bit copy of the main window as it is now, for xs_spot.
xs_grab() {
    import -window "$(xs_main)" -depth 8 "$1"
}

# The centre ("x y" in the window) of the row or tile that took the selection's amber between two grabs.
xs_spot() { # <before.ppm> <after.ppm>
    python3 - "$1" "$2" <<'PY'
import sys

def load(path):
    data = open(path, 'rb').read()
    fields, i = [], 0
    while len(fields) < 4:
        while data[i:i + 1].isspace():
            i += 1
        if data[i:i + 1] == b'#':
            while data[i:i + 1] not in (b'\n', b''):
                i += 1
            continue
        j = i
        while not data[j:j + 1].isspace():
            j += 1
        fields.append(data[i:j])
        i = j
    if fields[0] != b'P6' or fields[3] != b'255':
        sys.exit('not an 8-bit PPM: ' + path)
    return int(fields[1]), int(fields[2]), data[i + 1:]

# The selection's amber: a chosen list row (#3d2d17) and a chosen preset tile (#5c4320 to #3d2d17).
def amber(r, g, b):
    return 0x38 <= r <= 0x62 and 0x28 <= g <= 0x48 and 0x12 <= b <= 0x26

width, height, before = load(sys.argv[1])
width2, height2, after = load(sys.argv[2])
if (width, height) != (width2, height2):
    sys.exit('the window changed its size between the grabs')
stride = 3 * width
rows = {}
for y in range(height):
    row_before = before[y * stride:(y + 1) * stride]
    row_after = after[y * stride:(y + 1) * stride]
    if row_before == row_after:
        continue
    xs = [x for x in range(width)
          if amber(*row_after[3 * x:3 * x + 3]) and not amber(*row_before[3 * x:3 * x + 3])]
    if xs:
        rows[y] = xs
if not rows or max(len(xs) for xs in rows.values()) < 20:
    sys.exit('nothing took the selection colour')
# The band around the fullest line: a lit row or tile, whatever else changed a few pixels elsewhere.
peak = max(rows, key=lambda y: len(rows[y]))
least = len(rows[peak]) // 3
top = bottom = peak
while len(rows.get(top - 1, ())) >= least:
    top -= 1
while len(rows.get(bottom + 1, ())) >= least:
    bottom += 1
xs = sorted(x for y in range(top, bottom + 1) for x in rows.get(y, ()))
print((xs[0] + xs[-1]) // 2, (top + bottom) // 2)
PY
}
