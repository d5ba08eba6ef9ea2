// The exam client's Qt services, installed once the application object exists: real message
// boxes, the engine's message pump set to Qt's event processing, and the top-level window list.
#pragma once

void InstallQtServices();
