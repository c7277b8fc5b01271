#!/usr/bin/env python3
"""Writes data/quick.dat, the candidate tables of the quick prediction.

The file has exactly 895 lines, each ended by CR LF:
  lines   1-133  133 distinct three-digit candidates (000 to 999), the Numbers3 table;
  lines 134-895  762 distinct four-digit candidates (0000 to 9999), the Numbers4 table.

Every candidate is drawn uniformly, without repetition, from all numbers of its width by a partial
Fisher-Yates shuffle. The shuffle is driven by a fixed-seed xorshift64* generator written out below (not
Python's random module), so the same file comes out on every machine and every Python version. The
candidates stand in the order they were drawn. The program rearranges a candidate's digits by the day of
the month, so any spread of digits serves; this one favours no digit and no position.

Run from anywhere:  python3 scripts/make-quick-dat.py
"""
from pathlib import Path

SEED = 0x51C0_DA7A_2026_0001


class XorShift64Star:
    def __init__(self, seed):
        self.state = seed & 0xFFFF_FFFF_FFFF_FFFF

    def next(self):
        x = self.state
        x ^= x >> 12
        x ^= (x << 25) & 0xFFFF_FFFF_FFFF_FFFF
        x ^= x >> 27
        self.state = x
        return (x * 0x2545_F491_4F6C_DD1D) & 0xFFFF_FFFF_FFFF_FFFF

    def below(self, n):
        """A uniform whole number from 0 to n - 1, by rejection so that no value is favoured."""
        limit = (1 << 64) - (1 << 64) % n
        while True:
            value = self.next()
            if value < limit:
                return value % n


def candidates(random, digits, count):
    pool = list(range(10**digits))
    for i in range(count):
        j = i + random.below(len(pool) - i)
        pool[i], pool[j] = pool[j], pool[i]
    return [str(n).zfill(digits) for n in pool[:count]]


def main():
    random = XorShift64Star(SEED)
    lines = candidates(random, 3, 133) + candidates(random, 4, 762)
    target = Path(__file__).resolve().parent.parent / "data" / "quick.dat"
    target.write_bytes("".join(line + "\r\n" for line in lines).encode("ascii"))


if __name__ == "__main__":
    main()
