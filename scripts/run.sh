#!/usr/bin/env bash
# Installs what is missing, builds Brisko and launches it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/brisko "$@"
