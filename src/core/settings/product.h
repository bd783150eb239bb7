// Who we are: the names and addresses the program shows and opens.
#pragma once

namespace Product {

inline constexpr const char* kTitle = "Dorvane"; // every copy shares it; message box captions
inline constexpr const char* kVersion = "V1.01";
inline constexpr const char* kMaker = "Vesk";
// Until the product has a domain of its own, the addresses live under the reserved example.org.
inline constexpr const char* kWebsiteHost = "dorvane.example.org";
inline constexpr const char* kSupportEmail = "support@dorvane.example.org";

} // namespace Product
