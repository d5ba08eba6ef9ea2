// An allocator for the large, short-lived arrays a package reader builds per opened file (the
// cell tables of its sheets). It takes its blocks from the same cache as parsed XML
// (xml_memory.cpp), so opening and closing workbook after workbook reuses memory instead of
// growing and trimming the heap each time.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <string_view>

#include <pugixml.hpp>

namespace opc {

template <class T>
struct PoolAllocator {
  using value_type = T;
  PoolAllocator() = default;
  template <class U>
  PoolAllocator(const PoolAllocator<U>&) {}

  T* allocate(size_t n) {
    if (n > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    void* p = pugi::get_memory_allocation_function()(n * sizeof(T));
    if (p == nullptr) throw std::bad_alloc();
    return static_cast<T*>(p);
  }
  void deallocate(T* p, size_t) { pugi::get_memory_deallocation_function()(p); }

  template <class U>
  bool operator==(const PoolAllocator<U>&) const {
    return true;
  }
};

// A block of bytes from the same cache, left uninitialised (it is filled right away: a file's
// contents, an inflated part). Empty when the memory could not be had.
class Bytes {
 public:
  Bytes() = default;
  explicit Bytes(size_t size)
      : data_(static_cast<char*>(pugi::get_memory_allocation_function()(size == 0 ? 1 : size))),
        size_(data_ != nullptr ? size : 0) {}

  char* data() { return data_.get(); }
  const char* data() const { return data_.get(); }
  size_t size() const { return size_; }
  bool ok() const { return data_ != nullptr; }
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  struct Free {
    void operator()(char* p) const { pugi::get_memory_deallocation_function()(p); }
  };
  std::unique_ptr<char, Free> data_;
  size_t size_ = 0;
};

}  // namespace opc
