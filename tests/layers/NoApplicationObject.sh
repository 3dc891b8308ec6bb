#!/bin/sh
# The job and the media code take what they need as values: neither names the
# application object (its accessor or its class). The build already refuses
# its header there; this catches a declaration written out by hand.
# Usage: NoApplicationObject.sh SOURCE_DIR
set -u
source_dir=$1
found=$(grep -rnE '\bApp\(\)|\bCQuorvaApp\b' \
    "$source_dir/pipeline" "$source_dir/media" 2>&1)
status=$?
if [ $status -gt 1 ]; then
    echo "cannot search: $found"
    exit 2
fi
if [ -n "$found" ]; then
    echo "pipeline/ or media/ names the application object:"
    echo "$found"
    exit 1
fi
# The search must see the folders' sources, or it proves nothing.
count=$(find "$source_dir/pipeline" "$source_dir/media" -name '*.cpp' | wc -l)
if [ "$count" -lt 5 ]; then
    echo "only $count sources found under $source_dir"
    exit 2
fi
echo "pipeline/ and media/: $count sources, none names the application object"
