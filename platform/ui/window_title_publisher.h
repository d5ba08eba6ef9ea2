// Keeps the window list in step with this program's Qt top-level windows: a window is published
// when it gets a title or is shown, republished when its title changes, and withdrawn when it is
// destroyed or the application quits.
#pragma once

class QCoreApplication;

namespace ui {

// Starts publishing the top-level windows of the running application. Call once, after the
// application object exists; later calls do nothing.
void PublishTopLevelWindows();

}  // namespace ui
