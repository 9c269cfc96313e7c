// Fuzz entries of the hourly input files: the two weather formats and the text tables.
#include <string>

#include "document.h"
#include "fuzz_support.h"
#include "weather_check.h"

namespace fuzz {

namespace {

// Asks `reader` for hours forward day by day, skipping ahead, past the year's end and back, as
// the runs over a season do; reading every day of a year here would only slow the fuzzing.
template <class Reader>
void WalkDays(Reader& reader, int& day, int& hour) {
    for (const int requested : {1, 2, 3, 4, 5, 6, 7, 8, 200, 365, 366, 2, 1}) {
        day = requested;
        for (hour = 1; hour <= 24; hour += 23) reader.Compute();
    }
}

// The pre-run check of the document's weather source over a season and over a whole year.
void CheckAsARun(CTidewarmDoc& doc) {
    doc.StartDay = 335;
    doc.NumDays = 60;
    CheckWeatherFile(doc);
    doc.StartDay = 1;
    doc.NumDays = 365;
    CheckWeatherFile(doc);
}

}  // namespace

void ZefirWeather(Bytes bytes) {
    QuietMessages quiet;
    WriteInput("fuzz.zfw", bytes);
    int day = 1, hour = 1;
    MyZEFIRFileReader reader;
    reader.SetInputs(&day, &hour);
    reader.SetFileName("fuzz.zfw");
    WalkDays(reader, day, hour);
    Require(reader.relativeHumidity >= 0 && reader.relativeHumidity <= 1);

    CTidewarmDoc doc;
    doc.WeatherSource = kWeatherBinary;
    doc.binaryWeatherReader.SetFileName("fuzz.zfw");
    CheckAsARun(doc);
}

void KtmyWeather(Bytes bytes) {
    QuietMessages quiet;
    WriteInput("fuzz.tmy", bytes);
    int day = 1, hour = 1;
    KTMYFileReader reader(&day, &hour, "fuzz.tmy");
    WalkDays(reader, day, hour);

    CTidewarmDoc doc;
    doc.WeatherSource = kWeatherTMY;
    doc.tmyReader.SetFileName("fuzz.tmy");
    CheckAsARun(doc);
}

void TextTable(Bytes bytes) {
    QuietMessages quiet;
    WriteInput("fuzz.csv", bytes);
    int record = 1;
    MyASCIIFileReader reader;
    reader.SetRecordCounter(&record);
    reader.SetFile("fuzz.csv");
    // Forward while records read, then back, as the run reads each day twice.
    for (record = 1; record <= 100 && reader.Compute() == 0; ++record) {
        for (int column = 1; column <= reader.GetColumnCount(); ++column) {
            const char* name = reader.GetColumnName(column);
            Require(name != nullptr && reader.TextValue(column) != nullptr);
            reader.FindColumn(name);
        }
    }
    for (const int back : {record - 1, 1, 0}) {
        record = back;
        reader.Compute();
    }
}

}  // namespace fuzz
