// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobFile.h"

#include "core/FileIo.h"
#include "core/MessageText.h"
#include "core/NumberText.h"
#include "core/TextFileContent.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace boxmill {

namespace {

// A job names cabinets; a larger file is not one.
constexpr std::size_t kJobFileCap = 256 * 1024;

constexpr std::string_view kHeader =
    "# A job: the cabinets cut and priced together, one a line (see docs/JOB-FILE.md).\n"
    "#   CABINET FILE | QUANTITY | LABEL\n"
    "# The cabinet file's path is relative to this file; the label names its\n"
    "# parts on the combined lists and the cutting diagrams.\n";

bool HasControl(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return std::iscntrl(static_cast<unsigned char>(c)); });
}

// What keeps `text` from reading back as the same field, or nothing.
std::string FieldProblem(std::string_view text, std::string_view what)
{
    if (text.empty())
        return std::string(what) + " is empty";
    if (text.find('|') != std::string_view::npos || HasControl(text))
        return std::string(what) + " holds a \"|\" or a control character";
    if (TrimBlanks(text) != text)
        return std::string(what) + " starts or ends with a blank";
    return {};
}

// The reason the line cannot be an entry, or nothing when `entry` was
// filled in.
std::string ReadEntry(std::string_view line, JobEntry& entry)
{
    const auto fields = SplitBarFields(line);
    if (fields.size() < 2 || fields.size() > 3)
        return "a cabinet is CABINET FILE | QUANTITY | LABEL";
    if (fields[0].empty())
        return "the cabinet file is not named";
    if (HasControl(line))
        return "the line holds a control character";
    entry.path = std::string(fields[0]);
    const auto quantity = ParseInteger(fields[1]);
    if (!quantity || *quantity < 1 || *quantity > kMostOfOneCabinet) {
        return "the quantity must be a whole number from 1 to " + std::to_string(kMostOfOneCabinet) + ", not " +
               QuoteFileText(fields[1]);
    }
    entry.quantity = static_cast<int>(*quantity);
    // Without a label the cabinet is known by its file's name.
    entry.label = fields.size() == 3 && !fields[2].empty() ? std::string(fields[2])
                                                           : std::filesystem::path(entry.path).stem().string();
    if (entry.label.empty())
        return "the cabinet needs a label";
    return {};
}

} // namespace

Result<Job> ParseJobText(std::string_view text, std::string_view fileName)
{
    const auto content = TextFileContent(text);
    if (!content)
        return Result<Job>::failure(FileTextForMessage(fileName) + ": " + content.error() + ".");
    Job job;
    int lineNumber = 0;
    for (const auto& raw : SplitLines(*content)) {
        ++lineNumber;
        const std::string_view line = TrimBlanks(raw);
        if (line.empty() || line.front() == '#')
            continue;
        const auto refuse = [&](const std::string& why) {
            return Result<Job>::failure(std::string(fileName) + ", line " + std::to_string(lineNumber) + ": " + why +
                                        ".");
        };
        JobEntry entry;
        if (const std::string why = ReadEntry(line, entry); !why.empty())
            return refuse(why);
        for (const auto& earlier : job.cabinets) {
            if (SameJobLabel(earlier.label, entry.label))
                return refuse("the label " + QuoteFileText(entry.label) + " is used twice");
        }
        if (static_cast<int>(job.cabinets.size()) == kMostJobCabinets)
            return refuse("a job holds at most " + std::to_string(kMostJobCabinets) + " cabinets");
        job.cabinets.push_back(std::move(entry));
    }
    return job;
}

Result<Job> ReadJobFile(const std::filesystem::path& path)
{
    const auto bytes = ReadFileBytes(path, kJobFileCap);
    if (!bytes)
        return Result<Job>::failure(bytes.error());
    return ParseJobText(*bytes, path.filename().string());
}

Result<std::string> JobText(const Job& job)
{
    if (static_cast<int>(job.cabinets.size()) > kMostJobCabinets)
        return Result<std::string>::failure("A job holds at most " + std::to_string(kMostJobCabinets) + " cabinets.");
    std::string text(kHeader);
    for (std::size_t i = 0; i < job.cabinets.size(); ++i) {
        const JobEntry& entry = job.cabinets[i];
        const auto refuse = [&](const std::string& why) {
            return Result<std::string>::failure("Cabinet " + std::to_string(i + 1) + " of the job: " + why + ".");
        };
        std::string why = FieldProblem(entry.path, "its file name");
        if (why.empty())
            why = FieldProblem(entry.label, "its label");
        if (why.empty() && (entry.quantity < 1 || entry.quantity > kMostOfOneCabinet))
            why = "its quantity is not from 1 to " + std::to_string(kMostOfOneCabinet);
        if (why.empty() && entry.path.front() == '#')
            why = "its file name starts with \"#\"";
        for (std::size_t j = 0; why.empty() && j < i; ++j) {
            if (SameJobLabel(job.cabinets[j].label, entry.label))
                why = "its label " + QuoteFileText(entry.label) + " is used twice";
        }
        if (!why.empty())
            return refuse(why);
        text += entry.path + " | " + std::to_string(entry.quantity) + " | " + entry.label + '\n';
    }
    return text;
}

Status WriteJobFile(const std::filesystem::path& path, const Job& job)
{
    const auto text = JobText(job);
    if (!text)
        return Status::failure(text.error());
    return WriteFileAtomic(path, *text);
}

bool SameJobLabel(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsJobFile(const std::filesystem::path& path)
{
    return SameJobLabel(path.extension().string(), kJobExtension);
}

FileDialogRequest JobFileRequest(std::string title, const std::filesystem::path& folder)
{
    FileDialogRequest request;
    request.title = std::move(title);
    request.filter = "Job Files|*.job";
    request.defaultExtension = "job";
    request.initialFolder = folder;
    return request;
}

} // namespace boxmill
