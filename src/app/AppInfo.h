// Program-wide constants: names, version, the maker's web site and the files read from the working directory.
#pragma once

namespace AppInfo {
inline constexpr const char* applicationName = "Ordinax";
inline constexpr const char* vendorName = "Tavrin";
inline constexpr const char* version = "2.81";
inline constexpr const char* webSiteHost = "www.tavrin-software.example";
inline constexpr const char* webSiteAddress = "https://www.tavrin-software.example/ordinax/";
inline constexpr const char* contactAddress = "support@tavrin-software.example";
inline constexpr const char* developerMarkerFile = "qvx1_tavrin.txt";
inline constexpr const char* conversionFactorFile = "conversionFactors.txt";
inline constexpr const char* settingsFile = "Ordinax.ini";
} // namespace AppInfo
