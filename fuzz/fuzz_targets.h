// Fuzz targets: each entry takes the bytes of one file that comes from outside the program and
// drives the code that reads that file over them. libFuzzer calls them in the fuzz build; the
// replay test calls them over the stored seeds and crash reproducers in every build.
//
// An entry works in the current folder, where it writes the files it then reads; it shows no
// message. A fault it meets is a crash (a sanitizer report, or an abort when a property that
// must hold does not).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace fuzz {

using Bytes = std::span<const std::uint8_t>;

struct Target {
    std::string_view name;  // also the folder of its seeds and reproducers
    void (*entry)(Bytes bytes);
};

// Every target.
std::span<const Target> Targets();
// The target named `name`; null when there is none.
const Target* FindTarget(std::string_view name);

// The entries, one per kind of outside file.
void ProjectFile(Bytes bytes);      // a project file (.tdw, template .tpl)
void BatchInput(Bytes bytes);       // the front end's "Tidewarm.tmp"
void ZefirWeather(Bytes bytes);     // a binary ZEFIR weather file
void KtmyWeather(Bytes bytes);      // a Korvex TMY text weather file
void TextTable(Bytes bytes);        // a text table (alternate input, text weather)
void MessageFile(Bytes bytes);      // "scl.err"
void StringTableFile(Bytes bytes);  // a French string table ".str"
void ConfigFile(Bytes bytes);       // "TidewarmPro.cfg"
void MonthlyResults(Bytes bytes);   // the ".mly" and ".mlx" files the text report reads
void ReportTemplate(Bytes bytes);   // an HTML report template ("Report.html")
void ResultLoader(Bytes bytes);     // the result files the front end loads into its database
void FrontEndConfig(Bytes bytes);   // the front end's "Tidewarm.cfg"
void EpwWeather(Bytes bytes);       // an EnergyPlus weather file (EPW) to import
void Tmy3Weather(Bytes bytes);      // an NREL TMY3 CSV file to import
void Tmy2Weather(Bytes bytes);      // an NREL TMY2 file to import

}  // namespace fuzz
