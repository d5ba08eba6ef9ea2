// Sample presentations built in code: the fuzzer's seeds and the benchmark's task, a
// demo-sized presentation with placeholders, text boxes, auto shapes, a group, a picture and a
// table over five slides.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/office/powerpoint/testing/pptx_writer.h"

namespace powerpoint::testing {

// A presentation like the demo's task: five slides on the standard layouts.
PptxContent TaskPresentation();
// One slide of two shapes animated in a main sequence: directions, a sound, a text build, a hide
// on the next click and a dim from a later effect.
PptxContent AnimatedPresentation();
// Every sample by its file name.
std::vector<std::pair<std::string, PptxContent>> Samples();

}  // namespace powerpoint::testing
