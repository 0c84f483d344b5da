#!/usr/bin/python3
"""The consistency check catches the faults it is there for: each case breaks
a copy of the bundled data in one way and expects the check to name it.

    /usr/bin/python3 tests/data/test_check_consistency.py [DATA_DIR]"""

import csv
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_consistency  # noqa: E402

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")
SAMPLES_FOLDER = os.path.join("..", "samples")  # beside tables/, as table_path sees it


def table_path(root, folder, name):
    return os.path.join(root, "tables", folder, name)


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as source:
        return list(csv.reader(source))


def write_csv(path, rows):
    with open(path, "w", newline="", encoding="utf-8") as out:
        csv.writer(out, lineterminator="\n").writerows(rows)


def edit_rows(folder, name, change):
    """A fault that rewrites the data rows (header first) of one table."""
    def apply(root):
        path = table_path(root, folder, name) + ".csv"
        write_csv(path, change(read_csv(path)))
    return apply


def set_cell(folder, name, key_column, key, column, value):
    def change(rows):
        header = rows[0]
        for row in rows[1:]:
            if row[header.index(key_column)] == key:
                row[header.index(column)] = value
        return rows
    return edit_rows(folder, name, change)


def drop_rows(folder, name, column, value, also=None):
    def change(rows):
        header = rows[0]
        keep = [row for row in rows[1:] if not (row[header.index(column)] == value
                and (also is None or row[header.index(also[0])] == also[1]))]
        return [header] + keep
    return edit_rows(folder, name, change)


def drop_column(folder, name, column):
    def apply(root):
        base = table_path(root, folder, name)
        schema = read_csv(base + ".schema.csv")
        write_csv(base + ".schema.csv", [row for row in schema if row[0] != column])
        rows = read_csv(base + ".csv")
        index = rows[0].index(column)
        write_csv(base + ".csv", [row[:index] + row[index + 1:] for row in rows])
    return apply


def rename_in_schema(folder, name, old, new):
    """A fault in the schema only: one column renamed."""
    def change(rows):
        return [[new] + row[1:] if row[0] == old else row for row in rows]
    return edit_rows(folder, name + ".schema", change)


def duplicate_key(folder, name, column):
    def change(rows):
        index = rows[0].index(column)
        rows[2][index] = rows[1][index]
        return rows
    return edit_rows(folder, name, change)


def swap_first_rows(folder, name):
    def change(rows):
        rows[1], rows[2] = rows[2], rows[1]
        return rows
    return edit_rows(folder, name, change)


def replace_text(relative_path, old, new):
    def apply(root):
        path = os.path.join(root, relative_path)
        with open(path, encoding="utf-8") as source:
            text = source.read()
        with open(path, "w", encoding="utf-8") as out:
            out.write(text.replace(old, new))
    return apply


# (case, fault, text the check must report)
FAULTS = (
    ("a column a lookup reads is missing", drop_column("CropTables", "Crops.db", "NUE"),
     "Crops.db: lacks column NUE"),
    ("a map unit key repeats", duplicate_key("CountyTables", "Soil_Mapunits.db", "MUKey"),
     "key MUKey = ('401001',) is not unique (row 1 has it too)"),
    ("a crop names a yield column the yield table lacks",
     set_cell("CropTables", "Crops.db", "Harlwig_Crop_Name", "Wheat", "RYE_CropName", "RYE_Wheet"),
     "Crops.db row 5 (Wheat) column RYE_CropName: names RYE_Wheet, which Yields_And_N_Factors.db lacks"),
    ("a map unit has no curve numbers", drop_rows("CropTables", "Curve_Number.db", "MUKey", "402005"),
     "Soil_Mapunits.db MUKey 402005: no curve-number row (CN_ID 101, Tillage_ID 1, good) for Corn"),
    ("a county lacks ET rows of a soil group",
     drop_rows("CountyTables", "County_Stations.db", "County", "Redfield", also=("ETSoilGrp", "3")),
     "county VD04 has no ET row for DrnModCropID 1 and ETSoilGrp 3"),
    ("a map unit's relation is missing",
     set_cell("CountyTables", "Soil_Mapunits.db", "MUKey", "401001", "Surf_SolPEqNo", "9"),
     "Soil_Mapunits.db row 1 (MUKey 401001) column Surf_SolPEqNo: '9' is not in Surface_SolPEq.db"),
    ("a text exceeds its column size",
     set_cell("CropTables", "Crops.db", "Crop_Code", "11", "Harlwig_Crop_Name", "Corn" * 11),
     "Crops.db row 1 column Harlwig_Crop_Name: '" + "Corn" * 11 + "' is longer than 40 characters"),
    ("a number is not a number",
     set_cell("UserTables", "PartPDelivery.db", "RecSlopeDist", "0 - 100", "PartPDelFact", "high"),
     "PartPDelivery.db row 1 column PartPDelFact: 'high' is not a valid float"),
    ("a value is implausible", set_cell("CropTables", "Crops.db", "Crop_Code", "15", "NUE", "95"),
     "Crops.db row 5 column NUE: 95 lies outside the plausible range 40..80"),
    ("a leading-part search would stop at another crop", swap_first_rows("CropTables", "Crops.db"),
     "a search for 'corn' that matches leading parts stops at row 1 ('corn silage')"),
    ("a sample record names an unknown crop",
     set_cell("UserTables", "UserInputs.dbf", "RecordName", "Sandhurst Peanuts", "CROP_Zorv", "Maize"),
     "UserInputs.dbf row 8 (Sandhurst Peanuts): CROP_Zorv 'Maize' is not in Crops.db"),
    ("a sample record gives a condition the crop does not offer",
     set_cell("UserTables", "UserInputs.dbf", "RecordName", "Redfield Tobacco Buffers", "HydroCond", "Fair"),
     "HydroCond 'Fair' is not offered for Tobacco with Tillage_ID 4 (['good', 'poor'])"),
    ("a batch record meant to fail has no fault",
     set_cell(SAMPLES_FOLDER, "SampleBatchList.dbf", "RecordName", "Batch Unknown County",
              "County", "Marlow"),
     "(Batch Unknown County): is meant to end with 'Input Data Error' but has no input problem"),
    ("a dBASE column name is too long",
     rename_in_schema("CropTables", "CoverCropTable.dbf", "NReduction", "Reduction_Pct"),
     "CoverCropTable.dbf: column name 'Reduction_Pct' does not fit the 10 characters of a .dbf file"),
    ("a table location is missing", replace_text(os.path.join("settings", "TableLocations.ini"),
                                                 "Tillage.db=\\UserTables\n", ""),
     "TableLocations.ini [TableLocations]: no key Tillage.db"),
    ("the manual lacks the drainage section",
     replace_text(os.path.join("documents", "Verdalis_Manual_ond.rtf"), "Drainage (Tamb only)", "Drains"),
     "lacks the section 'Drainage (Tamb only)' after the first"),
)


class ConsistencyCheckTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="verdalis-data-")
        self.root = os.path.join(self.work, "data")
        shutil.copytree(DATA_DIR, self.root, ignore=shutil.ignore_patterns("CMakeLists.txt"))

    def tearDown(self):
        shutil.rmtree(self.work)

    def test_bundled_data_passes(self):
        self.assertEqual(check_consistency.run(self.root), [])

    def test_each_fault_is_named(self):
        for case, fault, expected in FAULTS:
            with self.subTest(case):
                shutil.rmtree(self.root)
                shutil.copytree(DATA_DIR, self.root)
                fault(self.root)
                problems = check_consistency.run(self.root)
                self.assertTrue(any(expected in problem for problem in problems),
                                f"expected '{expected}' among:\n" + "\n".join(problems[:20]))


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        DATA_DIR = sys.argv.pop(1)
    unittest.main()
