#pragma once

#include <string>

#include "servicelife/service_life.h"

namespace csp {

// The service-life report as a chart in SVG: one horizontal bar per coating
// row of the report, galvanized life and coating add-on life stacked, the
// row's total written at its end and the 100-year limit marked; the
// Aluminum Coated Type 2 life is its own bar where its note applies. Takes
// an input that went through estimateLife.
std::string drawServiceLifeChart(const ServiceLifeInput& input);

}  // namespace csp
