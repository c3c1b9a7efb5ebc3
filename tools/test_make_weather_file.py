#!/usr/bin/env python3
"""Tests of the weather file converter.

  python3 -m unittest discover -s tools -p 'test_*.py'
"""

import math
import os
import unittest

import make_weather_file as wf


class Psychrometrics(unittest.TestCase):
    def test_saturation_pressure_against_tables(self):
        # Saturation pressure of water, kPa (standard steam and moist-air tables).
        for t, p in [(0.01, 0.6117), (10, 1.2282), (20, 2.3392), (30, 4.2467), (-10, 0.2600)]:
            with self.subTest(t=t):
                self.assertAlmostEqual(wf.sat_pressure(t), p, delta=0.0015)

    def test_wet_bulb(self):
        p = 101.325
        # Saturated air: the wet bulb equals the dry bulb.
        w = wf.humidity_ratio(wf.sat_pressure(25), p)
        self.assertAlmostEqual(wf.wet_bulb(25, w, p), 25, places=3)
        # 40 degC dry bulb, 20 degC wet bulb: by hand from the psychrometric
        # balance with Ws*(20 degC) = 0.622 * 2.3389 / 98.986 = 0.014695,
        # W = (2454.48 * 0.014695 - 20.12) / 2491.68 = 0.0064007.
        self.assertAlmostEqual(wf.humidity_ratio(wf.sat_pressure(20), p), 0.014695, places=5)
        self.assertAlmostEqual(wf.wet_bulb(40, 0.0064007, p), 20.0, delta=0.01)


class SolarGeometry(unittest.TestCase):
    def test_equinox_noon_altitude_is_colatitude(self):
        # Near 21 March at the local solar noon of a station on its time-zone meridian.
        best = max((wf.solar_position(80, h / 60, 21.3, -150.0, -10.0) for h in range(600, 840)),
                   key=lambda s: s[0])
        self.assertAlmostEqual(math.degrees(best[0]), 90 - 21.3, delta=0.6)
        self.assertAlmostEqual(best[1] if best[1] < math.pi else best[1] - 2 * math.pi, 0, delta=0.05)

    def test_morning_sun_is_in_the_east(self):
        alt, azi = wf.solar_position(172, 8.0, 21.3, -157.9, -10.0)
        self.assertGreater(alt, 0)
        self.assertTrue(math.pi < azi < 2 * math.pi)

    def test_beam_on_surfaces(self):
        # Sun due south at 30 degrees: south wall cos 30, north wall nothing, roof sin 30.
        b = wf.beam_on_surfaces(1000, math.radians(30), 0.0)
        self.assertAlmostEqual(b[5], 1000 * math.cos(math.radians(30)), places=6)
        self.assertEqual(b[1], 0)
        self.assertAlmostEqual(b[9], 500, places=6)
        self.assertAlmostEqual(b[0], sum(b[1:9]) / 8, places=9)
        self.assertEqual(wf.beam_on_surfaces(800, -0.1, 1.0), [0.0] * 10)


class ShippedFile(unittest.TestCase):
    def test_layout_and_ranges(self):
        with open(wf.DEFAULT_OUTPUT, newline="") as f:
            text = f.read()
        self.assertTrue(text.endswith("\r\n"))
        lines = text.split("\r\n")[:-1]
        self.assertEqual(len(lines), 8760)
        for n, line in enumerate(lines, 1):
            items = [float(v) for v in line.split(",")]
            self.assertEqual(len(items), 19)
            self.assertEqual(items[0], n)
            self.assertTrue(0 <= items[17] < math.pi / 2, line)
            self.assertTrue(0 <= items[18] < 2 * math.pi, line)
            self.assertTrue(items[3] <= items[1] + 1e-9, line)


if __name__ == "__main__":
    unittest.main()
