#include "platform/office/opc/inflated_parts.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <mutex>
#include <unordered_map>

namespace opc {

// Archives larger than this are not kept: the copy of the archive would cost as much memory.
constexpr size_t kMaxArchive = 8u << 20;
// How many archives are kept, the most recently opened first.
constexpr size_t kArchives = 4;
// Inflated bytes kept per archive: a small archive may inflate to hundreds of megabytes, which
// are worth inflating again rather than holding on to.
constexpr size_t kMaxKeptPerArchive = 32u << 20;

struct InflatedParts::State {
  std::string archive;
  std::mutex mutex;
  std::unordered_map<std::string, std::string> parts;
  size_t kept = 0;                                                    // bytes in `parts`
  std::unordered_map<std::string, std::shared_ptr<const void>> made;  // key: kind, NUL, entry
};

namespace {

std::mutex& ListMutex() {
  static std::mutex mutex;
  return mutex;
}

std::deque<std::shared_ptr<InflatedParts::State>>& List() {
  static std::deque<std::shared_ptr<InflatedParts::State>> list;
  return list;
}

}  // namespace

std::shared_ptr<InflatedParts> InflatedParts::For(std::string_view archive) {
  if (archive.size() > kMaxArchive) return nullptr;
  std::lock_guard<std::mutex> lock(ListMutex());
  auto& list = List();
  auto it = std::find_if(list.begin(), list.end(), [&](const std::shared_ptr<State>& s) {
    return s->archive.size() == archive.size() && s->archive == archive;
  });
  std::shared_ptr<State> state;
  if (it != list.end()) {
    state = *it;
    list.erase(it);
  } else {
    state = std::make_shared<State>();
    state->archive = std::string(archive);
    if (list.size() >= kArchives) list.pop_back();
  }
  list.push_front(state);
  return std::make_shared<InflatedParts>(std::move(state));
}

bool InflatedParts::CopyTo(std::string_view entry, char* out, size_t size) const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  auto it = state_->parts.find(std::string(entry));
  if (it == state_->parts.end() || it->second.size() != size) return false;
  if (size != 0) std::memcpy(out, it->second.data(), size);
  return true;
}

void InflatedParts::Keep(std::string_view entry, std::string_view bytes) {
  std::lock_guard<std::mutex> lock(state_->mutex);
  if (bytes.size() > kMaxKeptPerArchive - state_->kept) return;
  if (state_->parts.try_emplace(std::string(entry), bytes).second) state_->kept += bytes.size();
}

std::shared_ptr<const void> InflatedParts::Made(std::string_view kind,
                                                std::string_view entry) const {
  std::string key = std::string(kind) + '\0' + std::string(entry);
  std::lock_guard<std::mutex> lock(state_->mutex);
  auto it = state_->made.find(key);
  return it == state_->made.end() ? nullptr : it->second;
}

void InflatedParts::KeepMade(std::string_view kind, std::string_view entry,
                             std::shared_ptr<const void> made) {
  std::string key = std::string(kind) + '\0' + std::string(entry);
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->made.try_emplace(std::move(key), std::move(made));
}

}  // namespace opc
