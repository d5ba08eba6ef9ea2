// Memory for parsed XML. Every grading parses a few parts and frees them again; handing those
// blocks straight back to the system makes the next grading fault every page in afresh, which
// costs more than the parse itself. pugixml's blocks are therefore kept in a small cache of
// power-of-two size classes (bounded in total) and reused by the next document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>

#include <pugixml.hpp>

#if defined(__SANITIZE_ADDRESS__)
#define KIRV_XML_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KIRV_XML_POOL 0
#endif
#endif
#ifndef KIRV_XML_POOL
#define KIRV_XML_POOL 1
#endif

namespace opc {
namespace {

#if KIRV_XML_POOL

constexpr int kClasses = 32;
constexpr size_t kMinClass = 6;           // 64 bytes
constexpr size_t kMaxCached = 32u << 20;  // bytes kept in the cache at most
constexpr size_t kHeader = alignof(std::max_align_t);

struct FreeBlock {
  FreeBlock* next;
};

struct Pool {
  std::mutex mutex;
  FreeBlock* free[kClasses] = {};
  size_t cached = 0;
};

Pool& ThePool() {
  static Pool* pool = new Pool();  // never destroyed: documents may outlive static destruction
  return *pool;
}

int ClassOf(size_t size) {
  int c = static_cast<int>(kMinClass);
  while ((size_t{1} << c) < size) ++c;
  return c;
}

void* Allocate(size_t size) {
  const int c = ClassOf(size + kHeader);
  if (c >= kClasses) return nullptr;
  Pool& pool = ThePool();
  unsigned char* block = nullptr;
  {
    std::lock_guard<std::mutex> lock(pool.mutex);
    if (FreeBlock* head = pool.free[c]) {
      pool.free[c] = head->next;
      pool.cached -= size_t{1} << c;
      block = reinterpret_cast<unsigned char*>(head);
    }
  }
  if (block == nullptr) {
    block = static_cast<unsigned char*>(std::malloc(size_t{1} << c));
    if (block == nullptr) return nullptr;
  }
  *reinterpret_cast<uint32_t*>(block) = static_cast<uint32_t>(c);
  return block + kHeader;
}

void Deallocate(void* p) {
  if (p == nullptr) return;
  unsigned char* block = static_cast<unsigned char*>(p) - kHeader;
  const int c = static_cast<int>(*reinterpret_cast<uint32_t*>(block));
  Pool& pool = ThePool();
  {
    std::lock_guard<std::mutex> lock(pool.mutex);
    if (pool.cached + (size_t{1} << c) <= kMaxCached) {
      auto* head = reinterpret_cast<FreeBlock*>(block);
      head->next = pool.free[c];
      pool.free[c] = head;
      pool.cached += size_t{1} << c;
      return;
    }
  }
  std::free(block);
}

// Installed before main, before any document exists.
const bool kInstalled = [] {
  pugi::set_memory_management_functions(Allocate, Deallocate);
  return true;
}();

#endif

}  // namespace

// Referenced by the package reader so that this file, and its installer, is always linked.
bool XmlMemoryPoolInstalled() {
#if KIRV_XML_POOL
  return kInstalled;
#else
  return false;
#endif
}

}  // namespace opc
