// zarnix-cli's driver: parses the command line, runs the actions on a window model and
// writes the answer pane and messages, as text or as one JSON object.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zarnix {

// Exit status: 0 when the actions ran (calculation errors are messages), 2 for unusable
// arguments or an action that is not available.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zarnix
