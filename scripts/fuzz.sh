#!/usr/bin/env bash
# Fuzzes each data-file reader with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for the given seconds each (default 60).
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
missing=()
for p in clang libclang-rt-14-dev qt6-base-dev cmake; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then

  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZUNPA_FUZZ=ON -DZUNPA_LTO=OFF -DZUNPA_BUILD_TESTS=OFF
cmake --build build-fuzz -j 2 --target fuzz_settings fuzz_records fuzz_high_scores fuzz_saved_game
declare -A seeds=([settings]="zunpas_default.ini zunpas_populated.ini" [records]="save_default.txt save_populated.txt"
                  [high_scores]="score_default.dat score_populated.dat" [saved_game]="savedata_round5.txt")
for reader in settings records high_scores saved_game; do
  corpus="build-fuzz/corpus/$reader"
  mkdir -p "$corpus"
  for f in ${seeds[$reader]}; do cp "tests/data/$f" "$corpus/"; done
  echo "== $reader: ${seconds}s"
  "build-fuzz/fuzz_$reader" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=16384 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/

done
