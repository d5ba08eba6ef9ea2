// The operator and operand stacks.
#include "grading/engine/stack.h"

#include "grading/engine/engine_state.h"
#include "grading/engine/scoring.h"

namespace engine {

void InitStacks(EngineState& state) {
  state.SymbolTop = 0;
  state.OperateTop = 0;
}

bool StackIsEmpty(const EngineState& state, StackName name) {
  return (name == StackName::SymbolStack ? state.SymbolTop : state.OperateTop) < 1;
}

void PushSymbol(EngineState& state, const std::string& symbol) {
  if (state.SymbolTop >= kStackSize) {
    ShowEngineError("Symbolstack", "符号栈上溢出");
    return;
  }
  state.SymbolStack[static_cast<size_t>(++state.SymbolTop)] = symbol;
}

bool PopSymbol(EngineState& state, std::string& symbol) {
  if (state.SymbolTop < 1) {
    ShowEngineError("Symbolstack", "符号栈下溢出");
    return false;
  }
  std::string& slot = state.SymbolStack[static_cast<size_t>(state.SymbolTop--)];
  symbol = std::move(slot);
  slot.clear();
  return true;
}

std::string PeekSymbol(const EngineState& state) {
  return state.SymbolTop < 1 ? std::string()
                             : state.SymbolStack[static_cast<size_t>(state.SymbolTop)];
}

void PushOperand(EngineState& state, int16_t value) {
  if (state.OperateTop >= kStackSize) {
    ShowEngineError("Operatestack", "动作栈上溢出");
    return;
  }
  state.OperateStack[static_cast<size_t>(++state.OperateTop)] = value;
}

bool PopOperand(EngineState& state, int16_t& value) {
  if (state.OperateTop < 1) {
    ShowEngineError("Operatestack", "动作栈下溢出");
    return false;
  }
  int16_t& slot = state.OperateStack[static_cast<size_t>(state.OperateTop--)];
  value = slot;
  slot = kFalse;
  return true;
}

int16_t PeekOperand(const EngineState& state) {
  return state.OperateTop < 1 ? kFalse : state.OperateStack[static_cast<size_t>(state.OperateTop)];
}

}  // namespace engine
