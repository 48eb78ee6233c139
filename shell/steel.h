#pragma once

// The structural steel of corrugated pipe and plate, psi: the one place the
// design check and the fill-height tables take its properties from.
namespace csp::steel {

// Modulus of elasticity E: every formula of the design check, and the
// fill-height tables' AASHTO/ASTM buckling equation and flexibility factor.
inline constexpr double elasticModulus = 29000000.0;
// E of the fill-height tables' AISI buckling equation and flexibility factor.
inline constexpr double aisiTableElasticModulus = 30000000.0;
// Minimum yield stress Fy and tensile strength Fu: wall area and buckling in
// both programs.
inline constexpr double yieldStress = 33000.0;
inline constexpr double tensileStrength = 45000.0;

// Unit weight of steel, lb/cu in.: the pipe selection's bare steel weight.
inline constexpr double unitWeight = 0.2836;

}  // namespace csp::steel
