#!/bin/sh
# Runs the number reader's libFuzzer executable over fuzz/corpus, then merges
# the corpus down to the fewest inputs that reach as much, so what is
# committed stays small. The hand-written seeds (any name that is not one of
# libFuzzer's 40-digit hashes) are all kept.
#
#     scripts/run-fuzzer.sh <build folder> <seconds>
set -eu

BUILD_DIR=$1
SECONDS_TO_RUN=$2
FUZZER="$BUILD_DIR/fuzz/number_reader_fuzzer"
CORPUS=fuzz/corpus
MERGED="$BUILD_DIR/merged-corpus"
OPTIONS="-dict=fuzz/number_reader.dict -max_len=512"

# New inputs land in the corpus folder; a failing one is saved in the build
# folder and stops the run before the merge.
# shellcheck disable=SC2086 # the options are meant to split into words
"$FUZZER" $OPTIONS -max_total_time="$SECONDS_TO_RUN" -artifact_prefix="$BUILD_DIR/" "$CORPUS"

rm -rf "$MERGED"
mkdir -p "$MERGED"
for input in "$CORPUS"/*; do
    if ! basename "$input" | grep -Eqx '[0-9a-f]{40}'; then
        cp "$input" "$MERGED/"
    fi
done
# shellcheck disable=SC2086
"$FUZZER" $OPTIONS -merge=1 "$MERGED" "$CORPUS"
find "$CORPUS" -type f -delete
cp "$MERGED"/* "$CORPUS/"
echo "The corpus holds $(find "$CORPUS" -type f | wc -l) inputs."
