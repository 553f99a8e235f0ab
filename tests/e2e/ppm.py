# Reads a screen grab: an 8-bit binary PPM (what `import -window root` writes with .ppm).
# Returns (width, height, pixel bytes), three bytes (red, green, blue) a pixel, rows top down.
import sys


def load(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at) + 1
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit("screen grab is not an 8-bit binary PPM")
    return int(fields[1]), int(fields[2]), data[at + 1:]


_ONES = bytes([0] + [1] * 255)


def unlike(row, colour):
    """One byte per pixel of row (three bytes a pixel): 0 where the pixel is colour, 1
    elsewhere. Whole-row integer operations, so a screen's rows are read at C speed."""
    n = len(row)
    d = (int.from_bytes(row, "big") ^ int.from_bytes(colour * (n // 3), "big")).to_bytes(n, "big")
    either = int.from_bytes(d[0::3], "big") | int.from_bytes(d[1::3], "big") | int.from_bytes(d[2::3], "big")
    return either.to_bytes(n // 3, "big").translate(_ONES)
