#!/usr/bin/python3
# Turns paired measurements into ratios with 95 % intervals. Reads lines "what|goal|game|other" (the
# two sides of one pair, measured back to back) and prints, for each "what", the medians of both
# sides, their ratio, a bootstrap interval over the pairs, and whether the interval's upper end
# meets the goal. Exits 0 either way: the verdict is printed, not enforced.
import random
import statistics
import sys


def interval(pairs, rounds=2000):
    rng = random.Random(20261208)  # fixed, so that the same figures give the same interval
    ratios = []
    for _ in range(rounds):
        sample = [pairs[rng.randrange(len(pairs))] for _ in pairs]
        ratios.append(statistics.median(g for g, _ in sample) / statistics.median(o for _, o in sample))
    ratios.sort()
    return ratios[int(0.025 * rounds)], ratios[int(0.975 * rounds) - 1]


def main():
    scale = float(sys.argv[1]) if len(sys.argv) > 1 else 1.0  # e.g. 1e-3 for ns to µs
    unit = sys.argv[2] if len(sys.argv) > 2 else ""
    groups, goals = {}, {}
    for line in sys.stdin:
        parts = line.strip().split("|")
        if len(parts) != 4:
            continue
        what, goal, game, other = parts
        groups.setdefault(what, []).append((float(game) * scale, float(other) * scale))
        goals[what] = float(goal)
    print(f"{'':22} {'Velsora':>12} {'other':>12}   ratio  95 % interval   goal")
    for what, pairs in groups.items():
        game = statistics.median(g for g, _ in pairs)
        other = statistics.median(o for _, o in pairs)
        low, high = interval(pairs)
        verdict = "met" if high <= goals[what] else "NOT met"
        print(f"{what:22} {game:9.1f} {unit:2} {other:9.1f} {unit:2}  {game / other:5.3f}  "
              f"[{low:5.3f}, {high:5.3f}]  {goals[what]:.2f} {verdict}  ({len(pairs)} pairs)")


main()
