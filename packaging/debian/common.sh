# The installation folder and the one database of all users that earlier
# versions kept in it. DPKG_ROOT is empty in a normal installation; dpkg sets
# it for a root of its own (--root with --force-script-chrootless), and so
# does the test.
root=${DPKG_ROOT:-}
folder="$root@CMAKE_INSTALL_PREFIX@"
database="$folder/@SPINLEDGER_DATABASE_FILE@"
# Written on removal while spinledger-cli can still read the database, when it
# held no spin; read by a purge that may come much later.
verdict="$root/var/lib/spinledger/no-spins"

# The database and the companions SQLite may keep beside it: a journal or log
# left by a crash still holds spins.
database_files() {
    for f in "$database" "$database-journal" "$database-wal"; do
        if [ -e "$f" ]; then printf '%s\n' "$f"; fi
    done
}

# The database and its companions, byte for byte.
fingerprint() {
    database_files | while read -r f; do sha256sum "$f"; done
}
