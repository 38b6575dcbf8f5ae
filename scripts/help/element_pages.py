#!/usr/bin/python3
"""Writes the engineering help pages: one page per element kind, the index of
the element kinds, and the pages on flow regimes, the friction factor, the gas
correction and the published sources.

Everything the pages say about a kind lives in the table KINDS below, taken
from the engine (src/engine/rules_*.cpp, colebrook.cpp, engine.cpp), the
element form (src/shell/element_catalogue.cpp) and its input checks
(src/shell/element_panel.cpp). Formulas are typeset as images: this script
writes help/formulas/formulas.txt, and scripts/help/render_formulas.py turns
it into PNGs. The element pictures come from scripts/help/element_pictures.py.

    /usr/bin/python3 scripts/help/element_pages.py
    /usr/bin/python3 scripts/help/render_formulas.py
    /usr/bin/python3 scripts/help/check_pages.py

The generated files are committed; the build does not run this script.
"""
import html
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
HELP = os.path.normpath(os.path.join(HERE, "..", "..", "help"))


def slug(name):
    """Page name of an element kind: lower case, every run of other
    characters than letters and digits one "_", none at either end."""
    return re.sub(r"[^a-z0-9]+", "_", name.lower()).strip("_")


# ---------------------------------------------------------------------------
# Formulas: name -> (TeX for mathtext, plain text for the alt attribute).
FORMULAS = {
    # Flow state
    "velocity_circular": (r"w = \dfrac{Q}{3600\ \mathrm{s/h}}\ \dfrac{4}{\pi\,D^2}",
                          "w = Q / 3600 · 4 / (π·D²)"),
    "velocity_rectangular": (r"w = \dfrac{Q}{3600\ \mathrm{s/h}\ \cdot\ B\,H}", "w = Q / (3600 · B·H)"),
    "velocity_ring": (r"w = \dfrac{Q}{3600\ \mathrm{s/h}}\ \dfrac{4}{\pi\,(D^2 - D_i^{\,2})}",
                      "w = Q / 3600 · 4 / (π·(D² − Di²))"),
    "velocity_other": (r"w = \dfrac{Q}{3600\ \mathrm{s/h}\ \cdot\ A}", "w = Q / (3600 · A)"),
    "velocity2_circular": (r"w_2 = \dfrac{Q}{3600\ \mathrm{s/h}}\ \dfrac{4}{\pi\,D_2^{\,2}}",
                           "w2 = Q / 3600 · 4 / (π·D2²)"),
    "velocity2_branch": (r"w_2 = \dfrac{Q_2}{3600\ \mathrm{s/h}}\ \dfrac{4}{\pi\,D_2^{\,2}}",
                         "w2 = Q2 / 3600 · 4 / (π·D2²)"),
    "hydraulic_rectangular": (r"d_h = \dfrac{2\,B\,H}{B + H}", "dh = 2·B·H / (B + H)"),
    "hydraulic_ring": (r"d_h = D - D_i", "dh = D − Di"),
    "hydraulic_other": (r"d_h = \dfrac{4\,A}{U}", "dh = 4·A / U"),
    "reynolds": (r"\mathrm{Re} = \dfrac{w\,\rho\,d}{\eta}", "Re = w·ρ·d / η"),
    "reynolds2": (r"\mathrm{Re}_2 = \dfrac{w_2\,\rho\,D_2}{\eta}", "Re2 = w2·ρ·D2 / η"),
    "reynolds_bore": (r"\mathrm{Re}_2 = \mathrm{Re}\ \dfrac{D_1}{D_2}", "Re2 = Re · D1 / D2"),
    "laminar_limit": (r"\mathrm{Re} < 2320", "Re < 2320"),
    "transition_band": (r"2200 \leq \mathrm{Re} \leq 2320", "2200 ≤ Re ≤ 2320"),
    # Pressure drop
    "pressure_drop_zeta": (r"\Delta p = \zeta\ \dfrac{\rho\,w^2}{2}", "Δp = ζ · ρ·w² / 2"),
    "pressure_drop_zeta2": (r"\Delta p = \zeta\ \dfrac{\rho\,w_2^{\,2}}{2}", "Δp = ζ · ρ·w2² / 2"),
    "pressure_drop_pipe": (r"\Delta p = \lambda\ \dfrac{L}{d}\ \dfrac{\rho\,w^2}{2}",
                           "Δp = λ · L/d · ρ·w² / 2"),
    "zeta_pipe": (r"\zeta = \lambda\ \dfrac{L}{d}", "ζ = λ · L / d"),
    "static_drop_w2": (r"\Delta p = \zeta\,\dfrac{\rho\,w_2^{\,2}}{2} + \dfrac{\rho}{2}\,"
                       r"(w_2^{\,2} - w_1^{\,2})", "Δp = ζ·ρ·w2²/2 + ρ/2·(w2² − w1²)"),
    "static_drop_w1": (r"\Delta p = \zeta\,\dfrac{\rho\,w_1^{\,2}}{2} + \dfrac{\rho}{2}\,"
                       r"(w_2^{\,2} - w_1^{\,2})", "Δp = ζ·ρ·w1²/2 + ρ/2·(w2² − w1²)"),
    "quantity": (r"\Delta p_{\mathrm{total}} = n\ \Delta p", "Δp total = n · Δp"),
    # Friction factor
    "hagen_poiseuille": (r"\lambda = \dfrac{64}{\mathrm{Re}}", "λ = 64 / Re"),
    "laminar_shape": (r"\lambda = f\ \dfrac{64}{\mathrm{Re}}", "λ = f · 64 / Re"),
    "side_ratio": (r"s = \dfrac{\min(B,H)}{\max(B,H)}", "s = min(B,H) / max(B,H)"),
    "ring_ratio": (r"r = \dfrac{D}{D_i}", "r = D / Di"),
    "colebrook": (r"\dfrac{1}{\sqrt{\lambda}} = {-0.868588}\ \ln\left(\dfrac{2.51}{\mathrm{Re}\,"
                  r"\sqrt{\lambda}} + 0.269\ \dfrac{k}{d}\right)",
                  "1/√λ = −0.868588 · ln(2.51/(Re·√λ) + 0.269·k/d)"),
    "colebrook_log10": (r"\dfrac{1}{\sqrt{\lambda}} = {-2}\ \log_{10}\left(\dfrac{2.51}{\mathrm{Re}\,"
                        r"\sqrt{\lambda}} + \dfrac{k}{3.71\,d}\right)",
                        "1/√λ = −2 · log10(2.51/(Re·√λ) + k/(3.71·d))"),
    "colebrook_residual": (r"F(\lambda) = \dfrac{1}{\sqrt{\lambda}} + 0.868588\ \ln\left("
                           r"\dfrac{2.51}{\mathrm{Re}\,\sqrt{\lambda}} + 0.269\ \dfrac{k}{d}\right)",
                           "F(λ) = 1/√λ + 0.868588 · ln(2.51/(Re·√λ) + 0.269·k/d)"),
    "secant_step": (r"\lambda_{n+1} = \lambda_n - \dfrac{F(\lambda_n)\ h}{F(\lambda_n + h) - "
                    r"F(\lambda_n)}", "λn+1 = λn − F(λn)·h / (F(λn + h) − F(λn))"),
    "colebrook_x": (r"G(x) = x + 0.868588\ \ln\left(\dfrac{2.51\,x}{\mathrm{Re}} + 0.269\ "
                    r"\dfrac{k}{d}\right),\quad x = \dfrac{1}{\sqrt{\lambda}}",
                    "G(x) = x + 0.868588 · ln(2.51·x/Re + 0.269·k/d), x = 1/√λ"),
    # Gas correction
    "gas_correction": (r"\Delta p_{\mathrm{gas}} = p_1\left(1 - \sqrt{1 - \dfrac{2\,\Delta p}"
                       r"{p_1}\ \dfrac{T_1 + T_2}{2\,T_1}}\right)",
                       "Δp gas = p1 · (1 − √(1 − 2·Δp/p1 · (T1 + T2)/(2·T1)))"),
    "gas_limit": (r"\Delta p \leq \dfrac{p_1}{2}", "Δp ≤ p1 / 2"),
    "gas_isothermal": (r"p_1^{\,2} - p_2^{\,2} = 2\,p_1\,\Delta p\ \dfrac{T_m}{T_1},\quad "
                       r"T_m = \dfrac{T_1 + T_2}{2}",
                       "p1² − p2² = 2·p1·Δp·Tm/T1, Tm = (T1 + T2)/2"),
    # Pipe entrances
    "entrance_angle": (r"\zeta = 0.5 + 0.3\,\cos w + 0.2\,\cos^2 w", "ζ = 0.5 + 0.3·cos w + 0.2·cos² w"),
    # Changes of section
    "sudden_enlargement": (r"\zeta = \left(\left(\dfrac{D_2}{D_1}\right)^2 - 1\right)^2",
                           "ζ = ((D2/D1)² − 1)²"),
    "area_ratio_enlargement": (r"a = \left(\dfrac{D_1}{D_2}\right)^2", "a = (D1/D2)²"),
    "diffuser_phi": (r"\varphi = 522\ x^{4.365}\ e^{-8x} + \tanh(1.41\,x),\quad x = \dfrac{2w}{100}",
                     "φ = 522·x^4.365·e^(−8x) + tanh(1.41·x), x = 2w/100"),
    "diffuser_length": (r"L_d = \dfrac{(D_2 - D_1)/2}{\tan w}", "Ld = ((D2 − D1)/2) / tan w"),
    "diffuser_friction": (r"\zeta_f = \dfrac{(1 - a^2)\ \lambda\ L_d}{4\,D_1\ (D_2/D_1 - 1)}",
                          "ζf = (1 − a²)·λ·Ld / (4·D1·(D2/D1 − 1))"),
    "diffuser_zeta": (r"\zeta = \varphi\ (1 - a)^2 + \zeta_f", "ζ = φ·(1 − a)² + ζf"),
    "sudden_contraction": (r"\zeta = 0.5\ \left(1 - \left(\dfrac{D_2}{D_1}\right)^2\right)^{0.75}",
                           "ζ = 0.5·(1 − (D2/D1)²)^0.75"),
    "area_ratio_contraction": (r"n = \left(\dfrac{D_2}{D_1}\right)^2", "n = (D2/D1)²"),
    "confuser_alpha": (r"\alpha = 0.01745\ \cdot\ 2w", "α = 0.01745 · 2w"),
    "confuser_local": (r"\zeta_l = (\alpha^3 - 2\pi\,\alpha^2 - 10\,\alpha)\,(-0.0125\,n^4 + "
                       r"0.0224\,n^3 - 0.00723\,n^2 + 0.00444\,n - 0.00745)",
                       "ζl = (α³ − 2π·α² − 10·α)·(−0.0125·n⁴ + 0.0224·n³ − 0.00723·n² + "
                       "0.00444·n − 0.00745)"),
    "confuser_friction": (r"\zeta_f = \dfrac{(1 - n^2)\ \lambda}{8\,\sin w}", "ζf = (1 − n²)·λ / (8·sin w)"),
    "confuser_zeta": (r"\zeta = \zeta_l + \zeta_f", "ζ = ζl + ζf"),
    # Bends
    "bend_circular": (r"\zeta = A(w)\ B(R/D)", "ζ = A(w) · B(R/D)"),
    "bend_rectangular_base": (r"\zeta_0 = A(w)\ B(R/d_h)", "ζ0 = A(w) · B(R/dh)"),
    "bend_rectangular_aspect": (r"s = \dfrac{H}{B}", "s = H / B"),
    "bend_rectangular_flat": (r"\zeta = \zeta_0\ s\quad (s \leq 1)", "ζ = ζ0·s (s ≤ 1)"),
    "bend_rectangular_tall": (r"\zeta = \zeta_0\ \sqrt{s}\quad (s > 1)", "ζ = ζ0·√s (s > 1)"),
    "miter_a": (r"A = 0.95 + \dfrac{33.5}{w}", "A = 0.95 + 33.5 / w"),
    "miter_s": (r"S = 0.95\,\sin^2\dfrac{w}{2} + 2.05\,\sin^4\dfrac{w}{2}",
                "S = 0.95·sin²(w/2) + 2.05·sin⁴(w/2)"),
    "miter_e": (r"E = \dfrac{4.06}{\mathrm{Re}^{0.118}}", "E = 4.06 / Re^0.118"),
    "miter_epsilon": (r"\varepsilon = \dfrac{k}{d}", "ε = k / d"),
    "miter_f": (r"F = 1 + 500\,\varepsilon", "F = 1 + 500·ε"),
    "miter_zeta": (r"\zeta = A\ S\ F\ E", "ζ = A · S · F · E"),
    # Branchings
    "branch_q": (r"q = \dfrac{Q_2}{Q},\quad f = \left(\dfrac{D_2}{D_1}\right)^2,\quad r = \dfrac{R}{D_1}",
                 "q = Q2/Q, f = (D2/D1)², r = R/D1"),
    "asunder_main": (r"\zeta = 0.03\,(1 - q)^2 - 0.2\,q\,(1 - q) + 0.35\,q^2",
                     "ζ = 0.03·(1 − q)² − 0.2·q·(1 − q) + 0.35·q²"),
    "asunder_t": (r"t = \tan\dfrac{180^\circ - w}{2}", "t = tan((180° − w)/2)"),
    "asunder_xyzw": (r"X = \dfrac{0.4\,q\,(1 - q)\,(1/f + 1)}{t},\quad Y = 0.95\,(1 - q)^2 + X,"
                     r"\quad Z = \dfrac{1.3}{t} - 0.3,\quad W = \dfrac{0.4 - 0.1\,f}{f^2}",
                     "X = 0.4·q·(1 − q)·(1/f + 1)/t, Y = 0.95·(1 − q)² + X, Z = 1.3/t − 0.3, "
                     "W = (0.4 − 0.1·f)/f²"),
    "asunder_branch": (r"\zeta_2 = q^2\left(\left(1 - 0.9\,\sqrt{r/f}\right)W + Z\right) + Y",
                       "ζ2 = q²·((1 − 0.9·√(r/f))·W + Z) + Y"),
    "together_u": (r"u = \cos w", "u = cos w"),
    "together_main": (r"\zeta = 0.03\,(1 - q)^2 + q\,(1 - q)\,(2 - f) - q^2\left(\left("
                      r"\dfrac{u}{f} - 1\right)(1.62 - \sqrt{r}) + 1 - 0.38\,(1 - f)\right)",
                      "ζ = 0.03·(1 − q)² + q·(1 − q)·(2 − f) − q²·((u/f − 1)·(1.62 − √r) + 1 − "
                      "0.38·(1 − f))"),
    "together_branch": (r"\zeta_2 = {-0.92}\,(1 - q)^2 + q\,(1 - q)\,(2 - f) - q^2\left(0.8\left(1 - "
                        r"\dfrac{1}{f^2}\right) + \left(\dfrac{u}{f} - 1\right)(1.2 - \sqrt{r}) - "
                        r"\dfrac{u\,(1 - f)}{f}\right)",
                        "ζ2 = −0.92·(1 − q)² + q·(1 − q)·(2 − f) − q²·(0.8·(1 − 1/f²) + (u/f − 1)·"
                        "(1.2 − √r) − u·(1 − f)/f)"),
    "branch_second_drop": (r"\Delta p_2 = \zeta_2\ \dfrac{\rho\,w^2}{2}", "Δp2 = ζ2 · ρ·w² / 2"),
    # Bellows
    "compensator": (r"\zeta = 0.2\ n_r", "ζ = 0.2 · nr"),
    "u_bend": (r"\zeta = 0.33 - 0.06\ \dfrac{L}{D}\quad (L/D < 2),\qquad \zeta = 0.21\quad "
               r"(L/D \geq 2)", "ζ = 0.33 − 0.06·L/D (L/D < 2), ζ = 0.21 (L/D ≥ 2)"),
    # Nozzles and orifices
    "area_ratio_orifice": (r"m = \left(\dfrac{D_2}{D_1}\right)^2", "m = (D2/D1)²"),
    "stolz": (r"C = 0.5959 + 0.0312\,\beta^{2.1} - 0.184\,\beta^8 + 0.0029\,\beta^{2.5}\left("
              r"\dfrac{10^6}{\mathrm{Re}}\right)^{0.75},\quad \beta = \sqrt{m}",
              "C = 0.5959 + 0.0312·β^2.1 − 0.184·β^8 + 0.0029·β^2.5·(10⁶/Re)^0.75, β = √m"),
    "orifice_s": (r"S = \sqrt{1 - (1 - C^2)\,m^2}", "S = √(1 − (1 − C²)·m²)"),
    "orifice_din_zeta": (r"\zeta = \dfrac{1 - m^2}{C^2\,m^2}\ \dfrac{S - m\,C}{S + m\,C}",
                         "ζ = (1 − m²)/(C²·m²) · (S − m·C)/(S + m·C)"),
    "orifice_sharp": (r"\zeta = \dfrac{\left(0.707\,(1 - m)^{0.375} + 1 - m\right)^2}{m^2}",
                      "ζ = (0.707·(1 − m)^0.375 + 1 − m)² / m²"),
    "orifice_tau": (r"\tau = \sqrt{0.5}\ \left(1 - \tanh\left(2.264\left(\dfrac{L}{D_2} - "
                    r"0.657\right)\right)\right)", "τ = √0.5 · (1 − tanh(2.264·(L/D2 − 0.657)))"),
    "orifice_bore_turbulent": (r"\lambda_b = \dfrac{0.22}{\mathrm{Re}_2^{\,0.2}}\quad "
                               r"(\mathrm{Re}_2 > 2300)", "λb = 0.22 / Re2^0.2 (Re2 > 2300)"),
    "orifice_bore_laminar": (r"\lambda_b = \dfrac{64}{\mathrm{Re}_2}\quad (\mathrm{Re}_2 \leq 2300)",
                             "λb = 64 / Re2 (Re2 ≤ 2300)"),
    "orifice_thick": (r"\zeta = \dfrac{(1 - m)^2 + \left(0.5 + \tau\,\sqrt{1 - m}\right)(1 - m) + "
                      r"\lambda_b\,L/D_2}{m^2}",
                      "ζ = ((1 − m)² + (0.5 + τ·√(1 − m))·(1 − m) + λb·L/D2) / m²"),
    # Diverse
    "vertical": (r"\Delta p = g\ \rho\ H,\quad g = 9.81\ \mathrm{m/s^2}", "Δp = g·ρ·H, g = 9.81 m/s²"),
    "known_zeta": (r"\zeta = \zeta_{\mathrm{entered}}", "ζ = ζ entered"),
    "interpolate": (r"y = y_1 + (x - x_1)\ \dfrac{y_2 - y_1}{x_2 - x_1}",
                    "y = y1 + (x − x1)·(y2 − y1)/(x2 − x1)"),
}


def img(name, prefix):
    tex, alt = FORMULAS[name]
    return f'<img src="{prefix}formulas/{name}.png" alt="{html.escape(alt)}">'


def expand(text, prefix):
    """Replaces every [[formula]] by its image."""
    return re.sub(r"\[\[([a-z0-9_]+)\]\]", lambda m: img(m.group(1), prefix), text)


def display(*names):
    """A paragraph of formulas set apart from the text."""
    return "".join(f'<p class="formula">[[{n}]]</p>' for n in names)


def table(head, rows, label_x, label_y):
    """A correlation table with the argument in the first row and the
    value(s) below."""
    out = ['<table class="data">', "<tr><th>" + label_x + "</th>"]
    out.append("".join(f"<td>{v}</td>" for v in head) + "</tr>")
    if isinstance(label_y, str):
        label_y, rows = [label_y], [rows]
    for label, row in zip(label_y, rows):
        out.append("<tr><th>" + label + "</th>" + "".join(f"<td>{v}</td>" for v in row) + "</tr>")
    out.append("</table>")
    return "\n".join(out)


# ---------------------------------------------------------------------------
# Published sources: key -> (what it is used for, the reference).
SOURCES = {
    "colebrook": (
        "Turbulent friction factor (Colebrook-White equation)",
        "C. F. Colebrook: Turbulent flow in pipes, with particular reference to the transition "
        "region between the smooth and rough pipe laws. Journal of the Institution of Civil "
        "Engineers 11 (1939), pp. 133-156."),
    "hagen_poiseuille": (
        "Laminar friction factor of the circular pipe, &lambda; = 64/Re",
        "Hagen-Poiseuille law of laminar pipe flow (G. Hagen 1839, J. L. M. Poiseuille 1840), "
        "derived in every textbook of fluid mechanics."),
    "laminar_shapes": (
        "Laminar shape factors of the rectangular duct and the circular ring",
        "Tabulated values of the program. They agree to within about 2 % with the exact "
        "solutions for fully developed laminar flow in rectangular ducts and concentric annuli "
        "(parallel plates &lambda;&middot;Re = 96, that is f = 1.5; square duct "
        "&lambda;&middot;Re &asymp; 57), as compiled by R. K. Shah and A. L. London: Laminar "
        "Flow Forced Convection in Ducts, Academic Press 1978."),
    "borda_carnot": (
        "Sudden enlargement",
        "Borda-Carnot loss of a sudden enlargement, from the momentum balance; in every textbook "
        "of hydraulics and in I. E. Idelchik's Handbook of Hydraulic Resistance."),
    "idelchik": (
        "Sudden contraction, conical contraction (local part and friction part), sharp-edged "
        "orifice in a straight pipe, angle function of the miter bend",
        "I. E. Idelchik: Handbook of Hydraulic Resistance (3rd edition, Begell House 1994; "
        "earlier Russian, German and English editions)."),
    "stolz": (
        "Orifice DIN 1952: discharge coefficient and remaining pressure loss",
        "Discharge coefficient of orifice plates after J. Stolz (the Stolz equation of "
        "ISO 5167-1:1991 and DIN 1952, without the tapping terms) and the remaining pressure "
        "loss of an orifice plate given in the same standards."),
    "butterfly": (
        "Swing valve (throttle flap) by its angle",
        "Tabulated values of the program. From 10&deg; to 60&deg; they are the classic loss "
        "coefficients of a throttle (butterfly) valve reproduced in the hydraulics handbooks "
        "(0.52, 1.54, 10.8 and 118 at 10&deg;, 20&deg;, 40&deg; and 60&deg;)."),
    "gas": (
        "Gas correction",
        "Steady isothermal flow of an ideal gas with the density taken at the mean temperature: "
        "integrating the pressure loss along the element gives p&#8321;&sup2; &minus; "
        "p&#8322;&sup2; = 2&middot;p&#8321;&middot;&Delta;p&middot;T<sub>m</sub>/T&#8321;; "
        "textbook derivation, see the <a href=\"gas_correction.html\">gas correction</a>."),
    "program_tables": (
        "Constant coefficients and one-dimensional tables",
        "Tabulated values of the program's resistance-coefficient tables; their published origin "
        "is not recorded in the program."),
    "program_correlation": (
        "Closed correlations without a recorded origin",
        "Correlations of the program; their published origin is not recorded in the program. "
        "Where a page names the form of a handbook correlation, only the form is meant."),
}


# ---------------------------------------------------------------------------
# Element kinds. Input rows: (label as in the element form, unit kind,
# default text, meaning). Unit kinds as in the element form.
UNITS = {"MM": ("mm", "in."), "M": ("m", "ft."), "AREA": ("m²", "sq.yd."),
         "DEG": ("degree", "degree"), "PCS": ("pieces", "pieces"), "NONE": ("", "")}
GROUPS = ["Straight pipes", "Pipe entrance", "Changes of section", "Bends",
          "Brandings of current", "Bellows", "Valves", "Check valves",
          "Nozzles and orifices", "Diverse"]
# The friction kinds ask for the roughness k and report the friction factor.
FRICTION_KINDS = {(1, 1), (1, 2), (1, 3), (1, 4), (1, 5), (3, 2), (3, 4), (4, 5), (4, 6)}

D_PIPE = ("Diameter of pipe D:", "MM", "100", "inside diameter of the pipe")
NO_LAMINAR = ("The element is calculated only in turbulent flow (Re &ge; 2320). In laminar flow "
              "the program refuses it with the message &quot;The specified data result a laminar "
              "flow. A calculation is for this element only possible in the turbulent "
              "range!&quot;")
def zeta_w(where="the pipe of diameter D"):
    return display("pressure_drop_zeta") + f"<p>with the velocity w in {where} (ζ refers to this velocity).</p>"


ZETA_W = zeta_w()


def constant_table(pairs):
    return table([p[0] for p in pairs], [p[1] for p in pairs], "", "ζ")


KINDS = []


def kind(group, variant, name, what, inputs, calc, limits, sources, option=None,
         laminar=NO_LAMINAR, section="circular", keywords=""):
    KINDS.append(dict(group=group, variant=variant, name=name, what=what, inputs=inputs,
                      calc=calc, limits=limits, sources=sources, option=option,
                      laminar=laminar, section=section, keywords=keywords))


RECT_TABLE = table(["0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"],
                   ["1.5", "1.34", "1.2", "1.1", "1.02", "0.97", "0.94", "0.92", "0.9", "0.89",
                    "0.88"], "s", "f")
RING_TABLE = table(["1", "5", "10", "20", "50", "100"],
                   ["1.5", "1.45", "1.4", "1.35", "1.28", "1.25"], "r = D/D<sub>i</sub>", "f")
TURBULENT_PIPE = (
    "<p><b>Turbulent flow</b> (Re &ge; 2320): the program first asks for the absolute roughness "
    "k of the wall (roughness dialog), then solves the Colebrook-White equation for the "
    "friction factor (see <a href=\"../friction_factor.html\">Friction factor</a>):</p>"
    + display("colebrook", "zeta_pipe", "pressure_drop_pipe"))

# Group 1: straight pipes
SHAPE_AND_COLEBROOK = [("laminar_shapes", "Laminar shape factor f"),
                       ("colebrook", "Turbulent friction factor")]
kind(1, 1, "circular", "A straight pipe of circular cross section.",
     [D_PIPE, ("Length of pipe L:", "M", "1.0", "length of the pipe")],
     "<p>Velocity and Reynolds number in the pipe:</p>"
     + display("velocity_circular", "reynolds")
     + "<p>with d = D.</p><p><b>Laminar flow</b> (Re &lt; 2320), Hagen-Poiseuille:</p>"
     + display("hagen_poiseuille", "zeta_pipe", "pressure_drop_pipe") + TURBULENT_PIPE,
     ["D and L must be greater than zero."],
     [("hagen_poiseuille", "Laminar friction factor"), ("colebrook", "Turbulent friction factor")],
     laminar="Laminar flow is calculated with &lambda; = 64/Re.",
     keywords="straight pipe, round pipe, friction loss, Darcy-Weisbach")
kind(1, 2, "rectangular", "A straight duct of rectangular cross section B &times; H.",
     [("Width of pipe B:", "MM", "100", "inside width"),
      ("Height of pipe H:", "MM", "100", "inside height"),
      ("Length of pipe L:", "M", "1.0", "length of the duct")],
     "<p>Velocity, hydraulic diameter and Reynolds number:</p>"
     + display("velocity_rectangular", "hydraulic_rectangular", "reynolds")
     + "<p>with d = d<sub>h</sub>.</p><p><b>Laminar flow</b> (Re &lt; 2320): the friction "
       "factor of the circular pipe times a shape factor f of the side ratio s, read from the "
       "table by linear interpolation:</p>"
     + display("side_ratio", "laminar_shape", "pressure_drop_pipe") + RECT_TABLE
     + "<p>In laminar flow no resistance coefficient is reported (the table cell stays "
       "empty); the pressure drop is.</p>" + TURBULENT_PIPE,
     ["B, H and L must be greater than zero."],
     SHAPE_AND_COLEBROOK, section="rectangular",
     laminar="Laminar flow is calculated with the shape factor of the rectangle.",
     keywords="straight duct, rectangular duct, hydraulic diameter")
kind(1, 3, "Circular ring", "The annular gap between two concentric pipes (outer diameter D, "
     "inner diameter D<sub>i</sub>).",
     [D_PIPE, ("Internal diameter of pipe Di:", "MM", "50", "outside diameter of the inner pipe"),
      ("Lenght of pipe L:", "M", "1.0", "length of the annulus")],
     "<p>Velocity, hydraulic diameter and Reynolds number:</p>"
     + display("velocity_ring", "hydraulic_ring", "reynolds")
     + "<p>with d = d<sub>h</sub>.</p><p><b>Laminar flow</b> (Re &lt; 2320): the friction "
       "factor of the circular pipe times a shape factor f of the diameter ratio r, read from "
       "the table by linear interpolation (r &ge; 100 gives 1.25):</p>"
     + display("ring_ratio", "laminar_shape", "pressure_drop_pipe") + RING_TABLE
     + "<p>In laminar flow no resistance coefficient is reported; the pressure drop is.</p>"
     + TURBULENT_PIPE,
     ["D, D<sub>i</sub> and L must be greater than zero.",
      "D must be greater than D<sub>i</sub>.",
      "D/D<sub>i</sub> at most 100."],
     SHAPE_AND_COLEBROOK, section="ring",
     laminar="Laminar flow is calculated with the shape factor of the annulus.",
     keywords="annulus, annular gap, concentric pipes, hydraulic diameter")
kind(1, 4, "Channel", "A straight channel of width B filled to the height H. It is calculated "
     "as a closed rectangular section B &times; H, that is with the free surface counted as "
     "wetted wall; for a wide open channel this overestimates the friction somewhat.",
     [("Width of channel B:", "MM", "1000", "width of the channel"),
      ("Height of fluid H:", "MM", "1000", "depth of the fluid"),
      ("Lenght of channel L:", "M", "1.0", "length of the channel")],
     "<p>Velocity, hydraulic diameter and Reynolds number as for the rectangular duct:</p>"
     + display("velocity_rectangular", "hydraulic_rectangular", "reynolds")
     + "<p><b>Laminar flow</b> (Re &lt; 2320): shape factor of the rectangle by the side "
       "ratio s (table on the page of the <a href=\"rectangular.html\">rectangular duct</a>):</p>"
     + display("side_ratio", "laminar_shape", "pressure_drop_pipe")
     + "<p>In laminar flow no resistance coefficient is reported.</p>" + TURBULENT_PIPE,
     ["B, H and L must be greater than zero."],
     SHAPE_AND_COLEBROOK, section="rectangular",
     laminar="Laminar flow is calculated with the shape factor of the rectangle.",
     keywords="open channel, flume, hydraulic diameter")
kind(1, 5, "Other form", "A straight conduit of any cross section, given by its area A and its "
     "wetted circumference U.",
     [("Cross section A:", "AREA", "0.01", "area of the flow cross section"),
      ("Wetted circumference:", "M", "0.4", "length of the wetted wall around the section"),
      ("Length of pipe L:", "M", "1.0", "length of the conduit")],
     "<p>Velocity, hydraulic diameter and Reynolds number:</p>"
     + display("velocity_other", "hydraulic_other", "reynolds")
     + "<p>with d = d<sub>h</sub>.</p>" + TURBULENT_PIPE,
     ["A, U and L must be greater than zero."],
     ["colebrook"], section="other",
     laminar="There is no laminar rule for a section of unknown shape: in laminar flow "
             "(Re &lt; 2320) the element is refused with the laminar message.",
     keywords="non-circular duct, hydraulic diameter, wetted perimeter")

# Group 2: pipe entrances
ENTRANCE_ITEMS = ("The pipe entrance is: ", "sharpe-edged", "crushed")
kind(2, 1, "Sharpe edged entrance", "The entrance from a large vessel into a pipe that ends "
     "flush with the wall, with a sharp or a broken (&quot;crushed&quot;) edge.",
     [D_PIPE],
     "<p>The resistance coefficient is a constant of the edge:</p>"
     + constant_table([("sharpe-edged", "0.5"), ("crushed", "0.25")]) + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     option=ENTRANCE_ITEMS + ("ζ = 0.5 for a sharp edge, 0.25 for a broken edge.",),
     keywords="inlet, vessel outlet, tank outlet, entrance loss")
kind(2, 2, "Rounded entrance", "The entrance from a large vessel into a pipe through a well "
     "rounded inlet.",
     [D_PIPE],
     "<p>The resistance coefficient is the constant ζ = 0.05.</p>" + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     keywords="inlet, bell mouth, entrance loss")
kind(2, 3, "Sharpe edged entrance with angle", "The entrance from a large vessel into a pipe "
     "whose sharp-edged end meets the wall at the angle w (90&deg; is a pipe perpendicular "
     "to the wall).",
     [D_PIPE, ("Angle w:", "DEG", "45", "angle between the pipe axis and the wall")],
     display("entrance_angle")
     + "<p>so ζ = 0.5 at w = 90&deg; and 1.0 at w = 0&deg;.</p>" + ZETA_W,
     ["D must be greater than zero.", "The angle must be greater than 0 and smaller than 90&deg;."],
     ["program_correlation"],
     keywords="inlet, inclined entrance, entrance loss")
kind(2, 4, "Inward projecting pipe entrance", "The entrance from a large vessel into a pipe "
     "that projects into the vessel (re-entrant inlet), with a sharp or a broken edge.",
     [D_PIPE],
     "<p>The resistance coefficient is a constant of the edge:</p>"
     + constant_table([("sharpe-edged", "3.0"), ("crushed", "1.0")]) + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     option=ENTRANCE_ITEMS + ("ζ = 3.0 for a sharp edge, 1.0 for a broken edge.",),
     keywords="inlet, re-entrant inlet, Borda mouthpiece, entrance loss")

# Group 3: changes of section
SECTION_LAMINAR = ("Both sections must be turbulent. With Re<sub>1</sub> &lt; 2320 the element "
                   "is refused with the laminar message; with Re<sub>1</sub> &ge; 2320 but "
                   "Re<sub>2</sub> &lt; 2320 the laminar message is shown too and the element "
                   "is not added to the table.")
TWO_SECTIONS = ("<p>Velocities and Reynolds numbers in both sections (full rate of flow):</p>"
                + display("velocity_circular", "velocity2_circular", "reynolds", "reynolds2")
                + "<p>with D = D<sub>1</sub> in the first section.</p>")
STATIC_NOTE = ("<p>The pressure drop is the difference of the static pressures before and "
               "after the element, so the change of kinetic energy is included. For an "
               "enlargement that term is negative (pressure recovery), and the pressure drop "
               "may come out negative; it is reported as computed.</p>")
kind(3, 1, "Sudden enlargement", "An abrupt widening of a circular pipe from D<sub>1</sub> "
     "to D<sub>2</sub> in the direction of flow.",
     [("Diameter of pipe D1:", "MM", "50", "upstream diameter"),
      ("Diameter of pipe D2:", "MM", "100", "downstream diameter")],
     TWO_SECTIONS + "<p>Borda-Carnot loss, referred to the downstream velocity w<sub>2</sub>:</p>"
     + display("sudden_enlargement", "static_drop_w2") + STATIC_NOTE,
     ["D1 and D2 must be greater than zero.", "D1 must be smaller than D2."],
     ["borda_carnot"], laminar=SECTION_LAMINAR, section="two",
     keywords="expansion, widening, Borda-Carnot, change of section")
kind(3, 2, "Gradual enlargement", "A conical diffuser from D<sub>1</sub> to D<sub>2</sub> with "
     "the half cone angle w (the total angle is 2w).",
     [("Diameter of pipe D1:", "MM", "50", "upstream diameter"),
      ("Diameter of pipe D2:", "MM", "100", "downstream diameter"),
      ("Angle w:", "DEG", "10", "half angle of the cone")],
     TWO_SECTIONS + "<p>The roughness k is asked for and the friction factor of the inlet "
     "section is computed from the Colebrook-White equation, &lambda; = colebrook(k, "
     "Re<sub>1</sub>, D<sub>1</sub>). The coefficient, referred to w<sub>1</sub>, is an "
     "expansion part plus a friction part along the cone:</p>"
     + display("area_ratio_enlargement", "diffuser_phi", "diffuser_length", "diffuser_friction",
               "diffuser_zeta", "static_drop_w1") + STATIC_NOTE,
     ["D1 and D2 must be greater than zero.", "D1 must be smaller than D2.",
      "The half angle w must be greater than 0 and smaller than 90&deg;."],
     [("program_correlation", "Expansion factor &phi; and friction part"),
      ("colebrook", "Friction factor &lambda;")], laminar=SECTION_LAMINAR, section="two",
     keywords="diffuser, cone, conical expansion, change of section")
kind(3, 3, "Sudden contraction", "An abrupt narrowing of a circular pipe from D<sub>1</sub> to "
     "D<sub>2</sub> in the direction of flow.",
     [("Diameter of pipe D1:", "MM", "100", "upstream diameter"),
      ("Diameter of pipe D2:", "MM", "50", "downstream diameter")],
     TWO_SECTIONS + "<p>Coefficient referred to the downstream velocity w<sub>2</sub>:</p>"
     + display("sudden_contraction", "static_drop_w2")
     + "<p>The pressure drop includes the acceleration of the flow from w<sub>1</sub> to "
       "w<sub>2</sub>.</p>",
     ["D1 and D2 must be greater than zero.", "D1 must be greater than D2."],
     [("idelchik", "Coefficient of the sudden contraction")], laminar=SECTION_LAMINAR,
     section="two", keywords="reduction, narrowing, change of section")
kind(3, 4, "Gradual contraction", "A conical confuser from D<sub>1</sub> to D<sub>2</sub> with "
     "the half cone angle w.",
     [("Diameter of pipe D1:", "MM", "100", "upstream diameter"),
      ("Diameter of pipe D2:", "MM", "50", "downstream diameter"),
      ("Angle w:", "DEG", "10", "half angle of the cone")],
     TWO_SECTIONS + "<p>The roughness k is asked for and &lambda; = colebrook(k, "
     "Re<sub>1</sub>, D<sub>1</sub>) is computed. The coefficient, referred to w<sub>2</sub>, "
     "is a local part plus a friction part:</p>"
     + display("area_ratio_contraction", "confuser_alpha", "confuser_local", "confuser_friction",
               "confuser_zeta", "static_drop_w2")
     + "<p>α is the total cone angle in radians (with the factor 0.01745).</p>",
     ["D1 and D2 must be greater than zero.", "D1 must be greater than D2.",
      "The half angle w must be greater than 0 and smaller than 90&deg;."],
     [("idelchik", "Local part and friction part of the conical contraction"),
      ("colebrook", "Friction factor &lambda;")], laminar=SECTION_LAMINAR, section="two",
     keywords="confuser, cone, reducer, conical contraction, change of section")

# Group 4: bends
ANGLE_TABLE = table(["0", "30", "60", "90", "120", "150", "180"],
                    ["0", "0.4", "0.7", "1.0", "1.25", "1.5", "1.7"], "w (&deg;)", "A")
RADIUS_TABLE = table(["1", "2", "4", "6", "10"],
                     [["0.21", "0.14", "0.11", "0.09", "0.11"], ["0.51", "0.3", "0.23", "0.18", "0.2"]],
                     "R/d", ["B smooth", "B rough"])
kind(4, 1, "Circular bend", "A smoothly curved bend of a circular pipe with the radius R of "
     "its centre line and the deflection angle w.",
     [("Diameter of pipe D:", "MM", "50", "inside diameter"),
      ("Radius R:", "MM", "100", "radius of the bend's centre line"),
      ("Angle w:", "DEG", "90", "angle of deflection")],
     "<p>The coefficient is an angle factor A times a radius factor B of the ratio R/D, each "
     "read from its table by linear interpolation; the radius factor depends on the wall:</p>"
     + display("bend_circular") + ANGLE_TABLE + "<p></p>" + RADIUS_TABLE + ZETA_W,
     ["D, R and w must be greater than zero.", "w at most 180&deg;.",
      "R/D from 1 to 10 (the table ends there)."],
     ["program_tables"],
     option=("The surface of pipe is: ", "smooth", "rough", "chooses the row of the radius factor B."),
     keywords="elbow, pipe bend, bend radius")
kind(4, 2, "Bend of segments", "A bend welded from straight segments (segmented bend), by its "
     "deflection angle.",
     [D_PIPE, ("Angle w:", "DEG", "90", "angle of deflection")],
     "<p>The coefficient depends on the angle only (linear interpolation):</p>"
     + table(["0", "30", "45", "60", "90"], ["0", "0.1", "0.15", "0.2", "0.25"], "w (&deg;)", "ζ")
     + ZETA_W,
     ["D and w must be greater than zero.", "w at most 90&deg;."], ["program_tables"],
     keywords="segmented bend, lobster back bend, elbow")
kind(4, 3, "Cast iron bend", "A standard cast iron bend, by its nominal diameter.",
     [("Diameter of pipe:", "MM", "100", "diameter of the bend")],
     "<p>The coefficient depends on the diameter only (linear interpolation; from 400 mm "
     "upwards 2.2):</p>"
     + table(["50", "100", "200", "300", "400"], ["1.3", "1.5", "1.8", "2.1", "2.2"], "D (mm)", "ζ")
     + ZETA_W,
     ["D from 50 mm to 500 mm."], ["program_tables"],
     keywords="cast iron fitting, elbow")
kind(4, 4, "Rectangular bend", "A smoothly curved bend of a rectangular duct B &times; H with "
     "the centre-line radius R and the deflection angle w. B is the width in the plane of "
     "the bend, H the height across it.",
     [("Width of pipe B:", "MM", "50", "width of the duct"),
      ("Height of pipe H:", "MM", "20", "height of the duct"),
      ("Radius R:", "MM", "100", "radius of the bend's centre line"),
      ("Angle w:", "NONE", "90", "angle of deflection in degrees")],
     "<p>Velocity and Reynolds number with the hydraulic diameter:</p>"
     + display("velocity_rectangular", "hydraulic_rectangular", "reynolds")
     + "<p>The coefficient of a circular bend (angle factor A and radius factor B, see the "
       "<a href=\"circular_bend.html\">circular bend</a>) is taken with the hydraulic "
       "diameter in place of D, then corrected for the side ratio:</p>"
     + display("bend_rectangular_base", "bend_rectangular_aspect", "bend_rectangular_flat",
               "bend_rectangular_tall") + zeta_w("the rectangular section B &times; H"),
     ["B, H, R and w must be greater than zero.", "w at most 180&deg;.",
      "R/d<sub>h</sub> from 1 to 10; outside the program asks to change R, B or H."],
     [("program_tables", "Angle factor A and radius factor B"),
      ("program_correlation", "Correction for the side ratio s")], section="rectangular",
     option=("The Surface of Pipe is:", "smooth", "rough",
             "chooses the row of the radius factor B. The choice is made in the "
             "&quot;Additional Data&quot; window that opens beside the main window for this kind."),
     keywords="rectangular elbow, duct bend, hydraulic diameter")
MITER = ("<p>The roughness k is asked for and the friction factor &lambda; = colebrook(k, Re, d) "
         "is computed and reported; it does not enter ζ. The coefficient is a closed formula in "
         "the deflection angle w (degrees) with a Reynolds-number term E and a roughness "
         "factor F:</p>"
         + display("miter_a", "miter_s", "miter_e", "miter_epsilon")
         + "<p>Roughness factor F:</p>"
         + '<table class="data"><tr><th></th><th>Re &le; 40 000</th><th>Re &gt; 40 000</th></tr>'
           "<tr><th>&epsilon; = 0</th><td>1</td><td>1</td></tr>"
           "<tr><th>0 &lt; &epsilon; &le; 0.001</th><td>1</td><td>[[miter_f]]</td></tr>"
           "<tr><th>&epsilon; &gt; 0.001</th><td>1</td><td>1.5</td></tr></table>"
         + display("miter_zeta"))
MITER_SOURCES = [("idelchik", "Angle function S"),
                 ("program_correlation", "Factor A, Reynolds-number term E, roughness factor F"),
                 ("colebrook", "Friction factor &lambda; (reported only)")]
kind(4, 5, "Miter bend, circular", "A sharp, unrounded change of direction of a circular pipe "
     "(a mitered elbow) by the angle w.",
     [D_PIPE, ("Angle w:", "DEG", "45", "angle of deflection")],
     "<p>Here d = D.</p>" + MITER + ZETA_W,
     ["D and w must be greater than zero.", "w at most 180&deg;."], MITER_SOURCES,
     keywords="mitre bend, miter elbow, sharp elbow")
kind(4, 6, "Miter bend, rectangular", "A sharp change of direction of a rectangular duct "
     "B &times; H by the angle w.",
     [("Width of pipe B:", "MM", "100", "width of the duct"),
      ("Height of pipe H:", "MM", "100", "height of the duct"),
      ("Angle w:", "DEG", "45", "angle of deflection")],
     "<p>Velocity, hydraulic diameter and Reynolds number:</p>"
     + display("velocity_rectangular", "hydraulic_rectangular", "reynolds")
     + "<p>with d = d<sub>h</sub>.</p>" + MITER + zeta_w("the rectangular section B &times; H"),
     ["B, H and w must be greater than zero.", "w at most 180&deg;."], MITER_SOURCES,
     section="rectangular",
     keywords="mitre bend, duct elbow, sharp elbow")

# Group 5: branchings of current
for variant, name, zeta, what in [
        (1, "Tee, sharp edged", "1.3", "A tee with sharp edges."),
        (2, "Tee, globular", "5.0", "A globular (spherical) tee."),
        (3, "Tee, rounded bottom plain", "0.7", "A tee with a rounded, plain bottom."),
        (4, "Tee, globular neck rounded", "0.9", "A globular tee with a rounded neck.")]:
    kind(5, variant, name, what + " The whole rate of flow is taken to pass the tee; for "
         "separate main and branch flows use the branch flowing asunder or together.",
         [D_PIPE],
         f"<p>The resistance coefficient is the constant ζ = {zeta}.</p>" + ZETA_W,
         ["D must be greater than zero."], ["program_tables"], keywords="tee, T-piece, fitting")
BRANCH_INPUTS = [("Diameter D1:", "MM", "100", "diameter of the main pipe"),
                 ("Diameter D2:", "MM", "50", "diameter of the branch"),
                 ("Radius R:", "MM", "0", "radius of the rounding where the branch joins (0: sharp)"),
                 ("Angle w in degree:", "NONE", "45", "angle between the branch and the main pipe")]
BRANCH_COMMON = (
    "<p>The rate of flow of the branch Q<sub>2</sub> is entered in the &quot;Additional "
    "Data&quot; window that opens for this kind; it must be smaller than Q. The velocity w "
    "and Re are those of the main pipe D<sub>1</sub> with the full rate of flow; the branch "
    "gets its own velocity and Reynolds number, which are reported but do not enter the "
    "coefficients:</p>" + display("velocity_circular", "velocity2_branch", "reynolds")
    + "<p>Common quantities:</p>" + display("branch_q"))
BRANCH_TAIL = (
    "<p>Both coefficients refer to the velocity w of the main pipe:</p>"
    + display("pressure_drop_zeta", "branch_second_drop")
    + "<p>Δp (main passage) is reported in bar and mbar and goes into the total of the "
      "calculation table; Δp<sub>2</sub> (branch) is reported in mbar in its own row. The gas "
      "correction and the quantity act on Δp only. Coefficients may come out negative (the "
      "one stream gains pressure from the other); they are used as computed.</p>")
kind(5, 5, "Branch flowing asunder", "A junction where the flow divides: the main stream "
     "continues, the part Q<sub>2</sub> leaves through the branch D<sub>2</sub> at the angle w.",
     BRANCH_INPUTS,
     BRANCH_COMMON + "<p>Main passage:</p>" + display("asunder_main")
     + "<p>Branch:</p>" + display("asunder_t", "asunder_xyzw", "asunder_branch") + BRANCH_TAIL,
     ["D1 and D2 must be greater than zero; R may be zero but not negative.",
      "w greater than 0 and smaller than 180&deg;.",
      "The branch rate of flow Q<sub>2</sub> must be smaller than Q."],
     ["program_correlation"], section="branch",
     keywords="branch, diverging flow, dividing flow, junction, tee")
kind(5, 6, "Branch flowing together", "A junction where the flows combine: the part "
     "Q<sub>2</sub> enters through the branch D<sub>2</sub> at the angle w and joins the main "
     "stream.",
     BRANCH_INPUTS,
     BRANCH_COMMON + display("together_u") + "<p>Main passage:</p>" + display("together_main")
     + "<p>Branch:</p>" + display("together_branch") + BRANCH_TAIL,
     ["D1 and D2 must be greater than zero; R may be zero but not negative.",
      "w greater than 0 and smaller than 180&deg;.",
      "The branch rate of flow Q<sub>2</sub> must be smaller than Q."],
     ["program_correlation"], section="branch",
     keywords="branch, converging flow, combining flow, junction, tee")
kind(5, 7, "Y-pipe straight", "A straight Y-piece whose branch leaves at the angle w.",
     [D_PIPE, ("Angle w:", "DEG", "45", "angle of the branch")],
     "<p>The coefficient depends on the angle (linear interpolation):</p>"
     + table(["0", "10", "30", "45", "60", "90"], ["0", "0.1", "0.3", "0.7", "1.0", "1.4"],
             "w (&deg;)", "ζ") + ZETA_W,
     ["D and w must be greater than zero.", "w at most 90&deg;."], ["program_tables"],
     keywords="Y-piece, wye, lateral")
kind(5, 8, "Y-pipe bent", "A Y-piece with curved legs of the radius R.",
     [D_PIPE, ("Radius R:", "MM", "100", "radius of the curved legs")],
     "<p>The coefficient depends on R/D (linear interpolation):</p>"
     + table(["0.5", "0.75", "1.0", "1.5", "2.0"], ["1.1", "0.6", "0.4", "0.25", "0.2"], "R/D", "ζ")
     + ZETA_W,
     ["D and R must be greater than zero.", "R/D from 0.5 to 2.0."], ["program_tables"],
     keywords="Y-piece, wye, breeches piece")

# Group 6: bellows
kind(6, 1, "Compensator corrugated tube", "An axial expansion joint of corrugated tube, by "
     "the number of its ridges n<sub>r</sub>.",
     [D_PIPE, ("Quantity of ridges:", "PCS", "3", "number of corrugations")],
     "<p>Each ridge adds 0.2:</p>" + display("compensator") + ZETA_W,
     ["D and the number of ridges must be greater than zero."], ["program_tables"],
     keywords="bellows, expansion joint, compensator")
kind(6, 2, "Lyra-bend", "A lyre-shaped expansion bend of smooth or corrugated pipe.",
     [D_PIPE],
     "<p>The resistance coefficient is a constant of the pipe:</p>"
     + constant_table([("smooth", "0.7"), ("corrugated", "1.4")]) + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     option=("Kind of bend: ", "smooth", "corrugated", "ζ = 0.7 smooth, 1.4 corrugated."),
     keywords="lyre bend, expansion loop, compensator")
kind(6, 3, "U-bend", "A U-shaped expansion bend with straight legs of the length L.",
     [D_PIPE, ("Length of pipe L:", "MM", "200", "length of the straight part")],
     display("u_bend") + "<p>(linear from 0.33 at L/D = 0 to 0.21 at L/D = 2).</p>" + ZETA_W,
     ["D must be greater than zero.", "L/D at most 10 (from L/D = 2 on, ζ no longer changes)."],
     ["program_tables"],
     keywords="U-bend, expansion loop, return bend")

# Group 7: valves
kind(7, 1, "Globe valve", "A straight-through globe valve, fully open.",
     [D_PIPE],
     "<p>The resistance coefficient is a constant of the body:</p>"
     + constant_table([("forged", "6.5"), ("cast", "4.0")]) + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     option=("The valve is: ", "forged", "cast", "ζ = 6.5 forged, 4.0 cast."),
     keywords="globe valve, stop valve")
kind(7, 2, "Globe valve Y-pattern", "A globe valve of Y-pattern (oblique seat), fully open.",
     [D_PIPE], "<p>The resistance coefficient is the constant ζ = 2.0.</p>" + ZETA_W,
     ["D must be greater than zero."], ["program_tables"], keywords="Y-valve, oblique valve")
kind(7, 3, "Angle valve", "An angle valve, fully open.",
     [D_PIPE], "<p>The resistance coefficient is the constant ζ = 3.0.</p>" + ZETA_W,
     ["D must be greater than zero."], ["program_tables"], keywords="angle valve, stop valve")
kind(7, 4, "Gate valve", "A gate valve opened to the height H.",
     [D_PIPE, ("Height H:", "MM", "50", "height of the opening")],
     "<p>The coefficient depends on the relative opening H/D (linear interpolation; "
     "H/D = 1 is fully open):</p>"
     + table(["0.125", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"],
             ["97.8", "35", "10", "4.6", "2.06", "0.98", "0.44", "0.17", "0.06", "0"], "H/D", "ζ")
     + ZETA_W,
     ["D and H must be greater than zero.", "H/D from 0.125 to 1.0."], ["program_tables"],
     keywords="gate valve, sluice valve, partly open")
kind(7, 5, "Cock", "A plug cock turned by the angle of closing w (0&deg; is open).",
     [D_PIPE, ("Angle w:", "DEG", "30", "angle of closing")],
     "<p>The coefficient depends on the angle (linear interpolation):</p>"
     + table(["0", "10", "20", "30", "40", "50"], ["0", "0.31", "1.84", "6.15", "20.7", "95.3"],
             "w (&deg;)", "ζ") + ZETA_W,
     ["D must be greater than zero.", "w from 0 to 50&deg;."], ["program_tables"],
     keywords="plug cock, plug valve, partly closed")
kind(7, 6, "Swing valve", "A throttle flap (butterfly) turned by the angle w (0&deg; is open).",
     [D_PIPE, ("Angle w:", "DEG", "30", "angle of closing")],
     "<p>The coefficient depends on the angle (linear interpolation):</p>"
     + table(["0", "10", "20", "30", "40", "50", "60", "70"],
             ["0", "0.52", "1.54", "3.91", "10.8", "32.6", "118", "251"], "w (&deg;)", "ζ")
     + ZETA_W,
     ["D must be greater than zero.", "w from 0 to 70&deg;."], ["butterfly"],
     keywords="butterfly valve, throttle valve, damper")

# Group 8: check valves
kind(8, 1, "Check valve globe lift", "A lift check valve of globe pattern, fully open.",
     [D_PIPE], "<p>The resistance coefficient is the constant ζ = 5.5.</p>" + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     keywords="non-return valve, lift check valve")
kind(8, 2, "Check valve, Y-pattern globe lift", "A lift check valve of Y-pattern, fully open.",
     [D_PIPE], "<p>The resistance coefficient is the constant ζ = 2.5.</p>" + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     keywords="non-return valve, lift check valve, Y-pattern")
kind(8, 3, "Check valve swing", "A swing check valve, fully open, by its diameter.",
     [D_PIPE],
     "<p>The coefficient depends on the diameter: below 25 mm 2.2, from 200 mm upwards 1.0, "
     "in between linear on the points</p>"
     + table(["25", "50", "100", "150", "200"], ["2.2", "2.0", "1.5", "1.3", "1.2"], "D (mm)", "ζ")
     + "<p>(the value 1.2 is only approached from below 200 mm; at 200 mm and above the "
       "program takes 1.0).</p>" + ZETA_W,
     ["D must be greater than zero."], ["program_tables"],
     keywords="non-return valve, swing check valve, flap")

# Group 9: nozzles and orifices
ORIFICE_INPUTS = [("Diameter of pipe D1:", "MM", "100", "diameter of the pipe"),
                  ("Diameter of pipe D2:", "MM", "50", "diameter of the bore or throat")]
ORIFICE_FLOW = ("<p>Velocity and Reynolds number in the pipe D<sub>1</sub>; in the bore "
                "D<sub>2</sub> the velocity w<sub>2</sub> and Re<sub>2</sub>:</p>"
                + display("velocity_circular", "reynolds", "velocity2_circular", "reynolds_bore")
                + display("area_ratio_orifice"))
ZETA_W1 = display("pressure_drop_zeta") + (
    "<p>with the velocity w in the pipe D<sub>1</sub>. The coefficient stands for the "
    "remaining (permanent) pressure loss of the element, not for the differential pressure "
    "measured across it.</p>")
kind(9, 1, "Orifice DIN 1952", "A standard orifice plate in a pipe.",
     ORIFICE_INPUTS,
     ORIFICE_FLOW + "<p>Discharge coefficient C after Stolz with the Reynolds number of the "
     "pipe, then the remaining pressure loss as a resistance coefficient:</p>"
     + display("stolz", "orifice_s", "orifice_din_zeta") + ZETA_W1,
     ["D2 must be smaller than D1.", "D1 from 50 mm to 1000 mm; m = (D2/D1)&sup2; from 0.05 to "
      "0.64 (outside the program refuses the element).",
      "The correlation holds for 5000 &le; Re &le; 10<sup>7</sup>; outside, the program says "
      "&quot;An exact calculation is only possible in the range 5000=&lt; Re =&lt;10^7!&quot; "
      "and calculates anyway."],
     [("stolz", "Discharge coefficient C and remaining pressure loss")],
     keywords="orifice plate, flow meter, measuring orifice, ISO 5167")
kind(9, 2, "Orifice sharp-edged", "A thin sharp-edged orifice (restriction plate) in a "
     "straight pipe.",
     ORIFICE_INPUTS,
     ORIFICE_FLOW + display("orifice_sharp") + ZETA_W1,
     ["D2 must be smaller than D1.",
      "The correlation holds for Re &gt; 10<sup>5</sup>; below, the program says &quot;An "
      "exact calculation is only possible at Re &gt; 10^5!&quot; and calculates anyway."],
     [("idelchik", "Coefficient of the sharp-edged orifice in a straight pipe")],
     keywords="restriction orifice, thin orifice")
kind(9, 3, "Orifice thick-edged", "An orifice whose bore has the length L (a thick plate or a "
     "short restriction).",
     ORIFICE_INPUTS + [("Length L:", "MM", "10", "length of the bore")],
     ORIFICE_FLOW + "<p>τ describes how the jet contraction eases as the bore lengthens; "
     "λ<sub>b</sub> is the friction factor of the bore:</p>"
     + display("orifice_tau", "orifice_bore_turbulent", "orifice_bore_laminar", "orifice_thick")
     + ZETA_W1,
     ["D2 must be smaller than D1; L greater than zero.",
      "The correlation holds for Re<sub>2</sub> &ge; 4000 in the bore; below, the program says "
      "&quot;An exact calculation is only possible atRe &gt;4000 !&quot; and calculates anyway."],
     ["program_correlation"], keywords="thick orifice, restriction, long orifice")
kind(9, 4, "Nozzle", "A flow nozzle in a pipe.",
     ORIFICE_INPUTS,
     ORIFICE_FLOW + "<p>The coefficient depends on the area ratio m (linear interpolation):</p>"
     + table(["0.1", "0.2", "0.3", "0.4", "0.5", "0.7"], ["80", "18", "5", "2", "1", "0.2"], "m", "ζ")
     + ZETA_W1,
     ["m = (D2/D1)&sup2; from 0.1 to 0.7."], ["program_tables"], keywords="flow nozzle")
kind(9, 5, "Venturi tube", "A Venturi tube with the outlet cone of 15&deg; or 30&deg;.",
     ORIFICE_INPUTS,
     ORIFICE_FLOW + "<p>The coefficient depends on the area ratio m and on the outlet cone "
     "(linear interpolation):</p>"
     + table(["0.1", "0.2", "0.3", "0.4", "0.5", "0.6"],
             [["13", "3", "1", "0.5", "0.27", "0.15"], ["22", "5", "1.8", "0.8", "0.4", "0.2"]],
             "m", ["ζ, 15 degree", "ζ, 30 degree"]) + ZETA_W1,
     ["m = (D2/D1)&sup2; from 0.1 to 0.6."], ["program_tables"],
     option=("Angle of opening: ", "15 degree", "30 degree", "chooses the row of the table."),
     keywords="Venturi meter, Venturi nozzle")

# Group 10: diverse
kind(10, 1, "Vertical difference", "A rise (or, with a negative H, a fall) of the line by the "
     "height H: the weight of the column of medium, independent of the rate of flow.",
     [("Vertical difference H:", "M", "10", "height of the outlet above the inlet")],
     display("vertical")
     + "<p>No velocity, Reynolds number or regime is computed or shown; ζ is not reported. "
       "A negative H gives a negative pressure drop (a gain of pressure). For a gas the gas "
       "correction applies to this Δp as to any element.</p>",
     ["No checks: H may be zero or negative."], [], section="none",
     laminar="Not applicable: the vertical difference does not depend on the flow.",
     keywords="height difference, static head, elevation, hydrostatic pressure")
kind(10, 2, "Resistance coefficient", "Any fitting whose resistance coefficient is known, for "
     "example from a maker's data sheet or from the resistance-coefficient database.",
     [("Diameter of element D:", "MM", "100", "diameter to which ζ refers"),
      ("Resistance coefficient:", "NONE", "2", "the known coefficient ζ")],
     display("known_zeta") + ZETA_W,
     ["No checks: ζ is used as entered."], [],
     keywords="known resistance coefficient, K value, zeta value, fitting")


# ---------------------------------------------------------------------------
# Worked examples, computed by the batch tool (scripts/help/compute_examples.py)
# with the element form's default inputs. Water at 20 °C; air at 20 °C and
# 6 bar absolute (density from the ideal gas law, viscosity 18.2e-6 kg/(m s)).
EXAMPLE_MEDIUM = {"name": "water 20 °C", "flow": "50", "density": "998.2", "viscosity": "1002",
                  "branchFlow": "15", "roughness": "0.1"}
EXAMPLE_GAS = {"name": "air 20 °C", "flow": "700", "density": "7.13", "viscosity": "18.2",
               "fields": ["100", "200"],
               "gas": {"pressure": "6", "pressureUnit": "bar", "inletTemperature": "20",
                       "inletTemperatureUnit": "°C", "outletTemperature": "20",
                       "outletTemperatureUnit": "°C"}}
EXAMPLES_FILE = os.path.join(HERE, "examples.json")


def load_examples():
    if not os.path.exists(EXAMPLES_FILE):
        return None
    with open(EXAMPLES_FILE, encoding="utf-8") as f:
        return json.load(f)


def message_list(messages):
    if not messages:
        return ""
    items = "".join("<li>" + html.escape(m["text"]).replace("\r", "<br>") + "</li>"
                    for m in messages)
    return f"<p>The program says:</p><ul>{items}</ul>"


def result_rows(examples, example, first_row):
    """The table rows from first_row on that the column fills."""
    rows = []
    for heading, text in list(zip(examples["headings"], example["column"]))[first_row:]:
        if text.strip() and heading:
            rows.append(f"<tr><td>{html.escape(heading)}</td><td>{html.escape(text.strip())}</td></tr>")
    return '<table class="data">' + "".join(rows) + "</table>"


def example_section(k, examples):
    if not examples:
        return ""
    example = examples["kinds"].get(f'{k["group"]},{k["variant"]}')
    if not example:
        return ""
    m = EXAMPLE_MEDIUM
    inputs = ", ".join(f"{label.rstrip(': ')} = {default} {UNITS[unit][0]}".rstrip()
                       for label, unit, default, _ in k["inputs"])
    out = ["<h2>Example</h2>",
           f"<p>{html.escape(m['name'][:1].upper() + m['name'][1:])} (&rho; = {m['density']} kg/m&sup3;, "
           f"&eta; = {m['viscosity']}&middot;10<sup>&minus;6</sup> kg/(m&middot;s)), rate of flow "
           f"Q = {m['flow']} m&sup3;/h"]
    if (k["group"], k["variant"]) in ((5, 5), (5, 6)):
        out.append(f", branch Q<sub>2</sub> = {m['branchFlow']} m&sup3;/h")
    if (k["group"], k["variant"]) in FRICTION_KINDS:
        out.append(f", roughness k = {m['roughness']} mm")
    out.append(f"; the form's default inputs: {inputs}")
    if k["option"]:
        out.append(f", &quot;{k['option'][1]}&quot;")
    out.append(".</p>")
    out.append(message_list(example["messages"]))
    if example["column"]:
        out.append("<p>The column of the calculation table (3 decimal places):</p>")
        out.append(result_rows(examples, example, 13))
    return "".join(out)


def gas_example(examples):
    if not examples or "gas" not in examples:
        return ""
    g = EXAMPLE_GAS
    liquid, gas = examples["gas"]["liquid"], examples["gas"]["gas"]
    if not (liquid["column"] and gas["column"]):
        return ""
    rows = "".join(
        f"<tr><td>{html.escape(h)}</td><td>{html.escape(a.strip())}</td>"
        f"<td>{html.escape(b.strip())}</td></tr>"
        for h, a, b in list(zip(examples["headings"], liquid["column"], gas["column"]))[13:]
        if h and (a.strip() or b.strip()))
    return (f"<h2>Example</h2><p>Air at 20 &deg;C and 6 bar absolute (&rho; = {g['density']} "
            f"kg/m&sup3;, &eta; = {g['viscosity']}&middot;10<sup>&minus;6</sup> kg/(m&middot;s)), "
            f"Q = {g['flow']} m&sup3;/h through a circular pipe D = {g['fields'][0]} mm, "
            f"L = {g['fields'][1]} m, k = {EXAMPLE_MEDIUM['roughness']} mm, calculated once with "
            "the condition liquid and once as a gas with T<sub>1</sub> = T<sub>2</sub> = "
            "20 &deg;C:</p>"
            '<table class="data"><tr><th></th><th>liquid</th><th>gas</th></tr>'
            f"{rows}</table><p>The gas correction raises the pressure drop, here by "
            f"{percent_more(liquid['column'][24], gas['column'][24])} %.</p>")


def percent_more(before, after):
    return f"{(float(after) / float(before) - 1) * 100:.0f}"


# ---------------------------------------------------------------------------
STYLE = """<style type="text/css">
body { font-family: sans-serif; }
h1 { font-size: x-large; }
h2 { font-size: large; margin-top: 14px; }
p.nav { font-size: small; }
p.formula { margin-left: 24px; margin-top: 3px; margin-bottom: 3px; }
table.data { border-collapse: collapse; margin-left: 24px; }
table.data td, table.data th { border: 1px solid #999999; padding: 2px 6px; }
table.data th { background-color: #eeeeee; text-align: left; }
</style>"""


def page(title, keywords, body, prefix):
    return f"""<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>{html.escape(title)}</title>
<meta name="keywords" content="{html.escape(keywords)}">
{STYLE}
</head>
<body>
<p class="nav"><a href="{prefix}elements/index.html">Element kinds</a> |
<a href="{prefix}flow_regimes.html">Flow regimes</a> |
<a href="{prefix}friction_factor.html">Friction factor</a> |
<a href="{prefix}gas_correction.html">Gas correction</a> |
<a href="{prefix}sources.html">Sources</a></p>
{expand(body, prefix)}
</body>
</html>
"""


def section_text(k):
    return {
        "circular": "The velocity w and the Reynolds number Re are those of the circular pipe "
                    "of diameter D with the whole rate of flow.",
        "rectangular": "w and Re are those of the rectangular section B &times; H; Re is formed "
                       "with the hydraulic diameter d<sub>h</sub>.",
        "ring": "w and Re are those of the annulus; Re is formed with d<sub>h</sub> = D &minus; "
                "D<sub>i</sub>.",
        "other": "w and Re are those of the given section; Re is formed with d<sub>h</sub> = 4A/U.",
        "two": "w<sub>1</sub>, Re<sub>1</sub> belong to D<sub>1</sub>, w<sub>2</sub>, "
               "Re<sub>2</sub> to D<sub>2</sub>.",
        "branch": "",
        "none": "",
    }[k["section"]]


def results_text(k):
    g, v = k["group"], k["variant"]
    if (g, v) == (10, 1):
        return "the pressure drop in mbar and bar (psi and lbw./sq.ft. in US units)."
    items = ["the velocity w and the Reynolds number Re"]
    if g in (3, 9) or (g, v) in ((5, 5), (5, 6)):
        items.append("w<sub>2</sub> and Re<sub>2</sub>")
    items.append("the regime (laminar or turbulent)")
    if (g, v) in FRICTION_KINDS:
        items.append("the roughness k (turbulent flow only) and the friction factor &lambda;")
    items.append("the resistance coefficient ζ (shown only when it is greater than zero)")
    if (g, v) in ((5, 5), (5, 6)):
        items.append("ζ<sub>2</sub> and Δp<sub>2</sub> of the branch in mbar")
    items.append("the pressure drop in mbar and bar (psi and lbw./sq.ft. in US units)")
    return ", ".join(items[:-1]) + " and " + items[-1] + "."


def element_page(k):
    name, group = k["name"], GROUPS[k["group"] - 1]
    s = slug(name)
    body = [f"<h1>{html.escape(group)} - {html.escape(name)}</h1>",
            f'<p><img src="../images/elements/{s}.png" alt="Picture of the element '
            f'{html.escape(name)}" width="105" height="105"></p>',
            f"<p>{k['what']}</p>",
            "<h2>Inputs</h2>",
            '<table class="data"><tr><th>Field</th><th>Unit (metric / US)</th>'
            "<th>Default</th><th>Meaning</th></tr>"]
    for label, unit, default, meaning in k["inputs"]:
        metric, us = UNITS[unit]
        if unit == "NONE":
            shown = "degree (typed, no unit list)" if "Angle" in label else "&ndash;"
        elif metric == us:
            shown = metric
        else:
            shown = f"{metric} / {us}"
        body.append(f"<tr><td>{html.escape(label)}</td><td>{shown}</td><td>{default}</td>"
                    f"<td>{meaning}</td></tr>")
    body.append('<tr><td>Quantity of elements:</td><td>&ndash;</td><td>1</td>'
                "<td>number of identical elements; multiplies the pressure drop</td></tr>")
    body.append("</table>")
    if k["option"]:
        caption, item0, item1, effect = k["option"]
        body.append(f"<p>Option &quot;{html.escape(caption.strip())}&quot; with the items "
                    f"&quot;{item0}&quot; and &quot;{item1}&quot;: {effect}</p>")
    body.append("<p>The medium (density &rho;, viscosity &eta;, rate of flow Q and, for a gas, "
                "the inlet pressure and temperatures) comes from the medium panel of the main "
                "window.</p>")
    body.append("<h2>Calculation</h2>")
    # Where the formulas of the flow state follow, they say it themselves.
    if section_text(k) and "[[reynolds]]" not in k["calc"]:
        body.append(f"<p>{section_text(k)}</p>")
    body.append(k["calc"])
    body.append("<p>After that, for a gaseous medium the <a href=\"../gas_correction.html\">gas "
                "correction</a> is applied, and the pressure drop is multiplied by the quantity "
                "of elements n:</p>" + display("quantity"))
    body.append("<h2>Flow regime</h2>")
    body.append(f"<p>{k['laminar']} See <a href=\"../flow_regimes.html\">Flow regimes</a>.</p>")
    body.append("<h2>Limits of validity</h2><ul>")
    body.extend(f"<li>{limit}</li>" for limit in k["limits"])
    body.append("</ul>")
    body.append("<h2>Results shown</h2>")
    body.append(f"<p>The column of the calculation table holds {results_text(k)}</p>")
    section = methods_section(k)
    if section:
        body.append(section)
    body.append(example_section(k, EXAMPLES))
    body.append("<h2>Source</h2>")
    if k["sources"]:
        body.append("<ul>")
        for entry in k["sources"]:
            key, what = entry if isinstance(entry, tuple) else (entry, "")
            lead = f"<b>{what}</b>: " if what else ""
            body.append(f'<li>{lead}{SOURCES[key][1]} (<a href="../sources.html#{key}">'
                        "all sources</a>)</li>")
        body.append("</ul>")
    else:
        body.append("<p>Elementary physics; no correlation is involved.</p>")
    keywords = ", ".join(filter(None, [name, group, k["keywords"], "pressure drop",
                                       "resistance coefficient"]))
    return s, page(f"{group} - {name}", keywords, "\n".join(body), "../")


def index_page():
    body = ["<h1>Element kinds</h1>",
            "<p>The pipeline is built from 46 element kinds in ten groups. Each page shows the "
            "element's picture, its inputs, the formulas the program uses, the regime in which "
            "it is valid, its limits of validity and the published source of its correlation "
            "or table.</p>"]
    for g, group in enumerate(GROUPS, 1):
        body.append(f"<h2>{html.escape(group)}</h2>")
        body.append('<table cellspacing="4"><tr>')
        for i, k in enumerate(k for k in KINDS if k["group"] == g):
            if i and i % 4 == 0:  # four to a row, so a narrow help window needs no scrolling
                body.append("</tr><tr>")
            s = slug(k["name"])
            body.append(f'<td align="center" valign="top" width="120"><a href="{s}.html">'
                        f'<img src="../images/elements/{s}.png" width="70" height="70" '
                        f'alt="{html.escape(k["name"])}"><br>{html.escape(k["name"])}</a></td>')
        body.append("</tr></table>")
    body.append("<h2>Common to all elements</h2><ul>"
                '<li><a href="../flow_regimes.html">Flow regimes and the Reynolds number</a></li>'
                '<li><a href="../friction_factor.html">Friction factor</a></li>'
                '<li><a href="../gas_correction.html">Gas correction</a></li>'
                '<li><a href="../sources.html">Published sources</a></li>'
                + ('<li><a href="../published_methods.html">Published methods: a second opinion '
                   'on every loss</a></li>' if METHODS else "")
                + "</ul>")
    return page("Element kinds", "element kinds, pipe elements, fittings, pressure drop, "
                "resistance coefficient, index", "\n".join(body), "../")


def link_text(k):
    """A kind's name where it stands alone; the straight pipes are named by
    their cross section only, so they get their group."""
    name = html.escape(k["name"])
    return f"{name} (straight pipe)" if k["group"] == 1 else name


def links(kinds, prefix="elements/"):
    return ", ".join(f'<a href="{prefix}{slug(k["name"])}.html">{link_text(k)}</a>'
                     for k in kinds)


def by_keys(pairs):
    return [k for k in KINDS if (k["group"], k["variant"]) in pairs]


def flow_regimes_page():
    non_laminar = [k for k in KINDS if k["group"] != 1 and (k["group"], k["variant"]) != (10, 1)]
    body = f"""<h1>Flow regimes</h1>
<h2>Velocity and Reynolds number</h2>
<p>For every element (except the vertical difference) the program computes the mean velocity w
in the element's cross section from the rate of flow Q and the Reynolds number Re with the
diameter, or for a non-circular section the hydraulic diameter d<sub>h</sub>:</p>
{display("velocity_circular", "reynolds")}
<p>with the density &rho; and the dynamic viscosity &eta; of the medium (in the program's units
Q in m&sup3;/h, d in mm, &eta; in 10<sup>&minus;6</sup> kg/(m&middot;s); the formulas above are
written in SI units). Non-circular sections:</p>
{display("hydraulic_rectangular", "hydraulic_ring", "hydraulic_other")}
<p>for the rectangle B &times; H (straight ducts, channels, rectangular bends), the annulus and
a section of area A with the wetted circumference U.</p>
<h2>Laminar and turbulent</h2>
<p>The flow is <b>laminar</b> when</p>
{display("laminar_limit")}
<p>and <b>turbulent</b> from Re = 2320 upwards (Re = 2320 itself counts as turbulent). When an
element is calculated with a Reynolds number in</p>
{display("transition_band")}
<p>the program adds its result to the table but first says &quot;The flow is in the range laminar to
turbulent. An error of calculation is possible!&quot;: near the critical Reynolds number the
flow may be either laminar or turbulent, and the friction factor may lie anywhere between the
two laws.</p>
<p>Note that a sharp change of regime at 2320 is a convention: in practice the flow in a pipe
is reliably laminar below about 2000 and fully turbulent only above about 4000. Between 2320
and about 4000 the program uses the turbulent correlations, which are extrapolated there.</p>
<h2>Which elements are calculated in laminar flow</h2>
<ul>
<li>The straight pipes {links(by_keys({(1, 1), (1, 2), (1, 3), (1, 4)}))}: with the laminar
friction factor (see <a href="friction_factor.html">Friction factor</a>).</li>
<li>The straight pipe {links(by_keys({(1, 5)}))}: not in laminar flow (its shape is unknown).</li>
<li>The {links(by_keys({(10, 1)}))} does not depend on the flow and is always calculated.</li>
<li>All other elements ({len(non_laminar)} kinds) have resistance coefficients measured in
turbulent flow and are refused in laminar flow with the message &quot;The specified data
result a laminar flow. A calculation is for this element only possible in the turbulent
range!&quot; Enlarge the rate of flow or reduce the diameter.</li>
<li>The changes of section must be turbulent in both sections: with a laminar second section
Re<sub>2</sub> &lt; 2320 the element is refused as well.</li>
</ul>
<h2>Ranges of the orifice correlations</h2>
<ul>
<li>{links(by_keys({(9, 1)}))}: 5000 &le; Re &le; 10<sup>7</sup> (Re of the pipe).</li>
<li>{links(by_keys({(9, 2)}))}: Re &gt; 10<sup>5</sup>.</li>
<li>{links(by_keys({(9, 3)}))}: Re<sub>2</sub> &ge; 4000 in the bore.</li>
</ul>
<p>Outside these ranges the program tells so and calculates all the same.</p>
"""
    return page("Flow regimes", "flow regime, Reynolds number, laminar, turbulent, transition, "
                "critical Reynolds number, hydraulic diameter, velocity", body, "")


def friction_factor_page():
    body = f"""<h1>Friction factor</h1>
<p>The friction factor &lambda; (Darcy friction factor) gives the pressure drop of a straight
pipe of length L and (hydraulic) diameter d:</p>
{display("pressure_drop_pipe", "zeta_pipe")}
<p>It is used by the straight pipes and, for their friction parts, by the
{links(by_keys({(3, 2), (3, 4)}))}, and it is reported for the
{links(by_keys({(4, 5), (4, 6)}))}.</p>
<h2>Laminar flow: Hagen-Poiseuille</h2>
<p>For Re &lt; 2320 in a circular pipe:</p>
{display("hagen_poiseuille")}
<p>For the rectangular duct and the channel, and for the circular ring, the program multiplies
this by a shape factor f:</p>
{display("laminar_shape")}
<p>Rectangle B &times; H by the side ratio s = smaller/larger side:</p>
{RECT_TABLE}
<p>Circular ring by r = D/D<sub>i</sub> (r &ge; 100 gives 1.25):</p>
{RING_TABLE}
<p>Both tables are read by linear interpolation. In laminar flow the non-circular pipes
report no resistance coefficient, only the pressure drop.</p>
<h2>Turbulent flow: Colebrook-White</h2>
<p>For Re &ge; 2320 the program solves the Colebrook-White equation with the absolute
roughness k of the wall:</p>
{display("colebrook")}
<p>This is the familiar form</p>
{display("colebrook_log10")}
<p>with 0.868588 = 2/ln 10 and 0.269 &asymp; 1/3.71 written as rounded constants. The equation
covers the hydraulically smooth pipe (k = 0), the transition region and the fully rough pipe,
where &lambda; no longer depends on Re.</p>
<h3>Solution by iteration</h3>
<p>The equation is implicit in &lambda;. The program looks for the root of</p>
{display("colebrook_residual")}
<p>with a secant iteration of the fixed step h = 10<sup>&minus;8</sup>, starting from
&lambda;<sub>0</sub> = 0.02:</p>
{display("secant_step")}
<p>It stops when two iterates differ by less than 10<sup>&minus;8</sup>, after at most 100
steps. Where that iteration does not settle (at very high Reynolds numbers on smooth walls the
first step can overshoot below zero), the same equation is solved in x = 1/&radic;&lambda;,
where it is increasing and its root can be bracketed:</p>
{display("colebrook_x")}
<p>so a friction factor is found for every turbulent flow. Only when 0.269&middot;k/d &ge; 1
(a roughness far beyond any real pipe) has the equation no solution, and the element is
refused.</p>
<h2>Roughness</h2>
<p>Before the turbulent calculation of every element that uses the friction factor, the
program opens the roughness dialog, where k can be typed or taken from the roughness database
of pipe materials. The confirmed k holds for the whole session, not per element. k is shown in
the calculation table for these elements in turbulent flow.</p>
<h2>Limits of validity</h2>
<ul>
<li>Fully developed flow of a Newtonian fluid; entrance lengths are not included.</li>
<li>Colebrook-White describes turbulent flow; the flow is fully turbulent only from about
Re = 4000 upwards, so between 2320 and 4000 the result is an extrapolation (see
<a href="flow_regimes.html">Flow regimes</a>).</li>
<li>The laminar shape factors hold for the exact rectangle and concentric annulus; a section
of other form (&quot;Other form&quot;) is calculated in turbulent flow only.</li>
<li>The channel is calculated as a closed rectangle: its free surface is counted as wall.</li>
</ul>
<h2>Sources</h2>
<ul>
<li>{SOURCES["hagen_poiseuille"][1]}</li>
<li>{SOURCES["colebrook"][1]}</li>
<li>Shape factors: {SOURCES["laminar_shapes"][1]}</li>
</ul>
"""
    return page("Friction factor", "friction factor, lambda, Darcy, Colebrook, Colebrook-White, "
                "Hagen-Poiseuille, laminar, turbulent, roughness, iteration, Moody", body, "")


def gas_correction_page():
    body = f"""<h1>Gas correction</h1>
<p>The resistance formulas of the elements assume a fluid of constant density. A gas expands
as its pressure falls, so its velocity rises along the line and the pressure drop grows.
When the medium is a gas, the program therefore corrects the pressure drop &Delta;p that an
element's formula gives (with the density &rho; entered in the medium panel) by the inlet
pressure p<sub>1</sub> and the inlet and outlet temperatures T<sub>1</sub> and
T<sub>2</sub> of the gas data window:</p>
{display("gas_correction")}
<p>p<sub>1</sub> is the absolute pressure, T<sub>1</sub> and T<sub>2</sub> are absolute
temperatures (the program works in bar and K; any unit of the lists may be typed).</p>
<h2>Where it comes from</h2>
<p>For the steady flow of an ideal gas whose density follows p/T, with the temperature taken
as the mean T<sub>m</sub> of inlet and outlet, integrating the pressure loss over the element
gives</p>
{display("gas_isothermal")}
<p>where &Delta;p is the pressure drop computed with the inlet density. Solved for the
outlet pressure p<sub>2</sub>, the pressure drop p<sub>1</sub> &minus; p<sub>2</sub> is the
formula above. For a small &Delta;p it equals &Delta;p&middot;T<sub>m</sub>/T<sub>1</sub>.</p>
<h2>Limits of validity</h2>
<ul>
<li>The program calculates only while</li>
</ul>
{display("gas_limit")}
<ul>
<li>Above half the inlet pressure the element is refused with the message &quot;For the
gaseous medium is the pressure drop to big for calculating.&quot; &ndash; reduce the rate of
flow, enlarge the diameter or enlarge the inlet pressure. The element is also refused when the
root would become negative (an outlet temperature much higher than the inlet temperature).</li>
<li>The density and the rate of flow entered should be those at the inlet state
(p<sub>1</sub>, T<sub>1</sub>).</li>
<li>The correction neglects the acceleration of the gas, so it holds for flows well below the
speed of sound; it does not describe choked flow.</li>
<li>A usual engineering guideline: below about 10 % of the inlet pressure the pressure drop
of a gas may be calculated as for a liquid; up to about 40 % a correction of this kind is
adequate; larger pressure drops should be calculated in shorter sections, each with its own
inlet pressure.</li>
<li>The correction is applied to every element, including the vertical difference, before
the pressure drop is multiplied by the quantity of elements. For the two branchings it acts on
the pressure drop of the main passage only.</li>
</ul>
{gas_example(EXAMPLES)}
<h2>Source</h2>
<p>Textbook derivation as above: steady isothermal flow of an ideal gas, density at the mean
temperature. See also the <a href="sources.html">published sources</a> of the element
correlations.</p>
"""
    return page("Gas correction", "gas correction, compressible flow, gas, isothermal flow, "
                "inlet pressure, pressure drop limit, ideal gas", body, "")


def sources_page():
    use = {}
    for k in KINDS:
        for entry in k["sources"]:
            key = entry[0] if isinstance(entry, tuple) else entry
            use.setdefault(key, []).append(k)
    body = ["<h1>Published sources</h1>",
            "<p>The correlations and tables the program uses, and where they come from. Where "
            "the origin of a table is not recorded, this page says so rather than guess.</p>"]
    for key, (used, ref) in SOURCES.items():
        body.append(f'<h2><a name="{key}">{used}</a></h2>')
        body.append(f"<p>{ref}</p>")
        if key in use:
            body.append(f"<p>Used by: {links(use[key])}.</p>")
    body.append("<h2>Interpolation</h2><p>Every table is read by linear interpolation inside the "
                "segment that contains the argument:</p>" + display("interpolate")
                + "<p>Outside a table the end value is taken.</p>")
    return page("Published sources", "sources, references, bibliography, Colebrook, Idelchik, "
                "Stolz, ISO 5167, DIN 1952, Hagen-Poiseuille, Borda-Carnot", "\n".join(body), "")


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


EXAMPLES = load_examples()

METHODS_FILE = os.path.join(HERE, "published_methods.json")


def load_methods():
    """The methods table and the worked examples' alternatives, as
    published_methods.py took them from the program."""
    if not os.path.exists(METHODS_FILE):
        return None
    with open(METHODS_FILE, encoding="utf-8") as f:
        return json.load(f)


METHODS = load_methods()


def kind_methods(k):
    return [m for m in METHODS["methods"] if m["kind"] == [k["group"], k["variant"]]]


def spread_text(own, low, high):
    """Where this program's coefficient lies among the published ones."""
    if low <= own <= high:
        return (f"lies inside the spread of the published methods ({low:.3f} &hellip; "
                f"{high:.3f}).")
    if own < low:
        return (f"lies below every published method: {100.0 * (low - own) / low:.0f} % below "
                f"the lowest ({low:.3f}; highest {high:.3f}).")
    above = (f"{100.0 * (own - high) / high:.0f} % above" if own < 2.0 * high
             else f"{own / high:.1f} times")
    return (f"lies above every published method: {above} the highest "
            f"({high:.3f}; lowest {low:.3f}).")


def methods_section(k):
    """The "Published methods" section of a kind's page; "" without the data."""
    if not METHODS:
        return ""
    key = f'{k["group"]},{k["variant"]}'
    rows = kind_methods(k)
    head = ('<h2>Published methods</h2>'
            '<p>A second opinion on this loss (View &gt; Checks; '
            '<a href="../published_methods.html">all published methods</a>): ')
    if not rows:
        return head + ("no published method in the program's table covers this element, so its "
                       "coefficient has no second opinion.</p>")
    example = METHODS["examples"].get(key)
    constants = {m["method"]: m for m in rows}
    listed = "".join(f'<tr><td>{html.escape(m["method"])}</td><td>{html.escape(m["constants"])}'
                     f'</td><td>{html.escape(m["reference"])}</td></tr>' for m in rows)
    table_of_methods = ('<table class="data"><tr><th>Method</th><th>Form and constants</th>'
                        f'<th>Source</th></tr>{listed}</table>')
    if not example or not example["alternatives"]:
        return (head + "the methods below cover this kind, but none of them the worked example "
                "(they hold for the conditions they name).</p>" + table_of_methods)
    alternatives = example["alternatives"]
    lines = [f'<tr><td>This program</td><td></td><td>{example["zeta"]:.3f}</td>'
             f'<td>{example["pressureDrop"]:.3f}</td></tr>']
    for a in alternatives:
        m = constants[a["method"]]
        lines.append(f'<tr><td>{html.escape(a["method"])}</td><td>{html.escape(m["reference"])}'
                     f'</td><td>{a["zeta"]:.3f}</td><td>{a["pressureDrop"]:.3f}</td></tr>')
    zetas = [a["zeta"] for a in alternatives]
    return (head + "the worked example below (Re = " + example["reynolds"] + ") by every "
            "published method that covers it, each on the velocity this program refers "
            "&zeta; to; the pressure drop replaces this program's &zeta; by the method's.</p>"
            '<table class="data"><tr><th>Method</th><th>Source</th><th>&zeta;</th>'
            "<th>Pressure drop in mbar</th></tr>" + "".join(lines) + "</table>"
            f"<p>This program's &zeta; = {example['zeta']:.3f} "
            + spread_text(example["zeta"], min(zetas), max(zetas)) + "</p>"
            + "<p>The methods of this kind:</p>" + table_of_methods)


def methods_page():
    """help/published_methods.html: which method covers which kind."""
    body = ["<h1>Published methods: a second opinion on every loss</h1>",
            "<p>The program computes every element by its own rules. Beside them the Checks "
            "window (View &gt; Checks), the plant curve's band and the batch tool's "
            "<code>--alternatives</code> give the coefficient of the same element by the "
            "published methods below, at the column's own Reynolds number and on the velocity "
            "the program refers its &zeta; to. Crane's K = n&middot;f<sub>T</sub> takes the fully "
            "turbulent friction factor of clean commercial steel (&epsilon; = 0.0457 mm) at the "
            "pipe's inner diameter; Hooper's 2-K method is K = K<sub>1</sub>/Re + "
            "K<sub>&infin;</sub>(1 + 1/D[in]), Darby's 3-K method K = K<sub>1</sub>/Re + "
            "K<sub>i</sub>(1 + K<sub>d</sub>/D<sub>n</sub><sup>0.3</sup>) with the nominal size "
            "D<sub>n</sub> in inches. The line's range takes every column at its lowest and at "
            "its highest published coefficient (a column without one at its own value); for a "
            "gas line the isothermal solution, the pressure carried from column to column, "
            "stands beside the columns' correction.</p>",
            '<table class="data"><tr><th>Element kind</th><th>Method</th>'
            "<th>Form and constants</th><th>Source</th></tr>"]
    for k in KINDS:
        for m in kind_methods(k):
            body.append(f'<tr><td><a href="elements/{slug(k["name"])}.html">'
                        f'{link_text(k)}</a></td><td>{html.escape(m["method"])}</td>'
                        f'<td>{html.escape(m["constants"])}</td>'
                        f'<td>{html.escape(m["reference"])}</td></tr>')
    body.append("</table>")
    covered = {(m["kind"][0], m["kind"][1]) for m in METHODS["methods"]}
    alone = [k for k in KINDS if (k["group"], k["variant"]) not in covered]
    body.append("<p>No published method covers: " + links(alone) + ".</p>")
    return page("Published methods", "published methods, second opinion, Crane, Hooper 2-K, "
                "Darby 3-K, Rennels, Idelchik, Miller, ISO 5167, alternatives",
                "\n".join(body), "")


def main():
    if len(KINDS) != 46:
        sys.exit(f"expected 46 element kinds, have {len(KINDS)}")
    for k in KINDS:
        name, text = element_page(k)
        write(os.path.join(HELP, "elements", name + ".html"), text)
    write(os.path.join(HELP, "elements", "index.html"), index_page())
    write(os.path.join(HELP, "flow_regimes.html"), flow_regimes_page())
    write(os.path.join(HELP, "friction_factor.html"), friction_factor_page())
    write(os.path.join(HELP, "gas_correction.html"), gas_correction_page())
    write(os.path.join(HELP, "sources.html"), sources_page())
    if METHODS:
        write(os.path.join(HELP, "published_methods.html"), methods_page())
    lines = ["# name<TAB>formula; written by scripts/help/element_pages.py, rendered by "
             "scripts/help/render_formulas.py"]
    lines += [f"{name}\t{tex}" for name, (tex, alt) in sorted(FORMULAS.items())]
    write(os.path.join(HELP, "formulas", "formulas.txt"), "\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
