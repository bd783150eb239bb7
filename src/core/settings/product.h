// Who we are: the names and addresses the program shows and opens.
#pragma once

namespace Product {

inline constexpr const char* kTitle = "Dorvane"; // every copy shares it; message box captions
inline constexpr const char* kVersion = "V1.01";
inline constexpr const char* kMaker = "Vesk";
// The website and the support e-mail address are whoever ships the program's own, given when
// it is built (the CMake settings DORVANE_WEBSITE and DORVANE_SUPPORT_EMAIL); empty when not
// given. The website is a host name, opened as http://HOST, or a whole address.
const char* website();
const char* supportEmail();

} // namespace Product
