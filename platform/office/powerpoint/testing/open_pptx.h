// Test helper: a presentation built by the pptx writer, opened in an application of its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/testing/pptx_writer.h"

namespace powerpoint::testing {

class OpenPptx {
 public:
  // Writes and opens `content`; the test fails when either step does (Get() is then null).
  explicit OpenPptx(const PptxContent& content);
  // Opens a presentation file (one of SuiteFile's) the same way.
  explicit OpenPptx(const std::filesystem::path& file);
  Presentation* Get() const { return presentation_; }
  Application& App() { return app_; }
  // Slide `slide`, shape `shape` (both from 1); null (and the test failed) when missing.
  Shape* ShapeAt(int32_t slide, int32_t shape) const;

 private:
  void Take(const base::Result<Presentation*>& opened);

  Application app_;
  Presentation* presentation_ = nullptr;
};

// One slide on the "Title and Content" layout (or `layout`) holding `shapes`.
PptxContent OneSlide(std::string shapes, int32_t layout = 1);
// `count` blank slides, each with one of `transitions` if given, and ppt/presProps.xml holding
// `presentationPr` (none writes no such part).
PptxContent BlankSlides(size_t count, std::optional<std::string> presentationPr = std::nullopt,
                        const std::vector<std::string>& transitions = {});

// A presentation a presentation program saved into testdata/.
std::filesystem::path SuiteFile(std::string_view file);

}  // namespace powerpoint::testing
