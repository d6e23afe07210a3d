#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks rules clang-format cannot see:
# - a GoogleTest file never uses QtTest's checking macros (QVERIFY*,
#   QCOMPARE*, QTRY_*). Outside a QtTest runner they report to nobody, so a
#   failed check passes silently and the checks after it are skipped. Wait
#   with ASSERT_TRUE(QTest::qWaitFor(...)).
# - no include climbs out of its folder ("../"): a library reaches another
#   folder only through the include folders of what it links, which is what
#   keeps the layers (see DEVELOPERS.md).
# With no arguments it checks every tracked C++ file; with arguments, those.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi

status=0
for f in "${files[@]}"; do
  if hits=$(grep -nE '^\s*#\s*include\s*"\.\./' "$f"); then
    while IFS= read -r hit; do
      echo "$f:${hit%%:*}: include through \"../\"; include \"<folder>/Name.h\" from a library this one links" >&2
    done <<<"$hits"
    status=1
  fi
  # A GoogleTest file includes gtest or defines a GoogleTest test.
  grep -qE '#include <gtest/|^\s*(TEST|TEST_F|TEST_P)\(' "$f" || continue
  # Line comments may name the macros; code may not.
  if hits=$(sed 's://.*$::' "$f" | grep -nE '\b(QVERIFY[A-Z0-9_]*|QCOMPARE[A-Z0-9_]*|QTRY_[A-Z0-9_]+)\b'); then
    while IFS= read -r hit; do
      echo "$f:${hit%%:*}: QtTest macro in a GoogleTest file; use ASSERT_TRUE(QTest::qWaitFor(...)) or EXPECT_*" >&2
    done <<<"$hits"
    status=1
  fi
done
exit $status
