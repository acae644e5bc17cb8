#!/usr/bin/env bash
# Builds everything, plug-ins and the probe plug-ins of the end-to-end tests included, with AddressSanitizer
# (leaks too) and UndefinedBehaviorSanitizer in a folder of its own, build-asan, and runs every test headless
# there. Any report fails its test; the programs the end-to-end tests start report into their tests.
#   tools/sanitize.sh [ctest options, e.g. -R Form]
set -euo pipefail
cd "$(dirname "$0")/.."
source ./tools/setup.sh
ormel_install_packages

out=build-asan
jobs="${ORMEL_JOBS:-$(nproc)}"
sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The modules link the sanitizer run-times too: they are linked with --no-undefined and loaded by dlopen.
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
  -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" -DCMAKE_MODULE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$out" -j"$jobs"

export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$out"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs" "$@"
