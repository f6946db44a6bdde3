#!/bin/sh
# The Debian package, from cpack to purge, without installing anything:
#   test_package.sh BUILD_DIR SEED_SPINS VERSION PREFIX
set -eu
build=$1
seed=$2
version=$3
prefix=$4

work=$(mktemp -d "$build/package-test.XXXXXX")
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
for needed in 'libqt6core6' 'libqt6widgets6' 'libsqlcipher[0-9]*' 'pkexec' 'acl'; do
    echo "$depends" | grep -Eq "(^|, )$needed( |,|$)" || fail "Depends lacks $needed: $depends"
    ok
done

# The file list: what start-up needs, the desktop files, the links, and never
# the player's database.
dpkg-deb -c "$deb" | awk '{ line = $1 " " $6; if ($7 == "->") line = line " -> " $8; print line }' >"$work/list"
has() {
    grep -Eq "$1" "$work/list" || fail "package lacks $1"
    ok
}
has "^-rwxr-xr-x \.$prefix/spinledger$"
has "^-rwxr-xr-x \.$prefix/spinledger-cli$"
has "^-rwxr-xr-x \.$prefix/xcacls\.sh$"
has "^-rw-r--r-- \.$prefix/Spinledger\.template\.mdb$"
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
    rm -rf "$work/root"
    mkdir -p "$work/root/var/lib/dpkg/info" "$work/root/var/lib/dpkg/updates"
    : >"$work/root/var/lib/dpkg/status"
    [ $# -eq 0 ] || pkg -i "$1"
}
db="$folder/Spinledger.mdb"
hash() {
    sha256sum <"$db"
}
said() {
    grep -qF "$1" "$work/said" || fail "dpkg $2 said: $(cat "$work/said")"
}

# A fresh install makes the database from the template.
new_root "$deb"
cmp -s "$db" "$folder/Spinledger.template.mdb" || fail "fresh install: no database from the template"
ok

# An upgrade keeps a history byte for byte.
"$seed" "$db" 7
before=$(hash)
pkg -i "$next"
[ "$(hash)" = "$before" ] || fail "upgrade changed the database"
prints "^7\$" "$folder/spinledger-cli" spin-count --db "$db"

# A removal keeps it and says so; a purge keeps it too and says where it is.
echo "dblog" >"$folder/dblog.txt"
pkg -r spinledger
said "holds 7 spins" "-r"
[ "$(hash)" = "$before" ] && [ ! -e "$folder/spinledger" ] || fail "removal: database changed or program left"
[ ! -e "$folder/dblog.txt" ] || fail "removal left dblog.txt"
pkg -P spinledger
said "$db" "-P"
[ "$(hash)" = "$before" ] || fail "purge of a history changed the database"
ok

# A purge of a database without spins takes it, its companions and the folder.
new_root "$deb"
: >"$db-journal"
pkg -P spinledger
[ ! -e "$folder" ] || fail "purge left $folder: $(ls -A "$folder")"
[ ! -e "$work/root/var/lib/spinledger" ] || fail "purge left /var/lib/spinledger"
ok

# Removed without spins, then a history put in place before the purge: kept.
new_root "$deb"
pkg -r spinledger
"$seed" "$db" 1
pkg -P spinledger
[ -e "$db" ] || fail "purge took a database that gained a spin after removal"
ok

# A reinstall after a removal keeps the database and forgets the old verdict.
new_root "$deb"
pkg -r spinledger
before=$(hash)
pkg -i "$deb"
[ "$(hash)" = "$before" ] || fail "reinstall changed the database"
[ ! -e "$work/root/var/lib/spinledger" ] || fail "reinstall kept the removal's verdict"
ok

# A folder that start-up's repair opened to a player already: the new database
# is theirs to write as well (skipped where the file system has no ACLs).
new_root
mkdir -p "$folder"
if setfacl -d -m u:nobody:rwX "$folder" 2>/dev/null; then
    pkg -i "$deb"
    acl=$(getfacl -p "$db")
    echo "$acl" | grep -q "^user:nobody:rw" && echo "$acl" | grep -q "^mask::rw" ||
        fail "new database not writable: $acl"
    ok
fi

echo "test_package: $checks checks passed"
