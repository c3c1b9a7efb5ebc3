#!/usr/bin/env python3
"""Tests of the slide generator and checker.

  python3 -m unittest discover -s tools -p 'test_*.py'
"""

import filecmp
import os
import struct
import tempfile
import unittest

import make_slides as ms

DATA = os.path.join(ms.REPO, "data")


class Generated(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.root = self.tmp.name
        ms.generate(self.root)

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, relative):
        return os.path.join(self.root, *relative.split("\\"))

    def test_files_on_disk_are_the_generators_output(self):
        names = ["LCA.TXT", "FrontPic.emf"]
        for chapter in ms.CHAPTERS:
            names.append(ms.chapter_file_name(chapter))
            names += [ms.picture_name(chapter, i) for i in range(1, len(chapter["slides"]) + 1)]
        for name in names:
            with self.subTest(name=name):
                self.assertTrue(filecmp.cmp(self.path(name), os.path.join(DATA, *name.split("\\")),
                                            shallow=False))

    def test_check_reads_everything_back(self):
        self.assertEqual(ms.check(self.root), sum(len(c["slides"]) for c in ms.CHAPTERS))

    def test_check_finds_damage(self):
        def truncate_emf():
            with open(self.path("FrontPic.emf"), "r+b") as f:
                f.truncate(os.path.getsize(self.path("FrontPic.emf")) - 20)

        def wrong_byte_count():
            with open(self.path("FrontPic.emf"), "r+b") as f:
                f.seek(48)
                f.write(struct.pack("<I", 12))

        def lf_chapter():
            name = self.path(ms.chapter_file_name(ms.CHAPTER1))
            with open(name, "rb") as f:
                data = f.read()
            with open(name, "wb") as f:
                f.write(data.replace(b"\r\n", b"\n"))

        def missing_picture():
            os.remove(self.path(ms.picture_name(ms.CHAPTER2, 3)))

        def short_chapter():
            name = self.path(ms.chapter_file_name(ms.CHAPTER2))
            with open(name, "rb") as f:
                lines = f.read().split(b"\r\n")
            with open(name, "wb") as f:
                f.write(b"\r\n".join(lines[:-3]) + b"\r\n")

        for damage in (truncate_emf, wrong_byte_count, lf_chapter, missing_picture, short_chapter):
            with self.subTest(damage=damage.__name__):
                ms.generate(self.root)
                damage()
                with self.assertRaises((ValueError, OSError)):
                    ms.check(self.root)


class FrontPicture(unittest.TestCase):
    def test_header_matches_the_records(self):
        data = ms.front_picture()
        types = ms.check_emf(data)
        rtype, size = struct.unpack_from("<II", data, 0)
        self.assertEqual(rtype, ms.EMR_HEADER)
        self.assertEqual(size % 4, 0)
        self.assertEqual(struct.unpack_from("<iiii", data, 8), (0, 0, 799, 599))
        # The frame in 0.01 mm follows from the reference device's pixels and millimetres.
        self.assertEqual(struct.unpack_from("<iiii", data, 24), (0, 0, 24999, 18749))
        self.assertEqual(struct.unpack_from("<II", data, 48), (len(data), len(types)))
        self.assertEqual(types[0], ms.EMR_HEADER)
        self.assertEqual(types[-1], ms.EMR_EOF)
        self.assertIn(ms.EMR_EXTTEXTOUTW, types)
        self.assertIn(ms.EMR_RECTANGLE, types)
        # Every object created is deleted again.
        creates = sum(types.count(t) for t in (ms.EMR_CREATEPEN, ms.EMR_CREATEBRUSHINDIRECT,
                                               ms.EMR_EXTCREATEFONTINDIRECTW))
        self.assertEqual(creates, types.count(ms.EMR_DELETEOBJECT))

    def test_colour_is_stored_blue_green_red(self):
        self.assertEqual(ms.rgb("#102030"), 0x302010)


class Texts(unittest.TestCase):
    def test_quote_refuses_breaking_text(self):
        for bad in ('a "b"', "a\r\nb"):
            with self.subTest(bad=bad):
                with self.assertRaises(ValueError):
                    ms.q(bad)

    def test_every_title_starts_with_its_number_and_a_blank(self):
        for chapter in ms.CHAPTERS:
            self.assertTrue(6 <= len(chapter["slides"]) <= 10)
            for i, slide in enumerate(chapter["slides"], 1):
                self.assertTrue(slide["title"].startswith("%d " % i), slide["title"])

    def test_svg_text_is_escaped(self):
        svg = ms.slide_svg(ms.CHAPTER1, 1, 1, {"title": "1 A < B & C", "lines": ["x > y"],
                                              "diagram": None, "note": ""})
        self.assertIn("A &lt; B &amp; C", svg)
        ms.check_svg("t.svg", svg.encode("utf-8"))


if __name__ == "__main__":
    unittest.main()
