#!/usr/bin/env python3
"""Prints IF97 states computed by an independent implementation (the Debian
package python3-iapws) for the cross-check test: one line per state.

  pt  p_MPa T_K region h s v cp w mu k
  sat T_K h' s' v' h'' s'' v''

The grid covers every region; states within 0.02 K of the saturation line
are left out because the two implementations may put them on either side.
"""
import math
import sys

from iapws import IAPWS97
from iapws.iapws97 import _TSat_P


def pressures():
    # Log-spaced 1 kPa … 100 MPa, plus a dense band over region 3.
    ps = [10 ** (-3 + 5 * i / 44) for i in range(45)]
    ps += [16.6 + i * (100 - 16.6) / 24 for i in range(25)]
    ps += [21.5, 22.0, 22.064, 22.1, 22.3, 22.6, 23.0]
    return ps


def temperatures():
    ts = [273.16 + i * (2273.15 - 273.16) / 59 for i in range(60)]
    ts += [625 + i * 5 for i in range(48)]
    ts += [646.0, 647.0, 647.5, 648.0, 650.0]
    return ts


def main():
    out = sys.stdout
    for p in pressures():
        tsat = _TSat_P(p) if p <= 22.064 else None
        for t in temperatures():
            if tsat is not None and abs(t - tsat) < 0.02:
                continue
            try:
                st = IAPWS97(P=p, T=t)
            except Exception:
                continue
            if not getattr(st, "status", 0) or st.region not in (1, 2, 3, 5):
                continue
            out.write("pt %.17g %.17g %d %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n" %
                      (p, t, st.region, st.h, st.s, st.v, st.cp, st.w, st.mu, st.k))
    for i in range(75):
        t = 273.16 + i * (646.0 - 273.16) / 74
        liq = IAPWS97(T=t, x=0)
        vap = IAPWS97(T=t, x=1)
        out.write("sat %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n" %
                  (t, liq.h, liq.s, liq.v, vap.h, vap.s, vap.v))


if __name__ == "__main__":
    main()
