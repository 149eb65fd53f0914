// The author's details shown in the About window and on the page's About, kept
// in one place.
#pragma once

namespace parabel::author {

inline constexpr const char* kName = "Parabel";
inline constexpr const char* kNickName = "Parabel";
// The year and place line is the catalog's "about.place".
inline constexpr const char* kSite = "http://parabel.example.org";
inline constexpr const char* kMail = "parabel@example.org";
inline constexpr const char* kIcq = "000-000-000";

}  // namespace parabel::author
