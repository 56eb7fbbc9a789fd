#!/bin/sh
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]. The prefix is
# made on first use; Wine's own messages are off, so that a program's output is its own.
prefix=$1
shift
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
# No prompts for the .NET and HTML runtimes, which no program here needs.
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
