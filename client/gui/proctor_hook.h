// The way from the rules dialog, the login and the end screen to the proctor dialog: the proctor
// dialog registers how it is opened; until it does, the request does nothing.
#pragma once

#include <functional>

class CIniFile;
class QWidget;

using ProctorOpener = std::function<void(QWidget* parent)>;

// Registers the opener; returns the previous one.
ProctorOpener SetProctorOpener(ProctorOpener opener);

// Runs the proctor dialog modally over `parent` (after the system password was given).
void OpenProctorDialog(QWidget* parent);

// The proctor hot key: the system password dialog over `parent`, then the proctor dialog when
// the right password was given.
void OpenProctorAfterPassword(CIniFile& settings, QWidget* parent);
