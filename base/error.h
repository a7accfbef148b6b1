#pragma once

#include "base/message.h"

namespace vlmr {

/// Why a call failed, as the user is told: one sentence, made where the
/// failure is decided. A failure that callers must tell apart is a value of
/// its own (an enum, a result), never a code to compare inside this.
struct Error {
  Message message;
  bool operator==(const Error&) const = default;
};

}  // namespace vlmr
