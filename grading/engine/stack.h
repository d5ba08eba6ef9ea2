// The evaluator's two 40-entry stacks: operators (SymbolStack) and truth values
// (OperateStack). Overflow and underflow are reported in a message box and leave the stack
// unchanged; the pops also tell their caller, so a row can end on an underflow.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

struct EngineState;

// The two stacks, as the rule code names them.
enum class StackName { SymbolStack, OperateStack };

void InitStacks(EngineState& state);
// True when the named stack holds nothing.
bool StackIsEmpty(const EngineState& state, StackName name);

void PushSymbol(EngineState& state, const std::string& symbol);
// False on an empty stack (after its message); `symbol` then keeps what it held.
bool PopSymbol(EngineState& state, std::string& symbol);
std::string PeekSymbol(const EngineState& state);

void PushOperand(EngineState& state, int16_t value);
// False on an empty stack (after its message); `value` then keeps what it held.
bool PopOperand(EngineState& state, int16_t& value);
int16_t PeekOperand(const EngineState& state);

}  // namespace engine
