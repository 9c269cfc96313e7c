// Hourly weather readers: the fixed-column Korvex TMY text file and the ZEFIR binary file.
//
// Both read one day at a time and hold it; asking for another hour of the same day reads
// nothing, a later day reads forward and an earlier day rewinds. The values held always belong
// to one day read completely: a failed read leaves no day held, so it can never be mistaken for
// data afterwards.
#pragma once

#include <array>
#include <string>

#include "files.h"

class KTMYFileReader : public FileReader {
  public:
    KTMYFileReader() { KTMYFileReader::Reset(); }
    KTMYFileReader(int* day, int* hour, const char* fileName);

    int GetTypeId() const override { return kTypeKTMYFileReader; }
    void Reset() override;
    int Check() override;
    int Compute() override;
    int ReadHeader() override;

    int SetInputs(int* day, int* hour);
    // Latitude in degrees (north positive) and the 16-character station name of the header, in
    // UTF-8 (a name that is not is read as Windows-1252); valid once the file is open.
    double GetLatitude() const { return latitude_; }
    std::string GetStationName() const { return stationName_; }

    // Outputs for the requested hour.
    double airTemperature = 0;    // degC
    double globalIrradiance = 0;  // W/m2, horizontal
    double relativeHumidity = 0;  // fraction
    double windSpeed = 0;         // m/s
    double groundReflectance = 0;

    // Line layout: 96 characters of data per line, four lines per day.
    static constexpr int kLineLength = 96;
    static constexpr int kStationNameLength = 16;

  private:
    // Reads the next data line into line_; 4 at the end of the file or for a short line.
    int ReadLine(int day);
    // Reads the four lines of `day` into the day arrays.
    int ReadDayLines(int day);

    int* day_ = nullptr;
    int* hour_ = nullptr;
    std::string stationName_;
    double latitude_ = 0;
    int currentDay_ = 0;  // day whose values are held; 0 when none
    double dayValue_ = 0;
    std::array<int, 25> temperature_{};  // index = hour
    std::array<int, 25> irradiance_{};
    std::array<int, 25> humidity_{};
    std::array<int, 25> wind_{};
    std::string line_;
};

class ZEFIRFileReader : public FileReader {
  public:
    ZEFIRFileReader() { ZEFIRFileReader::Reset(); }
    ZEFIRFileReader(int* day, int* hour, const char* fileName);

    int GetTypeId() const override { return kTypeZEFIRFileReader; }
    void Reset() override;
    int Check() override;
    int Compute() override;
    // Opens in binary mode and reads the header.
    int Open() override;
    int ReadHeader() override;
    // Reads the next day record into the day buffer; 2 when no file is open, 4 on a short read
    // (then the buffer is left as it was). The next Compute reads its day again.
    virtual int ReadDay();

    int SetInputs(int* day, int* hour);
    // Station name (UTF-8; a name that is not is read as Windows-1252), latitude (north
    // positive) and longitude (west positive, degrees) of the header; valid once the file is
    // open.
    std::string GetStationName() const { return stationName_; }
    double GetLatitude() const { return latitude_; }
    double GetLongitude() const { return longitude_; }

    // Outputs for the requested hour.
    double airTemperature = 0;    // degC
    double globalIrradiance = 0;  // W/m2, horizontal
    double humidityRatio = 0;     // kg of water per kg of dry air
    double windSpeed = 0;         // m/s
    double groundReflectance = 0;

    // File layout: a header, then one record per day; signed 16-bit little-endian integers.
    static constexpr int kHeaderSize = 126;
    static constexpr int kRecordSize = 194;
    static constexpr int kStationNameSize = 100;  // the name keeps at most 99 characters

  private:
    struct DayRecord {
        int dayValue = 0;
        std::array<int, 25> temperature{};  // index = hour
        std::array<int, 25> humidity{};
        std::array<int, 25> wind{};
        std::array<int, 25> irradiation{};  // floored at 0
    };

    // Reads the next record into the day buffer, leaving the bookkeeping to the caller.
    int ReadRecord();

    int* day_ = nullptr;
    int* hour_ = nullptr;
    std::string stationName_;
    std::string code_;  // two characters of the header, not used further
    double latitude_ = 0;
    double longitude_ = 0;
    double headerNumber_ = 0;
    int currentDay_ = 0;  // day whose values are held; 0 when none
    DayRecord record_;
};
