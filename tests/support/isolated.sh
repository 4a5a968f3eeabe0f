#!/usr/bin/env bash
# Runs a test with configuration and runtime folders of its own, removed afterwards, so no test
# sees the user's settings or another test's.
set -u
config=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
"$@"
status=$?
rm -rf "$config" "$runtime"
exit $status
