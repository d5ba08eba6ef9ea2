// The instance state's members that need the page model's complete types.
#include "grading/webmark/state.h"

#include "platform/office/frontpage/application.h"

namespace webmark {

WebState::WebState() = default;
WebState::~WebState() = default;

}  // namespace webmark
