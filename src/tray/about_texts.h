#pragma once

// What the program says about itself: its site, its credit and its rights
// notice, kept in one place.
namespace kvirlo::about {

inline constexpr const char* ProductSiteAddress = "https://kvirlo.example.org/";
inline constexpr const char* ProductSiteName = "kvirlo.example.org";
inline constexpr const char* SecondSiteAddress = "https://example.org/";
inline constexpr const char* TownLabel = "г. Н-ск.";
inline constexpr const char* Credit = "Разработчик: команда Квирло";
inline constexpr const char* Rights = "© 2026";

}  // namespace kvirlo::about
