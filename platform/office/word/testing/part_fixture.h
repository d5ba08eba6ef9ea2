// Test helpers for the part readers (styles, numbering): an element of the word-processing
// namespace parsed from its inner XML, and a memory budget that records what a reader charges.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "platform/office/word/properties.h"

namespace word::testing {

class ParsedElement {
 public:
  // <w:`name`> holding `inner`, with the w: prefix declared.
  ParsedElement(const std::string& name, const std::string& inner) {
    const std::string xml = "<w:" + name +
                            " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/"
                            "main\">" +
                            inner + "</w:" + name + ">";
    EXPECT_TRUE(doc_.load_buffer(xml.data(), xml.size()));
  }
  pugi::xml_node Root() const { return doc_.document_element(); }

 private:
  pugi::xml_document doc_;
};

// A budget of `limit` bytes; its charge fails with "over budget" beyond it.
struct Budget {
  uint64_t limit = UINT64_MAX;
  uint64_t taken = 0;
  MemoryCharge Charge() {
    return [this](uint64_t bytes) -> base::Status {
      if (bytes > limit - taken) return base::Error::Of("over budget");
      taken += bytes;
      return base::Ok();
    };
  }
};

}  // namespace word::testing
