# COUNT random decimal texts, one per line, for the every-format report's benchmarks: up to 17
# significant digits, decimal exponents from -320 to 300, half of them negative, fixed seed, so
# that every script times the same texts.
# Usage: python3 bench/random_texts.py COUNT
import random
import sys

r = random.Random(20261207)
out = []
for _ in range(int(sys.argv[1])):
    digits = str(r.randrange(1, 10 ** r.randint(1, 17)))
    sign = '-' if r.random() < 0.5 else ''
    out.append(f"{sign}{digits[0]}.{digits[1:] or '0'}e{r.randint(-320, 300)}")
print('\n'.join(out))
