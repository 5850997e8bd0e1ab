#pragma once

#include <compare>
#include <type_traits>

// Names a screen to the navigator. A game names its screens with an enum of its own; the kit
// only tells the names apart.
class ScreenKey {
  public:
    template <typename Id>
    requires std::is_enum_v<Id>
    constexpr ScreenKey(Id id) : value_(static_cast<int>(id)) {}  // NOLINT: implicit by design

    template <typename Id>
    requires std::is_enum_v<Id>
    constexpr Id as() const { return static_cast<Id>(value_); }

    constexpr auto operator<=>(const ScreenKey&) const = default;

  private:
    int value_;
};
