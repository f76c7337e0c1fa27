#!/usr/bin/env bash
# Batch runs side by side and the temporary folder, as users start them from a shell:
# 50 concurrent "/I" runs on one file all succeed with the same report; the temporary folder
# is the user's own (mode 0700, under $XDG_RUNTIME_DIR, else the cache folder), so that
# another user's file or a FIFO in a shared folder never matters; "/I" ignores
# "Text Device Window ?" = TRUE.
# Usage: batch_side_by_side_test.sh <kv40 program> <shipped data folder>
set -euo pipefail
kv40=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM TEMP TMPDIR
export KV40_HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CACHE_HOME=$work/cache HOME=$work/home
mkdir -p "$work/run" "$work/home" "$work/shared"
chmod 700 "$work/run"
cp "$data/beispiel1.k40" "$work/"
cd "$work"

# The historic shared place holds a FIFO and a stranger's file under the old names: unused.
mkfifo "$work/shared/\$\$\$1.txt"
echo fremd >"$work/shared/\$OUT1.TMP"
export TEMP=$work/shared

# one run alone: the reference report, and the private folder it made
timeout 60 "$kv40" beispiel1.k40 /I /NOGUI 2>/dev/null || fail "a single /I failed"
cp beispiel1.txt reference.txt
[[ -d run/kv40 ]] || fail "no temporary folder under XDG_RUNTIME_DIR"
[[ $(stat -c %a run/kv40) == 700 ]] || fail "temporary folder is not private: $(stat -c %a run/kv40)"
[[ -z $(ls -A run/kv40) ]] || fail "working files left behind: $(ls -A run/kv40)"

# 50 runs at once on one file
pids=()
for i in $(seq 1 50); do
  mkdir -p "side$i"
  (cd "side$i" && cp ../beispiel1.k40 . &&
    timeout 120 "$kv40" beispiel1.k40 /I /NOGUI >/dev/null 2>err.txt; echo $? >rc.txt) &
  pids+=($!)
done
wait "${pids[@]}"
for i in $(seq 1 50); do
  [[ $(cat "side$i/rc.txt") == 0 ]] || fail "run $i ended with $(cat "side$i/rc.txt"): $(cat "side$i/err.txt")"
  # the same report but for the time in its title lines
  cmp -s <(grep -av 'V1\.3' reference.txt) <(grep -av 'V1\.3' "side$i/beispiel1.txt") ||
    fail "run $i wrote another report"
done
[[ -z $(ls -A run/kv40) ]] || fail "working files left behind by the concurrent runs"
[[ $(cat "$work/shared/\$OUT1.TMP") == fremd ]] || fail "the stranger's file was touched"

# without a runtime folder: kv40 in the cache folder, private as well
rm -rf cache
(unset XDG_RUNTIME_DIR; timeout 60 "$kv40" beispiel1.k40 /I /NOGUI 2>/dev/null) ||
  fail "/I without XDG_RUNTIME_DIR failed"
[[ $(stat -c %a cache/kv40) == 700 ]] || fail "cache temporary folder is not private"

# "Text Device Window ?" = TRUE in the user's configuration: a batch run still asks nothing
mkdir -p home
awk 'BEGIN{RS="\r\n"; ORS="\r\n"} {print} /^Text Device Window \?$/ {getline; print "TRUE"}' \
  "$data/KV40.cfg" >home/KV40.cfg
grep -a -A1 'Text Device Window' home/KV40.cfg | grep -aq TRUE || fail "setting not written"
rm -f beispiel1.txt
timeout 60 "$kv40" beispiel1.k40 /I /NOGUI 2>err.txt || fail "/I with the device window: $(cat err.txt)"
[[ -s beispiel1.txt ]] || fail "no report with the device window setting"
echo "batch side by side: ok"
