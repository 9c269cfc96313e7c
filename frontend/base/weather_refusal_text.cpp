#include "weather_refusal_text.h"

#include <cctype>

#include "calendar.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrWeatherFileLine, "File %s, line %d: %s"},
    {kStrWeatherFile, "File %s: %s"},
    {kStrWeatherCannotRead, "it cannot be read (%s)."},
    {kStrWeatherUnknownFormat, "it is not an EPW, TMY3 CSV, TMY2 or ZEFIR weather file."},
    {kStrWeatherBadHeader, "the header's %s is \"%s\", which the format does not allow."},
    {kStrWeatherNoPosition, "the header gives no latitude and longitude."},
    {kStrWeatherMissingColumn, "the column \"%s\" is missing."},
    {kStrWeatherFieldCount, "the record has %d fields where %d are needed."},
    {kStrWeatherNotANumber, "%s is \"%s\", which is not a number."},
    {kStrWeatherBadRecordTime,
     "the record is for %s where %s was expected: the file is not one year of hours in order."},
    {kStrWeatherTooFewRecords, "the file ends after %d hourly records; a year has 8760."},
    {kStrWeatherTooManyRecords, "records follow the last hour of 31 December."},
    {kStrWeatherGap, "%s is missing for %d hours from %s; gaps of up to 6 hours are filled in."},
    {kStrWeatherOutOfRange, "%s is %s, outside %g to %g."},
    {kStrWeatherBadName, "\"%s\" cannot be used as a file name."},
    {kStrWeatherExists, "File %s already exists."},
    {kStrWeatherCannotWrite, "File %s cannot be written: %s"},
    {kStrWeatherRecordTime, "%d %s, hour %d"},
    {kStrWeatherUsage,
     "Usage:\n"
     "  tidewarm-weather import FILE... [--into FOLDER] [--name NAME] [--replace]\n"
     "      Converts EPW, TMY3 (CSV) or TMY2 weather files into cities (ZEFIR files) of FOLDER,\n"
     "      by default the weather folder %s.\n"
     "      --name NAME  the city's name (one FILE only); by default the station's name.\n"
     "      --replace    replaces a city file of the same name.\n"
     "  tidewarm-weather show FILE\n"
     "      Shows the station, position, time zone and monthly figures of an EPW, TMY3, TMY2\n"
     "      or ZEFIR weather file.\n"
     "  tidewarm-weather --help\n"
     "The exit status is 0 only when every file was imported or shown."},
    {kStrWeatherImported, "%s: city \"%s\" written to %s"},
    {kStrWeatherOptionValue, "The option %s needs a value."},
    {kStrWeatherUnknownOption, "Unknown option %s (see tidewarm-weather --help)."},
    {kStrWeatherNoFiles, "No weather file given (see tidewarm-weather --help)."},
    {kStrWeatherNameOneFile, "--name names one city: give one weather file with it."},
    {kStrWeatherUnknownCommand, "Unknown command %s: use import, show or --help."},
    {kStrWeatherShowFile, "File: %s (%s)"},
    {kStrWeatherShowStation, "Station: %s"},
    {kStrWeatherShowPosition,
     "Latitude: %.3f degrees (north positive), longitude: %.3f degrees (west positive)"},
    {kStrWeatherShowTimeZone,
     "Time zone of the file: UTC%+g; the year in standard time of the meridian %g degrees west "
     "(UTC%+g)"},
    {kStrWeatherShowHeadings, "Month Air (degC) Humidity ratio Wind (m/s) Global (kWh/m2)"},
    {kStrWeatherShowYear, "Year"},
};

Language LanguageInForce() {
    return FrenchStringsLoaded() ? Language::French : Language::English;
}

std::string RecordTimeText(const WeatherRecordTime& time) {
    const Language language = LanguageInForce();
    std::string month = GetMonthName(time.month, language);
    // French writes a month within a date in lower case (every month begins with an ASCII
    // letter).
    if (language == Language::French && !month.empty())
        month[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(month[0])));
    return FormatResString(kStrWeatherRecordTime, time.day, month, time.hour);
}

// The reason, for the refusals that belong to the source file.
std::string ReasonText(const WeatherRefusal& r) {
    switch (r.kind) {
        case WeatherRefusalKind::kCannotRead:
            return FormatResString(kStrWeatherCannotRead, r.value);
        case WeatherRefusalKind::kUnknownFormat:
            return LoadResString(kStrWeatherUnknownFormat);
        case WeatherRefusalKind::kBadHeader:
            return FormatResString(kStrWeatherBadHeader, r.field, r.value);
        case WeatherRefusalKind::kNoPosition:
            return LoadResString(kStrWeatherNoPosition);
        case WeatherRefusalKind::kMissingColumn:
            return FormatResString(kStrWeatherMissingColumn, r.field);
        case WeatherRefusalKind::kFieldCount:
            return FormatResString(kStrWeatherFieldCount, r.count, r.expectedCount);
        case WeatherRefusalKind::kNotANumber:
            return FormatResString(kStrWeatherNotANumber, r.field, r.value);
        case WeatherRefusalKind::kBadRecordTime:
            return FormatResString(kStrWeatherBadRecordTime, RecordTimeText(r.time),
                                   RecordTimeText(r.expected));
        case WeatherRefusalKind::kTooFewRecords:
            return FormatResString(kStrWeatherTooFewRecords, r.count);
        case WeatherRefusalKind::kTooManyRecords:
            return LoadResString(kStrWeatherTooManyRecords);
        case WeatherRefusalKind::kGap:
            return FormatResString(kStrWeatherGap, r.field, r.count, RecordTimeText(r.time));
        case WeatherRefusalKind::kOutOfRange:
            return FormatResString(kStrWeatherOutOfRange, r.field, r.value, r.minimum, r.maximum);
        case WeatherRefusalKind::kBadName:
            return FormatResString(kStrWeatherBadName, r.value);
        case WeatherRefusalKind::kDestinationExists:
        case WeatherRefusalKind::kCannotWrite:
            break;
    }
    return {};
}

}  // namespace

std::span<const StringEntry> WeatherEnglishStrings() {
    return kEnglish;
}

std::string WeatherRefusalText(const WeatherRefusal& refusal) {
    switch (refusal.kind) {
        case WeatherRefusalKind::kDestinationExists:
            return FormatResString(kStrWeatherExists, refusal.file);
        case WeatherRefusalKind::kCannotWrite:
            return FormatResString(kStrWeatherCannotWrite, refusal.file, refusal.value);
        default:
            break;
    }
    if (refusal.line > 0)
        return FormatResString(kStrWeatherFileLine, refusal.file, refusal.line,
                               ReasonText(refusal));
    return FormatResString(kStrWeatherFile, refusal.file, ReasonText(refusal));
}
