// The script's output fed to the line splitter in arbitrary chunks: every
// line comes out exactly once, whole, in order, whatever the chunking, and the
// line protocol never trips over what it reads.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "pipeline/output_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first bytes choose the chunk sizes (1 to 64, cycled); the rest is output.
  size_t header = size < 4 ? size : 4;
  std::string_view pattern(reinterpret_cast<const char*>(data), header);
  std::string_view output(reinterpret_cast<const char*>(data) + header, size - header);

  std::vector<std::string> lines;
  vlmr::BuildEvents events;
  events.line = [&lines](const std::string& line) { lines.push_back(line); };
  events.stage = [](int64_t, int64_t, const std::string&) {};
  vlmr::OutputLines splitter(events);
  size_t at = 0;
  for (size_t turn = 0; at < output.size(); ++turn) {
    size_t chunk = pattern.empty() ? output.size()
                                   : static_cast<unsigned char>(pattern[turn % header]) % 64 + 1;
    if (chunk > output.size() - at) chunk = output.size() - at;
    splitter.consume(output.substr(at, chunk));
    at += chunk;
  }
  splitter.finish();

  // The same output split at once, each line decoded as the splitter does.
  std::vector<std::string> expected;
  size_t start = 0;
  for (size_t feed = output.find('\n'); feed != std::string_view::npos;
       feed = output.find('\n', start)) {
    expected.push_back(vlmr::DecodeUtf8OrLatin1(output.substr(start, feed - start)));
    start = feed + 1;
  }
  if (start < output.size()) expected.push_back(vlmr::DecodeUtf8OrLatin1(output.substr(start)));
  if (lines != expected) std::abort();
  if (splitter.holdsPartialLine()) std::abort();
  return 0;
}
