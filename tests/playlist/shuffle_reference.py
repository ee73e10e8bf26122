"""The shuffle order worked out in plain Python from its written rules: the
reference the player's own build is held against."""


def passes(n):
    if n < 3:
        return 0
    for top, p in ((4, 3), (9, 4), (29, 5), (59, 4), (119, 3)):
        if n <= top:
            return p
    return 2


def build(n, seed):
    """The order of n entries for a 64-bit seed: passes x n indices."""
    P = passes(n)
    if not P:
        return []
    W = 2 if n < 8 else max(3, n // 8)
    B = -(-n // W)
    seed &= (1 << 64) - 1
    table = [-1] * (P * n)

    def band(i):
        return (i // W) * 200 // (B - 1)

    for p in range(P):
        for k in range(n):
            pen = [0] * n
            pos = p * n + k
            if p == 0:
                for i in range(k):
                    pen[table[i]] += 200
                if k > 0:
                    q = table[k - 1]
                    pen[(q + 1) % n] += 100
                    pen[(q + 2) % n] += 20
                    pen[(q - 1) % n] += 10
            else:
                for i in range(k):
                    pen[table[p * n + i]] += 1000
                if B >= 2:
                    for i in range(n):
                        pen[table[(p - 1) * n + i]] += band(i)
                    if p == P - 1:
                        first = (table[0] - 1 + n) % n
                        for i in range(n):
                            t = table[i]
                            pen[t] += band(i) // 2 if t == first else band(i)
                q = table[pos - 1]
                for j in range(p * n - 2, -1, -1):
                    if table[j] == q:
                        d = p - j // n
                        pen[table[j + 1]] += 10 * (11 - min(d, P - d))
                pen[(q + 1) % n] += 200
                pen[(q + 2) % n] += 10
                pen[(q - 1) % n] += 20
                if k == 0:
                    pen[q] += 1000
            m = min([99999] + pen)
            c = pen.count(m)
            r = (seed >> (k % 32)) % c
            table[pos] = [i for i in range(n) if pen[i] == m][r]
    return [0 if t < 0 else t for t in table]


CRC_POLY = 0x42F0E1EBA9EA3693
MASK = (1 << 64) - 1


def crc64_we(data):
    """CRC-64/WE: MSB first, all-ones start and final XOR."""
    crc = MASK
    for byte in data:
        crc ^= byte << 56
        for _ in range(8):
            crc = ((crc << 1) ^ CRC_POLY) & MASK if crc & (1 << 63) else (crc << 1) & MASK
    return crc ^ MASK


def seed_of(path):
    return crc64_we(path.encode("utf-16-le")) if path else 0
