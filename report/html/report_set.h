// A report on disk is a set: its page and its four charts, kept in a folder of their own whose
// name the page gives in its pictures' addresses. A new set is made whole beside the old one, in
// a new folder of a unique name, and its page then takes the old page's name in one rename: a
// reader, or a program killed at any moment, meets the old report or the new one, never a mix.
// The folders of the charts that no page shows any more are removed afterwards, and those that a
// killed program left at the next start.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "data_folder_files.h"

// The address through which `page` shows the chart `chart` (the value of its picture's "src"):
// the chart's name, alone or after a folder; nothing when the page does not show it.
std::optional<std::string> ChartSource(std::string_view page, std::string_view chart);

// `page` made to show each of its charts from the folder `folderUrl` (a relative address that
// ends with "/").
void PointChartsAt(std::string& page, std::string_view folderUrl);

// `text` as a relative address's path segment: every byte outside the unreserved characters
// percent-encoded, so that blanks, quotes, '#' or '&' in a file name neither end the page's
// attribute nor change its meaning.
std::string UrlSegment(std::string_view text);

// The folders of the data folder's report: "Tidewarm.html.XXXXXX".
inline const std::string kReportFolderPrefix = std::string(kReportFile) + ".";

// A new folder of a unique name beside others of its kind ("<prefix>XXXXXX"), in which a report's
// files are made. It is locked while it lives, so that no other program takes it for one that a
// killed program left, and removed with what it holds unless kept (its charts then shown by a
// page).
class NewReportFolder {
  public:
    NewReportFolder(const std::filesystem::path& parent, std::string_view prefix);
    ~NewReportFolder();
    NewReportFolder(const NewReportFolder&) = delete;
    NewReportFolder& operator=(const NewReportFolder&) = delete;

    // The folder; empty when it could not be made (errno says why).
    const std::filesystem::path& Path() const { return path_; }
    // Leaves the folder in place when this ends.
    void Keep() { kept_ = true; }

  private:
    std::filesystem::path path_;
    int lock_ = -1;
    bool kept_ = false;
};

// Removes the folders "<prefix>XXXXXX" of `parent` that the page `page` does not show its charts
// from (its addresses give each as `parentUrl` + the folder's name + "/"), except those of a
// program still making a report in them. A folder of other name is left alone.
void RemoveUnshownReportFolders(const std::filesystem::path& parent, std::string_view prefix,
                                const std::filesystem::path& page, std::string_view parentUrl);

// The folder of the charts of a report saved as `target`: "<name>_files" beside "<name>.html".
// Each save puts its charts in a new folder of their own in it ("charts.XXXXXX").
std::filesystem::path SavedChartsFolder(const std::filesystem::path& target);
inline constexpr std::string_view kSavedChartsPrefix = "charts.";

// The address, relative to the page `target`, of its charts' folder `folder` (one in
// SavedChartsFolder(target)), ending with "/".
std::string SavedChartsUrl(const std::filesystem::path& target,
                           const std::filesystem::path& folder);

// Removes what an earlier save as `target` left that its page no longer shows: the folders of
// the charts of the page it replaced or of a save that was stopped, the temporaries of the page,
// and the charts folder itself when nothing is left in it.
void RemoveLeftoversOfSaves(const std::filesystem::path& target);

// A note in the data folder that a save as `target` is under way, held (locked) while it lives
// and removed when it ends: a program killed during the save leaves it, and the next start
// removes what that save left (RemoveReportLeftovers).
class SaveUnderWay {
  public:
    SaveUnderWay(const std::filesystem::path& dataFolder, const std::filesystem::path& target);
    ~SaveUnderWay();
    SaveUnderWay(const SaveUnderWay&) = delete;
    SaveUnderWay& operator=(const SaveUnderWay&) = delete;

  private:
    std::string note_;
    int fd_ = -1;
};

// Removes what programs killed while they made or saved a report left: the folders in the data
// folder that its page does not show its charts from, and the leftovers of the saves whose notes
// no program holds. The folders and notes of programs still at work stay.
void RemoveReportLeftovers(const std::filesystem::path& dataFolder);
