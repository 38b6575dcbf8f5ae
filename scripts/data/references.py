"""Published saturation data the shipped vapour-pressure file is checked against.

- Water: IAPWS-95 (python3-iapws). 0 °C is taken at the triple point, 0.01 °C.
- Ammonia: the saturation table of H. D. Baehr, R. Tillner-Roth,
  Thermodynamic Properties of Environmentally Acceptable Refrigerants
  (Springer 1995), equation of state of Tillner-Roth et al. (1993).
- All others: Perry's Chemical Engineers' Handbook, 8th ed., Table 2-8
  (vapour pressure, ln p/Pa = C1 + C2/T + C3 ln T + C4 T^C5) and Table 2-32
  (saturated-liquid density, rho = C1 / C2^(1 + (1 - T/C3)^C4), here with C1
  in mol/m3), evaluated at the temperature.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from atoms import mm

# name: (formula, Table 2-8 C1..C5, Table 2-32 C1..C4)
PERRY = {
    "Methane": ("CH4", (39.205, -1324.4, -3.4366, 3.1019e-05, 2), (2921.4, 0.28976, 190.56, 0.28881)),
    "Nitrogen": ("N2", (58.282, -1084.1, -8.3144, 0.044127, 1), (3209.1, 0.2861, 126.2, 0.2966)),
    "Benzene": ("C6H6", (83.107, -6486.2, -9.2194, 6.9844e-06, 2), (1025.9, 0.26666, 562.05, 0.28394)),
    "Ethanol": ("C2H6O", (73.304, -7122.3, -7.1424, 2.8853e-06, 2), (1628.8, 0.27469, 514, 0.23178)),
    "Methanol": ("CH4O", (82.718, -6904.5, -8.8622, 7.4664e-06, 2), (2326.7, 0.27073, 512.5, 0.24713)),
    "Propane": ("C3H8", (59.078, -3492.6, -6.0669, 1.0919e-05, 2), (1375.7, 0.27453, 369.83, 0.29359)),
    "Toluene": ("C7H8", (76.945, -6729.8, -8.179, 5.3017e-06, 2), (879.2, 0.27136, 591.75, 0.29241)),
    "Acetone": ("C3H6O", (69.006, -5599.6, -7.0985, 6.2237e-06, 2), (1233.2, 0.25886, 508.2, 0.2913)),
    "n-Pentane": ("C5H12", (78.741, -5420.3, -8.8253, 9.6171e-06, 2), (849.47, 0.26726, 469.7, 0.27789)),
    "n-Hexane": ("C6H14", (104.65, -6995.5, -12.702, 1.2381e-05, 2), (708.24, 0.26411, 507.6, 0.27537)),
    "n-Heptane": ("C7H16", (87.829, -6996.4, -9.8802, 7.2099e-06, 2), (612.59, 0.26211, 540.2, 0.28141)),
    "Chloroform": ("CHCl3", (146.43, -7792.3, -20.614, 0.024578, 1), (1084.1, 0.2581, 536.4, 0.2741)),
    "Acetic acid": ("C2H4O2", (53.27, -6304.5, -4.2985, 8.8865e-18, 6), (1448.6, 0.25892, 591.95, 0.2529)),
    "Carbon tetrachloride": ("CCl4", (78.441, -6128.1, -8.5766, 6.8465e-06, 2), (998.35, 0.274, 556.35, 0.287)),
    "Ammonia": ("NH3", (90.483, -4669.7, -11.607, 0.017194, 1), (3538.3, 0.25443, 405.65, 0.2888)),
    "Cyclohexane": ("C6H12", (51.087, -5226.4, -4.2278, 9.7554e-18, 6), (889.98, 0.27376, 553.8, 0.28571)),
    "n-Octane": ("C8H18", (96.084, -7900.2, -11.003, 7.1802e-06, 2), (526.6, 0.25693, 568.7, 0.28571)),
    "Ethyl acetate": ("C4H8O2", (66.824, -6227.6, -6.41, 1.7914e-17, 6), (899.6, 0.25856, 523.3, 0.278)),
    "o-Xylene": ("C8H10", (90.405, -7955.2, -10.086, 5.9594e-06, 2), (699.62, 0.26143, 630.3, 0.27365)),
    "2-Butanone": ("C4H8O", (72.698, -6143.6, -7.5779, 5.6476e-06, 2), (937.67, 0.25035, 535.5, 0.29964)),
    "Diethyl ether": ("C4H10O", (136.9, -6954.3, -19.254, 0.024508, 1), (955.4, 0.26847, 466.7, 0.2814)),
}

# Ammonia, saturated: t °C -> (p bar, rho' kg/m3), Baehr and Tillner-Roth.
AMMONIA_TABLE = {
    -50: (0.4084, 702.09),
    0: (4.2938, 638.57),
    50: (20.3403, 562.86),
    100: (62.5527, 456.63),
}
# Further points of that table (T K, p bar), used with the above to fit the
# Wagner coefficients: the triple point, 130 and 132 °C, and the saturation
# temperatures at 0.1, 1, 10 and 100 bar.
AMMONIA_MORE_POINTS = [
    (195.5, 0.0609), (403.15, 108.9768), (405.15, 112.8976),
    (-71.22 + 273.15, 0.1), (-33.59 + 273.15, 1.0), (24.90 + 273.15, 10.0), (125.17 + 273.15, 100.0),
]

SOURCE_WATER = "IAPWS-95"
SOURCE_AMMONIA = "Baehr, Tillner-Roth 1995"
SOURCE_PERRY = "Perry 8th ed. T. 2-8/2-32"


def _water(T):
    from iapws import IAPWS95
    return IAPWS95(T=max(T, 273.16), x=0)


def pressure(name, T):
    """Saturation pressure in bar at T in K."""
    if name == "Water":
        return _water(T).P * 10
    if name == "Ammonia" and round(T - 273.15) in AMMONIA_TABLE and abs(T - 273.15 - round(T - 273.15)) < 1e-9:
        return AMMONIA_TABLE[round(T - 273.15)][0]
    C1, C2, C3, C4, C5 = PERRY[name][1]
    return math.exp(C1 + C2 / T + C3 * math.log(T) + C4 * T ** C5) / 1e5


def density(name, T):
    """Saturated-liquid density in kg/m3 at T in K."""
    if name == "Water":
        return _water(T).rho
    if name == "Ammonia" and round(T - 273.15) in AMMONIA_TABLE and abs(T - 273.15 - round(T - 273.15)) < 1e-9:
        return AMMONIA_TABLE[round(T - 273.15)][1]
    formula, _, (C1, C2, C3, C4) = PERRY[name]
    return C1 / C2 ** (1 + (1 - T / C3) ** C4) * mm(formula) / 1000


def source(name, celsius):
    if name == "Water":
        return SOURCE_WATER
    if name == "Ammonia" and celsius in AMMONIA_TABLE:
        return SOURCE_AMMONIA
    return SOURCE_PERRY
