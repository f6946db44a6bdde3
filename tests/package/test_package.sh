#!/bin/sh
# The Debian package, from cpack to purge, without installing anything on the
# machine; the program runs as unprivileged users with homes of their own:
#   test_package.sh BUILD_DIR SEED_SPINS VERSION PREFIX
set -eu
build=$1
seed=$2
version=$3
prefix=$4

# The players below are other users; only root can become them.
if [ "$(id -u)" -ne 0 ]; then
    echo "test_package: skipped, it runs the programs as other users and needs root"
    exit 77
fi

work=$(mktemp -d "$build/package-test.XXXXXX")
# The players below must reach the programs and their homes.
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
export TMPDIR="$work"
checks=0

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
ok() {
    checks=$((checks + 1))
}

# --- the package --------------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB"; }
arch=$(dpkg --print-architecture)
deb="$work/out/spinledger_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no package $deb: $(ls "$work/out")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = spinledger ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
echo "Depends: $depends"
for needed in 'libqt6core6' 'libqt6widgets6' 'libsqlcipher[0-9]*'; do
    echo "$depends" | grep -Eq "(^|, )$needed( |,|$)" || fail "Depends lacks $needed: $depends"
    ok
done
# Nothing is elevated any more: the folder is only read.
! echo "$depends" | grep -Eq "pkexec|policykit" || fail "Depends still brings pkexec: $depends"
dpkg-deb -f "$deb" Description | grep -q "key built into the program" || fail "the description hides what the key protects"
ok

# The file list: what start-up needs, the desktop files, the links, and never
# the player's database.
dpkg-deb -c "$deb" | awk '{ line = $1 " " $6; if ($7 == "->") line = line " -> " $8; print line }' >"$work/list"
has() {
    grep -Eq "$1" "$work/list" || fail "package lacks $1"
    ok
}
has "^-rwxr-xr-x \.$prefix/spinledger$"
has "^-rwxr-xr-x \.$prefix/spinledger-cli$"
has "^-rw-r--r-- \.$prefix/Spinledger\.template\.mdb$"
has "^-rw-r--r-- \.$prefix/spinledger\.mode$"
for image in ka.cart wheelanim app.title ka.cart@2x wheelanim@2x app.title@2x; do
    has "^-rw-r--r-- \.$prefix/images/$image\.gif$"
done
has "^l[^ ]* \./usr/bin/spinledger -> $prefix/spinledger$"
has "^l[^ ]* \./usr/bin/spinledger-cli -> $prefix/spinledger-cli$"
has "^-[^ ]* \./usr/share/applications/spinledger\.desktop$"
has "^-[^ ]* \./usr/share/metainfo/[^ ]*\.metainfo\.xml$"
has "^-rw-r--r-- \./usr/share/doc/spinledger/copyright$"
for size in 48 128 256; do
    has "^-[^ ]* \./usr/share/icons/hicolor/${size}x${size}/apps/spinledger\.png$"
done
! grep -q "Spinledger\.mdb" "$work/list" || fail "the package carries a Spinledger.mdb"
! grep -q "xcacls" "$work/list" || fail "the package carries the permission script"
# The names the update refuses are the names the package lays, no more, no less.
awk -v p="./${prefix#/}/" 'index($2, p) == 1 { n = substr($2, length(p) + 1); sub("/.*", "", n); if (n != "") print n }' \
    "$work/list" | sort -u >"$work/laid"
sort -u "$build/installation-folder.txt" >"$work/refused"
cmp -s "$work/laid" "$work/refused" || fail "laid and refused names differ: $(diff "$work/laid" "$work/refused")"
ok
! grep -q "/usr/local" "$work/list" || fail "the package reaches into /usr/local"

# --- unpacked: the programs start, the desktop files validate -------------------
mkdir -p "$work/root"
dpkg-deb -x "$deb" "$work/root"
folder="$work/root$prefix"
# The command succeeds and prints a line that matches the pattern.
prints() {
    pattern=$1
    shift
    out=$("$@" 2>&1) || fail "$*: $out"
    echo "$out" | grep -Eq "$pattern" || fail "$* said: $out"
    ok
}
prints "^Spinledger $version\$" env QT_QPA_PLATFORM=offscreen "$folder/spinledger" --version
# Without any display at all: answered before the application exists.
prints "^Usage: spinledger" env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=none "$folder/spinledger" --help
prints "^spinledger-cli $version\$" "$folder/spinledger-cli" --version

desktop-file-validate "$work/root/usr/share/applications/spinledger.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/"*.metainfo.xml || fail "appstreamcli validate"
for size in 48 128 256; do
    file "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/spinledger.png" |
        grep -q "PNG image data, $size x $size," || fail "icon of $size px"
done
ok

# --- dpkg itself, on a root with a package database of its own --------------------
# dpkg hands the root to the maintainer scripts in DPKG_ROOT; its log stays in
# the test's folder too, so nothing on the machine changes.
cpack --config "$build/CPackConfig.cmake" -G DEB -R "$version.1" -B "$work/next" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack of the next version"; }
next="$work/next/spinledger_$version.1_$arch.deb"
pkg() {
    dpkg --root="$work/root" --log="$work/dpkg.log" --force-script-chrootless --force-depends \
        --force-not-root "$@" >"$work/said" 2>&1 || { cat "$work/said" >&2; fail "dpkg $*"; }
}
# An empty root; with an argument, the package installed on it.
new_root() {
    rm -rf "$work/root" "$work/home"
    mkdir -p "$work/root/var/lib/dpkg/info" "$work/root/var/lib/dpkg/updates" "$work/home"
    chmod 755 "$work/root" "$work/home"
    : >"$work/root/var/lib/dpkg/status"
    [ $# -eq 0 ] || pkg -i "$1"
}
db="$folder/Spinledger.mdb"
hash() {
    sha256sum <"$1"
}
said() {
    grep -qF "$1" "$work/said" || fail "dpkg $2 said: $(cat "$work/said")"
}

# --- the players: unprivileged users, each with a home and a runtime folder -----
# "nobody", and a user the machine has no name for.
players="65534 4242"
home_of() {
    echo "$work/home/$1"
}
own_db() {
    echo "$(home_of "$1")/.local/share/spinledger/Spinledger.mdb"
}
# As the player: as_player UID COMMAND...
as_player() {
    uid=$1
    shift
    home=$(home_of "$uid")
    if [ ! -d "$home" ]; then
        mkdir -p "$home/run"
        chown -R "$uid:$uid" "$home"
        chmod 700 "$home/run"
    fi
    setpriv --reuid="$uid" --regid="$uid" --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen "$@"
}
# The window's first start as the player: it runs until the player's database
# holds the installation's rows, then it is ended. The window writes its own
# process number: the job's is that of a shell that would outlive the kill.
start_window() {
    pidfile="$(home_of "$1")/window.pid"
    rm -f "$pidfile"
    as_player "$1" sh -c 'echo $$ >"$0" && exec "$1"' "$pidfile" "$folder/spinledger" \
        >"$work/window.log" 2>&1 &
    job=$!
    tries=0
    until [ -s "$pidfile" ] && [ -s "$(own_db "$1")" ] &&
        as_player "$1" "$folder/spinledger-cli" casinos 2>/dev/null | grep -q "Demo Casino"; do
        tries=$((tries + 1))
        [ $tries -lt 300 ] || { stop_window; fail "no database for $1: $(cat "$work/window.log")"; }
        kill -0 "$job" 2>/dev/null || fail "the window of $1 ended: $(cat "$work/window.log")"
        sleep 0.1
    done
    stop_window
}
stop_window() {
    [ -s "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null
    wait "$job" 2>/dev/null || true
}
# The program folder as the machine sees it: every entry's type, mode, owner,
# size and content, and its ACL entries.
folder_state() {
    find "$folder" -printf '%y %m %u:%g %s %P\n' | sort
    find "$folder" -type f -exec sha256sum {} + | sort
    getfacl -R -p "$folder" 2>/dev/null
}
# Nothing of the folder is the player's to change.
untouchable() {
    for target in "$folder" "$folder/spinledger" "$folder/spinledger-cli" "$folder/Spinledger.template.mdb"; do
        ! as_player "$1" sh -c "test -w '$target'" || fail "$target is writable for $1"
    done
    ok
}

# --- install, and the first starts ------------------------------------------------
new_root "$deb"
[ ! -e "$db" ] || fail "fresh install made a database in $folder"
ok
untouchable 65534
folder_state >"$work/before"
start_window 65534
folder_state >"$work/after"
cmp -s "$work/before" "$work/after" || fail "a start changed the program folder: $(diff "$work/before" "$work/after")"
[ -z "$(find "$folder" -newer "$work/before")" ] || fail "a start wrote into $folder"
[ "$(stat -c %U "$(own_db 65534)")" = nobody ] || fail "the database is not the player's"
[ "$(stat -c %a "$(dirname "$(own_db 65534)")")" = 700 ] || fail "the data folder is open to others"
ok
prints "^mode: installed$" as_player 65534 "$folder/spinledger-cli" where
prints "^database: $(own_db 65534)$" as_player 65534 "$folder/spinledger-cli" where
prints "^backups: $(dirname "$(own_db 65534)")/backups$" as_player 65534 "$folder/spinledger-cli" where
prints "^lock: $(home_of 65534)/run/spinledger-[0-9a-f]*\.lock$" as_player 65534 "$folder/spinledger-cli" where
# The command line alone, from the first minute: a second player who never
# opened the window has a database with the installation's rows.
prints "Demo Casino" as_player 4242 "$folder/spinledger-cli" casinos
prints "^0$" as_player 4242 "$folder/spinledger-cli" spin-count
# Two players, two histories.
as_player 65534 "$seed" "$(own_db 65534)" 3
prints "^3$" as_player 65534 "$folder/spinledger-cli" spin-count
prints "^0$" as_player 4242 "$folder/spinledger-cli" spin-count
folder_state >"$work/after"
cmp -s "$work/before" "$work/after" || fail "the players changed the program folder"

# --- an upgrade from a version that kept one database for all ------------------------
# What such a machine looks like: the shared database with spins, the folder and
# its files opened to a player by the old permission repair.
cp "$folder/Spinledger.template.mdb" "$db"
"$seed" "$db" 7
if setfacl -R -m u:nobody:rwX "$folder" 2>/dev/null && setfacl -R -d -m u:nobody:rwX "$folder"; then
    acls=yes
else
    acls=no
fi
shared=$(hash "$db")
mine=$(hash "$(own_db 65534)")
pkg -i "$next"
[ "$(hash "$db")" = "$shared" ] || fail "upgrade changed the shared database"
[ "$(hash "$(own_db 65534)")" = "$mine" ] || fail "upgrade changed a player's database"
if [ $acls = yes ]; then
    for target in "$folder" "$folder/spinledger" "$folder/spinledger-cli" "$folder/images"; do
        ! getfacl -p "$target" 2>/dev/null | grep -q "user:nobody" || fail "upgrade left nobody's ACL on $target"
    done
fi
untouchable 65534
ok

# Moving over: a player with no database of their own gets a copy of the shared
# one with its spins; one who has theirs keeps it.
rm -rf "$(home_of 4242)"
folder_state >"$work/before"
start_window 4242
folder_state >"$work/after"
cmp -s "$work/before" "$work/after" || fail "moving over changed the program folder: $(diff "$work/before" "$work/after")"
grep -q "moved 7 spins from" "$work/window.log" || fail "the window did not move over: $(cat "$work/window.log")"
prints "^7$" as_player 4242 "$folder/spinledger-cli" spin-count
prints "^3$" as_player 65534 "$folder/spinledger-cli" spin-count
[ "$(hash "$db")" = "$shared" ] || fail "moving over changed the shared database"
# The command line moves over as the window does, and says so.
rm -rf "$(home_of 4242)"
prints "copied from $db" as_player 4242 "$folder/spinledger-cli" spin-count
prints "^7$" as_player 4242 "$folder/spinledger-cli" spin-count

# --- remove and purge never touch a player's history -------------------------------
mine=$(hash "$(own_db 65534)")
theirs=$(hash "$(own_db 4242)")
echo "dblog" >"$folder/dblog.txt"
pkg -r spinledger
said "holds 7 spins" "-r"
said "$db" "-r"
[ "$(hash "$db")" = "$shared" ] && [ ! -e "$folder/spinledger" ] || fail "removal: database changed or program left"
[ ! -e "$folder/dblog.txt" ] || fail "removal left dblog.txt"
pkg -P spinledger
said "$db" "-P"
[ "$(hash "$db")" = "$shared" ] || fail "purge of a history changed the shared database"
[ "$(hash "$(own_db 65534)")" = "$mine" ] && [ "$(hash "$(own_db 4242)")" = "$theirs" ] ||
    fail "remove or purge changed a player's database"
ok

# A purge of a shared database without spins takes it, its companions and the folder.
new_root "$deb"
cp "$folder/Spinledger.template.mdb" "$db"
: >"$db-journal"
pkg -r spinledger
pkg -P spinledger
[ ! -e "$folder" ] || fail "purge left $folder: $(ls -A "$folder")"
[ ! -e "$work/root/var/lib/spinledger" ] || fail "purge left /var/lib/spinledger"
ok

# Removed without spins, then a history put in place before the purge: kept.
new_root "$deb"
cp "$folder/Spinledger.template.mdb" "$db"
pkg -r spinledger
"$seed" "$db" 1
pkg -P spinledger
[ -e "$db" ] || fail "purge took a database that gained a spin after removal"
ok

# A reinstall after a removal keeps the shared database and forgets the old verdict.
new_root "$deb"
cp "$folder/Spinledger.template.mdb" "$db"
pkg -r spinledger
before=$(hash "$db")
pkg -i "$deb"
[ "$(hash "$db")" = "$before" ] || fail "reinstall changed the database"
[ ! -e "$work/root/var/lib/spinledger" ] || fail "reinstall kept the removal's verdict"
ok

echo "test_package: $checks checks passed"
