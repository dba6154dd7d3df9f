#!/usr/bin/env bash
# Builds the API reference (the public headers and docs/*.md) into build/docs/html with Doxygen.
# Fails when Doxygen prints any warning, an undocumented public name included.
#   scripts/docs.sh [output folder]
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-build/docs}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
rm -f "$out/warnings.log"
version=$(sed -n 's/^project(Orvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

status=0
ORVANE_DOCS_OUT="$out" ORVANE_VERSION="$version" doxygen docs/Doxyfile || status=$?
# Doxygen writes warnings to the log file; an empty log is the only pass.
if [[ $status -ne 0 || -s "$out/warnings.log" ]]; then
  echo "Doxygen warnings:" >&2
  cat "$out/warnings.log" >&2
  exit 1
fi
echo "API reference: $out/html/index.html"
