#!/bin/sh
# Grants a user read and write access to a folder, for the start-up's
# permission repair, which runs it elevated:
#   xcacls.sh <folder> /G <user>: RWMX /E
# /G names the user to grant; RWMX is read, write, modify and execute; /E edits
# the existing permissions instead of replacing them. Also accepts
# "<user>:RWMX" as one argument.
set -u

folder=${1:-}
[ -n "$folder" ] || { echo "usage: xcacls.sh <folder> /G <user>: RWMX /E" >&2; exit 2; }
shift
[ "${1:-}" = "/G" ] || [ "${1:-}" = "/g" ] || { echo "xcacls.sh: /G <user> expected" >&2; exit 2; }
shift
grant=${1:-}
[ $# -gt 0 ] && shift
user=${grant%%:*}
rights=${grant#*:}
[ "$rights" = "$grant" ] && rights=""
if [ -z "$rights" ] && [ $# -gt 0 ] && [ "$1" != "/E" ] && [ "$1" != "/e" ]; then
    rights=$1
    shift
fi
[ -n "$user" ] || { echo "xcacls.sh: no user" >&2; exit 2; }
[ -d "$folder" ] || { echo "xcacls.sh: no folder $folder" >&2; exit 2; }
id "$user" >/dev/null 2>&1 || { echo "xcacls.sh: unknown user $user" >&2; exit 2; }

# RWMX and anything that includes W: read and write; X keeps folders
# enterable without making every file executable.
case $rights in
*W* | *M* | "") perm=rwX ;;
*) perm=rX ;;
esac

if command -v setfacl >/dev/null 2>&1; then
    # Access for what is there, default entries for what the program creates.
    setfacl -R -m "u:$user:$perm" "$folder" && setfacl -R -d -m "u:$user:$perm" "$folder" && exit 0
fi
chown -R "$user" "$folder" && chmod -R "u+$perm" "$folder"
