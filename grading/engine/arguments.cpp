// Argument cells and their conversions.
#include "grading/engine/arguments.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "grading/engine/answer_grid.h"
#include "platform/vb/variant.h"

namespace engine {
namespace {

constexpr int kMaxListed = 20;

vb::Variant CellOf(const std::string& text) {
  return vb::Variant::String(text);
}

}  // namespace

Arguments Arguments::Read(EngineState& state, std::string_view letters) {
  Arguments args;
  args.texts_.reserve(letters.size());
  for (char letter : letters) {
    args.texts_.push_back(NextCell(state));
    if (letter != 'N') continue;
    const int listed = std::clamp<int>(args.I(args.Count() - 1), 0, kMaxListed);
    for (int i = 0; i < listed; ++i) args.texts_.push_back(NextCell(state));
  }
  return args;
}

int16_t Arguments::I(size_t i) const {
  return vb::CInt(CellOf(texts_[i])).value_or(0);
}

int32_t Arguments::L(size_t i) const {
  return vb::CLng(CellOf(texts_[i])).value_or(0);
}

double Arguments::D(size_t i) const {
  return vb::CDbl(CellOf(texts_[i])).value_or(0.0);
}

float Arguments::F(size_t i) const {
  const double value = D(i);
  // A number past a single's range overflows, which leaves 0 as any failed conversion does.
  return std::abs(value) <= std::numeric_limits<float>::max() ? static_cast<float>(value) : 0.0f;
}

bool Arguments::B(size_t i) const {
  return vb::CBool(CellOf(texts_[i])).value_or(false);
}

std::vector<std::string> Arguments::TextsAfter(size_t i) const {
  return std::vector<std::string>(texts_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                  texts_.end());
}

}  // namespace engine
