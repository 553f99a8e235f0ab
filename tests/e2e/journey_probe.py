# Reads one screen grab (binary PPM of the root window) in the game window's coordinates
# and prints what the journey checks, one "name value..." line per fact.
#   journey_probe.py SCREEN WX WY frame
#       bars (right edge of each bar's fill), player (box of its body colour), meat (centres),
#       meatall (the same, the player's hands included), monsters (centres of outline clusters
#       away from the player), score (dark pixels per digit cell) and scorehash (its cells' digest)
#   journey_probe.py SCREEN WX WY text X Y CHARS HEIGHT
#       the text-coloured pixels' box and count inside the text's cell row, and how many
#       pixels in the cell box are neither white nor the text colour
import sys

from cells import touching_groups
from ppm import load, unlike

TEXT = bytes((0, 150, 255))
WHITE = bytes((255, 255, 255))
PLAYER = (bytes((245, 217, 239)), bytes((243, 213, 237)))  # only the player's pictures hold these
MEAT = bytes((255, 246, 232))  # the meat pictures (and the eating player, who holds one)
OUTLINE = bytes((86, 67, 95))  # every figure's outline
SCORE_INK = bytes((10, 10, 10))
BARS = {  # name: fill colour, left, middle row
    "hp": ((255, 0, 0), 100, 825),
    "ammo": ((255, 221, 65), 100, 875),
    "energy": ((80, 227, 97), 100, 925),
    "cooldown": ((129, 172, 214), 1000, 925),
}


path, wx, wy, cmd = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
width, _, px = load(path)


def row(y, left, right):
    i = ((wy + y) * width + wx + left) * 3
    return px[i:i + (right - left) * 3]


def pixel(x, y):
    return row(y, x, x + 1)


def find_colour(colour, left, top, right, bottom):
    """Window positions of every pixel of the colour in the box."""
    found = []
    for y in range(top, bottom):
        line = row(y, left, right)
        at = line.find(colour)
        while at >= 0:
            if at % 3 == 0:
                found.append((left + at // 3, y))
                at = line.find(colour, at + 3)
            else:
                at = line.find(colour, at + 1)
    return found


def clusters(points, reach):
    """Groups points closer than reach on both axes; returns (x0, y0, x1, y1, count) boxes."""
    cells = {}
    for x, y in points:
        cells.setdefault((x // reach, y // reach), []).append((x, y))
    groups = []
    for group in touching_groups(list(cells)):
        members = [p for c in group for p in cells[c]]
        xs = [p[0] for p in members]
        ys = [p[1] for p in members]
        groups.append((min(xs), min(ys), max(xs), max(ys), len(members)))
    return groups


def bar_right(colour, left, y):
    """The last x of the fill colour on the bar's middle row, or the left edge when empty."""
    line = row(y, 0, 1600)
    want = bytes(colour)
    last = left
    for x in range(left + 1, 1600):
        if line[3 * x:3 * x + 3] == want:
            last = x
        elif x > last + 2:
            break
    return last


if cmd == "frame":
    for name, (colour, left, y) in BARS.items():
        print(name, bar_right(colour, left, y))
    body = find_colour(PLAYER[0], 0, 0, 1600, 760) + find_colour(PLAYER[1], 0, 0, 1600, 760)
    if body:
        xs = [p[0] for p in body]
        ys = [p[1] for p in body]
        box = (min(xs), min(ys), max(xs), max(ys))
        print("player %d %d %d %d %d" % (box + (len(body),)))
    else:
        box = None
        print("player none")

    def near_player(x0, y0, x1, y1, margin):
        return box is not None and x1 >= box[0] - margin and x0 <= box[2] + margin and \
            y1 >= box[1] - margin and y0 <= box[3] + margin

    meat = [g for g in clusters(find_colour(MEAT, 0, 0, 1600, 760), 12) if g[4] >= 20]
    print("meat", " ".join("%d,%d" % ((g[0] + g[2]) // 2, (g[1] + g[3]) // 2)
                            for g in meat if not near_player(*g[:4], margin=0)))
    print("meatall", " ".join("%d,%d" % ((g[0] + g[2]) // 2, (g[1] + g[3]) // 2) for g in meat))
    outline = [(x, y) for x, y in find_colour(OUTLINE, 0, 0, 1600, 760) if x % 2 == 0]
    monsters = [g for g in clusters(outline, 16) if g[4] >= 40 and not near_player(*g[:4], margin=4)]
    print("monsters", " ".join("%d,%d" % ((g[0] + g[2]) // 2, (g[1] + g[3]) // 2) for g in monsters))
    cells = []
    for k in range(6):
        cells.append(len(find_colour(SCORE_INK, 1000 + 25 * k, 810, 1025 + 25 * k, 870)))
    print("score", " ".join(map(str, cells)))
    import hashlib
    print("scorehash", hashlib.sha1(b"".join(row(y, 1000, 1160) for y in range(810, 870))).hexdigest()[:12])
elif cmd == "text":
    x, y, chars, height = map(int, sys.argv[5:9])
    # The row of cells runs from x to the right edge; the glyphs' box is measured there.
    ink = find_colour(TEXT, max(0, x - 40), max(0, y - 20), 1600, min(960, y + height + 20))
    if ink:
        xs = [p[0] for p in ink]
        ys = [p[1] for p in ink]
        print("ink %d %d %d %d %d" % (min(xs), min(ys), max(xs), max(ys), len(ink)))
    else:
        print("ink none")
    # Inside the cell box (advance measured from the glyphs' extent) only white and text.
    stray = 0
    right = min(1600, x + chars * int(sys.argv[9]) if len(sys.argv) > 9 else x)
    for yy in range(y, min(960, y + height)):
        line = row(yy, x, right)
        if line:
            both = int.from_bytes(unlike(line, WHITE), "big") & int.from_bytes(unlike(line, TEXT), "big")
            stray += bin(both).count("1")
    print("stray", stray)
else:
    sys.exit("unknown command " + cmd)
