#!/bin/sh
# The command-line librarian against virtual units: every command once, each checked with the unit's own reader
# (tessitra-unit show), its exit code and its words; the JSON; the unit lock against a running window.
#   cli.sh TESSITRA TESSITRA_UNIT WINDOW SOURCE_DIR
set -u
tessitra=$1 unit=$2 window=$3 src=$4
work=$(mktemp -d)
win="" server=""
trap 'for pid in $win $server; do kill $pid 2>/dev/null; done; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/run" "$work/out" && chmod 700 "$work/run"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
export TESSITRA_VIRTUAL_BUS="$work/bus" TESSITRA_SKIP_SETTLE=1 QT_QPA_PLATFORM=offscreen
# A closed port: the update check fails at once.
export TESSITRA_UPDATE_SERVER=http://127.0.0.1:9
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# expect CODE STDERR-LINE ARGS...: runs tessitra (or $program) without a terminal; an empty STDERR-LINE means
# stderr is empty.
expect() {
    code=$1 err=$2
    shift 2
    "${program:-$tessitra}" "$@" </dev/null >out.txt 2>err.txt
    rc=$?
    [ "$rc" = "$code" ] || fail "tessitra $*: exit $rc, expected $code ($(cat err.txt))"
    if [ -z "$err" ]; then [ ! -s err.txt ] || fail "tessitra $*: stderr $(cat err.txt)"
    else grep -qxF "$err" err.txt || fail "tessitra $*: stderr '$(cat err.txt)', expected '$err'"; fi
}
# stdout of the last run holds this line
says() { grep -qxF "$1" out.txt || fail "stdout lacks '$1': $(head -c 400 out.txt)"; }
json() { python3 -m json.tool out.txt >/dev/null || fail "not JSON: $(head -c 200 out.txt)"; }
# what the unit holds, without the line naming it
show() { "$unit" show "$1" | tail -n +2; }
has() { "$unit" show "$1" | grep -qxF "$2" || fail "$1 does not hold '$2'"; }
params() { "$unit" show "$1" | sed -n "s/^$2 \".*\" params //p"; }
# In the pseudo-translation every line of ours carries its marks: a line without them was left untranslated.
marked() {
    LANGUAGE=pseudo "$tessitra" "$@" </dev/null >out.txt 2>&1
    grep -v -e '^$' -e '⟦' out.txt | grep -q . && fail "tessitra $* in the pseudo language: $(grep -v '⟦' out.txt)"
}
# JSON is for scripts: byte for byte the same in every language, its errors included.
samejson() {
    LANGUAGE=en "$tessitra" --json "$@" </dev/null >en.json 2>&1
    for language in pseudo de; do
        LANGUAGE=$language LANG=ja_JP.UTF-8 "$tessitra" --json "$@" </dev/null 2>&1 | cmp -s - en.json ||
            fail "tessitra --json $* differs in $language"
    done
}

# The core library knows no virtual unit: each front end picks its HID backend.
grep -rlE '#include *[<"](\.\./)?virtualunit/' "$src/sources" && fail "sources/ includes virtualunit/"

expect 3 "tessitra: No unit found. Connect the unit and switch it on." info
# With --json an error is one object on stdout, and stderr stays empty.
expect 3 "" --json info
python3 -c 'import json,sys; d=json.load(open("out.txt")); sys.exit(d != {"error": "No unit found. Connect the unit and switch it on.", "exit": 3})' ||
    fail "--json info without a unit: $(cat out.txt)"
# The language: LANGUAGE's first supported entry, whatever LANG says; otherwise the first of LC_ALL, LC_MESSAGES and
# LANG that is set. "pseudo" stands for a translated language: "marked" when its texts come out, "-" when English.
while read -r language lcall lcmessages lang want; do
    LANGUAGE=$(echo "$language" | tr -d -) LC_ALL=$(echo "$lcall" | tr -d -) LC_MESSAGES=$(echo "$lcmessages" | tr -d -) \
        LANG=$(echo "$lang" | tr -d -) "$tessitra" info </dev/null 2>&1 | grep -qF '⟦' && got=marked || got=-
    [ "$got" = "$want" ] || fail "LANGUAGE=$language LC_ALL=$lcall LC_MESSAGES=$lcmessages LANG=$lang: $got, expected $want"
done <<'TABLE'
pseudo     -          -          C              marked
xx:pseudo  -          -          -              marked
en_GB:pseudo -        -          -              -
-          pseudo     fr_FR      de_DE          marked
-          fr_FR.UTF-8 pseudo    pseudo         -
-          -          pseudo.UTF-8 C            marked
-          -          -          pseudo_XX.UTF-8@euro marked
-          -          -          POSIX          -
xx         -          -          pseudo         marked
TABLE
marked info
marked --help
marked copy --help
marked info --frob
samejson info
expect 0 "" --version
[ "$(cat out.txt)" = "tessitra 1.0.0" ] || fail "--version: $(cat out.txt)"
# The manual pages carry that version, not the placeholder they are made from.
grep -qxF '.TH TESSITRA 1 "December 2026" "Tessitra Stage Librarian 1.0.0" "User Commands"' \
    "$(dirname "$tessitra")/packaging/tessitra.1" || fail "the manual page lacks the version"
grep -lF '@' "$(dirname "$tessitra")"/packaging/*.1 && fail "a manual page keeps a placeholder"
"$unit" plug ariette A1 >/dev/null
expect 0 "" info
says "model         Stage Ariette"
says "productId     0x0a21"
says "dsp           DSP v2.3"
expect 0 "" info --json && json
samejson info
samejson list B
samejson copy F01 U101
expect 0 "" list
says "U01   Rock Lead"
expect 0 "" list factory
says "F100  Clean Bypass 2"
expect 0 "" list favourites
says "03  U05   Country Slap"
expect 0 "" --json list B && json
# Entries name the preset they play as the preset lists do ("slot"), beside their place in the list.
python3 - <<'PY' || fail "set list B as JSON: $(head -c 400 out.txt)"
import json, sys
rows = json.load(open("out.txt"))
sys.exit(len(rows) != 20 or rows[3] != {"position": 4, "slot": "F10", "name": "Ping Pong"}
         or rows[19] != {"position": 20, "slot": None, "name": None})
PY
show A1 >original.txt

expect 0 "" backup original.tarb
says "Succesfully backed up user presets and set lists."
expect 8 "tessitra: copy changes what the unit holds: give --yes to confirm when not run from a terminal." copy F03 U90
has A1 'U90 "Cathedral 2     " params '"$(params A1 U90)"
show A1 | cmp -s - original.txt || fail "a refused copy changed the unit"
# On a terminal the question is asked, and "n" leaves the unit as it was.
printf 'n\n' | script -qec "'$tessitra' copy F03 U90" /dev/null >tty.txt 2>&1
rc=$?
[ $rc = 8 ] || fail "a copy declined on a terminal: exit $rc"
grep -qF "Do you want to overwrite the presets U90 Cathedral 2 with F03 Choir Pad? [y/N] tessitra: Nothing was changed." \
    tty.txt || fail "the terminal saw: $(cat tty.txt)"
show A1 | cmp -s - original.txt || fail "a declined copy changed the unit"
expect 0 "" copy F03 U90 --yes
says "Success."
[ "$(params A1 U90)" = "$(params A1 F03)" ] || fail "U90 does not hold F03's parameters"
# A rename and a set-list write change the unit too: a script says --yes.
show A1 >before.txt
expect 8 "tessitra: rename changes what the unit holds: give --yes to confirm when not run from a terminal." \
    rename U90 "My Slap"
expect 8 "tessitra: setlist changes what the unit holds: give --yes to confirm when not run from a terminal." \
    setlist A U90 F01 U02
printf 'n\n' | script -qec "'$tessitra' setlist A U90 F01 U02" /dev/null >tty.txt 2>&1
grep -qF "Make set list A hold U90 Choir Pad, F01 Warm Hall, U02 Ballad Verb, and empty its other slots? [y/N] tessitra: Nothing was changed." \
    tty.txt || fail "setlist on a terminal: $(cat tty.txt)"
show A1 | cmp -s - before.txt || fail "a refused rename or setlist changed the unit"
expect 0 "" rename U90 "My Slap" --yes
has A1 'U90 "My Slap         " params '"$(params A1 F03)"
# save makes the folder it is given, as the README's tour expects.
expect 0 "" save U90 F01 --to out/tour
[ -s "out/tour/U90_My Slap.tarp" ] && [ -s "out/tour/F01_Warm Hall.tarp" ] || fail "save wrote $(ls -R out)"
expect 0 "" load "out/tour/U90_My Slap.tarp" "out/tour/F01_Warm Hall.tarp" --to U10 --yes
has A1 'U10 "My Slap         " params '"$(params A1 F03)"
has A1 'U11 "Warm Hall       " params '"$(params A1 F01)"
# The load is undone: both slots hold again what they held.
expect 0 "" undo --yes
has A1 "$(grep '^U10 ' original.txt)"
has A1 "$(grep '^U11 ' original.txt)"
# Redo writes the load again; once U10 is changed on the unit's own panel, an undo leaves it alone: in a script
# --yes is not enough (exit 10), and nothing is written.
expect 0 "" redo --yes
has A1 'U11 "Warm Hall       " params '"$(params A1 F01)"
"$unit" panel-rename A1 10 "Panel Edit" || fail "panel-rename"
show A1 >panel.txt
expect 10 "tessitra: U10 no longer holds what \"load U90_My Slap.tarp and F01_Warm Hall.tarp to U10 and U11\" wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed." undo --yes
show A1 | cmp -s - panel.txt || fail "an undo overwrote a panel edit"
# The unit stores the copied record with a byte wrong: the read-back check names the slot.
"$unit" fault A1 corrupt-write 0 >/dev/null
expect 7 "tessitra: Verification failed: U20 differs from what was written." copy F05 U20 --yes
"$unit" fault A1 none >/dev/null
expect 0 "" setlist A U90 F01 U02 --yes
says "Success"
has A1 "A: 90 101 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"
printf 'not a preset' >junk.tarp
expect 6 "tessitra: File(s) data corrupted." load junk.tarp --to U20 --yes
# A slot error, and the one line that helps: not the whole usage.
expect 2 "tessitra: U101 is not a user slot of this unit (U01 to U100)" copy F01 U101
printf "tessitra: U101 is not a user slot of this unit (U01 to U100)\nSee 'tessitra copy --help'.\n" |
    cmp -s - err.txt || fail "a slot error says: $(cat err.txt)"
expect 2 "" --json copy F01 U101
python3 -c 'import json,sys; sys.exit(json.load(open("out.txt")) != {"error": "U101 is not a user slot of this unit (U01 to U100)", "exit": 2})' ||
    fail "--json slot error: $(cat out.txt)"
head -c 300 /dev/zero | tr '\0' 'A' >micro.bin
expect 0 "" firmware micro.bin --yes
has A1 "Micro image: 336 bytes, checksum 0x00, sent 0x00, verified yes"
expect 1 "tessitra: Not allowed!" factory-update --yes
expect 1 "tessitra: Connection to update server cannot be made." check-update
# A server offering a newer DSP image, its list signed with a key that a copy of the program beside its own
# info.ini trusts.
mkdir -p bin srv/updater/common/config
printf '0x01\n0x02\n' >srv/dsp.ldr
cat >srv/updater/common/config/UpdateTargets.xml <<XML
<?xml version="1.0" encoding="UTF-8"?>
<UpdateTargets><Family Name="Tessitra" FamilyID="0x60"><Product Name="Stage Ariette" ProductID="0x2"><Revisions>
<Revision Version="DSP v2.4" ImageUrl="http://127.0.0.1/dsp.ldr" $("$(dirname "$tessitra")/tessitra-sign" digest srv/dsp.ldr)/>
</Revisions></Product></Family></UpdateTargets>
XML
"$(dirname "$tessitra")/tessitra-sign" keygen srv/key >srv/publickey
"$(dirname "$tessitra")/tessitra-sign" sign srv/key srv/updater/common/config/UpdateTargets.xml
cp "$tessitra" bin/tessitra
sed "s|^publickey=.*|publickey=$(cat srv/publickey)|" "$(dirname "$tessitra")/info.ini" >bin/info.ini
python3 "$src/tests/support/updateserver.py" --root srv >srv/log 2>&1 &
server=$!
i=0
while [ ! -s srv/log ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
program=bin/tessitra TESSITRA_UPDATE_SERVER="http://127.0.0.1:$(head -1 srv/log)" expect 0 "" check-update
kill $server
server=""
unset program
says "Current: DSP v2.3, Firmware v1.5"
says "New DSP:      DSP v2.4  http://127.0.0.1/dsp.ldr"

# A back-up by the command line puts the unit back byte for byte, through the worker's restore (the window's).
expect 0 "" backup changed.tarb
show A1 | grep -v "^Micro image" >changed.txt
expect 0 "" restore original.tarb --yes
says "Succesfully restored user presets and set lists."
show A1 | grep -v "^Micro image" | diff - "$(grep -v '^Micro image' original.txt >o.txt; echo o.txt)" >/dev/null ||
    fail "restoring the first back-up does not give the unit back"
# ...and onto another unit: the same memory, and its back-up the same file.
"$unit" plug ariette A2 >/dev/null
expect 4 "tessitra: Multiple devices detected. Please connect only one device." list
"$unit" unplug A1 >/dev/null
expect 0 "" restore changed.tarb --yes
show A2 | grep -v "^Micro image" | cmp -s - changed.txt || fail "the back-up restored on A2 differs from A1"
expect 0 "" backup again.tarb
cmp -s changed.tarb again.tarb || fail "the back-up of A2 differs from the one it was restored from"
# Watched on a terminal: one bar for the whole restore (the back-up first and the read-back included) with its step
# and time left, never starting again.
script -qec "'$tessitra' restore again.tarb --yes" /dev/null </dev/null | tr '\r' '\n' >bar.txt
grep -qF "Writing presets 37 of 100, about 1 min 45 s left" bar.txt || fail "no step and time left: $(tail -c 300 bar.txt)"
sed -n 's/^.*\] *\([0-9]*\)% .*$/\1/p' bar.txt | awk '$1 < last { exit 1 } { last = $1 }' || fail "the bar starts again"

# The unit goes away while the worker backs it up first: nothing starts.
"$unit" fault A2 vanish 40 >/dev/null
expect 5 "tessitra: Nothing was changed: the unit could not be backed up first." restore original.tarb --yes
# ...and half way through the restore itself: the back-up the worker took first puts the unit back, byte for byte.
"$unit" plug ariette A4 >/dev/null
# Ctrl-C during the restore (once the worker has backed the unit up first): the write cannot be stopped safely, so
# it finishes, and its own result and exit code are reported.
clilog="$HOME/Aurivell/Tessitra/Log/tessitra/ui.log"
rm -f "$clilog"
"$tessitra" restore changed.tarb --yes </dev/null >out.txt 2>err.txt &
pid=$!
i=0
while ! grep -qF "Automatic back-up:" "$clilog" 2>/dev/null && [ $i -lt 1000 ]; do sleep 0.005; i=$((i + 1)); done
kill -INT $pid || fail "the restore ended before Ctrl-C"
wait $pid
rc=$?
[ $rc = 0 ] || fail "Ctrl-C during a restore: exit $rc ($(cat err.txt))"
grep -qxF "tessitra: A write to the unit cannot be stopped safely; it will finish first (Ctrl-C again ends the program at once, leaving the unit half written)." \
    err.txt || fail "Ctrl-C during a restore said: $(cat err.txt)"
says "Succesfully restored user presets and set lists."
show A4 | grep -v "^Micro image" | cmp -s - changed.txt || fail "the restore Ctrl-C let finish did not restore the unit"
"$unit" fault A4 vanish 400 >/dev/null
expect 5 "When the unit answers again, the librarian offers to put back the state from before the restore." \
    restore original.tarb --yes
grep -qE '^tessitra: The unit was disconnected during the restore. [0-9]+ of 100 user presets were written, so it holds a mix of old and restored presets.$' \
    err.txt || fail "no state line: $(cat err.txt)"
auto=$(sed -n 's/^tessitra: The unit was backed up before it started; to put it back: tessitra restore "\(.*\)"$/\1/p' err.txt)
case "$auto" in
"$HOME/Aurivell/Tessitra/StageAriette/Back Up/Auto before restore "*.tarb) ;;
*) fail "no automatic back-up named: $(cat err.txt)" ;;
esac
"$unit" plug ariette A5 >/dev/null
expect 0 "" restore "$auto" --yes
show A5 | grep -v "^Micro image" | cmp -s - changed.txt || fail "the automatic back-up does not give the unit back"
"$unit" unplug A5 >/dev/null

# A Cadenzo takes its factory presets again from the file made from its factory bank.
"$unit" plug cadenzo C1 >/dev/null
expect 0 "" list factory
show C1 >cadenzo.txt
expect 0 "" factory-update --yes
says "Please perform a factory reset of your device."
show C1 | cmp -s - cadenzo.txt || fail "the factory rewrite changed the Cadenzo"
# The unit goes in the middle of the next rewrite: the factory bank kept before it is named, and puts it back.
"$unit" fault C1 vanish 700 >/dev/null
"$tessitra" factory-update --yes </dev/null >out.txt 2>err.txt
rc=$?
[ "$rc" = 5 ] || fail "factory-update, unit gone: exit $rc ($(cat err.txt))"
bank=$(sed -n 's/^tessitra: The factory bank was kept before it started; to put it back: tessitra factory-update "\(.*\)"$/\1/p' err.txt)
case "$bank" in
"$HOME/Aurivell/Tessitra/StageCadenzo/Back Up/Auto before factory update "*.dat) ;;
*) fail "no factory bank named: $(cat err.txt)" ;;
esac
"$unit" plug cadenzo C1 >/dev/null
expect 0 "" factory-update "$bank" --yes
show C1 | cmp -s - cadenzo.txt || fail "the kept factory bank does not give the factory presets back"
# A Cadenzo's back-up is refused by an Ariette, which keeps what it holds.
expect 0 "" backup cadenzo.tarb
"$unit" unplug C1 >/dev/null
"$unit" plug ariette A3 >/dev/null
show A3 >fresh.txt
expect 6 "tessitra: cadenzo.tarb is not a Stage Ariette back-up. Nothing was changed." restore cadenzo.tarb --yes
show A3 | cmp -s - fresh.txt || fail "a refused back-up changed the unit"

# Compare and pick: the unit against a back-up names exactly the slots changed since; a partial restore writes only
# what was chosen, journalled like a load, and an undo takes it away again.
expect 0 "" backup pick.tarb
expect 0 "" rename U08 "Choir Pad" --yes
"$unit" panel-rename A3 12 "Panel Edit" || fail "panel-rename"
expect 0 "" setlist A U05 --yes
expect 0 "" diff pick.tarb
[ "$(cat out.txt)" = "U08        renamed   Choir Pad -> Reverse Swell
U12        renamed   Panel Edit -> Thick Unison
A          changed   U05 -> U01 U02 U03 U04 U05 U06 U07 U08 U09 U10 U11 U12" ] || fail "diff: $(cat out.txt)"
expect 0 "" diff pick.tarb --json
python3 -c 'import json,sys; d=json.load(open("out.txt")); sys.exit(d[:2] != [{"slot": "U08", "mark": "renamed", "unit": "Choir Pad", "file": "Reverse Swell"}, {"slot": "U12", "mark": "renamed", "unit": "Panel Edit", "file": "Thick Unison"}] or len(d) != 3)' ||
    fail "diff --json: $(cat out.txt)"
expect 6 "tessitra: cadenzo.tarb is not a Stage Ariette back-up." diff cadenzo.tarb
expect 0 "" restore pick.tarb --only U08 --yes
says "Restored U08 from pick.tarb."
has A3 'U08 "Reverse Swell   " params 01133c20'
has A3 'U12 "Panel Edit      " params 9a977771'
expect 0 "" restore pick.tarb --setlists A --yes
says "Restored set list A from pick.tarb."
expect 0 "" diff pick.tarb
[ "$(cat out.txt)" = "U12        renamed   Panel Edit -> Thick Unison" ] || fail "diff after restore --only: $(cat out.txt)"
expect 0 "" undo --yes
says "Undone: restore set list A from pick.tarb."
expect 0 "" undo --yes
says "Undone: restore U08 from pick.tarb."
has A3 'U08 "Choir Pad       " params 01133c20'
# Two back-ups need no unit; --all lists the same slots too (100 presets, 5 set lists, the system parameters).
expect 0 "" backup now.tarb
"$unit" unplug A3 >/dev/null
expect 0 "" diff pick.tarb now.tarb
[ "$(cat out.txt)" = "U08        renamed   Reverse Swell -> Choir Pad
U12        renamed   Thick Unison -> Panel Edit
A          changed   U01 U02 U03 U04 U05 U06 U07 U08 U09 U10 U11 U12 -> U05" ] || fail "diff of two files: $(cat out.txt)"
# Find: the files that hold a preset of that name, with its slot; none is exit 1.
mkdir -p found/sub && cp now.tarb found/ && cp pick.tarb found/sub/ && cp "out/tour/U90_My Slap.tarp" found/sub/
expect 0 "" find "panel ed" found
[ "$(cat out.txt)" = "found/now.tarb  U12 Panel Edit" ] || fail "find: $(cat out.txt)"
expect 0 "" find "my slap" found --json
python3 -c 'import json,sys; sys.exit(json.load(open("out.txt")) != [{"file": "found/sub/U90_My Slap.tarp", "slot": None, "name": "My Slap"}])' ||
    fail "find --json: $(cat out.txt)"
expect 1 "tessitra: No preset named like \"Nowhere\" was found." find Nowhere found
expect 0 "" diff pick.tarb now.tarb --all
says "U01        same      Rock Lead"
says "system     same"
[ "$(wc -l <out.txt)" = 106 ] || fail "diff --all: $(wc -l <out.txt) rows"
"$unit" plug ariette A3 >/dev/null
show A3 >picked.txt
expect 6 "tessitra: cadenzo.tarb is not a Stage Ariette back-up. Nothing was changed." restore cadenzo.tarb --only U08 --yes
expect 2 "tessitra: --only takes one SLOT or more" restore pick.tarb --only --yes
show A3 | cmp -s - picked.txt || fail "a refused partial restore changed the unit"

expect 0 "" --help
says "  setlist A|B|C|D|favourites SLOT...      Fills a set list"
says "  undo                                    Undoes the last copy, load, rename or set-list change"
says "  list [user|factory|favourites|A|B|C|D]  Lists presets or a set list"
says "  9  the unit is in use by the Tessitra Stage Librarian window or another tessitra"
expect 0 "" copy --help
says "usage: tessitra [--bus DIR] [--json] [--yes] copy FROM TO"
expect 2 "tessitra: unknown option --force" copy F01 U02 --force
grep -qxF "See 'tessitra copy --help'." err.txt || fail "no hint after a usage error: $(cat err.txt)"

# Bash completion: commands, slots, set lists and files of the right kind.
touch "a b.tarb" a.tarp
completes() {
    bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tessitra; printf "%s\n" "${COMPREPLY[@]}"' \
        sh "$src/packaging/tessitra-completion.bash" tessitra "$@" | sort | tr '\n' ' '
}
[ "$(completes co)" = "copy " ] || fail "completing co: $(completes co)"
[ "$(completes list "")" = "A B C D factory favourites user " ] || fail "completing list: $(completes list "")"
[ "$(completes copy F01 U10)" = "U10 U100 " ] || fail "completing copy's user slot: $(completes copy F01 U10)"
[ "$(completes copy F0)" = "F01 F02 F03 F04 F05 F06 F07 F08 F09 " ] || fail "completing copy F0: $(completes copy F0)"
[ "$(completes setlist "")" = "A B C D favourites " ] || fail "completing setlist: $(completes setlist "")"
[ "$(completes restore "a")" = "a b.tarb again.tarb " ] || fail "completing restore a: $(completes restore a)"

# While the command line waits at its question it holds the unit: a window started meanwhile waits as well, and
# takes the unit once the command line has ended (here by Ctrl-C).
mkfifo answer
script -qec "'$tessitra' copy F03 U90" /dev/null <answer >held.txt 2>&1 &
held=$!
exec 3>answer
i=0
while ! grep -qF "[y/N]" held.txt && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
"$window" >/dev/null 2>&1 &
win=$!
log="$HOME/Aurivell/Tessitra/Log/ui.log"
i=0
while ! grep -qF "run thread" "$log" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
sleep 1.5 # the window's first polls
grep -qF "pid is:" "$log" && fail "the window opened the unit while the command line held it"
# Ctrl-C at the question: nothing changes, and the command line ends (it used to spin on the interrupted read).
printf '\003' >&3
exec 3>&-
wait $held
rc=$?
[ $rc = 130 ] || fail "Ctrl-C at the question: exit $rc"
grep -qF "tessitra: Nothing was changed." held.txt || fail "Ctrl-C at the question: $(cat held.txt)"
i=0
while ! grep -qF "pid is: 0xa21" "$log" && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
grep -qF "pid is: 0xa21" "$log" || fail "the window did not take the unit once the command line let go"
# While the window holds the unit the command line keeps off it, and says why.
expect 9 "tessitra: The Tessitra Stage Librarian window is using the unit. Close it and try again." info
kill $win && wait $win 2>/dev/null
win=""
expect 0 "" info
# The data folders are the singer's alone.
[ "$(stat -c %a "$HOME/Aurivell" "$HOME/Aurivell/Tessitra/StageAriette/Back Up")" = "700
700" ] || fail "data folders not 0700: $(stat -c %a "$HOME/Aurivell")"
# On the real HID stack the lock is found whatever the environment: a job started by cron has no XDG_RUNTIME_DIR.
rm -f "$log"
env -u TESSITRA_VIRTUAL_BUS "$window" >/dev/null 2>&1 &
win=$!
i=0
while ! grep -qF "run thread" "$log" 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
sleep 1.5 # the window's first poll takes the lock
(unset TESSITRA_VIRTUAL_BUS XDG_RUNTIME_DIR; failures=0
    expect 9 "tessitra: The Tessitra Stage Librarian window is using the unit. Close it and try again." info
    exit $failures) || failures=$((failures + 1))
kill $win && wait $win 2>/dev/null
win=""

[ $failures -eq 0 ] && echo "cli.sh: all checks passed"
exit $((failures > 0))
