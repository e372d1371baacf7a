#!/usr/bin/env bash
# Times tarniw-import converting 1,000,000 lines x 10 columns through a saved
# template (3 columns mapped, one constant) against wc -l, mawk and Miller on
# the same file, in one run, and checks the module's peak memory.
#
#   bench/run.sh [LINES]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lines="${1:-1000000}"
build="${BUILD_DIR:-$root/build-release}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNIW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tarniw-import >/dev/null
import="$(find "$build" -name tarniw-import -type f -perm -u+x | head -n 1)"

data="$work/data.csv"
mawk -v n="$lines" 'BEGIN {
  for (i = 1; i <= n; i++)
    printf "%d,%s,%d,%d.%02d,%s%d,%d,%s,%d,%d,%s\n", i, "customer" (i % 997), i % 50, i % 1000, i % 100,
           "key", i % 89, (i * 7) % 10000, "xyz-" (i % 13), i % 3, (i * 31) % 100000, "zz"
}' > "$data"
"$import" --base "$work" template --name Bench Bench Id NA NA Amount NA NA Kind NA NA NA Source~bench

calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }

best() { # best elapsed seconds and its peak RSS (KiB) of three runs: "secs kib"
  local out="$1"; shift
  local b="" m=""
  for _ in 1 2 3; do
    /usr/bin/time -f "%e %M" -o "$work/t" "$@" > "$out" 2>/dev/null
    read -r s k < "$work/t"
    if [ -z "$b" ] || awk -v a="$s" -v c="$b" 'BEGIN{exit !(a<c)}'; then b="$s"; m="$k"; fi
  done
  echo "$b $m"
}

read -r t_wc m_wc < <(best "$work/wc.out" wc -l "$data")
read -r t_tarn m_tarn < <(best "$work/tarn.out" "$import" --base "$work" import Bench Bench "$data")
read -r t_mawk m_mawk < <(best "$work/mawk.out" mawk -F',+' 'BEGIN { OFS = "," } { print $1, $4, $7, "bench", NR, "" }' "$data")
read -r t_mlr m_mlr < <(best "$work/mlr.out" mlr --icsv --ocsv --implicit-csv-header --headerless-csv-output \
  cut -o -f 1,4,7 then put '$s = "bench"; $n = NR' "$data")

if cmp -s "$work/tarn.out" "$work/mawk.out"; then same="identical"; else same="DIFFERENT"; fi
records=$(stat -c %s "$work/tarn.out")
size=$(stat -c %s "$data")

printf 'input: %d lines, %.1f MB; records text %.1f MB (tarniw-import and mawk output %s)\n' \
  "$lines" "$(calc "$size / 1000000")" "$(calc "$records / 1000000")" "$same"
printf '%-14s %9s %12s %10s\n' tool seconds peak-MiB vs-mawk
for row in "wc -l:$t_wc:$m_wc" "tarniw-import:$t_tarn:$m_tarn" "mawk:$t_mawk:$m_mawk" "mlr:$t_mlr:$m_mlr"; do
  IFS=: read -r name t m <<< "$row"
  printf '%-14s %9.3f %12.1f %10.3f\n' "$name" "$t" "$(calc "$m / 1024")" "$(calc "$t / $t_mawk")"
done
limit_kib=$(( records / 1024 + 32 * 1024 ))
printf 'target: tarniw-import <= 1/3 of mawk: %s; peak memory %d KiB <= records + 32 MiB (%d KiB): %s\n' \
  "$(awk -v a="$t_tarn" -v b="$t_mawk" 'BEGIN{print (a <= b/3) ? "met" : "MISSED"}')" \
  "$m_tarn" "$limit_kib" "$([ "$m_tarn" -le "$limit_kib" ] && echo met || echo MISSED)"
