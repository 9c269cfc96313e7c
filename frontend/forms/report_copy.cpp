#include "report_copy.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "data_folder_files.h"

namespace {

// `text` as a relative URL path segment: every byte outside the unreserved characters
// percent-encoded, so that blanks, quotes, '#' or '&' in a file name neither end the page's
// attribute nor change its meaning.
std::string UrlSegment(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0xF];
        }
    }
    return encoded;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

Problem Failure(const std::filesystem::path& file, const std::error_code& error) {
    return Problem{file.string() + ": " + error.message()};
}

}  // namespace

std::filesystem::path SavedReportPage(const std::filesystem::path& chosen) {
    if (chosen.has_extension()) return chosen;
    std::filesystem::path page = chosen;
    return page += ".html";
}

std::filesystem::path SavedChartsFolder(const std::filesystem::path& target) {
    return target.parent_path() / (target.stem().string() + "_files");
}

std::optional<Problem> SaveReportWithCharts(const std::filesystem::path& report,
                                            const std::filesystem::path& target) {
    std::ifstream in(report, std::ios::binary);
    if (!in.is_open()) return Problem{report.string() + ": cannot be read"};
    std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    const std::filesystem::path folder = SavedChartsFolder(target);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Failure(folder, error);
    const std::string prefix = UrlSegment(folder.filename().string()) + "/";
    for (std::string_view chart : kReportChartFiles) {
        const std::filesystem::path from = report.parent_path() / chart;
        std::filesystem::copy_file(from, folder / chart,
                                   std::filesystem::copy_options::overwrite_existing, error);
        if (error) return Failure(from, error);
        const std::string name(chart);
        ReplaceAll(page, "src=\"" + name + "\"", "src=\"" + prefix + name + "\"");
    }

    std::filesystem::path partial = target;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << page;
        out.close();
        if (!out) {
            std::filesystem::remove(partial, error);
            return Problem{partial.string() + ": cannot be written"};
        }
    }
    std::filesystem::rename(partial, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        return Failure(target, error);
    }
    return std::nullopt;
}
