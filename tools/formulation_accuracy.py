#!/usr/bin/env python3
"""Compares the program's two water-and-steam formulations over a grid of
states, per IF97 region, from the program itself: each state is computed by
`calorix-cli sheet 1 --json` once with the classic correlations and once with
IAPWS-IF97, and the shown values are compared. Prints a Markdown table (the
README's accuracy comparison).

    tools/formulation_accuracy.py build/src/cli/calorix-cli > table.md
"""
import concurrent.futures
import json
import subprocess
import sys

PRESSURES = [1, 5, 10, 20, 40, 70, 100, 150, 200, 250, 300, 400, 500]  # bar
TEMPERATURES = sorted(set(range(10, 1001, 30)) | {355, 365, 375, 385, 395, 410, 425, 445})  # °C
ROWS = {5: "h", 6: "s", 7: "v", 9: "cp", 10: "λ", 11: "ν"}
NAMES = {"h": "enthalpy", "s": "entropy", "v": "specific volume", "cp": "heat capacity",
         "λ": "thermal conductivity", "ν": "kinematic viscosity"}
REGIONS = {1: "1 (compressed water)", 2: "2 (steam)", 3: "3 (near-critical, supercritical)",
           5: "5 (above 800 °C)"}


def run(cli, p, t, formulation):
    out = subprocess.run([cli, "sheet", "1", "--formulation", formulation, "--set", "1=%g" % p,
                          "--unit", "1=1", "--set", "2=%g" % t, "--decimal", ".", "--json"],
                         check=True, capture_output=True, text=True).stdout
    rows = {r["row"]: r for r in json.loads(out)["rows"]}
    values = {name: rows[row]["value"] if row in rows else None for row, name in ROWS.items()}
    values["state"] = rows[13]["text"] if 13 in rows else ""
    return values


def region(p_bar, t, state):
    # The IF97 regions as the sheet's inputs meet them; the 2-3 boundary is
    # the release's B23 line p(T).
    if t > 800:
        return 5
    if t <= 350:
        return 1 if state == "вода" else 2
    T = t + 273.15
    p_b23 = 348.05185628969 - 1.1671859879975 * T + 1.0192970039326e-3 * T * T  # MPa
    return 3 if p_bar / 10 > p_b23 else 2


def percent(x):
    return "%.2f %%" % x if x < 100 else "%.0f %%" % x


def main():
    cli = sys.argv[1]
    states = [(p, t) for p in PRESSURES for t in TEMPERATURES]
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        classic = list(pool.map(lambda s: run(cli, s[0], s[1], "classic"), states))
        if97 = list(pool.map(lambda s: run(cli, s[0], s[1], "if97"), states))
    stats = {}
    for (p, t), c, r in zip(states, classic, if97):
        reg = region(p, t, r["state"])
        for name in ROWS.values():
            a, b = c[name], r[name]
            if a is None or b is None or b == 0:
                continue
            dev = abs(a - b) / abs(b) * 100
            s = stats.setdefault((reg, name), {"n": 0, "sum": 0.0, "max": -1.0, "at": None})
            s["n"] += 1
            s["sum"] += dev
            if dev > s["max"]:
                s["max"], s["at"] = dev, (p, t, a, b)
    print("| IF97 region | quantity | states | mean deviation | largest deviation | where (classic vs IF97) |")
    print("|---|---|---:|---:|---:|---|")
    for reg in sorted(REGIONS):
        for name in ROWS.values():
            s = stats.get((reg, name))
            if not s:
                continue
            p, t, a, b = s["at"]
            print("| %s | %s | %d | %s | %s | %g bar, %g °C: %.5g vs %.5g |"
                  % (REGIONS[reg], NAMES[name], s["n"], percent(s["sum"] / s["n"]), percent(s["max"]), p, t, a, b))


if __name__ == "__main__":
    main()
