#include "reference_results.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace simtest {

std::string SampleYearReferencePath() { return std::string(OSTREVO_SOURCE_DIR) + "/tests/data/sample_office_year.txt"; }

bool Rebaselining() {
  const char* v = std::getenv("OSTREVO_REBASELINE");
  return v != nullptr && std::string(v) != "" && std::string(v) != "0";
}

std::string RoundTripText(double value) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return ec == std::errc() ? std::string(buf, end) : "nan";
}

ReferenceResults::ReferenceResults(std::string path) : path_(std::move(path)) {
  std::ifstream in(path_);
  if (!in) {
    ADD_FAILURE() << "cannot read the reference results " << path_;
    return;
  }
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty() || text[0] == '#') {
      lines_.push_back({text, false});
      continue;
    }
    std::istringstream items(text);
    std::string name, numberText, rest;
    items >> name >> numberText;
    double value = 0;
    const char* first = numberText.data();
    const char* last = first + numberText.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (numberText.empty() || ec != std::errc() || ptr != last || (items >> rest) || !std::isfinite(value)) {
      ADD_FAILURE() << path_ << " line " << number << " is not a name and a number: " << text;
      continue;
    }
    if (!values_.emplace(name, value).second) {
      ADD_FAILURE() << path_ << " line " << number << " gives " << name << " a second time";
      continue;
    }
    lines_.push_back({name, true});
  }
}

ReferenceResults::~ReferenceResults() {
  if (Rebaselining() && (!recorded_.empty() || !dropped_.empty())) Write();
}

void ReferenceResults::Expect(const std::string& name, double actual) {
  given_.insert(name);
  if (Rebaselining()) {
    if (recorded_.insert_or_assign(name, actual).second) recordedOrder_.push_back(name);
    return;
  }
  auto it = values_.find(name);
  if (it == values_.end()) {
    ADD_FAILURE() << name << " = " << RoundTripText(actual) << " has no reference value in " << path_;
    return;
  }
  const double reference = it->second;
  const double difference = std::abs(actual - reference);
  if (difference <= kReferenceTolerance * std::abs(reference)) return;
  char off[80];
  if (reference == 0) {
    std::snprintf(off, sizeof off, "a reference of 0 must be met exactly");
  } else {
    std::snprintf(off, sizeof off, "off by %.3g relative, %.0e allowed", difference / std::abs(reference),
                  kReferenceTolerance);
  }
  ADD_FAILURE() << name << " = " << RoundTripText(actual) << ", reference " << RoundTripText(reference) << ": " << off;
}

void ReferenceResults::ExpectAllGiven(const std::string& prefix) {
  for (const auto& entry : values_) {
    const std::string& name = entry.first;
    if (name.compare(0, prefix.size(), prefix) != 0 || given_.count(name)) continue;
    if (Rebaselining()) {
      dropped_.insert(name);
    } else {
      ADD_FAILURE() << name << " has a reference value but the run gives none";
    }
  }
}

// Replaces the values recorded, adds the new names at the end, leaves out
// the dropped ones, and writes the file through a temporary one renamed
// over it.
void ReferenceResults::Write() {
  std::ostringstream out;
  for (const Line& line : lines_) {
    if (!line.isValue) {
      out << line.text << '\n';
      continue;
    }
    if (dropped_.count(line.text)) {
      std::printf("rebaseline: %s dropped\n", line.text.c_str());
      continue;
    }
    const double old = values_.at(line.text);
    auto it = recorded_.find(line.text);
    const double value = it == recorded_.end() ? old : it->second;
    if (value != old) {
      std::printf("rebaseline: %s %s -> %s", line.text.c_str(), RoundTripText(old).c_str(),
                  RoundTripText(value).c_str());
      if (old != 0) std::printf(" (%+.3g relative)", (value - old) / std::abs(old));
      std::printf("\n");
    }
    out << line.text << ' ' << RoundTripText(value) << '\n';
  }
  for (const std::string& name : recordedOrder_) {
    if (values_.count(name)) continue;
    const double value = recorded_.at(name);
    std::printf("rebaseline: %s new %s\n", name.c_str(), RoundTripText(value).c_str());
    out << name << ' ' << RoundTripText(value) << '\n';
  }
  const std::string temporary = path_ + ".new";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << out.str();
    file.close();
    if (!file) {
      ADD_FAILURE() << "cannot write " << temporary;
      return;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path_, ec);
  if (ec) ADD_FAILURE() << "cannot replace " << path_ << ": " << ec.message();
}

}  // namespace simtest
