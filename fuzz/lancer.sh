#!/usr/bin/env bash
# Runs one fuzzing target for a long while, from its seed corpus, and prints
# how many inputs it tried. The corpus it grows and anything it finds stay in
# the build folder; a finding worth keeping becomes a seed and a test.
#
#   bash fuzz/lancer.sh BUILD TARGET SECONDS
#   (TARGET: wave, reglages, listemots, source, index_stardict, dictzip, article_littre)
set -euo pipefail
cd "$(dirname "$0")/.."
construction=$1 cible=$2 secondes=$3
executable=$construction/fuzz/fuzz_$cible
[[ -x $executable ]] || { echo "introuvable : $executable (build with -DVOCADIX_SANITISEURS=ON and clang)" >&2; exit 2; }
travail=$construction/fuzz/campagne/$cible
mkdir -p "$travail"
options=(-max_total_time="$secondes" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
  -artifact_prefix="$construction/fuzz/trouvailles-$cible-")
[[ -f fuzz/$cible.dict ]] && options+=(-dict="fuzz/$cible.dict")
exec "$executable" "${options[@]}" "$travail" "fuzz/corpus/$cible"
