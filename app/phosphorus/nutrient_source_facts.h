// The coefficients of one nutrient source, read from the nutrient source
// table afresh on every call. A source the table lacks gives -1 (the type
// "error") after a message; the caller computes on with it.
#pragma once

#include <string>

namespace verdalis::phosphorus {

class NutrientSourceFacts {
public:
    virtual ~NutrientSourceFacts() = default;
    virtual std::string GetFertilizerType(const std::string& name) = 0;
    virtual double GetFertilizerP205(const std::string& name) = 0;
    virtual double GetFertilizerSolubleP(const std::string& name) = 0;
    virtual double GetFertilizerNonSolubleP(const std::string& name) = 0;
    virtual double GetFertilizerSPAF(const std::string& name) = 0;
    virtual double GetFertilizerNonSPAF(const std::string& name) = 0;
    // The share of P2O5 kept by the application method: "Surface Applied"
    // for method 6, "Injected or Incorporated" otherwise; 0 without a row.
    virtual double GetFertilizerP205Factor(const std::string& name, int methodId) = 0;
};

} // namespace verdalis::phosphorus
