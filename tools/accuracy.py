#!/usr/bin/python3
"""Measures the property library against IAPWS-IF97.

Evaluates the library's functions through calorix-cli on a grid of states
and prints, per region and quantity, the largest and the median deviation
from the IAPWS-IF97 values of the python3-iapws package (Debian:
apt-get install python3-iapws). A tool for the README's accuracy notes,
not a test.

Usage: tools/accuracy.py [path/to/calorix-cli]
"""
import statistics
import subprocess
import sys

from iapws import IAPWS97

CLI = sys.argv[1] if len(sys.argv) > 1 else "build/src/cli/calorix-cli"
CRITICAL_BAR = 220.64


def fn(name, *args):
    out = subprocess.run([CLI, "fn", name, *[repr(float(a)) for a in args]],
                         check=True, capture_output=True, text=True).stdout
    return float(out)


class Table:
    """Deviations per (region, quantity), relative in percent or absolute."""

    def __init__(self):
        self.rows = {}

    def add(self, region, quantity, ours, reference, absolute=False):
        dev = ours - reference if absolute else (ours - reference) / reference * 100
        self.rows.setdefault((region, quantity, absolute), []).append((abs(dev), dev))

    def print(self, title):
        print(f"\n{title}")
        print(f"  {'region':<26}{'quantity':<22}{'points':>7}{'median':>12}{'max':>12}")
        for (region, quantity, absolute), devs in self.rows.items():
            unit = "" if absolute else " %"
            med = statistics.median(d for d, _ in devs)
            worst = max(devs)[1]
            print(f"  {region:<26}{quantity:<22}{len(devs):>7}{med:>10.3g}{unit:2}{worst:>10.3g}{unit:2}")


def saturation():
    t = Table()
    for p in [0.01, 0.05, 0.1, 0.5, 1, 2, 5, 10, 20, 50, 100, 150, 200, 220]:
        w = IAPWS97(P=p / 10, x=0)
        s = IAPWS97(P=p / 10, x=1)
        region = "p < 100 bar" if p < 100 else "100 <= p <= 220 bar"
        ts = fn("SaturationTemperature", p)
        t.add(region, "t_s [K]", ts, w.T - 273.15, absolute=True)
        t.add(region, "p_s(t_s)", fn("SaturationPressure", w.T - 273.15), p)
        tw = w.T - 273.15
        t.add(region, "h' [kJ/kg]", fn("SaturatedWaterEnthalpy", tw), w.h, absolute=True)
        t.add(region, "h'' [kJ/kg]", fn("SaturatedSteamEnthalpy", tw), s.h, absolute=True)
        t.add(region, "s'", fn("SaturatedWaterEntropy", tw), w.s)
        t.add(region, "s''", fn("SaturatedSteamEntropy", tw), s.s)
        t.add(region, "v'", fn("SaturatedWaterVolume", tw), w.v)
        t.add(region, "v''", fn("SaturatedSteamVolume", tw), s.v)
    t.print("Saturation line (against IAPWS-IF97 at the same pressure)")


def single_phase():
    t = Table()
    for p in [1, 10, 50, 100, 200, 300, 500]:
        ts = fn("SaturationTemperature", p) if p < CRITICAL_BAR else None
        for temp in [20, 60, 100, 150, 200, 250, 300, 350, 400, 450, 500, 600, 700, 800, 1000]:
            if ts is not None and abs(temp - ts) < 5:
                continue  # too close to the saturation line to say which phase
            ref = IAPWS97(P=p / 10, T=temp + 273.15)
            if p >= CRITICAL_BAR:
                region = "p > 221 bar"
            elif temp < ts:
                region = "water"
            else:
                region = "superheated steam"
            h = fn("EnthalpyPT", p, temp)
            t.add(region, "h(p,t) [kJ/kg]", h, ref.h, absolute=True)
            t.add(region, "s(p,h)", fn("EntropyPH", p, ref.h), ref.s)
            t.add(region, "v(p,h)", fn("VolumePH", p, ref.h), ref.v)
            t.add(region, "t(p,h) [K]", fn("TemperaturePH", p, ref.h), temp, absolute=True)
            t.add(region, "c(p,t)", fn("HeatCapacityPT", p, temp), ref.cp)
            t.add(region, "lambda(p,t)", fn("ThermalConductivityPT", p, temp), ref.k)
            t.add(region, "nu(p,t)", fn("KinematicViscosityPT", p, temp), ref.mu / ref.rho)
            t.add(region, "Pr(p,t)", fn("PrandtlPT", p, temp), ref.Prandt)
    t.print("Water and steam (s, v and t at the IAPWS-IF97 enthalpy)")


if __name__ == "__main__":
    saturation()
    single_phase()
