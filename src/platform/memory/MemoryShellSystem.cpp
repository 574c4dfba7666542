// The in-memory file system: a map from paths to nodes.
#include "platform/memory/MemoryShellSystem.h"

#include <cerrno>

namespace platform {

namespace {

std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

}  // namespace

MemoryShellSystem::MemoryShellSystem() {
  nodes_["/"] = Node{FileKind::kFolder, 0, 0, {}, {}};
  env_["HOME"] = "/home/user";
}

void MemoryShellSystem::Put(const std::string& path, Node node) {
  for (std::string up = ParentOf(path); !nodes_.contains(up); up = ParentOf(up))
    nodes_[up] = Node{FileKind::kFolder, 0, 0, {}, {}};
  nodes_[path] = std::move(node);
}

void MemoryShellSystem::AddFolder(const std::string& path, int64_t modified) {
  Put(path, Node{FileKind::kFolder, 0, modified, {}, {}});
}

void MemoryShellSystem::AddFile(const std::string& path, uint64_t size, int64_t modified) {
  Put(path, Node{FileKind::kFile, size, modified, {}, {}});
}

void MemoryShellSystem::AddText(const std::string& path, const std::string& text) {
  Put(path, Node{FileKind::kFile, text.size(), 0, text, {}});
}

void MemoryShellSystem::AddLink(const std::string& path, const std::string& target) {
  Put(path, Node{FileKind::kOther, 0, 0, {}, target});
}

const MemoryShellSystem::Node* MemoryShellSystem::Resolve(const std::string& path) const {
  std::string at = path;
  for (int hops = 0; hops < 40; ++hops) {
    const auto it = nodes_.find(at);
    if (it == nodes_.end()) return nullptr;
    if (it->second.link.empty()) return &it->second;
    at = it->second.link;
  }
  return nullptr;
}

std::string MemoryShellSystem::Env(const char* name) const {
  const auto it = env_.find(name);
  return it == env_.end() ? std::string() : it->second;
}

FileStatus MemoryShellSystem::Status(const std::string& path) const {
  FileStatus status;
  const auto own = nodes_.find(path);
  if (own == nodes_.end()) {
    status.error = ENOENT;
    return status;
  }
  status.link = !own->second.link.empty();
  const Node* node = Resolve(path);
  if (node == nullptr) {
    status.kind = FileKind::kOther;
    return status;
  }
  status.kind = node->kind;
  status.size = node->size;
  status.modified = node->modified;
  return status;
}

std::optional<std::vector<FolderEntry>> MemoryShellSystem::ReadFolder(const std::string& path) const {
  const Node* folder = Resolve(path);
  if (folder == nullptr || folder->kind != FileKind::kFolder || unreadable_.contains(path)) return std::nullopt;
  const std::string prefix = path == "/" ? "/" : path + "/";
  std::vector<FolderEntry> entries;
  for (auto it = nodes_.lower_bound(prefix); it != nodes_.end() && it->first.starts_with(prefix); ++it) {
    const std::string name = it->first.substr(prefix.size());
    if (name.empty() || name.find('/') != std::string::npos) continue;
    const Node* target = Resolve(it->first);
    entries.push_back({name, target == nullptr ? FileKind::kOther : target->kind});
  }
  return entries;
}

std::optional<std::string> MemoryShellSystem::ReadText(const std::string& path) const {
  const Node* node = Resolve(path);
  if (node == nullptr || node->kind != FileKind::kFile) return std::nullopt;
  return node->text;
}

int MemoryShellSystem::Rename(const std::string& from, const std::string& to) {
  if (!nodes_.contains(from)) return ENOENT;
  if (nodes_.contains(to)) return EEXIST;
  if (!Writable(ParentOf(from)) || !Writable(ParentOf(to))) return EACCES;
  // The item and everything below it move.
  std::map<std::string, Node> moved;
  const std::string below = from + "/";
  for (auto it = nodes_.begin(); it != nodes_.end();) {
    if (it->first == from || it->first.starts_with(below)) {
      moved[to + it->first.substr(from.size())] = std::move(it->second);
      it = nodes_.erase(it);
    } else {
      ++it;
    }
  }
  nodes_.merge(moved);
  return 0;
}

int MemoryShellSystem::MakeFolder(const std::string& path) {
  if (nodes_.contains(path)) return EEXIST;
  const Node* parent = Resolve(ParentOf(path));
  if (parent == nullptr || parent->kind != FileKind::kFolder) return ENOENT;
  if (!Writable(ParentOf(path))) return EACCES;
  nodes_[path] = Node{FileKind::kFolder, 0, 0, {}, {}};
  return 0;
}

bool MemoryShellSystem::Writable(const std::string& folder) const {
  const Node* node = Resolve(folder);
  return node != nullptr && node->kind == FileKind::kFolder && !read_only_.contains(folder);
}

bool MemoryShellSystem::Open(const std::string& path) {
  if (!nodes_.contains(path)) return false;
  opened_.push_back(path);
  return true;
}

}  // namespace platform
