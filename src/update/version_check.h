#pragma once

#include "platform/https_fetch.h"
#include "platform/message_box.h"
#include "platform/window_controls.h"

// The program's own version.
const Text& ProgramVersion();

// The version between "版本【" and "】" of the version file's text (up to its first NUL).
Text PublishedVersion(const std::string& versionFile);

// First-activation handler: unless the published version is the program's own, tells the
// user "联系楼主" and destroys the window, which ends the program.
void PublishedVersionCheck(WindowControls& window, const HttpsFetchOptions& versionFile, MessageBox& messageBox);
