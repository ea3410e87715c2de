#!/bin/sh
# ruvacard vehicle on a card folder and a card file that cannot be read: each is an error
# of its own, not a folder of no cards. Root reads everything, so as root the check runs
# as the user nobody, from a copy of the program where that user can reach it.
# Usage: unreadable_files.sh RUVACARD
set -eu
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
vehicle=$work/vehicle
mkdir -p "$vehicle/open" "$vehicle/shut"
cp "$1" "$work/ruvacard"
printf '[ICCard]\n0=open\n1=shut\n' >"$vehicle/RUVA_ICCard.ini"
printf '3,1234A\n' >"$vehicle/open/1234A.csv"
printf '3,1234A\n' >"$vehicle/shut/1001234A.csv"
chmod -R a+rX "$work"
chmod 000 "$vehicle/shut" "$vehicle/open/1234A.csv"
as=""
if [ "$(id -u)" = 0 ]; then as="setpriv --reuid=65534 --regid=65534 --clear-groups"; fi
status=0
out=$($as "$work/ruvacard" --lang en vehicle "$vehicle" 2>&1) || status=$?
printf '%s\n' "$out"
[ "$status" = 1 ] || { echo "expected exit status 1, got $status"; exit 1; }
printf '%s\n' "$out" | grep -q 'RUVA_ICCard.ini:3:1: error: card folder cannot be read: "shut" .*\[S398\]$'
printf '%s\n' "$out" | grep -q 'open/1234A.csv:0:0: error: cannot be read .*\[C107\]$'
