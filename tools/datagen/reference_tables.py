"""Builds every reference table of the program folder from the design data of
state.py, crops.py and practices.py."""

import crops
import practices
import state
from tablefile import Table, integer, real, text

LKEY = text("LKey", 8, True)
MUSYM = text("MUSYM", 10, True)
BMP_ID = text("BMP_ID", 4, True)


def county_stations():
    table = Table("CountyTables", "County_Stations.db", [
        text("County", 50, True), LKEY, text("Station_Name", 40), text("Province", 2, True),
        real("AnnPPT"), real("CN_RO_Slope"), real("CN_RO_ExpFact"),
        text("DrnModCropID", 4, True), text("ETSoilGrp", 4, True), real("ET"),
        real("DMRO_E"), real("DMRO_F"), real("DMRO_G"),
        real("DMLch_A"), real("DMLch_B"), real("DMLch_C"), real("DMLch_D")])
    for county in state.COUNTIES:
        # Wetter stations shed more water both ways.
        wetness = (county.ann_ppt - 45.0) / 10.0
        for drnmod_id in crops.DRNMOD_CLASSES:
            for et_group in crops.ET_SOIL_OFFSET:
                table.add(
                    County=county.name, LKey=county.lkey, Station_Name=county.station,
                    Province=county.province, AnnPPT=county.ann_ppt,
                    CN_RO_Slope=county.cn_ro_slope, CN_RO_ExpFact=county.cn_ro_expfact,
                    DrnModCropID=drnmod_id, ETSoilGrp=et_group,
                    ET=round(county.et_base + crops.ET_CROP_OFFSET[drnmod_id]
                             + crops.ET_SOIL_OFFSET[et_group], 1),
                    DMRO_E=round((10.0 + 1.0 * wetness) * crops.DRNMOD_RUNOFF_FACTOR[drnmod_id], 3),
                    DMRO_F=1.0, DMRO_G=0.5,
                    DMLch_A=round(3.0 + 0.5 * wetness, 3),
                    DMLch_B=round((14.0 + 1.0 * wetness) * crops.DRNMOD_LEACH_FACTOR[drnmod_id], 3),
                    DMLch_C=0.5, DMLch_D=1.0)
    return table


def soil_mapunits():
    table = Table("CountyTables", "Soil_Mapunits.db", [
        LKEY, MUSYM, text("MUNAME", 120, True), text("MUKey", 10, True), integer("SMG"),
        text("DrainageFlag", 1, True), real("Percent_Clay"), real("P_Threshold"),
        real("WV_Factor"), real("FePFactor"), real("TP_Minus_12"), real("T30_Over_TP"),
        text("Surf_SolPEqNo", 4), text("SubSoil_SolPEqNo", 4), text("SubsoilSample", 1),
        text("ETSoilGrp", 4), text("HydGroup", 1), text("DrainageClass", 30)])
    for unit in state.map_units():
        series = unit.series
        table.add(
            LKey=unit.county.lkey, MUSYM=unit.musym, MUNAME=unit.muname, MUKey=unit.mukey,
            SMG=series.smg, DrainageFlag=series.drainage_flag, Percent_Clay=series.clay,
            P_Threshold=series.p_threshold, WV_Factor=series.wv_factor,
            FePFactor=series.fep_factor, TP_Minus_12=series.tp_minus_12,
            T30_Over_TP=series.t30_over_tp, Surf_SolPEqNo=series.surf_solp,
            SubSoil_SolPEqNo=series.subsoil_solp, SubsoilSample=series.subsoil_sample,
            ETSoilGrp=series.et_soil_group, HydGroup=series.hsg,
            DrainageClass=series.drainage_class)
    return table


def soluble_p_relations():
    surface = Table("CountyTables", "Surface_SolPEq.db", [
        text("SurfaceSolPID", 4, True), real("Sur_CurveSlope", True), text("Description", 60)])
    for relation_id, slope, description in practices.SURFACE_SOLP:
        surface.add(SurfaceSolPID=relation_id, Sur_CurveSlope=slope, Description=description)
    subsoil = Table("CountyTables", "Subsoil_SolPEq.db", [
        text("SubsoilSolP_ID", 4, True), real("Subsur_CurveSlope", True), text("Description", 60)])
    for relation_id, slope, description in practices.SUBSOIL_SOLP:
        subsoil.add(SubsoilSolP_ID=relation_id, Subsur_CurveSlope=slope, Description=description)
    return [surface, subsoil]


def crops_table():
    table = Table("CropTables", "Crops.db", [
        text("Harlwig_Crop_Name", 40, True), text("Crop_Code", 4, True),
        integer("TillageFlag", True), text("CropType", 20), text("RYE_CropName", 25),
        text("NFactor_CropName", 25), real("NUE"), real("N_App_Rate"),
        text("CN_CropID", 4, True), text("DrnMod_CropID", 4, True), text("Yield_Units", 12)])
    for crop in crops.CROPS:
        table.add(
            Harlwig_Crop_Name=crop.name, Crop_Code=crop.code, TillageFlag=crop.tillage_flag,
            CropType=crop.crop_type, RYE_CropName=crop.rye_column,
            NFactor_CropName=crop.nfactor_column, NUE=crop.nue, N_App_Rate=crop.n_app_rate,
            CN_CropID=crop.cn_crop_id, DrnMod_CropID=crop.drnmod_crop_id, Yield_Units=crop.units)
    return table


def yields_and_n_factors():
    columns = [LKEY, MUSYM]
    columns += [real(name, True) for name in crops.YIELD_COLUMNS]
    columns += [real(name, True) for name in crops.NFACTOR_COLUMNS]
    table = Table("UserTables", "Yields_And_N_Factors.db", columns)
    for unit in state.map_units():
        row = {"LKey": unit.county.lkey, "MUSYM": unit.musym}
        row.update({name: crops.yield_for(name, unit) for name in crops.YIELD_COLUMNS})
        row.update({name: crops.nfactor_for(name, unit) for name in crops.NFACTOR_COLUMNS})
        table.add_row(row)
    return table


def curve_numbers():
    table = Table("CropTables", "Curve_Number.db", [
        text("CN_CropID", 4, True), text("Tillage_ID", 4, True), text("HC", 4, True),
        text("CN_ID", 6, True), text("MUKey", 10, True), real("CN_Adj")])
    ids = crops.cn_ids()
    units = state.map_units()
    for (cn_crop_id, tillage_id), conditions in crops.CURVE_NUMBERS.items():
        for condition, numbers in conditions.items():
            for unit in units:
                table.add(CN_CropID=cn_crop_id, Tillage_ID=tillage_id, HC=condition,
                          CN_ID=ids[(cn_crop_id, tillage_id, condition)], MUKey=unit.mukey,
                          CN_Adj=numbers[crops.HSG_INDEX[unit.series.hsg]])
    return table


def tillage():
    table = Table("UserTables", "Tillage.db", [
        text("Tillage", 40, True), text("Tillage_ID", 4, True), text("Description", 60)])
    for name, tillage_id, description in (crops.TILLAGE_HEADER,) + crops.TILLAGES:
        table.add(Tillage=name, Tillage_ID=tillage_id, Description=description)
    return table


def yield_reduction_factors():
    table = Table("CropTables", "Yield_Reduction_Factors.db", [
        text("Slope_Class", 12, True), integer("Min_Slope"), integer("Max_Slope"),
        real("Yield_Factor")])
    for name, low, high, factor in practices.SLOPE_YIELD_CLASSES:
        table.add(Slope_Class=name, Min_Slope=low, Max_Slope=high, Yield_Factor=factor)
    return table


def part_p_delivery():
    table = Table("UserTables", "PartPDelivery.db", [
        text("RecSlopeDist", 40, True), real("PartPDelFact", True)])
    for distance, fraction in practices.DELIVERY:
        table.add(RecSlopeDist=distance, PartPDelFact=fraction)
    return table


def bmp_tables():
    bmp_list = Table("BMPrelated", "BMP_List.db", [
        text("BMP Description", 60, True), BMP_ID, text("BMP_Type", 20), text("Need Width", 1)])
    for bmp_id, description, bmp_type, need_width in practices.BMPS:
        bmp_list.add(**{"BMP Description": description, "BMP_ID": bmp_id,
                        "BMP_Type": bmp_type, "Need Width": need_width})
    names = {bmp[0]: bmp[1] for bmp in practices.BMPS}

    n_factors = Table("BMPrelated", "BMP_N_Factors.db", [
        BMP_ID, text("BMP_Name", 60), text("N_MinBufferWidth", 4), real("NReduction", True)])
    for bmp_id, widths in practices.BUFFER_N_REDUCTION.items():
        for width, reduction in widths.items():
            n_factors.add(BMP_ID=bmp_id, BMP_Name=names[bmp_id], N_MinBufferWidth=str(width),
                          NReduction=reduction)
    n_factors.add(BMP_ID="3", BMP_Name=names["3"], NReduction=practices.BMP3_N_REDUCTION)

    p_factors = Table("BMPrelated", "BMP_P_Factors.db", [
        BMP_ID, text("BMP_Type", 20, True), text("P_MinBufferWidth", 4),
        real("P_Deliv_Frac", True), text("Description", 60)])
    for bmp_id, fraction in practices.BMP_P_DELIVERY.items():
        bmp = next(b for b in practices.BMPS if b[0] == bmp_id)
        p_factors.add(BMP_ID=bmp_id, BMP_Type=bmp[2], P_Deliv_Frac=fraction, Description=bmp[1])
    for width, fraction in practices.BUFFER_P_DELIVERY.items():
        p_factors.add(BMP_ID="1", BMP_Type="Buffer", P_MinBufferWidth=str(width),
                      P_Deliv_Frac=fraction, Description=f"Buffers, total width {width} ft or more")
    return [bmp_list, n_factors, p_factors]


def cover_crops():
    table = Table("CropTables", "CoverCropTable.dbf", [
        text("Crop", 10, True), text("Full_Name", 60), real("NReduction", True)])
    for name, full_name, reduction in practices.COVER_CROPS:
        table.add(Crop=name, Full_Name=full_name, NReduction=reduction)
    return table


def nutrient_sources():
    table = Table("UserTables", "NutrientSources.db", [
        text("Source_ID", 4, True), text("Description", 34, True), text("Type", 12, True),
        real("lb_P2O5"), text("Content_Unit", 12), text("AppUnits", 10), real("Soluble_P"),
        real("NonSoluble_P"), real("SPAF"), real("NonSPAF"), real("Surface Applied"),
        real("Injected or Incorporated")])
    for (source_id, description, source_type, lb_p2o5, content_unit, app_units, soluble,
         non_soluble, spaf, non_spaf, surface, injected) in practices.NUTRIENT_SOURCES:
        table.add_row({
            "Source_ID": source_id, "Description": description, "Type": source_type,
            "lb_P2O5": lb_p2o5, "Content_Unit": content_unit, "AppUnits": app_units,
            "Soluble_P": soluble, "NonSoluble_P": non_soluble, "SPAF": spaf, "NonSPAF": non_spaf,
            "Surface Applied": surface, "Injected or Incorporated": injected})
    return table


def app_methods():
    table = Table("UserTables", "AppMethod.db", [
        text("AppID", 4, True), text("AppMethod", 54, True), real("AppFactor", True)])
    for app_id, name, factor in practices.APP_METHODS:
        table.add(AppID=app_id, AppMethod=name, AppFactor=factor)
    return table


def all_tables():
    return [county_stations(), soil_mapunits(), *soluble_p_relations(), crops_table(),
            yields_and_n_factors(), curve_numbers(), tillage(), yield_reduction_factors(),
            part_p_delivery(), *bmp_tables(), cover_crops(), nutrient_sources(), app_methods()]
