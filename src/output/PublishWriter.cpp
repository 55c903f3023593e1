#include "output/PublishWriter.h"

#include "base/FileIO.h"
#include "base/JsonText.h"
#include "base/TransCodes.h"
#include "output/PublishHtml.h"
#include "output/PublishStandings.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Utf8(const std::string& ansi) { return TransCodes::AnsiToUtf8(ansi); }

// ---- CSV ----

constexpr char kCsvSeparator = ';';
const std::string kCsvLineEnd = "\r\n";
const std::string kUtf8Bom = "\xEF\xBB\xBF";

// Quoted when a reader would otherwise split or trim it.
std::string CsvField(const std::string& utf8) {
    const bool plain = utf8.find_first_of(";\"\r\n") == std::string::npos &&
                       (utf8.empty() || (utf8.front() != ' ' && utf8.back() != ' '));
    if (plain) return utf8;
    std::string out = "\"";
    for (char ch : utf8) {
        if (ch == '"') out += '"';
        out += ch;
    }
    return out + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += kCsvSeparator;
        line += CsvField(fields[i]);
    }
    return line + kCsvLineEnd;
}

std::string PublishCsv(const ReportData& data) {
    std::vector<std::string> heading = {"Номер", "Место", "Команда", "Город", "Очки", "Рейтинг"};
    for (int t = 0; t < static_cast<int>(data.tours.size()); ++t) heading.push_back(Utf8(TourHeading(data, t)));
    heading.emplace_back("Ответы");
    std::string out = kUtf8Bom + CsvLine(heading);
    for (const PublishRow& row : PublishRows(data)) {
        std::vector<std::string> fields = {std::to_string(row.number), row.placeRange, Utf8(row.name),
                                           Utf8(row.town), std::to_string(row.score), std::to_string(row.ratScore)};
        for (int score : row.tourScores) fields.push_back(std::to_string(score));
        fields.push_back(row.marks);
        out += CsvLine(fields);
    }
    return out;
}

// ---- JSON ----

std::string JsonBool(bool value) { return value ? "true" : "false"; }

template <class Item, class Format>
std::string JsonList(const std::vector<Item>& items, Format format, const std::string& separator = ", ") {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? separator : "") + format(items[i]);
    return out + "]";
}

std::string JsonHeader(const ReportData& data) {
    const std::string tours = JsonList(data.tours, [](const ReportTour& tour) {
        return "{\"name\": " + JsonString(Utf8(tour.name)) + ", \"questions\": " + std::to_string(tour.questions) + "}";
    });
    return "{\"title\": " + JsonString(Utf8(data.title)) + ", \"game_name\": " + JsonString(Utf8(data.gameName)) +
           ", \"date\": " + JsonString(Utf8(data.dateText)) + ", \"last_question\": " +
           std::to_string(data.lastQuestion) + ", \"question_count\": " + std::to_string(data.QuestionCount()) +
           ", \"tours\": " + tours + "}";
}

std::string JsonCountOptions(const CountOptions& count) {
    return "{\"rating_plus_one\": " + JsonBool(count.RatingPlusOne) + ", \"hi_rating\": " + JsonBool(count.HiRating) +
           ", \"sort_by_rating\": " + JsonBool(count.SortByRating) + ", \"deposit\": " + JsonBool(count.DepositScore) +
           "}";
}

std::string JsonRow(const PublishRow& row) {
    return "{\"number\": " + std::to_string(row.number) + ", \"place\": " + std::to_string(row.place) +
           ", \"place_range\": " + JsonString(row.placeRange) + ", \"name\": " + JsonString(Utf8(row.name)) +
           ", \"town\": " + JsonString(Utf8(row.town)) + ", \"score\": " + std::to_string(row.score) +
           ", \"rating_score\": " + std::to_string(row.ratScore) + ", \"tour_scores\": " +
           JsonList(row.tourScores, [](int score) { return std::to_string(score); }) +
           ", \"marks\": " + JsonString(row.marks) + "}";
}

// One row a line, so that the file reads (and compares) line by line.
std::string PublishJson(const ReportData& data) {
    return "{\n\"header\": " + JsonHeader(data) + ",\n\"count\": " + JsonCountOptions(data.count) +
           ",\n\"rows\": " + JsonList(PublishRows(data), JsonRow, ",\n") + "\n}\n";
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<PublishFormat> PublishFormatOf(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of("./");
    if (dot == std::string::npos || fileName[dot] != '.') return std::nullopt;
    const std::string extension = LowerCase(fileName.substr(dot + 1));
    if (extension == "csv") return PublishFormat::Csv;
    if (extension == "json") return PublishFormat::Json;
    if (extension == "html" || extension == "htm") return PublishFormat::Html;
    return std::nullopt;
}

std::string PublishBytes(const ReportData& data, PublishFormat format, int refreshSeconds) {
    switch (format) {
        case PublishFormat::Csv: return PublishCsv(data);
        case PublishFormat::Json: return PublishJson(data);
        case PublishFormat::Html: break;
    }
    return PublishHtml(data, refreshSeconds);
}

bool WritePublished(const ReportData& data, PublishFormat format, const std::string& fileName, int refreshSeconds) {
    return FileIO::ReplaceFile(fileName, PublishBytes(data, format, refreshSeconds));
}
