#!/usr/bin/python3
"""Checks that the sample assessments of the committed UserInputs.dbf.csv
still reach the result classes they are meant to show, in the rough model of
the two methods (estimate.py), on the committed tables.

    /usr/bin/python3 tools/datagen/check_classes.py [DATA_DIR]

Run after editing a table by hand: a yield, curve number or factor changed
in the CSVs can push a sample out of its class."""

import csv
import os
import sys

import estimate
import generate
import samples


def main(data_dir):
    tables_dir = os.path.join(data_dir, "tables")
    db = estimate.Tables(tables_dir)
    meant = {sample.columns["RecordName"]: sample for sample in samples.USER_SAMPLES}
    path = os.path.join(tables_dir, "UserTables", "UserInputs.dbf.csv")
    with open(path, newline="", encoding="utf-8") as source:
        records = list(csv.DictReader(source))
    failures = []
    for record in records:
        sample = meant.pop(record["RecordName"], None)
        if sample is None:
            failures.append(f"{record['RecordName']}: no class is set for this record in samples.py")
            continue
        committed = samples.Sample(sample.shows, sample.nitrogen, sample.phosphorus, record)
        nitrogen, phosphorus = generate.evaluate(db, committed)
        print(generate.describe(committed, nitrogen, phosphorus))
        failures += generate.class_misses(committed, nitrogen, phosphorus)
    failures += [f"{name}: missing from UserInputs.dbf.csv" for name in meant]
    for failure in failures:
        print("MISSED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data")))
