// The published results as one self-contained HTML page: inline style,
// UTF-8, the title, the date, the question the results stand after and the
// standings, sized for a phone as for a projector. The markup is also
// well-formed XML, so any parser reads it.
#pragma once

#include "output/ReportData.h"

#include <string>

// `refreshSeconds` above 0 adds a <meta http-equiv="refresh">.
std::string PublishHtml(const ReportData& data, int refreshSeconds);
