#include "tests/support/fake_tools.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vlmr::test {


FakeTools::FakeTools() : saved_(Tools()) {
  // Nothing real runs unless a test puts it in the table.
  for (std::string* entry :
       {&table_.python3, &table_.bash, &table_.ditto, &table_.shasum, &table_.xcodeSelect,
        &table_.xcrun, &table_.installNameTool, &table_.plistBuddy, &table_.osascript}) {
    *entry = missing();
  }
}

FakeTools::~FakeTools() {
  SetTools(saved_);
}

std::string FakeTools::make(const std::string& name, const std::string& body) {
  std::string path = dir_ / ("bin/" + name);
  WriteFile(path,
            "#!/bin/sh\n"
            "printf '%s\\n' \"" +
                name + " $*\" >> '" + (dir_ / "runs.log") + "'\n" + body + "\n",
            true);
  return path;
}

std::string FakeTools::runLog() const {
  return ReadFile(dir_ / "runs.log");
}

std::vector<std::string> FakeTools::runs() const {
  std::vector<std::string> lines;
  std::istringstream log(runLog());
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  return lines;
}

}  // namespace vlmr::test
