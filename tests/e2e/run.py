#!/usr/bin/python3
"""Runs the real-window acceptance cases against a built program.

usage: dbus-run-session -- /usr/bin/python3 tests/e2e/run.py PROGRAM [-k TEXT]

Every case starts the program afresh in Xvfb with the accessibility bus on,
drives it with xdotool and reads it back through AT-SPI and screenshots.
Prints one line per case and "N passed, M failed"; exits 1 when a case fails.
With TESSOMAR_RESULTS set, appends "window N M" to that file.
"""

import argparse
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from cases import CASES  # noqa: E402
from desktop import AccessibilityBus, App, Failure, XServer  # noqa: E402

START_ATTEMPTS = 3


def start(program, xserver, bus, env):
    """Starts the program, trying again when the window or its
    accessibility tree does not come up in time."""
    for attempt in range(1, START_ATTEMPTS + 1):
        try:
            return App(program, xserver, bus, env)
        except Failure as failure:
            if attempt == START_ATTEMPTS:
                raise
            print(f"      start attempt {attempt} failed ({failure}); retrying", flush=True)
            time.sleep(0.5)
    raise AssertionError("unreachable")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("-k", dest="only", default="", help="run only cases whose name contains this")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    if not os.access(program, os.X_OK):
        print(f"no program at {program}")
        return 2

    cases = [c for c in CASES if args.only in c[0]]
    servers = {96: XServer(96)}
    bus = AccessibilityBus(servers[96].env)
    passed = failed = 0
    began = time.monotonic()
    try:
        for name, case, dpi, env in cases:
            if dpi not in servers:
                servers[dpi] = XServer(dpi)
            t0 = time.monotonic()
            app = None
            try:
                app = start(program, servers[dpi], bus, env)
                case(app)
                passed += 1
                print(f"PASS  {name} ({time.monotonic() - t0:.1f} s)", flush=True)
            except Exception as error:  # noqa: BLE001 - any error fails this case only
                failed += 1
                print(f"FAIL  {name} ({time.monotonic() - t0:.1f} s): {error}", flush=True)
                if not isinstance(error, Failure):
                    traceback.print_exc()
                if app is not None and app.output().strip():
                    print("      program output:\n" + app.output(), flush=True)
            finally:
                if app is not None:
                    app.close()
    finally:
        bus.close()
        for server in servers.values():
            server.close()

    print(f"{passed} passed, {failed} failed ({time.monotonic() - began:.1f} s)")
    results = os.environ.get("TESSOMAR_RESULTS")
    if results:
        with open(results, "a") as out:
            out.write(f"window {passed} {failed}\n")
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
