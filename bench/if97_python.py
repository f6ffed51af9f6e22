#!/usr/bin/env python3
"""Times through python3-iapws the evaluations that bench_if97 times in the
library, for the record: seconds per call, same points, same machine."""
import timeit

from iapws import IAPWS97
from iapws.iapws97 import _Region1, _Region2

CASES = [
    # The bare basic equations, the nearest to the library's h(p, T).
    ("h(p,T) region1 equation", lambda: _Region1(300.0, 3.0)["h"]),
    ("h(p,T) region2 equation", lambda: _Region2(713.15, 4.0)["h"]),
    # Whole states (the package computes every property, transport included).
    ("StatePT/region1", lambda: IAPWS97(P=3.0, T=300.0).h),
    ("StatePT/region2", lambda: IAPWS97(P=4.0, T=713.15).h),
    ("StatePT/region3", lambda: IAPWS97(P=25.0, T=650.0).h),
    ("StatePT/region5", lambda: IAPWS97(P=30.0, T=1500.0).h),
    ("StatePH/region1", lambda: IAPWS97(P=3.0, h=500.0).T),
    ("StatePH/region2", lambda: IAPWS97(P=3.0, h=3000.0).T),
    ("StatePH/region3", lambda: IAPWS97(P=50.0, h=2000.0).T),
    ("StatePS/region1", lambda: IAPWS97(P=3.0, s=0.5).T),
    ("StatePS/region2", lambda: IAPWS97(P=0.1, s=7.5).T),
    ("StatePS/region3", lambda: IAPWS97(P=50.0, s=4.5).T),
]

for name, fn in CASES:
    runs = 20
    best = min(timeit.repeat(fn, number=runs, repeat=3)) / runs
    print("%-30s %10.1f us" % (name, best * 1e6))
