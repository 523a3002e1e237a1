#include "platform/services/paths.h"

namespace kvirlo {

std::string folderOf(const std::string& path, char separator) {
  // Windows takes either slash; elsewhere a backslash is part of a name.
  const std::string separators = separator == '\\' ? "\\/" : std::string(1, separator);
  const std::size_t last = path.find_last_of(separators);
  if (last == std::string::npos) return "";
  const std::size_t root = separator == '\\' && path.size() > 1 && path[1] == ':' ? 2 : 0;
  // A folder at the root keeps its separator: "D:\\", "/".
  return path.substr(0, last == root ? last + 1 : last);
}

}  // namespace kvirlo
