"""A rough model of the two methods, run on the committed CSV tables, to check
that the sample records reach the result classes they are meant to show.

It follows the formulas of the nitrogen loss (Zorv) and phosphorus rating
(Tamb) methods closely enough to place a record in its class; it is a review
aid for the data, not a second implementation of the program (no messages,
no controls, no single-precision rounding)."""

import csv
import glob
import math
import os

PASTURE = "N/A"
SLOPE_FACTORS = ((2, 1.0), (4, 0.98), (6, 0.95), (8, 0.92), (10, 0.87), (15, 0.8))
PHOSPHORUS_CLASSES = ((25, "Low"), (50, "Medium"), (100, "High"))
BUFFER_WIDTH_CLASSES = (100, 75, 50, 30, 25, 20, 15, 10, 5, 0)
NITROGEN_BUFFER_CLASSES = (100, 70, 50, 30, 20)
SUBSOIL_OVERRIDE_M3P = 50.0


class Tables:
    """The CSV tables of data/tables, by file name, with first-match lookups
    that ignore letter case as the program's do."""

    def __init__(self, root):
        self.rows = {}
        for path in glob.glob(os.path.join(root, "*", "*.csv")):
            if path.endswith(".schema.csv"):
                continue
            with open(path, newline="", encoding="utf-8") as source:
                self.rows[os.path.basename(path)[:-4].lower()] = list(csv.DictReader(source))

    def table(self, name):
        return self.rows[name.lower()]

    def first(self, name, **keys):
        for row in self.table(name):
            if all(row[column].lower() == str(value).lower() for column, value in keys.items()):
                return row
        raise LookupError(f"{name}: no row {keys}")


def number(text, default=None):
    if text is None or str(text).strip() == "":
        if default is None:
            raise ValueError("empty number")
        return default
    return float(text)


def split_list(text):
    return [item.strip() for item in text.split(",")] if text and text.strip() else []


def map_unit_of(db, record):
    """The county row and the map unit row of a record; a stored map unit may
    be the list entry (symbol, ": ", name) or the symbol alone."""
    county = db.first("County_Stations.db", County=record["County"])
    stored = record["MappingUnt"]
    if ": " in stored:
        unit = db.first("Soil_Mapunits.db", LKey=county["LKey"], MUNAME=stored.split(": ", 1)[1])
    else:
        unit = db.first("Soil_Mapunits.db", LKey=county["LKey"], MUSYM=stored.strip())
    return county, unit


def crop_text_of(db, stored):
    """A stored crop, translated when it is a crop code."""
    if stored.strip().isdigit():
        return db.first("Crops.db", Crop_Code=stored.strip())["Harlwig_Crop_Name"]
    return stored


def crop_row(db, crop_text):
    return db.first("Crops.db", Harlwig_Crop_Name=crop_text.split("**")[0])


def slope_factor(slope):
    for upper, factor in SLOPE_FACTORS:
        if slope <= upper:
            return factor
    return 0.7


def crop_nue(db, crop, county, unit, tillage_id):
    name = crop["Harlwig_Crop_Name"].lower()
    if "corn" not in name:
        return number(crop["NUE"]) / 100.0
    province = county["Province"].upper()
    if province == "CP":
        return 0.4 if int(unit["SMG"]) in (1, 2, 3, 27, 28) else 0.55
    if province == "M":
        return 0.5
    if province == "P":
        return 0.4 if tillage_id == "1" else 0.55
    return 0.55


class Bmps:
    """The BMP selection of a record with the flags the methods read."""

    def __init__(self, db, record):
        ids = split_list(record.get("BMPS", ""))
        widths = split_list(record.get("BMPWidths", ""))
        self.entries = []
        for bmp_id, width in zip(ids, widths):
            row = db.first("BMP_List.db", BMP_ID=bmp_id)
            self.entries.append((bmp_id, row["BMP_Type"], row["Need Width"],
                                 None if width == "-1" else int(width)))
        self.widths = {bmp_id: width for bmp_id, _, need, width in self.entries if need == "1"}
        self.total_buffer_width = sum(self.widths.values())
        self.id3_present = any(entry[0] == "3" for entry in self.entries)
        self.acres = number(record.get("ACRES_AFF"), 0.0)


def nitrogen_reduction(db, bmps, bmp_id, width):
    if bmp_id not in ("1", "2") or bmps.id3_present:
        return number(db.first("BMP_N_Factors.db", BMP_ID="3")["NReduction"]) / 100.0
    if bmp_id == "1":
        if "2" in bmps.widths and bmps.widths["2"] >= 20:
            bmp_id, width = "2", bmps.widths["2"]
        else:
            width = next((c for c in NITROGEN_BUFFER_CLASSES if width >= c), None)
            if width is None:
                return 0.0
    if bmp_id == "2":
        if width >= 20:
            width = 50 if bmps.widths.get("1", -1) >= 20 else 20
        elif "1" not in bmps.widths:
            return 0.0
    row = db.first("BMP_N_Factors.db", BMP_ID=bmp_id, N_MinBufferWidth=str(width))
    return number(row["NReduction"]) / 100.0


def zorv(db, record):
    """The eleven nitrogen results of a record, PASTURE, or a text saying why
    the method stops."""
    crop_text = crop_text_of(db, record["CROP_Zorv"])
    crop = crop_row(db, crop_text)
    vegetable = crop["CropType"].lower() == "vegetable"
    if "**" in crop_text and not vegetable:
        return PASTURE
    name = crop_text.split("**")[0].lower()
    if name in "alfalfa" or name in "peanuts":
        return {"Total_N_Lost": 0.0}
    county, unit = map_unit_of(db, record)
    acres = number(record["FieldACRES"])
    rate = number(record["N_APP_RATE"])
    tillage_id = "0"
    if crop["TillageFlag"] == "1" and record.get("Tillage_N"):
        tillage_id = db.first("Tillage.db", Tillage=record["Tillage_N"])["Tillage_ID"]
    if vegetable:
        rye = number(record.get("RYE"), 0.0)
        recommended = number(crop["N_App_Rate"])
    else:
        yields = db.first("Yields_And_N_Factors.db", LKey=county["LKey"], MUSYM=unit["MUSYM"])
        if record.get("RYE"):
            rye = number(record["RYE"])
        else:
            rye = number(yields[crop["RYE_CropName"]]) * slope_factor(int(record["FieldSlope"]))
            if rye <= 0:
                return "no RYE"
        recommended = rye * number(yields[crop["NFactor_CropName"]])
    nue = crop_nue(db, crop, county, unit, tillage_id)
    applied = rate * acres
    needed = recommended * acres
    excess = applied - needed if applied > needed else 0.0
    if excess == 0.0:
        needed = applied
    results = {"RYE": rye, "Recommended": recommended, "NUE": nue, "N_Applied": applied,
               "Excess_N": excess, "Excess_N_Surface": excess * 0.05,
               "Excess_N_Subsurface": excess * 0.95, "N_Needed_Field": needed,
               "Utilized_N_Crop": needed * nue, "N_Lost_After_Crop": (1 - nue) * needed}
    results["N_Lost_Before_BMP"] = results["Excess_N_Subsurface"] + results["N_Lost_After_Crop"]
    after_cover = results["N_Lost_Before_BMP"]
    if record.get("COVER_CROP"):
        reduction = number(db.first("CoverCropTable.dbf", Crop=record["COVER_CROP"])["NReduction"])
        after_cover *= 1 - reduction / 100.0
    results["N_Lost_After_Cover_Crops"] = after_cover
    bmps = Bmps(db, record)
    after_bmp = after_cover
    applied_bmp = next((e for e in bmps.entries if e[0] in ("1", "2", "3")), None)
    if bmps.acres > 0 and applied_bmp:
        share = bmps.acres / acres
        reduction = nitrogen_reduction(db, bmps, applied_bmp[0], applied_bmp[3] or -1)
        after_bmp = (1 - share) * after_cover + (1 - reduction) * share * after_cover
    results["N_Lost_After_BMP"] = after_bmp
    results["Total_N_Lost"] = after_bmp + results["Excess_N_Surface"]
    return results


def component_index(pounds):
    return round(pounds / 4.0 * 100.0)  # Python rounds halves to the even neighbour


def buffer_width_class(width):
    return next(c for c in BUFFER_WIDTH_CLASSES if width >= c)


def bmp_factors(db, bmps):
    overall = source = runoff = 1.0
    for bmp_id, _, _, _ in bmps.entries:
        factor = 1.0
        if bmp_id not in ("1", "2"):
            factor = number(db.first("BMP_P_Factors.db", BMP_ID=bmp_id)["P_Deliv_Frac"])
        if bmp_id == "6":
            runoff = factor
        if bmp_id != "5":
            source *= factor
        overall *= factor
    if any(e[0] in ("1", "2") for e in bmps.entries):
        row = db.first("BMP_P_Factors.db", BMP_Type="Buffer",
                       P_MinBufferWidth=str(buffer_width_class(bmps.total_buffer_width)))
        factor = number(row["P_Deliv_Frac"])
        overall *= factor
        source *= factor
    return overall, source, runoff


def hydrologic_condition(db, crop, tillage_id, record):
    offered = {row["HC"].lower() for row in db.table("Curve_Number.db")
               if row["CN_CropID"] == crop["CN_CropID"] and row["Tillage_ID"] == tillage_id}
    if len(offered) == 1:
        return offered.pop()
    return record["HydroCond"].lower()


def source_p(db, record, runoff_fraction, source_factor):
    total = 0.0
    ids = split_list(record.get("NutrientID", ""))
    amounts = split_list(record.get("NutrientLB", ""))
    manure_lbs = split_list(record.get("ManureP2O5", ""))
    percents = split_list(record.get("Pct_P2O5", ""))
    methods = split_list(record.get("AppMethod", ""))
    for source_id, amount, manure_lb, percent, method in zip(ids, amounts, manure_lbs, percents, methods):
        source = db.first("NutrientSources.db", Source_ID=source_id)
        rate = number(amount)
        table_lb = number(source["lb_P2O5"], 0.0)
        entered_lb = table_lb if manure_lb == "-1" else number(manure_lb)
        if source["Type"].lower() == "manure" and entered_lb != table_lb:
            # An analysis entered for a manure is raised by the share the
            # application method leaves in the field.
            kept = source["Surface Applied" if method == "6" else "Injected or Incorporated"]
            entered_lb *= 2 - number(kept)
        adjustment = 1.0
        if source["Type"].lower() == "fertilizer":
            if percent != "-1":
                share = number(percent)
                lb_p2o5 = rate * (share / 100.0 if share > 1 else share)
            else:
                lb_p2o5 = entered_lb
            if "liquid" in source["Description"].lower():
                lb_p2o5 *= 11
            soluble = runoff_fraction * 0.4367 * lb_p2o5 * number(source["SPAF"], 0.0)
        else:
            if entered_lb != table_lb:
                adjustment = entered_lb / table_lb
            soluble = (rate * adjustment * runoff_fraction * number(source["Soluble_P"], 0.0)
                       * number(source["SPAF"], 0.0))
        non_soluble = (rate * adjustment * runoff_fraction * number(source["NonSoluble_P"], 0.0)
                       * number(source["NonSPAF"], 0.0) * source_factor)
        if method != "6":
            factor = number(db.first("AppMethod.db", AppID=method)["AppFactor"])
            soluble *= factor
            non_soluble *= factor
        total += soluble + non_soluble
    return total


def tamb(db, record):
    """The four components (lb P/ac), their indexes, the Total P Rating and its word."""
    county, unit = map_unit_of(db, record)
    crop = crop_row(db, crop_text_of(db, record["CROP_Tamb"]))
    tillage_id = "0"
    if crop["TillageFlag"] == "1":
        tillage_id = db.first("Tillage.db", Tillage=record["Tillage"])["Tillage_ID"]
    wv_factor = number(unit["WV_Factor"], 1.0)
    m3p = number(record["PI_Surface"]) * 1.2 / number(record.get("WVRSurface"), wv_factor)
    subsoil_shown = (unit["P_Threshold"] != "" and unit["SubsoilSample"].upper() == "Y"
                     and m3p >= number(unit["P_Threshold"]))
    clay, threshold = number(unit["Percent_Clay"]), number(unit["P_Threshold"])
    k = 0.0058 * clay ** 2 - 0.0784 * clay + 1.579
    if m3p > threshold:
        p_factor = k * (0.002 * threshold) + (m3p - threshold) * 0.002
    else:
        p_factor = k * (0.002 * m3p)
    overall, source_factor, runoff_factor = bmp_factors(db, Bmps(db, record))
    delivery = number(db.first("PartPDelivery.db", RecSlopeDist=record["RecSlopeDi"])["PartPDelFact"])
    particulate = (number(record["Soil_Loss"]) * p_factor * delivery * overall
                   * number(unit["FePFactor"]))
    surface_slope = number(db.first("Surface_SolPEq.db", SurfaceSolPID=unit["Surf_SolPEqNo"])["Sur_CurveSlope"])
    curve_number_method = (unit["DrainageFlag"] == "0"
                           or (unit["DrainageFlag"] == "1" and record["DrainSystm"].lower() == "no"))
    station = db.first("County_Stations.db", LKey=county["LKey"], DrnModCropID=crop["DrnMod_CropID"])
    if curve_number_method:
        condition = hydrologic_condition(db, crop, tillage_id, record)
        cn_id = db.first("Curve_Number.db", CN_CropID=crop["CN_CropID"], HC=condition,
                         Tillage_ID=tillage_id)["CN_ID"]
        cn_adj = number(db.first("Curve_Number.db", CN_ID=cn_id, MUKey=unit["MUKey"])["CN_Adj"])
        runoff = number(county["CN_RO_Slope"]) * math.exp(number(county["CN_RO_ExpFact"]) * cn_adj)
    else:
        depth, spacing = number(record["DrainDepth"]), number(record["DrainSpacg"])
        drainage_index = number(unit["TP_Minus_12"]) * ((depth / 12 - 1) / (spacing / 100) ** 2)
        runoff = number(station["DMRO_E"]) / (number(station["DMRO_F"]) + drainage_index) ** number(station["DMRO_G"])
    soluble = runoff / 4.415 * surface_slope * m3p * runoff_factor
    word = None
    leachate_conc = 0.0
    if unit["SubsoilSample"].upper() != "N" and subsoil_shown:
        subsoil_m3p = number(record["PI_Subsoil"]) * 1.2 / number(record.get("WVRSubsoil"), wv_factor)
        if subsoil_m3p > SUBSOIL_OVERRIDE_M3P:
            word = "HIGH"
        subsoil_slope = number(db.first("Subsoil_SolPEq.db", SubsoilSolP_ID=unit["SubSoil_SolPEqNo"])["Subsur_CurveSlope"])
        leachate_conc = subsoil_slope * subsoil_m3p
    et = number(db.first("County_Stations.db", LKey=county["LKey"], DrnModCropID=crop["DrnMod_CropID"],
                         ETSoilGrp=unit["ETSoilGrp"])["ET"])
    if curve_number_method:
        leachate_volume, drainage_factor = max(0.0, number(county["AnnPPT"]) - et - runoff), 1.0
    else:
        c = number(station["DMLch_C"])
        leachate_volume = ((number(station["DMLch_A"]) + number(station["DMLch_B"]) * drainage_index ** c)
                           / (number(station["DMLch_D"]) + drainage_index) ** c)
        drainage_factor = number(unit["T30_Over_TP"])
    leachate = leachate_conc * leachate_volume * drainage_factor / 4.415
    runoff_fraction = runoff / number(county["AnnPPT"])
    source = source_p(db, record, runoff_fraction, source_factor)
    indexes = [component_index(p) for p in (particulate, soluble, leachate, source)]
    total = sum(indexes)
    if word is None:
        word = next((w for limit, w in PHOSPHORUS_CLASSES if total <= limit), "Very High")
    elif total > 100:
        word = "Very High"
    return {"M3P": m3p, "Runoff": runoff, "Particulate": particulate, "Soluble": soluble,
            "Leachate": leachate, "Source": source, "Indexes": indexes, "Total": total,
            "Rating": word}
