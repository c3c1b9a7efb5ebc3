#include "slideviewer/title_search.h"

#include <algorithm>

#include "common/file_names.h"

namespace slideviewer {

std::string PrepareTitle(std::string title) {
  ModInpCtl::ToLowerCase(title);
  size_t drop = 0;
  while (drop < title.size() && title[drop] != ' ' && title.size() - drop > 1) ++drop;
  if (drop < title.size()) ++drop;
  title.erase(0, drop);
  return title;
}

bool TitleMatches(const std::string& prepared, const std::string& srchText, int srchLen) {
  if (srchLen < 0) return false;
  const size_t len = static_cast<size_t>(srchLen);
  for (size_t pos = 0; pos <= prepared.size() && prepared.size() - pos >= len; ++pos)
    if (prepared.compare(pos, len, srchText) == 0) return true;
  return false;
}

int FindSlide(const ModSldpara& sld, int first, const std::string& srchText, int srchLen) {
  const int last = std::min<int>(sld.NoOfSld, kMaxSlides);
  for (int i = std::max(first, 1); i <= last; ++i) {
    const std::string prepared = PrepareTitle(sld.SldTitle[static_cast<size_t>(i)]);
    if (!prepared.empty() && TitleMatches(prepared, srchText, srchLen)) return i;
  }
  return 0;
}

}  // namespace slideviewer
