// The published results: the counted standings (PublishStandings) written
// for the web, the chat and the rating sites in three formats. CSV is UTF-8
// with a byte order mark and ";" between fields, as office programs of a
// Russian desktop open it; JSON is one object with the header, the count
// options and the rows; HTML is one page that needs no other file.
#pragma once

#include "output/ReportData.h"

#include <optional>
#include <string>

enum class PublishFormat { Csv, Json, Html };

// The format a file's extension names (".csv", ".json", ".html" or ".htm",
// letter case aside); none for any other.
std::optional<PublishFormat> PublishFormatOf(const std::string& fileName);

// The file's bytes. `refreshSeconds` above 0 makes the page reload itself
// that often (the live page); the other formats ignore it.
std::string PublishBytes(const ReportData& data, PublishFormat format, int refreshSeconds = 0);

// Writes the file over `fileName` atomically. False when the file cannot be
// created; any old file is then left as it was. EInOutError when the
// writing fails after that (the old file is kept too).
bool WritePublished(const ReportData& data, PublishFormat format, const std::string& fileName,
                    int refreshSeconds = 0);
