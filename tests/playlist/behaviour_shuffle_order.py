"""The player's shuffle order against the reference in shuffle_reference.py,
for counts on both sides of every change of the pass count and band width,
with the seed taken from a list path as the player takes it."""

import os
import sys

import zvtest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import shuffle_reference as ref  # noqa: E402

COUNTS = (3, 4, 9, 10, 29, 30, 59, 60, 120, 1000)
PATHS = ("C:\\Music\\Mix.zvpl", "c:\\music\\mix.zvpl", "Z:\\tmp\\リスト\\夜.m3u8")


def dump(path, counts):
    code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ShuffleDump.exe"), path,
                                   *counts)
    assert code == 0, out
    tables = {}
    for line in out.splitlines():
        fields = line.split()
        tables[int(fields[0])] = (int(fields[1], 16), [int(v) for v in fields[2:]])
    return tables


class ShuffleOrder(zvtest.BehaviourTest):
    def test_the_order_is_the_reference_and_every_pass_a_permutation(self):
        seeds = set()
        for path in PATHS:
            tables = dump(path, COUNTS + (0, 1, 2))
            for n in (0, 1, 2):
                self.assertEqual(tables[n][1], [], "an order for %d entries" % n)
            for n in COUNTS:
                with self.subTest(path=path, n=n):
                    seed, table = tables[n]
                    self.assertEqual(seed, ref.seed_of(path))
                    self.assertEqual(table, ref.build(n, seed))
                    passes = ref.passes(n)
                    self.assertEqual(len(table), passes * n)
                    for p in range(passes):
                        self.assertEqual(sorted(table[p * n:(p + 1) * n]), list(range(n)),
                                         "pass %d" % p)
                    # All penalties are 0 at the first place.
                    self.assertEqual(table[0], seed % n)
                    for p in range(1, passes):
                        self.assertNotEqual(table[p * n], table[p * n - 1],
                                            "pass %d starts with the entry that ended the last" % p)
                    seeds.add(seed)
        # Letter case alone changes the seed.
        self.assertEqual(len(seeds), len(PATHS))


if __name__ == "__main__":
    zvtest.main()
