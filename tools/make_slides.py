#!/usr/bin/env python3
"""Generate and check the explanatory slides of Ostrevo's sample data folder.

Writes, from the tables in this script:
  data/LCA.TXT                  slide book of the slide viewer (two chapters)
  data/Ch1/Ch1Slides.txt        chapter "About LCA"
  data/Ch1/Slide<nn>.svg        its slide pictures
  data/Ch2/Ch2Slides.txt        chapter "About this Program"
  data/Ch2/Slide<nn>.svg        its slide pictures
  data/FrontPic.emf             front picture, an enhanced metafile

then reads every file back in the layouts the programs read them and checks
the metafile record by record.

  python3 tools/make_slides.py             generate, then check
  python3 tools/make_slides.py --check     only check the files on disk
  python3 tools/make_slides.py --root DIR  write under DIR instead of the repository

Python 3 standard library only.
"""

import argparse
import os
import struct
import sys
import xml.etree.ElementTree as ET

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CRLF = "\r\n"

# Slides are drawn on 800 x 600 units: the 4:3 shape of the picture areas
# (8000 x 6000 twips in Ostrevo, 12000 x 9000 in Vistrel).
WIDTH, HEIGHT = 800, 600

INK = "#1f2d3a"
TEAL = "#1d5c63"
LIGHT = "#e6f0ef"
ACCENT = "#d9822b"
GREEN = "#4f8a3c"
GREY = "#6b7780"
FONT = "DejaVu Sans, Arial, Helvetica, sans-serif"

# ---------------------------------------------------------------------------
# Slide contents. Each slide: title (its number, a blank, then the words the
# viewer's title search looks at), text lines, an optional diagram drawn
# under or beside them, and a note (kept in the chapter file, not shown).
# ---------------------------------------------------------------------------

BOOK_TITLE = "Ostrevo Slides"

CHAPTER1 = {
    "folder": "Ch1",
    "title": "About LCA",
    "slides": [
        {
            "title": "1 What is Life-Cycle Assessment?",
            "lines": [
                "Life-cycle assessment (LCA) counts the environmental",
                "impacts of a building over its whole life: from making",
                "its materials, through decades of use, to demolition.",
                "",
                "Life-cycle costing (LCC) counts the money spent over",
                "the same life, brought back to its value today.",
                "",
                "Together they show which design is better for the",
                "environment and for the owner, not only on day one.",
            ],
            "diagram": None,
            "note": "Introduces LCA and LCC as two views of the same building life.",
        },
        {
            "title": "2 Life-Cycle Stages",
            "lines": [
                "Impacts are counted in four stages; their sum is the",
                "whole life cycle of the building.",
            ],
            "diagram": "stages",
            "note": "The four stages and the whole life cycle as their sum.",
        },
        {
            "title": "3 From Quantities to Impacts",
            "lines": [
                "Each element of the building is turned into amounts of",
                "materials: m3 of concrete, kg of steel, m2 of membrane.",
                "",
                "The LCIA database gives, per unit of each material, its",
                "ten impact factors, its energy and its solid waste.",
                "",
                "Amount x factor, added over every material, element,",
                "component and group, gives the building's impacts.",
            ],
            "diagram": "quantities",
            "note": "Inventory amounts times database factors give the characterised impacts.",
        },
        {
            "title": "4 Ten Impact Categories",
            "lines": [],
            "diagram": "categories",
            "note": "The ten categories with their reference units.",
        },
        {
            "title": "5 Normalisation",
            "lines": [
                "The categories have different units and magnitudes, so",
                "each result is divided by a normalisation factor: the",
                "size of that impact in a reference situation.",
                "",
                "Normalised results have no unit and can be compared:",
                "a value of 2 is twice the reference, whatever the",
                "category.",
            ],
            "diagram": "normalise",
            "note": "Dividing by the normalisation factors makes the categories comparable.",
        },
        {
            "title": "6 Weighting into One Score",
            "lines": [
                "Weighting factors state how much each category counts.",
                "The weighted, normalised categories are added up into",
                "one environmental score; cost carries a weight of its",
                "own, so impacts and cost can be set against each other.",
                "The weights can be changed to test other priorities.",
            ],
            "diagram": "weighting",
            "note": "Weighted sum of the normalised categories; cost is weighted too.",
        },
        {
            "title": "7 Life-Cycle Cost over 50 Years",
            "lines": [
                "The life-cycle cost follows the building for 50 years:",
                "the initial cost, every replacement of parts whose life",
                "is shorter, the yearly energy bills, and demolition.",
            ],
            "diagram": "timeline",
            "note": "Cash flows over the 50-year life: initial, replacements, energy, demolition.",
        },
        {
            "title": "8 Present Worth",
            "lines": [
                "Money spent in later years is worth less today. Each",
                "future cost is discounted to its present worth:",
            ],
            "diagram": "present_worth",
            "note": "Discounting with the real discount rate; energy prices may escalate.",
        },
        {
            "title": "9 Comparing Designs",
            "lines": [
                "Results are kept for three cases: a reference design,",
                "an alternative, and the current calculation.",
                "",
                "Tables and charts show them side by side per stage,",
                "per category and per part of the building, so the",
                "effect of a design change is seen at once.",
            ],
            "diagram": "compare",
            "note": "Reference, alternative and current cases side by side.",
        },
    ],
}

CHAPTER2 = {
    "folder": "Ch2",
    "title": "About this Program",
    "slides": [
        {
            "title": "1 Getting Started",
            "lines": [
                "The main window holds the project name and file, a",
                "message panel that logs every step, and the menus:",
                "",
                "File\tdatabase and project files",
                "Edit\tbuilding input, energy model, weightings",
                "Write\tinput summaries",
                "Run\timpact, cost and operating energy",
                "View\tresults and charts",
                "SlideShow\tthese slides",
            ],
            "diagram": None,
            "note": "The main window and its menus.",
        },
        {
            "title": "2 Open the Database",
            "lines": [
                "File > Open LCIA/LCC Database loads the material",
                "database MATLCIA.IDB with its profile MATLCIA.ILF.",
                "",
                "The folder of the database is the data folder: it also",
                "holds the element libraries, the weather data and",
                "these slides. It is remembered, so the next start",
                "loads the database without asking.",
            ],
            "diagram": None,
            "note": "Opening the LCIA database fixes the data folder.",
        },
        {
            "title": "3 Create or Open a Project",
            "lines": [
                "File > Creat New Project makes a project folder and",
                "names the project file; File > Open Project reads one.",
                "",
                "Type the project name and press Enter to start",
                "composing the building. File > Save Project writes",
                "the project file; Exit asks before unsaved work",
                "is lost.",
            ],
            "diagram": None,
            "note": "Project files hold the building's groups.",
        },
        {
            "title": "4 Compose the Building",
            "lines": [
                "A building is made of groups, groups of components,",
                "components of elements, elements of materials.",
            ],
            "diagram": "tree",
            "note": "Groups, components, elements and materials.",
        },
        {
            "title": "5 Elements and Materials",
            "lines": [
                "Each element has a type from an element library:",
                "pile caps, RC walls, curtain walling, ceilings, pumps,",
                "luminaires ... Enter its sizes (a thickness, an area,",
                "a number of units) and the library's formulas work out",
                "the amounts of its materials, with wastage and life.",
                "",
                "A generic element names its materials and amounts",
                "directly.",
            ],
            "diagram": None,
            "note": "Element types compute material amounts from their sizes.",
        },
        {
            "title": "6 Run the Calculations",
            "lines": [
                "Run > Calculate Life Cycle Impact works through the",
                "four stages and reports each in the message panel.",
                "",
                "Run > Calculate Life Cycle Cost does the same for the",
                "cost over 50 years and opens the cost results.",
            ],
            "diagram": "run",
            "note": "The Run menu's impact and cost calculations.",
        },
        {
            "title": "7 View the Results",
            "lines": [
                "View > Overall Results shows the impacts per stage and",
                "category, normalised and weighted, for the whole",
                "building or any part of it. Keep a result as the",
                "reference or the alternative, save it, export it to a",
                "comma-separated file, or chart it.",
                "",
                "View > LCC Results shows the life-cycle cost.",
            ],
            "diagram": None,
            "note": "Results tables, cases, files and charts.",
        },
        {
            "title": "8 Operating Energy",
            "lines": [
                "Edit > Energy Use Modelling Input describes zones,",
                "rooms, walls and windows, their constructions, the",
                "air-side systems and the central plant.",
                "",
                "Run > Calculate Operating Energy Use simulates the",
                "building hour by hour over a year of weather and",
                "gives the annual energy of every system; confirm it",
                "and it feeds the operating energy stage.",
            ],
            "diagram": None,
            "note": "Energy model, hourly simulation and confirmed annual energy.",
        },
    ],
}

CHAPTERS = [CHAPTER1, CHAPTER2]

# ---------------------------------------------------------------------------
# SVG slides
# ---------------------------------------------------------------------------


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def text(x, y, s, size=22, fill=INK, weight="normal", anchor="start"):
    return ('<text x="%g" y="%g" font-family="%s" font-size="%g" font-weight="%s" '
            'text-anchor="%s" fill="%s">%s</text>' % (x, y, FONT, size, weight, anchor, fill, esc(s)))


def rect(x, y, w, h, fill, stroke="none", rx=0, width=2):
    return ('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s" stroke="%s" '
            'stroke-width="%g"/>' % (x, y, w, h, rx, fill, stroke, width))


def line(x1, y1, x2, y2, stroke=INK, width=2):
    return '<line x1="%g" y1="%g" x2="%g" y2="%g" stroke="%s" stroke-width="%g"/>' % (
        x1, y1, x2, y2, stroke, width)


def arrow(x1, y1, x2, y2, stroke=INK):
    """A line with a filled head at (x2, y2); horizontal or vertical."""
    parts = [line(x1, y1, x2, y2, stroke, 3)]
    if y1 == y2:
        d = 1 if x2 > x1 else -1
        head = "%g,%g %g,%g %g,%g" % (x2, y2, x2 - 12 * d, y2 - 7, x2 - 12 * d, y2 + 7)
    else:
        d = 1 if y2 > y1 else -1
        head = "%g,%g %g,%g %g,%g" % (x2, y2, x2 - 7, y2 - 12 * d, x2 + 7, y2 - 12 * d)
    parts.append('<polygon points="%s" fill="%s"/>' % (head, stroke))
    return "".join(parts)


def box(x, y, w, h, label_lines, fill=LIGHT, stroke=TEAL, size=18):
    parts = [rect(x, y, w, h, fill, stroke, 8)]
    n = len(label_lines)
    top = y + h / 2 - (n - 1) * (size + 4) / 2 + size * 0.35
    for i, s in enumerate(label_lines):
        parts.append(text(x + w / 2, top + i * (size + 4), s, size, INK, "bold", "middle"))
    return "".join(parts)


def diagram_stages():
    names = [["1", "As Built"], ["2", "Operating", "(Mat'l.)"], ["3", "Operating", "(Energy)"],
             ["4", "Demolition", "Waste"]]
    parts = []
    x = 40
    for i, n in enumerate(names):
        parts.append(box(x, 250, 160, 110, n))
        if i < 3:
            parts.append(arrow(x + 160, 305, x + 186, 305))
        x += 186
    parts.append(rect(40, 400, 718, 70, "#fdf1e4", ACCENT, 8))
    parts.append(text(399, 444, "0  Whole life cycle = 1 + 2 + 3 + 4", 24, INK, "bold", "middle"))
    parts.append(text(40, 520, "Materials made and built in; materials replaced and maintained;", 18, GREY))
    parts.append(text(40, 546, "energy used by the building's systems; waste at demolition.", 18, GREY))
    return "".join(parts)


def diagram_quantities():
    parts = [box(40, 440, 200, 70, ["Element sizes"]), arrow(240, 475, 290, 475),
             box(290, 440, 200, 70, ["Material amounts"]), arrow(490, 475, 540, 475),
             box(540, 440, 220, 70, ["Impacts, energy,", "solid waste"], "#fdf1e4", ACCENT)]
    parts.append(text(515, 532, "x factors of the LCIA database", 16, GREY, "normal", "middle"))
    return "".join(parts)


CATEGORIES = [
    ("Abiotic Depletion", "kg Sb eq."),
    ("Global Warming", "kg CO2 eq."),
    ("Ozone Layer Depletion", "kg CFC-11 eq."),
    ("Human Toxicity", "kg 1,4-DB eq."),
    ("Fresh Water Aquatic Ecotoxicity", "kg 1,4-DB eq."),
    ("Marine Aquatic Ecotoxicity", "kg 1,4-DB eq."),
    ("Terrestrial Ecotoxicity", "kg 1,4-DB eq."),
    ("Photochemical Oxidation", "kg C2H2"),
    ("Acidification", "kg SO2 eq."),
    ("Eutrophication", "kg PO4 eq."),
]


def diagram_categories():
    parts = []
    for i, (name, unit) in enumerate(CATEGORIES):
        y = 150 + i * 36
        if i % 2 == 0:
            parts.append(rect(40, y - 24, 720, 36, LIGHT))
        parts.append(text(60, y, "%2d" % (i + 1), 20, TEAL, "bold"))
        parts.append(text(100, y, name, 20))
        parts.append(text(740, y, unit, 20, GREY, "normal", "end"))
    parts.append(text(40, 540, "Besides them: energy use in MJ and solid waste in kg.", 20, INK, "bold"))
    return "".join(parts)


def bars(x0, base, values, colours, width=44, gap=14, scale=1.0):
    parts = [line(x0 - 10, base, x0 + len(values) * (width + gap), base, GREY, 2)]
    for i, v in enumerate(values):
        h = v * scale
        parts.append(rect(x0 + i * (width + gap), base - h, width, h, colours[i % len(colours)]))
    return "".join(parts)


def diagram_normalise():
    parts = [text(40, 400, "Results in their own units", 16, GREY),
             bars(50, 540, [10, 120, 2, 60], [GREY], 40, 12),
             arrow(280, 470, 360, 470),
             text(320, 455, "/ factor", 16, INK, "bold", "middle"),
             text(400, 400, "Normalised: comparable", 16, GREY),
             bars(410, 540, [70, 95, 40, 60], [TEAL], 40, 12)]
    return "".join(parts)


def diagram_weighting():
    parts = [bars(60, 540, [70, 95, 40, 60], [TEAL], 40, 12),
             text(160, 570, "normalised categories", 16, GREY, "normal", "middle"),
             arrow(290, 470, 380, 470),
             text(335, 455, "x weights", 16, INK, "bold", "middle"),
             rect(420, 540 - 58, 120, 58, TEAL), rect(420, 482 - 46, 120, 46, "#2f7f88"),
             rect(420, 436 - 20, 120, 20, "#4d9ba3"), rect(420, 416 - 30, 120, 30, "#7cb8be"),
             text(480, 570, "one score", 16, GREY, "normal", "middle"),
             rect(600, 440, 120, 100, GREEN), text(660, 570, "cost", 16, GREY, "normal", "middle")]
    return "".join(parts)


def diagram_timeline():
    parts = [arrow(60, 470, 760, 470, GREY)]
    for year in (0, 10, 20, 30, 40, 50):
        x = 60 + year * 13
        parts.append(line(x, 464, x, 476, GREY, 2))
        parts.append(text(x, 500, str(year), 16, GREY, "normal", "middle"))
    parts.append(text(760, 528, "years", 16, GREY, "normal", "end"))
    parts.append(rect(52, 290, 16, 170, TEAL))                 # initial cost
    for year in range(1, 51):                                  # energy bills
        parts.append(rect(60 + year * 13 - 4, 440, 8, 20, ACCENT))
    for year in (15, 30, 45):                                  # replacements
        parts.append(rect(60 + year * 13 - 6, 380, 12, 80, GREEN))
    parts.append(rect(60 + 50 * 13 - 6, 400, 12, 60, GREY))    # demolition
    parts.append(rect(420, 250, 16, 16, TEAL))
    parts.append(text(444, 264, "initial cost", 16))
    parts.append(rect(420, 276, 16, 16, GREEN))
    parts.append(text(444, 290, "replacements", 16))
    parts.append(rect(420, 302, 16, 16, ACCENT))
    parts.append(text(444, 316, "energy, every year", 16))
    parts.append(rect(420, 328, 16, 16, GREY))
    parts.append(text(444, 342, "demolition", 16))
    return "".join(parts)


def diagram_present_worth():
    parts = [rect(60, 230, 680, 90, LIGHT, TEAL, 8),
             text(400, 288, "PW = C / (1 + r) ^ n", 34, INK, "bold", "middle"),
             text(70, 370, "C", 20, TEAL, "bold"), text(110, 370, "the cost in year n", 20),
             text(70, 402, "r", 20, TEAL, "bold"), text(110, 402, "the real discount rate (1 + i) / (1 + f) - 1", 20),
             text(70, 434, "i, f", 20, TEAL, "bold"), text(110, 434, "the nominal interest and the inflation rate", 20),
             text(60, 490, "Energy bills also grow with the energy price escalation.", 20),
             text(60, 522, "The life-cycle cost is the sum of all present worths.", 20, INK, "bold")]
    return "".join(parts)


def diagram_compare():
    parts = [text(60, 420, "score", 16, GREY)]
    for i, (label, value, colour) in enumerate(
            [("Reference", 120, GREY), ("Alternative", 90, TEAL), ("Current", 75, ACCENT)]):
        x = 180 + i * 180
        parts.append(rect(x, 540 - value, 100, value, colour))
        parts.append(text(x + 50, 570, label, 18, INK, "normal", "middle"))
    parts.append(line(160, 540, 720, 540, GREY, 2))
    return "".join(parts)


def diagram_tree():
    parts = [box(300, 212, 200, 44, ["Building"], "#fdf1e4", ACCENT)]
    for name, x in [("Foundation", 90), ("Floor", 300), ("Services", 510)]:
        parts.append(line(400, 256, 400, 268))
        parts.append(line(x + 100, 268, 400, 268))
        parts.append(arrow(x + 100, 268, x + 100, 284))
        parts.append(box(x, 284, 200, 42, [name + " groups"], size=16))
    for i, name in enumerate(["Components", "Elements", "Materials"]):
        top = 354 + i * 70
        parts.append(arrow(400, top - 28, 400, top))
        parts.append(box(300, top, 200, 42, [name], size=16))
    parts.append(text(520, 381, "up to 101 per group", 15, GREY))
    parts.append(text(520, 451, "up to 20 per component", 15, GREY))
    return "".join(parts)


def diagram_run():
    parts = []
    steps = ["As Built", "Operating (Mat'l.)", "Operating (Energy)", "Demolition Waste"]
    for i, s in enumerate(steps):
        y = 350 + i * 50
        parts.append(text(80, y, "Stage %d in progress" % (i + 1), 18))
        parts.append(text(440, y, s, 18, GREY))
    parts.append(rect(60, 320, 680, 210, "none", TEAL, 8))
    return "".join(parts)


DIAGRAMS = {
    "stages": diagram_stages,
    "quantities": diagram_quantities,
    "categories": diagram_categories,
    "normalise": diagram_normalise,
    "weighting": diagram_weighting,
    "timeline": diagram_timeline,
    "present_worth": diagram_present_worth,
    "compare": diagram_compare,
    "tree": diagram_tree,
    "run": diagram_run,
}


def slide_svg(chapter, number, count, slide):
    title = slide["title"].split(" ", 1)[1]
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
        % (WIDTH, HEIGHT, WIDTH, HEIGHT),
        rect(0, 0, WIDTH, HEIGHT, "#ffffff"),
        rect(0, 0, WIDTH, 96, TEAL),
        text(40, 62, title, 34, "#ffffff", "bold"),
        rect(0, 96, WIDTH, 6, ACCENT),
    ]
    y = 150
    for s in slide["lines"]:
        if "\t" in s:  # a term and its explanation in two columns
            term, rest = s.split("\t")
            parts.append(text(40, y, term, 22, TEAL, "bold"))
            parts.append(text(200, y, rest, 22))
        elif s:
            parts.append(text(40, y, s, 22))
        y += 31
    if slide["diagram"]:
        parts.append(DIAGRAMS[slide["diagram"]]())
    parts.append(line(40, 578, 760, 578, LIGHT, 2))
    parts.append(text(40, 594, "Ostrevo  -  " + chapter["title"], 13, GREY))
    parts.append(text(760, 594, "%d / %d" % (number, count), 13, GREY, "normal", "end"))
    parts.append("</svg>")
    return CRLF.join(parts) + CRLF


# ---------------------------------------------------------------------------
# Chapter files and the slide book
# ---------------------------------------------------------------------------


def q(s):
    if '"' in s or "\r" in s or "\n" in s:
        raise ValueError("text cannot be written as a quoted item: %r" % s)
    return '"' + s + '"'


def picture_name(chapter, number):
    return "%s\\Slide%02d.svg" % (chapter["folder"], number)


def chapter_file_name(chapter):
    return "%s\\%sSlides.txt" % (chapter["folder"], chapter["folder"])


def chapter_text(chapter):
    slides = chapter["slides"]
    out = [q(chapter["title"]), str(len(slides))]
    for i, s in enumerate(slides, 1):
        out.append(",".join([q(s["title"]), q(picture_name(chapter, i)), q(s["note"])]))
    return CRLF.join(out) + CRLF


def book_text(chapters):
    out = [q(BOOK_TITLE), str(len(chapters))]
    for c in chapters:
        out.append(q(c["title"]) + "," + q(chapter_file_name(c)))
    return CRLF.join(out) + CRLF


# ---------------------------------------------------------------------------
# The front picture: an enhanced metafile written record by record.
# ---------------------------------------------------------------------------

EMR_HEADER = 1
EMR_SETMAPMODE = 17
EMR_SETBKMODE = 18
EMR_SETTEXTALIGN = 22
EMR_SETTEXTCOLOR = 24
EMR_MOVETOEX = 27
EMR_SELECTOBJECT = 37
EMR_CREATEPEN = 38
EMR_CREATEBRUSHINDIRECT = 39
EMR_DELETEOBJECT = 40
EMR_ELLIPSE = 42
EMR_RECTANGLE = 43
EMR_LINETO = 54
EMR_EXTCREATEFONTINDIRECTW = 82
EMR_EXTTEXTOUTW = 84
EMR_POLYGON16 = 86
EMR_EOF = 14

MM_TEXT = 1
TRANSPARENT = 1
TA_CENTER_BASELINE = 6 | 24
PS_SOLID, PS_NULL = 0, 5
BS_SOLID = 0
FW_NORMAL, FW_BOLD = 400, 700
GM_COMPATIBLE = 1
# Stock objects, selected in place of an object about to be deleted.
NULL_BRUSH = 0x80000005
BLACK_PEN = 0x80000007
NULL_PEN = 0x80000008
SYSTEM_FONT = 0x8000000D

# The picture: 800 x 600 pixels of a 1024 x 768 device of 320 x 240 mm.
EMF_W, EMF_H = 800, 600
DEVICE_PX = (1024, 768)
DEVICE_MM = (320, 240)


def rgb(colour):
    """A COLORREF from "#rrggbb": 0x00bbggrr."""
    r, g, b = int(colour[1:3], 16), int(colour[3:5], 16), int(colour[5:7], 16)
    return r | (g << 8) | (b << 16)


class Metafile:
    """Collects EMF records and writes them after a matching header."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.records = []
        self.next_handle = 1
        self.max_handle = 0

    def record(self, rtype, payload):
        if len(payload) % 4:
            payload += b"\0" * (4 - len(payload) % 4)
        self.records.append(struct.pack("<II", rtype, 8 + len(payload)) + payload)

    def handle(self):
        h = self.next_handle
        self.next_handle += 1
        self.max_handle = max(self.max_handle, h)
        return h

    def release(self, h, stock):
        """Selects a stock object in place of `h`, then deletes `h`."""
        self.select(stock)
        self.record(EMR_DELETEOBJECT, struct.pack("<I", h))
        if h == self.next_handle - 1:
            self.next_handle -= 1

    # ---- state ----
    def map_mode(self, mode):
        self.record(EMR_SETMAPMODE, struct.pack("<I", mode))

    def bk_mode(self, mode):
        self.record(EMR_SETBKMODE, struct.pack("<I", mode))

    def text_align(self, mode):
        self.record(EMR_SETTEXTALIGN, struct.pack("<I", mode))

    def text_colour(self, colour):
        self.record(EMR_SETTEXTCOLOR, struct.pack("<I", rgb(colour)))

    def select(self, h):
        self.record(EMR_SELECTOBJECT, struct.pack("<I", h))

    # ---- objects ----
    def pen(self, colour, width=1, style=PS_SOLID):
        h = self.handle()
        self.record(EMR_CREATEPEN, struct.pack("<IIiiI", h, style, width, 0, rgb(colour)))
        return h

    def brush(self, colour):
        h = self.handle()
        self.record(EMR_CREATEBRUSHINDIRECT, struct.pack("<IIII", h, BS_SOLID, rgb(colour), 0))
        return h

    def font(self, height, weight=FW_NORMAL, face="Arial"):
        h = self.handle()
        name = face.encode("utf-16-le")[:62].ljust(64, b"\0")
        logfont = struct.pack("<iiiiiBBBBBBBB", -height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0x22) + name
        assert len(logfont) == 92
        self.record(EMR_EXTCREATEFONTINDIRECTW, struct.pack("<I", h) + logfont)
        return h

    # ---- drawing ----
    def rectangle(self, left, top, right, bottom):
        self.record(EMR_RECTANGLE, struct.pack("<iiii", left, top, right, bottom))

    def ellipse(self, left, top, right, bottom):
        self.record(EMR_ELLIPSE, struct.pack("<iiii", left, top, right, bottom))

    def polygon(self, points):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        payload = struct.pack("<iiiiI", min(xs), min(ys), max(xs), max(ys), len(points))
        for x, y in points:
            payload += struct.pack("<hh", x, y)
        self.record(EMR_POLYGON16, payload)

    def move_to(self, x, y):
        self.record(EMR_MOVETOEX, struct.pack("<ii", x, y))

    def line_to(self, x, y):
        self.record(EMR_LINETO, struct.pack("<ii", x, y))

    def text_out(self, x, y, s, height):
        """One line of text at reference point (x, y), with advances
        estimated at 0.55 of the character height."""
        chars = s.encode("utf-16-le")
        n = len(s)
        advance = max(1, int(height * 0.55))
        half = n * advance // 2
        bounds = struct.pack("<iiii", x - half, y - height, x + half, y + height // 4)
        fixed = 8 + 16 + 4 + 4 + 4 + 40  # record head, bounds, mode, scales, EMRTEXT
        off_string = fixed
        string_bytes = chars + b"\0" * ((4 - len(chars) % 4) % 4)
        off_dx = off_string + len(string_bytes)
        emrtext = struct.pack("<iiIIIiiiiI", x, y, n, off_string, 0, 0, 0, -1, -1, off_dx)
        payload = bounds + struct.pack("<Iff", GM_COMPATIBLE, 0.0, 0.0) + emrtext
        payload += string_bytes + struct.pack("<%di" % n, *([advance] * n))
        self.record(EMR_EXTTEXTOUTW, payload)

    # ---- the file ----
    def bytes(self):
        eof = struct.pack("<IIIII", EMR_EOF, 20, 0, 16, 20)
        description = ("Ostrevo\0Front picture\0\0").encode("utf-16-le")
        padding = b"\0" * ((4 - len(description) % 4) % 4)
        header_size = 108 + len(description) + len(padding)
        records = b"".join(self.records) + eof
        n_records = len(self.records) + 2
        total = header_size + len(records)
        mm_per_px_x = DEVICE_MM[0] / DEVICE_PX[0]
        mm_per_px_y = DEVICE_MM[1] / DEVICE_PX[1]
        frame_right = round(self.width * mm_per_px_x * 100) - 1
        frame_bottom = round(self.height * mm_per_px_y * 100) - 1
        header = struct.pack(
            "<II" "iiii" "iiii" "IIIIHH" "III" "ii" "ii" "III" "ii",
            EMR_HEADER, header_size,
            0, 0, self.width - 1, self.height - 1,          # bounds, device units, inclusive
            0, 0, frame_right, frame_bottom,                # frame, 0.01 mm, inclusive
            0x464D4520, 0x00010000, total, n_records,       # " EMF", version, bytes, records
            self.max_handle + 1, 0,                         # handles (index 0 reserved), reserved
            len(description) // 2, 108, 0,                  # description chars and offset, palette
            DEVICE_PX[0], DEVICE_PX[1],                     # reference device, pixels
            DEVICE_MM[0], DEVICE_MM[1],                     # reference device, millimetres
            0, 0, 0,                                        # no pixel format, no OpenGL
            DEVICE_MM[0] * 1000, DEVICE_MM[1] * 1000)       # reference device, micrometres
        assert len(header) == 108
        return header + description + padding + records


def front_picture():
    m = Metafile(EMF_W, EMF_H)
    m.map_mode(MM_TEXT)
    m.bk_mode(TRANSPARENT)
    no_pen = m.pen("#000000", 0, PS_NULL)
    m.select(no_pen)

    def filled(colour, draw):
        b = m.brush(colour)
        m.select(b)
        draw()
        m.release(b, NULL_BRUSH)

    filled("#ffffff", lambda: m.rectangle(0, 0, EMF_W, EMF_H))
    filled(TEAL, lambda: m.rectangle(0, 0, EMF_W, 150))
    filled(ACCENT, lambda: m.rectangle(0, 150, EMF_W, 160))
    filled("#f2c14e", lambda: m.ellipse(600, 300, 700, 400))  # the sun
    filled(GREEN, lambda: m.rectangle(0, 520, EMF_W, EMF_H))  # ground
    # An office building: body, roof plant, windows, entrance.
    filled("#8fa3ad", lambda: m.rectangle(300, 250, 500, 520))
    filled(GREY, lambda: m.rectangle(340, 228, 420, 250))
    filled("#cfe3ea", lambda: [m.rectangle(320 + c * 45, 270 + r * 40, 350 + c * 45, 296 + r * 40)
                               for r in range(5) for c in range(4)])
    filled(INK, lambda: m.rectangle(382, 474, 418, 520))
    # A tree, left of the building.
    filled("#7a5a3a", lambda: m.rectangle(206, 450, 216, 520))
    filled(GREEN, lambda: m.polygon([(211, 380), (250, 460), (172, 460)]))
    # The life cycle: an arrow from the ground round the building.
    p = m.pen(TEAL, 1)
    m.select(p)
    m.move_to(540, 520)
    m.line_to(540, 212)
    m.line_to(270, 212)
    m.release(p, NULL_PEN)
    filled(TEAL, lambda: [m.rectangle(536, 212, 544, 520), m.rectangle(270, 208, 544, 216)])
    filled(TEAL, lambda: m.polygon([(272, 198), (272, 226), (248, 212)]))

    m.text_align(TA_CENTER_BASELINE)
    m.text_colour("#ffffff")
    big = m.font(56, FW_BOLD)
    m.select(big)
    m.text_out(EMF_W // 2, 84, "Ostrevo", 56)
    m.release(big, SYSTEM_FONT)
    small = m.font(24)
    m.select(small)
    m.text_out(EMF_W // 2, 126, "Life-Cycle Assessment and Costing of Buildings", 24)
    m.text_colour(INK)
    m.text_out(EMF_W // 2, 190, "Choose a chapter to see its slides", 24)
    m.text_colour("#ffffff")
    m.text_out(EMF_W // 2, 572, "As built  -  Operating  -  Demolition", 24)
    m.release(small, SYSTEM_FONT)
    m.release(no_pen, BLACK_PEN)
    return m.bytes()


# ---------------------------------------------------------------------------
# Reading back
# ---------------------------------------------------------------------------


class ItemReader:
    """Reads comma-separated items as the programs do: a comma or a line end
    ends an item, strings are in double quotes."""

    def __init__(self, data):
        self.text = data
        self.pos = 0

    def item(self):
        t = self.text
        if self.pos >= len(t):
            raise ValueError("unexpected end of file")
        while self.pos < len(t) and t[self.pos] in " \t":
            self.pos += 1
        if self.pos < len(t) and t[self.pos] == '"':
            close = t.find('"', self.pos + 1)
            end = t.find("\r", self.pos + 1)
            if close < 0 or (0 <= end < close):
                raise ValueError("unterminated text item")
            value = t[self.pos + 1:close]
            self.pos = close + 1
        else:
            start = self.pos
            while self.pos < len(t) and t[self.pos] not in ",\r\n":
                self.pos += 1
            value = t[start:self.pos].strip()
        if self.pos < len(t) and t[self.pos] == ",":
            self.pos += 1
        elif t.startswith("\r\n", self.pos):
            self.pos += 2
        elif self.pos < len(t):
            raise ValueError("unexpected characters after an item")
        return value

    def integer(self):
        return int(self.item())


def read_file(root, relative):
    with open(os.path.join(root, *relative.split("\\")), "rb") as f:
        return f.read()


def check_crlf(name, data):
    if b"\n" in data.replace(b"\r\n", b""):
        raise ValueError("%s: a line does not end in CR LF" % name)


def read_chapter(root, relative):
    data = read_file(root, relative)
    check_crlf(relative, data)
    r = ItemReader(data.decode("ascii"))
    title = r.item()
    count = r.integer()
    if not 0 <= count <= 300:
        raise ValueError("%s: %d slides" % (relative, count))
    slides = [(r.item(), r.item(), r.item()) for _ in range(count)]
    if r.pos != len(r.text):
        raise ValueError("%s: text after the last slide" % relative)
    return title, slides


def read_book(root):
    data = read_file(root, "LCA.TXT")
    check_crlf("LCA.TXT", data)
    r = ItemReader(data.decode("ascii"))
    title = r.item()
    count = r.integer()
    if not 0 <= count <= 50:
        raise ValueError("LCA.TXT: %d chapters" % count)
    chapters = [(r.item(), r.item()) for _ in range(count)]
    return title, chapters


def check_svg(name, data):
    check_crlf(name, data)
    root = ET.fromstring(data)
    if root.tag != "{http://www.w3.org/2000/svg}svg":
        raise ValueError("%s: not an SVG picture" % name)
    if (root.get("width"), root.get("height")) != (str(WIDTH), str(HEIGHT)):
        raise ValueError("%s: not %d x %d" % (name, WIDTH, HEIGHT))
    if not any(el.tag.endswith("text") and el.text for el in root.iter()):
        raise ValueError("%s: no text" % name)


def check_emf(data):
    """Checks the metafile as the picture loader does, and the header's
    totals against the records. Returns the record types in order."""
    def u32(at):
        return struct.unpack_from("<I", data, at)[0]

    if len(data) < 108 or u32(0) != EMR_HEADER or u32(40) != 0x464D4520:
        raise ValueError("FrontPic.emf: no EMF header")
    header_size = u32(4)
    n_desc, off_desc = u32(60), u32(64)
    if n_desc and (off_desc < 88 or off_desc + 2 * n_desc > header_size):
        raise ValueError("FrontPic.emf: description outside the header")
    if u32(48) != len(data):
        raise ValueError("FrontPic.emf: header says %d bytes, file has %d" % (u32(48), len(data)))
    left, top, right, bottom = struct.unpack_from("<iiii", data, 8)
    if (left, top) != (0, 0) or (right + 1) * 3 != (bottom + 1) * 4:
        raise ValueError("FrontPic.emf: bounds are not 4:3")
    types = []
    at = 0
    handles = u32(52 + 4) & 0xFFFF
    while at + 8 <= len(data):
        rtype, size = u32(at), u32(at + 4)
        if not 1 <= rtype <= 122 or size < 8 or size % 4 or at + size > len(data):
            raise ValueError("FrontPic.emf: bad record at %d" % at)
        if rtype in (EMR_CREATEPEN, EMR_CREATEBRUSHINDIRECT, EMR_EXTCREATEFONTINDIRECTW):
            if not 1 <= u32(at + 8) < handles:
                raise ValueError("FrontPic.emf: object handle beyond the header's count")
        if rtype == EMR_EXTTEXTOUTW:
            n, off_string, off_dx = u32(at + 44), u32(at + 48), u32(at + 72)
            if off_string + 2 * n > size or off_dx + 4 * n > size:
                raise ValueError("FrontPic.emf: text outside its record")
        types.append(rtype)
        at += size
        if rtype == EMR_EOF:
            break
    if at != len(data) or not types or types[-1] != EMR_EOF:
        raise ValueError("FrontPic.emf: does not end with EMR_EOF")
    if u32(52) != len(types):
        raise ValueError("FrontPic.emf: header says %d records, file has %d" % (u32(52), len(types)))
    return types


def check(root):
    """Reads the book, every chapter and picture, and the front picture."""
    title, chapters = read_book(root)
    if title != BOOK_TITLE or [c[0] for c in chapters] != [c["title"] for c in CHAPTERS]:
        raise ValueError("LCA.TXT: wrong chapters")
    total = 0
    for chapter_title, file_name in chapters:
        got_title, slides = read_chapter(root, file_name)
        if got_title != chapter_title:
            raise ValueError("%s: chapter title %r" % (file_name, got_title))
        if not 6 <= len(slides) <= 10:
            raise ValueError("%s: %d slides" % (file_name, len(slides)))
        for number, (slide_title, picture, _) in enumerate(slides, 1):
            if not slide_title.startswith("%d " % number):
                raise ValueError("%s: slide %d is titled %r" % (file_name, number, slide_title))
            check_svg(picture, read_file(root, picture))
            total += 1
    check_emf(read_file(root, "FrontPic.emf"))
    return total


# ---------------------------------------------------------------------------


def write(root, relative, data):
    path = os.path.join(root, *relative.split("\\"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if isinstance(data, str):
        data = data.encode("ascii")
    with open(path, "wb") as f:
        f.write(data)


def generate(root):
    write(root, "LCA.TXT", book_text(CHAPTERS))
    for chapter in CHAPTERS:
        write(root, chapter_file_name(chapter), chapter_text(chapter))
        count = len(chapter["slides"])
        for i, slide in enumerate(chapter["slides"], 1):
            write(root, picture_name(chapter, i), slide_svg(chapter, i, count, slide))
    write(root, "FrontPic.emf", front_picture())


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true", help="only check the files on disk")
    parser.add_argument("--root", default=os.path.join(REPO, "data"), help="the data folder to write")
    args = parser.parse_args(argv)
    if not args.check:
        generate(args.root)
    try:
        total = check(args.root)
    except (OSError, ValueError, ET.ParseError) as e:
        print("check failed: %s" % e, file=sys.stderr)
        return 1
    print("%d slides in %d chapters, front picture: checked" % (total, len(CHAPTERS)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
