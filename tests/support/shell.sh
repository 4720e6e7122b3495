# Sourced by the tests' shell scripts.

# fail MESSAGE...: says what failed and ends the script.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# await COMMAND...: waits, up to 30 seconds, until the command succeeds.
await() {
    local deadline=$((SECONDS + 30))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
