#!/usr/bin/env python3
"""Tests of the sample data generator and checker.

  python3 -m unittest discover -s tools -p 'test_*.py'
"""

import filecmp
import os
import random
import tempfile
import unittest

import make_sample_data as sd

FIXTURES = os.path.join(sd.REPO, "tests", "data", "lcia")


def tiny_table():
    t = sd.MaterialTable()
    t.load(os.path.join(FIXTURES, "TINY.IDB"), os.path.join(FIXTURES, "TINY.ILF"))
    return t


class NumberText(unittest.TestCase):
    def test_forms(self):
        cases = [
            (0.0, "0"), (2400.0, "2400"), (0.5, "0.5"), (-3.0, "-3"), (0.2556, "0.2556"),
            (1.2e-07, "1.2E-07"), (7.125e-08, "7.125E-08"), (0.0001, "0.0001"),
            (12345678.0, "1.234568E+07"), (9999999.0, "9999999"), (1 / 3, "0.3333333"),
            (12, "12"),
        ]
        for value, text in cases:
            with self.subTest(value=value):
                self.assertEqual(sd.num(value), text)

    def test_quote_refuses_breaking_text(self):
        for bad in ('a "b"', "a\r\nb"):
            with self.subTest(bad=bad):
                with self.assertRaises(ValueError):
                    sd.q(bad)


class ReaderTest(unittest.TestCase):
    def read(self, data):
        with tempfile.NamedTemporaryFile("wb", delete=False) as f:
            f.write(data)
        self.addCleanup(os.unlink, f.name)
        return sd.Reader(f.name)

    def test_items_across_lines(self):
        rd = self.read(b'3,"a, b"\r\n.5,"",-2\r\n')
        self.assertEqual(rd.integer(), 3)
        self.assertEqual(rd.string(), "a, b")
        self.assertEqual(rd.single(), 0.5)
        self.assertEqual(rd.string(), "")
        self.assertEqual(rd.number(), -2)
        self.assertTrue(rd.eof())

    def test_failures(self):
        cases = [
            (b"abc\r\n", "number"), (b'"x"\r\n', "number"), (b"1\n", "number"),
            (b"", "number"), (b'"open\r\n', "string"), (b"1.5\r\n", "integer"),
            (b"40000\r\n", "integer"),
        ]
        for data, what in cases:
            with self.subTest(data=data):
                with self.assertRaises(sd.ReadError):
                    getattr(self.read(data), what)()


class StackMachine(unittest.TestCase):
    VALUES = ["2", "3", "5", "7", "", "11"]

    def test_lines(self):
        t = tiny_table()
        cases = [
            # item 3, push; item 4, multiply: ElmValue(2) x ElmValue(3)
            ([(3, 0), (4, 3)], 35.0),
            ([(1, 0), (2, 1)], 5.0),
            ([(1, 0), (2, 2)], -1.0),
            ([(3, 0), (1, 4)], 2.5),
            ([(1, 0), (2, 5)], 8.0),
            # op 6 copies s1 into s0 without popping; the next op still sees s1
            ([(3, 0), (0, 6), (0, 1)], 10.0),
            # op codes 13..99 and negative operands only load
            ([(4, 13)], 7.0), ([(4, 99)], 7.0), ([(4, 0), (-1, 3)], 0.0),
            ([(0, 7)], 3.1415927), ([(4, 8)], 7 ** 0.5), ([(4, 9)], 7 ** (1 / 3)),
            ([(4, 10)], 0.07), ([(4, 11)], 3.5), ([(2, 12)], 7.0685835),
            ([(2.5, 101)], 2.5), ([(10, 100)], 2400.0), ([(21, 100)], 50.0),
            ([(2012, 100)], 385.0),
            # an empty value reads as 0; a value row beyond the filled ones too
            ([(5, 0), (1, 1)], 2.0), ([(17, 13)], 0.0),
            # the stack holds four values below the register
            ([(1, 0), (2, 0), (3, 0), (4, 0), (6, 1), (0, 1), (0, 1), (0, 1)], 28.0),
        ]
        for lines, want in cases:
            with self.subTest(lines=lines):
                self.assertAlmostEqual(sd.run_formula(lines, self.VALUES, t), want, places=5)

    def test_errors(self):
        t = tiny_table()
        for lines in ([(13, 100)], [(18, 13)], [(1, 0), (5, 4)], [(5, 0), (-1, 101), (0, 5)],
                      [(-8, 101), (0, 0), (0.5, 101), (0, 5)],
                      [(5110, 100)], [(30, 100)]):
            with self.subTest(lines=lines):
                with self.assertRaises(sd.ReadError):
                    sd.run_formula(lines, self.VALUES, t)

    def test_user_material_swap_for_properties(self):
        t = tiny_table()
        self.assertEqual(sd.run_formula([(10, 100)], [], t, swap={1: 2}), 7850.0)

    def test_every_library_formula_compiles_to_its_value(self):
        t = sd.MaterialTable()
        t.load(os.path.join(sd.REPO, "data", "MATLCIA.IDB"),
               os.path.join(sd.REPO, "data", "MATLCIA.ILF"))
        rng = random.Random(7)
        for folder, _, types in sd.LIBRARIES:
            for et in types:
                for mno, rpn, _, _ in et.mats:
                    lines = [(op_, code) for op_, code, _, _ in sd.compile_formula(rpn, et.labels)]
                    for _ in range(5):
                        vals = [sd.num(v * rng.uniform(0.3, 3)) for v in et.sample]
                        with self.subTest(lib=folder, type=et.no, material=mno):
                            got = sd.run_formula(lines, vals, t)
                            want = sd.eval_rpn(rpn, [float(v) for v in vals])
                            self.assertAlmostEqual(got / want, 1.0, places=5)

    def test_compiler_refuses_bad_formulas(self):
        for rpn in ("#1 +", "#1 #2", "#9", "#1 #2 #3 #4 #5 #1 + + + + +", "SQRT"):
            with self.subTest(rpn=rpn):
                with self.assertRaises(ValueError):
                    sd.compile_formula(rpn, ["a", "b", "c", "d", "e"])


class Replacements(unittest.TestCase):
    def test_counts(self):
        for life, n in ((50, 0), (60, 0), (25, 1), (30, 1), (20, 2), (15, 3), (10, 4),
                        (7, 7), (0, 0), (-60, 0), (-20, 2)):
            with self.subTest(life=life):
                self.assertEqual(sd.replacements(life), n)


class Booking(unittest.TestCase):
    """The hand-checked figures of tests/data/lcia/README.md."""

    def test_tiny_elements(self):
        t = tiny_table()
        cases = [
            # material, quantity, wastage, life, stage, category 1, kg CO2 eq., energy, waste
            (1, 10, 0.05, 50, 1, 10.55, 3156, 15750, 0.5),
            (1, 10, 0.05, 50, 2, 0, 0, 0, 0),
            (1, 10, 0.05, 50, 4, 1.0, 120, 0, 10),
            (2, 1000, 0.05, 20, 1, 105.5, 2102.5, 26250, 50),
            (2, 1000, 0.05, 20, 2, 231, 4305, 52500, 2100),
            (2, 1000, 0.05, 20, 4, 10, 50, 0, 1000),
            (2, 1000, 0.05, 0, 1, 105 + 1050 * 0.01, 2100 + 1050 * 0.05, 26250, 1050),
            (2, 1000, 0.05, -20, 4, 0, 0, 0, 0),
        ]
        for mno, qty, w, life, stage, adp, co2, egy, waste in cases:
            with self.subTest(material=mno, life=life, stage=stage):
                acc = {"imp": [0.0] * 10, "egy": 0.0, "waste": 0.0}
                sd.book(acc, t, mno, qty, w, life, stage)
                self.assertAlmostEqual(acc["imp"][0], adp, places=3)
                self.assertAlmostEqual(acc["imp"][1], co2, places=3)
                self.assertAlmostEqual(acc["egy"], egy, places=3)
                self.assertAlmostEqual(acc["waste"], waste, places=3)


class DatabaseFixtures(unittest.TestCase):
    """The outcomes tests/data/lcia/README.md promises."""

    def load(self, base):
        t = sd.MaterialTable()
        try:
            t.load(os.path.join(FIXTURES, base + ".IDB"), os.path.join(FIXTURES, base + ".ILF"))
            return t, True
        except sd.ReadError:
            return t, False

    def test_tiny(self):
        t, ok = self.load("TINY")
        self.assertTrue(ok)
        self.assertEqual(t.listno[:8], [2, 1, 2, 1, 201, 2, 501, 502])
        self.assertEqual([t.idx[n] for n in (1, 2, 201, 501, 502)], [1, 2, 4, 6, 7])
        self.assertEqual(t.imp[1][:10], [1, 300, 3, 4, 5, 6, 7, 8, 9, 10])
        self.assertEqual((t.imp[1][10], t.ucost[1], t.waste[1][1]), (1500, 1000, 12))
        self.assertEqual(t.name[3], "")

    def test_misaligned_profile_mixes_rows(self):
        t, ok = self.load("MISALIGN")
        self.assertTrue(ok)
        self.assertEqual([t.idx[n] for n in (1, 2, 3, 201, 501, 502)], [1, 2, 3, 5, 7, 8])
        cases = [(1, 12.0), (2, 0.0), (3, 0.05), (4, 50.0), (5, 0.04), (7, 0.0)]
        for row, co2 in cases:
            with self.subTest(row=row):
                self.assertAlmostEqual(t.waste[row][1], co2, places=6)
        self.assertEqual(t.listno[4], 1)

    def test_broken_files(self):
        cases = [
            # base, row 1 unit cost (1000 once the database is read), cost of row 6 (501)
            ("BADNUM", 0.0, 0.0),
            ("SHORT", 1000.0, 0.0),
            ("RANGE", 1000.0, 0.25),
            ("OVER", 0.0, 0.0),
        ]
        for base, cost1, cost6 in cases:
            with self.subTest(base=base):
                t, ok = self.load(base)
                self.assertFalse(ok)
                self.assertEqual(t.ucost[1], cost1)
                self.assertAlmostEqual(t.ucost[6], cost6, places=6)
        t, _ = self.load("RANGE")
        self.assertEqual(t.idx[502], 7)


class GeneratedFiles(unittest.TestCase):
    def test_committed_files_are_up_to_date(self):
        with tempfile.TemporaryDirectory() as tmp:
            written = sd.generate(tmp)
            for rel in written:
                with self.subTest(file=rel):
                    self.assertTrue(filecmp.cmp(os.path.join(tmp, rel), os.path.join(sd.REPO, rel),
                                                shallow=False))

    def test_checker_passes(self):
        ck = sd.Checker(sd.REPO)
        ck.run()
        self.assertEqual(ck.errors, [])

    def test_files_beside_the_project(self):
        # What a run of the energy calculation leaves beside the project is
        # not the composition's; a composition file nothing names is caught.
        cases = [
            (["AnHSpCL.TXT", "BCLnEQW.SDF", "ROOM1.RLF", "ZONE1.ZLF", "OFFICE.RES"], []),
            (["OLD_SLAB.FLE"], ["samples/office: files not reached from the project: ['OLD_SLAB.FLE']"]),
        ]
        for added, errors in cases:
            with self.subTest(added=added), tempfile.TemporaryDirectory() as tmp:
                sd.generate(tmp)
                for name in added:
                    with open(os.path.join(tmp, "samples", "office", name), "wb") as f:
                        f.write(b"1\r\n")
                ck = sd.Checker(tmp)
                ck.run()
                self.assertEqual(ck.errors, errors)

    def test_checker_catches_faults(self):
        cases = [
            # file, text replaced, replacement, text expected in an error
            ("data/MECHASER/E10.CST", b'3,4,"Floor Area per Head"', b'9,4,"Floor Area per Head"',
             "E10.CST"),
            ("data/FABRIC/E3.IMP", b"410,100", b"413,100", "E3.IMP"),
            ("data/FABRIC/E7.IMP", b"\r\n4\r\n", b"\r\n600\r\n", "E7.IMP"),
            ("data/CONTENTS/E4.CST", b"\r\n24\r\n", b"\r\n25\r\n", "E4.CST"),
            ("data/FOUND/FOUND.ELB", b'"Pile Length","m"', b'"Pile Length",""', "FOUND.ELB"),
            ("data/ELECTSER/ELECTSER.ELB", b"\r\n", b"\n", "ELECTSER.ELB"),
            ("data/MATLCIA.ILF", b"\r\n202,", b"\r\n203,", "do not list the same"),
            ("data/MATLCIA.IDB", b"\r\n20,", b"\r\n20.5,", "MATLCIA.IDB"),
            ("samples/office/TYP_FRAME.FLC", b'"Floor slab",7', b'"Floor slab",16',
             "listed in its component as type 16"),
            ("samples/office/ROOF_FLAT_.FLE", b"86,10,25,130\r\n", b"", "ROOF_FLAT_.FLE"),
            ("samples/office/TYP_RC_SLAB_.FLE", b"8,5,60", b"509,5,60", "user material 509"),
            ("samples/office/LIFT_PIT.FDE", b'"60",""', b'"",""', "LIFT_PIT.FDE"),
            ("samples/office/TYP_RC_SLAB_.FLE", b"8,5,60", b"600,5,60", "user material 600"),
            ("samples/office/OFFICE.PRJ", b'"ROOF.FLR"', b'"ROOFS.FLR"', "ROOFS.FLR"),
        ]
        for rel, old, new, expect in cases:
            with self.subTest(file=rel, fault=new), tempfile.TemporaryDirectory() as tmp:
                sd.generate(tmp)
                path = os.path.join(tmp, rel)
                with open(path, "rb") as f:
                    text = f.read()
                self.assertIn(old, text)
                with open(path, "wb") as f:
                    f.write(text.replace(old, new, 1))
                ck = sd.Checker(tmp)
                ck.run()
                self.assertTrue(any(expect in e for e in ck.errors), ck.errors)


class LibraryLayout(unittest.TestCase):
    def test_grid_rows(self):
        generic = ["0", "Generic"] + ["x", "u"] * 16
        three = ["1", "Slab", "a", "m", "b", "m2", "c", "kg/m3"] + [""] * 26
        no_unit = ["2", "Odd", "a", "m", "b", ""] + ["c", "kg"] + [""] * 26
        cases = [(generic, (16, 16)), (three, (4, 3)), (no_unit, (2, 1))]
        for fields, want in cases:
            with self.subTest(type=fields[1]):
                self.assertEqual(sd.grid_rows(fields), want)

    def test_compiled_forms(self):
        labels = ["t", "A", "r", "p"]
        cases = [
            ("#3 #4 *", [(3, 0), (4, 3)]),
            ("#2", [(2, 13)]),
            ("#1 #2 * #3 *", [(1, 0), (2, 3), (0, 0), (3, 3)]),
            ("#1 AREA", [(1, 12)]),
            ("#2 8 #3 + *", [(2, 0), (8, 101), (0, 0), (3, 1), (0, 3)]),
            ("#1 d20 *", [(1, 0), (200, 100), (0, 3)]),
            ("PI #1 *", [(0, 7), (0, 0), (1, 3)]),
        ]
        for rpn, want in cases:
            with self.subTest(rpn=rpn):
                got = [(o, c) for o, c, _, _ in sd.compile_formula(rpn, labels)]
                self.assertEqual(got, want)


if __name__ == "__main__":
    unittest.main()
