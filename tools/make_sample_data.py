#!/usr/bin/env python3
"""Generate and check Ostrevo's sample data.

Writes, from the tables in this script:
  data/MATLCIA.IDB, data/MATLCIA.ILF         LCIA database and profile
  data/<LIB>/<LIB>.ELB                         the five element libraries
  data/<LIB>/E<n>.IMP, E<n>.CST                element default data files
  samples/office/                              sample project (composition files)
  tests/data/lcia/                             database reader fixtures

then re-reads every file item by item in the layouts the program reads them
and evaluates every element formula with the program's stack machine.

  python3 tools/make_sample_data.py            generate, then check
  python3 tools/make_sample_data.py --check    only check the files on disk
  python3 tools/make_sample_data.py --root DIR write under DIR instead of the repository

Python 3 standard library only.
"""

import argparse
import math
import os
import struct
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# ---------------------------------------------------------------------------
# Text of the data files: comma-separated items, strings in double quotes,
# numbers bare with '.', one record per line, CR LF.
# ---------------------------------------------------------------------------

CRLF = "\r\n"


def sig(x, n=4):
    """Round x to n significant digits."""
    if x == 0:
        return 0.0
    return round(x, n - 1 - int(math.floor(math.log10(abs(x)))))


def num(x):
    """A number as the data files hold it: at most 7 significant digits,
    shortest form, exponent form (1.2E-07) outside 1E-04 .. 1E+07."""
    if isinstance(x, int):
        return str(x)
    x = float(x)
    if x == 0:
        return "0"
    s = "%.7g" % x
    if "e" in s:
        mant, exp = s.split("e")
        if "." in mant:
            mant = mant.rstrip("0").rstrip(".")
        return "%sE%s%02d" % (mant, "-" if int(exp) < 0 else "+", abs(int(exp)))
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return s


def q(text):
    if '"' in text or "\r" in text or "\n" in text:
        raise ValueError("text would break a data file: %r" % text)
    return '"%s"' % text


def item(v):
    if isinstance(v, str):
        return q(v)
    return num(v)


def line(*items):
    return ",".join(item(v) for v in items)


def write_file(path, lines, final_newline=True):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = CRLF.join(lines) + (CRLF if final_newline else "")
    with open(path, "wb") as f:
        f.write(text.encode("ascii"))


# ---------------------------------------------------------------------------
# LCIA database.
#
# Impact categories, in file order:
#   1 abiotic depletion kg Sb eq.     2 global warming kg CO2 eq.
#   3 ozone depletion kg CFC-11 eq.   4..7 human, freshwater, marine,
#   terrestrial toxicity kg 1,4-DB eq.   8 photochemical oxidation kg C2H2
#   9 acidification kg SO2 eq.        10 eutrophication kg PO4 eq.
#
# Each material gets a cradle-to-gate global warming figure per kg and an
# impact profile: the other nine categories as ratios to global warming, typical
# of the process that dominates its production (cement kilns, steelmaking,
# smelting, fossil fuel combustion, polymer synthesis, forestry ...). Solid
# waste factors use one landfill profile scaled by the kg CO2 eq. that
# disposing of one kg of the material's waste class causes.
# ---------------------------------------------------------------------------

PROFILES = {
    #              ADP      GWP  ODP      HTP    FAETP  MAETP  TETP    POCP    AP      EP
    "cement":     (0.0026, 1.0, 4.0e-8, 0.095, 0.022, 85.0, 0.0012, 1.2e-4, 0.0024, 3.6e-4),
    "steel":      (0.0060, 1.0, 6.0e-8, 0.95, 0.16, 850.0, 0.0050, 4.2e-4, 0.0038, 3.8e-4),
    "aluminium":  (0.0052, 1.0, 7.0e-8, 0.62, 0.11, 1900.0, 0.0028, 4.0e-4, 0.0062, 4.2e-4),
    "copper":     (0.0110, 1.0, 5.0e-8, 12.5, 6.5, 9500.0, 0.16, 1.0e-3, 0.027, 1.1e-3),
    "energy":     (0.0068, 1.0, 8.0e-8, 0.12, 0.021, 310.0, 0.0008, 2.1e-4, 0.0050, 5.0e-4),
    "stone":      (0.0070, 1.0, 9.0e-8, 0.15, 0.025, 280.0, 0.0010, 3.0e-4, 0.0055, 5.5e-4),
    "polymer":    (0.0125, 1.0, 2.5e-8, 0.38, 0.048, 260.0, 0.0011, 6.2e-4, 0.0046, 6.0e-4),
    "timber":     (0.0060, 1.0, 1.1e-7, 0.30, 0.10, 210.0, 0.0095, 8.0e-4, 0.0072, 1.5e-3),
    "equipment":  (0.0085, 1.0, 9.0e-8, 2.6, 0.85, 2600.0, 0.021, 5.0e-4, 0.0085, 8.0e-4),
    "electricity": (0.0052, 1.0, 4.0e-8, 0.16, 0.019, 330.0, 0.0007, 1.6e-4, 0.0058, 4.5e-4),
    "gas":        (0.0088, 1.0, 1.6e-7, 0.045, 0.006, 60.0, 0.0002, 1.5e-4, 0.0012, 1.5e-4),
}

LANDFILL = (0.0066, 1.0, 1.0e-7, 0.35, 0.05, 60.0, 0.0008, 4.0e-4, 0.0060, 3.0e-3)

# kg CO2 eq. per kg of material disposed of as solid waste (transport, landfill
# operation, degradation).
WASTE_CO2 = {
    "inert": 0.006, "metal": 0.004, "polymer": 0.035, "timber": 0.2,
    "gypsum": 0.012, "mineral": 0.008, "equipment": 0.03, "aggregate": 0.003, "none": 0.0,
}


class Material:
    """One database record.

    mass: kg per unit of the material (1 for kg, the density for m3, the
    mass per m2, per item or per kW otherwise). gwp and mj are per kg; for the
    two energy carriers they are per MJ delivered (mass 1).
    """

    def __init__(self, no, name, unit, rho, k, cp, mass, gwp, profile, mj, waste, cost):
        self.no, self.name, self.unit = no, name, unit
        self.props = (rho, k, cp)
        self.mass, self.gwp, self.profile, self.mj = mass, gwp, profile, mj
        self.waste, self.cost = waste, cost

    def impacts(self):
        co2 = self.mass * self.gwp
        return [sig(co2 * r) for r in PROFILES[self.profile]]

    def energy(self):
        return sig(self.mass * self.mj)

    def waste_factors(self):
        co2 = self.mass * WASTE_CO2[self.waste]
        return [sig(co2 * r) for r in LANDFILL]

    def record(self, waste_file):
        factors = self.waste_factors() if waste_file else self.impacts()
        return line(self.no, self.name, self.unit, *self.props, *factors,
                    self.energy(), self.cost)


M = Material
STEEL = (7850, 50, 450)

# Building materials, numbers 1..99.
BUILDING = [
    # concretes, screeds, mortars (m3)
    M(1, "Concrete grade 15 (blinding)", "m3", 2300, 1.4, 900, 2300, 0.085, "cement", 0.65, "inert", 850),
    M(2, "Concrete grade 20", "m3", 2350, 1.5, 900, 2350, 0.095, "cement", 0.70, "inert", 900),
    M(3, "Concrete grade 30", "m3", 2400, 1.6, 900, 2400, 0.11, "cement", 0.78, "inert", 980),
    M(4, "Concrete grade 35", "m3", 2400, 1.7, 900, 2400, 0.12, "cement", 0.85, "inert", 1020),
    M(5, "Concrete grade 40", "m3", 2400, 1.75, 900, 2400, 0.13, "cement", 0.90, "inert", 1080),
    M(6, "Concrete grade 45", "m3", 2450, 1.8, 900, 2450, 0.14, "cement", 0.95, "inert", 1150),
    M(7, "Concrete grade 60", "m3", 2450, 1.9, 900, 2450, 0.165, "cement", 1.10, "inert", 1350),
    M(8, "Concrete grade 40 with 25% PFA", "m3", 2400, 1.7, 900, 2400, 0.105, "cement", 0.75, "inert", 1060),
    M(9, "Lightweight aggregate concrete", "m3", 1800, 0.8, 1000, 1800, 0.14, "cement", 1.20, "inert", 1250),
    M(10, "Precast concrete grade 45", "m3", 2450, 1.8, 900, 2450, 0.15, "cement", 1.20, "inert", 2200),
    M(11, "Cement sand screed", "m3", 2100, 1.4, 840, 2100, 0.16, "cement", 1.20, "inert", 1100),
    M(12, "Cement sand mortar", "m3", 2000, 0.9, 840, 2000, 0.18, "cement", 1.30, "inert", 1200),
    M(13, "Cement sand render", "m3", 1900, 0.9, 840, 1900, 0.17, "cement", 1.25, "inert", 1300),
    M(14, "Portland cement", "kg", 1500, 0.3, 800, 1, 0.91, "cement", 4.6, "inert", 1.2),
    M(15, "Sand", "kg", 1600, 0.3, 800, 1, 0.005, "stone", 0.08, "aggregate", 0.08),
    M(16, "Crushed rock aggregate", "kg", 1600, 0.7, 840, 1, 0.005, "stone", 0.08, "aggregate", 0.12),
    M(17, "Hardcore fill", "m3", 1900, 1.0, 840, 1900, 0.004, "stone", 0.06, "aggregate", 180),
    # steel and other metals (kg)
    M(20, "Steel reinforcing bar", "kg", *STEEL, 1, 1.9, "steel", 20.0, "metal", 9.5),
    M(21, "Steel welded mesh fabric", "kg", *STEEL, 1, 2.0, "steel", 21.0, "metal", 11),
    M(22, "Structural steel section", "kg", *STEEL, 1, 1.55, "steel", 21.5, "metal", 24),
    M(23, "Steel H-pile section", "kg", *STEEL, 1, 1.55, "steel", 21.5, "metal", 16),
    M(24, "Galvanised steel sheet", "kg", *STEEL, 1, 2.8, "steel", 39.0, "metal", 22),
    M(25, "Stainless steel sheet", "kg", 7900, 17, 500, 1, 6.15, "steel", 56.7, "metal", 75),
    M(26, "Steel sheet piling", "kg", *STEEL, 1, 1.9, "steel", 22.0, "metal", 14),
    M(28, "Intumescent coating", "kg", 1300, 0.2, 1500, 1, 3.0, "polymer", 60.0, "polymer", 120),
    M(30, "Aluminium extrusion (primary)", "kg", 2700, 160, 880, 1, 10.5, "aluminium", 190.0, "metal", 85),
    M(31, "Aluminium sheet", "kg", 2700, 160, 880, 1, 10.2, "aluminium", 185.0, "metal", 75),
    M(32, "Aluminium extrusion (recycled content)", "kg", 2700, 160, 880, 1, 4.5, "aluminium", 80.0, "metal", 80),
    M(33, "Copper sheet", "kg", 8900, 380, 385, 1, 3.0, "copper", 57.0, "metal", 95),
    M(34, "Lead sheet", "kg", 11340, 35, 130, 1, 1.6, "copper", 25.0, "metal", 40),
    M(35, "Zinc sheet", "kg", 7130, 113, 390, 1, 3.1, "copper", 53.0, "metal", 55),
    # masonry (kg)
    M(40, "Clay common brick", "kg", 1700, 0.77, 800, 1, 0.23, "energy", 3.0, "inert", 1.0),
    M(41, "Clay facing brick", "kg", 1800, 0.84, 800, 1, 0.25, "energy", 3.2, "inert", 1.6),
    M(42, "Dense concrete block", "kg", 2000, 1.13, 1000, 1, 0.10, "cement", 0.67, "inert", 0.6),
    M(43, "Lightweight concrete block", "kg", 1300, 0.45, 1000, 1, 0.13, "cement", 1.0, "inert", 0.8),
    M(44, "Autoclaved aerated concrete block", "kg", 600, 0.16, 1000, 1, 0.28, "cement", 3.5, "inert", 1.8),
    # glass (kg)
    M(50, "Float glass", "kg", 2500, 1.0, 840, 1, 1.25, "energy", 15.0, "inert", 15),
    M(51, "Toughened glass", "kg", 2500, 1.0, 840, 1, 1.45, "energy", 23.5, "inert", 20),
    M(52, "Laminated glass", "kg", 2500, 1.0, 840, 1, 1.7, "energy", 26.0, "inert", 28),
    M(53, "Low emissivity coated glass", "kg", 2500, 1.0, 840, 1, 1.5, "energy", 24.0, "inert", 24),
    # gypsum and boards
    M(55, "Gypsum plasterboard", "kg", 950, 0.16, 840, 1, 0.39, "energy", 6.75, "gypsum", 5.0),
    M(56, "Gypsum plaster", "kg", 1200, 0.43, 1000, 1, 0.12, "energy", 1.8, "gypsum", 3.5),
    M(57, "Fibre cement board", "kg", 1500, 0.36, 1050, 1, 0.9, "cement", 10.4, "inert", 8),
    M(58, "Mineral fibre ceiling tile", "m2", 300, 0.057, 800, 4.5, 1.1, "energy", 15.0, "mineral", 150),
    # ceramics and stone (kg)
    M(60, "Ceramic floor tile", "kg", 2000, 1.3, 840, 1, 0.78, "energy", 12.0, "inert", 12),
    M(61, "Ceramic wall tile", "kg", 1900, 1.2, 840, 1, 0.74, "energy", 11.0, "inert", 14),
    M(62, "Granite slab", "kg", 2650, 2.8, 820, 1, 0.65, "stone", 11.0, "inert", 22),
    M(63, "Marble slab", "kg", 2600, 2.5, 880, 1, 0.13, "stone", 2.0, "inert", 28),
    M(64, "Terrazzo tile", "kg", 2300, 1.6, 840, 1, 0.2, "cement", 2.2, "inert", 10),
    # timber and boards (m3)
    M(70, "Sawn softwood", "m3", 500, 0.13, 1600, 500, 0.31, "timber", 7.4, "timber", 6500),
    M(71, "Hardwood timber", "m3", 700, 0.18, 1600, 700, 0.47, "timber", 10.4, "timber", 16000),
    M(72, "Plywood", "m3", 600, 0.13, 1500, 600, 0.68, "timber", 15.0, "timber", 9500),
    M(73, "Particle board", "m3", 650, 0.14, 1700, 650, 0.54, "timber", 14.5, "timber", 5200),
    M(74, "Medium density fibreboard", "m3", 750, 0.14, 1700, 750, 0.72, "timber", 11.0, "timber", 6800),
    M(75, "Glued laminated timber", "m3", 480, 0.13, 1600, 480, 0.42, "timber", 12.0, "timber", 14000),
    # insulation (kg)
    M(80, "Mineral wool (rock wool)", "kg", 60, 0.035, 840, 1, 1.28, "energy", 16.6, "mineral", 22),
    M(81, "Glass wool", "kg", 16, 0.04, 840, 1, 1.35, "energy", 28.0, "mineral", 28),
    M(82, "Expanded polystyrene (EPS)", "kg", 20, 0.038, 1300, 1, 3.29, "polymer", 88.6, "polymer", 45),
    M(83, "Extruded polystyrene (XPS)", "kg", 35, 0.033, 1400, 1, 3.4, "polymer", 87.4, "polymer", 60),
    M(84, "Polyurethane rigid foam", "kg", 32, 0.025, 1400, 1, 4.26, "polymer", 101.5, "polymer", 70),
    # membranes, polymers, coatings
    M(86, "Bitumen membrane (SBS modified)", "m2", 1100, 0.23, 1000, 4.5, 1.15, "polymer", 47.0, "polymer", 130),
    M(87, "Polyethylene sheet (DPM)", "m2", 920, 0.33, 2300, 0.23, 2.2, "polymer", 89.0, "polymer", 4.5),
    M(88, "PVC-U window profile", "kg", 1390, 0.17, 1000, 1, 3.1, "polymer", 77.0, "polymer", 38),
    M(89, "PVC floor sheet (vinyl)", "kg", 1400, 0.19, 1250, 1, 2.9, "polymer", 65.6, "polymer", 55),
    M(90, "Nylon carpet tile", "m2", 600, 0.06, 1360, 4.2, 3.2, "polymer", 65.0, "polymer", 260),
    M(91, "Acrylic emulsion paint", "kg", 1300, 0.2, 1500, 1, 2.5, "polymer", 59.0, "polymer", 45),
    M(92, "Solvent-borne gloss paint", "kg", 1200, 0.2, 1500, 1, 3.56, "polymer", 97.0, "polymer", 60),
    M(93, "Silicone sealant", "kg", 1400, 0.35, 1000, 1, 5.2, "polymer", 110.0, "polymer", 110),
    M(94, "EPDM rubber gasket", "kg", 1150, 0.25, 1000, 1, 2.85, "polymer", 110.0, "polymer", 85),
    M(95, "Cement-based tile adhesive", "kg", 1400, 0.6, 840, 1, 0.55, "cement", 5.0, "inert", 4.5),
    M(96, "Polymer floor adhesive", "kg", 1200, 0.2, 1500, 1, 2.2, "polymer", 50.0, "polymer", 28),
]

# Services materials, numbers 201..239. Products counted per item, per kW or
# per kVA carry the thermal properties of their dominant material.
SERVICES = [
    M(201, "Black steel pipe", "kg", *STEEL, 1, 2.7, "steel", 34.0, "metal", 45),
    M(202, "Galvanised steel pipe", "kg", *STEEL, 1, 3.0, "steel", 39.0, "metal", 55),
    M(203, "Copper pipe", "kg", 8900, 380, 385, 1, 3.3, "copper", 60.0, "metal", 160),
    M(204, "Stainless steel pipe", "kg", 7900, 17, 500, 1, 6.5, "steel", 60.0, "metal", 110),
    M(205, "Unplasticised PVC pipe", "kg", 1400, 0.17, 1000, 1, 3.2, "polymer", 67.5, "polymer", 60),
    M(206, "High density polyethylene pipe", "kg", 950, 0.45, 1900, 1, 2.5, "polymer", 84.0, "polymer", 65),
    M(207, "Cast iron soil pipe", "kg", 7200, 50, 500, 1, 2.0, "steel", 25.0, "metal", 50),
    M(208, "Galvanised steel ductwork", "kg", *STEEL, 1, 3.1, "steel", 42.0, "metal", 65),
    M(209, "Elastomeric foam pipe insulation", "kg", 60, 0.036, 1500, 1, 4.0, "polymer", 100.0, "polymer", 180),
    M(210, "Glass wool duct insulation (foil faced)", "kg", 24, 0.035, 840, 1, 1.7, "energy", 30.0, "mineral", 40),
    M(211, "PVC conduit", "kg", 1400, 0.17, 1000, 1, 3.1, "polymer", 67.0, "polymer", 70),
    M(212, "Galvanised steel cable tray", "kg", *STEEL, 1, 2.9, "steel", 40.0, "metal", 48),
    M(213, "Copper cable (PVC insulated)", "kg", 3500, 100, 500, 1, 3.6, "copper", 80.0, "equipment", 130),
    M(214, "Copper cable (LSZH armoured)", "kg", 4000, 100, 500, 1, 3.4, "copper", 70.0, "equipment", 120),
    M(215, "Copper busbar trunking", "kg", 5000, 200, 420, 1, 4.2, "copper", 75.0, "metal", 260),
    M(216, "Fluorescent luminaire (2 x 36 W)", "no.", *STEEL, 6.0, 7.0, "equipment", 100.0, "equipment", 750),
    M(217, "LED panel luminaire (600 x 600)", "no.", 2700, 160, 880, 4.0, 9.5, "equipment", 130.0, "equipment", 1100),
    M(218, "Emergency luminaire (self-contained)", "no.", 1400, 0.2, 1200, 1.6, 11.9, "equipment", 160.0, "equipment", 650),
    M(219, "LED downlight", "no.", 2700, 160, 880, 0.9, 12.2, "equipment", 165.0, "equipment", 380),
    M(220, "Water-cooled centrifugal chiller", "kW", *STEEL, 5.5, 5.5, "equipment", 70.0, "equipment", 2600),
    M(221, "Air-cooled screw chiller", "kW", *STEEL, 9.0, 5.8, "equipment", 75.0, "equipment", 2300),
    M(222, "Centrifugal pump set (motor rating)", "kW", 7200, 50, 500, 14.0, 4.2, "equipment", 55.0, "equipment", 3800),
    M(223, "Centrifugal fan (motor rating)", "kW", *STEEL, 16.0, 3.9, "equipment", 52.0, "equipment", 3200),
    M(224, "Air handling unit (cooling capacity)", "kW", *STEEL, 11.0, 4.1, "equipment", 55.0, "equipment", 1500),
    M(225, "Fan coil unit", "no.", *STEEL, 38.0, 4.8, "equipment", 64.0, "equipment", 6500),
    M(226, "Cooling tower (heat rejection)", "kW", *STEEL, 2.6, 3.6, "equipment", 60.0, "equipment", 650),
    M(227, "Plate heat exchanger", "kW", 7900, 17, 500, 0.6, 6.5, "steel", 60.0, "metal", 300),
    M(228, "Variable air volume terminal box", "no.", *STEEL, 18.0, 3.8, "equipment", 50.0, "equipment", 5200),
    M(229, "LV switchboard panel section", "no.", *STEEL, 480.0, 4.6, "equipment", 62.0, "equipment", 125000),
    M(230, "Distribution board", "no.", *STEEL, 18.0, 5.2, "equipment", 70.0, "equipment", 6800),
    M(231, "Cast resin transformer", "kVA", *STEEL, 2.8, 5.0, "equipment", 65.0, "equipment", 520),
    M(232, "Diesel generator set", "kVA", *STEEL, 9.5, 3.6, "equipment", 50.0, "equipment", 1700),
    M(233, "Traction lift machine and controller", "no.", *STEEL, 1400.0, 4.0, "equipment", 55.0, "equipment", 480000),
    M(234, "Lift car and door equipment", "no.", *STEEL, 1600.0, 3.3, "equipment", 45.0, "equipment", 260000),
    M(235, "Escalator drive and step band", "no.", *STEEL, 3200.0, 3.1, "equipment", 42.0, "equipment", 850000),
    M(236, "Sprinkler head", "no.", 8500, 110, 380, 0.12, 4.5, "copper", 70.0, "metal", 180),
    M(237, "Fire hose reel", "no.", *STEEL, 28.0, 3.4, "equipment", 48.0, "equipment", 3800),
    M(238, "Vitreous china sanitary ware", "kg", 2300, 1.5, 840, 1, 1.6, "energy", 29.0, "inert", 90),
    M(239, "GRP sectional water tank", "m3", 1800, 0.4, 1200, 50.0, 6.0, "polymer", 90.0, "polymer", 3500),
]

# Energy carriers booked by the operating-energy stage. Both per MJ delivered:
# the stage turns annual kWh of electricity into MJ (x 3.6) before applying the
# factors of 501, and books town gas in MJ with the factors of 502.
# Energy factor: primary MJ per MJ delivered. Unit cost: the default energy
# prices (0.92 per kWh = 0.2556 per MJ; 0.21 per MJ).
ENERGY = [
    M(501, "Grid electricity", "MJ", 0, 0, 0, 1, 0.19, "electricity", 2.9, "none", 0.2556),
    M(502, "Town gas", "MJ", 0, 0, 0, 1, 0.066, "gas", 1.15, "none", 0.21),
]

SECTIONS = [BUILDING, SERVICES, ENERGY]
MATERIALS = {m.no: m for sec in SECTIONS for m in sec}


def lcia_lines(sections, waste_file):
    out = []
    for sec in sections:
        out.append(num(len(sec)))
        out.extend(m.record(waste_file) for m in sec)
    return out


# ---------------------------------------------------------------------------
# Element formulas.
#
# A formula is written in postfix form and compiled to the program's formula
# lines (operand, op code): a register s0 and a stack s1..s4. Tokens:
#   #k     value of item k of the element (1..16)
#   1.25   a constant                                   (op 101)
#   d20    density of material 20 (k20, c20: conductivity, specific heat) (op 100)
#   PI     3.14159...                                   (op 7)
#   + - * / ^                                           (ops 1..5)
#   SQRT CBRT PCT(/100) HALF(/2) AREA(pi/4 x x)         (ops 8..12)
# ---------------------------------------------------------------------------

BINARY = {"+": 1, "-": 2, "*": 3, "/": 4, "^": 5}
UNARY = {"SQRT": 8, "CBRT": 9, "PCT": 10, "HALF": 11, "AREA": 12}
OP_TEXT = {0: "push", 1: "add", 2: "subtract", 3: "multiply", 4: "divide",
           5: "power", 7: "pi", 8: "square root", 9: "cube root",
           10: "divide by 100", 11: "halve", 12: "circle area", 13: "load",
           100: "load", 101: "load"}
PROP_TEXT = {"d": ("Density", 0), "k": ("Conductivity", 1), "c": ("Specific heat", 2)}
LOAD_ONLY = 13


def compile_formula(rpn, labels):
    """Postfix text -> list of (operand, op code, text 1, text 2)."""
    lines = []          # [operand, op, text1]
    live = False        # s0 holds a stack value
    depth = 0           # values below s0
    maxdepth = 0

    def push():
        nonlocal live, depth, maxdepth
        last = lines[-1] if lines else None
        # merge "load item k" + "push" into one line (k, 0)
        if last is not None and last[1] == LOAD_ONLY:
            last[1] = 0
        else:
            lines.append([0, 0, ""])
        live = False
        depth += 1
        maxdepth = max(maxdepth, depth)

    def load(operand, op, text):
        nonlocal live
        if live:
            push()
        lines.append([operand, op, text])
        live = True

    def apply(op):
        last = lines[-1]
        # merge "load item k" + op into one line (k, op)
        if last[1] == LOAD_ONLY:
            last[1] = op
        else:
            lines.append([0, op, ""])

    for tok in rpn.split():
        if tok.startswith("#"):
            k = int(tok[1:])
            if not 1 <= k <= len(labels):
                raise ValueError("item %d out of range in %r" % (k, rpn))
            load(k, LOAD_ONLY, labels[k - 1])
        elif tok[0] in PROP_TEXT and tok[1:].isdigit():
            what, digit = PROP_TEXT[tok[0]]
            mno = int(tok[1:])
            load(10 * mno + digit, 100, "%s of %s" % (what, MATERIALS[mno].name))
        elif tok == "PI":
            load(0, 7, "Pi")
        elif tok in BINARY:
            if not live or depth < 1:
                raise ValueError("stack underflow in %r" % rpn)
            apply(BINARY[tok])
            depth -= 1
        elif tok in UNARY:
            if not live:
                raise ValueError("nothing to apply %s to in %r" % (tok, rpn))
            apply(UNARY[tok])
        else:
            load(float(tok), 101, "Constant")
    if depth != 0 or not live:
        raise ValueError("formula %r does not end with one value" % rpn)
    if maxdepth > 4:
        raise ValueError("formula %r needs more than 4 stack places" % rpn)
    out = []
    for operand, op, text in lines:
        out.append((operand, op, text if text else "Result", OP_TEXT.get(op, "load")))
    return out


def eval_rpn(rpn, values):
    """Plain evaluation of a postfix formula (for cross-checking)."""
    st = []
    for tok in rpn.split():
        if tok.startswith("#"):
            st.append(values[int(tok[1:]) - 1])
        elif tok[0] in PROP_TEXT and tok[1:].isdigit():
            st.append(MATERIALS[int(tok[1:])].props[PROP_TEXT[tok[0]][1]])
        elif tok == "PI":
            st.append(math.pi)
        elif tok in BINARY:
            b, a = st.pop(), st.pop()
            if tok == "+":
                st.append(a + b)
            elif tok == "-":
                st.append(a - b)
            elif tok == "*":
                st.append(a * b)
            elif tok == "/":
                st.append(a / b)
            else:
                st.append(a ** b)
        elif tok in UNARY:
            a = st.pop()
            st.append({"SQRT": math.sqrt, "CBRT": lambda v: v ** (1.0 / 3.0),
                       "PCT": lambda v: v / 100, "HALF": lambda v: v / 2,
                       "AREA": lambda v: math.pi / 4 * v * v}[tok](a))
        else:
            st.append(float(tok))
    return st[0]


# ---------------------------------------------------------------------------
# Element libraries.
# ---------------------------------------------------------------------------


class EType:
    """An element type: items (label, unit, typical value) and materials
    (material no., postfix formula, default wastage %, default life years)."""

    def __init__(self, no, name, items, mats):
        self.no, self.name, self.items, self.mats = no, name, items, mats

    @property
    def labels(self):
        return [lab for lab, _, _ in self.items]

    @property
    def sample(self):
        return [v for _, _, v in self.items]


def T(no, name, items, mats):
    return EType(no, name, items, mats)


GENERIC_ITEMS = []
for _m in range(1, 5):
    GENERIC_ITEMS += [("Material %d No." % _m, "no."), ("Material %d Quantity" % _m, "mat'l unit"),
                      ("Material %d Wastage" % _m, "%"), ("Material %d Life" % _m, "years")]

FOUND = [
    T(1, "Bored Piles (cast in place)",
      [("Pile Diameter", "m", 1.2), ("Pile Length", "m", 30), ("No. of Piles", "no.", 24),
       ("Reinforcement Rate", "kg/m3", 110)],
      [(5, "#1 AREA #2 * #3 *", 5, 50),
       (20, "#1 AREA #2 * #3 * #4 *", 5, 50)]),
    T(2, "Driven Precast Concrete Piles",
      [("Pile Section Size", "m", 0.35), ("Pile Length", "m", 18), ("No. of Piles", "no.", 60),
       ("Reinforcement Rate", "kg/m3", 180), ("Pile Shoe Mass", "kg", 12)],
      [(10, "#1 #1 * #2 * #3 *", 3, 50),
       (20, "#1 #1 * #2 * #3 * #4 *", 5, 50),
       (22, "#3 #5 *", 2, 50)]),
    T(3, "Driven Steel H-Piles",
      [("Pile Length", "m", 24), ("No. of Piles", "no.", 40), ("Section Mass", "kg/m", 85)],
      [(23, "#1 #2 * #3 *", 3, 50)]),
    T(4, "Pile Caps",
      [("Cap Length", "m", 3.6), ("Cap Width", "m", 3.6), ("Cap Depth", "m", 1.5),
       ("No. of Pile Caps", "no.", 8), ("Reinforcement Rate", "kg/m3", 120),
       ("Blinding Thickness", "m", 0.075)],
      [(5, "#1 #2 * #3 * #4 *", 5, 50),
       (20, "#1 #2 * #3 * #4 * #5 *", 5, 50),
       (1, "#1 #2 * #6 * #4 *", 10, 50)]),
    T(5, "Pad Footings",
      [("Footing Length", "m", 2.4), ("Footing Width", "m", 2.4), ("Footing Depth", "m", 0.8),
       ("No. of Footings", "no.", 20), ("Reinforcement Rate", "kg/m3", 90),
       ("Blinding Thickness", "m", 0.075)],
      [(3, "#1 #2 * #3 * #4 *", 5, 50),
       (20, "#1 #2 * #3 * #4 * #5 *", 5, 50),
       (1, "#1 #2 * #6 * #4 *", 10, 50)]),
    T(6, "Strip Footings",
      [("Footing Width", "m", 0.9), ("Footing Depth", "m", 0.45), ("Total Length", "m", 120),
       ("Reinforcement Rate", "kg/m3", 60), ("Blinding Thickness", "m", 0.05)],
      [(3, "#1 #2 * #3 *", 5, 50),
       (20, "#1 #2 * #3 * #4 *", 5, 50),
       (1, "#1 #5 * #3 *", 10, 50)]),
    T(7, "Raft Foundation",
      [("Raft Thickness", "m", 1.2), ("Raft Area", "m2", 900), ("Reinforcement Rate", "kg/m3", 140),
       ("Blinding Thickness", "m", 0.075), ("Hardcore Thickness", "m", 0.2)],
      [(5, "#1 #2 *", 5, 50),
       (20, "#1 #2 * #3 *", 5, 50),
       (1, "#4 #2 *", 10, 50),
       (17, "#5 #2 *", 10, 50),
       (87, "#2", 15, 50)]),
    T(8, "Ground Beams",
      [("Beam Width", "m", 0.5), ("Beam Depth", "m", 0.9), ("Total Length", "m", 240),
       ("Reinforcement Rate", "kg/m3", 150), ("Blinding Thickness", "m", 0.05)],
      [(5, "#1 #2 * #3 *", 5, 50),
       (20, "#1 #2 * #3 * #4 *", 5, 50),
       (1, "#1 #5 * #3 *", 10, 50)]),
    T(9, "RC Retaining Wall (cantilever)",
      [("Stem Thickness", "m", 0.35), ("Retained Height", "m", 4.0), ("Wall Length", "m", 60),
       ("Base Width", "m", 2.8), ("Base Thickness", "m", 0.5), ("Reinforcement Rate", "kg/m3", 110),
       ("Drainage Layer Thickness", "m", 0.3)],
      [(4, "#1 #2 * #4 #5 * + #3 *", 5, 50),
       (20, "#1 #2 * #4 #5 * + #3 * #6 *", 5, 50),
       (86, "#2 #3 *", 10, 50),
       (16, "#2 #3 * #7 * d16 *", 10, 50)]),
    T(10, "Steel Sheet Pile Wall",
      [("Wall Length", "m", 80), ("Pile Length", "m", 12), ("Section Mass", "kg/m2", 120)],
      [(26, "#1 #2 * #3 *", 2, 50)]),
    T(11, "Ground Bearing Slab",
      [("Slab Thickness", "m", 0.2), ("Slab Area", "m2", 900), ("Mesh Mass", "kg/m2", 6.2),
       ("Hardcore Thickness", "m", 0.15), ("Insulation Thickness", "m", 0.05)],
      [(3, "#1 #2 *", 5, 50),
       (21, "#2 #3 *", 7.5, 50),
       (17, "#4 #2 *", 10, 50),
       (87, "#2", 15, 50),
       (83, "#5 #2 * d83 *", 5, 50)]),
]

FABRIC = [
    T(1, "RC Wall (cast in situ)",
      [("Wall Thickness", "m", 0.2), ("Wall Area", "m2", 400), ("Reinforcement Rate", "kg/m3", 120)],
      [(4, "#1 #2 *", 5, 60),
       (20, "#1 #2 * #3 *", 5, 60)]),
    T(2, "Precast Concrete Cladding Panels",
      [("Panel Thickness", "m", 0.15), ("Panel Area", "m2", 350), ("Reinforcement Rate", "kg/m3", 100),
       ("Fixing Mass", "kg/m2", 2.5)],
      [(10, "#1 #2 *", 2, 60),
       (20, "#1 #2 * #3 *", 3, 60),
       (25, "#2 #4 *", 3, 60),
       (93, "#2 0.08 *", 10, 20)]),
    T(3, "Brick Cladding (half brick)",
      [("Wall Thickness", "m", 0.1025), ("Wall Area", "m2", 300), ("Mortar Proportion", "%", 18)],
      [(41, "#1 #2 * 100 #3 - * PCT d41 *", 5, 60),
       (12, "#1 #2 * #3 * PCT", 10, 60),
       (25, "#2 0.25 *", 5, 60)]),
    T(4, "Concrete Blockwork Wall (rendered)",
      [("Wall Thickness", "m", 0.14), ("Wall Area", "m2", 250), ("Mortar Proportion", "%", 8),
       ("Render Thickness", "m", 0.015)],
      [(42, "#1 #2 * 100 #3 - * PCT d42 *", 5, 60),
       (12, "#1 #2 * #3 * PCT", 10, 60),
       (13, "#4 #2 *", 10, 40),
       (91, "#2 0.25 *", 10, 8)]),
    T(5, "Curtain Walling (aluminium framed)",
      [("Total Glass Thickness", "m", 0.024), ("Wall Area", "m2", 1200),
       ("Aluminium Mass", "kg/m2", 12), ("Sealant Rate", "kg/m2", 0.3),
       ("Bracket Mass", "kg/m2", 2.5)],
      [(53, "#1 #2 * d53 *", 3, 30),
       (30, "#2 #3 *", 3, 50),
       (93, "#2 #4 *", 10, 20),
       (94, "#2 0.35 *", 5, 25),
       (25, "#2 #5 *", 3, 50)]),
    T(6, "Aluminium Windows (double glazed)",
      [("Total Glass Thickness", "m", 0.012), ("Window Area", "m2", 300),
       ("Frame Proportion", "%", 20), ("Aluminium Mass", "kg/m2", 9)],
      [(50, "#1 #2 * 100 #3 - * PCT d50 *", 3, 35),
       (30, "#2 #4 *", 3, 50),
       (94, "#2 0.3 *", 5, 25),
       (93, "#2 0.1 *", 10, 20)]),
    T(7, "RC Slab",
      [("Slab Thickness", "m", 0.15), ("Slab Area", "m2", 800), ("Reinforcement Rate", "kg/m3", 110)],
      [(4, "#1 #2 *", 5, 60),
       (20, "#1 #2 * #3 *", 5, 60)]),
    T(8, "RC Beams",
      [("Beam Width", "m", 0.4), ("Beam Depth", "m", 0.7), ("Total Beam Length", "m", 260),
       ("Reinforcement Rate", "kg/m3", 200)],
      [(4, "#1 #2 * #3 *", 5, 60),
       (20, "#1 #2 * #3 * #4 *", 5, 60)]),
    T(9, "RC Columns",
      [("Column Width", "m", 0.6), ("Column Depth", "m", 0.6), ("Column Height", "m", 3.6),
       ("No. of Columns", "no.", 24), ("Reinforcement Rate", "kg/m3", 250)],
      [(6, "#1 #2 * #3 * #4 *", 5, 60),
       (20, "#1 #2 * #3 * #4 * #5 *", 5, 60)]),
    T(10, "Structural Steel Members (fire protected)",
      [("Coating Thickness", "m", 0.001), ("Total Member Length", "m", 400),
       ("Section Mass", "kg/m", 60), ("Section Perimeter", "m", 1.4)],
      [(22, "#2 #3 *", 2.5, 60),
       (28, "#1 #4 * #2 * d28 *", 15, 25)]),
    T(11, "Flat Roof (RC slab, insulated)",
      [("Slab Thickness", "m", 0.15), ("Roof Area", "m2", 800), ("Reinforcement Rate", "kg/m3", 110),
       ("Insulation Thickness", "m", 0.075), ("Screed Thickness", "m", 0.05),
       ("Membrane Layers", "no.", 2)],
      [(4, "#1 #2 *", 5, 60),
       (20, "#1 #2 * #3 *", 5, 60),
       (83, "#4 #2 * d83 *", 5, 30),
       (11, "#5 #2 *", 5, 60),
       (86, "#2 #6 *", 10, 20)]),
    T(12, "Metal Roof (profiled aluminium)",
      [("Sheet Thickness", "m", 0.0009), ("Roof Area", "m2", 600), ("Purlin Mass", "kg/m2", 8),
       ("Insulation Thickness", "m", 0.1)],
      [(31, "#1 #2 * 1.15 * d31 *", 5, 40),
       (22, "#2 #3 *", 2.5, 60),
       (81, "#4 #2 * d81 *", 5, 40)]),
    T(13, "Precast Hollow Core Floor",
      [("Plank Thickness", "m", 0.2), ("Floor Area", "m2", 800), ("Solid Proportion", "%", 60),
       ("Topping Thickness", "m", 0.06), ("Mesh Mass", "kg/m2", 2.6), ("Strand Mass", "kg/m2", 3.5)],
      [(10, "#1 #2 * #3 * PCT", 2, 60),
       (3, "#4 #2 *", 5, 60),
       (21, "#2 #5 *", 7.5, 60),
       (20, "#2 #6 *", 2, 60)]),
    T(14, "Granite Cladding",
      [("Stone Thickness", "m", 0.03), ("Cladding Area", "m2", 500), ("Fixing Mass", "kg/m2", 3.5)],
      [(62, "#1 #2 * d62 *", 8, 60),
       (25, "#2 #3 *", 3, 60),
       (93, "#2 0.12 *", 10, 20)]),
]

CONTENTS = [
    T(1, "Drywall Partition (steel stud)",
      [("Board Thickness", "m", 0.0125), ("Partition Area", "m2", 600),
       ("Board Layers Each Side", "no.", 1), ("Stud Mass", "kg/m2", 4),
       ("Insulation Thickness", "m", 0.05)],
      [(55, "#1 #2 * #3 * 2 * d55 *", 10, 25),
       (24, "#2 #4 *", 5, 25),
       (80, "#5 #2 * d80 *", 5, 25),
       (56, "#2 0.7 *", 10, 25)]),
    T(2, "Blockwork Partition (plastered)",
      [("Block Thickness", "m", 0.1), ("Partition Area", "m2", 300),
       ("Plaster Thickness Each Side", "m", 0.013)],
      [(43, "#1 #2 * 0.92 * d43 *", 5, 50),
       (12, "#1 #2 * 0.08 *", 10, 50),
       (56, "#3 2 * #2 * d56 *", 10, 50)]),
    T(3, "Glazed Partition",
      [("Glass Thickness", "m", 0.012), ("Partition Area", "m2", 120), ("Aluminium Mass", "kg/m2", 6)],
      [(51, "#1 #2 * d51 *", 5, 25),
       (30, "#2 #3 *", 5, 25),
       (93, "#2 0.08 *", 10, 25)]),
    T(4, "Suspended Ceiling (mineral fibre tiles)",
      [("Tile Thickness", "m", 0.015), ("Ceiling Area", "m2", 800), ("Grid Mass", "kg/m2", 1.8)],
      [(58, "#2", 8, 20),
       (24, "#2 #3 *", 5, 25)]),
    T(5, "Suspended Plasterboard Ceiling",
      [("Board Thickness", "m", 0.0125), ("Ceiling Area", "m2", 200), ("Framing Mass", "kg/m2", 3.2),
       ("Paint Coats", "no.", 2)],
      [(55, "#1 #2 * d55 *", 10, 30),
       (24, "#2 #3 *", 5, 30),
       (91, "#2 #4 * 0.12 *", 10, 7)]),
    T(6, "Raised Access Floor",
      [("Panel Thickness", "m", 0.03), ("Floor Area", "m2", 600), ("Pedestal Mass", "kg/m2", 3.5)],
      [(73, "#1 #2 *", 5, 25),
       (24, "#2 8 #3 + *", 3, 25)]),
    T(7, "Ceramic Tile Floor Finish",
      [("Tile Thickness", "m", 0.01), ("Floor Area", "m2", 300), ("Screed Thickness", "m", 0.05),
       ("Adhesive Rate", "kg/m2", 5)],
      [(60, "#1 #2 * d60 *", 10, 25),
       (11, "#3 #2 *", 5, 50),
       (95, "#2 #4 *", 10, 25)]),
    T(8, "Granite Floor Finish",
      [("Stone Thickness", "m", 0.02), ("Floor Area", "m2", 250), ("Bedding Thickness", "m", 0.04)],
      [(62, "#1 #2 * d62 *", 8, 50),
       (12, "#3 #2 *", 10, 50)]),
    T(9, "Marble Floor Finish",
      [("Stone Thickness", "m", 0.02), ("Floor Area", "m2", 150), ("Bedding Thickness", "m", 0.035)],
      [(63, "#1 #2 * d63 *", 8, 50),
       (12, "#3 #2 *", 10, 50)]),
    T(10, "Carpet Tile Floor Finish",
      [("Carpet Thickness", "m", 0.007), ("Floor Area", "m2", 2000), ("Adhesive Rate", "kg/m2", 0.25)],
      [(90, "#2", 5, 10),
       (96, "#2 #3 *", 10, 10)]),
    T(11, "Vinyl Sheet Floor Finish",
      [("Sheet Thickness", "m", 0.002), ("Floor Area", "m2", 100), ("Adhesive Rate", "kg/m2", 0.35)],
      [(89, "#1 #2 * d89 *", 10, 15),
       (96, "#2 #3 *", 10, 15)]),
    T(12, "Timber Door Sets",
      [("Leaf Thickness", "m", 0.045), ("Leaf Width", "m", 0.9), ("Leaf Height", "m", 2.1),
       ("No. of Doors", "no.", 40)],
      [(72, "#1 #2 * #3 * #4 *", 10, 30),
       (71, "#3 2 * #2 + #4 * 0.0075 *", 10, 30),
       (25, "#4 3.5 *", 2, 30),
       (92, "#2 #3 * #4 * 0.6 *", 10, 8)]),
    T(13, "Plaster and Paint Wall Finish",
      [("Plaster Thickness", "m", 0.013), ("Wall Area", "m2", 900), ("Paint Coats", "no.", 2)],
      [(56, "#1 #2 * d56 *", 10, 50),
       (91, "#2 #3 * 0.12 *", 10, 7)]),
    T(14, "Ceramic Wall Tiling",
      [("Tile Thickness", "m", 0.008), ("Wall Area", "m2", 150), ("Render Thickness", "m", 0.012),
       ("Adhesive Rate", "kg/m2", 4)],
      [(61, "#1 #2 * d61 *", 10, 30),
       (13, "#3 #2 *", 10, 50),
       (95, "#2 #4 *", 10, 30)]),
    T(15, "Timber Wall Panelling",
      [("Panel Thickness", "m", 0.018), ("Wall Area", "m2", 80), ("Batten Volume", "m3/m2", 0.002)],
      [(74, "#1 #2 *", 12, 20),
       (70, "#2 #3 *", 15, 20),
       (92, "#2 0.2 *", 10, 10)]),
]

MECHASER = [
    T(1, "Water-cooled Chillers",
      [("Cooling Capacity Each", "kW", 1500), ("No. of Chillers", "no.", 3)],
      [(220, "#1 #2 *", 0, 25),
       (22, "#1 #2 * 0.6 *", 5, 25)]),
    T(2, "Air-cooled Chillers",
      [("Cooling Capacity Each", "kW", 400), ("No. of Chillers", "no.", 2)],
      [(221, "#1 #2 *", 0, 20),
       (22, "#1 #2 * 0.8 *", 5, 25)]),
    T(3, "Pump Sets",
      [("Motor Rating Each", "kW", 15), ("No. of Pumps", "no.", 6)],
      [(222, "#1 #2 *", 0, 20)]),
    T(4, "Cooling Towers",
      [("Heat Rejection Each", "kW", 1800), ("No. of Towers", "no.", 3)],
      [(226, "#1 #2 *", 0, 20),
       (22, "#1 #2 * 0.5 *", 5, 30)]),
    T(5, "Air Handling Units",
      [("Cooling Capacity Each", "kW", 120), ("Fan Motor Rating Each", "kW", 11),
       ("No. of Units", "no.", 6)],
      [(224, "#1 #3 *", 0, 20),
       (223, "#2 #3 *", 0, 20)]),
    T(6, "Fan Coil Units",
      [("No. of Units", "no.", 80), ("Condensate Pipe per Unit", "m", 4)],
      [(225, "#1", 0, 15),
       (205, "#1 #2 * 0.45 *", 5, 25)]),
    T(7, "Ductwork (galvanised steel)",
      [("Sheet Thickness", "m", 0.0008), ("Duct Surface Area", "m2", 600),
       ("Insulation Thickness", "m", 0.025), ("Insulated Proportion", "%", 60)],
      [(208, "#1 #2 * 1.15 * d208 *", 7.5, 30),
       (210, "#3 #2 * #4 * PCT d210 *", 10, 30)]),
    T(8, "Chilled Water Pipework (steel, insulated)",
      [("Pipe Length", "m", 800), ("Pipe Mass", "kg/m", 11), ("Pipe Outside Diameter", "m", 0.114),
       ("Insulation Thickness", "m", 0.04)],
      [(201, "#1 #2 *", 5, 30),
       (209, "PI #3 #4 + * #4 * #1 * d209 *", 10, 15),
       (22, "#1 1.2 *", 5, 30)]),
    T(9, "Refrigerant Pipework (copper)",
      [("Pipe Length", "m", 300), ("Pipe Mass", "kg/m", 0.6), ("Insulation Mass", "kg/m", 0.15)],
      [(203, "#1 #2 *", 5, 20),
       (209, "#1 #3 *", 10, 15)]),
    T(10, "Sprinkler System",
      [("Protected Floor Area", "m2", 800), ("Pipe Mass per Floor Area", "kg/m2", 3.5),
       ("Floor Area per Head", "m2", 9)],
      [(202, "#1 #2 *", 5, 30),
       (236, "#1 #3 /", 2, 30)]),
    T(11, "Fire Hose Reels",
      [("No. of Hose Reels", "no.", 6), ("Feed Pipe Length per Reel", "m", 8)],
      [(237, "#1", 0, 20),
       (202, "#1 #2 * 2.4 *", 5, 30)]),
    T(12, "Water Supply Pipework (copper)",
      [("Pipe Length", "m", 500), ("Pipe Mass", "kg/m", 0.9)],
      [(203, "#1 #2 *", 5, 30)]),
    T(13, "Soil and Waste Pipework (uPVC)",
      [("Pipe Length", "m", 300), ("Pipe Mass", "kg/m", 2.2)],
      [(205, "#1 #2 *", 5, 30)]),
    T(14, "Sanitary Fittings",
      [("No. of WCs", "no.", 12), ("No. of Wash Basins", "no.", 10), ("No. of Urinals", "no.", 6)],
      [(238, "#1 25 * #2 15 * + #3 18 * +", 3, 25),
       (203, "#1 #2 + #3 + 1.5 *", 5, 25)]),
    T(15, "Water Storage Tanks",
      [("Tank Capacity Each", "m3", 30), ("No. of Tanks", "no.", 2)],
      [(239, "#1 #2 *", 0, 25),
       (22, "#1 #2 * 15 *", 5, 50)]),
]

ELECTSER = [
    T(1, "LED Panel Luminaires",
      [("No. of Luminaires", "no.", 200), ("Cable Length per Luminaire", "m", 6),
       ("Cable Mass", "kg/m", 0.12)],
      [(217, "#1", 1, 15),
       (213, "#1 #2 * #3 *", 5, 30)]),
    T(2, "Fluorescent Luminaires",
      [("No. of Luminaires", "no.", 200), ("Cable Length per Luminaire", "m", 6),
       ("Cable Mass", "kg/m", 0.12)],
      [(216, "#1", 1, 15),
       (213, "#1 #2 * #3 *", 5, 30)]),
    T(3, "LED Downlights",
      [("No. of Downlights", "no.", 60), ("Cable Length per Downlight", "m", 4),
       ("Cable Mass", "kg/m", 0.12)],
      [(219, "#1", 1, 15),
       (213, "#1 #2 * #3 *", 5, 30)]),
    T(4, "Emergency Luminaires",
      [("No. of Luminaires", "no.", 30), ("Cable Length per Luminaire", "m", 8),
       ("Cable Mass", "kg/m", 0.12)],
      [(218, "#1", 1, 10),
       (213, "#1 #2 * #3 *", 5, 30)]),
    T(5, "Power Cabling (PVC insulated)",
      [("Cable Length", "m", 4000), ("Cable Mass", "kg/m", 0.15)],
      [(213, "#1 #2 *", 5, 30)]),
    T(6, "Sub-main Cables (armoured)",
      [("Cable Length", "m", 600), ("Cable Mass", "kg/m", 2.1)],
      [(214, "#1 #2 *", 3, 35)]),
    T(7, "Cable Containment",
      [("Cable Tray Length", "m", 400), ("Tray Mass", "kg/m", 4.5), ("Conduit Length", "m", 1500),
       ("Conduit Mass", "kg/m", 0.25)],
      [(212, "#1 #2 *", 5, 40),
       (211, "#3 #4 *", 10, 30)]),
    T(8, "Busbar Trunking",
      [("Trunking Length", "m", 60), ("Trunking Mass", "kg/m", 28)],
      [(215, "#1 #2 *", 2, 35)]),
    T(9, "LV Main Switchboard",
      [("No. of Panel Sections", "no.", 8)],
      [(229, "#1", 0, 30)]),
    T(10, "Distribution Boards",
      [("No. of Boards", "no.", 12)],
      [(230, "#1", 0, 25)]),
    T(11, "Cast Resin Transformers",
      [("Rating Each", "kVA", 1500), ("No. of Transformers", "no.", 2)],
      [(231, "#1 #2 *", 0, 30)]),
    T(12, "Emergency Generator Sets",
      [("Rating Each", "kVA", 1000), ("No. of Sets", "no.", 1), ("Exhaust Flue Length", "m", 25)],
      [(232, "#1 #2 *", 0, 25),
       (204, "#2 #3 * 14 *", 5, 25)]),
    T(13, "Traction Lifts",
      [("No. of Lifts", "no.", 4), ("Travel Height", "m", 24), ("No. of Landings", "no.", 7)],
      [(233, "#1", 0, 25),
       (234, "#1", 0, 25),
       (22, "#1 #2 * 55 *", 5, 50),
       (25, "#1 #3 * 140 *", 2, 25),
       (213, "#1 #2 * 1.8 *", 5, 25)]),
    T(14, "Escalators",
      [("No. of Escalators", "no.", 2), ("Rise", "m", 5)],
      [(235, "#1", 0, 25),
       (22, "#1 #2 2 * 6 + * 550 *", 3, 50),
       (51, "#1 #2 2 * 6 + * 60 *", 5, 25)]),
    T(15, "Earthing and Lightning Protection",
      [("Conductor Length", "m", 600), ("Conductor Mass", "kg/m", 0.22)],
      [(33, "#1 #2 *", 5, 40)]),
]

LIBRARIES = [
    ("FOUND", "Foundation Element Types", FOUND),
    ("FABRIC", "Floor Envelope and Frame Element Types", FABRIC),
    ("CONTENTS", "Floor Contents Element Types", CONTENTS),
    ("MECHASER", "Mechanical, Fire and Plumbing Services Element Types", MECHASER),
    ("ELECTSER", "Electrical, Lighting, Lift and Escalator Element Types", ELECTSER),
]


def elb_lines(folder, heading, types):
    out = [line(folder, heading, *([""] * 32))]
    pairs = []
    for lab, unit in GENERIC_ITEMS:
        pairs += [lab, unit]
    out.append(line(0, "Generic Element", *pairs))
    for t in types:
        pairs = []
        for lab, unit, _ in t.items:
            pairs += [lab, unit]
        pairs += [""] * (32 - len(pairs))
        out.append(line(t.no, t.name, *pairs))
    return out


def efile_lines(t):
    out = [num(len(t.mats))]
    for mno, rpn, was, life in t.mats:
        out.append(q(MATERIALS[mno].name))
        out.append(num(mno))
        fl = compile_formula(rpn, t.labels)
        out.append(num(len(fl)))
        for operand, op, t1, t2 in fl:
            out.append(line(float(operand), op, t1, t2))
        out.append(num(float(was)))
        out.append(num(float(life)))
    return out


# ---------------------------------------------------------------------------
# Sample project: a six-storey office building.
# ---------------------------------------------------------------------------

# element: (file, name, type no., [(value, remark)], user values or None)
# user values: (flag, [(material no., wastage, life, unit cost)])


def E(file, name, typeno, values, user=None):
    return (file, name, typeno, values, user)


def gen(*mats):
    """Values of a generic element from (material no., quantity, wastage, life)."""
    vals = []
    for mno, qty, was, life in mats:
        m = MATERIALS[mno]
        vals += [(num(mno), "%s (%s)" % (m.name, m.unit)), (num(qty), ""), (num(was), ""),
                 (num(life), "")]
    return vals


def lib(*pairs):
    return [(num(v), r) for v, r in pairs]


OFFICE = {
    "file": "OFFICE.PRJ",
    "name": "Sample Office Building",
    "cfa": 4800,
    "groups": [
        # (kind, file, name, qty, [components])
        (100, "FOUNDATION.FDN", "Foundations", 1, [
            ("PILING.FDC", "Piling", 0, 1, [
                E("BORED_PILES.FDE", "Bored piles 1200 dia", 1,
                  lib((1.2, "1200 mm bored piles"), (28, "to rock head"), (24, ""), (110, ""))),
                E("PILE_CAPS.FDE", "Pile caps", 4,
                  lib((3.6, "two-pile caps"), (3.6, ""), (1.5, ""), (12, ""), (120, ""), (0.075, ""))),
            ]),
            ("GROUND_SLAB.FDC", "Ground beams and slab", 0, 1, [
                E("GROUND_BEAMS.FDE", "Ground beams", 8,
                  lib((0.5, ""), (0.9, ""), (240, "grid lines A-F and 1-7"), (150, ""), (0.05, ""))),
                E("GROUND_SLAB.FDE", "Ground bearing slab", 11,
                  lib((0.2, ""), (800, ""), (6.2, "A393 mesh"), (0.15, ""), (0.05, "XPS under slab"))),
                E("LIFT_PIT.FDE", "Lift pit and sumps", 0,
                  gen((5, 18, 5, 50), (20, 2700, 5, 50), (86, 60, 10, 50))),
            ]),
        ]),
        (200, "GROUND_FLOOR.FLR", "Ground floor", 1, [
            ("GF_ENVELOPE.FLC", "Ground floor envelope", 0, 1, [
                E("GF_CURTAIN_WALL.FLE", "Entrance curtain walling", 5,
                  lib((0.024, "10+12+6 IGU glass"), (220, ""), (14, ""), (0.3, ""), (2.5, ""))),
                E("GF_GRANITE.FLE", "Granite cladding to podium", 14,
                  lib((0.03, ""), (180, ""), (3.5, ""))),
            ]),
            ("GF_FRAME.FLC", "Ground floor frame", 1, 1, [
                E("GF_COLUMNS.FLE", "Ground floor columns", 9,
                  lib((0.6, ""), (0.6, ""), (4.5, "double height lobby"), (24, ""), (250, ""))),
                E("GF_BEAMS.FLE", "First floor beams", 8,
                  lib((0.4, ""), (0.7, ""), (260, ""), (200, ""))),
                E("GF_SLAB.FLE", "First floor slab", 7,
                  lib((0.15, ""), (800, ""), (110, ""))),
            ]),
            ("GF_CONTENTS.FLC", "Ground floor fit-out", 2, 1, [
                E("GF_LOBBY_FLOOR.FLE", "Lobby granite floor", 8,
                  lib((0.02, ""), (250, ""), (0.04, ""))),
                E("GF_PARTITIONS.FLE", "Ground floor partitions", 1,
                  lib((0.0125, ""), (350, ""), (1, ""), (4, ""), (0.05, ""))),
                E("GF_CEILING.FLE", "Ground floor ceiling", 5,
                  lib((0.0125, ""), (800, ""), (3.2, ""), (2, ""))),
                E("GF_DOORS.FLE", "Ground floor doors", 12,
                  lib((0.045, ""), (0.9, ""), (2.1, ""), (16, ""))),
                E("GF_RECEPTION.FLE", "Reception counter", 0,
                  gen((71, 0.8, 10, 25), (62, 450, 8, 25))),
            ]),
        ]),
        (200, "TYPICAL_FLOOR.FLR", "Typical office floor", 5, [
            ("TYP_ENVELOPE.FLC", "Typical floor envelope", 0, 1, [
                E("TYP_CURTAIN_WALL.FLE", "Curtain walling", 5,
                  lib((0.024, ""), (380, ""), (12, ""), (0.3, ""), (2.5, ""))),
                E("TYP_SPANDREL.FLE", "Precast spandrel panels", 2,
                  lib((0.15, ""), (120, ""), (100, ""), (2.5, ""))),
                E("TYP_FINS.FLE", "Aluminium sunshade fins", 0,
                  gen((30, 950, 5, 40))),
            ]),
            ("TYP_FRAME.FLC", "Typical floor frame", 1, 1, [
                E("TYP_RC_SLAB.FLE", "Floor slab", 7,
                  lib((0.15, ""), (800, ""), (110, "")),
                  user=(2, [(8, 5, 60, 1060), (20, 3, 60, 9.5)])),
                E("TYP_BEAMS.FLE", "Floor beams", 8,
                  lib((0.4, ""), (0.7, ""), (260, ""), (200, ""))),
                E("TYP_COLUMNS.FLE", "Columns", 9,
                  lib((0.6, ""), (0.6, ""), (3.6, ""), (24, ""), (250, ""))),
                E("TYP_CORE_WALL.FLE", "Core walls", 1,
                  lib((0.3, "lift and stair core"), (180, ""), (150, ""))),
            ]),
            ("TYP_CONTENTS.FLC", "Typical floor fit-out", 2, 1, [
                E("TYP_PARTITIONS.FLE", "Office partitions", 1,
                  lib((0.0125, ""), (600, ""), (1, ""), (4, ""), (0.05, ""))),
                E("TYP_CEILING.FLE", "Office ceiling", 4,
                  lib((0.015, ""), (700, ""), (1.8, ""))),
                E("TYP_RAISED_FLOOR.FLE", "Raised floor", 6,
                  lib((0.03, ""), (700, ""), (3.5, ""))),
                E("TYP_CARPET.FLE", "Office carpet", 10,
                  lib((0.007, ""), (650, ""), (0.25, ""))),
                E("TYP_DOORS.FLE", "Office doors", 12,
                  lib((0.045, ""), (0.9, ""), (2.1, ""), (24, ""))),
                E("TYP_CORE_FINISH.FLE", "Core wall finish", 13,
                  lib((0.013, ""), (500, ""), (2, ""))),
                E("TYP_TOILET_FLOOR.FLE", "Toilet floor tiles", 7,
                  lib((0.01, ""), (60, ""), (0.05, ""), (5, ""))),
                E("TYP_TOILET_WALL.FLE", "Toilet wall tiles", 14,
                  lib((0.008, ""), (120, ""), (0.012, ""), (4, ""))),
            ]),
        ]),
        (200, "ROOF.FLR", "Roof", 1, [
            ("ROOF_ENVELOPE.FLC", "Roof covering", 0, 1, [
                E("ROOF_FLAT.FLE", "Flat roof", 11,
                  lib((0.15, ""), (800, ""), (110, ""), (0.075, ""), (0.05, ""), (2, "")),
                  user=(0, [(4, 5, 60, 1020), (20, 5, 60, 9.5), (84, 5, 30, 70),
                            (11, 5, 60, 1100), (86, 10, 25, 130)])),
            ]),
            ("ROOF_FRAME.FLC", "Roof plant platform", 1, 1, [
                E("ROOF_STEEL.FLE", "Plant platform steelwork", 10,
                  lib((0.001, ""), (180, ""), (45, ""), (1.1, ""))),
                E("ROOF_GRATING.FLE", "Platform grating and handrails", 0,
                  gen((24, 3500, 5, 40), (25, 420, 3, 50))),
            ]),
        ]),
        (300, "CENTRAL_PLANT.SER", "Central plant", 1, [
            ("CHILLER_PLANT.SRC", "Chiller plant", 0, 1, [
                E("CHILLERS.SRE", "Centrifugal chillers", 1, lib((1100, ""), (3, ""))),
                E("CHW_PUMPS.SRE", "Chilled and condenser water pumps", 3, lib((22, ""), (6, ""))),
                E("COOLING_TOWERS.SRE", "Cooling towers", 4, lib((1300, ""), (3, ""))),
                E("PLANT_PIPEWORK.SRE", "Plant room pipework", 8,
                  lib((250, ""), (24, "DN200"), (0.219, ""), (0.05, ""))),
            ]),
            ("ELEC_SUPPLY.SRC", "Electrical supply", 1, 1, [
                E("TRANSFORMERS.SRE", "Transformers", 11, lib((1500, ""), (2, ""))),
                E("MAIN_SWITCHBOARD.SRE", "Main LV switchboard", 9, lib((8, ""),)),
                E("GENERATOR.SRE", "Emergency generator", 12, lib((1000, ""), (1, ""), (30, ""))),
                E("SUB_MAINS.SRE", "Sub-main cables", 6, lib((600, ""), (2.1, ""))),
                E("RISER_BUSBAR.SRE", "Rising busbar", 8, lib((30, ""), (28, ""))),
                E("EARTHING.SRE", "Earthing and lightning protection", 15, lib((600, ""), (0.22, ""))),
            ]),
            ("FIRE_PLANT.SRC", "Fire services plant", 2, 1, [
                E("FIRE_PUMPS.SRE", "Sprinkler pumps and tank", 0,
                  gen((222, 110, 0, 25), (239, 70, 0, 25))),
            ]),
            ("LIFTS.SRC", "Lifts and escalators", 3, 1, [
                E("LIFTS.SRE", "Passenger lifts", 13, lib((4, ""), (24, ""), (7, ""))),
                E("ESCALATORS.SRE", "Lobby escalators", 14, lib((2, ""), (4.5, ""))),
            ]),
            ("WATER_PLANT.SRC", "Water supply plant", 4, 1, [
                E("WATER_TANKS.SRE", "Roof water tanks", 15, lib((30, ""), (2, ""))),
                E("BOOSTER_PUMPS.SRE", "Booster pumps", 3, lib((7.5, ""), (4, ""))),
            ]),
        ]),
        (300, "FLOOR_SERVICES.SER", "Floor services", 6, [
            ("FLOOR_HVAC.SRC", "Floor air conditioning", 0, 1, [
                E("FLOOR_AHU.SRE", "Floor air handling unit", 5, lib((120, ""), (11, ""), (1, ""))),
                E("FLOOR_DUCTWORK.SRE", "Floor ductwork", 7,
                  lib((0.0008, ""), (600, ""), (0.025, ""), (60, ""))),
                E("FLOOR_CHW_PIPES.SRE", "Floor chilled water pipework", 8,
                  lib((150, ""), (11, "DN100"), (0.114, ""), (0.04, ""))),
            ]),
            ("FLOOR_ELEC.SRC", "Floor lighting and power", 1, 1, [
                E("FLOOR_LED.SRE", "Office LED panels", 1, lib((160, ""), (6, ""), (0.12, ""))),
                E("FLOOR_DOWNLIGHTS.SRE", "Corridor downlights", 3, lib((40, ""), (4, ""), (0.12, ""))),
                E("FLOOR_EMERGENCY.SRE", "Emergency lighting", 4, lib((24, ""), (8, ""), (0.12, ""))),
                E("FLOOR_POWER.SRE", "Small power cabling", 5, lib((3500, ""), (0.15, ""))),
                E("FLOOR_CONTAINMENT.SRE", "Cable tray and conduit", 7,
                  lib((300, ""), (4.5, ""), (1200, ""), (0.25, ""))),
                E("FLOOR_DBS.SRE", "Distribution boards", 10, lib((2, ""),)),
            ]),
            ("FLOOR_FIRE.SRC", "Floor fire services", 2, 1, [
                E("FLOOR_SPRINKLERS.SRE", "Sprinklers", 10, lib((800, ""), (3.5, ""), (9, ""))),
                E("FLOOR_HOSE_REELS.SRE", "Hose reels", 11, lib((2, ""), (8, ""))),
            ]),
            ("FLOOR_PD.SRC", "Floor plumbing and drainage", 4, 1, [
                E("FLOOR_WATER_PIPES.SRE", "Cold water pipework", 12, lib((120, ""), (0.9, ""))),
                E("FLOOR_SOIL_PIPES.SRE", "Soil and waste pipework", 13, lib((80, ""), (2.2, ""))),
                E("FLOOR_SANITARY.SRE", "Toilet fittings", 14, lib((8, ""), (6, ""), (4, ""))),
            ]),
        ]),
    ],
}

KIND_EXT = {100: (".FDN", ".FDC", ".FDE"), 200: (".FLR", ".FLC", ".FLE"),
            300: (".SER", ".SRC", ".SRE")}


def user_value_name(elm_file):
    return elm_file[:-4] + "_" + elm_file[-4:]


def project_files(prj):
    """{file name: [lines]} of a project."""
    files = {}
    kinds = {100: [], 200: [], 300: []}
    for g in prj["groups"]:
        kinds[g[0]].append(g)
    head = [q(prj["file"]), line(prj["name"], float(prj["cfa"]))]
    for kind in (100, 200, 300):
        head.append(num(len(kinds[kind])))
        for _, gfile, gname, gqty, _ in kinds[kind]:
            head.append(line(gfile, gname, float(gqty)))
    files[prj["file"]] = head
    for kind, gfile, gname, gqty, comps in prj["groups"]:
        glines = [q(gfile), num(kind), q(gname), num(float(gqty)), num(len(comps))]
        for cfile, cname, ctype, cqty, elms in comps:
            glines.append(line(cfile, cname, ctype, float(cqty)))
            clines = [q(cfile), num(kind + 10), q(cname), num(ctype), num(float(cqty)),
                      num(len(elms))]
            for efile, ename, etype, values, user in elms:
                clines.append(line(efile, ename, etype))
                elines = [q(efile), num(kind + 20), q(ename), num(etype)]
                for v, r in values:
                    elines.append(line(v, r))
                if len(values) < 17:
                    elines.append(line("", ""))
                if efile in files:
                    raise ValueError("element file %s used twice" % efile)
                files[efile] = elines
                if user is not None:
                    flag, rows = user
                    files[user_value_name(efile)] = [num(flag)] + [
                        line(mno, float(w), float(life), float(cost)) for mno, w, life, cost in rows]
            files[cfile] = clines
        files[gfile] = glines
    return files


# ---------------------------------------------------------------------------
# Database reader fixtures.
# ---------------------------------------------------------------------------


def fx(no, name, unit, props, first, co2, scale, energy, cost):
    """A fixture record: category k factor = k x scale, except category 1 = first
    and category 2 (kg CO2 eq.) = co2."""
    f = [first, co2] + [k * scale for k in range(3, 11)]
    return [no, name, unit, *props, *f, energy, cost]


def fixture_records():
    db = {
        1: fx(1, "Concrete", "m3", (2400, 1.6, 1000), 1, 300, 1, 1500, 1000),
        2: fx(2, "Steel", "kg", (7850, 50, 450), 0.1, 2, 0.1, 25, 10),
        3: fx(3, "Timber", "m3", (500, 0.13, 1600), 0.5, 150, 0.5, 3700, 6000),
        201: fx(201, "Copper pipe", "m", (8900, 380, 385), 0.01, 5, 0.01, 60, 100),
        501: fx(501, "Grid electricity", "MJ", (0, 0, 0), 0.001, 0.2, 0.001, 3, 0.25),
        502: fx(502, "Town gas", "MJ", (0, 0, 0), 0.0001, 0.06, 0.0001, 1.1, 0.2),
    }
    waste = {
        1: fx(1, "Concrete", "m3", (2400, 1.6, 1000), 0.1, 12, 0.1, 0, 0),
        2: fx(2, "Steel", "kg", (7850, 50, 450), 0.01, 0.05, 0.01, 0, 0),
        3: fx(3, "Timber", "m3", (500, 0.13, 1600), 0.05, 50, 0.05, 0, 0),
        201: fx(201, "Copper pipe", "m", (8900, 380, 385), 0.001, 0.04, 0.001, 0, 0),
        501: fx(501, "Grid electricity", "MJ", (0, 0, 0), 0, 0, 0, 0, 0),
        502: fx(502, "Town gas", "MJ", (0, 0, 0), 0, 0, 0, 0, 0),
    }
    return db, waste


def fixture_lines(records, layout):
    out = []
    for sec in layout:
        out.append(num(len(sec)))
        for no in sec:
            out.append(line(*records[no]))
    return out


def fixture_files():
    db, waste = fixture_records()
    tiny = [[1, 2], [201], [501, 502]]
    files = {}
    files["TINY.IDB"] = fixture_lines(db, tiny)
    files["TINY.ILF"] = fixture_lines(waste, tiny)
    files["MISALIGN.IDB"] = fixture_lines(db, [[1, 2, 3], [201], [501, 502]])
    files["MISALIGN.ILF"] = fixture_lines(waste, [[1], [2, 3, 201], [501, 502]])
    # an unreadable number in the profile: category 2 of the steel record
    bad = fixture_lines(waste, tiny)
    bad[2] = bad[2].replace(",0.05,", ",abc,", 1)
    assert "abc" in bad[2]
    files["BADNUM.IDB"] = fixture_lines(db, tiny)
    files["BADNUM.ILF"] = bad
    # the database ends inside the copper pipe record, after item 9
    short = fixture_lines(db, tiny)
    short = short[:4] + [",".join(short[4].split(",")[:9])]
    files["SHORT.IDB"] = short
    files["SHORT.ILF"] = fixture_lines(waste, tiny)
    # material number 511 in place of 502 in the database
    rng = fixture_lines(db, tiny)
    rng[7] = "511" + rng[7][3:]
    files["RANGE.IDB"] = rng
    files["RANGE.ILF"] = fixture_lines(waste, tiny)
    # 300 + 200 + 9 records and three header rows: 512 rows
    over = {}
    for no in range(1, 510):
        over[no] = [no, "Material %d" % no, "kg", 1000, 1, 1000] + [0.001 * no] * 10 + [1, 1]
    layout = [list(range(1, 301)), list(range(301, 501)), list(range(501, 510))]
    files["OVER.IDB"] = fixture_lines(over, layout)
    for rec in over.values():
        rec[-2:] = [0, 0]
    files["OVER.ILF"] = fixture_lines(over, layout)
    return files


# ---------------------------------------------------------------------------
# data/README.md
# ---------------------------------------------------------------------------

DATA_README = """\
# Sample data directory

This folder is a complete data directory for Ostrevo: the LCIA database
`MATLCIA.IDB`, its profile `MATLCIA.ILF`, and the five element libraries, each
in its own folder with its element default data files. The files are generated
by `tools/make_sample_data.py` from the tables in that script; edit the tables
and run

    python3 tools/make_sample_data.py            # write, then read every file back
    python3 tools/make_sample_data.py --check    # only read back and check
    python3 -m unittest discover -s tools -p 'test_*.py'

rather than editing the files by hand (`scripts/regenerate-samples` runs this
generator with the others of the sample data and checks what they wrote). All
files are plain ASCII text: comma-separated items, strings in double quotes,
numbers bare with `.` as the decimal point and at most 7 significant digits,
one record per line, lines ended by CR LF.

The figures are generic textbook magnitudes for a teaching and demonstration
data set, not the data of any particular product, plant or region.

## Database and profile

Three sections, each a record count followed by its records:

| section | numbers | contents |
|---|---|---|
| 1 | 1..99 | building materials ({nb} records) |
| 2 | 201..239 | services materials ({ns} records) |
| 3 | 501, 502 | grid electricity and town gas |

Building material numbers are grouped by tens: 1-17 concretes, screeds,
mortars, cement and aggregates; 20-28 steel and coatings; 30-35 aluminium,
copper, lead, zinc; 40-44 masonry; 50-53 glass; 55-58 gypsum and boards;
60-64 ceramics and stone; 70-75 timber and wood boards; 80-84 insulation;
86-96 membranes, plastics, paints, sealants and adhesives. Gaps are left free
for additions; numbers stay below 100 so that construction layers show the
database's current name.

Each record: number, name, unit, density (kg/m3), thermal conductivity (W/mK),
specific heat (J/kgK), ten impact factors per unit, energy per unit (MJ of
primary energy, cradle to gate) and unit cost (VL$ per unit, supplied and
installed). Impact categories and units, in file order: abiotic depletion
(kg Sb eq.), global warming (kg CO2 eq.), ozone depletion (kg CFC-11 eq.),
human, freshwater aquatic, marine aquatic and terrestrial toxicity (kg 1,4-DB
eq.), photochemical oxidation (kg C2H2), acidification (kg SO2 eq.),
eutrophication (kg PO4 eq.).

The unit is the one named in the record: m3 for concretes, mortars, screeds,
hardcore and timber; kg for metals, masonry units, glass, stone, tiles,
insulation, paints and most services materials; m2 for ceiling tiles,
membranes, polythene and carpet; no. for luminaires, fan coil units,
switchboard sections, lift and escalator equipment; kW or kVA of rated
capacity for chillers, pumps, fans, air handling units, cooling towers, heat
exchangers, transformers and generators; m3 of capacity for water tanks.

How the factors were set: each material has a cradle-to-gate global warming
figure per kg (for example 0.11 for grade 30 concrete, i.e. 264 per m3; 1.9
for reinforcing bar; 10.5 for primary aluminium extrusion; 1.25 for float
glass) and the other nine categories follow from a profile of the process that
dominates its production (cement kilns, steelmaking, smelting, fossil fuel
combustion, polymer synthesis, forestry, equipment manufacture), so that the
categories stay in proportion with one another and with the default
normalisation factors. Thermal properties are standard building-physics
values. Services products counted per item, per kW or per kVA carry the
properties of their dominant material; they are not meant for construction
layers.

The profile file `MATLCIA.ILF` lists the same sections, materials and order;
its items 7..16 are the solid-waste impact factors: the impacts of disposing of
one unit of the material as solid waste (transport, landfill, degradation),
from one landfill profile scaled by waste class (inert, metal, polymer,
timber, gypsum, mineral fibre, aggregate, equipment). All its other items
repeat the database's values.

### Energy carriers (section 3)

Both are per MJ delivered, unit "MJ". The operating-energy stage turns the
annual electricity (kWh) into MJ (times 3.6, over 50 years) before it applies
the factors of material 501, and books town gas in MJ with the factors of 502.

| no. | name | kg CO2 eq./MJ | energy factor | unit cost |
|---|---|---|---|---|
| 501 | Grid electricity | 0.19 (0.68 per kWh) | 2.9 MJ primary per MJ | 0.2556 (0.92 per kWh) |
| 502 | Town gas | 0.066 | 1.15 MJ primary per MJ | 0.21 |

The energy factors and unit costs of 501 and 502 are for reference: the
operating-energy stage books the delivered MJ as energy and prices energy
with the energy prices of the cost parameters. 501 and 502 have no solid-waste
factors.

## Element libraries

`FOUND`, `FABRIC`, `CONTENTS`, `MECHASER` and `ELECTSER` each hold
`<NAME>.ELB` and, for every element type n from 1 up, `En.IMP` and `En.CST`.

Library file: a header record (field 1 the library's name, field 2 the heading
of the type list, 32 empty fields), then one record per element type: type
number, type name and 16 (item label, unit) pairs, 34 fields on one line.
Items a type does not use are empty strings, so the element grid lists the
used items and one blank row after them. Type 0 is the generic element in
every library: material no., quantity, wastage (%) and life (years), four
times, with all 16 units filled so that all 16 rows are listed. In `FABRIC`
and `CONTENTS` item 1 of every type is a thickness in m (the layer thickness
when a component is saved as a construction).

Element default data file: the material count on line 1, then per material its
name, its number, the formula line count, the formula lines (operand, op code,
a text naming the operand, a text naming the operation; one line each), the
default wastage (%) and the default life (years), each item on a line of its
own. The formulas compute the material's quantity in the material's unit from
the element's values, e.g. thickness x area for m3 of concrete, that times the
reinforcement rate for kg of bar, or thickness x area x the density of the
material (op code 100) for kg of bricks or boards; op code 100 reads the
density of the material named in the formula, so a material replaced through
the element's user values brings its own density. Op codes used: 0 push, 1 add,
2 subtract, 3 multiply, 4 divide, 7 pi, 10 divide by 100, 12 pi/4 x
squared, 13 load a value only (a quantity that is one item), 100 material
property, 101 constant. Every formula has been run through the program's stack
machine with typical values and with half and twice those values. `En.CST` is
identical to `En.IMP`: the costing run takes the same quantities, wastage and
lives and prices them with the unit costs.

Default lives: structure and envelope carcass 50-60 years (no replacement in
the 50-year life), glazing units 30-35, sealants, membranes and roof
insulation 20-30, fit-out 20-30, carpet 10, paint 7-10; plant 20-25, pipework,
ductwork and cabling 30-40, luminaires 10-15. Wastage: 2-5 % for concrete,
steel and glass, 5-10 % for masonry and boards, 10-15 % for finishes, timber,
membranes and sealants, 0 for plant items.

{libraries}
## Materials

| no. | name | unit | kg CO2 eq. per unit | MJ per unit | VL$ per unit |
|---|---|---|---|---|---|
{materials}"""


def data_readme():
    parts = []
    for folder, heading, types in LIBRARIES:
        parts.append("### %s: %s\n" % (folder, heading))
        parts.append("| type | name | items | materials |")
        parts.append("|---|---|---|---|")
        parts.append("| 0 | Generic Element | material no., quantity, wastage, life (x 4) | named in the element |")
        for t in types:
            items = "; ".join("%s (%s)" % (lab, unit) for lab, unit, _ in t.items)
            mats = ", ".join(str(mno) for mno, _, _, _ in t.mats)
            parts.append("| %d | %s | %s | %s |" % (t.no, t.name, items, mats))
        parts.append("")
    mats = ["| %d | %s | %s | %s | %s | %s |" % (m.no, m.name, m.unit, num(m.impacts()[1]),
                                              num(m.energy()), num(m.cost))
            for sec in SECTIONS for m in sec]
    return DATA_README.format(nb=len(BUILDING), ns=len(SERVICES),
                              libraries="\n".join(parts).rstrip() + "\n",
                              materials="\n".join(mats) + "\n")


# ---------------------------------------------------------------------------
# Generation.
# ---------------------------------------------------------------------------


def generate(root):
    written = []

    def out(rel, lines, final_newline=True):
        write_file(os.path.join(root, rel), lines, final_newline)
        written.append(rel)

    readme = os.path.join(root, "data", "README.md")
    os.makedirs(os.path.dirname(readme), exist_ok=True)
    with open(readme, "w", newline="\n") as f:
        f.write(data_readme())
    written.append("data/README.md")
    out("data/MATLCIA.IDB", lcia_lines(SECTIONS, waste_file=False))
    out("data/MATLCIA.ILF", lcia_lines(SECTIONS, waste_file=True))
    for folder, heading, types in LIBRARIES:
        out("data/%s/%s.ELB" % (folder, folder), elb_lines(folder, heading, types))
        for t in types:
            lines = efile_lines(t)
            out("data/%s/E%d.IMP" % (folder, t.no), lines)
            out("data/%s/E%d.CST" % (folder, t.no), lines)
    for name, lines in project_files(OFFICE).items():
        out("samples/office/" + name, lines)
    for name, lines in fixture_files().items():
        out("tests/data/lcia/" + name, lines, final_newline=name != "SHORT.IDB")
    return written


# ===========================================================================
# Checker: re-reads every file item by item as the program does.
# ===========================================================================


class ReadError(Exception):
    pass


def f32(x):
    """Store as a Single."""
    try:
        return struct.unpack("f", struct.pack("f", x))[0]
    except OverflowError:
        raise ReadError("value %r overflows a Single" % x)


class Reader:
    """Item-by-item reader of the comma-separated data files: a comma or a line
    end ends an item; strings in double quotes or bare."""

    def __init__(self, path):
        self.path = path
        with open(path, "rb") as f:
            raw = f.read()
        try:
            self.text = raw.decode("ascii")
        except UnicodeDecodeError:
            raise ReadError("%s: not plain ASCII text" % path)
        self.pos = 0
        self.line = 1

    def eof(self):
        rest = self.text[self.pos:]
        return rest.strip(" \t\r\n") == ""

    def _item(self):
        t, n = self.text, len(self.text)
        while self.pos < n and t[self.pos] in " \t":
            self.pos += 1
        if self.pos >= n:
            raise ReadError("%s:%d: end of file where an item was expected" % (self.path, self.line))
        if t[self.pos] == '"':
            end = t.find('"', self.pos + 1)
            if end < 0:
                raise ReadError("%s:%d: unterminated string" % (self.path, self.line))
            val = t[self.pos + 1:end]
            self.pos = end + 1
            while self.pos < n and t[self.pos] in " \t":
                self.pos += 1
            quoted = True
        else:
            start = self.pos
            while self.pos < n and t[self.pos] not in ",\r\n":
                self.pos += 1
            val = t[start:self.pos].strip()
            quoted = False
        # separator
        if self.pos < n:
            c = t[self.pos]
            if c == ",":
                self.pos += 1
            elif c == "\r":
                if t[self.pos:self.pos + 2] != "\r\n":
                    raise ReadError("%s:%d: bare CR" % (self.path, self.line))
                self.pos += 2
                self.line += 1
            elif c == "\n":
                raise ReadError("%s:%d: line ends in LF without CR" % (self.path, self.line))
            else:
                raise ReadError("%s:%d: text after a closing quote" % (self.path, self.line))
        return val, quoted

    def string(self):
        val, quoted = self._item()
        if not quoted:
            raise ReadError("%s:%d: expected a quoted string, got %r" % (self.path, self.line, val))
        return val

    def number(self):
        val, quoted = self._item()
        if quoted:
            raise ReadError("%s:%d: expected a number, got a string" % (self.path, self.line))
        try:
            return float(val)
        except ValueError:
            raise ReadError("%s:%d: unreadable number %r" % (self.path, self.line, val))

    def single(self):
        return f32(self.number())

    def integer(self):
        v = self.number()
        if v != int(v) or not -32768 <= v <= 32767:
            raise ReadError("%s:%d: %r is not an Integer" % (self.path, self.line, v))
        return int(v)

    def end_of_line(self):
        """The item just read must have been the last of its line."""
        if self.text[self.pos - 2:self.pos] != "\r\n" and self.pos < len(self.text):
            raise ReadError("%s:%d: more items on the line than expected" % (self.path, self.line))


def resolve(folder, name):
    """Exact name, else a case-insensitive match in the folder."""
    path = os.path.join(folder, name)
    if os.path.exists(path):
        return path
    if os.path.isdir(folder):
        for f in os.listdir(folder):
            if f.upper() == name.upper():
                return os.path.join(folder, f)
    raise ReadError("missing file %s" % path)


class MaterialTable:
    """The 511-row material table loaded from a database and its profile."""

    ROWS = 511

    def __init__(self):
        self.listno = [0] * self.ROWS
        self.name = [""] * self.ROWS
        self.unit = [""] * self.ROWS
        self.prop = [[0.0] * 3 for _ in range(self.ROWS)]
        self.imp = [[0.0] * 11 for _ in range(self.ROWS)]
        self.waste = [[0.0] * 10 for _ in range(self.ROWS)]
        self.ucost = [0.0] * self.ROWS
        self.idx = [0] * self.ROWS
        self.sections = []

    def _read(self, path, waste_file, strict):
        rd = Reader(path)
        r = -1
        sections = []
        for _ in range(3):
            r += 1
            if r >= self.ROWS:
                raise ReadError("%s: more than 511 rows" % path)
            count = rd.integer()
            if strict:
                rd.end_of_line()
            if count < 0:
                raise ReadError("%s: negative record count" % path)
            self.listno[r] = count
            sec = []
            for _ in range(count):
                r += 1
                if r >= self.ROWS:
                    raise ReadError("%s: more than 511 rows" % path)
                no = rd.integer()
                name = rd.string()
                unit = rd.string()
                props = [rd.single() for _ in range(3)]
                factors = [rd.single() for _ in range(10)]
                energy = rd.single()
                cost = rd.single()
                if strict:
                    rd.end_of_line()
                if not 0 <= no <= 510:
                    raise ReadError("%s: material number %d outside 0..510" % (path, no))
                self.listno[r], self.name[r], self.unit[r] = no, name, unit
                self.prop[r] = props
                if waste_file:
                    self.waste[r] = factors
                else:
                    self.imp[r][0:10] = factors
                self.imp[r][10] = energy
                self.ucost[r] = cost
                self.idx[no] = r
                sec.append(no)
            sections.append(sec)
        if strict and not rd.eof():
            raise ReadError("%s: text after the third section" % path)
        return sections

    def load(self, idb, ilf, strict=False):
        """Profile first, then database. Raises ReadError on the first failure;
        rows read before it stay."""
        for r in range(self.ROWS):
            self.listno[r] = 0
            self.name[r] = ""
        prof = self._read(ilf, True, strict)
        db = self._read(idb, False, strict)
        if strict and prof != db:
            raise ReadError("%s and %s do not list the same materials in the same order" % (idb, ilf))
        self.sections = db

    def row(self, no):
        return self.idx[no] if 0 <= no <= 510 else None


# -- element libraries -------------------------------------------------------


def read_elb(path):
    """Header and type records, 34 fields each, as the library loader reads them."""
    rd = Reader(path)
    header = [rd._item()[0] for _ in range(34)]
    rd.end_of_line()
    types = {}
    order = []
    while not rd.eof():
        fields = [rd._item()[0] for _ in range(34)]
        rd.end_of_line()
        try:
            n = int(round(float(fields[0])))
        except ValueError:
            raise ReadError("%s: type number %r" % (path, fields[0]))
        if not 0 <= n <= 300:
            raise ReadError("%s: type number %d outside 0..300" % (path, n))
        if n in types:
            raise ReadError("%s: type %d listed twice" % (path, n))
        types[n] = fields
        order.append(n)
    if len(order) > 301:
        raise ReadError("%s: more than 301 type records" % path)
    return header[1], types, order


def grid_rows(fields):
    """Rows the element grid lists for a type record, and the last row whose
    unit is not blank."""
    rows, last, j = 0, 0, 1
    for r in range(1, 17):
        if fields[j] == "":
            break
        rows = r
        if fields[j + 2].strip():
            last = r
        j += 2
    return rows, last


# -- element default data files and the stack machine ------------------------


def leading_number(text):
    """Longest leading number of a typed value; empty or none gives 0."""
    t = text.lstrip(" ")
    best = 0.0
    for end in range(len(t), 0, -1):
        try:
            best = float(t[:end])
            break
        except ValueError:
            continue
    return best


def read_efile(path, strict=True):
    """[(name, material no., [(operand, op)], wastage, life)]."""
    rd = Reader(path)
    n = rd.integer()
    if n < 1:
        raise ReadError("%s: material count below 1" % path)
    if n > 10:
        raise ReadError("%s: more than 10 materials" % path)
    mats = []
    for _ in range(n):
        name = rd.string()
        if strict:
            rd.end_of_line()
        mno = rd.integer()
        if strict:
            rd.end_of_line()
        k = rd.integer()
        if strict:
            rd.end_of_line()
        if k < 0:
            raise ReadError("%s: negative formula line count" % path)
        lines = []
        for _ in range(k):
            operand = rd.single()
            op = rd.integer()
            rd.string()
            rd.string()
            if strict:
                rd.end_of_line()
            lines.append((operand, op))
        was = rd.single()
        if strict:
            rd.end_of_line()
        life = rd.single()
        if strict:
            rd.end_of_line()
        mats.append((name, mno, lines, was, life))
    if not rd.eof():
        raise ReadError("%s: text after the last material" % path)
    return mats


def round_half_to_even(x):
    # Python's round() takes a half to the even neighbour, as Ostrevo's
    # conversion to Integer does.
    return int(round(x))


def run_formula(lines, values, table, swap=None):
    """Evaluate formula lines; values are the element's value texts (slot 0..16).
    swap maps default material numbers to user ones for op 100."""
    s = [0.0] * 5
    for operand, op in lines:
        if op == 100:
            code = round_half_to_even(operand)
            mno, digit = divmod(code, 10)
            if digit > 2 or code < 0:
                raise ReadError("property digit %d" % digit)
            if swap:
                mno = swap.get(mno, mno)
            if not 0 <= mno <= 510:
                raise ReadError("material %d outside 0..510" % mno)
            if table.idx[mno] == 0:
                raise ReadError("formula names material %d, not in the database" % mno)
            s[0] = table.prop[table.idx[mno]][digit]
            continue
        if op == 101:
            s[0] = f32(operand)
            continue
        if operand > 0:
            k = round_half_to_even(operand)
            if not 1 <= k <= 17:
                raise ReadError("value index %d outside 1..17" % k)
            text = values[k - 1] if k - 1 < len(values) else ""
            s[0] = f32(leading_number(text))

        def pop(v):
            s[0] = f32(v)
            s[1], s[2], s[3], s[4] = s[2], s[3], s[4], 0.0

        if op == 0:
            s[4], s[3], s[2], s[1], s[0] = s[3], s[2], s[1], s[0], 0.0
        elif op == 1:
            pop(s[1] + s[0])
        elif op == 2:
            pop(s[1] - s[0])
        elif op == 3:
            pop(s[1] * s[0])
        elif op == 4:
            if s[0] == 0:
                raise ReadError("division by zero")
            pop(s[1] / s[0])
        elif op == 5:
            if s[1] < 0 and s[0] != int(s[0]) or (s[1] == 0 and s[0] < 0):
                raise ReadError("undefined power")
            pop(s[1] ** s[0])
        elif op == 6:
            s[0] = s[1]
        elif op == 7:
            s[0] = f32(4 * math.atan(1))
        elif op == 8:
            if s[0] < 0:
                raise ReadError("square root of a negative number")
            s[0] = f32(math.sqrt(s[0]))
        elif op == 9:
            if s[0] < 0:
                raise ReadError("cube root of a negative number")
            s[0] = f32(s[0] ** (1.0 / 3.0))
        elif op == 10:
            s[0] = f32(s[0] / 100)
        elif op == 11:
            s[0] = f32(s[0] / 2)
        elif op == 12:
            s[0] = f32(math.atan(1) * s[0] * s[0])
    return s[0]


# -- project files ------------------------------------------------------------


def read_lines_of(path, reader_fn):
    rd = Reader(path)
    result = reader_fn(rd)
    if not rd.eof():
        raise ReadError("%s: text after the last record" % path)
    return result


def read_project(path):
    def fn(rd):
        rd.string()
        rd.end_of_line()
        name = rd.string()
        cfa = rd.single()
        rd.end_of_line()
        groups = {}
        for kind, cap in ((100, 10), (200, 20), (300, 20)):
            n = rd.integer()
            rd.end_of_line()
            if not 0 <= n <= cap:
                raise ReadError("%s: %d groups of kind %d" % (path, n, kind))
            groups[kind] = []
            for _ in range(n):
                g = (rd.string(), rd.string(), rd.single())
                rd.end_of_line()
                groups[kind].append(g)
        return name, cfa, groups
    return read_lines_of(path, fn)


def read_group(path):
    def fn(rd):
        rd.string()
        rd.end_of_line()
        kind = rd.integer()
        rd.end_of_line()
        name = rd.string()
        rd.end_of_line()
        qty = rd.single()
        rd.end_of_line()
        n = rd.integer()
        rd.end_of_line()
        if not 0 <= n <= 101:
            raise ReadError("%s: %d components" % (path, n))
        comps = []
        for _ in range(n):
            c = (rd.string(), rd.string(), rd.integer(), rd.single())
            rd.end_of_line()
            comps.append(c)
        return kind, name, qty, comps
    return read_lines_of(path, fn)


def read_component(path):
    def fn(rd):
        rd.string()
        rd.end_of_line()
        kind = rd.integer()
        rd.end_of_line()
        name = rd.string()
        rd.end_of_line()
        ctype = rd.integer()
        rd.end_of_line()
        qty = rd.single()
        rd.end_of_line()
        n = rd.integer()
        rd.end_of_line()
        if not 0 <= n <= 20:
            raise ReadError("%s: %d elements" % (path, n))
        elms = []
        for _ in range(n):
            e = (rd.string(), rd.string(), rd.integer())
            rd.end_of_line()
            elms.append(e)
        return kind, name, ctype, qty, elms
    return read_lines_of(path, fn)


def read_element(path):
    def fn(rd):
        own = rd.string()
        rd.end_of_line()
        kind = rd.integer()
        rd.end_of_line()
        name = rd.string()
        rd.end_of_line()
        typeno = rd.integer()
        rd.end_of_line()
        values, remarks = [], []
        for i in range(17):
            v = rd.string()
            r = rd.string()
            rd.end_of_line()
            values.append(v)
            remarks.append(r)
            if v == "":
                break
            if i == 16:
                raise ReadError("%s: a 17th value that is not empty" % path)
        return own, kind, name, typeno, values[:-1] if values[-1] == "" else values, remarks
    return read_lines_of(path, fn)


def read_user_values(path, count=None):
    """Flag line and material lines; count None reads as many lines as the flag
    says (a generic element's file)."""
    def fn(rd):
        flag = rd.integer()
        rd.end_of_line()
        rows = []
        for _ in range(flag if count is None else count):
            row = (rd.integer(), rd.single(), rd.single(), rd.single())
            rd.end_of_line()
            rows.append(row)
        return flag, rows
    return read_lines_of(path, fn)


# -- element calculation, for the sample project's sanity figures -------------


def replacements(life):
    if abs(life) > 50:
        life = math.copysign(50, life)
    x = f32(50 / abs(life) - 1) if life != 0 else 0.0
    n = 0
    while x > 0:
        n += 1
        x = f32(x - 1)
    return n


def book(acc, table, mno, q, w, life, stage):
    """Add one material's impacts, energy and waste for a stage (1, 2 or 4)."""
    n = replacements(life)
    for kind in (0, 1, 2):
        if stage == 1:
            amount = (1 + w) * q
            if kind == 2 and life > 0:
                amount = w * q
        elif stage == 2:
            amount = (1 + w) * q * n
        else:
            amount = q if (kind == 2 and life > 0) else 0.0
        if amount <= 0:
            continue
        r = table.idx[mno]
        if kind == 0:
            for k in range(10):
                acc["imp"][k] += table.imp[r][k] * amount
        elif kind == 1:
            acc["egy"] += table.imp[r][10] * amount
        else:
            acc["waste"] += amount
            for k in range(10):
                acc["imp"][k] += table.waste[r][k] * amount


# ===========================================================================
# The checks.
# ===========================================================================


class Checker:
    def __init__(self, root):
        self.root = root
        self.errors = []
        self.notes = []
        self.table = None

    def fail(self, msg):
        self.errors.append(msg)

    def path(self, rel):
        return os.path.join(self.root, rel)

    def check_crlf(self, path):
        with open(path, "rb") as f:
            data = f.read()
        if b"\n" in data.replace(b"\r\n", b""):
            self.fail("%s: a line ends in LF without CR" % path)
        if b"\r" in data.replace(b"\r\n", b""):
            self.fail("%s: a bare CR" % path)
        for ln, text in enumerate(data.split(b"\r\n"), 1):
            for item in split_items(text.decode("ascii", "replace")):
                if not item.startswith('"'):
                    digits = item.replace("-", "").replace(".", "").split("E")[0].lstrip("0")
                    if len(digits) > 7:
                        self.fail("%s:%d: %r has more than 7 significant digits" % (path, ln, item))

    # -- database --
    def check_database(self):
        idb, ilf = self.path("data/MATLCIA.IDB"), self.path("data/MATLCIA.ILF")
        for p in (idb, ilf):
            self.check_crlf(p)
        t = MaterialTable()
        try:
            t.load(idb, ilf, strict=True)
        except ReadError as e:
            self.fail(str(e))
            return
        self.table = t
        seen = set()
        b, s, e = t.sections
        for no in b:
            if not 1 <= no <= 99:
                self.fail("building material %d outside 1..99" % no)
        for no in s:
            if not 201 <= no <= 299:
                self.fail("services material %d outside 201..299" % no)
        if e != [501, 502]:
            self.fail("third section must hold 501 and 502, holds %s" % e)
        for no in b + s + e:
            if no in seen:
                self.fail("material %d listed twice" % no)
            seen.add(no)
            r = t.idx[no]
            if not t.name[r] or len(t.name[r]) > 40 or "," in t.name[r]:
                self.fail("material %d: name %r" % (no, t.name[r]))
            if not t.unit[r] or len(t.unit[r]) > 10:
                self.fail("material %d: unit %r" % (no, t.unit[r]))
            if any(v <= 0 for v in t.imp[r]) or t.ucost[r] <= 0:
                self.fail("material %d: a factor or the unit cost is not positive" % no)
            if no < 500:
                if any(v <= 0 for v in t.prop[r]):
                    self.fail("material %d: a thermal property is not positive" % no)
                if any(v <= 0 for v in t.waste[r]):
                    self.fail("material %d: a waste factor is not positive" % no)
                if t.waste[r][1] >= t.imp[r][1]:
                    self.fail("material %d: waste CO2 not below production CO2" % no)
        if not 60 <= len(b) <= 100 or not 20 <= len(s) <= 40:
            self.fail("section sizes %d and %d" % (len(b), len(s)))
        # magnitudes that any reader of the data would expect
        per_kg = lambda no: t.imp[t.idx[no]][1] / MATERIALS[no].mass  # noqa: E731
        for no, lo, hi in ((3, 0.08, 0.2), (20, 1.5, 2.5), (22, 1.5, 2.5), (30, 8, 12),
                           (50, 0.8, 1.6), (501, 0.1, 0.3), (502, 0.05, 0.08)):
            if not lo <= per_kg(no) <= hi:
                self.fail("material %d: %g kg CO2 eq. per kg outside %g..%g" % (no, per_kg(no), lo, hi))

    # -- libraries and element default data files --
    def check_libraries(self):
        t = self.table
        for folder, heading, types in LIBRARIES:
            d = self.path("data/" + folder)
            try:
                elb = resolve(d, folder + ".ELB")
                self.check_crlf(elb)
                head, recs, order = read_elb(elb)
            except ReadError as e:
                self.fail(str(e))
                continue
            if head != heading:
                self.fail("%s: heading %r" % (elb, head))
            if 0 not in recs:
                self.fail("%s: no generic type 0" % elb)
                continue
            rows, last = grid_rows(recs[0])
            if rows != 16 or last != 16:
                self.fail("%s: generic type lists %d rows, last data row %d" % (elb, rows, last))
            for n in order:
                if n == 0:
                    continue
                fields = recs[n]
                nitems = 0
                while nitems < 16 and fields[2 + 2 * nitems]:
                    nitems += 1
                for i in range(nitems):
                    if not fields[3 + 2 * i].strip():
                        self.fail("%s type %d: item %d has no unit" % (elb, n, i + 1))
                if any(fields[2 + 2 * nitems:]):
                    self.fail("%s type %d: items after an empty label" % (elb, n))
                if folder in ("FABRIC", "CONTENTS") and fields[3] != "m":
                    self.fail("%s type %d: item 1 is not a thickness in m" % (elb, n))
                defs = {tt.no: tt for tt in types}[n]
                for ext in (".IMP", ".CST"):
                    try:
                        ef = resolve(d, "E%d%s" % (n, ext))
                        self.check_crlf(ef)
                        mats = read_efile(ef)
                    except ReadError as e:
                        self.fail(str(e))
                        continue
                    if ext == ".IMP":
                        imp = mats
                    elif [(m[1], m[3], m[4]) for m in mats] != [(m[1], m[3], m[4]) for m in imp]:
                        self.fail("%s: materials differ from E%d.IMP" % (ef, n))
                    self.check_efile(ef, mats, defs, nitems)

    def check_efile(self, ef, mats, defs, nitems):
        t = self.table
        if len(mats) != len(defs.mats):
            self.fail("%s: %d materials, expected %d" % (ef, len(mats), len(defs.mats)))
            return
        for (name, mno, lines, was, life), (dno, rpn, _, _) in zip(mats, defs.mats):
            if not 0 <= mno <= 510 or t.idx[mno] == 0:
                self.fail("%s: material %d not in the database" % (ef, mno))
                continue
            if name != t.name[t.idx[mno]]:
                self.fail("%s: material %d named %r" % (ef, mno, name))
            for operand, op in lines:
                if op not in (0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 100, 101):
                    self.fail("%s: op code %d" % (ef, op))
                if op not in (100, 101) and operand > 0 and not 1 <= round_half_to_even(operand) <= nitems:
                    self.fail("%s: material %d reads item %g of %d" % (ef, mno, operand, nitems))
            if not 0 <= was <= 50 or not 1 <= life <= 100:
                self.fail("%s: wastage %g, life %g" % (ef, was, life))
            # typical values, and the same scaled down and up
            for scale in (1.0, 0.5, 2.0):
                vals = [num(v * scale) for v in defs.sample]
                try:
                    got = run_formula(lines, vals, t)
                except ReadError as e:
                    self.fail("%s: material %d: %s" % (ef, mno, e))
                    continue
                want = eval_rpn(rpn, [float(v) for v in vals])
                if not got > 0:
                    self.fail("%s: material %d: quantity %g" % (ef, mno, got))
                elif abs(got - want) > 1e-5 * abs(want):
                    self.fail("%s: material %d: machine gives %g, formula %g" % (ef, mno, got, want))

    # -- sample project --
    def check_project(self, folder, prj_name):
        t = self.table
        d = self.path(folder)
        libs = {}
        for lfolder, _, types in LIBRARIES:
            try:
                _, recs, _ = read_elb(resolve(self.path("data/" + lfolder), lfolder + ".ELB"))
                libs[lfolder] = recs
            except ReadError:
                return
        totals = {s: {"imp": [0.0] * 10, "egy": 0.0, "waste": 0.0, "cost": 0.0} for s in (1, 2, 4)}
        used = set()
        try:
            prj = resolve(d, prj_name)
            self.check_crlf(prj)
            name, cfa, groups = read_project(prj)
            used.add(os.path.basename(prj))
            for kind in (100, 200, 300):
                for gfile, gname, gqty in groups[kind]:
                    gpath = resolve(d, gfile)
                    self.check_crlf(gpath)
                    used.add(gfile)
                    gkind, _, _, comps = read_group(gpath)
                    if gkind != kind:
                        self.fail("%s: group kind %d listed as %d" % (gfile, gkind, kind))
                    for cfile, cname, ctype, cqty in comps:
                        cpath = resolve(d, cfile)
                        self.check_crlf(cpath)
                        used.add(cfile)
                        ckind, _, ctype2, _, elms = read_component(cpath)
                        if ckind != kind + 10 or ctype2 != ctype:
                            self.fail("%s: kind %d type %d" % (cfile, ckind, ctype2))
                        lfolder = library_folder(kind, ctype)
                        for efile, ename, etype in elms:
                            epath = resolve(d, efile)
                            self.check_crlf(epath)
                            used.add(efile)
                            mult = gqty * cqty
                            self.check_element(epath, kind, etype, lfolder, libs, totals, mult,
                                               used)
        except ReadError as e:
            self.fail(str(e))
            return
        # Every composition file (project, group, component and element
        # files; a user-value file takes its element's extension) is reached.
        # The energy model's and plant's files are opened by the energy input,
        # and what a run writes beside the project (its hourly output files,
        # results) is not the composition's.
        composition = (".PRJ", ".FDN", ".FLR", ".SER", ".FDC", ".FLC", ".SRC", ".FDE", ".FLE", ".SRE")
        unused = sorted(f for f in os.listdir(d) if f.upper().endswith(composition) and f not in used)
        if unused:
            self.fail("%s: files not reached from the project: %s" % (folder, unused))
        co2 = sum(totals[s]["imp"][1] for s in (1, 2, 4))
        self.notes.append("%s: %s, %.0f m2; embodied kg CO2 eq. as built %.0f, operating "
                          "materials %.0f, demolition %.0f; %.0f kg CO2 eq./m2 over 50 years; "
                          "cost as built VL$ %.0f (%.0f per m2)" % (
                              prj_name, name, cfa, totals[1]["imp"][1], totals[2]["imp"][1],
                              totals[4]["imp"][1], co2 / cfa, totals[1]["cost"],
                              totals[1]["cost"] / cfa))
        if not 200 <= co2 / cfa <= 1500:
            self.fail("sample project: %.0f kg CO2 eq. per m2 is not a plausible figure" % (co2 / cfa))

    def check_element(self, epath, kind, etype, lfolder, libs, totals, mult, used):
        """Read one element of the sample project, work out its materials as the
        element calculation does, and add its figures (times mult) to totals."""
        t = self.table
        own, ekind, _, typeno, values, _ = read_element(epath)
        if own != os.path.basename(epath) or ekind != kind + 20:
            self.fail("%s: line 1 %r, kind %d" % (epath, own, ekind))
        if typeno != etype:
            self.fail("%s: element type %d, listed in its component as type %d" % (
                epath, typeno, etype))
        if typeno not in libs[lfolder]:
            self.fail("%s: type %d not in %s.ELB" % (epath, typeno, lfolder))
            return
        uname = user_value_name(os.path.basename(epath))
        upath = os.path.join(os.path.dirname(epath), uname)
        mats = []   # (material no., quantity, wastage fraction, life, unit cost)
        if typeno == 0:
            nmat = min(4, (len(values) + 3) // 4)
            if len(values) != 4 * nmat:
                self.fail("%s: generic element with %d values" % (epath, len(values)))
            rows = None
            if os.path.exists(upath):
                used.add(uname)
                self.check_crlf(upath)
                flag, rows = read_user_values(upath)
                rows = rows if flag > 0 else None
            for m in range(nmat):
                mno = round_half_to_even(leading_number(values[4 * m]))
                was = leading_number(values[4 * m + 2])
                life = leading_number(values[4 * m + 3])
                ucost = None
                if rows:
                    mno, was, life, ucost = rows[m]
                if not 1 <= mno <= 510 or t.idx[mno] == 0:
                    self.fail("%s: material %d" % (epath, mno))
                    return
                mats.append((mno, f32(leading_number(values[4 * m + 1])), f32(was / 100),
                             f32(life), ucost if ucost is not None else t.ucost[t.idx[mno]]))
        else:
            grid = libs[lfolder][typeno]
            nitems = 0
            while nitems < 16 and grid[2 + 2 * nitems]:
                nitems += 1
            if len(values) != nitems:
                self.fail("%s: %d values for %d items" % (epath, len(values), nitems))
            defaults = read_efile(resolve(self.path("data/" + lfolder), "E%d.IMP" % typeno))
            swap, flag, rows = {}, 0, None
            if os.path.exists(upath):
                used.add(uname)
                flag, rows = read_user_values(upath, len(defaults))
                self.check_crlf(upath)
            if flag:
                for j, default in enumerate(defaults):
                    swap[default[1]] = rows[j][0]
            for j, (_, mno, lines, was, life) in enumerate(defaults):
                if not 0 <= mno <= 510 or t.idx[mno] == 0:
                    self.fail("%s: default material %d not in the database" % (epath, mno))
                    return
                ucost = t.ucost[t.idx[mno]]
                if flag:
                    mno, was, life, ucost = rows[j]
                    if not 0 <= mno <= 510 or t.idx[mno] == 0:
                        self.fail("%s: user material %d not in the database" % (upath, mno))
                        return
                try:
                    qty = run_formula(lines, values, t, swap if flag else None)
                except ReadError as e:
                    self.fail("%s: %s" % (epath, e))
                    return
                mats.append((mno, qty, f32(was / 100), life, ucost))
        for mno, qty, w, life, ucost in mats:
            if qty <= 0:
                self.fail("%s: material %d quantity %g" % (epath, mno, qty))
            for stage in (1, 2, 4):
                acc = {"imp": [0.0] * 10, "egy": 0.0, "waste": 0.0}
                book(acc, t, mno, qty, w, life, stage)
                for k in range(10):
                    totals[stage]["imp"][k] += acc["imp"][k] * mult
                totals[stage]["egy"] += acc["egy"] * mult
                totals[stage]["waste"] += acc["waste"] * mult
            totals[1]["cost"] += ucost * (1 + w) * qty * mult

    # -- fixtures --
    def check_fixtures(self):
        d = self.path("tests/data/lcia")
        expect_ok = {"TINY", "MISALIGN"}
        for base in ("TINY", "MISALIGN", "BADNUM", "SHORT", "RANGE", "OVER"):
            idb, ilf = os.path.join(d, base + ".IDB"), os.path.join(d, base + ".ILF")
            t = MaterialTable()
            try:
                t.load(idb, ilf)
                ok = True
            except (ReadError, OSError):
                ok = False
            if ok != (base in expect_ok):
                self.fail("%s: loads %s" % (base, "cleanly" if ok else "with a failure"))

    def run(self):
        self.check_database()
        if self.table is None:
            return
        self.check_libraries()
        self.check_project("samples/office", "OFFICE.PRJ")
        self.check_fixtures()


def split_items(text):
    """Items of one line, quotes kept (for the significant digit check)."""
    items, cur, inq = [], "", False
    for c in text:
        if c == '"':
            inq = not inq
            cur += c
        elif c == "," and not inq:
            items.append(cur.strip())
            cur = ""
        else:
            cur += c
    if cur.strip():
        items.append(cur.strip())
    return items


def library_folder(kind, ctype):
    if kind == 100:
        return "FOUND"
    if kind == 200:
        return "CONTENTS" if ctype == 2 else "FABRIC"
    return "ELECTSER" if ctype in (1, 3) else "MECHASER"


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check", action="store_true", help="only check the files on disk")
    ap.add_argument("--root", default=REPO, help="repository folder (default: this repository)")
    args = ap.parse_args(argv)
    if not args.check:
        written = generate(args.root)
        print("wrote %d files under %s" % (len(written), args.root))
    ck = Checker(args.root)
    ck.run()
    for n in ck.notes:
        print(n)
    for e in ck.errors:
        print("ERROR: " + e, file=sys.stderr)
    if ck.errors:
        print("%d problems" % len(ck.errors), file=sys.stderr)
        return 1
    print("all files read back and all formulas evaluate")
    return 0


if __name__ == "__main__":
    sys.exit(main())
