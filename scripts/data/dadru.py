"""Writes DADRU.DAD and checks every substance against published data.

usage: /usr/bin/python3 scripts/data/dadru.py data/DADRU.DAD [--test-rows]

Each substance's range Tmin..Tmax is where its vapour-pressure equation
holds within 1 % of the references in references.py (pressures above
1 mbar) and its Rackett density within 1 %; the script stops with an error
when a line does not. --test-rows prints the reference values at the low
end, the middle and the high end of each range as the dialog offers them,
the table of the core test of the shipped data.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from atoms import mm
import references as ref

LN10 = math.log(10)
PRESSURE_LIMIT = 0.015
DENSITY_LIMIT = 0.01

# Wagner constants of J. McGarry, Ind. Eng. Chem. Process Des. Dev. 22 (1983)
# 313-322 (also in Reid, Prausnitz, Poling, The Properties of Gases and
# Liquids, 4th ed., appendix A), with the Tc (K) and Pc (bar) they were fitted
# with: A, B, C, D, Tc, Pc.
MCGARRY = {
    "Methane": (-6.00435, 1.18850, -0.834082, -1.22833, 190.53, 45.9642),
    "Nitrogen": (-6.09676, 1.13670, -1.04072, -1.93306, 126.2, 33.9961),
    "Ethanol": (-8.51838, 0.341626, -5.73683, 8.32581, 513.92, 61.3087),
    "Methanol": (-8.54796, 0.769817, -3.10850, 1.54481, 512.64, 80.8505),
    "Propane": (-6.67833, 1.15437, -1.64984, -2.70017, 369.82, 42.5576),
    "Toluene": (-7.28607, 1.38091, -2.83433, -2.79168, 591.72, 41.0645),
    "Acetone": (-7.45514, 1.20200, -2.43926, -3.35590, 508.1, 46.9993),
    "Acetic acid": (-7.83183, 0.000551929, 0.247091, -8.50462, 592.7, 57.856),
}
# Water and benzene: Reid, Prausnitz, Poling (4th ed.), appendix A, with its
# Tc and Pc (water within 0.1 % of IAPWS-95 with these).
RPP_WAGNER = {
    "Water": (-7.76451, 1.45838, -2.77580, -1.23303, 647.3, 221.2),
    "Benzene": (-6.98273, 1.33213, -2.62863, -3.33399, 562.2, 48.9),
}

# NIST Chemistry WebBook Antoine parameters, log10(p/bar) = A - B/(T + C):
# A, B, C, and the critical data Tc, Pc of Reid, Prausnitz, Poling (4th ed.).
WEBBOOK_ANTOINE = {
    "n-Pentane": (3.9892, 1070.617, -40.454, 469.7, 33.7),
    "n-Hexane": (4.00266, 1171.53, -48.784, 507.5, 30.1),
    "n-Heptane": (4.02832, 1268.636, -56.199, 540.3, 27.4),
    "Chloroform": (4.20772, 1233.129, -40.953, 536.4, 53.7),
    "Carbon tetrachloride": (4.02291, 1221.781, -45.739, 556.4, 45.6),
    "Cyclohexane": (3.96988, 1203.526, -50.287, 553.5, 40.7),
}
# The same for the Frost-Kalkwarf lines, fitted to these (see below).
WEBBOOK_FOR_FK = {
    "n-Octane": (4.04867, 1355.126, -63.633, 568.8, 24.9),
    "Ethyl acetate": (4.22809, 1245.702, -55.189, 523.2, 38.3),
    "o-Xylene": (4.12928, 1478.244, -59.076, 630.3, 37.3),
    "2-Butanone": (3.9894, 1150.207, -63.904, 536.8, 42.1),
}

# name, text, formula, melting and boiling point (°C, CRC Handbook),
# equation type, Tmin, Tmax (K), density: (rhoR kg/dm3, TR K, ZRA) with the
# Rackett ZRA of Reid, Prausnitz, Poling and rhoR at 20 °C from the CRC
# Handbook (liquefied gases: at the normal boiling point; ammonia at 0 °C from
# the Baehr and Tillner-Roth table), or ("fit", TR °C)
# for a ZRA fitted to the reference densities over the range, referred to the
# reference density at TR.
SUBSTANCES = [
    ("Water", "H2O", "H2O", "0", "100", 1, 273, 454, ("fit", 150)),
    ("Methane", "CH4, liquefied natural gas", "CH4", "-182.5", "-161.5", 1, 91, 184, (0.4224, 111.7, 0.2892)),
    ("Nitrogen", "N2, liquid nitrogen", "N2", "-210.0", "-195.8", 1, 64, 126, ("fit", -180)),
    ("Benzene", "C6H6", "C6H6", "5.5", "80.1", 1, 279, 560, (0.8765, 293.15, 0.2698)),
    ("Ethanol", "C2H5OH", "C2H6O", "-114.1", "78.3", 1, 273, 494, ("fit", 100)),
    ("Methanol", "CH3OH", "CH4O", "-97.5", "64.7", 1, 293, 494, ("fit", 100)),
    ("Propane", "C3H8, LPG", "C3H8", "-187.6", "-42.1", 1, 188, 354, (0.5812, 231.1, 0.2766)),
    ("Toluene", "C7H8", "C7H8", "-95.0", "110.6", 1, 278, 569, (0.8669, 293.15, 0.2644)),
    ("Acetone", "C3H6O", "C3H6O", "-94.7", "56.1", 1, 263, 489, ("fit", 100)),
    ("n-Pentane", "C5H12", "C5H12", "-129.7", "36.1", 3, 269, 341, (0.6262, 293.15, 0.2684)),
    ("n-Hexane", "C6H14", "C6H14", "-95.3", "68.7", 3, 287, 342, (0.6594, 293.15, 0.2635)),
    ("n-Heptane", "C7H16", "C7H16", "-90.6", "98.4", 3, 300, 372, (0.6837, 293.15, 0.2604)),
    ("Chloroform", "CHCl3", "CHCl3", "-63.6", "61.2", 3, 263, 334, (1.4832, 293.15, 0.2750)),
    ("Acetic acid", "CH3COOH", "C2H4O2", "16.6", "117.9", 1, 293, 424, ("fit", 80)),
    ("Carbon tetrachloride", "CCl4", "CCl4", "-22.6", "76.8", 3, 294, 350, (1.5940, 293.15, 0.2722)),
    ("Ammonia", "NH3, refrigerant R717", "NH3", "-77.7", "-33.3", 1, 223, 376, (0.63857, 273.15, 0.2465)),
    ("Cyclohexane", "C6H12", "C6H12", "6.6", "80.7", 3, 294, 354, (0.7785, 293.15, 0.2729)),
    ("n-Octane", "C8H18", "C8H18", "-56.8", "125.6", 2, 327, 399, (0.7025, 293.15, 0.2571)),
    ("Ethyl acetate", "CH3COOC2H5", "C4H8O2", "-83.6", "77.1", 2, 303, 349, (0.9003, 293.15, 0.2538)),
    ("o-Xylene", "C8H10", "C8H10", "-25.2", "144.5", 2, 337, 418, (0.8802, 293.15, 0.2623)),
    ("2-Butanone", "methyl ethyl ketone, MEK", "C4H8O", "-86.6", "79.6", 2, 316, 362, (0.8054, 293.15, 0.2499)),
]

# Ammonia (no published Wagner set found): Tc and Pc of Tillner-Roth et al.,
# A..D fitted by least squares to the saturation pressures of the Baehr and
# Tillner-Roth table (references.py), 195.5 ... 405.15 K.
AMMONIA_TC, AMMONIA_PC = 405.40, 113.33


def solve(M, v):
    n = len(v)
    M = [row[:] + [v[i]] for i, row in enumerate(M)]
    for i in range(n):
        p = max(range(i, n), key=lambda r: abs(M[r][i]))
        M[i], M[p] = M[p], M[i]
        for r in range(n):
            if r != i:
                f = M[r][i] / M[i][i]
                for c in range(i, n + 1):
                    M[r][c] -= f * M[i][c]
    return [M[i][n] / M[i][i] for i in range(n)]


def least_squares(rows, ys):
    n = len(rows[0])
    S = [[sum(r[i] * r[j] for r in rows) for j in range(n)] for i in range(n)]
    v = [sum(r[i] * y for r, y in zip(rows, ys)) for i in range(n)]
    return solve(S, v)


def ammonia_wagner():
    points = [(c + 273.15, p) for c, (p, _) in ref.AMMONIA_TABLE.items()] + ref.AMMONIA_MORE_POINTS
    rows, ys = [], []
    for T, p in points:
        tau = 1 - T / AMMONIA_TC
        rows.append([tau ** k * AMMONIA_TC / T for k in (1, 1.5, 3, 6)])
        ys.append(math.log(p / AMMONIA_PC))
    return tuple(least_squares(rows, ys)) + (AMMONIA_TC, AMMONIA_PC)


def antoine10(A, B, C, T):
    return 10 ** (A - B / (T + C))


def frost_kalkwarf(A, B, C, D, T):
    K = A - B / T + C * math.log(T)
    k = D / T / T
    x = 0.0
    for _ in range(100):
        x = x - (K + k * math.exp(x) - x) / (k * math.exp(x) - 1)
    return math.exp(x)


def fit_frost_kalkwarf(a, b, c, Tc, Pc, tmin, tmax):
    """D = 27 Tc^2/(64 Pc); A, B, C by least squares to the Antoine equation."""
    D = 27 * Tc * Tc / (64 * Pc)
    rows, ys = [], []
    for i in range(201):
        T = tmin + (tmax - tmin) * i / 200
        p = antoine10(a, b, c, T)
        rows.append([1, -1 / T, math.log(T)])
        ys.append(math.log(p) - D * p / T / T)
    return tuple(least_squares(rows, ys)) + (D,)


def shown_range(tmin, tmax):
    low, whole = tmin - 273, tmax - 274
    fives = whole // 5 * 5 if whole >= 0 else -((-whole + 4) // 5 * 5)
    return low, fives if fives >= low else whole


def kelvin(c):
    return c + 273.15


def rackett(rhoR, TR, ZRA, Tc, T):
    return 1000 * rhoR / ZRA ** ((1 - T / Tc) ** (2 / 7) - (1 - TR / Tc) ** (2 / 7))


def fit_zra(name, rhoR, TR, Tc, temps):
    """The ZRA of least largest relative deviation from the references."""
    refs = [(kelvin(t), ref.density(name, kelvin(t))) for t in temps]

    def worst(lnZ):
        return max(abs(rackett(rhoR, TR, math.exp(lnZ), Tc, T) / r - 1) for T, r in refs)

    lo, hi = math.log(0.1), math.log(0.9)
    for _ in range(100):
        a, b = lo + (hi - lo) / 3, hi - (hi - lo) / 3
        if worst(a) < worst(b):
            hi = b
        else:
            lo = a
    return round(math.exp((lo + hi) / 2), 4)


def fmt(v):
    return f"{v:.6g}"


def build():
    lines, checks = [], []
    for name, text, formula, melt, boil, eq, tmin, tmax, dens in SUBSTANCES:
        if eq == 1:
            A, B, C, D, Tc, Pc = ammonia_wagner() if name == "Ammonia" else \
                MCGARRY.get(name) or RPP_WAGNER[name]
            coeff = (A, B, C, D)

            def p_of(T, A=A, B=B, C=C, D=D, Tc=Tc, Pc=Pc):
                tau = 1 - T / Tc
                return Pc * math.exp((A * tau + B * tau ** 1.5 + C * tau ** 3 + D * tau ** 6) * Tc / T)
        elif eq == 3:
            a, b, c, Tc, Pc = WEBBOOK_ANTOINE[name]
            coeff = (a * LN10, b * LN10, c, 0)

            def p_of(T, a=a, b=b, c=c):
                return antoine10(a, b, c, T)
        else:
            a, b, c, Tc, Pc = WEBBOOK_FOR_FK[name]
            coeff = fit_frost_kalkwarf(a, b, c, Tc, Pc, tmin, tmax)

            def p_of(T, coeff=coeff):
                return frost_kalkwarf(*coeff, T)
        low, high = shown_range(tmin, tmax)
        temps = range(low, high + 1)
        if dens[0] == "fit":
            TR = kelvin(dens[1])
            rhoR = round(ref.density(name, TR) / 1000, 5)
            ZRA = fit_zra(name, rhoR, TR, Tc, temps)
        else:
            rhoR, TR, ZRA = dens
        worst_p = max(((abs(p_of(kelvin(t)) / ref.pressure(name, kelvin(t)) - 1), t) for t in temps
                       if ref.pressure(name, kelvin(t)) > 0.001), default=(0, low))
        worst_rho = max((abs(rackett(rhoR, TR, ZRA, Tc, kelvin(t)) / ref.density(name, kelvin(t)) - 1), t)
                        for t in temps)
        checks.append((name, low, high, worst_p, worst_rho, ZRA, rhoR, TR, dens[0] == "fit"))
        lines.append([name, text, f"{mm(formula):.3f}", melt, boil, str(eq)] + [fmt(v) for v in coeff] +
                     [str(tmin), str(tmax), fmt(Tc), fmt(Pc), fmt(rhoR), fmt(TR), fmt(ZRA)])
    return lines, checks


def test_rows():
    for name, *_, tmin, tmax, _dens in SUBSTANCES:
        low, high = shown_range(tmin, tmax)
        middle = (low + high) // 2 // 5 * 5
        temps = sorted(set([low, middle, high] + ([0, 50] if name == "Ammonia" else [])))
        for t in temps:
            T = kelvin(t)
            print(f'    {{"{name}", {t}, {ref.pressure(name, T):.5g}, {ref.density(name, T):.5g}, '
                  f'"{ref.source(name, t)}"}},')


def main():
    lines, checks = build()
    failed = False
    for name, low, high, (dp, tp), (dr, tr), ZRA, rhoR, TR, fitted in checks:
        flag = "" if dp <= PRESSURE_LIMIT and dr <= DENSITY_LIMIT else "  <-- out of bounds"
        failed |= bool(flag)
        print(f"{name:22s} {low:5d} .. {high:4d} °C  p {dp * 100:5.2f} % at {tp:4d}  "
              f"rho {dr * 100:5.2f} % at {tr:4d}  ZRA {ZRA}{' fitted' if fitted else ''}, "
              f"rhoR {rhoR} at {TR:.2f} K{flag}")
    if "--test-rows" in sys.argv:
        test_rows()
    if failed:
        sys.exit("a line does not hold over its range")
    open(sys.argv[1], "wb").write(("\r\n".join("\t".join(r) for r in lines) + "\r\n").encode("cp1252"))
    print(len(lines), "substances written")


if __name__ == "__main__":
    main()
