#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets to tests/data/fuzz/<target>/.

Small, well-formed inputs of each reader that the fuzzer mutates from. Inputs
that the fuzzer found and that once failed are kept beside them under names of
their own (found-*); this script never removes them."""
import os, struct, zlib

ROOT = os.path.join(os.path.dirname(__file__), '..', '..')
OUT = os.path.join(ROOT, 'tests', 'data', 'fuzz')


def write(target, name, data):
    folder = os.path.join(OUT, target)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode('gbk')
    open(os.path.join(folder, name), 'wb').write(data)


def bmp(width, height, bits, pixels, palette=b'', header=40, compression=0, masks=b''):
    """A BMP file; pixels are the stored rows as they are."""
    if header == 12:
        info = struct.pack('<IHHHH', 12, width, height, 1, bits)
    else:
        info = struct.pack('<IiiHHIIiiII', header, width, height, 1, bits, compression, len(pixels),
                           2835, 2835, len(palette) // 4 if header != 12 else 0, 0)
        info += masks
        info += b'\0' * (header - len(info)) if header > 40 else b''
    off = 14 + len(info) + len(palette)
    return b'BM' + struct.pack('<IHHI', off + len(pixels), 0, 0, off) + info + palette + pixels


def rows(width, height, bits, fill):
    stride = ((width * bits + 31) // 32) * 4
    return bytes((fill(i) & 0xFF) for i in range(stride * height))


def grey(n):
    return b''.join(struct.pack('<BBBB', i * 255 // (n - 1), i * 255 // (n - 1), i * 255 // (n - 1), 0)
                    for i in range(n))


# BMP codec: every depth, both header kinds, RLE and bit fields, both row orders.
write('fuzz_bmp', 'rgb24.bmp', bmp(3, 2, 24, rows(3, 2, 24, lambda i: i * 37)))
write('fuzz_bmp', 'rgb32.bmp', bmp(2, 2, 32, rows(2, 2, 32, lambda i: i * 29)))
write('fuzz_bmp', 'pal8.bmp', bmp(5, 2, 8, rows(5, 2, 8, lambda i: i), grey(256)))
write('fuzz_bmp', 'pal4.bmp', bmp(5, 3, 4, rows(5, 3, 4, lambda i: i * 0x13), grey(16)))
write('fuzz_bmp', 'mono.bmp', bmp(9, 2, 1, rows(9, 2, 1, lambda i: 0xA5 ^ i), grey(2)))
write('fuzz_bmp', 'topdown.bmp', bmp(2, -2, 24, rows(2, 2, 24, lambda i: i * 11)))
write('fuzz_bmp', 'core8.bmp', bmp(2, 2, 8, rows(2, 2, 8, lambda i: i),
                                   b''.join(struct.pack('<BBB', i, i, i) for i in range(256)), header=12))
write('fuzz_bmp', 'rle8.bmp', bmp(4, 2, 8, bytes([2, 1, 2, 7, 0, 0, 0, 4, 1, 2, 3, 4, 0, 1]), grey(256),
                                  compression=1))
write('fuzz_bmp', 'rle4.bmp', bmp(4, 2, 4, bytes([4, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 1]), grey(16),
                                  compression=2))
write('fuzz_bmp', 'bitfields16.bmp', bmp(2, 2, 16, rows(2, 2, 16, lambda i: i * 53), compression=3,
                                         masks=struct.pack('<III', 0xF800, 0x07E0, 0x001F)))
write('fuzz_bmp', 'v5alpha32.bmp', bmp(2, 1, 32, rows(2, 1, 32, lambda i: i * 61), header=124, compression=3,
                                       masks=struct.pack('<IIII', 0xFF0000, 0xFF00, 0xFF, 0xFF000000)))

# Skin reader: a small inflated skin stream (the target reads the bytes both
# as a .skn file and as an inflated stream), and the same packed as a .skn.
ini = ('[VERSION]\r\nname=Seed\r\n[PICTURES]\r\npicture=frame.bmp\r\nactivepicturescount=1\r\n'
       'activepictures0=b.bmp\r\n[FORMINFO]\r\nlefttoppoint=8,24\r\nclientrect=4,24,60,40\r\n'
       '[SKINOBJECTS]\r\ncount=1\r\n[SKINOBJECTS0]\r\ntype=button\r\nskinrect=0,0,8,8\r\n'
       '[SKINCONTROLS]\r\ncount=0\r\n').encode()
frame = bmp(4, 4, 24, rows(4, 4, 24, lambda i: i * 7))
small = bmp(2, 2, 8, rows(2, 2, 8, lambda i: i), grey(256))
stream = struct.pack('<i', 2) + b'\0' + frame + b'\1' + b'\1' + b'\1' + b'\1' + struct.pack('<i', 1) + small + ini
write('fuzz_skin_reader', 'stream-v2', stream)
packed = zlib.compress(stream, 9)
write('fuzz_skin_reader', 'small.skn', struct.pack('<ii', 2, len(packed)) + packed)

# Skin INI values: one value per seed on the first line, an INI after it.
values = {
    'point': '8,24', 'rect': '98,4,114,20', 'negative-rect': '-3,-4,5,6', 'hex': '$FF00FF',
    'hex0x': '-0x10', 'styles': 'fsbold,fsitalic,fsunderline,fsstrikeout', 'align': 'taleftjustify',
    'stretch': 'stvert', 'morph': 'mkpush', 'effect': 'ieinvert', 'font': 'Tahoma',
}
for name, value in values.items():
    write('fuzz_skin_values', name, value + '\r\n[s]\r\nv=' + value + '\r\n')
write('fuzz_skin_values', 'lists', 'x\n[a]\nitemscount=3\nitems0=a\nitems2=c\nlinelinecount=2\nlineline1=b\n'
                                   '; comment\n[ b ]\n  k = v  \nnovalue\n')
write('fuzz_skin_values', 'skin.ini', '0,0\r\n' + ini.decode())

# Skin list: translation lines, comma text and a skin list item.
write('fuzz_skin_list', 'resstrings', 'MSG_BTN_OK=确定\r\nMSG_BTN_CANCEL=取消\r\nFIND_REPLACE_All=Replace All\r\n'
                                      'msg_btn_ok=second\r\nnoequals\r\n=empty key\r\n')
write('fuzz_skin_list', 'commatext', '"a b",c,"",d""e,"f""g"\r\n , x ,')
write('fuzz_skin_list', 'item.skn', struct.pack('<ii', 2, len(packed)) + packed)
write('fuzz_skin_list', 'empty-item', struct.pack('<ii', 2, 0))


# Notice record: kind, length byte and text, value, countdown, notify window,
# notify parameter, notify flag and flags.
def notice(text, value=1000, countdown=5, flags=1, kind=0x401, wnd=0x1234, notify=1, length=None):
    raw = text.encode('gbk')
    field = bytes([len(raw) if length is None else length]) + raw[:100]
    field += b'\0' * (101 - len(field))
    return struct.pack('<i', kind) + field + struct.pack('<iiiiiI', value, countdown, wnd, 7, notify, flags)


write('fuzz_notice_record', 'plain', notice('Backup finished'))
write('fuzz_notice_record', 'cancelable-gbk', notice('备份已完成，请检查', countdown=90, flags=2))
write('fuzz_notice_record', 'gauge', notice('', value=250, countdown=0, flags=3))
write('fuzz_notice_record', 'long-length', notice('汉' * 60, length=255, value=0))


# Edit mask: mask and typed text as UTF-16, a zero unit between.
def mask(m, typed):
    return (m + '\0' + typed).encode('utf-16-le')


write('fuzz_edit_mask', 'date', mask('!0000/99/99;1; ', '2026/12/07'))
write('fuzz_edit_mask', 'phone', mask('!\\(999\\)000-0000;0;_', '5551234567'))
write('fuzz_edit_mask', 'case', mask('>LL<ll<>aa;1;*', 'abCD12'))
write('fuzz_edit_mask', 'time', mask('90:00:00;1;_', '12:34:56'))
write('fuzz_edit_mask', 'any', mask('ccc#;0', 'x -'))

# Inflater: the first byte sets the read size.
text = b'skin stream ' * 40
write('fuzz_zlib', 'small', b'\x03' + zlib.compress(text, 9))
write('fuzz_zlib', 'stored', b'\x00' + zlib.compress(bytes(range(256)), 0))
write('fuzz_zlib', 'cut', b'\x10' + zlib.compress(text, 6)[:-5])

# Text codecs: code page 936, UTF-8 and broken sequences of both.
write('fuzz_text_codec', 'gbk', '确定 取消 Replace All'.encode('gbk'))
write('fuzz_text_codec', 'utf8', '确定 € ü 😀'.encode('utf-8'))
write('fuzz_text_codec', 'broken', b'\x81\x20\xfe\xff\x80\xc3\x28\xed\xa0\x80\xf0\x9f\x98')

# The test skin's whole INI reaches every record kind.
write('fuzz_skin_values', 'test-skin.ini',
      b'4,24,60,40\r\n' + open(os.path.join(ROOT, 'skins', 'Test', 'skin.ini'), 'rb').read())

# One value of a skin with a record of every kind: the line (two bytes,
# taken modulo the skin's lines), then the value, at the ends of each kind's
# range, wholly outside its picture, or malformed.
ends = ['2147483647', '-2147483648', '-2147483648,-2147483648', '2147483647,2147483647',
        '-2147483648,-2147483648,2147483647,2147483647', '-100,-100,-50,-50', 'a,b,c,d', '']
for line in range(0, 1400, 5):
    write('fuzz_skin_one_value', 'line%d' % line, struct.pack('<H', line) + ends[line // 5 % len(ends)].encode())

# Typed text, as UTF-16: numbers and dates in the host build's formats.
for name, typed in {'int': '-2147483648', 'float': '-12.5', 'date': '12/7/2026', 'padded-date': '02/29/2024',
                    'short-year': '1/2/99', 'hex': '$7FFF'}.items():
    write('fuzz_typed_text', name, typed.encode('utf-16-le'))


# Icons: the directory, then each image as a DIB of doubled height (colour
# rows, then mask rows) or a PNG.
def ico(images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for w, h, bits, data in images:
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b''.join(d for *_, d in images)


def dib(w, h, bits, palette=b''):
    header = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, bits, 0, 0, 0, 0, len(palette) // 4, 0)
    colour = rows(w, h, bits, lambda i: i * 5)
    return header + palette + colour + rows(w, h, 1, lambda i: 0)


write('fuzz_icon', 'two-sizes.ico', ico([(16, 16, 32, dib(16, 16, 32)), (32, 32, 4, dib(32, 32, 4, grey(16)))]))
write('fuzz_icon', 'mono.ico', ico([(8, 8, 1, dib(8, 8, 1, grey(2)))]))
write('fuzz_icon', 'png.ico', ico([(0, 0, 32, b'\x89PNG\r\n\x1a\n' + bytes(40))]))


# The in-memory table's file: names, then a line per record, tab-separated,
# with \\ \t \n \r escapes.
TABLE = 'Name\tAge\tScore\tBorn\tVip\tNotes\n'
write('fuzz_table_file', 'every-type', (TABLE + 'Ann\t42\t2.5\t36000.5\t1\ttab\\there\\nback\\\\slash\n'
                                        + 'Wang\t-3\t1e-300\t-693593\t0\t中文\n' + '\t\t\t\t\t\n').encode('utf-8'))
write('fuzz_table_file', 'bom-crlf-spelled', ('\ufeffVip\tName\tOther\r\nTrue\tAnnabelle Lee\tx\r\nfalse\tBo\t\r\n')
      .encode('utf-8'))
write('fuzz_table_file', 'bad-values', (TABLE + 'Bo\t12abc\t1.5.3\t31-02-2020\tmaybe\t\n').encode('utf-8'))
write('fuzz_table_file', 'cut', (TABLE + 'Ann\t42\t2.').encode('utf-8'))
# Read as setter calls (a byte: field + 6 * setter; then the value): a date
# past 9999-12-31 and one at its noon, a string of 7 characters and an emoji
# into 8, a memo with a NUL and one with a lone surrogate.
def setter(field, kind, value):
    return bytes([field + 6 * kind]) + value
def units(text):
    raw = text.encode('utf-16-le')
    return bytes([len(raw) // 2]) + raw
write('fuzz_table_file', 'setters', setter(3, 3, struct.pack('<d', 2958466.0)) + setter(3, 3, struct.pack('<d', 2958465.5))
      + setter(0, 0, units('1234567\U0001F600')) + setter(5, 0, units('a\0b'))
      + setter(5, 0, bytes([1, 0x3D, 0xD8])) + setter(2, 2, struct.pack('<d', -0.0)))


# Tree node records: a version byte and the reading class's value count
# first, then records of size, 39 fixed bytes (the text length last), text,
# the class's own values when it has some, and the two data texts.
def node(text, data1=b'', data2=b'', extra=None, children=0, image=1):
    fixed = struct.pack('<iiiiBBBBBBiiii', image, 2, -1, -1, 1, 1, 1, 0, 0, 0, 0x1234, len(data1), len(data2),
                        children) + bytes([len(text)])
    own = b'' if extra is None else struct.pack('<i', len(extra)) + extra
    return struct.pack('<i', 39 + len(text) + len(own)) + fixed + text + own + data1 + data2


write('fuzz_tree_nodes', 'v1-plain', b'\x01\x00' + node('根节点'.encode('gbk'), b'one', b'two', children=1)
      + node(b'leaf'))
write('fuzz_tree_nodes', 'v1-extra', b'\x01\x02' + node(b'combo', extra=b'\x05\x06') + node(b'x', extra=b''))
write('fuzz_tree_nodes', 'v0-extra', b'\x00\x01' + struct.pack('<i', 1) + b'\x07' + node(b'old'))
