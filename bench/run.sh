#!/usr/bin/env bash
# Runs the conversion and click benchmarks and prints medians and the ratios to the floors.
# Usage: bench/run.sh   (after: cmake --preset bench && cmake --build --preset bench)
set -euo pipefail
cd "$(dirname "$0")/.."
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
build/bench/bench/check_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_format=csv 2>/dev/null | grep '_median"' >"$csv"

awk -F, '
    { name = $1; gsub(/"/, "", name); sub(/_median$/, "", name); t[name] = $3; unit[name] = $5 }
    END {
        split("3|2.25|0.0025|1E+16|40 digits|1,000 digits", input, "|")
        printf "%-14s %14s %14s %7s\n", "TextToNumber", "ns", "from_chars ns", "ratio"
        for (i = 0; i < 6; ++i) {
            a = t["TextToNumberBench/" i]; b = t["FromCharsBench/" i]
            printf "%-14s %14.1f %14.1f %7.2f\n", input[i + 1], a, b, a / b
        }
        split("9|2.25|0.0009|1e16|1/3|DBL_MAX", number, "|")
        printf "\n%-14s %14s %14s %7s %14s %7s\n", "NumberToText", "ns", "to_chars ns", "ratio", "snprintf ns", "ratio"
        for (i = 0; i < 6; ++i) {
            a = t["NumberToTextBench/" i]; b = t["ToCharsBench/" i]; c = t["SnprintfBench/" i]
            printf "%-14s %14.1f %14.1f %7.2f %14.1f %7.2f\n", number[i + 1], a, b, a / b, c, a / c
        }
        printf "\n%-22s %12s\n", "VERIFICA click", "median"
        printf "%-22s %9.0f %s\n", "3 / 4 / 5", t["Triple345"], unit["Triple345"]
        printf "%-22s %9.0f %s\n", "invalid entry", t["InvalidEntry"], unit["InvalidEntry"]
        printf "%-22s %9.1f %s\n", "10 MB entry", t["TenMegabyteEntry"], unit["TenMegabyteEntry"]
    }' "$csv"
