#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vlmr {

/// The process arguments as strings, the program path included; an argument
/// that is not valid UTF-8 becomes the empty string.
std::vector<std::string> ArgumentList(int argc, char** argv);

/// The value of `option` in `arguments`: the argument after an exact match, or
/// the rest of an argument "option=value". The first match decides; nothing
/// when there is none or the option is the last argument.
std::optional<std::string> ValueForOption(const std::vector<std::string>& arguments,
                                          std::string_view option);

/// true when some argument is exactly `option`.
bool HasArgument(const std::vector<std::string>& arguments, std::string_view option);

/// The arguments after the program path that name an existing regular file
/// (a final symbolic link followed), made absolute (ExpandPath), in order: the
/// installers the window is asked to open. Anything else is ignored: options,
/// folders, devices and pipes, names of nothing.
std::vector<std::string> ExistingFileArguments(const std::vector<std::string>& arguments);

/// A path as typed by the user made absolute: "~" and "~user" expanded, "/..."
/// unchanged, anything else appended to the current directory, however long.
/// When there is no current directory (it was removed) a relative path is
/// returned unchanged and `ok`, when given, is set to false; otherwise to true.
std::string ExpandPath(const std::string& path, bool* ok = nullptr);

/// Prints one line, `format` filled with `values` (Format), to standard output
/// and flushes at once, so it comes out before anything a child writes to the
/// same stream.
void PrintCLI(std::string_view format, std::initializer_list<std::string_view> values);

/// Writes `text` to standard error at once.
void PrintError(const std::string& text);

}  // namespace vlmr
