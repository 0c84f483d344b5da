#!/usr/bin/python3
"""Consistency of the bundled program data, checked on its sources: the
table CSVs with their column schemas, the settings files, the documents and
the sample records.

    /usr/bin/python3 tests/data/check_consistency.py [DATA_DIR]

It fails (exit status 1) and names table, row and column when a table that
the program reads lacks a column, when a key that lookups rely on is not
unique, when a reference dangles (a crop's yield column missing from the
yield table, a map unit without curve numbers for a crop, a county without
ET rows, ...), when a value is out of its plausible range, or when a sample
record would not load. Rows are numbered from 1, the header not counted."""

import csv
import math
import os
import re
import sys

TYPES = ("text", "integer", "float", "logical", "date")
LOGICAL_VALUES = ("true", "false", "t", "f", "yes", "no", "y", "n", "1", "0")
MAX_CROPS, MAX_COVER_CROPS, MAX_NUTRIENT_SOURCES = 27, 15, 50
FOLDERS = ("UserTables", "CountyTables", "CropTables", "BMPrelated")
CONDITIONS = ("good", "fair", "poor")
P2O5_TO_P = 0.4364
# Longest column name each file format stores.
MAX_NAME_LENGTH = {".db": 25, ".dbf": 10}

# Every table the program opens, the folder it opens it from, and the columns
# it reads there.
REQUIRED_COLUMNS = {
    ("CountyTables", "County_Stations.db"): (
        "County", "LKey", "AnnPPT", "CN_RO_Slope", "CN_RO_ExpFact", "Province", "ET",
        "DrnModCropID", "ETSoilGrp", "DMRO_E", "DMRO_F", "DMRO_G",
        "DMLch_A", "DMLch_B", "DMLch_C", "DMLch_D"),
    ("CountyTables", "Soil_Mapunits.db"): (
        "LKey", "MUSYM", "MUNAME", "MUKey", "SMG", "DrainageFlag", "Percent_Clay", "P_Threshold",
        "WV_Factor", "FePFactor", "TP_Minus_12", "T30_Over_TP", "Surf_SolPEqNo",
        "SubSoil_SolPEqNo", "SubsoilSample", "ETSoilGrp"),
    ("CountyTables", "Surface_SolPEq.db"): ("SurfaceSolPID", "Sur_CurveSlope"),
    ("CountyTables", "Subsoil_SolPEq.db"): ("SubsoilSolP_ID", "Subsur_CurveSlope"),
    ("CropTables", "Crops.db"): (
        "Harlwig_Crop_Name", "Crop_Code", "TillageFlag", "CropType", "RYE_CropName",
        "NFactor_CropName", "NUE", "N_App_Rate", "CN_CropID", "DrnMod_CropID"),
    ("CropTables", "Curve_Number.db"): ("CN_CropID", "Tillage_ID", "HC", "CN_ID", "MUKey", "CN_Adj"),
    ("CropTables", "CoverCropTable.dbf"): ("Crop", "NReduction"),
    ("CropTables", "Yield_Reduction_Factors.db"): (),
    ("UserTables", "Tillage.db"): ("Tillage", "Tillage_ID"),
    ("UserTables", "Yields_And_N_Factors.db"): ("LKey", "MUSYM"),
    ("UserTables", "PartPDelivery.db"): ("RecSlopeDist", "PartPDelFact"),
    ("UserTables", "NutrientSources.db"): (
        "Description", "Type", "Source_ID", "lb_P2O5", "Content_Unit", "AppUnits", "Soluble_P",
        "NonSoluble_P", "SPAF", "NonSPAF", "Surface Applied", "Injected or Incorporated"),
    ("UserTables", "AppMethod.db"): ("AppMethod", "AppFactor", "AppID"),
    ("UserTables", "UserInputs.dbf"): (),
    ("BMPrelated", "BMP_List.db"): ("BMP Description", "BMP_ID", "BMP_Type", "Need Width"),
    ("BMPrelated", "BMP_N_Factors.db"): ("BMP_ID", "N_MinBufferWidth", "NReduction"),
    ("BMPrelated", "BMP_P_Factors.db"): ("BMP_ID", "BMP_Type", "P_MinBufferWidth", "P_Deliv_Frac"),
}

# The user table and record lists: the 47 columns in order, with type and size.
USER_INPUT_SCHEMA = (
    ("RecordName", "text", 80, 1), ("ModeType", "text", 15, 1), ("PRODUCERID", "text", 30, 0),
    ("TRACTNUM", "text", 30, 0), ("FIELDNUM", "text", 30, 0), ("MappingUnt", "text", 150, 1),
    ("County", "text", 50, 1), ("CalendarYR", "integer", None, 0), ("CROP_Zorv", "text", 40, 0),
    ("CROP_Tamb", "text", 40, 0), ("COVER_CROP", "text", 10, 0), ("FieldACRES", "float", None, 0),
    ("FieldSlope", "integer", None, 0), ("N_APP_RATE", "float", None, 0), ("RYE", "float", None, 0),
    ("BMPS", "text", 80, 0), ("BMPWidths", "text", 80, 0), ("ACRES_AFF", "float", None, 0),
    ("N_App_Acrs", "float", None, 0), ("Exss_N_Acr", "float", None, 0),
    ("Exss_N_Sur", "float", None, 0), ("Exss_N_Sub", "float", None, 0),
    ("N_Needed", "float", None, 0), ("Util_NCrop", "float", None, 0),
    ("NLostB4BMP", "float", None, 0), ("NLostCrop", "float", None, 0),
    ("NLostCvCrp", "float", None, 0), ("NLostBMP", "float", None, 0),
    ("TotalNLost", "float", None, 0), ("Tillage", "text", 80, 0), ("Tillage_N", "text", 80, 0),
    ("Soil_Loss", "float", None, 0), ("RecSlopeDi", "text", 40, 0),
    ("PI_Surface", "float", None, 0), ("PI_Subsoil", "float", None, 0),
    ("WVRSurface", "float", None, 0), ("WVRSubsoil", "float", None, 0),
    ("NutrientID", "text", 80, 0), ("NutrientLB", "text", 80, 0), ("ManureP2O5", "text", 80, 0),
    ("Pct_P2O5", "text", 80, 0), ("Pct_N", "text", 80, 0), ("AppMethod", "text", 80, 0),
    ("DrainSystm", "text", 4, 0), ("DrainSpacg", "integer", None, 0),
    ("DrainDepth", "integer", None, 0), ("HydroCond", "text", 8, 0),
)

def is_buffer_row(row):
    return row["BMP_Type"].strip().lower() == "buffer"


# Key columns whose values a lookup expects to find once, with the rows the
# lookup searches among when it is not all of them.
UNIQUE_KEYS = (
    ("County_Stations.db", ("LKey", "DrnModCropID", "ETSoilGrp")),
    ("Soil_Mapunits.db", ("MUKey",)),
    ("Soil_Mapunits.db", ("LKey", "MUSYM")),
    ("Soil_Mapunits.db", ("LKey", "MUNAME")),
    ("Surface_SolPEq.db", ("SurfaceSolPID",)),
    ("Subsoil_SolPEq.db", ("SubsoilSolP_ID",)),
    ("Crops.db", ("Harlwig_Crop_Name",)),
    ("Crops.db", ("Crop_Code",)),
    ("Tillage.db", ("Tillage",)),
    ("Tillage.db", ("Tillage_ID",)),
    ("Yields_And_N_Factors.db", ("LKey", "MUSYM")),
    ("Curve_Number.db", ("CN_ID", "MUKey")),
    ("Curve_Number.db", ("CN_CropID", "Tillage_ID", "HC", "MUKey")),
    ("PartPDelivery.db", ("RecSlopeDist",)),
    ("BMP_List.db", ("BMP_ID",)),
    ("BMP_List.db", ("BMP Description",)),
    ("BMP_N_Factors.db", ("BMP_ID", "N_MinBufferWidth")),
    ("BMP_P_Factors.db", ("BMP_Type", "P_MinBufferWidth"), is_buffer_row),
    ("BMP_P_Factors.db", ("BMP_ID",), lambda row: not is_buffer_row(row)),
    ("CoverCropTable.dbf", ("Crop",)),
    ("NutrientSources.db", ("Source_ID",)),
    ("NutrientSources.db", ("Description",)),
    ("AppMethod.db", ("AppID",)),
    ("AppMethod.db", ("AppMethod",)),
    ("UserInputs.dbf", ("RecordName",)),
)

# Keys searched by a value (within the rows of one location key where a group
# column is named): the first row whose key starts with the value must be the
# row that holds it, so that a search that matches leading parts finds the
# same row as one that matches whole values.
PREFIX_SAFE_KEYS = (
    ("Soil_Mapunits.db", "MUNAME", "LKey"), ("Soil_Mapunits.db", "MUSYM", "LKey"),
    ("Yields_And_N_Factors.db", "MUSYM", "LKey"),
    ("Crops.db", "Harlwig_Crop_Name"), ("Crops.db", "Crop_Code"), ("Tillage.db", "Tillage"),
    ("County_Stations.db", "County"), ("County_Stations.db", "LKey"), ("Soil_Mapunits.db", "MUKey"),
    ("PartPDelivery.db", "RecSlopeDist"), ("BMP_List.db", "BMP Description"),
    ("BMP_List.db", "BMP_ID"), ("CoverCropTable.dbf", "Crop"), ("NutrientSources.db", "Source_ID"),
    ("NutrientSources.db", "Description"), ("AppMethod.db", "AppID"), ("AppMethod.db", "AppMethod"),
    ("Surface_SolPEq.db", "SurfaceSolPID"), ("Subsoil_SolPEq.db", "SubsoilSolP_ID"),
    ("Curve_Number.db", "CN_ID"),
)

# Plausible ranges of numeric columns: (table, column, low, high); empty cells are
# left to the required-column checks.
RANGES = (
    ("County_Stations.db", "AnnPPT", 30, 70), ("County_Stations.db", "ET", 15, 45),
    ("County_Stations.db", "CN_RO_Slope", 0.001, 1), ("County_Stations.db", "CN_RO_ExpFact", 0.01, 0.2),
    ("County_Stations.db", "DMRO_E", 0.1, 50), ("County_Stations.db", "DMRO_F", 0.01, 10),
    ("County_Stations.db", "DMRO_G", 0.05, 2), ("County_Stations.db", "DMLch_A", 0, 30),
    ("County_Stations.db", "DMLch_B", 0, 50), ("County_Stations.db", "DMLch_C", 0.05, 2),
    ("County_Stations.db", "DMLch_D", 0.01, 10),
    ("Soil_Mapunits.db", "Percent_Clay", 0, 80), ("Soil_Mapunits.db", "P_Threshold", 10, 400),
    ("Soil_Mapunits.db", "WV_Factor", 0.5, 1.7), ("Soil_Mapunits.db", "FePFactor", 0.1, 1.5),
    ("Soil_Mapunits.db", "TP_Minus_12", 0.05, 5), ("Soil_Mapunits.db", "T30_Over_TP", 0.01, 1),
    ("Surface_SolPEq.db", "Sur_CurveSlope", 0.0001, 0.05),
    ("Subsoil_SolPEq.db", "Subsur_CurveSlope", 0.0001, 0.05),
    ("Crops.db", "NUE", 40, 80), ("Crops.db", "N_App_Rate", 20, 400),
    ("Curve_Number.db", "CN_Adj", 30, 100), ("PartPDelivery.db", "PartPDelFact", 0.0001, 1),
    ("BMP_N_Factors.db", "NReduction", 0, 100), ("BMP_P_Factors.db", "P_Deliv_Frac", 0.0001, 1),
    ("CoverCropTable.dbf", "NReduction", 0, 100), ("AppMethod.db", "AppFactor", 0.0001, 3),
    ("NutrientSources.db", "lb_P2O5", 0, 300), ("NutrientSources.db", "SPAF", 0, 1),
    ("NutrientSources.db", "NonSPAF", 0, 1), ("NutrientSources.db", "Surface Applied", 0.5, 1),
    ("NutrientSources.db", "Injected or Incorporated", 0.5, 1),
)

TABLE_LOCATION_KEYS = (
    "AppMethod.db", "BMP_List.db", "BMP_N_Factors.db", "BMP_P_Factors.db", "County_Stations.db",
    "CoverCropTable.dbf", "Crops.db", "Curve_Number.db", "NutrientSources.db", "PartPDelivery.db",
    "Soil_Mapunits.db", "Subsoil_SolPEq.db", "Surface_SolPEq.db", "Tillage.db", "UserInputs.dbf",
    "Yield_Reduction_Factors.db", "Yields_And_N_Factors.DB")
VERSION_KEYS = ("VersionType", "VersionNum", "VersionDate")
DOWNLOAD_KEYS = ("MainProgramName", "DirOnFTPServer", "FTPAddress", "InstallLocation",
                 "RunProgramAfterDownload")

DOCUMENTS = ("Verdalis_Manual_ond.rtf", "CREDITS_Verdalis.rtf", "SubWatersheds.rtf",
             "Verdalis_ListOfChanges.rtf")
MANUAL_HEADINGS = ("Calculating Surface and Subsurface Water Losses for Tamb: Drainage and "
                   "Hydrologic Condition", "Drainage (Tamb only)")

SAMPLE_LIST = ("samples", "SampleBatchList.dbf")
SAMPLE_LIST_EXPECTED = ("samples", "SampleBatchList.expected.csv")
CALENDAR_YEARS = range(1980, 2016)
MODE_TYPES = ("zorv", "tamb", "zorvtamb")
MIN_DRAIN_DEPTH = 12


class Problems(list):
    def add(self, where, text):
        self.append(f"{where}: {text}")


def lower(value):
    return value.strip().lower()


def is_number(text):
    try:
        return math.isfinite(float(text))
    except ValueError:
        return False


def conforms(column_type, text):
    if column_type == "integer":
        return re.fullmatch(r"-?\d+", text) is not None and -2**31 <= int(text) < 2**31
    if column_type == "float":
        return is_number(text)
    if column_type == "logical":
        return text.lower() in LOGICAL_VALUES
    if column_type == "date":
        return re.fullmatch(r"\d{4}-\d{2}-\d{2}", text) is not None
    return True


class Table:
    """One CSV table with its schema, as read from disk."""

    def __init__(self, base, problems):
        self.name = os.path.basename(base)
        self.schema = []
        self.rows = []
        self.read_schema(base + ".schema.csv", problems)
        self.check_names(problems)
        self.read_rows(base + ".csv", problems)

    def read_schema(self, path, problems):
        with open(path, newline="", encoding="utf-8") as source:
            reader = csv.reader(source)
            if next(reader, None) != ["name", "type", "size", "required"]:
                problems.add(path, "the header must be name,type,size,required")
            for number, row in enumerate(reader, start=1):
                where = f"{self.name} schema row {number}"
                if len(row) != 4:
                    problems.add(where, f"4 fields expected, {len(row)} found")
                    continue
                name, column_type, size, required = row
                if column_type not in TYPES:
                    problems.add(where, f"column {name}: unknown type '{column_type}'")
                elif (column_type == "text") != (size != ""):
                    problems.add(where, f"column {name}: a size belongs to text columns only")
                elif column_type == "text" and not (size.isdigit() and 1 <= int(size) <= 255):
                    problems.add(where, f"column {name}: text size '{size}' is not 1..255")
                if required not in ("0", "1"):
                    problems.add(where, f"column {name}: required must be 0 or 1")
                self.schema.append((name, column_type, int(size) if size.isdigit() else None,
                                    required == "1"))

    def check_names(self, problems):
        extension = os.path.splitext(self.name)[1].lower()
        limit = MAX_NAME_LENGTH.get(extension)
        if limit is None:
            problems.add(self.name, "the file name must end in .db (Paradox) or .dbf (dBASE)")
            return
        for name in self.column_names():
            if not 1 <= len(name) <= limit:
                problems.add(self.name, f"column name '{name}' does not fit the {limit} characters "
                             f"of a {extension} file")

    def read_rows(self, path, problems):
        names = self.column_names()
        if len({lower(n) for n in names}) != len(names):
            problems.add(self.name, "column names repeat (names compare without regard to case)")
        with open(path, newline="", encoding="utf-8") as source:
            reader = csv.reader(source)
            header = next(reader, None)
            if header != names:
                problems.add(self.name, f"the CSV header {header} differs from the schema {names}")
            for number, cells in enumerate(reader, start=1):
                if len(cells) != len(header or []):
                    problems.add(f"{self.name} row {number}",
                                 f"{len(cells)} cells for {len(header or [])} columns")
                    continue
                if header == names:
                    self.check_cells(number, cells, problems)
                self.rows.append(dict(zip(header, cells)))

    def check_cells(self, number, cells, problems):
        for (name, column_type, size, required), text in zip(self.schema, cells):
            where = f"{self.name} row {number} column {name}"
            if text == "":
                if required:
                    problems.add(where, "a required column is empty")
            elif not conforms(column_type, text):
                problems.add(where, f"'{text}' is not a valid {column_type}")
            elif size is not None and len(text) > size:
                problems.add(where, f"'{text}' is longer than {size} characters")

    def column_names(self):
        return [column[0] for column in self.schema]

    def has(self, column):
        return lower(column) in {lower(n) for n in self.column_names()}


class Data:
    """All tables of data/tables, by file name (without regard to case)."""

    def __init__(self, root, problems):
        self.root = root
        self.tables = {}
        self.folders = {}
        tables_dir = os.path.join(root, "tables")
        for folder in sorted(os.listdir(tables_dir)):
            if folder not in FOLDERS:
                problems.add(f"tables/{folder}", f"not one of the program folders {FOLDERS}")
                continue
            for entry in sorted(os.listdir(os.path.join(tables_dir, folder))):
                if not entry.endswith(".schema.csv"):
                    continue
                base = os.path.join(tables_dir, folder, entry[:-len(".schema.csv")])
                if not os.path.exists(base + ".csv"):
                    problems.add(f"tables/{folder}/{entry}", "the schema has no data CSV beside it")
                    continue
                table = Table(base, problems)
                self.tables[lower(table.name)] = table
                self.folders[lower(table.name)] = folder

    def rows(self, name):
        table = self.tables.get(lower(name))
        return table.rows if table else []

    def values(self, name, column):
        return {lower(row.get(column, "")) for row in self.rows(name)}


def check_tables_and_columns(data, problems):
    for (folder, name), columns in REQUIRED_COLUMNS.items():
        table = data.tables.get(lower(name))
        if table is None:
            problems.add(f"tables/{folder}", f"{name} is missing")
            continue
        if data.folders[lower(name)] != folder:
            problems.add(name, f"lies in {data.folders[lower(name)]}, the program opens it from {folder}")
        for column in columns:
            if not table.has(column):
                problems.add(name, f"lacks column {column}")
    user_table = data.tables.get("userinputs.dbf")
    if user_table is not None:
        check_user_input_schema(user_table, problems)


def check_user_input_schema(table, problems):
    expected = [(name, column_type, size, required == 1)
                for name, column_type, size, required in USER_INPUT_SCHEMA]
    if len(table.schema) != len(expected):
        problems.add(table.name, f"{len(table.schema)} columns, the user table has {len(expected)}")
    for number, (found, wanted) in enumerate(zip(table.schema, expected), start=1):
        if (lower(found[0]), found[1], found[2], found[3]) != (lower(wanted[0]), *wanted[1:]):
            problems.add(f"{table.name} column {number}", f"is {found}, expected {wanted}")


def check_unique_keys(data, problems):
    for name, columns, *among in UNIQUE_KEYS:
        seen = {}
        for number, row in enumerate(data.rows(name), start=1):
            if among and not among[0](row):
                continue
            key = tuple(lower(row.get(column, "")) for column in columns)
            if key in seen:
                problems.add(f"{name} row {number}", f"key {'+'.join(columns)} = {key} is not "
                             f"unique (row {seen[key]} has it too)")
            else:
                seen[key] = number


def check_prefix_safe_keys(data, problems):
    for name, column, *group in PREFIX_SAFE_KEYS:
        groups = {}  # group -> {key: row number of its first row}, in table order
        for number, row in enumerate(data.rows(name), start=1):
            if column in row:
                firsts = groups.setdefault(lower(row[group[0]]) if group else "", {})
                firsts.setdefault(lower(row[column]), number)
        for firsts in groups.values():
            rows = list(firsts.items())
            keys = [key for key, _ in rows]
            for key, number in rows:
                search = key.split("**")[0] if column == "Harlwig_Crop_Name" else key
                first = next(i for i, other in enumerate(keys) if other.startswith(search))
                if keys[first] != search and search in keys:
                    problems.add(f"{name} row {number} column {column}",
                                 f"a search for '{search}' that matches leading parts stops at row "
                                 f"{rows[first][1]} ('{keys[first]}') before the row that holds it")


def check_ranges(data, problems):
    for name, column, low, high in RANGES:
        for number, row in enumerate(data.rows(name), start=1):
            text = row.get(column, "")
            if is_number(text) and not low <= float(text) <= high:
                problems.add(f"{name} row {number} column {column}",
                             f"{text} lies outside the plausible range {low}..{high}")


COUNTY_COLUMNS = ("LKey", "Province", "AnnPPT", "CN_RO_Slope", "CN_RO_ExpFact")
DRAINAGE_MODEL_COLUMNS = ("DMRO_E", "DMRO_F", "DMRO_G", "DMLch_A", "DMLch_B", "DMLch_C", "DMLch_D")


def check_counties(data, problems):
    """Each county's rows agree on its own values; the state has its provinces."""
    counties = {}
    for number, row in enumerate(data.rows("County_Stations.db"), start=1):
        where = f"County_Stations.db row {number}"
        if row["Province"].upper() not in ("CP", "M", "P"):
            problems.add(f"{where} column Province", f"'{row['Province']}' is not CP, M or P")
        values = tuple(lower(row[column]) for column in COUNTY_COLUMNS)
        if counties.setdefault(lower(row["County"]), values) != values:
            problems.add(where, f"county {row['County']}: {', '.join(COUNTY_COLUMNS)} differ from "
                         "its first row")
        if is_number(row["ET"]) and is_number(row["AnnPPT"]) and float(row["ET"]) >= float(row["AnnPPT"]):
            problems.add(f"{where} column ET", "ET is not below the annual precipitation")
    if len(counties) < 6 or {values[1] for values in counties.values()} != {"cp", "m", "p"}:
        problems.add("County_Stations.db", "the state needs at least 6 counties in the provinces CP, M and P")
    units = data.rows("Soil_Mapunits.db")
    for county, values in counties.items():
        count = sum(1 for unit in units if lower(unit["LKey"]) == values[0])
        if not 8 <= count <= 15:
            problems.add(f"County_Stations.db county {county}", f"{count} soil map units, 8 to 15 expected")
    lkeys = {values[0] for values in counties.values()}
    for number, unit in enumerate(units, start=1):
        if lower(unit["LKey"]) not in lkeys:
            problems.add(f"Soil_Mapunits.db row {number} column LKey", f"'{unit['LKey']}' is no county's LKey")


def check_station_rows(data, problems):
    """Every map unit finds the ET of every drainage-model crop class, and the
    drainage-model coefficients do not depend on the ET soil group that the
    lookup by LKey and DrnModCropID leaves open."""
    stations = data.rows("County_Stations.db")
    station_keys = {(lower(r["LKey"]), lower(r["DrnModCropID"]), lower(r["ETSoilGrp"])) for r in stations}
    first_coefficients = {}
    for row in stations:
        key = (lower(row["LKey"]), lower(row["DrnModCropID"]))
        coefficients = tuple(row[column] for column in DRAINAGE_MODEL_COLUMNS)
        if first_coefficients.setdefault(key, coefficients) != coefficients:
            problems.add(f"County_Stations.db LKey {row['LKey']} DrnModCropID {row['DrnModCropID']}",
                         "drainage-model coefficients differ between ET soil groups; lookups take "
                         "the first row")
    drnmod_ids = sorted({lower(crop["DrnMod_CropID"]) for crop in data.rows("Crops.db")})
    for number, unit in enumerate(data.rows("Soil_Mapunits.db"), start=1):
        for drnmod_id in drnmod_ids:
            if (lower(unit["LKey"]), drnmod_id, lower(unit["ETSoilGrp"])) not in station_keys:
                problems.add(f"Soil_Mapunits.db row {number} (MUKey {unit['MUKey']})",
                             f"county {unit['LKey']} has no ET row for DrnModCropID {drnmod_id} and "
                             f"ETSoilGrp {unit['ETSoilGrp']}")


def check_map_units(data, problems):
    units = data.rows("Soil_Mapunits.db")
    surface_ids = data.values("Surface_SolPEq.db", "SurfaceSolPID")
    subsoil_ids = data.values("Subsoil_SolPEq.db", "SubsoilSolP_ID")
    yield_keys = {(lower(r["LKey"]), lower(r["MUSYM"])) for r in data.rows("Yields_And_N_Factors.db")}
    for number, unit in enumerate(units, start=1):
        where = f"Soil_Mapunits.db row {number} (MUKey {unit['MUKey']})"
        if ":" in unit["MUSYM"]:
            problems.add(f"{where} column MUSYM", "a symbol must not hold ':'")
        if unit["DrainageFlag"] not in ("0", "1"):
            problems.add(f"{where} column DrainageFlag", f"'{unit['DrainageFlag']}' is not 0 or 1")
        if unit["SubsoilSample"].upper() not in ("Y", "N"):
            problems.add(f"{where} column SubsoilSample", f"'{unit['SubsoilSample']}' is not Y or N")
        for column in ("Surf_SolPEqNo", "ETSoilGrp", "SMG", "Percent_Clay", "P_Threshold",
                       "FePFactor", "TP_Minus_12", "T30_Over_TP", "SubSoil_SolPEqNo"):
            if unit[column] == "":
                problems.add(f"{where} column {column}", "is empty")
        if unit["Surf_SolPEqNo"] and lower(unit["Surf_SolPEqNo"]) not in surface_ids:
            problems.add(f"{where} column Surf_SolPEqNo", f"'{unit['Surf_SolPEqNo']}' is not in Surface_SolPEq.db")
        if unit["SubSoil_SolPEqNo"] and lower(unit["SubSoil_SolPEqNo"]) not in subsoil_ids:
            problems.add(f"{where} column SubSoil_SolPEqNo",
                         f"'{unit['SubSoil_SolPEqNo']}' is not in Subsoil_SolPEq.db")
        if (lower(unit["LKey"]), lower(unit["MUSYM"])) not in yield_keys:
            problems.add(where, f"LKey {unit['LKey']} MUSYM {unit['MUSYM']} has no row in Yields_And_N_Factors.db")
    variety = (("DrainageFlag 1", any(u["DrainageFlag"] == "1" for u in units)),
               ("SubsoilSample Y", any(u["SubsoilSample"].upper() == "Y" for u in units)),
               ("a name holding ': '", any(": " in u["MUNAME"] for u in units)),
               ("no WV_Factor", any(u["WV_Factor"] == "" for u in units)))
    for what, present in variety:
        if not present:
            problems.add("Soil_Mapunits.db", f"no map unit with {what}")


def offered_conditions(data):
    offered = {}
    for row in data.rows("Curve_Number.db"):
        offered.setdefault((lower(row["CN_CropID"]), lower(row["Tillage_ID"])), set()).add(lower(row["HC"]))
    return offered


def crop_tillage_ids(data, crop):
    if crop["TillageFlag"] == "1":
        return [lower(row["Tillage_ID"]) for row in data.rows("Tillage.db")[1:]]
    return ["0"]


CROP_VARIETY = (
    ("a pasture entry marked '**'",
     lambda crop: "**" in crop["Harlwig_Crop_Name"] and lower(crop["CropType"]) != "vegetable"),
    ("a vegetable", lambda crop: lower(crop["CropType"]) == "vegetable"),
    ("alfalfa", lambda crop: lower(crop["Harlwig_Crop_Name"]) == "alfalfa"),
    ("peanuts", lambda crop: lower(crop["Harlwig_Crop_Name"]) == "peanuts"),
)


def check_crops(data, problems):
    """Each crop is found by its name cut at '**' and has what its method reads."""
    crops = data.rows("Crops.db")
    yields = data.tables.get("yields_and_n_factors.db")
    names = [lower(crop["Harlwig_Crop_Name"]) for crop in crops]
    if len(crops) > MAX_CROPS:
        problems.add("Crops.db", f"{len(crops)} crops, the program lists at most {MAX_CROPS}")
    for number, crop in enumerate(crops, start=1):
        where = f"Crops.db row {number} ({crop['Harlwig_Crop_Name']})"
        vegetable = lower(crop["CropType"]) == "vegetable"
        base = lower(crop["Harlwig_Crop_Name"]).split("**")[0]
        if base not in names:
            problems.add(where, f"the name is looked up as '{base}', which no crop row holds")
        if crop["TillageFlag"] not in ("0", "1"):
            problems.add(f"{where} column TillageFlag", f"'{crop['TillageFlag']}' is not 0 or 1")
        if vegetable and not is_number(crop["N_App_Rate"]):
            problems.add(f"{where} column N_App_Rate", "a vegetable needs its recommended N rate")
        if "corn" not in base and not is_number(crop["NUE"]):
            problems.add(f"{where} column NUE", "empty: the crop would get an NUE of 0")
        if vegetable or yields is None:
            continue
        for column in ("RYE_CropName", "NFactor_CropName"):
            if crop[column].strip() == "":
                problems.add(f"{where} column {column}", "names no column")
            elif not yields.has(crop[column].strip()):
                problems.add(f"{where} column {column}",
                             f"names {crop[column]}, which Yields_And_N_Factors.db lacks")
    for what, test in CROP_VARIETY:
        if not any(test(crop) for crop in crops):
            problems.add("Crops.db", f"no crop is {what}")


def check_crop_curve_numbers(data, problems):
    """Every crop and tillage offers a hydrologic condition, and every
    condition offered has a curve number on every map unit."""
    curve_rows = {(lower(r["CN_ID"]), lower(r["MUKey"])) for r in data.rows("Curve_Number.db")}
    cn_ids = {}
    for row in data.rows("Curve_Number.db"):
        cn_ids.setdefault((lower(row["CN_CropID"]), lower(row["Tillage_ID"]), lower(row["HC"])),
                          lower(row["CN_ID"]))
    offered = offered_conditions(data)
    units = data.rows("Soil_Mapunits.db")
    missing = {}
    for number, crop in enumerate(data.rows("Crops.db"), start=1):
        cn_crop_id = lower(crop["CN_CropID"])
        for tillage_id in crop_tillage_ids(data, crop):
            conditions = sorted(offered.get((cn_crop_id, tillage_id), set()) & set(CONDITIONS))
            if not conditions:
                problems.add(f"Crops.db row {number} ({crop['Harlwig_Crop_Name']})",
                             f"Curve_Number.db offers no condition for CN_CropID {crop['CN_CropID']} "
                             f"and Tillage_ID {tillage_id}")
            for condition in conditions:
                cn_id = cn_ids[(cn_crop_id, tillage_id, condition)]
                for unit in units:
                    if (cn_id, lower(unit["MUKey"])) not in curve_rows:
                        missing.setdefault((unit["MUKey"], cn_id, tillage_id, condition),
                                           []).append(crop["Harlwig_Crop_Name"])
    for (mukey, cn_id, tillage_id, condition), crop_names in missing.items():
        problems.add(f"Soil_Mapunits.db MUKey {mukey}",
                     f"no curve-number row (CN_ID {cn_id}, Tillage_ID {tillage_id}, {condition}) "
                     f"for {', '.join(crop_names)}")


def check_yields(data, problems):
    keys = {(lower(u["LKey"]), lower(u["MUSYM"])) for u in data.rows("Soil_Mapunits.db")}
    table = data.tables.get("yields_and_n_factors.db")
    if table is None:
        return
    for number, row in enumerate(table.rows, start=1):
        if (lower(row["LKey"]), lower(row["MUSYM"])) not in keys:
            problems.add(f"Yields_And_N_Factors.db row {number}",
                         f"LKey {row['LKey']} MUSYM {row['MUSYM']} is no map unit")
        for column in table.column_names()[2:]:
            if not is_number(row[column]) or float(row[column]) < 0:
                problems.add(f"Yields_And_N_Factors.db row {number} column {column}",
                             f"'{row[column]}' is not a yield or N factor")


def check_curve_numbers(data, problems):
    mukeys = data.values("Soil_Mapunits.db", "MUKey")
    crop_ids = data.values("Crops.db", "CN_CropID")
    tillage_ids = data.values("Tillage.db", "Tillage_ID") | {"0"}
    triples = {}
    for number, row in enumerate(data.rows("Curve_Number.db"), start=1):
        where = f"Curve_Number.db row {number}"
        if lower(row["HC"]) not in CONDITIONS:
            problems.add(f"{where} column HC", f"'{row['HC']}' is not good, fair or poor")
        if lower(row["MUKey"]) not in mukeys:
            problems.add(f"{where} column MUKey", f"'{row['MUKey']}' is no map unit")
        if lower(row["CN_CropID"]) not in crop_ids:
            problems.add(f"{where} column CN_CropID", f"'{row['CN_CropID']}' is no crop's CN_CropID")
        if lower(row["Tillage_ID"]) not in tillage_ids:
            problems.add(f"{where} column Tillage_ID", f"'{row['Tillage_ID']}' is no tillage")
        triple = (lower(row["CN_CropID"]), lower(row["Tillage_ID"]), lower(row["HC"]))
        if triples.setdefault(lower(row["CN_ID"]), triple) != triple:
            problems.add(f"{where} column CN_ID", f"CN_ID {row['CN_ID']} stands for two crop, tillage "
                         "and condition combinations")


def check_practices(data, problems):
    bmps = {lower(row["BMP_ID"]): row for row in data.rows("BMP_List.db")}
    if sorted(bmps) != ["1", "2", "3", "4", "5", "6"]:
        problems.add("BMP_List.db", f"BMP_IDs {sorted(bmps)}, expected 1 to 6")
    if "2" in bmps and lower(bmps["2"]["BMP Description"]) != "tree/shrub buffer":
        problems.add("BMP_List.db BMP_ID 2", "must be the 'Tree/Shrub Buffer'")
    for bmp_id in ("1", "2"):
        if bmp_id in bmps and (lower(bmps[bmp_id]["BMP_Type"]) != "buffer" or bmps[bmp_id]["Need Width"] != "1"):
            problems.add(f"BMP_List.db BMP_ID {bmp_id}", "a buffer needs BMP_Type Buffer and Need Width 1")
    n_keys = {(lower(r["BMP_ID"]), r["N_MinBufferWidth"]) for r in data.rows("BMP_N_Factors.db")}
    for bmp_id in ("1", "2"):
        for width in ("20", "30", "50", "70", "100"):
            if (bmp_id, width) not in n_keys:
                problems.add("BMP_N_Factors.db", f"no row for BMP_ID {bmp_id} at width {width}")
    if not any(key[0] == "3" for key in n_keys):
        problems.add("BMP_N_Factors.db", "no row for BMP_ID 3")
    p_rows = data.rows("BMP_P_Factors.db")
    buffer_widths = {r["P_MinBufferWidth"] for r in p_rows if lower(r["BMP_Type"]) == "buffer"}
    for width in ("0", "5", "10", "15", "20", "25", "30", "50", "75", "100"):
        if width not in buffer_widths:
            problems.add("BMP_P_Factors.db", f"no Buffer row for the width class {width}")
    for bmp_id in ("3", "4", "5", "6"):
        first = next((r for r in p_rows if lower(r["BMP_ID"]) == bmp_id), None)
        if first is None or lower(first["BMP_Type"]) == "buffer":
            problems.add("BMP_P_Factors.db", f"the first row of BMP_ID {bmp_id} must be its own factor")
    cover_crops = data.rows("CoverCropTable.dbf")
    if len(cover_crops) > MAX_COVER_CROPS:
        problems.add("CoverCropTable.dbf", f"{len(cover_crops)} cover crops, at most {MAX_COVER_CROPS}")
    check_nutrient_sources(data, problems)
    methods = {lower(r["AppID"]): r for r in data.rows("AppMethod.db")}
    if "6" not in methods or "surface" not in lower(methods["6"]["AppMethod"]):
        problems.add("AppMethod.db", "AppID 6 must be the surface method")
    tillage_rows = data.rows("Tillage.db")
    if len(tillage_rows) < 2:
        problems.add("Tillage.db", "needs its header row and at least one tillage")
    elif tillage_rows[0]["Tillage_ID"] != "0":
        problems.add("Tillage.db row 1", "the header row, never listed, should carry Tillage_ID 0")


def check_nutrient_sources(data, problems):
    sources = data.rows("NutrientSources.db")
    if len(sources) > MAX_NUTRIENT_SOURCES:
        problems.add("NutrientSources.db", f"{len(sources)} sources, at most {MAX_NUTRIENT_SOURCES}")
    types = {lower(s["Type"]) for s in sources}
    if not {"fertilizer", "manure"} <= types:
        problems.add("NutrientSources.db", "needs fertilizers and manures")
    if not any(lower(s["Type"]) == "fertilizer" and "liquid" in lower(s["Description"]) for s in sources):
        problems.add("NutrientSources.db", "no liquid fertilizer (a name holding 'Liquid')")
    for number, source in enumerate(sources, start=1):
        where = f"NutrientSources.db row {number} ({source['Description']})"
        if lower(source["Type"]) == "fertilizer":
            # The grid takes a fertilizer row with lb P2O5 other than 0 as entered.
            if source["lb_P2O5"] not in ("", "0"):
                problems.add(f"{where} column lb_P2O5", "a fertilizer carries no default lb P2O5")
            if source["NonSoluble_P"] not in ("", "0"):
                problems.add(f"{where} column NonSoluble_P", "a fertilizer has no non-soluble P")
        else:
            parts = [source[c] for c in ("lb_P2O5", "Soluble_P", "NonSoluble_P")]
            if not all(is_number(p) for p in parts) or float(parts[0]) <= 0:
                problems.add(where, "a manure needs lb_P2O5, Soluble_P and NonSoluble_P")
            elif abs(float(parts[1]) + float(parts[2]) - P2O5_TO_P * float(parts[0])) > \
                    0.05 * P2O5_TO_P * float(parts[0]):
                problems.add(where, "Soluble_P + NonSoluble_P differ from the P in lb_P2O5 by more than 5 %")


def read_ini(path, problems):
    sections = {}
    current = None
    with open(path, encoding="utf-8") as source:
        for number, line in enumerate(source, start=1):
            line = line.strip()
            if not line:
                continue
            if line.startswith("[") and line.endswith("]"):
                current = sections.setdefault(lower(line[1:-1]), {})
            elif "=" in line and current is not None:
                key, value = line.split("=", 1)
                current[lower(key)] = value
            else:
                problems.add(f"{os.path.basename(path)} line {number}",
                             f"'{line}' is neither a section nor key=value")
    return sections


def check_settings(data, problems):
    settings_dir = os.path.join(data.root, "settings")
    locations = read_ini(os.path.join(settings_dir, "TableLocations.ini"), problems)
    tables = locations.get("tablelocations", {})
    for key in TABLE_LOCATION_KEYS:
        value = tables.get(lower(key))
        if value is None:
            problems.add("TableLocations.ini [TableLocations]", f"no key {key}")
        elif lower(key) in data.folders and value != "\\" + data.folders[lower(key)]:
            problems.add(f"TableLocations.ini [TableLocations] {key}",
                         f"'{value}', the table lies in \\{data.folders[lower(key)]}")
        elif lower(key) not in data.folders:
            problems.add(f"TableLocations.ini [TableLocations] {key}", "no such table in data/tables")
    for section, keys in (("version changes", VERSION_KEYS), ("download settings", DOWNLOAD_KEYS)):
        for key in keys:
            if lower(key) not in locations.get(section, {}):
                problems.add(f"TableLocations.ini [{section}]", f"no key {key}")
    if not is_number(locations.get("version changes", {}).get("versionnum", "")):
        problems.add("TableLocations.ini [Version Changes]", "VersionNum is not a number")
    auto = read_ini(os.path.join(settings_dir, "AutoCheckSettings.ini"), problems)
    if lower(auto.get("download settings", {}).get("autocheckforupdates", "")) != "false":
        problems.add("AutoCheckSettings.ini [Download Settings]", "AutoCheckForUpdates must be false")


def rtf_text(rtf):
    """The plain text of an RTF document: control words and groups dropped."""
    text = re.sub(r"\\'([0-9a-fA-F]{2})", lambda m: bytes([int(m.group(1), 16)]).decode("cp1252"), rtf)
    text = re.sub(r"\\par\b|\\tab\b", " ", text)
    text = re.sub(r"\\[a-z]+-?\d* ?|\\[{}\\]", "", text)
    text = re.sub(r"\{\\fonttbl.*?\}\}|\{\\colortbl.*?\}", "", text, flags=re.S)
    return text.replace("{", "").replace("}", "")


def check_documents(data, problems):
    for name in DOCUMENTS:
        path = os.path.join(data.root, "documents", name)
        if not os.path.exists(path):
            problems.add("documents", f"{name} is missing")
            continue
        with open(path, "rb") as source:
            raw = source.read()
        if any(byte > 127 for byte in raw):
            problems.add(name, "RTF must be 7-bit text (escape other characters)")
        rtf = raw.decode("ascii", "replace")
        if not rtf.startswith("{\\rtf1\\ansi") or "\\fonttbl" not in rtf or "\\colortbl" not in rtf:
            problems.add(name, "does not start as RTF 1 with a font and a colour table")
        depth = 0
        for char_index, char in enumerate(rtf):
            if char == "{" and rtf[char_index - 1] != "\\":
                depth += 1
            elif char == "}" and rtf[char_index - 1] != "\\":
                depth -= 1
                if depth < 0:
                    break
        if depth != 0:
            problems.add(name, "braces do not balance")
    manual = os.path.join(data.root, "documents", DOCUMENTS[0])
    if os.path.exists(manual):
        with open(manual, encoding="ascii", errors="replace") as source:
            text = rtf_text(source.read())
        first = text.find(MANUAL_HEADINGS[0])
        if first < 0:
            problems.add(DOCUMENTS[0], f"lacks the section '{MANUAL_HEADINGS[0]}'")
        elif text.find(MANUAL_HEADINGS[1], first) < 0:
            problems.add(DOCUMENTS[0], f"lacks the section '{MANUAL_HEADINGS[1]}' after the first")


class RecordChecker:
    """Finds why a record of the user table or a record list would not load
    or not calculate on the bundled tables."""

    def __init__(self, data):
        self.data = data
        self.counties = {lower(r["County"]): lower(r["LKey"]) for r in data.rows("County_Stations.db")}
        self.crops = {lower(r["Harlwig_Crop_Name"]): r for r in data.rows("Crops.db")}
        self.codes = {lower(r["Crop_Code"]): lower(r["Harlwig_Crop_Name"]) for r in data.rows("Crops.db")}
        self.tillages = {lower(r["Tillage"]): lower(r["Tillage_ID"]) for r in data.rows("Tillage.db")[1:]}
        self.offered = offered_conditions(data)

    def unit(self, lkey, stored):
        stored = stored.strip()
        for unit in self.data.rows("Soil_Mapunits.db"):
            if lower(unit["LKey"]) != lkey:
                continue
            entry = lower(f"{unit['MUSYM']}: {unit['MUNAME']}")
            if lower(stored) in (entry, lower(unit["MUNAME"]), lower(unit["MUSYM"])):
                return unit
            if lower(stored.split(":")[0]) == lower(unit["MUSYM"]):
                return unit
        return None

    def crop(self, stored):
        name = lower(stored)
        name = self.codes.get(name, name)
        return self.crops.get(name.split("**")[0]) if name in self.crops else None

    def problems(self, record):
        found = []
        mode = lower(record["ModeType"])
        if mode not in MODE_TYPES:
            return [f"ModeType '{record['ModeType']}' is undefined"]
        lkey = self.counties.get(lower(record["County"]))
        if lkey is None:
            return [f"county '{record['County']}' is not in County_Stations.db"]
        unit = self.unit(lkey, record["MappingUnt"])
        if unit is None:
            return [f"map unit '{record['MappingUnt']}' is not one of {record['County']}'s"]
        if record["CalendarYR"] and int(record["CalendarYR"]) not in CALENDAR_YEARS:
            found.append(f"CalendarYR {record['CalendarYR']} is outside 1980..2015")
        if mode in ("zorv", "zorvtamb"):
            found += self.nitrogen_problems(record)
        if mode in ("tamb", "zorvtamb"):
            found += self.phosphorus_problems(record, unit)
        found += self.list_problems(record)
        return found

    def crop_and_inputs(self, record, crop_column, inputs):
        """The crop row that a record's crop column resolves to, and the
        problems of the crop and of the inputs its method needs."""
        crop = self.crop(record[crop_column])
        if crop is None:
            return None, [f"{crop_column} '{record[crop_column]}' is not in Crops.db"]
        return crop, [f"{column} is empty" for column in inputs if record[column] == ""]

    def nitrogen_problems(self, record):
        crop, found = self.crop_and_inputs(record, "CROP_Zorv", ("FieldACRES", "FieldSlope", "N_APP_RATE"))
        if crop is None:
            return found
        if crop["TillageFlag"] == "1" and lower(record["Tillage_N"]) not in self.tillages:
            found.append(f"Tillage_N '{record['Tillage_N']}' is no tillage of Tillage.db")
        cover_crops = self.data.values("CoverCropTable.dbf", "Crop")
        if record["COVER_CROP"] and lower(record["COVER_CROP"]) not in cover_crops:
            found.append(f"COVER_CROP '{record['COVER_CROP']}' is not in CoverCropTable.dbf")
        if record["BMPS"] and record["ACRES_AFF"] and record["FieldACRES"] and \
                float(record["ACRES_AFF"]) > float(record["FieldACRES"]):
            found.append("ACRES_AFF exceed FieldACRES")
        return found

    def phosphorus_problems(self, record, unit):
        crop, found = self.crop_and_inputs(record, "CROP_Tamb", ("Soil_Loss", "RecSlopeDi", "PI_Surface"))
        if crop is None:
            return found
        distances = self.data.values("PartPDelivery.db", "RecSlopeDist")
        if record["RecSlopeDi"] and lower(record["RecSlopeDi"]) not in distances:
            found.append(f"RecSlopeDi '{record['RecSlopeDi']}' is not in PartPDelivery.db")
        tillage_id = "0"
        if crop["TillageFlag"] == "1":
            tillage_id = self.tillages.get(lower(record["Tillage"]))
            if tillage_id is None:
                return found + [f"Tillage '{record['Tillage']}' is no tillage of Tillage.db"]
        drained = unit["DrainageFlag"] == "1"
        answer = lower(record["DrainSystm"])[:1]
        if drained and answer not in ("y", "n"):
            found.append("the map unit asks the drainage question and DrainSystm is empty")
        if drained and answer == "y":
            if record["DrainSpacg"] == "" or record["DrainDepth"] == "":
                found.append("a drained field needs DrainSpacg and DrainDepth")
            elif int(record["DrainDepth"]) < MIN_DRAIN_DEPTH:
                found.append(f"DrainDepth {record['DrainDepth']} is below {MIN_DRAIN_DEPTH} in")
        if not drained or answer == "n":
            offered = self.offered.get((lower(crop["CN_CropID"]), tillage_id), set())
            if len(offered) > 1 and lower(record["HydroCond"]) not in offered:
                found.append(f"HydroCond '{record['HydroCond']}' is not offered for "
                             f"{crop['Harlwig_Crop_Name']} with Tillage_ID {tillage_id} ({sorted(offered)})")
        if record["PI_Surface"] and unit["SubsoilSample"].upper() == "Y" and unit["P_Threshold"]:
            wv_factor = float(record["WVRSurface"] or unit["WV_Factor"] or 1)
            m3p = float(record["PI_Surface"]) * 1.2 / wv_factor
            if m3p >= float(unit["P_Threshold"]) and not record["PI_Subsoil"]:
                found.append("the surface test reaches P_Threshold and PI_Subsoil is empty")
        return found

    def list_problems(self, record):
        found = []
        ids, widths = split(record["BMPS"]), split(record["BMPWidths"])
        if len(ids) != len(widths):
            found.append(f"BMPS lists {len(ids)} BMPs and BMPWidths {len(widths)} widths")
        bmps = self.data.values("BMP_List.db", "BMP_ID")
        for bmp_id in ids:
            if lower(bmp_id) not in bmps:
                found.append(f"BMP_ID {bmp_id} is not in BMP_List.db")
            elif bmp_id == "2":
                found.append("BMP_ID 2 (Tree/Shrub Buffer) is no longer accepted from records")
        lists = [split(record[c]) for c in ("NutrientID", "NutrientLB", "ManureP2O5", "Pct_P2O5", "AppMethod")]
        if len({len(items) for items in lists}) > 1:
            found.append("the nutrient lists NutrientID, NutrientLB, ManureP2O5, Pct_P2O5 and "
                         "AppMethod differ in length")
        sources = self.data.values("NutrientSources.db", "Source_ID")
        methods = self.data.values("AppMethod.db", "AppID")
        for source_id in lists[0]:
            if lower(source_id) not in sources:
                found.append(f"NutrientID {source_id} is not in NutrientSources.db")
        for method in lists[4]:
            if lower(method) not in methods:
                found.append(f"AppMethod {method} is not in AppMethod.db")
        return found


def split(text):
    return [item.strip() for item in text.split(",")] if text.strip() else []


def check_user_records(data, problems):
    checker = RecordChecker(data)
    records = data.rows("UserInputs.dbf")
    if len(records) < 12:
        problems.add("UserInputs.dbf", f"{len(records)} sample records, a dozen expected")
    modes = {lower(r["ModeType"]) for r in records}
    if modes != set(MODE_TYPES):
        problems.add("UserInputs.dbf", f"sample records of the types {sorted(modes)}, all three expected")
    for number, record in enumerate(records, start=1):
        for problem in checker.problems(record):
            problems.add(f"UserInputs.dbf row {number} ({record['RecordName']})", problem)


def check_sample_list(data, problems):
    base = os.path.join(data.root, *SAMPLE_LIST)
    sample_list = Table(base, problems)
    check_user_input_schema(sample_list, problems)
    with open(os.path.join(data.root, *SAMPLE_LIST_EXPECTED), newline="", encoding="utf-8") as source:
        expected = {row["RecordName"]: row for row in csv.DictReader(source)}
    checker = RecordChecker(data)
    for number, record in enumerate(sample_list.rows, start=1):
        where = f"{sample_list.name} row {number} ({record['RecordName']})"
        outcome = expected.get(record["RecordName"])
        if outcome is None:
            problems.add(where, "has no line in SampleBatchList.expected.csv")
            continue
        found = checker.problems(record)
        if outcome["Error"] and not found:
            problems.add(where, f"is meant to end with '{outcome['Error']}' but has no input problem")
        if not outcome["Error"]:
            for problem in found:
                problems.add(where, problem)
    wanted = ("Error in County Name", "Drainage Info does not exist")
    for text in wanted:
        if not any(row["Error_Dtld"].startswith(text) for row in expected.values()):
            problems.add(SAMPLE_LIST_EXPECTED[1], f"no record shows '{text}'")


CHECKS = (
    check_tables_and_columns, check_unique_keys, check_prefix_safe_keys, check_ranges,
    check_counties, check_station_rows, check_map_units, check_crops, check_crop_curve_numbers,
    check_yields, check_curve_numbers, check_practices, check_settings, check_documents,
    check_user_records, check_sample_list,
)


def run(root):
    """All problems found in the data folder, as texts."""
    problems = Problems()
    data = Data(root, problems)
    for check in CHECKS:
        try:
            check(data, problems)
        except (KeyError, ValueError, OSError) as error:
            problems.add(check.__name__, f"could not finish: {type(error).__name__} {error}")
    return problems


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..", "data")
    problems = run(root)
    for problem in problems:
        print(problem)
    if problems:
        print(f"data consistency: {len(problems)} problem(s) in {os.path.normpath(root)}")
        return 1
    print(f"data consistency: {len(CHECKS)} checks passed on {os.path.normpath(root)}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
