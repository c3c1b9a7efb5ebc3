#pragma once
// Finding slides by words of their titles. A title is compared without its
// leading word (a slide number such as "12"), in lower case.
#include <string>

#include "slideviewer/slide_tables.h"

namespace slideviewer {

// The title lower-cased, with everything up to and including its first
// blank removed; a title without a blank, or one character long, becomes
// empty.
std::string PrepareTitle(std::string title);

// True when the first `srchLen` characters at some position of `prepared`
// equal `srchText` exactly (so a length other than the text's never matches).
bool TitleMatches(const std::string& prepared, const std::string& srchText, int srchLen);

// The first slide from `first` to NoOfSld whose prepared title is not empty
// and matches; 0 when none does.
int FindSlide(const ModSldpara& sld, int first, const std::string& srchText, int srchLen);

}  // namespace slideviewer
