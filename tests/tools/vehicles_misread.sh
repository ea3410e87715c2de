#!/usr/bin/env bash
# ruvacard vehicle --strict on vehicles that the module reads otherwise than their author
# meant, or not at all: each exits 1 with the remark that names the cause, natively and
# under Wine alike; and a vehicle in a folder with a Japanese name is found and passes.
# Folders and files without read permission are left out under Wine, whose prefix
# belongs to this user; as root they are checked as the user nobody.
# Usage: vehicles_misread.sh RUVACARD [EMULATOR...]
set -euo pipefail
program=$1
shift
emulator=("$@")
# In /tmp, so that the long path below has room for its own folders.
work=$(mktemp -d /tmp/vehicles.XXXXXX)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
cp "$program" "$work/"
program=$work/$(basename "$program")
cd "$work"

good_stop='7,150,A,082800,083000,1,50,20,0.0,0,0.0,1,0,0,1,x,0,1,1,,A01,0'
# A name in the bytes the module reads it in: code page 932 on disk natively, and the
# characters themselves under Wine, which shows them to the program in code page 932.
named() {
  if [ ${#emulator[@]} -eq 0 ]; then printf '%s' "$1" | iconv -f UTF-8 -t CP932; else printf '%s' "$1"; fi
}
# A vehicle with card folder "local" and one correct card in it.
vehicle() {
  mkdir -p "$1/local"
  printf '[ICCard]\n0=local\n' >"$1/RUVA_ICCard.ini"
  printf '3,1234A\n%s\n' "$good_stop" >"$1/local/1234A.csv"
}

failures=0
runner=()
# expect STATUS FOLDER PATTERN...: ruvacard vehicle --strict FOLDER, run by `runner`,
# exits with STATUS and prints a line that matches each PATTERN ("^$": prints nothing).
expect() {
  local want=$1 folder=$2
  shift 2
  local status=0 out
  out=$("${runner[@]}" "${emulator[@]}" "$program" --lang en vehicle --strict "$folder" 2>/dev/null) ||
    status=$?
  if [ ${#emulator[@]} -gt 0 ] && [ "$status" != "$want" ]; then
    # Under load Wine now and then fails to start a program at all.
    status=0
    out=$("${emulator[@]}" "$program" --lang en vehicle --strict "$folder" 2>/dev/null) || status=$?
  fi
  out=$(printf '%s' "$out" | tr -d '\r')
  local pattern
  for pattern in "$@"; do
    if [ "$status" != "$want" ] || ! printf '%s\n' "$out" | grep -q -- "$pattern"; then
      printf '== %s: expected exit %s and a line matching %s, got exit %s:\n%s\n' \
        "$folder" "$want" "$pattern" "$status" "$out"
      failures=$((failures + 1))
    fi
  done
}

vehicle utf8_settings
printf '[Disp]\n; 表示\nDispType=1\n' >utf8_settings/RUVA_Spec.ini
expect 1 utf8_settings 'RUVA_Spec.ini:2:1: warning: settings file in UTF-8: .*\[S107\]$'

vehicle hidden_line
printf '[Disp]\n; 表示設定\nDispType=1\n' >hidden_line/RUVA_Spec.ini
expect 1 hidden_line 'RUVA_Spec.ini:2:6: error: .*: line 3 is hidden .*\[S108\]$'

vehicle utf8_folder
mkdir "utf8_folder/$(named 特急)"
printf '[ICCard]\n0=local\n1=特急\n' >utf8_folder/RUVA_ICCard.ini
expect 1 utf8_folder 'RUVA_ICCard.ini:3:1: error: card folder name in UTF-8: "特急" .*\[S308\]$'

vehicle large_card
head -c 1048577 /dev/zero | tr '\0' '#' >>large_card/local/1234A.csv
expect 1 large_card 'large_card/local/1234A.csv:0:0: error: larger than 1048576 bytes .*\[C108\]$'

# 250 bytes from the root (252 under Wine, with its drive letter): longer than the
# module's paths leave room for, shorter than the longest path that Windows opens.
long=$(printf '%0*d' $((250 - ${#work} - 1 - 4 * 50)) 0)
for _ in 1 2 3 4; do long=$long/$(printf 'v%.0s' $(seq 49)); done
vehicle "$long"
expect 1 "$long" ':0:0: error: vehicle folder path too long for the module (the path is 25[02] bytes long: .*\[S109\]$'

vehicle misread_card
{
  printf '3,12A4B\n'
  printf '7,150,A,082800,083000,1,50,20,0.0,1,1.0,1,0,0,1,x,0,1,1,,A01,0\n'
  printf '7,150,B,083200,083300,1,50,20,1.0,0,0.0,1,0,0,1,x,0,1,1,,B,02,0\n'
} >misread_card/local/1234A.csv
expect 1 misread_card ':1:1: error: letter among the digits .*\[C504\]$' \
  ':2:9: error: the first stop row is hidden: "1" .*\[C613\]$' \
  ':3:22: error: stop row of more than 22 columns: "0" .*column 21 reads "02".*\[C206\]$'

japanese=$(named 文字コード)
vehicle "$japanese"
expect 0 "$japanese" '^$'

if [ ${#emulator[@]} -eq 0 ]; then
  vehicle unreadable
  mkdir unreadable/shut
  printf '[ICCard]\n0=local\n1=shut\n' >unreadable/RUVA_ICCard.ini
  printf '3,1234A\n%s\n' "$good_stop" >unreadable/shut/1001234A.csv
  chmod -R a+rX "$work"
  chmod 000 unreadable/shut unreadable/local/1234A.csv
  if [ "$(id -u)" = 0 ]; then runner=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
  expect 1 unreadable 'RUVA_ICCard.ini:3:1: error: card folder cannot be read: "shut" .*\[S309\]$' \
    'unreadable/local/1234A.csv:0:0: error: cannot be read .*\[C107\]$'
fi

[ "$failures" = 0 ]
