#include "report/report_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/number_text.h"
#include "report/report_file.h"

namespace vantry::report {

using engine::FormatText;

namespace {

constexpr std::size_t kFieldWidth = 132;  // header lines are built in a field this wide
constexpr std::size_t kCentreColumns = 80;
constexpr std::size_t kHeaderWidth = 79;  // every header line is exactly this long
constexpr std::size_t kPageLabelColumn = 71;
constexpr std::size_t kPageNumberColumn = 76;

// Clears the first 132 characters of `field` and places `text` centred in 80 columns (at most 80
// characters of it, starting at column (80 - n) / 2).
void CentreText(std::string_view text, char (&field)[kFieldWidth + 2]) {
    std::memset(field, 0, kFieldWidth);
    const std::size_t n = text.size() < kCentreColumns ? text.size() : kCentreColumns;
    std::memcpy(field + (kCentreColumns - n) / 2, text.data(), n);
}

void blankEmptyColumns(char (&field)[kFieldWidth + 2]) {
    for (std::size_t column = 0; column < kHeaderWidth; ++column)
        if (field[column] == '\0') field[column] = ' ';
}

class ReportWriter {
public:
    explicit ReportWriter(std::FILE* file) : file_(file) {}

    bool writeAll(const std::vector<std::string>& lines) {
        WritePageHeader();
        laterPage_ = true;
        int linesOnPage = 0;
        for (const std::string& line : lines) {
            // Body lines go out whole, however long.
            write(line.data(), line.size());
            write("\n", 1);
            if (++linesOnPage > kBodyLinesPerPage - 1) {
                WritePageHeader();
                linesOnPage = 0;
            }
        }
        write("\n", 1);
        return ok_;
    }

private:
    void WritePageHeader() {
        if (laterPage_) write("\f", 1);
        ++pageNumber_;

        CentreText(kReportTitle, field_);
        std::memcpy(field_ + kPageLabelColumn, "Page ", 5);
        FormatText(field_ + kPageNumberColumn, kFieldWidth - kPageNumberColumn, "%d", {pageNumber_});
        writeHeaderLine();

        write(noticeLine_.data(), noticeLine_.size());
        write("\n", 1);

        write("\n", 1);
    }

    // Blanks the empty columns and cuts the line at 79 characters, so that a long page number
    // keeps only its first digits (the notice line is cut the same way, by CentredHeaderLine).
    void writeHeaderLine() {
        blankEmptyColumns(field_);
        field_[kHeaderWidth] = '\n';
        write(field_, kHeaderWidth + 1);
    }

    // Nothing more is written once a write has failed.
    void write(const char* data, std::size_t size) {
        if (ok_ && std::fwrite(data, 1, size, file_) != size) ok_ = false;
    }

    std::FILE* file_;
    const std::string noticeLine_ = detail::CentredHeaderLine(kOwnerNotice);  // the same on every page
    int pageNumber_ = 0;
    bool laterPage_ = false;
    bool ok_ = true;
    char field_[kFieldWidth + 2] = {};
};

}  // namespace

bool WritePages(std::FILE* file, const std::vector<std::string>& lines) { return ReportWriter(file).writeAll(lines); }

std::string detail::CentredHeaderLine(std::string_view text) {
    char field[kFieldWidth + 2] = {};
    CentreText(text, field);
    blankEmptyColumns(field);
    return std::string(field, kHeaderWidth);
}

bool CheckReportTarget(const std::string& path, std::string& error) {
    std::string target;
    std::string reason;
    if (detail::ResolveTarget(path, target, reason)) return true;
    error = path + ": " + reason;
    return false;
}

ReportOutcome WriteReport(const std::vector<std::string>& lines, const std::string& path, const ReportOpener& open) {
    ReportOutcome outcome;
    std::string reason;
    std::string target;
    detail::ScratchFile scratch;
    if (!detail::ResolveTarget(path, target, reason) || !detail::CreateScratchBeside(target, scratch, reason)) {
        outcome.reason = reason;
        outcome.error = path + ": " + reason;
        return outcome;
    }
    errno = 0;
    if (!WritePages(scratch.stream, lines)) {
        outcome.reason = std::strerror(errno != 0 ? errno : EIO);
        outcome.error = path + ": " + outcome.reason;
        detail::DiscardScratch(scratch);
        return outcome;
    }
    if (!detail::CommitScratch(scratch, reason)) {
        outcome.reason = reason;
        outcome.error = path + ": " + reason;
        return outcome;
    }
    outcome.written = true;
    if (open) outcome.viewerError = open();
    return outcome;
}

}  // namespace vantry::report
