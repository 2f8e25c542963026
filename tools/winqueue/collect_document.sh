#!/bin/sh
# Print queue port command: stores each document the spooler pipes in as the next numbered file.
dir=$1
mkdir -p "$dir"
n=$(ls "$dir" | wc -l)
cat > "$dir/document-$(printf %04d "$n").prn"
