#include "report_copy.h"

#include <fstream>
#include <iterator>
#include <list>
#include <sstream>
#include <system_error>

#include "data_folder_files.h"
#include "file_replace.h"

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
    const bool newFolder = !std::filesystem::exists(folder, error);
    std::filesystem::create_directories(folder, error);
    if (error) return Failure(folder, error);
    // Every file is written under a temporary name before any is named: a failure leaves an
    // earlier report saved as `target` as it was.
    std::list<StagedFile> files;
    const auto failed = [&](Problem problem) {
        files.clear();  // their temporaries go
        std::error_code ignored;
        if (newFolder) std::filesystem::remove(folder, ignored);
        return problem;
    };
    const std::string prefix = UrlSegment(folder.filename().string()) + "/";
    for (std::string_view chart : kReportChartFiles) {
        files.emplace_back((folder / chart).string());
        if (std::optional<Problem> problem =
                files.back().CopyFrom((report.parent_path() / chart).string(), std::nullopt))
            return failed(*problem);
        const std::string name(chart);
        ReplaceAll(page, "src=\"" + name + "\"", "src=\"" + prefix + name + "\"");
    }
    files.emplace_back(target.string());
    if (std::optional<Problem> problem = files.back().Write(page)) return failed(*problem);
    for (StagedFile& file : files)
        if (std::optional<Problem> problem = file.Commit(ExistingFile::kReplace))
            return failed(*problem);
    return std::nullopt;
}
