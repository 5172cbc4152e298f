#!/bin/bash
# Layering check: reads every #include "..." of the repository's sources and
# fails on one that runs against the allowed directions (code only looks down):
#   - every include is written from the repository root and names a file;
#   - toolkit (winkit/) -> nothing of ours but the toolkit;
#   - rules (files without Windows headers, outside win/) -> rules
#     only; the windows-free winkit/twip_rect.h, text_table.h and enum_rows.h
#     count as rules;
#   - windows -> toolkit and rules, plus the Windows shells below them in the
#     same program: station/win -> station/settings/win, station/output/win,
#     station/stats/win, station/link/win, station/archive/win,
#     station/allowances/win; station/stats/win and station/allowances/win
#     -> station/settings/win, station/output/win; station/archive/win ->
#     station/settings/win, station/output/win, station/stats/win;
#     installer tools -> installer/common/win; a unit never includes a window
#     of a floor above it (station/settings, station/output, station/stats,
#     station/archive, station/allowances -> no station/win);
#   - installer tools -> winkit, installer/common and their own folder (and
#     the library's published interface devlink/meterlink_api.h);
#   - tests, benchmarks and the test support may include what they test.
# Prints each offending line as file:line: include -- reason.
set -uo pipefail
cd "$(dirname "$0")/.."

git ls-files -- '*.cpp' '*.h' '*.rc' '*.rc.in' | awk '
function exempt(path) {
  return path ~ /(^|\/)(tests|bench)\// || path ~ /^tools\/(testsupport|stationdriver)\//
}
function shellFolder(path) { return path ~ /(^|\/)win\// || path ~ /\.rc(\.in)?$/ }
function toolFolder(path) { return path ~ /^installer\// && path !~ /^installer\/common\// }
function program(path,   parts) {
  split(path, parts, "/")
  if (parts[1] == "installer" || parts[1] == "tools") return parts[1] "/" parts[2]
  return parts[1]
}
function dirOf(path,   d) { d = path; sub(/\/[^\/]*$/, "", d); return d }
function fail(file, n, inc, why) {
  printf "%s:%d: %s -- %s\n", file, n, inc, why
  bad++
}
function allowedWindows(from, to,   unit) {
  if (dirOf(from) == dirOf(to)) return 1
  if (from ~ /^station\/(settings|output|stats|link|archive|allowances)\/win\// && to ~ /^station\/win\//) return 0
  if (from ~ /^station\/win\// && to ~ /^station\/(settings|output|stats|link|archive|allowances)\/win\//) return 1
  if (from ~ /^station\/(stats|allowances)\/win\// && to ~ /^station\/(settings|output)\/win\//) return 1
  if (from ~ /^station\/archive\/win\// && to ~ /^station\/(settings|output|stats)\/win\//) return 1
  if (from ~ /^installer\// && to ~ /^installer\/common\/win\//) return 1
  if (program(from) != program(to)) return 0
  unit = dirOf(from); sub(/\/win$/, "", unit)
  return index(to, unit "/") == 1
}
{ files[$0] = 1; list[++count] = $0 }
END {
  bad = 0
  # Pass 1: every include line; what uses the platform directly.
  for (i = 1; i <= count; i++) {
    file = list[i]
    n = 0
    while ((getline line < file) > 0) {
      n++
      if (line ~ /^[ \t]*#[ \t]*include[ \t]*<(windows|winspool|commctrl|commdlg|shlobj|shellapi|shlwapi|objbase|objidl|psapi|tlhelp32|wingdi|winuser|winbase)\.h>/)
        platform[file] = 1
      if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
      inc = line; sub(/^[^"]*"/, "", inc); sub(/".*$/, "", inc)
      ++incs
      incFile[incs] = file; incLine[incs] = n; incName[incs] = inc
    }
    close(file)
  }
  # Windows code: the shell folders, the toolkit (but its three windows-free
  # headers), and every file that uses the platform directly or through what
  # it includes.
  for (i = 1; i <= count; i++) {
    f = list[i]
    win[f] = (platform[f] || shellFolder(f) || (f ~ /^winkit\// && f !~ /^winkit\/(twip_rect|text_table|enum_rows)\.h$/)) ? 1 : 0
  }
  do {
    changed = 0
    for (k = 1; k <= incs; k++)
      if (!win[incFile[k]] && win[incName[k]]) { win[incFile[k]] = 1; changed = 1 }
  } while (changed)

  for (i = 1; i <= count; i++) {
    f = list[i]
    if (platform[f] && !exempt(f) && !shellFolder(f) && f !~ /^winkit\//)
      fail(f, 0, "<windows>", "a rule uses no Windows header (Windows code lives in win/)")
  }
  for (k = 1; k <= incs; k++) {
    file = incFile[k]; n = incLine[k]; inc = incName[k]
    if (!(inc in files)) { fail(file, n, inc, "not a file named from the repository root"); continue }
    if (exempt(file)) continue
    if (file ~ /^winkit\//) {
      if (inc !~ /^winkit\//) fail(file, n, inc, "the toolkit includes nothing of the programs")
      continue
    }
    if (toolFolder(file) && inc !~ /^(winkit|installer\/common)\// && inc != "devlink/meterlink_api.h") {
      split(file, p, "/")
      if (index(inc, "installer/" p[2] "/") != 1) {
        fail(file, n, inc, "an installer tool uses the toolkit, installer/common and its own folder")
        continue
      }
    }
    if (!shellFolder(file) && win[inc] && !platform[file]) {
      fail(file, n, inc, "a rule includes only rules (Windows code lives in win/)")
      continue
    }
    if (win[file] && win[inc] && inc !~ /^winkit\// && !allowedWindows(file, inc))
      fail(file, n, inc, "a window of a floor above or of another program")
  }
  if (bad) {
    printf "check-layering: %d include(s) against the layering\n", bad
    exit 1
  }
  printf "check-layering: %d files, %d includes, every one looks down\n", count, incs
}'
