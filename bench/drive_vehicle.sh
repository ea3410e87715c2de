#!/bin/sh
# Times `ruvacard vehicle --drive` on a vehicle of 100 cards: 50 copies each of the two
# longest example cards (11 and 12 stops, some 27 minutes of run each), renamed to the
# train numbers 4000A to 4049A and 5000S to 5049S. The vehicle lives in a temporary
# folder that goes when the script ends.
# Usage: bench/drive_vehicle.sh [RUVACARD]   (default: build/default/ruvacard)
set -eu
export LC_ALL=C
here=$(cd "$(dirname "$0")/.." && pwd)
ruvacard=${1:-$here/build/default/ruvacard}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir "$work/local"
cp "$here/examples/vehicle/RUVA_Spec.ini" "$work/"
printf '[ICCard]\n0=local\n' > "$work/RUVA_ICCard.ini"
n=0
while [ $n -lt 50 ]; do
  sed "s/^3,.*/3,$((4000 + n))A/" "$here"/examples/vehicle/local/*1234A.csv > "$work/local/$((4000 + n))A.csv"
  sed "s/^3,.*/3,$((5000 + n))S/" "$here/examples/vehicle/rapid/1002345S.csv" > "$work/local/$((5000 + n))S.csv"
  n=$((n + 1))
done
start=$(date +%s%N)
"$ruvacard" --lang en vehicle --drive "$work"
end=$(date +%s%N)
echo "100 cards checked and driven in $(( (end - start) / 1000000 )) ms"
