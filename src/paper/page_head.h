#pragma once

#include <QString>

namespace rods {

class PaperPages;

// Over every page of a worksheet and of its key, in 10 points: what the
// sheet is on the left, "Page 2 of 5" on the right, a rule under them. The
// pupil's pages and the key's are counted apart, so that the pages handed
// out say how many a pupil should have.
inline constexpr double PageHeadMillimetres = 9;
void drawPageHead(PaperPages& pages, const QString& what, int page, int pageCount);

} // namespace rods
