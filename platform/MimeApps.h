#pragma once

#include "platform/DesktopEntries.h"

// The application the desktop opens files of `mimeType` with. Candidates, in
// order: the defaults named by the user's and then the system's mimeapps.list
// files, their added associations, and the applications that declare the type
// (less the removed associations). The first installed candidate wins; when
// none is installed the first candidate comes back, so that the caller can
// tell a broken association from none. Nothing when there is no candidate.
std::optional<DesktopApplication>
DefaultApplicationFor(const std::vector<DesktopApplication>& applications,
                      const QMimeType& mimeType);
