# Groups cells of a screen grab (grid positions (x, y)) that touch, diagonals included.


def touching_groups(cells):
    """Groups of touching cells, each a list; groups come in the order their first cell has
    in cells (any iterable of (x, y) pairs)."""
    present = set(cells)
    seen, groups = set(), []
    for cell in cells:
        if cell in seen:
            continue
        seen.add(cell)
        stack, group = [cell], []
        while stack:
            c = stack.pop()
            group.append(c)
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    n = (c[0] + dx, c[1] + dy)
                    if n in present and n not in seen:
                        seen.add(n)
                        stack.append(n)
        groups.append(group)
    return groups
