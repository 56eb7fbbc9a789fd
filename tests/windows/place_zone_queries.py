#!/usr/bin/env python3
"""Writes the place and zone queries that places_zones_same.sh puts to both builds.

  place_zone_queries.py LINUX_CLI ZONE_FOLDER SEED

Place names (in every script the place list holds) are taken from the Linux build's own lists
for a few broad queries; each query is a name, a prefix of one, in other case, in ASCII
spelling or one that matches nothing. Moments lie between 1850 and 2037, about half of them at
the clock changes of the place's or zone's history as zdump gives them: in and at the edges
of hours that were skipped or repeated. Written to the current folder:
  places.csv   2,000 rows for batch with a place column (and a dst column: empty, 0 or 1)
  zones.csv    2,000 rows for batch with a zone column (and a dst column)
  calls.tsv    argument lists of single places and zone runs, one a line, tab-separated
"""
import csv
import datetime
import random
import re
import subprocess
import sys
import unicodedata

cli, zone_folder, seed = sys.argv[1], sys.argv[2], int(sys.argv[3])
rng = random.Random(seed)

# Names and their zones from the Linux build's place lists: "Shown (Matched), Region, Country — Zone".
places = []
for query in ["a", "m", "s", "k", "б", "北", "Α", "ł", "ن"]:
    text = subprocess.run([cli, "places", query, "--limit", "100000"], capture_output=True,
                          text=True).stdout
    for line in text.splitlines():
        head, _, zone = line.rpartition(" — ")
        first = head.split(", ")[0]
        match = re.fullmatch(r"(.*) \((.*)\)", first)
        names = [match.group(1), match.group(2)] if match else [first]
        for name in names:
            places.append((name, zone))
if len(places) < 1000:
    sys.exit(f"only {len(places)} place names listed by {cli}")

zones = [line.split()[1] for line in open(f"{zone_folder}/tzdata.zi", encoding="utf-8")
         if line.startswith("Z ")]
links = [line.split()[2] for line in open(f"{zone_folder}/tzdata.zi", encoding="utf-8")
         if line.startswith("L ")]

ZDUMP = re.compile(r"UT = \w+ (\w+ +\d+ [\d:]+ -?\d+) .* gmtoff=(-?\d+)$")
changes_of = {}


def changes(zone):
    """The clock changes of zone between 1850 and 2037: (local time just before, offset before,
    offset after)."""
    if zone not in changes_of:
        out = subprocess.run(["zdump", "-v", "-c", "1850,2038", zone], capture_output=True,
                             text=True).stdout
        lines = [m for m in map(ZDUMP.search, out.splitlines()) if m]
        found = []
        for before, after in zip(lines[0::2], lines[1::2]):
            local = datetime.datetime.strptime(before.group(1), "%b %d %H:%M:%S %Y")
            found.append((local, int(before.group(2)), int(after.group(2))))
        changes_of[zone] = found
    return changes_of[zone]


def random_moment():
    return datetime.datetime(rng.randint(1850, 2037), rng.randint(1, 12), rng.randint(1, 28),
                             rng.randint(0, 23), rng.randint(0, 59))


def moment_near_change(zone):
    """A local moment in, at the edge of, just before or just after a skipped or repeated stretch."""
    found = changes(zone)
    if not found:
        return random_moment()
    last_before, off_before, off_after = rng.choice(found)
    start = last_before + datetime.timedelta(seconds=1)  # the first local second of the change
    width = datetime.timedelta(seconds=abs(off_after - off_before))
    if off_after < off_before:
        start -= width  # the repeated stretch lies before the change's local clock reading
    moment = rng.choice([start, start + width / 2, start + width - datetime.timedelta(minutes=1),
                         start - datetime.timedelta(minutes=1), start + width])
    moment = moment.replace(second=0, microsecond=0)
    return moment if 1850 <= moment.year <= 2037 else random_moment()


def moment(zone):
    return moment_near_change(zone) if zone and rng.random() < 0.6 else random_moment()


def ascii_spelling(name):
    for a, b in (("ä", "ae"), ("ö", "oe"), ("ü", "ue"), ("ß", "ss"), ("Ä", "Ae"), ("Ö", "Oe"),
                 ("Ü", "Ue")):
        name = name.replace(a, b)
    return "".join(c for c in unicodedata.normalize("NFD", name) if not unicodedata.combining(c))


def place_query():
    name, zone = rng.choice(places)
    kind = rng.random()
    if kind < 0.3:
        query = name
    elif kind < 0.6:
        query = name[:rng.randint(1, len(name))]
    elif kind < 0.7:
        query = name.lower() if rng.random() < 0.5 else name.upper()
    elif kind < 0.85:
        query = ascii_spelling(name)
    elif kind < 0.9:
        query = "  " + name + " "
    elif kind < 0.95:
        query = unicodedata.normalize("NFD", name)
    else:
        query, zone = "".join(rng.choice("qxzjvwk") for _ in range(rng.randint(3, 7))), ""
    return (query.strip("\t\n") or name), zone


def zone_query():
    kind = rng.random()
    if kind < 0.9:
        zone = rng.choice(zones)
        return zone, zone
    if kind < 0.96:
        zone = rng.choice(links)
        return zone, zone
    zone = rng.choice(zones)
    return zone.lower(), zone


def row(moment, column, dst):
    return [moment.day, moment.month, moment.year, moment.hour, moment.minute, column, dst]


header = ["day", "month", "year", "hour", "minute"]
with open("places.csv", "w", newline="", encoding="utf-8") as f:
    w = csv.writer(f, lineterminator="\n")
    w.writerow(header + ["place", "dst"])
    for _ in range(2000):
        query, zone = place_query()
        w.writerow(row(moment(zone), query, rng.choice(["", "", "0", "1"])))
with open("zones.csv", "w", newline="", encoding="utf-8") as f:
    w = csv.writer(f, lineterminator="\n")
    w.writerow(header + ["zone", "dst"])
    for _ in range(2000):
        spelt, zone = zone_query()
        w.writerow(row(moment(zone), spelt, rng.choice(["", "", "0", "1"])))

with open("calls.tsv", "w", encoding="utf-8") as f:
    def call(*words):
        f.write("\t".join(str(w) for w in words if w != "") + "\n")
    for i in range(40):
        query, _ = place_query()
        call("places", "--limit", rng.choice([1, 30, 200]), "--json" if i % 2 else "", "--", query)
    for i in range(60):
        if i % 4 == 0:
            what, zone = place_query()
            option = "--place"
        else:
            what, zone = zone_query()
            option = "--zone"
        m = moment(zone)
        call("zone", option, what, rng.choice(["", "--dst", "--no-dst"]),
             "--round" if i % 3 == 0 else "", "--json" if i % 2 else "", "--", m.day, m.month,
             m.year, m.hour, m.minute)
