#include "components/palette.h"

namespace vlmr {

DynColor LineColor() {
  return Dyn(Srgb(0.863, 0.898, 0.898), Srgb(0.227, 0.314, 0.322));
}

DynColor PageColor() {
  return Dyn(Srgb(1.000, 1.000, 1.000), Srgb(0.125, 0.161, 0.176));
}

DynColor TealColor() {
  return Dyn(Srgb(0.031, 0.498, 0.525), Srgb(0.247, 0.714, 0.741));
}

DynColor ChipColor() {
  return Dyn(Srgb(1.000, 1.000, 1.000), Srgb(0.173, 0.216, 0.231));
}

DynColor StatusColor() {
  return Dyn(Srgb(0.910, 0.957, 0.937), Srgb(0.141, 0.255, 0.247));
}

DynColor GreenDotColor() {
  return Dyn(Srgb(0.024, 0.451, 0.373), Srgb(0.267, 0.816, 0.694));
}

DynColor LabelColor() {
  return Dyn(Srgb(0, 0, 0, 0.85), Srgb(1, 1, 1, 0.85));
}

DynColor SecondaryLabelColor() {
  return Dyn(Srgb(0, 0, 0, 0.50), Srgb(1, 1, 1, 0.55));
}

DynColor TertiaryLabelColor() {
  return Dyn(Srgb(0, 0, 0, 0.26), Srgb(1, 1, 1, 0.25));
}

DynColor ControlTextColor() {
  return Dyn(Srgb(0, 0, 0, 0.85), Srgb(1, 1, 1, 0.85));
}

DynColor DisabledControlTextColor() {
  return Dyn(Srgb(0, 0, 0, 0.25), Srgb(1, 1, 1, 0.25));
}

DynColor TextColor() {
  return Dyn(Srgb(0, 0, 0), Srgb(1, 1, 1));
}

DynColor WhiteColor() {
  return Dyn(Srgb(1, 1, 1), Srgb(1, 1, 1));
}

DynColor BlackColor() {
  return Dyn(Srgb(0, 0, 0), Srgb(0, 0, 0));
}

DynColor SystemRedColor() {
  return Dyn(Srgb(1.0, 0.231, 0.188), Srgb(1.0, 0.271, 0.227));
}

DynColor SeparatorColor() {
  return Dyn(Srgb(0, 0, 0, 0.10), Srgb(1, 1, 1, 0.10));
}

DynColor FocusRingColor() {
  return Dyn(Srgb(0.000, 0.404, 0.957, 0.50), Srgb(0.102, 0.663, 1.000, 0.50));
}

DynColor SelectedTextBackgroundColor() {
  return Dyn(Srgb(0.702, 0.843, 1.000), Srgb(0.247, 0.388, 0.545));
}

}  // namespace vlmr
