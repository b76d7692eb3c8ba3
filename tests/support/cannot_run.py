"""cannot_run(why) ends a test that cannot run on this machine, as
tests/support/cannot-run does for the shell: skipped (exit 77), or failed
under CI=true."""

import os
import sys


def cannot_run(why):
    if os.environ.get("CI") == "true":
        print(f"FAIL (CI=true): {why}", flush=True)
        sys.exit(1)
    print(f"SKIP: {why}", flush=True)
    sys.exit(77)
