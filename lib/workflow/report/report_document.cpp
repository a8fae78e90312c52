#include "workflow/report/report_document.h"

#include <algorithm>

#include "base/text_ids.h"
#include "config/language_texts.h"
#include "core/report_sections.h"
#include "core/schema/schema_table.h"
#include "workflow/radio_info_text.h"

namespace vex {
namespace {

ReportDocument Framed(std::vector<ReportLine> lines, std::string title, const ReportSource& source,
                      const std::string& filePath, ReportMargins margins) {
  const auto label = [&source](int id) { return source.texts.labelText(id); };
  ReportDocument document;
  document.lines = std::move(lines);
  document.source = filePath.empty() ? label(text::kCaptionMainTitle) : filePath;
  document.title = std::move(title);
  document.radioTop = {label(SchemaField(FieldArea::RadioInfo, "model_name").label), source.model.modelName,
                       label(text::kRadioRange), source.model.freqRange};
  document.radioBottom = {label(text::kRadioFirmware), FirmwareVersionText(source.model.dataVersion), "", ""};
  document.margins = margins;
  return document;
}

}  // namespace

ReportDocument FullReport(const ReportSectionTable& table, const ReportSource& source, const std::string& filePath) {
  return Framed(BuildReport(table, source), "", source, filePath, kFullReportMargins);
}

ReportDocument SingleViewReport(int templateId, const ReportSource& source, const std::string& filePath) {
  const ReportSectionTable table;
  std::vector<ReportLine> lines;
  AppendReportSection(lines, ReportEntryOfTemplate(table, templateId), source);
  return Framed(std::move(lines), source.texts.labelText(templateId), source, filePath, kSingleViewMargins);
}

int LinesPerPage(int pageHeight, const ReportMargins& margins) {
  if (margins.lineHeight <= 0) return 1;
  return std::max(1, (pageHeight - 2 * margins.top) / margins.lineHeight - kPageFrameLines);
}

int PageBlockOffset(int pageHeight, const ReportMargins& margins) {
  if (margins.lineHeight <= 0 || pageHeight <= 2 * margins.top) return 0;
  return (pageHeight - 2 * margins.top) % margins.lineHeight / 2;
}

ReportPages::ReportPages(const std::vector<ReportLine>& lines, int linesPerPage) : lines_(lines.size()) {
  const auto perPage = static_cast<std::size_t>(std::max(1, linesPerPage));
  for (std::size_t first = 0; first < lines.size();) {
    starts_.push_back(first);
    std::size_t end = std::min(lines.size(), first + perPage);
    if (end < lines.size()) {
      std::size_t cut = end;
      while (cut > first && IsHeading(lines[cut - 1])) --cut;
      if (cut > first) end = cut;
    }
    first = end;
  }
}

std::pair<std::size_t, std::size_t> ReportPages::lineRange(int page) const {
  if (page < 1 || page > count()) return {lines_, lines_};
  const auto index = static_cast<std::size_t>(page - 1);
  return {starts_[index], index + 1 < starts_.size() ? starts_[index + 1] : lines_};
}

std::string PageFooterText(int page, int pages) {
  return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

std::string PrintTimeText(const std::tm& time) {
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &time);
  return std::string(text, length);
}

}  // namespace vex
