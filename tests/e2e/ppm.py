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
