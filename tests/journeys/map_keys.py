#!/usr/bin/env python3
"""Gives each character of TEXT beyond ASCII a key of its own on the X server of
$DISPLAY, on a keycode that has none, so that xdotool types it as a key press that
programs read as that character. A program reads the keyboard's mapping when it
starts, so this runs before it. Usage: map_keys.py TEXT"""
import ctypes
import ctypes.util
import sys

xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
xlib.XOpenDisplay.restype = ctypes.c_void_p
xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
xlib.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
xlib.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
xlib.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
xlib.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ctypes.c_ulong),
                                        ctypes.c_int]
xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]

display = xlib.XOpenDisplay(None)
if not display:
    sys.exit("map_keys.py: cannot open the display")
low, high, per_key = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
xlib.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
count = high.value - low.value + 1
keysyms = xlib.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per_key))
unused = [low.value + i for i in range(count)
          if not any(keysyms[i * per_key.value + k] for k in range(per_key.value))]
chars = sorted(set(c for c in sys.argv[1] if ord(c) > 0x7E))
if len(chars) > len(unused):
    sys.exit("map_keys.py: %d characters, but only %d keycodes without keys" % (len(chars), len(unused)))
for keycode, char in zip(unused, chars):
    # Unicode keysyms are 0x1000000 plus the code point; the same without and with Shift.
    row = (ctypes.c_ulong * 2)(0x1000000 | ord(char), 0x1000000 | ord(char))
    xlib.XChangeKeyboardMapping(display, keycode, 2, row, 1)
xlib.XSync(display, 0)
