#!/usr/bin/env bash
# Builds the benchmarks in Release and runs each one under Wine; each prints
# one line per benchmark with its ratio against a baseline of the same run.
set -euo pipefail
exec bash "$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/scripts/harness.sh" bench
