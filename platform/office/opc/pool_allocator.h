// An allocator for the large, short-lived arrays a package reader builds per opened file (the
// cell tables of its sheets). It takes its blocks from the same cache as parsed XML
// (xml_memory.cpp), so opening and closing workbook after workbook reuses memory instead of
// growing and trimming the heap each time.
#pragma once

#include <cstddef>
#include <new>

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

}  // namespace opc
