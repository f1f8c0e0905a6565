#!/usr/bin/env python3
"""Writes an Xcursor theme whose every cursor is fully transparent:
    invisible_cursors.py FOLDER   (the theme is FOLDER/invisible)
The headless output draws the cursor into its frames, so a screenshot of the
pixel under the pointer would read the cursor's own hot spot."""
import os
import struct
import sys

NAMES = """default left_ptr arrow crosshair cross tcross text xterm pointer hand1 hand2 grab grabbing
move fleur wait watch progress left_side right_side top_side bottom_side top_left_corner
top_right_corner bottom_left_corner bottom_right_corner n-resize s-resize e-resize w-resize
ne-resize nw-resize se-resize sw-resize ew-resize ns-resize sb_h_double_arrow sb_v_double_arrow
not-allowed help all-scroll col-resize row-resize""".split()


def cursor(size=24):
    header = struct.pack("<4sIII", b"Xcur", 16, 0x10000, 1)
    toc = struct.pack("<III", 0xFFFD0002, size, 16 + 12)
    image = struct.pack("<IIIIIIIII", 36, 0xFFFD0002, size, 1, size, size, 0, 0, 0)
    return header + toc + image + bytes(4 * size * size)


def main():
    folder = os.path.join(sys.argv[1], "invisible", "cursors")
    os.makedirs(folder, exist_ok=True)
    data = cursor()
    for name in NAMES:
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
