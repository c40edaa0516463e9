#!/usr/bin/env python3
"""Writes the malformed-input corpus of the skin reader to tests/data/skin-corpus.

Each file is a .skn; all but valid.skn are broken in one way. The reader must
turn every one into a clear error (or a skin) without crashing."""
import os, struct, zlib

ROOT = os.path.join(os.path.dirname(__file__), '..', '..')
SKIN = os.path.join(ROOT, 'skins', 'Test')
OUT = os.path.join(ROOT, 'tests', 'data', 'skin-corpus')

def pic(name):
    return open(os.path.join(SKIN, name), 'rb').read()

INI = open(os.path.join(SKIN, 'skin.ini'), 'rb').read()

def stream(version=2, slots=None, actives=None, count=None, ini=INI):
    if slots is None:
        slots = [pic('frame.bmp'), None, pic('mask.bmp'), None, None]
    if actives is None:
        actives = [pic('buttons.bmp'), pic('controls.bmp'), pic('background.bmp')]
    out = struct.pack('<i', version)
    carried = [True, version in (2, 3), True, version in (1, 2), version in (1, 2)]
    for has, bmp in zip(carried, slots):
        if has:
            out += b'\1' if bmp is None else b'\0' + bmp
    out += struct.pack('<i', len(actives) if count is None else count)
    for bmp in actives:
        out += bmp
    return out + ini

def skn(data, version=2, length=None):
    packed = zlib.compress(data, 9)
    return struct.pack('<ii', version, len(packed) if length is None else length) + packed

def patch(b, at, new):
    return b[:at] + new + b[at + len(new):]

def write(name, data):
    open(os.path.join(OUT, name), 'wb').write(data)

os.makedirs(OUT, exist_ok=True)
good = skn(stream())
frame = pic('frame.bmp')
write('valid.skn', good)
write('truncated-header.skn', good[:6])
write('truncated-data.skn', good[:len(good) // 2])
write('corrupt-zlib.skn', patch(good, 40, bytes(b ^ 0xA5 for b in good[40:56])))
write('lying-length.skn', patch(good, 4, struct.pack('<i', 0x7FFFFFF0)))
write('negative-length.skn', patch(good, 4, struct.pack('<i', -8)))
write('version4.skn', patch(good, 0, struct.pack('<i', 4)))
write('inner-version4.skn', skn(stream(version=4)))
write('bmp-size-lies.skn', skn(stream(slots=[patch(frame, 2, struct.pack('<I', 0x7FFFFFFF)), None, None, None, None])))
write('bmp-size-tiny.skn', skn(stream(slots=[patch(frame, 2, struct.pack('<I', 10)), None, None, None, None])))
write('bmp-huge-dims.skn', skn(stream(slots=[patch(frame, 18, struct.pack('<ii', 0x7FFF0000, 0x7FFF0000)), None, None, None, None])))
write('bmp-bad-signature.skn', skn(stream(actives=[b'XX' + frame[2:]])))
write('bmp-bad-offbits.skn', skn(stream(actives=[patch(frame, 10, struct.pack('<I', 0xFFFFFF00))])))
write('huge-picture-count.skn', skn(stream(count=0x7FFFFFFF)))
write('negative-picture-count.skn', skn(stream(count=-3)))
write('no-pictures-v0.skn', skn(stream(version=0, slots=[None] * 5, actives=[])))
write('empty-point.skn', skn(stream(ini=INI.replace(b'lefttoppoint=8,24', b'lefttoppoint=8,'))))
write('empty-rect.skn', skn(stream(ini=INI.replace(b'skinrect=98,4,114,20', b'skinrect='))))
write('huge-counts.skn', skn(stream(ini=INI.replace(b'count=22', b'count=2000000000')
                                   .replace(b'activepicturescount=3', b'activepicturescount=2147483647')
                                   + b'[bits]\r\nsymbolslinecount=2147483647\r\n')))
write('binary-ini.skn', skn(stream(ini=bytes(range(256)) * 4)))
write('empty.skn', struct.pack('<ii', 2, 0))
