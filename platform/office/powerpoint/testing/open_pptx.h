// Test helper: a presentation built by the pptx writer, opened in an application of its own.
#pragma once

#include <gtest/gtest.h>

#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/testing/pptx_writer.h"

namespace powerpoint::testing {

class OpenPptx {
 public:
  // Writes and opens `content`; the test fails when either step does (Get() is then null).
  explicit OpenPptx(const PptxContent& content);
  Presentation* Get() const { return presentation_; }
  Application& App() { return app_; }
  // Slide `slide`, shape `shape` (both from 1); null (and the test failed) when missing.
  Shape* ShapeAt(int32_t slide, int32_t shape) const;

 private:
  Application app_;
  Presentation* presentation_ = nullptr;
};

// One slide on the "Title and Content" layout (or `layout`) holding `shapes`.
PptxContent OneSlide(std::string shapes, int32_t layout = 1);

}  // namespace powerpoint::testing
