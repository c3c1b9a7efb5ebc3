#pragma once
// Reference results of the sample office's year, kept in one text file
// (tests/data/sample_office_year.txt): one quantity a line, its name and its
// value in the shortest text that reads back to the same double; lines
// starting with '#' and blank lines are comments. A test compares each value
// it computes with the file's at 1e-6 relative (a reference of 0 must be met
// exactly).
//
// With OSTREVO_REBASELINE=1 in the environment nothing is compared: the
// values computed are written into the file in place of the old ones (new
// names at its end, comments and other lines kept, names the run no longer
// has dropped) and each change is printed. That is done on purpose only, by scripts/rebaseline-sample-year.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace simtest {

inline constexpr double kReferenceTolerance = 1e-6;

// The sample office's reference file in the source tree.
std::string SampleYearReferencePath();
// True when OSTREVO_REBASELINE is set to anything but "" or "0".
bool Rebaselining();

class ReferenceResults {
 public:
  // Reads the file; a line that is not a name and a number, or a name given
  // twice, fails the test that reads it.
  explicit ReferenceResults(std::string path = SampleYearReferencePath());
  // When re-baselining, writes the values recorded by Expect into the file.
  ~ReferenceResults();
  ReferenceResults(const ReferenceResults&) = delete;
  ReferenceResults& operator=(const ReferenceResults&) = delete;

  // Compares `actual` with the reference of `name` (a missing name fails);
  // when re-baselining, records it instead.
  void Expect(const std::string& name, double actual);
  // Every reference whose name starts with `prefix` was given to Expect: a
  // quantity the run no longer has fails; when re-baselining, it is dropped.
  void ExpectAllGiven(const std::string& prefix);

 private:
  struct Line {
    std::string text;  // a comment, or the name of a value
    bool isValue = false;
  };
  void Write();

  std::string path_;
  std::vector<Line> lines_;
  std::map<std::string, double> values_;
  std::set<std::string> given_, dropped_;
  std::map<std::string, double> recorded_;
  std::vector<std::string> recordedOrder_;  // new names go to the end in this order
};

// The shortest text of `value` that reads back to the same double.
std::string RoundTripText(double value);

}  // namespace simtest
