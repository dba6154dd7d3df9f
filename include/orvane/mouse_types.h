/// @file
/// The mouse button and the set of held keys and buttons that TOrvane's mouse operations, events
/// and signals report.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace orvane {

/// A mouse button.
enum TMouseButton : uint8_t {
  mbLeft,   ///< the left button
  mbRight,  ///< the right button
  mbMiddle  ///< the middle button
};

/// One key or button of a TShiftState.
enum TShiftStateItem : uint8_t {
  ssShift,   ///< Shift held
  ssAlt,     ///< Alt held
  ssCtrl,    ///< Ctrl held
  ssLeft,    ///< left button held
  ssRight,   ///< right button held
  ssMiddle,  ///< middle button held
  ssDouble   ///< the press is a double click
};

/// A set of TShiftStateItem: TShiftState{ssCtrl, ssLeft} holds exactly Ctrl and the left button.
class TShiftState {
 public:
  /// The empty set.
  constexpr TShiftState() = default;
  /// The set of the items listed.
  constexpr TShiftState(std::initializer_list<TShiftStateItem> items) {
    for (TShiftStateItem item : items)
      bits_ |= bit(item);
  }

  /// Whether item is in the set.
  constexpr bool contains(TShiftStateItem item) const { return (bits_ & bit(item)) != 0; }
  /// Whether the set is empty.
  constexpr bool empty() const { return bits_ == 0; }
  /// The set as bits, bit n for the item of value n.
  constexpr uint8_t bits() const { return bits_; }

  /// Adds item to the set.
  constexpr TShiftState& operator+=(TShiftStateItem item) {
    bits_ |= bit(item);
    return *this;
  }
  /// Takes item out of the set.
  constexpr TShiftState& operator-=(TShiftStateItem item) {
    bits_ &= static_cast<uint8_t>(~bit(item));
    return *this;
  }

  /// Whether two sets hold the same items.
  friend constexpr bool operator==(TShiftState, TShiftState) = default;

 private:
  static constexpr uint8_t bit(TShiftStateItem item) { return static_cast<uint8_t>(1u << item); }
  uint8_t bits_ = 0;
};

}  // namespace orvane
