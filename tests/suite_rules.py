#!/usr/bin/env python3
"""Fails on a test of a build that has no TIMEOUT (a hang would hold up the
suite instead of failing) or whose name holds a parameter's bytes
("72-byte object <...>"), which change from build to build.

  suite_rules.py <ctest> <build folder>
"""

import json
import subprocess
import sys

ctest, build = sys.argv[1:3]
listing = subprocess.run([ctest, "--test-dir", build, "--show-only=json-v1"], check=True, capture_output=True, text=True)
tests = json.loads(listing.stdout)["tests"]
wrong = []
for test in tests:
    if "byte object" in test["name"]:
        wrong.append(test["name"] + ": a parameter's bytes in the name")
    if not any(p["name"] == "TIMEOUT" for p in test.get("properties", [])):
        wrong.append(test["name"] + ": no TIMEOUT")
print(len(tests), "tests")
if wrong:
    sys.exit("\n".join(wrong))
