# Sourced by the shell tests: a scratch folder $work removed on exit, a count of the
# failures so far, and a check of the bytes a chip name is stored as.
work=$(mktemp -d /tmp/orvane-test-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# stored_as FILE HEX: the catalogue FILE holds a name of these bytes, after its length.
stored_as() {
    python3 - "$1" "$2" <<'PY'
import sys
data, stored = open(sys.argv[1], "rb").read(), bytes.fromhex(sys.argv[2])
sys.exit(0 if bytes([len(stored)]) + stored in data else 1)
PY
}
