#!/usr/bin/env bash
# End-to-end test of the real program: starts it on a virtual X server with a
# throw-away settings store, from a working directory that holds none of its
# files, and drives it with real input events. The list background must be
# drawn and Help must open the help window. Then it opens the
# first protocol of a copy of the sample collection, changes its Brief Title,
# saves over the file; the saved file must hold the change. Then, by keyboard
# alone, it opens that protocol again with Enter, goes to the Status page with
# Ctrl+Page Down, types a year, presses OK and saves with Ctrl+S; the saved file
# must hold the year. Then it opens the
# protocol in the registry's current format, presses OK without a change and
# saves again: the file must keep every byte. Then it quits.
#
#     tools/e2e-test.sh [build-folder]     the built program (default: build)
#     tools/e2e-test.sh --deb <file.deb>   checks the package's contents and
#                                          dependencies, unpacks it into a temporary
#                                          folder and drives the program it installs
#
# Needs Xvfb, xdotool and xwd; without them it says so and exits 0. The program runs
# without network (its own network namespace when `unshare` allows it): it tries
# the maker's site for the message line and must not wait for it. On failure a
# screenshot, the program's output and the settings are kept and their folder named.
set -euo pipefail
shopt -s inherit_errexit # a failed wait inside $(...) ends the test

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
sample="$root/examples/sample-collection.xml"
full_record="$root/tests/validation/data/accept-full-record.xml"
step_timeout=${E2E_STEP_TIMEOUT:-15}

log() { echo "e2e: $*"; }

for tool in Xvfb xdotool xwd; do
    if ! command -v "$tool" >/dev/null; then
        log "skipped: $tool is not installed"
        exit 0
    fi
done

# Whatever the machine offers, the program gets no network: a namespace of its own.
if [ -z "${E2E_ISOLATED:-}" ]; then
    export E2E_ISOLATED=1
    if unshare --net true 2>/dev/null; then
        exec unshare --net "$0" "$@"
    elif unshare --map-root-user --net true 2>/dev/null; then
        exec unshare --map-root-user --net "$0" "$@"
    fi
    log "note: no network namespace available; relying on the machine having no network"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/protoscribe-e2e.XXXXXX")
xvfb_pid=
program_pid=
passed=

cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        sleep 0.5
        kill -9 "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ -n "$passed" ]; then
        rm -rf "$work"
    else
        log "kept for debugging: $work (screenshot, program.log, settings)"
    fi
}
trap cleanup EXIT

screenshot() {
    if command -v import >/dev/null; then
        import -display "$DISPLAY" -window root "$work/failure.png" 2>/dev/null || true
    elif command -v xwd >/dev/null; then
        xwd -display "$DISPLAY" -root -silent -out "$work/failure.xwd" 2>/dev/null || true
    fi
}

# Also called inside $(...), so everything goes to stderr.
fail() {
    {
        echo "e2e: FAIL: $*"
        if [ -n "${DISPLAY:-}" ]; then
            screenshot
            echo "e2e: windows on the screen:"
            for id in $(visible_windows '.'); do
                echo "    $id $(xdotool getwindowname "$id" 2>/dev/null)"
            done
        fi
        if [ -f "$work/program.log" ]; then
            tail -20 "$work/program.log" | sed 's/^/    program: /'
        fi
    } >&2
    exit 1
}

visible_windows() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

program_alive() {
    kill -0 "$program_pid" 2>/dev/null
}

# Waits until a visible window whose title matches $1 and is not among $2 (ids)
# exists, and prints its id.
wait_for_window() {
    local pattern=$1 known=${2:-} deadline=$((SECONDS + step_timeout)) id
    while [ "$SECONDS" -lt "$deadline" ]; do
        program_alive || fail "the program ended while waiting for a window \"$pattern\""
        for id in $(visible_windows "$pattern"); do
            case " $known " in
                *" $id "*) ;;
                *) echo "$id"; return 0 ;;
            esac
        done
        sleep 0.2
    done
    fail "no window \"$pattern\" within ${step_timeout}s"
}

wait_until_gone() {
    local id=$1 what=$2 deadline=$((SECONDS + step_timeout))
    while [ "$SECONDS" -lt "$deadline" ]; do
        visible_windows '.' | grep -qx "$id" || return 0
        sleep 0.2
    done
    fail "$what is still open after ${step_timeout}s"
}

# Without a window manager the keyboard goes where the X focus is set.
focus() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
}

press() {
    focus "$1"
    shift
    xdotool key --clearmodifiers "$@"
}

# Clicks at a point given in thousandths of the window's width and height,
# plus optional pixels right and down.
click_at() {
    local id=$1 x_permille=$2 y_permille=$3 dx=${4:-0} dy=${5:-0}
    # shellcheck disable=SC2034 # SCREEN and WINDOW come with the geometry
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --sync $((X + WIDTH * x_permille / 1000 + dx)) \
        $((Y + HEIGHT * y_permille / 1000 + dy))
    xdotool click 1
    sleep 0.3
}

start_display() {
    local number
    for number in $(seq 71 120); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$number"
        local deadline=$((SECONDS + 10))
        while [ "$SECONDS" -lt "$deadline" ]; do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.2
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
        unset DISPLAY
    done
    fail "could not start Xvfb"
}

# The package must hold the program, its files and the desktop integration,
# and depend on the runtime libraries it links.
check_package() {
    local deb=$1 contents depends path library
    contents=$(dpkg-deb -c "$deb") || fail "dpkg-deb cannot read $deb"
    for path in usr/bin/protoscribe usr/bin/protoscribe-cli \
        usr/share/protoscribe/HELP.TXT usr/share/protoscribe/globebkimage.bmp \
        usr/share/protoscribe/ProtocolRecordSchema.xsd usr/share/protoscribe/ResultsRecordSchema.xsd \
        usr/share/applications/protoscribe.desktop \
        usr/share/icons/hicolor/256x256/apps/protoscribe.png; do
        grep -q " \./$path\$" <<<"$contents" || fail "the package lacks /$path"
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    log "package depends on: $depends"
    for library in libqt6widgets6 libqt6webenginewidgets6 libqt6gui6 libcurl4 libxml2; do
        grep -Eq "(^|[ ,])$library([ ,(]|t64|\$)" <<<"$depends" || fail "the package does not depend on $library"
    done
    dpkg-deb -x "$deb" "$work/root"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$work/root/usr/share/applications/protoscribe.desktop" \
            || fail "the desktop entry is not valid"
    fi
    # The command-line companion finds the installed schema and the results schema
    # it imports: a record with every element, results included, validates.
    "$work/root/usr/bin/protoscribe-cli" validate "$full_record" >"$work/cli.log" 2>&1 \
        || fail "the installed protoscribe-cli cannot validate $full_record: $(cat "$work/cli.log")"
}

start_program() {
    local command=$1
    mkdir -p "$work/config/Protoscribe" "$work/cache" "$work/home" "$work/data" "$work/runtime" \
        "$work/elsewhere"
    chmod 700 "$work/runtime"
    cp "$sample" "$work/collection.xml"
    # The key IniSettingsStore writes for the last file, outside any group.
    printf '[General]\nm_XMLPath=%s\n' "$work/collection.xml" >"$work/config/Protoscribe/Protoscribe.ini"
    (
        export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
        export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
        unset WAYLAND_DISPLAY
        if [ "$(id -u)" -eq 0 ]; then
            export QTWEBENGINE_DISABLE_SANDBOX=1
        fi
        # Not the program's folder: it must find its files by itself.
        cd "$work/elsewhere"
        exec "$command"
    ) >"$work/program.log" 2>&1 &
    program_pid=$!
}

# The splash screen is titled with the program's name alone, the main window
# with the file's name before it ("collection.xml – Protoscribe"); the main
# window counts once the splash screen's three seconds are over and it has gone.
wait_for_main_window() {
    local main started deadline
    main=$(wait_for_window '. Protoscribe$')
    started=$SECONDS
    deadline=$((SECONDS + step_timeout))
    while [ "$SECONDS" -lt "$deadline" ]; do
        program_alive || fail "the program ended during start-up"
        if [ $((SECONDS - started)) -ge 4 ] && [ -z "$(visible_windows '^Protoscribe$')" ]; then
            echo "$main"
            return 0
        fi
        sleep 0.3
    done
    fail "the splash screen did not go away (main window $main)"
}

# Save over the collection file: the save dialog, the overwrite question and the
# message that confirms. $2 is the key that asks to save (default Alt+S).
save_over_the_collection() {
    local main=$1 keys=${2:-alt+s} dialog confirm info
    press "$main" "$keys"
    dialog=$(wait_for_window '^Save As$')
    focus "$dialog"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$work/collection.xml"
    xdotool key --clearmodifiers Return
    confirm=$(wait_for_window '^Save As$' "$dialog")
    press "$confirm" alt+y
    wait_until_gone "$dialog" "the save dialog"
    info=$(wait_for_window '^Protoscribe$' "$main")
    press "$info" Return
    wait_until_gone "$info" "the message after saving"
}

# Counts the pale blue pixels of the globe in a rectangle of window $1, given in
# thousandths of its width and height (left, top, right, bottom).
globe_pixels() {
    local id=$1 shot="$work/window.xwd"
    xwd -silent -id "$id" -out "$shot" || fail "xwd cannot capture window $id"
    python3 - "$shot" "${@:2}" <<'PYTHON'
import struct, sys
data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header, pixmap_format, width, height = fields[0], fields[2], fields[4], fields[5]
byte_order, bits, line = fields[7], fields[11], fields[12]
masks, colours = fields[14:17], fields[19]
if pixmap_format != 2 or bits not in (24, 32):
    sys.exit(f"unexpected capture: format {pixmap_format}, {bits} bits per pixel")
shifts = [(mask & -mask).bit_length() - 1 for mask in masks]
start = header + colours * 12
order = "little" if byte_order == 0 else "big"
step = bits // 8
left, top, right, bottom = (int(v) for v in sys.argv[2:6])
count = 0
for y in range(height * top // 1000, height * bottom // 1000):
    row = start + y * line
    for x in range(width * left // 1000, width * right // 1000):
        value = int.from_bytes(data[row + x * step:row + x * step + step], order)
        r, g, b = ((value & m) >> s for m, s in zip(masks, shifts))
        # The globe's lines and glow: pale, and bluer than grey.
        if r >= 150 and b >= 200 and b - r >= 12 and g >= r:
            count += 1
print(count)
PYTHON
}

# What the program reads from its own folders, started elsewhere: the list
# background behind the protocols, and HELP.TXT in the help window.
check_program_files() {
    local main=$1 pixels help
    pixels=$(globe_pixels "$main" 45 235 955 780)
    [ "$pixels" -ge 2000 ] || fail "the list background is not drawn ($pixels globe pixels)"
    log "the list background is drawn ($pixels globe pixels)"
    press "$main" alt+h
    help=$(wait_for_window '^Help$')
    visible_windows '^Protoscribe$' | grep -vqx "$main" \
        && fail "Help showed a message instead of HELP.TXT"
    log "Help opened the help window $help"
    press "$help" Escape
    wait_until_gone "$help" "the help window"
}

# The click only puts the keyboard on the list (Save had it). The editor opens on
# the Title page's first field; the Status page (after FDA, Sponsor, Oversight
# and Summary) starts with the verification month, then its year.
keyboard_only_edit() {
    local main=$1 editor year=2047
    focus "$main"
    click_at "$main" 38 223 60 28
    press "$main" Return
    editor=$(wait_for_window '^Editing .*Protocol: ')
    press "$editor" ctrl+Next ctrl+Next ctrl+Next ctrl+Next ctrl+Next
    sleep 0.3
    xdotool key --clearmodifiers Tab ctrl+a
    xdotool type --delay 10 "$year"
    sleep 0.3
    press "$editor" alt+o
    wait_until_gone "$editor" "the editor driven by keyboard"
    save_over_the_collection "$main" ctrl+s
    grep -Eq "<verification_date>[^<]*$year" "$work/collection.xml" \
        || fail "the keyboard-only edit did not save the verification year $year"
    log "a keyboard-only edit (Enter, Ctrl+Page Down, typing, Alt+O, Ctrl+S) was saved"
}

drive_program() {
    local main editor marker="Edited end to end $$ $RANDOM"
    main=$(wait_for_main_window)
    log "main window $main"
    check_program_files "$main"

    # The first row of the protocol list, just below its header (the list's
    # top left corner is at 16/420, 58/260 of the window).
    focus "$main"
    click_at "$main" 38 223 60 28
    press "$main" alt+e
    editor=$(wait_for_window '^Editing .*Protocol: ')
    log "editor $editor: $(xdotool getwindowname "$editor")"

    # The Title page comes first; its Brief Title box sits at a fixed share of the editor.
    focus "$editor"
    click_at "$editor" 644 176
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 10 "$marker"
    sleep 0.3
    press "$editor" alt+o
    wait_until_gone "$editor" "the editor"

    save_over_the_collection "$main"

    grep -qF ">$marker</brief_title>" "$work/collection.xml" \
        || fail "the saved file does not hold the new Brief Title \"$marker\""
    [ "$(grep -c '<clinical_study>' "$work/collection.xml")" -eq "$(grep -c '<clinical_study>' "$sample")" ] \
        || fail "the saved file lost or gained protocols"
    ! grep -qF '>Once-Daily Zelnoratan for Resistant Hypertension</brief_title>' \
        "$work/collection.xml" || fail "the first protocol kept its old Brief Title"
    grep -qF '>Sleep and Metabolic Health in Rotating Night-Shift Nurses</brief_title>' \
        "$work/collection.xml" || fail "the second protocol's Brief Title changed"
    log "saved file holds the change"

    keyboard_only_edit "$main"

    # The last protocol is in the registry's current format: OK without a
    # change, then Save, keeps the file as it was.
    cp "$work/collection.xml" "$work/before-untouched-ok.xml"
    focus "$main"
    click_at "$main" 38 223 60 28
    press "$main" Down Down Down
    press "$main" alt+e
    editor=$(wait_for_window '^Editing .*Protocol: HCI-CKD-2026-02$')
    press "$editor" alt+o
    wait_until_gone "$editor" "the editor of the current-format protocol"
    save_over_the_collection "$main"
    cmp -s "$work/before-untouched-ok.xml" "$work/collection.xml" \
        || fail "OK without a change on the current-format protocol changed the saved file"
    log "an untouched OK on the current-format protocol kept every byte"

    # Nothing is left unsaved, so Quit ends the program without a question.
    press "$main" alt+q
    local deadline=$((SECONDS + step_timeout))
    while program_alive && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.2; done
    program_alive && fail "the program did not end after Quit"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

if [ "${1:-}" = "--deb" ]; then
    [ -f "${2:-}" ] || fail "usage: $0 --deb <file.deb>"
    check_package "$2"
    log "package contents, dependencies and desktop entry are fine"
    # Its files are in the unpacked usr/share/protoscribe.
    program="$work/root/usr/bin/protoscribe"
else
    build=${1:-build}
    case "$build" in
        /*) ;;
        *) build="$root/$build" ;;
    esac
    program="$build/src/app/protoscribe"
    [ -x "$program" ] || fail "$program is missing; build first"
fi

start_display
start_program "$program"
drive_program
passed=1
log "passed"
