#!/usr/bin/env python3
"""Drives the seat of a headless Wayland session through wayvnc's UNIX socket
with RFB messages: the virtual pointer and keyboard that the seat lacks.

    rfb.py SOCKET click X Y [BUTTON]   move, press and release (1 left, 3 right)
    rfb.py SOCKET move X Y
    rfb.py SOCKET key KEYSYM           press and release a key (X keysym, hex)
"""
import socket
import struct
import sys
import time


def connect(path):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(path)
    s.recv(12)                                   # the server's protocol version
    s.sendall(b"RFB 003.008\n")
    count = s.recv(1)[0]
    types = s.recv(count)
    if 1 not in types:
        raise SystemExit("wayvnc asks for authentication: %r" % types)
    s.sendall(b"\x01")                          # security: none
    if struct.unpack(">I", s.recv(4))[0] != 0:
        raise SystemExit("security handshake failed")
    s.sendall(b"\x01")                          # ClientInit: shared
    header = s.recv(24)
    s.recv(struct.unpack(">I", header[20:24])[0])  # the desktop's name
    return s


def pointer(s, mask, x, y):
    s.sendall(struct.pack(">BBHH", 5, mask, x, y))
    time.sleep(0.05)


def key(s, keysym):
    for down in (1, 0):
        s.sendall(struct.pack(">BBxxI", 4, down, keysym))
        time.sleep(0.05)


def main():
    path, command = sys.argv[1], sys.argv[2]
    s = connect(path)
    if command == "key":
        key(s, int(sys.argv[3], 16))
    else:
        x, y = int(sys.argv[3]), int(sys.argv[4])
        # A small move first, so that the client under the pointer sees it enter.
        pointer(s, 0, x + 1, y + 1)
        pointer(s, 0, x, y)
        if command == "click":
            mask = {1: 1, 2: 2, 3: 4}[int(sys.argv[5]) if len(sys.argv) > 5 else 1]
            print("%.6f" % time.time())          # when the button went down
            pointer(s, mask, x, y)
            pointer(s, 0, x, y)
    time.sleep(0.1)
    s.close()


if __name__ == "__main__":
    main()
