#pragma once
// Where the help pages and the course page live. The one place to change them.
#include <QString>

namespace brisko::gui {

inline const QString kHelpSiteBase = QStringLiteral("https://brisko.example.org");
inline const QString kHelpSiteName = QStringLiteral("brisko.example.org");
inline const QString kCourseHomePage = QStringLiteral("https://tlab210.example.edu/");

// The help site's base address joined with a page path such as "/help/index.html".
inline QString helpPageUrl(const QString& path) { return kHelpSiteBase + path; }

} // namespace brisko::gui
