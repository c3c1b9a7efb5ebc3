#!/usr/bin/env python3
"""Make the weather file VLW1989.TXT of the cooling-load simulation from a
typical-year weather file in TMY3 form (comma-separated, two header lines,
8,760 hourly records).

  python3 tools/make_weather_file.py IN.tmy3             -> data/VLW1989.TXT
  python3 tools/make_weather_file.py IN.tmy3 OUT.TXT     -> OUT.TXT

The sample data's VLW1989.TXT is made from the typical-year file of
Honolulu International Airport (HI-Honolulu_Intl_Arpt.tmy3), which is not
kept in this repository.

Each output line holds 19 items, in calendar order from 1 January hour 1 to
31 December hour 24, lines ended by CR LF:

   1  hour stamp: the hour of the year, 1 .. 8760
   2  outdoor dry-bulb temperature, degC
   3  outdoor relative humidity, %
   4  outdoor wet-bulb temperature, degC (psychrometric, at the station pressure)
   5  outdoor humidity ratio, kg/kg (from the dew point and the station pressure)
   6-15  direct (beam) irradiance on a surface of orientation code 0 .. 9, W/m2:
         1 N, 2 NE, 3 E, 4 SE, 5 S, 6 SW, 7 W, 8 NW (vertical), 9 horizontal;
         code 0 (orientation not set) takes the mean of the eight vertical ones
  16  diffuse irradiance on a horizontal surface, W/m2 (the station's value)
  17  diffuse irradiance on a vertical surface, W/m2: half the horizontal
      diffuse (isotropic sky) plus half the global horizontal reflected by
      ground of albedo 0.2
  18  solar altitude at the middle of the hour, rad; 0 while the sun is down
  19  solar azimuth at the middle of the hour, rad, from south towards west,
      0 <= azimuth < 2 pi

The sun's position comes from the usual series for the declination and the
equation of time in the day angle, with the station's longitude and time
zone; the irradiance values are those of the hour ending at the time stamp,
so the sun is placed at the middle of that hour.

Python 3 standard library only.
"""

import csv
import math
import os
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUTPUT = os.path.join(REPO, "data", "VLW1989.TXT")

GROUND_ALBEDO = 0.2
MAX_ALTITUDE = 1.5707  # keeps the altitude below pi/2 in the written text
CRLF = "\r\n"


# ---------------------------------------------------------------------------
# Psychrometrics (kPa, degC, kg/kg)
# ---------------------------------------------------------------------------

def sat_pressure(t):
    """Saturation vapour pressure in kPa over liquid water (t >= 0 degC) or
    ice (t < 0 degC), Hyland and Wexler."""
    T = t + 273.15
    if t >= 0:
        ln = (-5.8002206e3 / T + 1.3914993 - 4.8640239e-2 * T + 4.1764768e-5 * T * T
              - 1.4452093e-8 * T ** 3 + 6.5459673 * math.log(T))
    else:
        ln = (-5.6745359e3 / T + 6.3925247 - 9.677843e-3 * T + 6.2215701e-7 * T * T
              + 2.0747825e-9 * T ** 3 - 9.484024e-13 * T ** 4 + 4.1635019 * math.log(T))
    return math.exp(ln) / 1000.0


def humidity_ratio(pw, p):
    return 0.621945 * pw / (p - pw)


def wet_bulb(t, w, p):
    """Thermodynamic wet-bulb temperature of air at t degC, humidity ratio w
    and pressure p kPa, by bisection of the psychrometric balance."""
    def w_at(ts):
        ws = humidity_ratio(sat_pressure(ts), p)
        if ts >= 0:
            return ((2501 - 2.326 * ts) * ws - 1.006 * (t - ts)) / (2501 + 1.86 * t - 4.186 * ts)
        return ((2830 - 0.24 * ts) * ws - 1.006 * (t - ts)) / (2830 + 1.86 * t - 2.1 * ts)

    lo, hi = t - 60.0, t
    for _ in range(100):
        mid = 0.5 * (lo + hi)
        if w_at(mid) > w:
            hi = mid
        else:
            lo = mid
    return 0.5 * (lo + hi)


# ---------------------------------------------------------------------------
# Solar geometry
# ---------------------------------------------------------------------------

def solar_position(day_of_year, hour, latitude, longitude, time_zone):
    """Altitude and azimuth (rad, azimuth from south towards west in
    [0, 2 pi)) at `hour` (decimal, local standard time) of a day."""
    g = 2 * math.pi / 365 * (day_of_year - 1 + (hour - 12) / 24)
    eot = 229.18 * (0.000075 + 0.001868 * math.cos(g) - 0.032077 * math.sin(g)
                    - 0.014615 * math.cos(2 * g) - 0.040849 * math.sin(2 * g))
    decl = (0.006918 - 0.399912 * math.cos(g) + 0.070257 * math.sin(g)
            - 0.006758 * math.cos(2 * g) + 0.000907 * math.sin(2 * g)
            - 0.002697 * math.cos(3 * g) + 0.00148 * math.sin(3 * g))
    solar_minutes = hour * 60 + eot + 4 * longitude - 60 * time_zone
    ha = math.radians(solar_minutes / 4 - 180)
    lat = math.radians(latitude)
    sin_alt = math.sin(lat) * math.sin(decl) + math.cos(lat) * math.cos(decl) * math.cos(ha)
    alt = math.asin(max(-1.0, min(1.0, sin_alt)))
    azi = math.atan2(math.sin(ha), math.cos(ha) * math.sin(lat) - math.tan(decl) * math.cos(lat))
    if azi < 0:
        azi += 2 * math.pi
    if azi >= 2 * math.pi:
        azi -= 2 * math.pi
    return alt, azi


def surface_azimuth(code):
    """Azimuth of the outward normal of a vertical surface of orientation
    code 1 N .. 8 NW, from south towards west."""
    psi = (code - 5) / 4 * math.pi
    return psi + 2 * math.pi if psi < 0 else psi


def beam_on_surfaces(dni, alt, azi):
    """Direct irradiance on orientation codes 0 .. 9."""
    out = [0.0] * 10
    if alt <= 0 or dni <= 0:
        return out
    for code in range(1, 9):
        cos_i = math.cos(alt) * math.cos(azi - surface_azimuth(code))
        out[code] = dni * max(0.0, cos_i)
    out[9] = dni * math.sin(alt)
    out[0] = sum(out[1:9]) / 8
    return out


# ---------------------------------------------------------------------------
# Conversion
# ---------------------------------------------------------------------------

def fixed(x, places):
    """Plain decimal text with at most `places` decimals, no exponent."""
    s = "%.*f" % (places, x)
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    if s in ("-0", ""):
        s = "0"
    return s


def read_tmy3(path):
    with open(path, newline="") as f:
        rows = list(csv.reader(f))
    head = rows[0]
    station = {"name": head[1], "time_zone": float(head[3]),
               "latitude": float(head[4]), "longitude": float(head[5])}
    names = rows[1]
    col = {n: i for i, n in enumerate(names)}
    records = rows[2:]
    if len(records) != 8760:
        raise ValueError("%s: %d hourly records, 8760 expected" % (path, len(records)))
    return station, col, records


def convert(path):
    station, col, records = read_tmy3(path)
    days = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    lines = []
    hour_of_year = 0
    for month in range(1, 13):
        for day in range(1, days[month - 1] + 1):
            for hour in range(1, 25):
                rec = records[hour_of_year]
                hour_of_year += 1
                m, d = (int(v) for v in rec[col["Date (MM/DD/YYYY)"]].split("/")[:2])
                h = int(rec[col["Time (HH:MM)"]].split(":")[0])
                if (m, d, h) != (month, day, hour):
                    raise ValueError("record %d is %02d/%02d %02d:00, expected %02d/%02d %02d:00"
                                     % (hour_of_year, m, d, h, month, day, hour))
                tdb = float(rec[col["Dry-bulb (C)"]])
                tdew = float(rec[col["Dew-point (C)"]])
                rh = float(rec[col["RHum (%)"]])
                p = float(rec[col["Pressure (mbar)"]]) / 10.0
                ghi = float(rec[col["GHI (W/m^2)"]])
                dni = float(rec[col["DNI (W/m^2)"]])
                dhi = float(rec[col["DHI (W/m^2)"]])
                w = humidity_ratio(sat_pressure(min(tdew, tdb)), p)
                twb = wet_bulb(tdb, w, p)
                doy = sum(days[:month - 1]) + day
                alt, azi = solar_position(doy, hour - 0.5, station["latitude"], station["longitude"],
                                          station["time_zone"])
                beam = beam_on_surfaces(dni, alt, azi)
                dif_v = 0.5 * dhi + 0.5 * GROUND_ALBEDO * ghi
                items = [str(hour_of_year), fixed(tdb, 1), fixed(rh, 0), fixed(twb, 2), fixed(w, 6)]
                items += [fixed(b, 1) for b in beam]
                items += [fixed(dhi, 1), fixed(dif_v, 1)]
                items += [fixed(min(max(alt, 0.0), MAX_ALTITUDE), 6), fixed(azi, 6)]
                if items[-1] == fixed(2 * math.pi, 6):
                    items[-1] = "0"
                lines.append(",".join(items))
    return station, lines


def main(argv):
    if len(argv) < 2:
        print("usage: %s IN.tmy3 [OUT.TXT]" % argv[0], file=sys.stderr)
        return 2
    src = argv[1]
    dst = argv[2] if len(argv) > 2 else DEFAULT_OUTPUT
    station, lines = convert(src)
    tmp = dst + ".tmp"
    with open(tmp, "w", newline="") as f:
        f.write(CRLF.join(lines) + CRLF)
    os.replace(tmp, dst)
    print("%s: %d hours of %s" % (dst, len(lines), station["name"]))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
