#!/bin/sh
# Only start-up ends the process: everything after it reports a failure and
# goes on (a job fails, a dialog shows a message). The files allowed to end
# the process, and why:
#   app/QuorvaApp.cpp          settings that cannot be loaded at start-up
#   app/DeviceDiscovery.cpp    the device-discovery thread cannot start (start-up)
#   ui/SingleInstance.cpp      another copy already runs (start-up)
#   app/Diagnostics.cpp        FormatText given a format that yields nothing,
#                              a fault of the program itself
#   platform/Process.cpp       EndProcess itself
#   platform/CrashHandler.cpp, platform/TerminationRequest.cpp
#                              signal handlers of a process that is ending
#   components/discchecker/ChildRun.cpp
#                              the end of the child process a disc is walked in
# Usage: ProcessEndsOnlyAtStartUp.sh SOURCE_DIR
set -u
source_dir=$1
allowed='^(app/QuorvaApp\.cpp|app/DeviceDiscovery\.cpp|ui/SingleInstance\.cpp|app/Diagnostics\.cpp|platform/Process\.cpp|platform/CrashHandler\.cpp|platform/TerminationRequest\.cpp|components/discchecker/ChildRun\.cpp):'
folders="app settings engines media pipeline ui cli components platform"
cd "$source_dir" || exit 2
found=$(grep -rnE --include='*.cpp' --include='*.h' --include='*.c' \
    '\b(EndProcess|exit|_exit|_Exit|quick_exit|abort|terminate)[[:space:]]*\(' $folders 2>&1)
status=$?
if [ $status -gt 1 ]; then
    echo "cannot search: $found"
    exit 2
fi
# Comments and the declaration of EndProcess do not end anything.
calls=$(printf '%s\n' "$found" | grep -vE '^[^:]+:[0-9]+:[[:space:]]*//' |
    grep -vE '^platform/Process\.h:' | grep -vE "$allowed" | grep -v '^$')
if [ -n "$calls" ]; then
    echo "the process is ended outside start-up:"
    echo "$calls"
    exit 1
fi
# The search must see the sources, and the allowed files must still end the
# process, or the check proves nothing.
count=$(find $folders -name '*.cpp' | wc -l)
allowedCalls=$(printf '%s\n' "$found" | grep -cE "$allowed")
if [ "$count" -lt 50 ] || [ "$allowedCalls" -lt 3 ]; then
    echo "only $count sources and $allowedCalls allowed calls found under $source_dir"
    exit 2
fi
echo "$count sources: the process is ended only by the $allowedCalls calls of the allowed files"
