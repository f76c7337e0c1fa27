#!/usr/bin/env bash
# The DXF writer against python3-ezdxf in one run: both write 10^6 lines and a polyline of
# 10^5 vertices with bulges to an R12 DXF file. Usage: bench/dxf_vs_ezdxf.sh [build-dir]
set -euo pipefail
dir=${1:-build}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

kv40_ms=$("$dir/dxf_bench" --benchmark_format=json 2>/dev/null |
  /usr/bin/python3 -c 'import json,sys; b=json.load(sys.stdin)["benchmarks"]; print(min(x["real_time"] for x in b if x.get("run_type")=="iteration"))')

ezdxf_ms=$(/usr/bin/python3 - "$tmp/ezdxf.dxf" <<'PY'
import sys, time
import ezdxf
start = time.perf_counter()
doc = ezdxf.new("R12")
msp = doc.modelspace()
for i in range(1_000_000):
    t = i * 1e-3
    msp.add_line((t, 0.5 * t), (t + 1.25, 1000 - t))
msp.add_polyline2d([(i * 0.01, (i % 2) * 0.5, 0, 0, (i % 3) * 0.1) for i in range(100_000)],
                   format="xyseb")
doc.saveas(sys.argv[1])
print((time.perf_counter() - start) * 1000)
PY
)
/usr/bin/python3 -c "import sys; k=float(sys.argv[1]); e=float(sys.argv[2]); print(f'KV40 kernel: {k:.0f} ms   python3-ezdxf: {e:.0f} ms   ratio: {e/k:.1f}x')" "$kv40_ms" "$ezdxf_ms"
