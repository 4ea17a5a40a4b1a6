#!/usr/bin/python3
# Writes lunar_dates.txt: Gregorian dates of 1901-2050 with their lunar dates from Debian's
# python3-lunardate, an independent table, corrected in seven months by the new moons.
#
# Run with Debian's interpreter (apt-get install python3-lunardate):
#   /usr/bin/python3 tests/discrete/data/make_lunar_fixture.py > tests/discrete/data/lunar_dates.txt
import datetime
import random

import lunardate

FIRST = datetime.date(1901, 1, 1)
LAST = datetime.date(2050, 12, 31)
DAY = datetime.timedelta(days=1)

# Months where lunardate is a day off against the astronomical new moon in Beijing time:
# (lunar year, month, leap, Gregorian date of the month's first day by the new moon).
NEW_MOON_STARTS = [
    (1914, 10, False, datetime.date(1914, 11, 18)),
    (1916, 1, False, datetime.date(1916, 2, 4)),
    (1920, 10, False, datetime.date(1920, 11, 11)),
    (1933, 6, False, datetime.date(1933, 7, 23)),
    (1954, 11, False, datetime.date(1954, 11, 25)),
    (1956, 11, False, datetime.date(1956, 12, 2)),
    (1978, 8, False, datetime.date(1978, 9, 3)),
]


def reference(d):
    r = lunardate.LunarDate.fromSolarDate(d.year, d.month, d.day)
    return (r.year, r.month, r.day, bool(r.isLeapMonth))


def month_start(year, month, leap):
    return lunardate.LunarDate(year, month, 1, leap).toSolarDate()


def month_end(start):
    # The first day of the following month: lunardate and the new moons agree on it.
    d = start + 28 * DAY
    while reference(d)[2] != 1:
        d += DAY
    return d


def lunar(d):
    for year, month, leap, start in NEW_MOON_STARTS:
        ref_start = month_start(year, month, leap)
        end = month_end(max(start, ref_start))
        if start <= d < end:
            return (year, month, (d - start).days + 1, leap)
        if ref_start <= d < start:  # still the last day of the month before
            y, m, day, lp = reference(d - DAY)
            return (y, m, day + 1, lp)
    return reference(d)


def chosen_dates():
    dates = {FIRST, FIRST + DAY, datetime.date(1901, 1, 19), datetime.date(1901, 1, 20),
             datetime.date(1901, 2, 18), datetime.date(1901, 2, 19), LAST - DAY, LAST,
             datetime.date(2050, 1, 1)}
    for year in range(1901, 2051):
        new_year = month_start(year, 1, False)
        dates.update({new_year - DAY, new_year})
        for month in range(1, 13):
            try:
                start = month_start(year, month, True)
            except ValueError:
                continue
            end = month_end(start)
            dates.update({start - DAY, start, end - DAY})
    for year, month, leap, start in NEW_MOON_STARTS:
        dates.update({start - 2 * DAY, start - DAY, start, start + DAY, start + 15 * DAY})
    for start in (datetime.date(1989, 8, 2), datetime.date(2013, 6, 8),
                  datetime.date(2025, 4, 28)):
        dates.update({start - DAY, start, start + DAY})
    rng = random.Random(20230322)
    span = (LAST - FIRST).days
    while len(dates) < 700:
        dates.add(FIRST + rng.randrange(span + 1) * DAY)
    return sorted(d for d in dates if FIRST <= d <= LAST)


def main():
    print("# Gregorian date, lunar year, month, day, leap flag (1 = leap month).")
    print("# Made by make_lunar_fixture.py from python3-lunardate; in the months starting")
    print("# 1914-11-18, 1916-02-04, 1920-11-11, 1933-07-23, 1954-11-25, 1956-12-02 and")
    print("# 1978-09-03 it records the new-moon date, a day off lunardate's.")
    for d in chosen_dates():
        y, m, day, leap = lunar(d)
        note = ""
        if lunar(d) != reference(d):
            ry, rm, rd, rl = reference(d)
            note = "  # by the new moon; lunardate says %d-%d-%d" % (ry, rm, rd)
        print("%s %d %d %d %d%s" % (d.isoformat(), y, m, day, int(leap), note))


if __name__ == "__main__":
    main()
