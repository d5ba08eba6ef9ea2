// A rule's argument cells as a keyword dispatcher reads them: one cell after the other with the
// engine's NextCell, each then converted the way its check takes it. Shared by the controls'
// keyword tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct EngineState;

// The cells a keyword's letters ask for. Every letter is one cell, except N: a 16-bit count
// followed by that many cells, at most 20 (cells past the twentieth are left for the
// evaluator). The letters name the kind each check takes (text, I 16-bit, L 32-bit, D double,
// B truth value, a single...); the check converts through the accessor of that kind. A cell
// that does not convert gives 0 (false); it is consumed all the same.
class Arguments {
 public:
  static Arguments Read(EngineState& state, std::string_view letters);

  // The cell's text as it stands.
  const std::string& S(size_t i) const { return texts_[i]; }
  const std::string& T(size_t i) const { return texts_[i]; }
  // 16-bit and 32-bit whole numbers (halves to even), a double, a single, a truth value (True,
  // False or a number, non-zero true).
  int16_t I(size_t i) const;
  int32_t L(size_t i) const;
  double D(size_t i) const;
  float F(size_t i) const;
  bool B(size_t i) const;
  size_t Count() const { return texts_.size(); }
  // The texts of the cells after cell i (the list an N cell counts).
  std::vector<std::string> TextsAfter(size_t i) const;

 private:
  std::vector<std::string> texts_;
};

}  // namespace engine
