// Path separators and the data root (see paths.h). Where the installed data lies relative
// to the installed program comes from the build (DA_DATA_FROM_PROGRAM, e.g.
// "../share/dream-arena").
#include "platform/base/paths.h"

#include <algorithm>
#include <system_error>

namespace platform {
namespace {

constexpr const char* kTable = "monsterData.txt";

bool holdsTable(const std::filesystem::path& directory) {
  std::error_code error;
  return std::filesystem::symlink_status(directory / kTable, error).type() != std::filesystem::file_type::not_found &&
         !error;
}

const std::filesystem::path& dataRoot() {
  static const std::filesystem::path root = [] {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : chooseDataRoot(".", program);
  }();
  return root;
}

}  // namespace

std::filesystem::path chooseDataRoot(const std::filesystem::path& workingDirectory,
                                     const std::filesystem::path& program) {
  if (holdsTable(workingDirectory)) return {};
  const std::filesystem::path installed = program.parent_path() / DA_DATA_FROM_PROGRAM;
  if (!program.empty() && holdsTable(installed)) return installed.lexically_normal();
  return {};
}

std::string nativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  const std::filesystem::path& root = dataRoot();
  if (root.empty() || (!path.empty() && path[0] == '/')) return path;
  return (root / path).string();
}

}  // namespace platform
