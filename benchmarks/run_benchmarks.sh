#!/usr/bin/env bash
# Builds the default preset and runs every benchmark, then prints one table:
# the model, one full "Calculate" press, and start-up and memory against the floor window.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
build=build/default

json() { "$1" --benchmark_format=json --benchmark_min_time=0.5 2>/dev/null; }
value() { /usr/bin/python3 -c 'import json,sys
d=json.load(open(sys.argv[1]))
b=next(b for b in d["benchmarks"] if b["name"]==sys.argv[2])
print("%.2f %s" % (b["real_time"], b["time_unit"]))' "$1" "$2"; }

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
json $build/benchmarks/model_benchmark >"$tmp/model.json"
json $build/benchmarks/press_benchmark >"$tmp/press.json"
startup() {
  xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 benchmarks/startup_benchmark.py "$@"
}
read -r corvane_ms corvane_kib < <(startup $build/app/Corvane "Amateur Radio Astronomy -- Corvane")
read -r floor_ms floor_kib < <(startup $build/benchmarks/floor_window "Corvane floor")

printf '\n%-44s %16s %12s\n' "benchmark" "result" "target"
printf '%-44s %16s %12s\n' "model: one full calculation" "$(value "$tmp/model.json" FullCalculation)" "< 5 us"
printf '%-44s %16s %12s\n' "model: the twelve default texts converted" "$(value "$tmp/model.json" ConvertDefaultTexts)" ""
printf '%-44s %16s %12s\n' "window: one full Calculate press" "$(value "$tmp/press.json" FullPress)" "< 5 ms"
printf '%-44s %16s %12s\n' "window: press and repaint" "$(value "$tmp/press.json" FullPressAndPaint)" ""
printf '%-44s %16s %12s\n' "start-up to first paint: Corvane" "$corvane_ms ms" ""
printf '%-44s %16s %12s\n' "start-up to first paint: floor window" "$floor_ms ms" ""
printf '%-44s %16s %12s\n' "start-up ratio" "$(/usr/bin/python3 -c "print('%.2f' % ($corvane_ms / $floor_ms))")" "< 1.3"
printf '%-44s %16s %12s\n' "peak RSS: Corvane" "$corvane_kib KiB" ""
printf '%-44s %16s %12s\n' "peak RSS: floor window" "$floor_kib KiB" ""
printf '%-44s %16s %12s\n' "peak RSS ratio" "$(/usr/bin/python3 -c "print('%.2f' % ($corvane_kib / $floor_kib))")" "< 1.3"
