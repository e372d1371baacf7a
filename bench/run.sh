#!/usr/bin/env bash
# The module's speed and memory against a vectorised splitter written for
# the same job (bench/CsvSplitter.h, not part of the module), mawk and Miller,
# measured in one run on this machine: CPU time (user + system) of each
# program, the median of interleaved rounds, so that other work on the
# machine weighs on all alike; then the in-process benchmarks.
#
#   bench/run.sh [LINES]        ROUNDS=7, TEN_MILLION=0 to leave out the 10^7-line memory run
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lines="${1:-1000000}"
rounds="${ROUNDS:-7}"
build="${BUILD_DIR:-$root/build-release}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNIW_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target tarniw-import csv_splitter cpu_time import_bench filter_bench validation_paint >/dev/null
import="$build/host/tarniw-import"
splitter="$build/bench/csv_splitter"
cputime="$build/bench/cpu_time"

# Data of 2, 10 and 100 columns; each template maps up to three columns and
# adds the constant Source~bench.
ten_columns() { # LINES FILE
  mawk -v n="$1" 'BEGIN {
    for (i = 1; i <= n; i++)
      printf "%d,%s,%d,%d.%02d,%s%d,%d,%s,%d,%d,%s\n", i, "customer" (i % 997), i % 50, i % 1000, i % 100,
             "key", i % 89, (i * 7) % 10000, "xyz-" (i % 13), i % 3, (i * 31) % 100000, "zz"
  }' > "$2"
}
ten_columns "$lines" "$work/c10.csv"
mawk -v n="$lines" 'BEGIN { for (i = 1; i <= n; i++) printf "%d,customer%d\n", i, i % 997 }' > "$work/c2.csv"
mawk -v n="$lines" 'BEGIN { for (i = 1; i <= n; i++) { for (c = 1; c < 100; c++) printf "%d,", (i * c) % 1000; printf "v%d\n", i } }' \
  > "$work/c100.csv"
entries100=""
for c in $(seq 1 100); do
  case $c in 1) entries100+=" Id" ;; 40) entries100+=" Amount" ;; 77) entries100+=" Kind" ;; *) entries100+=" NA" ;; esac
done
"$import" --base "$work" template --name C10 Bench Id NA NA Amount NA NA Kind NA NA NA Source~bench
"$import" --base "$work" template --name C2 Bench Id Name Source~bench
# shellcheck disable=SC2086
"$import" --base "$work" template --name C100 Bench $entries100 Source~bench
declare -A columns=([c2]="1 2" [c10]="1 4 7" [c100]="1 40 77")
declare -A values=([c2]=2 [c10]=10 [c100]=100)

calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# run NAME OUTFILE COMMAND...: one round, its CPU seconds and peak KiB appended to $work/NAME.
run() {
  local name="$1" out="$2"; shift 2
  "$cputime" "$out" "$@" >> "$work/$name"
}
cpu() { cut -d' ' -f1 "$work/$1" | median; }
peak() { cut -d' ' -f2 "$work/$1" | median; }

for shape in c2 c10 c100; do
  read -r -a cols <<< "${columns[$shape]}"
  for _ in $(seq "$rounds"); do
    run "$shape.tarniw" "$work/$shape.tarniw.out" "$import" --base "$work" import Bench "${shape^^}" "$work/$shape.csv"
    run "$shape.memory" "$work/$shape.memory.out" "$splitter" --in-memory --values "${values[$shape]}" "$work/$shape.csv" \
      "${cols[@]}" =bench
    run "$shape.stream" "$work/$shape.stream.out" "$splitter" --values "${values[$shape]}" "$work/$shape.csv" "${cols[@]}" =bench
    fields=$(printf '$%s, ' "${cols[@]}")
    run "$shape.mawk" "$work/$shape.mawk.out" mawk -F',+' "BEGIN { OFS = \",\" } { print ${fields}\"bench\", NR, \"\" }" \
      "$work/$shape.csv"
  done
  for tool in memory stream mawk; do
    cmp -s "$work/$shape.tarniw.out" "$work/$shape.$tool.out" || { echo "run.sh: $shape: $tool gave other records" >&2; exit 1; }
  done
done
for _ in 1 2 3; do
  run c10.mlr "$work/c10.mlr.out" mlr --icsv --ocsv --implicit-csv-header --headerless-csv-output \
    cut -o -f 1,4,7 then put '$s = "bench"; $n = NR' "$work/c10.csv"
done
# The direct load: every line's values to the host (tarniw-import prints them).
for _ in $(seq "$rounds"); do
  run load.tarniw "$work/load.tarniw.out" "$import" load "$work/c10.csv"
  run load.mawk "$work/load.mawk.out" mawk -F',+' 'BEGIN { OFS = "," } { $1 = $1; print }' "$work/c10.csv"
done
cmp -s "$work/load.tarniw.out" "$work/load.mawk.out" || { echo "run.sh: the direct load gave other values" >&2; exit 1; }

records=$(stat -c %s "$work/c10.tarniw.out")
printf 'machine: %s, %s cores; %d lines (10 columns: %.1f MB, records text %.1f MB); CPU seconds, median of %d rounds\n' \
  "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')" "$(nproc)" "$lines" \
  "$(calc "$(stat -c %s "$work/c10.csv") / 1000000")" "$(calc "$records / 1000000")" "$rounds"
printf '%-34s %9s %9s %10s %10s %8s\n' job CPU-s peak-MiB vs-split vs-stream vs-mawk
row() { # LABEL NAME SHAPE
  local t; t=$(cpu "$2")
  printf '%-34s %9.3f %9.1f %10.2f %10.2f %8.2f\n' "$1" "$t" "$(calc "$(peak "$2") / 1024")" \
    "$(calc "$t / $(cpu "$3.memory")")" "$(calc "$t / $(cpu "$3.stream")")" "$(calc "$t / $(cpu "$3.mawk")")"
}
for shape in c10 c2 c100; do
  n=${values[$shape]}
  row "tarniw-import, $n columns" "$shape.tarniw" "$shape"
  row "  splitter, records in memory" "$shape.memory" "$shape"
  row "  splitter, records streamed" "$shape.stream" "$shape"
  row "  mawk -F',+'" "$shape.mawk" "$shape"
  if [ "$shape" = c10 ]; then row "  Miller (mlr cut, put)" "c10.mlr" "$shape"; fi
done
t_load=$(cpu load.tarniw); t_loadmawk=$(cpu load.mawk)
printf '%-34s %9.3f %9.1f %10s %10s %8.2f\n' "direct load (tarniw-import load)" "$t_load" \
  "$(calc "$(peak load.tarniw) / 1024")" - - "$(calc "$t_load / $t_loadmawk")"
printf '%-34s %9.3f %9.1f %10s %10s %8.2f\n' "  mawk printing the same values" "$t_loadmawk" \
  "$(calc "$(peak load.mawk) / 1024")" - - 1

# Google Benchmark programs: five repetitions of each, interleaved at random,
# their median CPU milliseconds.
gbench() {
  "$1" --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null \
    | awk -F, '/_median"/ { gsub(/"/, "", $1); sub(/_median$/, "", $1); printf "  %-30s %8.1f\n", $1, $4 }'
}
echo
echo "in-process (Google Benchmark, CPU ms, median of 5; 1,000,000 x 10 of bench/import_bench.cpp):"
gbench "$build/bench/import_bench" | tee "$work/import.txt"
echo "Validation dialog, 1,000,000 records through TarnIm_ShowValidationDlg (offscreen):"
"$build/bench/validation_paint" "$lines" | sed 's/^/  /' | tee "$work/paint.txt"
echo "filter list, 1,000,000 rows (CPU ms, median of 5):"
gbench "$build/bench/filter_bench" | tee "$work/filter.txt"

if [ "${TEN_MILLION:-1}" != 0 ]; then
  ten_columns $((lines * 10)) "$work/c10m.csv"
  run ten.tarniw "$work/ten.out" "$import" --base "$work" import Bench C10 "$work/c10m.csv"
  ten_records=$(stat -c %s "$work/ten.out")
  ten_peak=$(peak ten.tarniw)
  ten_lines=$(wc -l < "$work/c10m.csv")
  rm -f "$work/c10m.csv" "$work/ten.out"
fi

echo
bench_ms() { awk -v n="$2" '$1 == n { print $2 }' "$work/$1"; }
verdict() { awk "BEGIN { print ($1) ? \"met\" : \"MISSED\" }"; }
t10=$(cpu c10.tarniw); m10=$(cpu c10.memory); s10=$(cpu c10.stream); k10=$(cpu c10.mawk)
conv=$(bench_ms import.txt BM_ConvertRecords); saved=$(bench_ms import.txt BM_LoadSavedFileAndTemplate)
vsplit=$(bench_ms import.txt BM_VectorSplitter)
echo "targets:"
printf '  1. saved template %.3f s = %.2fx the splitter in memory (%.2fx streamed), %.2fx mawk: %s\n' "$t10" \
  "$(calc "$t10 / $m10")" "$(calc "$t10 / $s10")" "$(calc "$t10 / $k10")" \
  "$(verdict "$t10 <= 1.25 * $m10 && $t10 <= 0.2 * $k10")"
printf '     Template dialog conversion %.1f ms, saved template %.1f ms = %.2fx and %.2fx the splitter in process (%.1f ms): %s\n' \
  "$conv" "$saved" "$(calc "$conv / $vsplit")" "$(calc "$saved / $vsplit")" "$vsplit" \
  "$(verdict "$conv <= 1.25 * $vsplit && $saved <= 1.25 * $vsplit")"
for shape in c2 c100; do
  printf '     %d columns: %.2fx the splitter in memory (%.2fx streamed): %s\n' "${values[$shape]}" \
    "$(calc "$(cpu $shape.tarniw) / $(cpu $shape.memory)")" "$(calc "$(cpu $shape.tarniw) / $(cpu $shape.stream)")" \
    "$(verdict "$(cpu $shape.tarniw) <= 1.5 * $(cpu $shape.memory)")"
done
printf '  2. direct load %.2fx mawk printing the same values: %s\n' "$(calc "$t_load / $t_loadmawk")" \
  "$(verdict "$t_load <= 0.3 * $t_loadmawk")"
first=$(awk '/first paint/ { print $5 }' "$work/paint.txt"); held=$(awk '/holds/ { print $(NF-4) }' "$work/paint.txt")
printf '  3. first paint %s ms after the entry, dialog holds %sx the rows text: %s\n' "$first" "$held" \
  "$(verdict "$first <= 80 && $held <= 1.5")"
sort_ms=$(bench_ms filter.txt BM_SortShownRows); filter_ms=$(bench_ms filter.txt BM_ApplyFiltersOneColumn)
qt_ms=$(bench_ms filter.txt BM_QtProxyFilterOneColumn)
printf '  4. sort %.1f ms, filter %.1f ms (%.1fx Qt'"'"'s proxy model): %s\n' "$sort_ms" "$filter_ms" \
  "$(calc "$qt_ms / $filter_ms")" "$(verdict "$sort_ms <= 250 && $filter_ms <= 40 && $qt_ms >= 5 * $filter_ms")"
if [ "${TEN_MILLION:-1}" != 0 ]; then
  printf '  5. %d lines: peak %.1f MiB, records text %.1f MiB, +%.1f MiB: %s\n' "$ten_lines" "$(calc "$ten_peak / 1024")" \
    "$(calc "$ten_records / 1048576")" "$(calc "$ten_peak / 1024 - $ten_records / 1048576")" \
    "$(verdict "$ten_peak * 1024 <= $ten_records + 16 * 1048576")"
fi
