#include "output/PublishHtml.h"

#include "base/TransCodes.h"
#include "output/OutputCredits.h"
#include "output/PublishStandings.h"

namespace {

// Text and attribute values alike.
std::string Escaped(const std::string& ansi) {
    std::string out;
    for (char ch : TransCodes::AnsiToUtf8(ansi)) {
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += ch;
        }
    }
    return out;
}

// The font grows with the width of the screen, from a phone held in the
// hand to a projector across the hall; columns a phone has no room for
// (the team's number, the tours, the answers) are left out there.
const char* const kStyle = R"(
html{-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;background:#eef1f5;color:#1b2430;font-family:"Liberation Sans",Arial,Helvetica,sans-serif;font-size:clamp(15px,1.25vw,34px);line-height:1.3}
header{background:#1f3a5f;color:#fff;padding:.7em 1em .8em}
h1{margin:0;font-size:1.5em;line-height:1.15}
header p{margin:.3em 0 0}
.game{opacity:.85}
.after{font-weight:700;color:#ffd76a}
main{padding:.5em}
table{width:100%;border-collapse:collapse;background:#fff;box-shadow:0 1px 3px rgba(0,0,0,.15)}
th,td{padding:.35em .5em;border-bottom:1px solid #dde3ea;text-align:left;vertical-align:top}
th{position:sticky;top:0;background:#dfe7f0;font-size:.85em;white-space:nowrap}
tbody tr:nth-child(even){background:#f6f8fb}
.n{text-align:right;white-space:nowrap;font-variant-numeric:tabular-nums}
td.place{font-weight:700}
td.score{font-weight:700;font-size:1.1em}
td.team{font-weight:600;overflow-wrap:break-word;hyphens:auto}
td.town{color:#4a5565;overflow-wrap:break-word;hyphens:auto}
td.marks{font-family:"Liberation Mono","DejaVu Sans Mono",monospace;font-size:.7em;color:#4a5565;word-break:break-all;max-width:30em}
footer{color:#6a7480;font-size:.75em;padding:.2em 1em 1em}
@media (max-width:1000px){.marks{display:none}}
@media (max-width:700px){.wide{display:none}main{padding:0}th,td{padding:.3em .35em}h1{font-size:1.3em}}
)";

std::string Cell(const std::string& cssClass, const std::string& html, const char* tag = "td") {
    return std::string("<") + tag + " class=\"" + cssClass + "\">" + html + "</" + tag + ">";
}

std::string Head(const ReportData& data, int refreshSeconds) {
    std::string head = "<head>\n<meta charset=\"utf-8\" />\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />\n";
    if (refreshSeconds > 0)
        head += "<meta http-equiv=\"refresh\" content=\"" + std::to_string(refreshSeconds) + "\" />\n";
    return head + "<title>" + Escaped(data.title) + "</title>\n<style>" + kStyle + "</style>\n</head>\n";
}

std::string Banner(const ReportData& data) {
    std::string banner = "<header>\n<h1>" + Escaped(data.title) + "</h1>\n";
    if (!data.gameName.empty() && data.gameName != data.title)
        banner += "<p class=\"game\">" + Escaped(data.gameName) + "</p>\n";
    banner += "<p class=\"date\">" + Escaped(data.dateText) + "</p>\n";
    return banner + "<p class=\"after\">Результат после вопроса №" + std::to_string(data.lastQuestion) +
           "</p>\n</header>\n";
}

std::string HeadingRow(const ReportData& data) {
    std::string row = "<tr>" + Cell("n place", "Место", "th") + Cell("n number wide", "№", "th") +
                      Cell("team", "Команда", "th") + Cell("town", "Город", "th");
    for (int t = 0; t < static_cast<int>(data.tours.size()); ++t)
        row += Cell("n tour wide", Escaped(TourHeading(data, t)), "th");
    return row + Cell("n score", "Очки", "th") + Cell("n rating", "Рейтинг", "th") +
           Cell("marks wide", "Ответы", "th") + "</tr>\n";
}

std::string TeamRow(const PublishRow& row) {
    std::string html = "<tr>" + Cell("n place", row.placeRange) + Cell("n number wide", std::to_string(row.number)) +
                       Cell("team", Escaped(row.name)) + Cell("town", Escaped(row.town));
    for (int score : row.tourScores) html += Cell("n tour wide", std::to_string(score));
    return html + Cell("n score", std::to_string(row.score)) + Cell("n rating", std::to_string(row.ratScore)) +
           Cell("marks wide", row.marks) + "</tr>\n";
}

}  // namespace

std::string PublishHtml(const ReportData& data, int refreshSeconds) {
    std::string page = "<!DOCTYPE html>\n<html lang=\"ru\">\n" + Head(data, refreshSeconds) + "<body>\n" +
                       Banner(data) + "<main>\n<table>\n<thead>\n" + HeadingRow(data) + "</thead>\n<tbody>\n";
    for (const PublishRow& row : PublishRows(data)) page += TeamRow(row);
    return page + "</tbody>\n</table>\n</main>\n<footer>" + Escaped(OutputCredits::PageLine()) +
           "</footer>\n</body>\n</html>\n";
}
