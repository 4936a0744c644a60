#!/usr/bin/python3
"""Designs the digital filters of the forward computation and writes src/core/forward_filter_tables.h.

Every array's apparent resistivity is a convolution, in the logarithm of the spacing, of the
resistivity transform T with a kernel whose Fourier transform is known in closed form
(x = ln s, y = ln of the transform's abscissa, z = y - x, all lengths in metres):

  Schlumberger  rhoS(s) = s^2 int T(lam) J1(lam s) lam dlam
                H_S(w) = 2^(1-iw) Gamma((3-iw)/2) / Gamma((1+iw)/2)
  Wenner        rhoW(a) = 2a int_a^2a rhoS(r) r^-2 dr        H_W = H_S * 2 (1 - 2^(iw-1)) / (1 - iw)
  two-electrode rhoD(r) = r int_r^inf rhoS(u) u^-2 du       H_D = H_S / (1 - iw)

The transform of a layered earth is analytic in the strip |Im y| < pi/2, so its spectrum falls off
as exp(-pi |w| / 2), times the contrast of the earth: at a contrast of 1.5e8 it stays above the
apparent resistivity up to w = 12, and what the filter does up to w = 19 shows in the result.
Each filter samples the transform every 1/16 decade, two samples per curve step of 1/8 decade, so
its response repeats every 2 pi / (ln 10 / 16) = 43.7 in w. The kernel's response is tapered by
0.5 erfc((w - 21.8) / 1.5), 21.8 being half that period, and transformed back; the response of
the resulting taps, aliases included, matches the kernel's to 1e-11 up to w = 12, 2e-10 up to 15,
5e-6 up to 17 and 1e-3 (Schlumberger) to 1e-2 (Wenner, two-electrode) at 19; `check` prints these
figures. Taps below 1e-14 toward short abscissas (where the transform is the top layer's
resistivity, up to 1.5e8 times the apparent one) and below 1e-12 toward long ones (where it grows
at most as fast as the abscissa) are left out, and each filter is scaled to add up to 1, so a
homogeneous earth gives its resistivity. Against exact solutions of two-layer earths with
contrasts up to 1.5e8 either way, over 11 decades of spacing to thickness, the filters stay within
2e-6 of the exact apparent resistivity.

The two-electrode kernel decays only as exp(-z) toward long abscissas, and under a conductive cover
the transform keeps rising as lam until lam reaches the basement's resistivity times the cover's
conductance, so no cut of its taps is safe. Beyond z = 11.5 its taps equal ln(10)/16 * exp(-z) to
1e-10; they are not cut but written as the first weight and ratio of that geometric series, which
the program sums over the transform out to where the transform is flat (core/forward_filters.cpp).

Usage: /usr/bin/python3 tools/forward_filter_design.py > src/core/forward_filter_tables.h
       /usr/bin/python3 tools/forward_filter_design.py check
Needs Debian's python3-numpy and python3-scipy (the build does not).
"""
import sys

import numpy as np
from scipy.special import erfc, loggamma

SUBSTEPS = 2  # transform samples per curve step of 1/8 decade
STEP = np.log(10.0) / (8 * SUBSTEPS)
PASS, TAPER = 21.8, 1.5
# Taps are cut where they fall below these: at short abscissas the transform is the top layer's
# resistivity, up to 1.5e8 times the apparent one; at long ones it grows at most as the abscissa.
CUT_SHORT, CUT_LONG = 1e-14, 1e-12
DIPOLE_TAIL_Z = 11.5  # the two-electrode taps beyond are the exact geometric tail
W_POINTS = 8001


def response(kind, w):
    w = np.asarray(w, dtype=complex)
    h = np.exp((1 - 1j * w) * np.log(2) + loggamma((3 - 1j * w) / 2) - loggamma((1 + 1j * w) / 2))
    if kind == "Wenner":
        h = h * 2 * (1 - np.exp((1j * w - 1) * np.log(2))) / (1 - 1j * w)
    elif kind == "Dipole":
        h = h / (1 - 1j * w)
    return h


def kernel_samples(kind, n):
    """STEP times the tapered kernel at z = -n * STEP, by the trapezoid rule over w (exact for this
    even, smooth integrand); the phases are formed in extended precision from whole numbers."""
    ld = np.longdouble
    dw = (PASS + 10 * TAPER) / (W_POINTS - 1)
    k = np.arange(W_POINTS)
    w = k * dw
    spectrum = response(kind, w) * 0.5 * erfc((w - PASS) / TAPER)
    spectrum[0] *= 0.5
    phase = np.outer(n.astype(ld), k.astype(ld)) * (ld(STEP) * ld(dw))
    taps = np.cos(phase) @ spectrum.real.astype(ld) - np.sin(phase) @ spectrum.imag.astype(ld)
    return taps.astype(float) * dw / np.pi * STEP


def design(kind):
    n = np.arange(int(np.floor(-25.0 / STEP)), int(np.ceil(25.0 / STEP)) + 1)
    taps = kernel_samples(kind, n)
    # Long abscissas are the small n (n = -z / STEP).
    lo = np.where((np.abs(taps) > CUT_LONG) & (n <= 0))[0][0]
    hi = np.where((np.abs(taps) > CUT_SHORT) & (n >= 0))[0][-1] + 1
    tail = None
    if kind == "Dipole":
        # Long abscissas are the small n; the direct taps end at z = DIPOLE_TAIL_Z.
        lo = int(np.searchsorted(n, -np.floor(DIPOLE_TAIL_Z / STEP)))
        z_tail = (np.floor(DIPOLE_TAIL_Z / STEP) + 1) * STEP
        tail = STEP * np.exp(-z_tail)
    n, taps = n[lo:hi], taps[lo:hi]
    # Tap i reads the transform at spacing * 10^((i + first) / 16): reverse to increasing abscissa.
    taps = taps[::-1].copy()
    first = -int(n[-1])
    ratio = np.exp(-STEP)
    total = taps.sum() + (tail / (1 - ratio) if tail is not None else 0.0)
    taps /= total
    if tail is not None:
        tail /= total
    return first, taps, tail, ratio


def digital_response(first, taps, tail, ratio, w):
    z = (np.arange(len(taps)) + first) * STEP
    d = np.exp(1j * np.outer(w, z)) @ taps
    if tail is not None:
        z_tail = z[-1] + STEP
        d += tail * np.exp(1j * w * z_tail) / (1 - ratio * np.exp(1j * w * STEP))
    return d


def check():
    w = np.linspace(0.0, 20.0, 2001)
    for kind in ("Schlumberger", "Wenner", "Dipole"):
        first, taps, tail, ratio = design(kind)
        error = np.abs(digital_response(first, taps, tail, ratio, w) / response(kind, w) - 1)
        figures = " ".join(f"w<={b}: {error[w <= b].max():.1e}" for b in (12, 15, 17, 18, 19, 20))
        print(f"{kind:12} {len(taps)} taps, relative error of the response {figures}")


def main():
    print("// Generated by tools/forward_filter_design.py: do not edit by hand.")
    print("// Digital filters of the forward computation, designed from the closed-form spectra of the")
    print("// Schlumberger, Wenner and two-electrode kernels (see the script for the method).")
    print("#pragma once")
    print("#include <array>\n")
    print("namespace ohmira {\n")
    print("// Transform samples per curve step of 1/8 decade: the abscissas are 1/16 decade apart.")
    print(f"inline constexpr int Filter_Substeps = {SUBSTEPS};\n")
    for kind in ("Schlumberger", "Wenner", "Dipole"):
        first, taps, tail, ratio = design(kind)
        print(f"// Tap i of the sample at spacing s reads T(s * 10^((i + {kind}_First_Tap) / 16)).")
        print(f"inline constexpr int {kind}_First_Tap = {first};")
        print(f"inline constexpr std::array<double, {len(taps)}> {kind}_Filter = {{")
        for i in range(0, len(taps), 3):
            print("    " + " ".join(f"{t:+.17e}," for t in taps[i : i + 3]))
        print("};\n")
        if tail is not None:
            print("// Beyond its last tap the two-electrode filter goes on as a geometric series: the weight")
            print("// of the next abscissa, then each further one 1/16 decade on times the ratio.")
            print(f"inline constexpr double Dipole_Tail_Weight = {tail:.17e};")
            print(f"inline constexpr double Dipole_Tail_Ratio = {ratio:.17e};\n")
    print("} // namespace ohmira")


if __name__ == "__main__":
    if sys.argv[1:] == ["check"]:
        check()
    else:
        main()
