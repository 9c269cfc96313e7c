// Fuzz entries of the hourly input files: the two weather formats and the text tables.
#include <string>

#include "document.h"
#include "fuzz_support.h"
#include "weather_check.h"

namespace fuzz {

namespace {

// Asks `reader` for the hours of a year out of order, forward, across its end and back, as the
// runs over a season and the pre-run check do.
template <class Reader>
void WalkYear(Reader& reader, int& day, int& hour) {
    for (day = 1; day <= 366; ++day)
        for (hour = 1; hour <= 24; hour += 23) reader.Compute();
    for (const int back : {200, 2, 1}) {
        day = back;
        hour = 24;
        reader.Compute();
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
    WalkYear(reader, day, hour);
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
    WalkYear(reader, day, hour);

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
