#pragma once

#include <array>
#include <string_view>

namespace csp::designcheck {

// The enumerations of a design check. Records hold them as typed values but
// any integer may arrive through a setter; a value outside the list reads
// "Unknown" and takes the documented fallback of each formula.

enum class StructureShape : int { RoundPipe = 0, PipeArch = 1, Underpass = 2 };
enum class LiveLoad : int { H20 = 0, H25 = 1, E80 = 2 };
enum class CheckMethod : int { AstmAsd = 0, AstmLrfd = 1, AashtoAsd = 2, AashtoLfd = 3, AashtoLrfd = 4, Aisi = 5 };
enum class CorrugationType : int { Helical = 0, Annular = 1, Bolted = 2 };
enum class InstallationType : int { Embankment = 0, TrenchStandard = 1, TrenchSpecial = 2 };

// Corrugation profiles, by the index that selects their data set in the
// profile table (profile_catalog.cpp), which is the list of profiles: these
// names are for the code and tests that speak of one.
enum class Profile : int {
    TwoThirdsByHalf = 0,       // 2-2/3 x 1/2
    ThreeByOne = 1,            // 3 x 1
    FiveByOne = 2,             // 5 x 1
    SixByTwo = 3,              // 6 x 2 structural plate
    RibbedSevenHalf = 4,       // 3/4 x 3/4 x 7-1/2 ribbed
    RibbedElevenHalf = 5,      // 3/4 x 1 x 11-1/2 ribbed
    CompositeSevenHalf = 6,    // 3/4 x 3/4 x 7-1/2 composite ribbed
    CompositeElevenHalf = 7,   // 3/4 x 1 x 11-1/2 composite ribbed
};

inline constexpr std::array<std::string_view, 3> shapeTexts = {"Round Pipe", "Pipe-arch", "Underpass"};
inline constexpr std::array<std::string_view, 3> liveLoadTexts = {"H20", "H25", "E80"};
inline constexpr std::array<std::string_view, 6> methodTexts = {"ASTM ASD",   "ASTM LRFD",   "AASHTO ASD",
                                                                "AASHTO LFD", "AASHTO LRFD", "AISI"};
inline constexpr std::array<std::string_view, 3> corrugationTypeTexts = {"Helical", "Annular", "Bolted"};
inline constexpr std::array<std::string_view, 3> installationTypeTexts = {"Embankment", "Trench, Standard",
                                                                          "Trench, Special"};
inline constexpr std::string_view unknownText = "Unknown";

// The text of entry `index` of a text list, or "Unknown" past its ends.
template <std::size_t N>
constexpr std::string_view textOf(const std::array<std::string_view, N>& texts, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? texts[static_cast<std::size_t>(index)] : unknownText;
}

// The design methods fall into three families that share installation and
// flexibility rules.
enum class MethodFamily { Astm, Aashto, Aisi, None };

constexpr MethodFamily familyOf(CheckMethod method) {
    switch (method) {
    case CheckMethod::AstmAsd:
    case CheckMethod::AstmLrfd: return MethodFamily::Astm;
    case CheckMethod::AashtoAsd:
    case CheckMethod::AashtoLfd:
    case CheckMethod::AashtoLrfd: return MethodFamily::Aashto;
    case CheckMethod::Aisi: return MethodFamily::Aisi;
    }
    return MethodFamily::None;
}

// How a method states its loads and resistances: allowable stress with
// safety factors, load and resistance factors, or load factors with a
// capacity modification factor. Any other method is designed as allowable
// stress.
enum class DesignForm { AllowableStress, LoadResistanceFactor, LoadFactor };

constexpr DesignForm formOf(CheckMethod method) {
    switch (method) {
    case CheckMethod::AstmLrfd:
    case CheckMethod::AashtoLrfd: return DesignForm::LoadResistanceFactor;
    case CheckMethod::AashtoLfd: return DesignForm::LoadFactor;
    case CheckMethod::AstmAsd:
    case CheckMethod::AashtoAsd:
    case CheckMethod::Aisi: return DesignForm::AllowableStress;
    }
    return DesignForm::AllowableStress;
}

}  // namespace csp::designcheck
