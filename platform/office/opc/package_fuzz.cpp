// Arbitrary bytes into the package reader: every part is read, parsed and its relationships
// resolved. Nothing may crash, leak or run away with memory.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/office/opc/package.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto package = opc::Package::OpenMemory(std::string(reinterpret_cast<const char*>(data), size));
  if (!package) return 0;
  for (const std::string& name : (*package)->PartNames()) {
    static_cast<void>((*package)->PartXml(name));
    static_cast<void>((*package)->PartBytes(name));
    (*package)->Relationships(name);
    (*package)->ContentType(name);
  }
  (*package)->Relationships("");
  return 0;
}
