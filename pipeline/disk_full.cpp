#include "pipeline/disk_full.h"

namespace vlmr {

bool SaysDiskIsFull(std::string_view text) {
  return text.find("No space left") != std::string_view::npos ||
         text.find("disk is full") != std::string_view::npos;
}

}  // namespace vlmr
