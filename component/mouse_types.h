// The mouse button and the set of held keys and buttons that the widget's mouse operations and
// the application's mouse handlers receive.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace orvane {

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum TShiftStateItem : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// A set of TShiftStateItem: TShiftState{ssCtrl, ssLeft} holds exactly Ctrl and the left button.
class TShiftState {
 public:
  constexpr TShiftState() = default;
  constexpr TShiftState(std::initializer_list<TShiftStateItem> items) {
    for (TShiftStateItem item : items)
      bits_ |= bit(item);
  }

  constexpr bool contains(TShiftStateItem item) const { return (bits_ & bit(item)) != 0; }
  constexpr bool empty() const { return bits_ == 0; }
  constexpr uint8_t bits() const { return bits_; }

  constexpr TShiftState& operator+=(TShiftStateItem item) {
    bits_ |= bit(item);
    return *this;
  }
  constexpr TShiftState& operator-=(TShiftStateItem item) {
    bits_ &= static_cast<uint8_t>(~bit(item));
    return *this;
  }

  friend constexpr bool operator==(TShiftState, TShiftState) = default;

 private:
  static constexpr uint8_t bit(TShiftStateItem item) { return static_cast<uint8_t>(1u << item); }
  uint8_t bits_ = 0;
};

}  // namespace orvane
