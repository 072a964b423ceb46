# The shell tests' one check: prints "ok: WHAT", or "FAILED: ..." and sets failed=1.
# Sourced by shell-test.sh and full-disk-test.sh, which start with failed=0.
check() {  # what, got, expected
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: got \"$2\", expected \"$3\""
    failed=1
  fi
}
