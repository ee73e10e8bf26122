"""Expected values for the ProcAmp unit tests, computed apart from the
program's code: positions carried between range kinds, renderer values of
slider positions and the compact ProcAmp text. Prints the rows that
test_video_prop_apply.cpp holds; run it again after a rule changes."""

ALPHABET = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz*#"
LETTERS = "XINA"

# per kind, per component: min, max, default, step, span, default position, offset
TABLES = [
    [(-100, 100, 0, 0.1, 2000, 1000, -1000), (-100, 100, 0, 0.1, 2000, 1000, -1000),
     (-180, 180, 0, 0.1, 3600, 1800, -1800), (-100, 100, 0, 0.1, 2000, 1000, -1000)],
    [(0, 10, 1, 0.01, 1000, 100, 0), (-100, 100, 0, 0.1, 2000, 1000, -1000),
     (-180, 180, 0, 0.1, 3600, 1800, -1800), (0, 10, 1, 0.01, 1000, 100, 0)],
    [(0.1, 2, 1, 0.01, 190, 90, 10), (-100, 100, 0, 1, 200, 100, -100),
     (-180, 180, 0, 1, 360, 180, -180), (0, 2, 1, 0.01, 200, 100, 0)],
    [(0, 2, 1, 0.01, 200, 100, 0), (-100, 100, 0, 0.1, 2000, 1000, -1000),
     (-180, 180, 0, 1, 360, 180, -180), (0, 3, 1, 0.01, 300, 100, 0)],
]


def convert(positions, src, dst):
    """(positions, reset) carried from kind src to kind dst."""
    ratios, reset = [], False
    for c, p in enumerate(positions):
        d, s = TABLES[src][c][5], TABLES[src][c][4]
        r = 0.0 if p == d else ((p - d) / (s - d) if p > d else ((p - d) / d if d else 0.0))
        reset = reset or not -1.01 <= r <= 1.01
        ratios.append(r)
    if reset:
        ratios = [0.0] * 4
    out = []
    for c, r in enumerate(ratios):
        d, s = TABLES[dst][c][5], TABLES[dst][c][4]
        v = d if r == 0 else int((s - d) * r + d + 0.5) if r > 0 else int((r + 1) * d + 0.5)
        out.append(max(0, min(s, v)))
    return out, reset


def value(kind, c, p):
    lo, hi, _, _, span, dpos, offset = TABLES[kind][c]
    if p < 0 or p > span:
        p = dpos
    return (hi - lo) * (p + offset) / span


def fmt(positions, kind, force):
    if positions == [TABLES[kind][c][5] for c in range(4)]:
        return LETTERS[kind] if force and kind else ""
    packed = 0
    for p in positions:
        packed = (packed << 12) | (p & 0xFFF)
    digits = ""
    for i in range(8):
        digits = ALPHABET[packed & 63] + digits
        packed >>= 6
    return LETTERS[kind] + digits


def main():
    print("// convert: from kind, to kind, positions -> positions, converted")
    cases = [
        (0, 2, [1000, 1000, 1800, 1000]), (0, 2, [0, 2000, 0, 3600 // 2]),
        (0, 2, [2000, 0, 3600, 0]), (0, 2, [1500, 500, 2700, 1250]),
        (2, 0, [190, 0, 360, 200]), (2, 1, [45, 150, 90, 150]),
        (1, 3, [1000, 1000, 1800, 100]), (3, 2, [100, 1000, 180, 300]),
        (2, 0, [300, 100, 180, 100]), (0, 3, [1000, 1000, 1800, 2010]),
        (0, 3, [1000, 1000, 1800, 2030]),
    ]
    for src, dst, pos in cases:
        out, reset = convert(list(pos), src, dst)
        print("{%d, %d, {%s}, {%s}, %d}," % (src, dst, ", ".join(map(str, pos)),
                                            ", ".join(map(str, out)), 0 if reset else 1))
    print("// slider to value: kind, component, position -> value")
    for kind, c, p in [(0, 0, 1000), (0, 2, 3600), (1, 0, 250), (1, 3, 1000), (2, 0, 90),
                       (2, 0, 0), (2, 0, 190), (2, 1, 150), (3, 3, 300), (3, 0, -1), (2, 3, 999)]:
        print("{%d, %d, %d, %.6f}," % (kind, c, p, value(kind, c, p)))
    print("// text: kind, positions, force -> text")
    for kind, pos, force in [(0, [1000, 1000, 1800, 1000], 1), (2, [90, 100, 180, 100], 0),
                             (2, [90, 100, 180, 100], 1), (2, [100, 100, 180, 100], 0),
                             (0, [1500, 500, 2700, 1250], 1), (1, [0, 2000, 3600, 1000], 1),
                             (3, [200, 0, 0, 300], 0)]:
        print('{%d, {%s}, %d, L"%s"},' % (kind, ", ".join(map(str, pos)), force,
                                          fmt(pos, kind, force)))


if __name__ == "__main__":
    main()
