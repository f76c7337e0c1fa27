// The pieces the spline reports are made of: the common start and the pages of the sheets.
#pragma once

#include <string>

#include "base/format.h"
#include "report/report_session.h"

namespace kv40::report::detail {

// What a length in mm is multiplied by before the length format prints it in the small unit:
// µm (× 1000) in metric mode; µin in inch mode, where the format divides by 25.4 itself.
Extended MicroFactor(const base::NumberFormat& nf);

// The report title: product name, version and the report's name.
std::string ReportTitle(const std::string& name);

// Header lines of every spline report: drawing names and numbers of both parts and the
// first two text lines; page total 0.
void SetSplineHeader(ReportSession& p, const std::string& title);

// The common start: a failed calculation shows the message list instead (false); otherwise
// the report is opened on the device (false when cancelled).
bool OpenSplineReport(ReportSession& p);

// The dimension sheet, pages 1 to 3, each a page of its own.
void DimensionSheet(ReportSession& p);
// The strength sheet, pages 4 and 5 (page 5 is not ended).
void StrengthSheet(ReportSession& p);
// The material section of the strength sheet.
void MaterialBlock(ReportSession& p);

}  // namespace kv40::report::detail
