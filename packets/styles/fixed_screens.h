// The texts of the fixed screens that other screens repeat.
#pragma once

#include <string_view>

namespace packets::styles {

inline constexpr std::string_view kProduct = "Oristan";
inline constexpr std::string_view kVersion = "29.0";
/// The publisher line of the title screen (row 25).
inline constexpr std::string_view kPublisher = "Lampstand Quiz Workshop";
inline constexpr std::string_view kPublisherAddress = "www.lampstand-quiz.example";
inline constexpr int kPublisherAddressColumn = 52;

}  // namespace packets::styles
